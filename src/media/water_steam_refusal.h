#pragma once

// Why a water-and-steam computation gives no result. Every reason is shown with the catalogue text
// for a value outside the range of validity; the reasons differ in how the dialog shows it.
namespace velmora::media {

enum class WaterSteamRefusal {
    StateOutsideRange,                  // general state: t outside 0…900 °C, p outside (0, 1000] bar,
                                        // or p above 100 bar beyond 800 °C; plain box, focus on pressure
    NoRegion,                           // general state: no IF97 region applies; plain box
    Region3NotSolved,                   // the region 3 density iteration found no density of water;
                                        // information icon with the notes caption
    SaturationTemperatureOutsideRange,  // saturation: T outside 273.15…646.15 K; information icon,
                                        // focus on the temperature entry
    SaturationPressureOutsideRange,     // saturation: p outside 0.007…220 bar; information icon,
                                        // focus on the pressure entry
    VapourPressureNotSolved,            // vapour-pressure database: the substance's equation gives no
                                        // vapour pressure or density at this temperature
};

}  // namespace velmora::media
