#include "media/brine_properties.h"

#include <cmath>

namespace velmora::media {

Real brinePolynomial(const BrineCoefficients& c, Real x, Real y) {
    const Real y2 = y * y;
    const Real y3 = y2 * y;
    const Real x2 = x * x;
    const Real x3 = x2 * x;
    return c[0] + c[1] * y + c[2] * y2 + c[3] * y3 +           //
           x * (c[4] + c[5] * y + c[6] * y2 + c[7] * y3) +     //
           x2 * (c[8] + c[9] * y + c[10] * y2 + c[11] * y3) +  //
           x3 * (c[12] + c[13] * y + c[14] * y2) +             //
           x2 * x2 * (c[15] + c[16] * y) + x3 * x2 * c[17];
}

Real brineFreezingPoint(const BrineData& brine, Real concentration, Real temperatureC) {
    return brinePolynomial(brine.freezing, concentration - brine.meanConcentration,
                           temperatureC - brine.meanTemperature);
}

Outcome<BrineState, BrineRefusal> computeBrine(const BrineData& brine, Real concentration,
                                               Real temperatureC) {
    if (!(temperatureC <= brine.highestTemperature)) return BrineRefusal::TemperatureAboveRange;
    if (!(brine.lowestConcentration <= concentration && concentration <= brine.highestConcentration))
        return BrineRefusal::ConcentrationOutOfRange;
    BrineState state;
    state.freezingPoint = brineFreezingPoint(brine, concentration, temperatureC);
    if (!(temperatureC > state.freezingPoint)) return BrineRefusal::NotAboveFreezingPoint;
    const Real x = concentration - brine.meanConcentration;
    const Real y = temperatureC - brine.meanTemperature;
    state.density = brinePolynomial(brine.density, x, y);
    state.viscosity = 1000.0L * std::exp(brinePolynomial(brine.viscosity, x, y));
    return state;
}

}  // namespace velmora::media
