#include "engine/element_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "engine/flow_preparation.h"
#include "engine/friction_factor.h"
#include "engine/kind_rules.h"
#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using model::CalcInputs;
using model::ElementKind;
using model::MediumState;
using testing::colebrookByBisection;
using testing::within;

constexpr Real kPi = std::numbers::pi_v<Real>;

CalcInputs element(ElementKind kind, Real flow, Real va1, Real va2 = 0, Real va3 = 0, Real va4 = 0,
                   Real va5 = 0) {
    CalcInputs in;
    in.kind = kind;
    in.volumeFlow = flow;
    in.density = 998.2L;
    in.dynamicViscosity = 1002;
    in.roughness = 0.1L;
    in.va1 = va1;
    in.va2 = va2;
    in.va3 = va3;
    in.va4 = va4;
    in.va5 = va5;
    return in;
}

// Viscosity (10⁻⁶ kg/(m·s)) that gives the Reynolds number `reynolds` in a circular section.
Real viscosityFor(Real reynolds, const CalcInputs& in) {
    return in.va1 * in.density * circularVelocity(in.volumeFlow, in.va1) * 1000.0L / reynolds;
}

TEST(StraightPipe, TurbulentWaterIsDarcyWeisbachWithColebrook) {
    // Water 1 m³/h in 25 mm, 10 m, k 0.1 mm: w = 0.5658842 m/s, Re = 14093.45 (turbulent).
    const ElementResult r = calculateElement(element({1, 1}, 1, 25, 10));
    const Real w = 0.5658842421045167L;
    const Real lambda = colebrookByBisection(14093.45435301219L, 0.1L / 25);
    EXPECT_EQ(r.regime, FlowRegime::Turbulent);
    EXPECT_NEAR(r.frictionFactor, lambda, within(lambda, 1e-9L));
    EXPECT_NEAR(r.zeta, lambda * 400, within(lambda * 400, 1e-9L));  // λ L / d = λ · 10 / 0.025
    // Δp = λ (L / d) ρ w² / 2 in Pa, / 1e5.
    const Real bar = lambda * 400 * 998.2L * w * w / 2 / 1e5L;
    EXPECT_NEAR(r.pressureLoss, bar, within(bar, 1e-9L));
    EXPECT_TRUE(r.notices.empty());
}

TEST(StraightPipe, LaminarLossIsHagenPoiseuille) {
    // Hagen–Poiseuille, a second route: Δp = φ · 32 η L w / d² (independent of the density).
    struct Case {
        const char* name;
        CalcInputs in;
        Real phi, diameter, velocity, length;  // diameter in m (Dh for ducts), velocity m/s, length m
    };
    const Case cases[] = {
        {"circular 25 mm", element({1, 1}, 1, 25, 10), 1, 0.025L, 0.5658842421045167L, 10},
        {"duct 100 x 50", element({1, 2}, 18, 100, 50, 1), 0.97L, 0.2L / 3, 1, 1},
        {"gap 100 / 50", element({1, 3}, 10, 100, 50, 2), 1.4875L, 0.05L, 0.4715702017537639L, 2},
        {"free section", element({1, 6}, 36, 0.01L, 0.4L, 3), 1, 0.1L, 1, 3},
        {"profiled pipe", element({1, 5}, 1, 25, 5, 20, 10), 1, 0.025L, 0.5658842421045167L, 10},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        c.in.dynamicViscosity = 100000;  // 0.1 Pa·s
        const ElementResult r = calculateElement(c.in);
        ASSERT_EQ(r.regime, FlowRegime::Laminar);
        const Real pascal = c.phi * 32 * 0.1L * c.length * c.velocity / (c.diameter * c.diameter);
        EXPECT_NEAR(r.pressureLoss, pascal / 1e5L, within(pascal / 1e5L, 1e-12L));
        EXPECT_NEAR(r.zeta, r.frictionFactor * c.length / c.diameter, within(r.zeta, 1e-12L));
    }
}

