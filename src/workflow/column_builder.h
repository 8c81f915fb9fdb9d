#pragma once

#include <string>

#include "engine/element_result.h"
#include "model/calc_inputs.h"
#include "model/unit_system.h"
#include "workflow/display_values.h"
#include "workflow/main_form.h"
#include "workflow/results_table.h"

namespace velmora::workflow {

// The units each slot of the form's current kind is converted by for the table (see DisplayValues).
ConvertedSlots convertedSlots(const MainForm& form);

// A slot's cell: label (without its colon) + " " + connector + " " + unit + ": " + value, or
// label + ": " + value for a slot without a unit (a given coefficient). `unitName` is the unit in
// the table's unit system.
std::string slotCell(const std::string& label, const std::string& connector, const std::string& unitName,
                     const std::string& value);

// The column a successful calculation appends, before it is numbered: rows 1 … 13 from the form
// and the inputs, rows 14 … 25 from the result as the kind's result rows say, written in the
// given unit system with `decimals` places, and the gas entries of a gas calculation. Row 0 is
// left to the table.
ResultColumn buildResultColumn(const MainForm& form, const model::CalcInputs& inputs,
                               const engine::ElementResult& result, model::UnitSystem system, int decimals);

}  // namespace velmora::workflow
