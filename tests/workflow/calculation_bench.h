#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/calc_inputs.h"
#include "workflow/calculation_driver.h"
#include "workflow/main_form.h"
#include "workflow/messenger.h"
#include "workflow/results_table.h"
#include "workflow/short_display.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow::testing {

// The main form, the results table and the short display of one window, with the messages
// recorded: what a user works with when pressing Calculate.
struct CalculationBench {
    explicit CalculationBench(Language language = Language::English)
        : texts(builtTexts(language)), form(texts), table(texts), shortDisplay(table) {}

    CalculationOutcome calculate(const CalculationOptions& options = {}) {
        return runCalculation(form, {inputs, table, shortDisplay, modified, messenger}, options);
    }

    // Sets up a kind and types its slot texts (slots 1 … n in order).
    void element(model::ElementKind kind, const std::vector<std::string>& slots) {
        form.setUpKind(kind);
        for (std::size_t i = 0; i < slots.size(); ++i)
            form.setText(slotField(static_cast<int>(i) + 1), slots[i]);
    }

    // Types the medium entries in the units the boxes show.
    void liquid(const std::string& flow, const std::string& density, const std::string& viscosity) {
        form.setState(model::MediumState::Liquid);
        form.setText(FormField::Flow, flow);
        form.setText(FormField::Density, density);
        form.setText(FormField::Viscosity, viscosity);
    }

    void gas(const std::string& flow, const std::string& density, const std::string& viscosity,
             const std::string& inletPressure, const std::string& inletTemperature,
             const std::string& outletTemperature) {
        liquid(flow, density, viscosity);
        form.setState(model::MediumState::Gas);
        form.setText(FormField::InletPressure, inletPressure);
        form.setText(FormField::InletTemperature, inletTemperature);
        form.setText(FormField::OutletTemperature, outletTemperature);
    }

    const std::string& cell(int column, int row) const { return table.cell(column, row); }

    const lang::TextCatalogue& texts;
    MainForm form;
    ResultsTable table;
    ShortDisplay shortDisplay;
    model::CalcInputs inputs;
    bool modified = false;
    RecordingMessenger messenger;
};

}  // namespace velmora::workflow::testing
