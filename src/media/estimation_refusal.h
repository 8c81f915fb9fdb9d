#pragma once

namespace velmora::media {

// Why the property estimation gives no result; each names one message of the dialog.
enum class EstimationRefusal {
    PressureBelowRange,      // below 0.1 bar (plain message); focus: pressure
    PressureAboveRange,      // above 1000 bar (information icon, caption for notes)
    NegativeTemperature,     // below 0 K; focus: temperature
    BelowMeltingPoint,       // single substance below its melting point; focus: temperature
    TooFewSubstances,        // a mixture needs at least two substances
    FractionSumNot100,       // the fractions do not add up to 100 %
    MixtureNotComputable,    // a component below its melting point, or components of different phases
    OutsideRangeOfValidity,  // an arithmetic failure (information icon, caption for notes)
};

}  // namespace velmora::media
