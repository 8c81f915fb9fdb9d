#include "engine/flow_preparation.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/element_engine.h"
#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using model::CalcInputs;
using model::ElementKind;
using testing::within;

CalcInputs water(ElementKind kind, Real flow, Real va1, Real va2 = 0, Real va3 = 0, Real va4 = 0,
                 Real va5 = 0) {
    CalcInputs in;
    in.kind = kind;
    in.volumeFlow = flow;
    in.density = 998.2L;
    in.dynamicViscosity = 1002;
    in.va1 = va1;
    in.va2 = va2;
    in.va3 = va3;
    in.va4 = va4;
    in.va5 = va5;
    return in;
}

// Hand values in SI: w = (Q / 3600) / A, Re = w · d · ρ / η with d in m and η in Pa·s.
struct FlowCase {
    const char* name;
    CalcInputs in;
    Real velocity, hydraulicDiameter, reynolds, velocity2, reynolds2;
};

class FlowPreparation : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowPreparation, GivesTheSectionValuesWorkedByHand) {
    const FlowCase& c = GetParam();
    ElementResult result;
    prepareFlow(c.in, result);
    EXPECT_NEAR(result.velocity, c.velocity, within(c.velocity, 1e-12L));
    EXPECT_NEAR(result.hydraulicDiameter, c.hydraulicDiameter, within(c.hydraulicDiameter, 1e-12L));
    EXPECT_NEAR(result.reynolds, c.reynolds, within(c.reynolds, 1e-12L));
    EXPECT_NEAR(result.velocity2, c.velocity2, within(c.velocity2, 1e-12L));
    EXPECT_NEAR(result.reynolds2, c.reynolds2, within(c.reynolds2, 1e-12L));
}

