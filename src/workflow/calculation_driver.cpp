#include "workflow/calculation_driver.h"

#include "engine/calc_error.h"
#include "engine/element_engine.h"
#include "workflow/calculation_messages.h"
#include "workflow/column_builder.h"

namespace velmora::workflow {

CalculationOutcome runCalculation(const MainForm& form, const CalculationContext& context,
                                  const CalculationOptions& options) {
    const lang::TextCatalogue& texts = form.texts();
    Messenger& messenger = context.messenger;
    CalculationOutcome outcome;

    const FillResult fill = fillCalcInputs(form, messenger, context.inputs,
                                           FillOptions{.pumpDesignOpen = options.pumpDesignOpen});
    if (!fill.ok()) {
        outcome.commands = columnCommandStates(context.table);
        return outcome;
    }

    // Interactive run: the engine reports its notices, nothing is taken from the system curve.
    engine::ElementResult result;
    try {
        result = engine::calculateElement(context.inputs, engine::EngineOptions{});
    } catch (const engine::CalcError&) {
        messenger.show(calculationFailedMessage(texts));
        outcome.stop = CalculationStop::EngineFailure;
        outcome.commands = columnCommandStates(context.table);
        return outcome;
    }
    for (const engine::Notice& notice : result.notices) messenger.show(noticeMessage(texts, notice));
    outcome.result = result;
    if (result.gasLimitExceeded) {
        messenger.show(gasLimitMessage(texts));
        outcome.stop = CalculationStop::GasLimit;
        outcome.commands = columnCommandStates(context.table);
        return outcome;
    }

    ResultsTable& table = context.table;
    ResultColumn column =
        buildResultColumn(form, context.inputs, result, table.unitSystem(), table.decimals());
    // A loss so large that the table's total would overflow cannot be added up or written: the
    // calculation fails like any other that leaves the range of the numbers.
    if (!table.takesLoss(column.cells[row::lossSmall])) {
        messenger.show(calculationFailedMessage(texts));
        outcome.stop = CalculationStop::EngineFailure;
        outcome.commands = columnCommandStates(context.table);
        return outcome;
    }
    if (inTransitionZone(result.reynolds)) messenger.show(transitionZoneMessage(texts));
    table.appendColumn(std::move(column));  // numbers it, recomputes the total, makes it current
    context.modified = true;
    context.shortDisplay.refresh();
    outcome.stop = CalculationStop::Appended;
    outcome.commands = columnCommandStates(table);
    return outcome;
}

}  // namespace velmora::workflow
