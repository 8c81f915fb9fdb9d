#include "media/gas_norm_conversion.h"

#include "model/number_text.h"
#include "model/unit_catalogue.h"

namespace velmora::media {

namespace {

constexpr Real normTemperature = 273.15L;  // K
constexpr Real normPressure = 1.01325L;    // bar
constexpr Real barrel = 0.158987L;         // m³; 42 US gallons

// Factor from a flow in the unit's own time base to m³/h.
Real toCubicMetresPerHour(std::string_view normUnit) {
    if (normUnit == "Nm³/s") return 3600.0L;
    if (normUnit == "Nm³/min") return 60.0L;
    return 1.0L;
}

}  // namespace

Outcome<NormConversionResult, NormConversionRefusal> convertNormFlow(const NormConversionEntries& entries) {
    const std::optional<Real> normFlow = model::readNumber(entries.normFlow);
    if (!normFlow || *normFlow == 0) return NormConversionRefusal::NormFlowNotANumber;
    const std::optional<Real> temperature = model::readNumber(entries.temperature);
    if (!temperature) return NormConversionRefusal::TemperatureNotANumber;
    const std::optional<Real> pressure = model::readNumber(entries.pressure);
    if (!pressure || (*pressure == 0 && entries.pressureUnit != "psig"))
        return NormConversionRefusal::PressureNotANumber;

    const Real temperatureK = model::convertTemperature(entries.temperatureUnit, *temperature);
    const Real pressureBar = model::convertPressure(entries.pressureUnit, *pressure);
    // A gauge reading below −14.7 psi, or a negative absolute pressure, is no pressure a gas can have.
    if (!(pressureBar > 0)) return NormConversionRefusal::PressureNotANumber;

    NormConversionResult result;
    result.operatingFlow =
        temperatureK > 0 ? *normFlow * (temperatureK / normTemperature) * (normPressure / pressureBar) : 0;
    std::string_view unit = entries.normFlowUnit;
    if (!unit.empty() && unit.front() == 'N') unit.remove_prefix(1);
    result.operatingUnit = std::string(unit);
    const Real cubicMetresPerHour = result.operatingFlow * toCubicMetresPerHour(entries.normFlowUnit);
    result.gallonsPerMinute = cubicMetresPerHour / barrel * 42.0L / 60.0L;
    return result;
}

}  // namespace velmora::media
