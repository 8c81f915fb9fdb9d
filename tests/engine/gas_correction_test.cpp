#include "engine/gas_correction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/element_engine.h"
#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using model::CalcInputs;
using model::MediumState;
using testing::within;

TEST(GasCorrectedLoss, CompressibleApproximation) {
    struct Case {
        const char* name;
        Real loss, p1, t1, t2;  // bar, bar abs., K, K
        Real expected;          // p₁ (1 − √(1 − (Tm / T₁) · 2 Δp₀ / p₁))
    };
    const Case cases[] = {
        {"isothermal", 0.1L, 2, 300, 300, 2 * (1 - std::sqrt(0.9L))},                // 0.1026334
        {"cooling lowers the loss", 0.1L, 2, 300, 240, 2 * (1 - std::sqrt(0.91L))},  // Tm / T₁ = 0.9
        {"heating raises it", 0.1L, 2, 300, 360, 2 * (1 - std::sqrt(0.89L))},        // Tm / T₁ = 1.1
        {"exactly half the inlet pressure", 1, 2, 300, 300, 2},                      // √0
        {"pressure recovery stays negative", -0.1L, 2, 300, 300, 2 * (1 - std::sqrt(1.1L))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GasCorrection g = gasCorrectedLoss(c.loss, c.p1, c.t1, c.t2);
        EXPECT_FALSE(g.limitExceeded);
        EXPECT_NEAR(g.pressureLoss, c.expected, within(c.expected, 1e-15L));
    }
    EXPECT_NEAR(gasCorrectedLoss(0.1L, 2, 300, 300).pressureLoss, 0.10263340L, 1e-8L);
}

TEST(GasCorrectedLoss, LossAboveHalfTheInletPressureIsRefused) {
    const GasCorrection g = gasCorrectedLoss(1.01L, 2, 300, 300);
    EXPECT_TRUE(g.limitExceeded);
    EXPECT_EQ(g.pressureLoss, 1.01L);
}

TEST(GasCorrectedLoss, HalfTheInletPressureWithRisingTemperatureIsACalcError) {
    // Δp₀ = p₁ / 2 passes the limit; with T₂ > T₁ the root's argument is 1 − Tm/T₁ < 0.
    testing::expectCalcError([] { gasCorrectedLoss(1, 2, 300, 330); },
                             "gas correction: square root of a negative number");
}

CalcInputs gasPipe(Real inletPressure, int count) {
    CalcInputs in;
    in.kind = {1, 1};
    in.state = MediumState::Gas;
    in.volumeFlow = 100;  // m³/h at inlet conditions
    in.density = 1.2L;
    in.dynamicViscosity = 18;
    in.inletPressure = inletPressure;
    in.inletTemperature = 300;
    in.outletTemperature = 300;
    in.va1 = 50;
    in.va2 = 100;
    in.roughness = 0.05L;
    in.elementCount = count;
    return in;
}

TEST(GasElement, CountMultipliesTheCorrectedLossOfOneElement) {
    CalcInputs liquid = gasPipe(2, 1);
    liquid.state = MediumState::Liquid;
    const Real incompressible = calculateElement(liquid).pressureLoss;
    const Real single = 2 * (1 - std::sqrt(1 - incompressible));  // p₁ = 2, Tm = T₁
    EXPECT_NEAR(calculateElement(gasPipe(2, 1)).pressureLoss, single, within(single, 1e-14L));
    EXPECT_NEAR(calculateElement(gasPipe(2, 3)).pressureLoss, 3 * single, within(single, 1e-14L));
}

TEST(GasElement, LiquidIgnoresTheGasEntries) {
    CalcInputs liquid = gasPipe(0.001L, 1);  // an inlet pressure far below the loss
    liquid.state = MediumState::Liquid;
    const ElementResult r = calculateElement(liquid);
    EXPECT_FALSE(r.gasLimitExceeded);
    CalcInputs other = liquid;
    other.inletPressure = 50;
    other.outletTemperature = 900;
    EXPECT_EQ(calculateElement(other).pressureLoss, r.pressureLoss);
}

TEST(GasElement, LimitRefusesTheColumnBeforeTheCount) {
    CalcInputs in = gasPipe(0.01L, 3);
    CalcInputs liquid = in;
    liquid.state = MediumState::Liquid;
    liquid.elementCount = 1;
    const ElementResult r = calculateElement(in);
    EXPECT_TRUE(r.gasLimitExceeded);
    EXPECT_EQ(r.pressureLoss, calculateElement(liquid).pressureLoss);  // one element, uncorrected
    EngineOptions curve;
    curve.systemCurveMode = true;
    EXPECT_TRUE(calculateElement(in, curve).gasLimitExceeded);  // reported, not shown
}

TEST(GasElement, BranchLossIsNotCorrected) {
    CalcInputs in = gasPipe(2, 1);
    in.kind = {5, 5};
    in.va2 = 25;
    in.va4 = 90;
    in.branchFlow = 40;
    CalcInputs liquid = in;
    liquid.state = MediumState::Liquid;
    const ElementResult gas = calculateElement(in);
    const ElementResult plain = calculateElement(liquid);
    EXPECT_EQ(gas.branchPressureLoss, plain.branchPressureLoss);
    EXPECT_NE(gas.pressureLoss, plain.pressureLoss);
}

}  // namespace
}  // namespace velmora::engine
