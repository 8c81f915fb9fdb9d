#pragma once

namespace velmora::media {

// Why an air dialog (dry, humid or saturated air) gives no result; each names one message.
enum class AirRefusal {
    TemperatureOutOfRange,   // the dialog's text for a temperature outside its range; focus: temperature
    PressureOutOfRange,      // the dialog's text for a pressure outside its range; focus: pressure
    HumidityOutOfRange,      // humid air: the text for a humidity outside the range; focus: humidity
    OutsideRangeOfValidity,  // the catalogue text for a value outside the range of validity (information
                             // icon, caption for notes): a saturated-air temperature outside 60 … 132 K,
                             // or a density or dew-point iteration that found no state
};

}  // namespace velmora::media
