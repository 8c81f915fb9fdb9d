#pragma once

#include <string>
#include <string_view>

#include "media/outcome.h"
#include "model/real.h"

namespace velmora::media {

using model::Real;

// The entries of the standard-to-operating conversion, as typed, with their unit labels.
struct NormConversionEntries {
    std::string_view normFlow;         // standard volume flow at 0 °C and 1.01325 bar
    std::string_view normFlowUnit;     // "Nm³/s", "Nm³/min" or "Nm³/h"
    std::string_view temperature;      // operating temperature
    std::string_view temperatureUnit;  // "°C", "K", "degF", "°R"
    std::string_view pressure;         // operating pressure, absolute (or gauge with "psig")
    std::string_view pressureUnit;     // one of the fifteen pressure units
};

// The entry whose number cannot be used; the dialog shows its number-entry message and focuses it.
enum class NormConversionRefusal {
    NormFlowNotANumber,     // not a number, or 0
    TemperatureNotANumber,  // not a number (empty reads as 0 °C … and is accepted)
    PressureNotANumber,     // not a number, 0 with a unit other than "psig", or not above 0 bar absolute
};

struct NormConversionResult {
    Real operatingFlow = 0;       // in the time base of the chosen unit (m³/s, m³/min or m³/h)
    std::string operatingUnit;    // the chosen unit without its leading "N"
    Real gallonsPerMinute = 0;    // US gal/min
};

// V = Vn·(T/273.15 K)·(1.01325 bar/p) for T > 0 K; 0 at or below absolute zero.
Outcome<NormConversionResult, NormConversionRefusal> convertNormFlow(const NormConversionEntries& entries);

}  // namespace velmora::media