TEST(StraightPipe, ProfiledPipeTakesItsLengthFromSlotFour) {
    CalcInputs in = element({1, 5}, 100, 100, 5, 20, 3);
    const ElementResult r = calculateElement(in);
    ASSERT_EQ(r.regime, FlowRegime::Turbulent);
    EXPECT_EQ(r.frictionFactor, profiledPipeFrictionFactor(r.reynolds, 20, 5, 100));
    EXPECT_NEAR(r.zeta, r.frictionFactor * 30, within(r.zeta, 1e-15L));  // λ · 3 m / 0.1 m
}

TEST(FittingEngine, InletAddsThirtyOverReynoldsInLaminarFlow) {
    CalcInputs in = element({2, 2}, 1, 100);
    in.dynamicViscosity = viscosityFor(1000, in);
    const ElementResult r = calculateElement(in);
    EXPECT_NEAR(r.zeta, 0.08L, 1e-12L);  // 0.05 + 30 / 1000
    const Real w = circularVelocity(1, 100);
    EXPECT_NEAR(r.pressureLoss, w * w * 998.2L * 0.04L / 1e5L, 1e-18L);
    in.dynamicViscosity = viscosityFor(5000, in);
    EXPECT_NEAR(calculateElement(in).zeta, 0.05L, 1e-15L);
}

TEST(FittingEngine, ChangesOfSectionReferLaminarLossesToTheOutlet) {
    // Expansion 50 → 100 mm. Laminar: ζ and the loss refer to the outlet velocity; turbulent: inlet.
    CalcInputs in = element({3, 1}, 1, 50, 100);
    in.dynamicViscosity = 100000;
    ElementResult r = calculateElement(in);
    ASSERT_EQ(r.regime, FlowRegime::Laminar);
    EXPECT_NEAR(r.pressureLoss, r.velocity2 * r.velocity2 * 998.2L * r.zeta / 2 / 1e5L, 1e-18L);
    in.dynamicViscosity = 1002;
    in.volumeFlow = 10;
    r = calculateElement(in);
    ASSERT_EQ(r.regime, FlowRegime::Turbulent);
    EXPECT_NEAR(r.zeta, 0.5625L, 1e-15L);
    EXPECT_NEAR(r.pressureLoss, r.velocity * r.velocity * 998.2L * 0.5625L / 2 / 1e5L, 1e-18L);
}

TEST(FittingEngine, ContractionChoosesItsEngineByTheOutletReynoldsNumber) {
    // 100 → 50 mm: Re₂ = 2 Re. Re = 1500 makes Re₂ = 3000: the turbulent engine although Re < 2320.
    CalcInputs in = element({3, 3}, 1, 100, 50);
    in.dynamicViscosity = viscosityFor(1500, in);
    ElementResult r = calculateElement(in);
    EXPECT_NEAR(r.reynolds2, 3000, 1e-9L);
    EXPECT_EQ(r.regime, FlowRegime::Turbulent);
    EXPECT_NEAR(r.zeta, 6.4474195909412515L, 1e-13L);
}

TEST(FittingEngine, TurbulentFittingsKeepTheirFrictionFactor) {
    const ElementResult r = calculateElement(element({4, 1}, 10, 100, 200, 90));
    ASSERT_EQ(r.regime, FlowRegime::Turbulent);
    EXPECT_NEAR(r.frictionFactor, colebrookByBisection(r.reynolds, 0.001L), 1e-11L);
    const ElementResult mitre = calculateElement(element({4, 5}, 10, 100, 45));
    EXPECT_GT(mitre.frictionFactor, 0);  // shown beside the coefficient
    EXPECT_EQ(calculateElement(element({7, 1}, 10, 100)).frictionFactor, 0);
}

TEST(Notices, LaminarCoefficientNoticeOnlyInLaminarFlow) {
    // Tee of subgroup 2: ζ 5.0 in both regimes, the notice only in the laminar engine.
    CalcInputs in = element({5, 2}, 1, 100);
    in.dynamicViscosity = 100000;
    ElementResult r = calculateElement(in);
    EXPECT_EQ(r.zeta, 5.0L);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].kind, NoticeKind::LaminarCoefficient);
    in.dynamicViscosity = 1002;
    in.volumeFlow = 100;
    r = calculateElement(in);
    EXPECT_EQ(r.zeta, 5.0L);
    EXPECT_TRUE(r.notices.empty());
}

