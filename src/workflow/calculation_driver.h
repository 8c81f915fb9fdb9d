#pragma once

#include <optional>

#include "engine/element_result.h"
#include "model/calc_inputs.h"
#include "workflow/calc_inputs_filler.h"
#include "workflow/column_command_states.h"
#include "workflow/main_form.h"
#include "workflow/messenger.h"
#include "workflow/results_table.h"
#include "workflow/short_display.h"

namespace velmora::workflow {

// What one press of Calculate works on besides the form.
struct CalculationContext {
    model::CalcInputs& inputs;  // the one current record, refilled from the form at every calculation
    ResultsTable& table;
    ShortDisplay& shortDisplay;
    bool& modified;  // the project's modified mark
    Messenger& messenger;
};

struct CalculationOptions {
    // While the pump quick design is open the tee's branch-flow entry is not read; the branch
    // flow of the inputs keeps its value.
    bool pumpDesignOpen = false;
};

// Where a calculation stopped; only Appended adds a column.
enum class CalculationStop {
    Appended,       // a new column was appended
    Entries,        // an entry, a refusal or a check stopped it before the engine
    EngineFailure,  // an arithmetic failure inside the engine
    GasLimit,       // the gas loss exceeded half the inlet pressure
};

struct CalculationOutcome {
    CalculationStop stop = CalculationStop::Entries;
    std::optional<engine::ElementResult> result;  // set once the engine has run
    ColumnCommandStates commands;                 // the results window's column commands afterwards

    bool appended() const { return stop == CalculationStop::Appended; }
};

// The calculate command: fills the inputs from the form (four stages with their messages), runs
// the element engine interactively and shows its notices in order, then appends the column in the
// table's unit system, shows the transition-zone notice, marks the project modified, keeps the
// short display on an existing line and makes the new column the current one. An arithmetic
// failure shows the failed-calculation message and a gas loss above half the inlet pressure the
// gas-limit message; then, as after any stop before the engine, the table, the short display and
// the modified mark stay as they were and the entries keep what the user typed.
CalculationOutcome runCalculation(const MainForm& form, const CalculationContext& context,
                                  const CalculationOptions& options = {});

}  // namespace velmora::workflow
