#include "media/medium_display.h"

#include "model/number_text.h"
#include "model/unit_catalogue.h"

namespace velmora::media {

using model::GlobalText;

std::string densityTransferUnit(MediumOutput output) {
    return output.us() ? "lb./cu.ft." : "kg/m³";
}

std::string viscosityTransferUnit(MediumOutput output) {
    return output.us() ? "cP" : "10-6 kg/ms";
}

std::string writeShown(Real value, int decimals, MediumOutput output) {
    return model::writeNumber(value, decimals < 0 ? 0 : decimals, output.decimalComma);
}

std::string shownDensity(Real density, int metricDecimals, int usDecimals, MediumOutput output) {
    if (output.us()) return writeShown(density / poundPerCubicFoot, usDecimals, output);
    return writeShown(density, metricDecimals, output);
}

std::string shownViscosity(Real viscosity, int metricDecimals, int usDecimals, MediumOutput output) {
    if (output.us()) return writeShown(viscosity / centipoise, usDecimals, output);
    return writeShown(viscosity, metricDecimals, output);
}

std::vector<std::string> temperatureUnits() {
    return model::unitLabels(model::Quantity::Temperature);
}

std::string shownTemperatureUnit(std::string_view label) {
    if (label == "degF") return "°F";
    return std::string(label);
}

std::optional<Real> temperatureEntryKelvin(std::string_view entry, std::string_view unit) {
    const std::optional<Real> value = model::readNumber(entry);
    if (!value) return std::nullopt;
    return model::convertTemperature(unit, *value);
}

model::UserMessage errorBox(const lang::TextCatalogue& texts, std::string text, int entry) {
    return {.icon = model::MessageIcon::Error,
            .caption = texts.text(GlobalText::ErrorCaption),
            .text = std::move(text),
            .entry = entry};
}

model::UserMessage noticeBox(const lang::TextCatalogue& texts, std::string text, int entry) {
    return {.icon = model::MessageIcon::Information,
            .caption = texts.text(GlobalText::NoticeCaption),
            .text = std::move(text),
            .entry = entry};
}

}  // namespace velmora::media
