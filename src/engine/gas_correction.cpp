#include "engine/gas_correction.h"

#include "engine/checked_math.h"

namespace velmora::engine {

GasCorrection gasCorrectedLoss(Real incompressibleLoss, Real inletPressure, Real inletTemperature,
                               Real outletTemperature) {
    constexpr const char* where = "gas correction";
    if (inletPressure / 2.0L < incompressibleLoss) return {incompressibleLoss, true};
    const Real relativeLoss = checkedDivide(2.0L * incompressibleLoss, inletPressure, where);
    const Real temperatureTerm =
        checkedDivide((outletTemperature + inletTemperature) * relativeLoss / 2.0L, inletTemperature, where);
    return {inletPressure * (1.0L - checkedSqrt(1.0L - temperatureTerm, where)), false};
}

}  // namespace velmora::engine
