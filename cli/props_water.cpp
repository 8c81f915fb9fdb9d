// `velmora-cli props water | saturation`: the computations of the two water-and-steam dialogs.
#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

#include "media/water_saturation_state.h"
#include "media/water_state.h"
#include "media/water_steam_refusal.h"
#include "model/real.h"
#include "props_commands.h"
#include "props_output.h"

namespace velmora::cli {

namespace {

using media::WaterSteamRefusal;
using model::Real;

constexpr Real celsiusOffset = 273.15L;  // K

constexpr std::string_view waterUsage = "props water P T (P in bar abs., T in °C)";
constexpr std::string_view saturationUsage =
    "props saturation --temperature=T | --pressure=P (T in °C, P in bar abs.)";

int unusable(std::ostream& err, std::string_view problem, std::string_view usage) {
    err << "error: " << problem << "; expected " << usage << '\n';
    return 2;
}

int notANumber(std::ostream& err, std::string_view text, std::string_view usage) {
    err << "error: '" << text << "' is not a number (use a point as decimal separator); expected " << usage
        << '\n';
    return 2;
}

std::string_view refusalText(WaterSteamRefusal refusal) {
    switch (refusal) {
        case WaterSteamRefusal::StateOutsideRange:
            return "The value lies outside the range of validity: 0 to 900 °C at above 0 and up to 1000 bar "
                   "abs., "
                   "and at most 100 bar abs. above 800 °C.";
        case WaterSteamRefusal::NoRegion:
            return "The value lies outside the range of validity: no region of IAPWS-IF97 applies to this "
                   "state.";
        case WaterSteamRefusal::Region3NotSolved:
            return "The value lies outside the range of validity: the density in region 3 of IAPWS-IF97 "
                   "could not "
                   "be determined.";
        case WaterSteamRefusal::SaturationTemperatureOutsideRange:
            return "The value lies outside the range of validity: the temperature must lie between 0 and 373 "
                   "°C.";
        case WaterSteamRefusal::SaturationPressureOutsideRange:
            return "The value lies outside the range of validity: the pressure must lie between 0.007 and "
                   "220 bar "
                   "abs.";
        case WaterSteamRefusal::VapourPressureNotSolved:
            return "The value lies outside the range of validity: the vapour pressure could not be "
                   "determined.";
    }
    return "The value lies outside the range of validity.";
}

int refuse(std::ostream& err, WaterSteamRefusal refusal) {
    err << "error: " << refusalText(refusal) << '\n';
    return 1;
}

}  // namespace

int propsWater(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) return unusable(err, "two numbers are needed", waterUsage);
    const std::optional<Real> pressure = readArgument(args[0]);
    if (!pressure) return notANumber(err, args[0], waterUsage);
    const std::optional<Real> temperature = readArgument(args[1]);
    if (!temperature) return notANumber(err, args[1], waterUsage);

    const media::WaterStateOutcome state = media::computeWaterState(*temperature + celsiusOffset, *pressure);
    if (!state) return refuse(err, state.reason());
    out << "region: " << static_cast<int>(state->region) << '\n';
    printLine(out, "density", state->density);
    printLine(out, "specific_volume", state->specificVolume);
    printLine(out, "viscosity", state->viscosity);
    return 0;
}

int propsSaturation(const Arguments& args, std::ostream& out, std::ostream& err) {
    constexpr std::string_view temperatureOption = "--temperature=";
    constexpr std::string_view pressureOption = "--pressure=";
    if (args.size() != 1) return unusable(err, "exactly one of the two options is needed", saturationUsage);
    const std::string_view arg = args[0];
    const bool temperatureGiven = arg.starts_with(temperatureOption);
    if (!temperatureGiven && !arg.starts_with(pressureOption))
        return unusable(err, "unknown option '" + std::string(arg) + "'", saturationUsage);
    const std::string_view text =
        arg.substr(temperatureGiven ? temperatureOption.size() : pressureOption.size());
    const std::optional<Real> given = readArgument(text);
    if (!given) return notANumber(err, text, saturationUsage);

    const media::SaturationOutcome state = temperatureGiven
                                               ? media::computeSaturationAtTemperature(*given + celsiusOffset)
                                               : media::computeSaturationAtPressure(*given);
    if (!state) return refuse(err, state.reason());
    printLine(out, "pressure", state->pressure);
    printLine(out, "temperature", state->temperature - celsiusOffset);
    printLine(out, "liquid_density", state->liquid.density);
    printLine(out, "vapour_density", state->vapour.density);
    printLine(out, "liquid_viscosity", state->liquid.viscosity);
    printLine(out, "vapour_viscosity", state->vapour.viscosity);
    return 0;
}

}  // namespace velmora::cli