const FlowCase kFlowCases[] = {
    // 1 m³/h in 25 mm: A = π/4 · 0.025² = 4.9087e-4 m², w = 2.7778e-4 / 4.9087e-4 = 0.5658842 m/s,
    // Re = 0.5658842 · 0.025 · 998.2 / 1.002e-3 = 14093.45.
    {"circular_water_25mm", water({1, 1}, 1, 25, 10), 0.5658842421045167L, 0, 14093.45435301219L, 0, 0},
    // 18 m³/h in 100 × 50 mm: w = 0.005 / 0.005 = 1 m/s, Dh = 2 · 100 · 50 / 150 = 66.667 mm,
    // Re = 1 · 0.066667 · 998.2 / 1.002e-3 = 66413.84.
    {"rectangular_100x50", water({1, 2}, 18, 100, 50, 1), 1, 200.0L / 3, 66413.8389886893L, 0, 0},
    // 10 m³/h in the gap 100 / 50 mm: A = π/4 · (0.1² − 0.05²) = 5.8905e-3 m², w = 0.4715702 m/s,
    // Dh = 50 mm, Re = 0.4715702 · 0.05 · 998.2 / 1.002e-3 = 23489.09.
    {"annulus_100_50", water({1, 3}, 10, 100, 50, 1), 0.4715702017537639L, 50, 23489.090588353647L, 0, 0},
    // 36 m³/h through 0.01 m² with 0.4 m perimeter: w = 0.01 / 0.01 = 1 m/s, Dh = 4 · 0.01 / 0.4 = 100 mm,
    // Re = 1 · 0.1 · 998.2 / 1.002e-3 = 99620.76.
    {"free_section", water({1, 6}, 36, 0.01L, 0.4L, 1), 1, 100, 99620.75848303393L, 0, 0},
    // Expansion 50 → 100 mm at 10 m³/h: w1 = 1.4147106, w2 = 0.3536777, Re2 from D2.
    {"expansion_second_section", water({3, 1}, 10, 50, 100), 1.4147106052612919L, 0, 70467.27176506096L,
     0.35367765131532297L, 35233.63588253048L},
    // Tee splitting 10 m³/h in two halves: the 50 mm outlet carries 5 m³/h, w2 = 0.7073553.
    {"split_tee_half_flow", water({5, 1}, 10, 100, 50), 0.35367765131532297L, 0, 35233.63588253048L,
     0.7073553026306459L, 35233.63588253048L},
    // Orifice 100 / 50 mm: w2 in the bore 1.4147106, Re2 = Re · 100 / 50.
    {"orifice_bore", water({9, 1}, 10, 100, 50), 0.35367765131532297L, 0, 35233.63588253048L,
     1.4147106052612919L, 70467.27176506096L},
    // Perforated plate with 40 % free area: w2 = w / 40 · 100.
    {"perforated_free_area", water({10, 1}, 10, 100, 40), 0.35367765131532297L, 0, 35233.63588253048L,
     0.35367765131532297L * 2.5L, 0},
    {"thick_plate_rectangular_slot5", water({10, 4}, 18, 100, 50, 5, 5, 25), 1, 200.0L / 3, 66413.8389886893L,
     4, 0},
    // Velocity change 100 × 50 → 200 × 100 mm at 18 m³/h: w2 = 0.005 / 0.02 = 0.25 m/s; the outlet's
    // Dh = 2 · 200 · 100 / 300 = 133.33 mm replaces the inlet's; Re2 = 0.25 · 0.13333 · 998.2 / 1.002e-3.
    {"velocity_change_rectangular", water({13, 3}, 18, 100, 50, 200, 100), 1, 400.0L / 3, 66413.8389886893L,
     0.25L, 33206.91949434465L},
    // Height difference: no section, no velocity.
    {"height_difference", water({13, 1}, 10, 10), 0, 0, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Kinds, FlowPreparation, ::testing::ValuesIn(kFlowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FlowPreparation, TeeBranchUsesTheBranchFlow) {
    CalcInputs in = water({5, 5}, 10, 100, 50, 0, 45);
    in.branchFlow = 4;
    ElementResult result;
    prepareFlow(in, result);
    // 4 m³/h in 50 mm: w2 = 1.1111e-3 / 1.9635e-3 = 0.5658842 m/s, Re2 = 0.5658842 · 0.05 · 998.2 / 1.002e-3.
    EXPECT_NEAR(result.velocity2, 0.5658842421045167L, 1e-12L);
    EXPECT_NEAR(result.reynolds2, 28186.90870602438L, 1e-8L);
}

TEST(FlowPreparation, AZeroDiameterIsACalcError) {
    ElementResult result;
    testing::expectCalcError(
        [&] {
            prepareFlow(water({1, 1}, 1, 0, 10), result);
        },
        "circular section: division by zero");
    testing::expectCalcError([&] { prepareFlow(water({9, 1}, 1, 100, 0), result); }, "division by zero");
}

TEST(EngineChoice, LaminarBelow2320TurbulentFrom2320On) {
    struct Case {
        const char* name;
        ElementKind kind;
        Real reynolds, reynolds2;
        FlowRegime expected;
    };
    const Case cases[] = {
        {"pipe 2319.9", {1, 1}, 2319.9L, 0, FlowRegime::Laminar},
        {"pipe 2320", {1, 1}, 2320, 0, FlowRegime::Turbulent},
        {"expansion by inlet Re", {3, 1}, 2320, 1000, FlowRegime::Turbulent},
        {"sudden contraction by outlet Re", {3, 3}, 1500, 2320, FlowRegime::Turbulent},
        {"sudden contraction laminar outlet", {3, 3}, 5000, 2319.9L, FlowRegime::Laminar},
        {"gradual contraction by outlet Re", {3, 4}, 5000, 2000, FlowRegime::Laminar},
        {"orifice by pipe Re", {9, 1}, 2000, 8000, FlowRegime::Laminar},
        {"height difference Re 0", {13, 1}, 0, 0, FlowRegime::Laminar},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalcInputs in;
        in.kind = c.kind;
        ElementResult flow;
        flow.reynolds = c.reynolds;
        flow.reynolds2 = c.reynolds2;
        EXPECT_EQ(chooseEngine(in, flow), c.expected);
    }
}

}  // namespace
}  // namespace velmora::engine