TEST(Notices, OrificeReynoldsRangeWarnings) {
    struct Case {
        const char* name;
        CalcInputs in;
        Real reynolds;  // pipe Reynolds number
        bool warned;
        NoticeKind kind;
    };
    const Case cases[] = {
        {"9/1 Re 4000", element({9, 1}, 1, 100, 50), 4000, true, NoticeKind::OrificePlateReynoldsRange},
        {"9/1 Re 1e5", element({9, 1}, 1, 100, 50), 1e5L, false, {}},
        {"9/1 Re 2e7", element({9, 1}, 1, 100, 50), 2e7L, true, NoticeKind::OrificePlateReynoldsRange},
        {"9/2 Re 5e4", element({9, 2}, 1, 100, 50), 5e4L, true, NoticeKind::SharpOrificeReynoldsRange},
        {"9/2 Re 2e5", element({9, 2}, 1, 100, 50), 2e5L, false, {}},
        {"9/3 Re 2500", element({9, 3}, 1, 100, 50, 5), 2500, true, NoticeKind::RoundedOrificeReynoldsRange},
        {"9/3 Re 4000", element({9, 3}, 1, 100, 50, 5), 4000, false, {}},
        // 9/4 tests the bore: Re₂ = Re · 100 / 80 = 3000 < 4000; with d = 50, Re₂ = 4800.
        {"9/4 Re2 3000", element({9, 4}, 1, 100, 80, 10), 2400, true, NoticeKind::ThickOrificeReynoldsRange},
        {"9/4 Re2 4800", element({9, 4}, 1, 100, 50, 10), 2400, false, {}},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        c.in.dynamicViscosity = viscosityFor(c.reynolds, c.in);
        const ElementResult r = calculateElement(c.in);
        ASSERT_EQ(r.regime, FlowRegime::Turbulent);
        ASSERT_EQ(r.notices.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(r.notices[0].kind, c.kind);
            EXPECT_GT(r.zeta, 0);  // the calculation goes on
        }
    }
}

TEST(Notices, OutsideTheTableHoldsTheEdgeAndSaysSo) {
    // Segment bend at 100° (the table ends at 90°).
    const ElementResult r = calculateElement(element({4, 2}, 10, 100, 100));
    EXPECT_EQ(r.zeta, 0.25L);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0], (Notice{NoticeKind::OutsideCorrelationRange, TableArgument::BendAngle, 100, 90}));
}

TEST(SystemCurveMode, ReportsNoNotices) {
    EngineOptions curve;
    curve.systemCurveMode = true;
    CalcInputs laminarTee = element({5, 2}, 1, 100);
    laminarTee.dynamicViscosity = 100000;
    EXPECT_TRUE(calculateElement(laminarTee, curve).notices.empty());
    const ElementResult held = calculateElement(element({4, 2}, 10, 100, 100), curve);
    EXPECT_EQ(held.zeta, 0.25L);
    EXPECT_TRUE(held.notices.empty());
    CalcInputs orifice = element({9, 1}, 1, 100, 50);
    orifice.dynamicViscosity = viscosityFor(4000, orifice);
    EXPECT_TRUE(calculateElement(orifice, curve).notices.empty());
}

