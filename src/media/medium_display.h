#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/real.h"
#include "model/unit_system.h"
#include "model/user_message.h"

// What the brine, oil, solution and estimation dialogs share: the display of density and
// viscosity in metric or US output, the units they take over into the main form, temperature
// entries and the messages every one of them shows.
namespace velmora::media {

using model::Real;

inline constexpr Real poundPerCubicFoot = 16.0184655L;  // kg/m³ per lb./cu.ft.
inline constexpr Real centipoise = 1000.0L;             // 10⁻⁶ kg/(m·s) per cP

// How a dialog writes its numbers: the output unit system and the edition's decimal separator.
struct MediumOutput {
    model::UnitSystem units = model::UnitSystem::Metric;
    bool decimalComma = false;

    bool us() const { return units == model::UnitSystem::Us; }
};

// The unit labels of the main form that a transfer names: "kg/m³" / "lb./cu.ft." and
// "10-6 kg/ms" / "cP".
std::string densityTransferUnit(MediumOutput output);
std::string viscosityTransferUnit(MediumOutput output);

// A number with `decimals` places in the edition's form.
std::string writeShown(Real value, int decimals, MediumOutput output);

// Density (kg/m³) shown with `metricDecimals`, or ÷ 16.0184655 with `usDecimals` in US output.
std::string shownDensity(Real density, int metricDecimals, int usDecimals, MediumOutput output);
// Viscosity (10⁻⁶ kg/(m·s)) shown with `metricDecimals`, or ÷ 1000 (cP) with `usDecimals`.
std::string shownViscosity(Real viscosity, int metricDecimals, int usDecimals, MediumOutput output);

// The four temperature units of the media dialogs: "°C", "K", "degF", "°R" (Réaumur).
std::vector<std::string> temperatureUnits();
// A temperature unit as a caption shows it: "degF" as "°F".
std::string shownTemperatureUnit(std::string_view label);
// An entry in a temperature unit, in K; none when the entry is not a number.
std::optional<Real> temperatureEntryKelvin(std::string_view entry, std::string_view unit);

// An error box (error icon, the catalogue's error caption) with the focus on a dialog field.
model::UserMessage errorBox(const lang::TextCatalogue& texts, std::string text, int entry = -1);
// An information box (information icon, the catalogue's caption for notes).
model::UserMessage noticeBox(const lang::TextCatalogue& texts, std::string text, int entry = -1);

}  // namespace velmora::media
