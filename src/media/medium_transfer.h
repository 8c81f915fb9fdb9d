#pragma once

#include <optional>
#include <string>

#include "model/calc_inputs.h"

namespace velmora::media {

// An entry text with the unit label chosen beside it ("1,5" in "bar").
struct TextWithUnit {
    std::string text;
    std::string unit;

    friend bool operator==(const TextWithUnit&, const TextWithUnit&) = default;
};

// What a property dialog copies into the main form, as display texts in the edition's decimal
// form and unit labels of the output unit system. The main form applies the items in a fixed
// order: medium text, state, density and its unit, the viscosity quantity (always dynamic, with
// the unit list refilled), viscosity and its unit, then the gas entries. Items left empty keep
// the form's values.
struct MediumTransfer {
    std::optional<std::string> mediumText{};  // as a rule "name (state)"
    std::optional<model::MediumState> state{};
    std::optional<TextWithUnit> density{};    // "kg/m³" or "lb./cu.ft."
    std::optional<TextWithUnit> viscosity{};  // dynamic: "10-6 kg/ms" or "cP"
    // Gases only.
    std::optional<TextWithUnit> inletPressure{};
    std::optional<TextWithUnit> inletTemperature{};
    std::optional<TextWithUnit> outletTemperature{};

    friend bool operator==(const MediumTransfer&, const MediumTransfer&) = default;
};

}  // namespace velmora::media
