#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tools/pump_design.h"

namespace velmora::tools {
namespace {

// The whole design of pump_design_reference.py (water at 20 °C, 30 m³/h; DN 80 suction, 5 m, two
// bends and a gate valve, tank at 1 bar 2 m below the pump; DN 65 discharge, 40 m, 15 m up, a
// lift check valve and a filter of ζ 2.5). The values there come from Colebrook's equation solved
// with scipy, Idelchik's bend diagram and Hooper's two-K constants worked out in Python, not from
// this code.
PumpDesignInput handWorkedDesign() {
    PumpDesignInput in;
    in.flow = 30;
    in.density = 998.2L;
    in.viscosity = 1002;
    in.vapourPressure = 0.02339L;
    in.roughness = 0.1L;
    in.suction = {.tankPressure = 1, .height = -2, .diameter = 82.5L, .length = 5, .counts = {}, .further = {}};
    in.suction.counts[static_cast<int>(PumpFitting::Bend)] = 2;
    in.suction.counts[static_cast<int>(PumpFitting::GateValve)] = 1;
    in.discharge = {.tankPressure = 1, .height = 15, .diameter = 70.3L, .length = 40, .counts = {}, .further = {}};
    in.discharge.counts[static_cast<int>(PumpFitting::CheckValve)] = 1;
    in.discharge.further[0] = {.count = 1, .zeta = 2.5L, .loss = std::nullopt};
    return in;
}

TEST(PumpDesign, HandWorkedDesignGivesEveryLossAndTheDuty) {
    const PumpDesignResult r = computePumpDesign(handWorkedDesign());
    const auto fitting = [](const PumpSideResult& side, PumpFitting f) { return side.fittings[static_cast<int>(f)]; };
    struct Case {
        const char* name;
        Real value;
        Real expected;
        Real tolerance;
    } cases[] = {
        {"suction velocity m/s", r.suction.velocity, 1.5589098L, 1e-6L},
        {"suction Re", r.suction.reynolds, 128122.31L, 0.01L},
        {"suction lambda", r.suction.frictionFactor, 0.022408326L, 1e-7L},
        {"discharge Re", r.discharge.reynolds, 150356.91L, 0.01L},
        {"discharge lambda", r.discharge.frictionFactor, 0.022858429L, 1e-7L},
        {"suction friction bar", r.suction.friction, 0.016472328L, 1e-7L},
        {"two bends bar", fitting(r.suction, PumpFitting::Bend), 0.01038474L, 1e-7L},
        {"gate valve bar", fitting(r.suction, PumpFitting::GateValve), 0.0012129126L, 1e-8L},
        {"suction geodetic bar", r.suction.geodetic, -0.19584684L, 1e-7L},
        {"discharge friction bar", r.discharge.friction, 0.29920929L, 1e-6L},
        {"check valve bar", fitting(r.discharge, PumpFitting::CheckValve), 0.31347635L, 1e-7L},
        {"filter bar", r.discharge.further[0], 0.057512735L, 1e-7L},
        {"discharge geodetic bar", r.discharge.geodetic, 1.4688513L, 1e-6L},
        {"pS bar", r.suctionPressure, 0.77608318L, 1e-6L},
        {"pD bar", r.dischargePressure, 3.1390497L, 1e-6L},
        {"dp bar", r.differentialPressure, 2.3629665L, 1e-6L},
        {"H m", r.head, 24.145721L, 1e-5L},
        {"NPSH m", r.npsh, 7.8151782L, 1e-5L},
        {"P kW", r.power, 1.9702118L, 1e-6L},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.value, c.expected, c.tolerance) << c.name;
    EXPECT_FALSE(r.laminar);
}

// The side with the given Reynolds number in a pipe of 50 mm at 1000 kg/m³: the viscosity that
// gives it, nudged until the program's own Reynolds number is exactly that value.
Real viscosityFor(Real reynolds, Real flow, Real diameter) {
    Real eta = flow * 4 * 10000 / (36 * std::numbers::pi_v<Real> * diameter * diameter) * 1000 * diameter * 1000 /
               reynolds;
    for (int i = 0; i < 64 && pipeReynolds(flow, 1000, eta, diameter) != reynolds; ++i)
        eta = std::nextafter(eta, pipeReynolds(flow, 1000, eta, diameter) > reynolds ? Real(1e30) : Real(0));
    return eta;
}

TEST(PumpDesign, ReynoldsOf2320IsTurbulentAndJustBelowIsLaminar) {
    for (auto [reynolds, laminar] : {std::pair{Real(2320), false}, std::pair{Real(2319.99), true}}) {
        PumpDesignInput in = handWorkedDesign();
        in.density = 1000;
        in.suction.diameter = 50;
        in.viscosity = viscosityFor(reynolds, in.flow, 50);
        ASSERT_EQ(pipeReynolds(in.flow, 1000, in.viscosity, 50), reynolds);
        const PumpDesignResult r = computePumpDesign(in);
        EXPECT_EQ(r.laminar, laminar) << reynolds;
        // Laminar: λ = 64 / Re; turbulent: Colebrook, far above it at this Reynolds number.
        if (laminar) EXPECT_NEAR(r.suction.frictionFactor, 64 / reynolds, 1e-12L);
        else EXPECT_GT(r.suction.frictionFactor, 0.04L);
    }
}

// Dean-number correlation of a laminar 90° bend with R = d (Idelchik, diagram 6-2).
Real laminarBend(Real reynolds) {
    const Real dean = reynolds / 2 * std::sqrt(0.5L);
    return dean > 1000 ? 0.082L * 90 / std::pow(reynolds, 0.45L) : 0.415L * 90 * std::pow(dean, 0.36L) / reynolds;
}

TEST(PumpDesign, LaminarSuctionChoosesTheLaminarBendOnBothSidesWhileTheDischargeFrictionIsTurbulent) {
    PumpDesignInput in = handWorkedDesign();
    in.flow = 2;
    in.viscosity = 20000;  // 20 mPa s
    in.suction.diameter = 100;
    in.discharge.diameter = 10;
    in.suction.counts[static_cast<int>(PumpFitting::Bend)] = 1;
    in.discharge.counts[static_cast<int>(PumpFitting::Bend)] = 1;
    const PumpDesignResult r = computePumpDesign(in);
    ASSERT_TRUE(r.suction.laminar);
    ASSERT_FALSE(r.discharge.laminar);
    EXPECT_TRUE(r.laminar);
    const auto q = [&](const PumpSideResult& s) { return in.density * s.velocity * s.velocity / 2 / 100000; };
    EXPECT_NEAR(r.suction.fittings[0], laminarBend(r.suction.reynolds) * q(r.suction), 1e-12L);
    EXPECT_NEAR(r.discharge.fittings[0], laminarBend(r.discharge.reynolds) * q(r.discharge), 1e-9L);
    // The discharge pipe uses the roughness: a smooth wall gives a smaller friction loss.
    PumpDesignInput smooth = in;
    smooth.roughness = 0;
    EXPECT_GT(r.discharge.friction, computePumpDesign(smooth).discharge.friction * 1.05L);
}

TEST(PumpDesign, CountsAndFurtherElements) {
    PumpDesignInput in = handWorkedDesign();
    in.density = 1000;
    // 2 m/s in 50 mm: Q = 2 · π · 0.05² / 4 · 3600 m³/h.
    in.flow = 2 * std::numbers::pi_v<Real> * 0.05L * 0.05L / 4 * 3600;
    in.suction = {.tankPressure = 1, .height = 0, .diameter = 50, .length = 0, .counts = {}, .further = {}};
    in.suction.counts[static_cast<int>(PumpFitting::Cock)] = 2;
    in.suction.further[0] = {.count = 0, .zeta = 5, .loss = 0.3L};      // count 0: nothing
    in.suction.further[1] = {.count = 2, .zeta = std::nullopt, .loss = 0.1L};
    in.suction.further[2] = {.count = 1, .zeta = 1000, .loss = 0.05L};  // both: the loss is used
    const PumpDesignResult r = computePumpDesign(in);
    EXPECT_NEAR(r.suction.velocity, 2, 1e-15L);
    // 0.1 / 2 / 100000 · 1000 · 2² · 2, whatever the diameter and Re.
    EXPECT_NEAR(r.suction.fittings[static_cast<int>(PumpFitting::Cock)], 0.004L, 1e-15L);
    EXPECT_EQ(r.suction.further[0], 0);
    EXPECT_NEAR(r.suction.further[1], 0.2L, 1e-15L);
    EXPECT_NEAR(r.suction.further[2], 0.05L, 1e-15L);
    EXPECT_NEAR(r.suctionPressure, 1 - 0.004L - 0.2L - 0.05L, 1e-12L);
}

TEST(PumpDesign, HeadAndPowerOfWater) {
    PumpDesignInput in = handWorkedDesign();
    in.density = 998;
    in.flow = 10;
    const PumpDesignResult r = computePumpDesign(in);
    // H = dp · 10.2 / ρ · 1000: 1 bar of water at 998 kg/m³ is 10.22 m.
    EXPECT_NEAR(r.head / r.differentialPressure, 10.2L / 998 * 1000, 1e-12L);
    EXPECT_NEAR(10.2L / 998 * 1000, 10.22L, 0.005L);
    // P = ρ / 1000 · Q · H / 367: 10 m³/h and 10 m give 0.27 kW.
    EXPECT_NEAR(r.power / r.head * 10, 998.0L / 1000 * 10 * 10 / 367, 1e-12L);
    EXPECT_NEAR(998.0L / 1000 * 10 * 10 / 367, 0.27L, 0.005L);
}

TEST(PumpDesign, UsUnitsConvertEveryPressureHeadAndPower) {
    const PumpDesignResult metric = computePumpDesign(handWorkedDesign());
    const PumpDesignResult us = toUsUnits(metric);
    // 1 bar = 10⁵ / 6894.757 psi = 14.50377 psi; the output shows it as 14.504.
    EXPECT_NEAR(us.differentialPressure / metric.differentialPressure, 14.503774L, 5e-6L);
    EXPECT_NEAR(us.suction.friction / metric.suction.friction, 14.503774L, 5e-6L);
    EXPECT_NEAR(us.discharge.further[0] / metric.discharge.further[0], 14.503774L, 5e-6L);
    EXPECT_NEAR(us.suction.tankPressure, 14.503774L, 5e-6L);
    EXPECT_NEAR(us.head / metric.head, 1 / 0.3048L, 1e-12L);
    EXPECT_NEAR(us.npsh / metric.npsh, 1 / 0.3048L, 1e-12L);
    EXPECT_NEAR(us.power / metric.power, 1 / 0.745699872L, 1e-6L);  // mechanical horsepower, 745.7 W
}

}  // namespace
}  // namespace velmora::tools
