#include "workflow/main_form.h"

namespace velmora::workflow {

// Medium text, state, density, the viscosity quantity (dynamic, its unit list refilled as when the
// user changes it), viscosity, then the three gas entries: the order in which a dialog's values
// reach the form, so that a unit chosen by label always finds the list it belongs to.
void MainForm::apply(const media::MediumTransfer& transfer) {
    const auto put = [this](FormField entry, FormField unit, const std::optional<media::TextWithUnit>& value) {
        if (!value) return;
        setText(entry, value->text);
        selectUnitLabel(unit, value->unit);
    };
    if (transfer.mediumText) setText(FormField::MediumName, *transfer.mediumText);
    if (transfer.state) setState(*transfer.state);
    put(FormField::Density, FormField::DensityUnit, transfer.density);
    if (transfer.viscosity) setViscosityQuantity(model::ViscosityQuantity::Dynamic);
    put(FormField::Viscosity, FormField::ViscosityUnit, transfer.viscosity);
    put(FormField::InletPressure, FormField::InletPressureUnit, transfer.inletPressure);
    put(FormField::InletTemperature, FormField::InletTemperatureUnit, transfer.inletTemperature);
    put(FormField::OutletTemperature, FormField::OutletTemperatureUnit, transfer.outletTemperature);
}

}  // namespace velmora::workflow
