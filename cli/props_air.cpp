// `velmora-cli props air | humid-air | saturated-air`: the computations of the three air dialogs.
#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "media/air_refusal.h"
#include "media/dry_air.h"
#include "media/humid_air.h"
#include "media/saturated_air.h"
#include "model/real.h"
#include "props_commands.h"
#include "props_output.h"

namespace velmora::cli {

namespace {

using media::AirRefusal;
using model::Real;

constexpr Real celsiusOffset = 273.15L;  // K

// Reads exactly `count` numbers; on failure tells why on `err`.
std::optional<std::vector<Real>> readArguments(const Arguments& args, std::size_t count, std::string_view usage,
                                               std::ostream& err) {
    if (args.size() != count) {
        err << "error: expected " << usage << '\n';
        return std::nullopt;
    }
    std::vector<Real> values;
    for (const std::string& arg : args) {
        const std::optional<Real> value = readArgument(arg);
        if (!value) {
            err << "error: '" << arg << "' is not a number (use a point as decimal separator); expected " << usage
                << '\n';
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

enum class AirDialog { Dry, Humid, Saturated };

std::string_view refusalText(AirDialog dialog, AirRefusal refusal) {
    switch (refusal) {
        case AirRefusal::TemperatureOutOfRange:
            return dialog == AirDialog::Humid ? "The temperature is outside the range 0 to 200 °C."
                                              : "The temperature is outside the range 0 to 2000 K.";
        case AirRefusal::PressureOutOfRange:
            return dialog == AirDialog::Humid ? "The pressure is outside the range 0 to 100 bar."
                                              : "The pressure is outside the range 0 to 20000 bar.";
        case AirRefusal::HumidityOutOfRange:
            return "The humidity is outside the range: the relative humidity must lie above 0 and up to 100 %, "
                   "and the water vapour below the total pressure.";
        case AirRefusal::OutsideRangeOfValidity:
            return dialog == AirDialog::Saturated
                       ? "The temperature is outside the range of validity, 60 to 132 K."
                       : "The value lies outside the range of validity: no state could be computed.";
    }
    return "The state cannot be computed.";
}

int refuse(std::ostream& err, AirDialog dialog, AirRefusal refusal) {
    err << "error: " << refusalText(dialog, refusal) << '\n';
    return 1;
}

std::string_view stateWord(media::AirState state) {
    switch (state) {
        case media::AirState::Gaseous: return "gaseous";
        case media::AirState::Liquid: return "liquid";
        case media::AirState::Solid: return "solid";
    }
    return "gaseous";
}

}  // namespace

int propsAir(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto values = readArguments(args, 2, "props air P T (P in bar abs., T in °C)", err);
    if (!values) return 2;
    const Real pressure = (*values)[0];
    const Real temperature = (*values)[1] + celsiusOffset;
    const auto result = media::computeDryAir(temperature, pressure);
    if (!result) return refuse(err, AirDialog::Dry, result.reason());
    out << "state: " << stateWord(result->state) << '\n';
    if (const auto& properties = result->properties) {
        printLine(out, "density", properties->density);
        printLine(out, "specific_volume", properties->specificVolume);
        printLine(out, "viscosity", properties->viscosity);
    }
    return 0;
}

int propsHumidAir(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto values =
        readArguments(args, 3, "props humid-air P T RH (P in bar abs., T in °C, RH in %)", err);
    if (!values) return 2;
    const Real pressure = (*values)[0];
    const Real temperature = (*values)[1] + celsiusOffset;
    const Real relativeHumidity = (*values)[2];
    const auto result =
        media::computeHumidAir(temperature, pressure, media::HumidityKind::RelativeHumidity, relativeHumidity);
    if (!result) return refuse(err, AirDialog::Humid, result.reason());
    printLine(out, "moisture_content", result->moistureContent);
    printLine(out, "saturation_moisture_content", result->saturationMoistureContent);
    printLine(out, "degree_of_saturation", result->degreeOfSaturation);
    printLine(out, "mole_fraction", result->moleFraction);
    printLine(out, "dew_point", result->dewPoint);
    printLine(out, "density", result->density);
    printLine(out, "specific_volume", result->specificVolume);
    printLine(out, "viscosity", result->viscosity);
    return 0;
}

int propsSaturatedAir(const Arguments& args, std::ostream& out, std::ostream& err) {
    const auto values = readArguments(args, 1, "props saturated-air TK (T in K)", err);
    if (!values) return 2;
    const auto result = media::computeSaturatedAir((*values)[0]);
    if (!result) return refuse(err, AirDialog::Saturated, result.reason());
    printLine(out, "bubble_pressure", result->bubblePressure);
    printLine(out, "dew_pressure", result->dewPressure);
    printLine(out, "liquid_density", result->liquid.density);
    printLine(out, "vapour_density", result->vapour.density);
    printLine(out, "liquid_viscosity", result->liquid.viscosity);
    printLine(out, "vapour_viscosity", result->vapour.viscosity);
    return 0;
}

}  // namespace velmora::cli