TEST(SystemCurveMode, TwoOptionKindsTakeTheOptionFromTheStoredText) {
    struct Case {
        const char* name;
        ElementKind kind;
        const char* stored;
        Real zeta;  // turbulent
    };
    const Case cases[] = {
        {"inlet, first", {2, 1}, "Inlet variant: flush mounted", 0.5L},
        {"inlet, second", {2, 1}, "Inlet variant: chamfered", 0.25L},
        {"re-entrant, first", {2, 4}, "Inlet variant: flush mounted", 3.0L},
        {"lyre bend, first", {6, 2}, "Inlet variant: flush mounted", 0.7L},
        {"lyre bend, second", {6, 2}, "Inlet variant: other", 1.4L},
        {"venturi 15, first", {9, 7}, "Divergent: flush mounted", 2.0L},  // m 0.25
        {"venturi 30, second", {9, 7}, "Divergent: 30 deg", 3.4L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineOptions curve;
        curve.systemCurveMode = true;
        curve.storedOptionText = c.stored;
        curve.firstOptionCaption = "flush mounted";
        CalcInputs in = element(c.kind, 100, 100, 50);
        in.variantChoice = 1;  // the form's choice does not apply in this mode
        EXPECT_NEAR(calculateElement(in, curve).zeta, c.zeta, 1e-15L);
    }
}

TEST(SystemCurveMode, InteractiveModeUsesTheFormsChoice) {
    CalcInputs in = element({2, 1}, 100, 100);
    in.variantChoice = 1;
    EXPECT_EQ(calculateElement(in).zeta, 0.25L);
    in.variantChoice = 0;
    EXPECT_EQ(calculateElement(in).zeta, 0.5L);
}

TEST(Tees, TurbulentPassageAndBranch) {
    // D1 100, D2 50, R 0, α 90°, 10 m³/h with 4 m³/h into the branch: r = 0.4, w = 0.3536777 m/s.
    CalcInputs in = element({5, 5}, 10, 100, 50, 0, 90);
    in.branchFlow = 4;
    const ElementResult r = calculateElement(in);
    ASSERT_EQ(r.regime, FlowRegime::Turbulent);
    const Real w = 0.35367765131532297L;
    EXPECT_NEAR(r.zeta, 0.0188L, 1e-15L);       // 0.03 · 0.36 − 0.2 · 0.24 + 0.35 · 0.16
    EXPECT_NEAR(r.zetaBranch, 1.942L, 1e-14L);  // as worked for dividingTeeZeta
    EXPECT_NEAR(r.pressureLoss, w * w * 998.2L * 0.0188L / 2 / 1e5L, 1e-18L);
    EXPECT_NEAR(r.branchPressureLoss, w * w * 998.2L * 1.942L / 2 / 1e5L * 1000, 1e-15L);  // mbar
}

TEST(Tees, LaminarCorrections) {
    CalcInputs in = element({5, 5}, 10, 100, 50, 0, 90);
    in.branchFlow = 4;
    in.dynamicViscosity = viscosityFor(500, in);
    ElementResult r = calculateElement(in);
    ASSERT_EQ(r.regime, FlowRegime::Laminar);
    EXPECT_NEAR(r.zeta, 3 * 0.0188L + 33.0L / 500, 1e-12L);
    // r 0.4 → row 4, α 90° → K 1.3: 1.942 · 2.3 + 150 / 500.
    EXPECT_NEAR(r.zetaBranch, 1.942L * 2.3L + 0.3L, 1e-12L);

    in.kind = {5, 6};
    r = calculateElement(in);
    // 2 ζp + u (1 − r)² − (1.6 − 0.3 m) (r / m)² with m 0.25: 2 · 0.5756 − 3.4; branch 2 · 2.2008 + 0.3.
    EXPECT_NEAR(r.zeta, 2 * 0.5756L - 3.4L, 1e-12L);
    EXPECT_NEAR(r.zetaBranch, 2 * 2.2008L + 0.3L, 1e-12L);
}

TEST(ReversibleChanges, HeightDifferenceAndVelocityChange) {
    ElementResult r = calculateElement(element({13, 1}, 1, 10));
    EXPECT_NEAR(r.pressureLoss, 0.9792342L, 1e-15L);  // 10 m · 9.81 · 998.2 / 1e5
    EXPECT_EQ(r.zeta, 0);
    EXPECT_EQ(r.reynolds, 0);
    EXPECT_EQ(r.velocity, 0);
    EXPECT_NEAR(calculateElement(element({13, 1}, 1, -10)).pressureLoss, -0.9792342L, 1e-15L);
    // 1 m³/h from 50 to 25 mm: w1 = 0.1414711, w2 = 0.5658842; 998.2 / 2 · (w2² − w1²) / 1e5.
    r = calculateElement(element({13, 2}, 1, 50, 25));
    EXPECT_NEAR(r.pressureLoss, 0.0014983526742486156L, 1e-15L);
    EXPECT_NEAR(calculateElement(element({13, 2}, 1, 25, 50)).pressureLoss, -0.0014983526742486156L, 1e-15L);
}

TEST(ElementCount, MultipliesTheLossButNotTheCoefficients) {
    CalcInputs in = element({5, 5}, 10, 100, 50, 0, 90);
    in.branchFlow = 4;
    const ElementResult one = calculateElement(in);
    in.elementCount = 3;
    const ElementResult three = calculateElement(in);
    EXPECT_NEAR(three.pressureLoss, 3 * one.pressureLoss, 1e-18L);
    EXPECT_EQ(three.zeta, one.zeta);
    EXPECT_EQ(three.zetaBranch, one.zetaBranch);
    EXPECT_EQ(three.branchPressureLoss, one.branchPressureLoss);
    in.elementCount = 0;
    EXPECT_EQ(calculateElement(in).pressureLoss, 0);
}

TEST(ElementEngine, ArithmeticFailuresAreCalcErrors) {
    // A diffuser with equal diameters: 0 / 0 in its friction term.
    testing::expectCalcError([] { calculateElement(element({3, 2}, 10, 100, 100, 10)); }, "diffuserZeta");
    // A confuser of 0°: division by sin 0.
    testing::expectCalcError([] { calculateElement(element({3, 4}, 10, 100, 50, 0)); }, "division by zero");
    // A zero flow section.
    testing::expectCalcError([] { calculateElement(element({1, 2}, 10, 100, 0, 1)); }, "division by zero");
    CalcInputs infinite = element({1, 1}, 1, 25, 10);
    infinite.va2 = std::numeric_limits<Real>::infinity();
    testing::expectCalcError([&] { calculateElement(infinite); }, "calculation input: non-finite value");
}

TEST(ElementEngine, UnknownKindIsRefused) {
    EXPECT_THROW(calculateElement(element({14, 1}, 1, 25)), std::invalid_argument);
    EXPECT_THROW(calculateElement(element({1, 7}, 1, 25)), std::invalid_argument);
}

TEST(ResultRows, WhichRowsAColumnFills) {
    struct Case {
        const char* name;
        ElementKind kind;
        FlowRegime regime;
        ResultRows rows;
    };
    using enum FlowRegime;
    const Case cases[] = {
        {"pipe laminar", {1, 1}, Laminar, {.frictionFactor = true}},
        {"pipe turbulent", {1, 1}, Turbulent, {.roughness = true, .frictionFactor = true}},
        {"profiled pipe turbulent", {1, 5}, Turbulent, {.frictionFactor = true}},
        {"diffuser laminar", {3, 2}, Laminar, {.velocity2 = true, .reynolds2 = true}},
        {"diffuser turbulent",
         {3, 2},
         Turbulent,
         {.velocity2 = true, .reynolds2 = true, .roughness = true, .frictionFactor = true}},
        {"mitre turbulent", {4, 6}, Turbulent, {.roughness = true, .frictionFactor = true}},
        {"split tee", {5, 1}, Turbulent, {.velocity2 = true, .reynolds2 = true}},
        {"dividing tee", {5, 5}, Laminar, {.velocity2 = true, .reynolds2 = true, .branch = true}},
        {"orifice", {9, 4}, Turbulent, {.velocity2 = true, .reynolds2 = true}},
        {"perforated plate", {10, 2}, Turbulent, {.velocity2 = true}},
        {"screen", {11, 6}, Laminar, {.velocity2 = true}},
        {"strainer", {11, 7}, Laminar, {}},
        {"velocity change", {13, 3}, Turbulent, {.velocity2 = true, .reynolds2 = true}},
        {"height difference",
         {13, 1},
         Laminar,
         {.velocity = false, .reynolds = false, .regime = false, .zeta = false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ResultRows rows = resultRows(c.kind, c.regime);
        EXPECT_EQ(rows.velocity, c.rows.velocity);
        EXPECT_EQ(rows.reynolds, c.rows.reynolds);
        EXPECT_EQ(rows.velocity2, c.rows.velocity2);
        EXPECT_EQ(rows.reynolds2, c.rows.reynolds2);
        EXPECT_EQ(rows.regime, c.rows.regime);
        EXPECT_EQ(rows.roughness, c.rows.roughness);
        EXPECT_EQ(rows.frictionFactor, c.rows.frictionFactor);
        EXPECT_EQ(rows.zeta, c.rows.zeta);
        EXPECT_EQ(rows.branch, c.rows.branch);
    }
}

}  // namespace
}  // namespace velmora::engine
