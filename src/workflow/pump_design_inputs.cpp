#include "workflow/pump_design_inputs.h"

#include "workflow/calc_inputs_filler.h"

namespace velmora::workflow {

tools::PumpMediumEntries pumpMediumEntries(const MainForm& form) {
    return {.name = form.text(FormField::MediumName),
            .massFlow = form.flowQuantity() == model::FlowQuantity::Mass,
            .flow = form.text(FormField::Flow),
            .flowUnit = form.unitBox(FormField::FlowUnit).current(),
            .density = form.text(FormField::Density),
            .densityUnit = form.unitBox(FormField::DensityUnit).current(),
            .kinematic = form.viscosityQuantity() == model::ViscosityQuantity::Kinematic,
            .viscosity = form.text(FormField::Viscosity),
            .viscosityUnit = form.unitBox(FormField::ViscosityUnit).current()};
}

namespace {

// The stage's messages name the main form's fields; in the tool they belong to its own entries.
class ToolFocusMessenger : public model::Messenger {
  public:
    explicit ToolFocusMessenger(model::Messenger& inner) : inner_(inner) {}
    model::MessageButton show(const model::UserMessage& message) override {
        model::UserMessage shown = message;
        using P = tools::PumpDesignPresenter;
        switch (message.focus) {
            case FormField::Flow: shown.entry = P::Flow; break;
            case FormField::FlowUnit: shown.entry = P::FlowUnit; break;
            case FormField::Density: shown.entry = P::Density; break;
            case FormField::Viscosity: shown.entry = P::Viscosity; break;
            default: break;
        }
        shown.focus = FormField::None;
        return inner_.show(shown);
    }

  private:
    model::Messenger& inner_;
};

}  // namespace

std::optional<tools::PumpMedium> MainFormMediumConversion::convert(const tools::PumpMediumEntries& entries,
                                                                   model::Messenger& messenger) const {
    MainForm scratch = *form_;
    scratch.setState(model::MediumState::Liquid);
    scratch.setFlowQuantity(entries.massFlow ? model::FlowQuantity::Mass : model::FlowQuantity::Volume);
    scratch.setViscosityQuantity(entries.kinematic ? model::ViscosityQuantity::Kinematic
                                                   : model::ViscosityQuantity::Dynamic);
    scratch.setText(FormField::MediumName, entries.name);
    scratch.setText(FormField::Flow, entries.flow);
    scratch.setText(FormField::Density, entries.density);
    scratch.setText(FormField::Viscosity, entries.viscosity);
    // Every unit of the tool's lists stands in the main form's lists too.
    if (!scratch.selectUnitLabel(FormField::FlowUnit, entries.flowUnit) ||
        !scratch.selectUnitLabel(FormField::DensityUnit, entries.densityUnit) ||
        !scratch.selectUnitLabel(FormField::ViscosityUnit, entries.viscosityUnit)) {
        messenger.show({.icon = model::MessageIcon::Error,
                        .caption = form_->texts().text(model::GlobalText::ProgramTitle),
                        .text = form_->texts().text(model::GlobalText::CalculationFailed)});
        return std::nullopt;
    }
    model::CalcInputs inputs;
    ToolFocusMessenger toTool(messenger);
    if (!fillMediumInputs(scratch, toTool, inputs)) return std::nullopt;
    return tools::PumpMedium{.flow = inputs.volumeFlow, .density = inputs.density, .viscosity = inputs.dynamicViscosity};
}

}  // namespace velmora::workflow
