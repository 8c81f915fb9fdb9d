#include "pipeline_run.h"

#include <ostream>

#include "input_file.h"
#include "model/calc_inputs.h"
#include "model/unit_catalogue.h"
#include "workflow/calculation_driver.h"
#include "workflow/short_display.h"

namespace velmora::cli {

namespace {

using workflow::FormField;
using workflow::MainForm;

bool listed(model::Quantity list, const std::string& label) {
    for (const std::string& item : model::unitLabels(list))
        if (item == label) return true;
    return false;
}

void setText(MainForm& form, FormField entry, const std::optional<std::string>& text) {
    if (text) form.setText(entry, *text);
}

void selectUnit(MainForm& form, FormField box, const std::optional<std::string>& label) {
    if (label) form.selectUnitLabel(box, *label);
}

// The medium panel as a user fills it: choosing a mass-flow unit switches to mass flow, a
// kinematic viscosity unit to kinematic viscosity.
void enterMedium(const MediumDescription& medium, MainForm& form) {
    setText(form, FormField::MediumName, medium.name);
    if (medium.state) form.setState(*medium.state);
    if (medium.flowUnit) {
        form.setFlowQuantity(model::isMassFlowUnit(*medium.flowUnit) ? model::FlowQuantity::Mass
                                                                     : model::FlowQuantity::Volume);
        form.selectUnitLabel(FormField::FlowUnit, *medium.flowUnit);
    }
    setText(form, FormField::Flow, medium.flow);
    selectUnit(form, FormField::DensityUnit, medium.densityUnit);
    setText(form, FormField::Density, medium.density);
    if (medium.viscosityUnit) {
        form.setViscosityQuantity(listed(model::Quantity::KinematicViscosity, *medium.viscosityUnit)
                                      ? model::ViscosityQuantity::Kinematic
                                      : model::ViscosityQuantity::Dynamic);
        form.selectUnitLabel(FormField::ViscosityUnit, *medium.viscosityUnit);
    }
    setText(form, FormField::Viscosity, medium.viscosity);
    setText(form, FormField::InletPressure, medium.inletPressure);
    selectUnit(form, FormField::InletPressureUnit, medium.inletPressureUnit);
    setText(form, FormField::InletTemperature, medium.inletTemperature);
    selectUnit(form, FormField::InletTemperatureUnit, medium.inletTemperatureUnit);
    setText(form, FormField::OutletTemperature, medium.outletTemperature);
    selectUnit(form, FormField::OutletTemperatureUnit, medium.outletTemperatureUnit);
}

// One element as a user enters it: the kind is set up (slots keep their texts where the kind's
// default keeps them), then the given entries are typed. The count is "1" unless given, so that a
// count never carries over to the next element unseen.
void enterElement(const ElementDescription& element, MainForm& form) {
    if (element.medium) enterMedium(*element.medium, form);
    form.setUpKind(element.kind);
    form.setText(FormField::ElementCount, element.count.value_or("1"));
    setText(form, FormField::Designation, element.designation);
    for (std::size_t i = 0; i < element.slots.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        form.setText(workflow::slotField(n), element.slots[i].text);
        selectUnit(form, workflow::slotUnitField(n), element.slots[i].unit);
    }
    setText(form, FormField::Roughness, element.roughness);
    selectUnit(form, FormField::RoughnessUnit, element.roughnessUnit);
    if (element.option) form.selectVariant(*element.option);
    setText(form, FormField::BranchFlow, element.branchFlow);
}

}  // namespace

std::optional<PipelineDescription> loadPipeline(const std::string& path, const lang::TextCatalogue& texts,
                                                std::ostream& err) {
    const auto json = readInputFile(path, err);
    if (!json) return std::nullopt;
    try {
        return readPipelineDescription(*json, texts);
    } catch (const PipelineError& e) {
        err << "error: " << path << ": " << e.what() << "\n";
        return std::nullopt;
    }
}

int calculatePipeline(const PipelineDescription& pipeline, MainForm& form, workflow::ResultsTable& table,
                      workflow::Messenger& messenger) {
    table.setUnitSystem(pipeline.units);
    table.setDecimals(pipeline.decimals);
    workflow::ShortDisplay shortDisplay(table);
    model::CalcInputs inputs;
    bool modified = false;
    const workflow::CalculationContext context{inputs, table, shortDisplay, modified, messenger};

    if (pipeline.medium) enterMedium(*pipeline.medium, form);
    int refused = 0;
    for (const ElementDescription& element : pipeline.elements) {
        enterElement(element, form);
        if (!workflow::runCalculation(form, context).appended()) ++refused;
    }
    return refused;
}

}  // namespace velmora::cli
