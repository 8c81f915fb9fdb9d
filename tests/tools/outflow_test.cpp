#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "tools/outflow.h"
#include "tools/outflow_presenters.h"
#include "tool_test_support.h"

namespace velmora::tools {
namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

// Simpson's rule with n (even) intervals.
Real simpson(const std::function<Real(Real)>& f, Real a, Real b, int n = 2000) {
    const Real h = (b - a) / n;
    Real sum = f(a) + f(b);
    for (int i = 1; i < n; ++i) sum += f(a + i * h) * (i % 2 ? 4 : 2);
    return sum * h / 3;
}

TEST(Outflow, HandWorkedFlows) {
    // Q = 0.6 · 0.01 · √(19.62 · 2) = 0.006 · 6.264184 = 0.0375851 m³/s.
    EXPECT_NEAR(smallOpeningFlow(0.6L, 0.01L, 2), 0.0375851L, 1e-7);
    // With 1 bar over water: Q = 0.6 · 0.01 · √(2 · (19.62 + 100)) = 0.006 · 15.46739 = 0.0928043 m³/s.
    EXPECT_NEAR(pressurisedOpeningFlow(0.6L, 0.01L, 2, 1, 1000), 0.0928043L, 1e-7);
}

// The large side opening as the sum of small strips μ b dh √(2 g h) over its height.
TEST(Outflow, LargeSideOpeningIsTheSumOfItsStrips) {
    const Real strips = simpson([](Real h) { return 0.6L * 0.5L * std::sqrt(kTwoG * h); }, 1, 2);
    EXPECT_NEAR(largeSideOpeningFlow(0.6L, 0.5L, 1, 2), strips, 1e-9);
}

// The emptying time by integrating the outflow law A(h) dh = −μ a √(2 g h) dt from the full level
// down to the opening, with h = s² so that the integrand has no singularity at the bottom.
TEST(Outflow, EmptyingTimesAgreeWithTheOutflowLaw) {
    const Real mu = 0.62L, d = 0.04L, D = 1.2L, H = 1.8L;
    const Real outflow = mu * kPi * d * d / 4 * std::sqrt(kTwoG);
    struct Case {
        const char* name;
        VesselShape shape;
        Real top;                         // liquid height when full, m
        std::function<Real(Real)> area;   // free surface at the height h, m²
    };
    const Case cases[] = {
        {"vertical_cylinder", VesselShape::VerticalCylinder, H, [&](Real) { return kPi * D * D / 4; }},
        {"horizontal_cylinder", VesselShape::HorizontalCylinder, D,
         [&](Real h) { return H * 2 * std::sqrt(std::max<Real>(h * (D - h), 0)); }},  // H is the length here
        {"sphere", VesselShape::Sphere, D, [&](Real h) { return kPi * h * (D - h); }},
        {"cone", VesselShape::Cone, H, [&](Real h) { return kPi * std::pow(D / 2 * h / H, 2); }},
    };
    for (const Case& c : cases) {
        const Real integrated =
            simpson([&](Real s) { return 2 * c.area(s * s) / outflow; }, 0, std::sqrt(c.top), 20000);
        EXPECT_NEAR(emptyingTime(c.shape, D, d, H, mu) / integrated, 1, 1e-6) << c.name;
    }
}

TEST(Outflow, CoefficientTables) {
    EXPECT_NEAR(*conicalTubeCoefficient(45), 0.88L, 1e-12);
    EXPECT_NEAR(*conicalTubeCoefficient(90), 0.74L, 1e-12);
    EXPECT_NEAR(*conicalTubeCoefficient(30), 0.94L - 10 * 0.06L / 25, 1e-12);
    EXPECT_FALSE(conicalTubeCoefficient(9));
    EXPECT_NEAR(*nozzleTubeCoefficient(0.25L), 0.8475L * 0.96L, 1e-12);
    EXPECT_NEAR(*nozzleTubeCoefficient(1), 0.96L, 1e-12);
    EXPECT_FALSE(nozzleTubeCoefficient(0.09L));
    EXPECT_NEAR(*largeSideOpeningCoefficient(0.5L), 0.64L, 1e-12);
    EXPECT_FALSE(largeSideOpeningCoefficient(2.1L));
    EXPECT_NEAR(*bottomOpeningCoefficient(0.5L), 0.68L, 1e-12);
    EXPECT_NEAR(*bottomOpeningCoefficient(0.05L), 0.61L, 1e-12);
    EXPECT_FALSE(bottomOpeningCoefficient(0.51L));
}

using Konst = OutflowConstantPresenter;

class ConstantLevel : public ::testing::Test {
  protected:
    ConstantLevel() {
        dialog.setSettings({.decimals = 4});
        dialog.shown();
    }
    void choose(int field, int index) {
        dialog.form().choice(field).select(index);
        dialog.chosen(field);
    }
    void enter(std::initializer_list<std::pair<int, const char*>> entries) {
        for (auto [field, text] : entries) dialog.form().setText(field, text);
    }
    Konst dialog{testing::englishTexts()};
    model::RecordingMessenger messenger;
};

TEST_F(ConstantLevel, ModesPicturesAndFields) {
    struct Mode {
        int size, kind, pressure, mode;
        const char* picture;
        bool third, density;
    };
    const Mode modes[] = {{0, 0, 0, 1, "GEFAESS2.bmp", false, false}, {0, 1, 0, 2, "GEFAESS1.bmp", false, false},
                          {0, 0, 1, 3, "GEFAESS5.bmp", true, true},   {0, 1, 1, 4, "GEFAESS4.bmp", true, true},
                          {1, 0, 0, 5, "GEFAESS3.bmp", true, false},  {1, 1, 1, 6, "GEFAESS6.bmp", false, false}};
    for (const Mode& m : modes) {
        choose(Konst::Size, m.size);
        choose(Konst::Kind, m.kind);
        choose(Konst::Pressure, m.pressure);
        EXPECT_EQ(dialog.mode(), m.mode);
        EXPECT_EQ(dialog.form().output(Konst::Picture), m.picture) << m.mode;
        EXPECT_EQ(dialog.form().visible(Konst::Entry3), m.third) << m.mode;
        EXPECT_EQ(dialog.form().visible(Konst::Density), m.density) << m.mode;
        EXPECT_EQ(dialog.form().visible(Konst::Pressure), m.size == 0) << m.mode;
    }
}

TEST_F(ConstantLevel, SmallOpenings) {
    enter({{Konst::Entry1, "100"}, {Konst::Entry2, "2"}, {Konst::Mu, "0,6"}});
    choose(Konst::Entry1Unit, 1);  // cm²
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(Konst::Flow), "0.0376");
    EXPECT_EQ(dialog.form().output(Konst::Velocity), "3.7585");
    choose(Konst::Pressure, 1);
    enter({{Konst::Entry3, "1"}, {Konst::Density, "1000"}});
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(Konst::Flow), "0.0928");
    EXPECT_TRUE(messenger.messages().empty());
    // Empty entries are errors here.
    dialog.form().setText(Konst::Density, "");
    dialog.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].entry, Konst::Density);
    EXPECT_EQ(messenger.messages()[0].text, "Not a valid number in the field\r\"Density:\"!");
}

TEST_F(ConstantLevel, LargeSideOpeningUnitsMoveTogether) {
    choose(Konst::Size, 1);
    choose(Konst::Entry1Unit, 1);
    EXPECT_EQ(dialog.form().current(Konst::Entry2Unit), "ft.");
    EXPECT_EQ(dialog.form().current(Konst::Entry3Unit), "ft.");
    choose(Konst::Entry1Unit, 0);
    enter({{Konst::Entry1, "1"}, {Konst::Entry2, "2"}, {Konst::Entry3, "0.5"}, {Konst::Mu, "0.6"}});
    dialog.calculate(messenger);
    // Q = 2/3 · 0.6 · 0.5 · √19.62 · (2^1.5 − 1) = 1.61978 m³/s over A = 0.5 m².
    EXPECT_EQ(dialog.form().output(Konst::Flow), "1.6198");
    EXPECT_EQ(dialog.form().output(Konst::Velocity), "3.2396");
    // The lower edge above the upper one is refused.
    enter({{Konst::Entry2, "0.5"}});
    dialog.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].entry, Konst::Entry2);
}

TEST_F(ConstantLevel, UsOutputAndCoefficientTakeOver) {
    dialog.setSettings({.units = model::UnitSystem::Us, .decimals = 3});
    dialog.shown();
    dialog.takeCoefficient("0.6");
    enter({{Konst::Entry1, "0.01"}, {Konst::Entry2, "2"}});
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(Konst::Flow), "1.327");      // 0.0375853 / 0.3048³
    EXPECT_EQ(dialog.form().output(Konst::Velocity), "12.331");  // 3.75853 / 0.3048
    EXPECT_EQ(dialog.form().caption(Konst::FlowLabel), "Volume flow in ft^3/s:");
}

using Falling = OutflowFallingPresenter;

TEST(FallingLevel, VerticalCylinderAndShapes) {
    Falling dialog(testing::germanTexts());
    dialog.shown();
    model::RecordingMessenger messenger;
    dialog.form().setText(Falling::VesselDiameter, "1");
    dialog.form().setText(Falling::OpeningDiameter, "50");
    dialog.form().setText(Falling::Height, "2");
    dialog.form().setText(Falling::Mu, "0,6");
    dialog.calculate(messenger);
    // t = 2 A √H / (μ a √19.62) = 425.70 s.
    EXPECT_EQ(dialog.form().output(Falling::Time), "426 s = 7,1 Min.");
    dialog.form().choice(Falling::Shape).select(2);
    dialog.chosen(Falling::Shape);
    EXPECT_FALSE(dialog.form().visible(Falling::Height));
    EXPECT_EQ(dialog.form().output(Falling::Picture), "INSTATIONAER3.bmp");
    dialog.form().setText(Falling::Height, "");  // hidden for the sphere, not read
    dialog.calculate(messenger);
    EXPECT_TRUE(messenger.messages().empty());
    // 16 π / 60 / (0.6 · π 0.05² / 4 · √19.62) = 160.5 s.
    EXPECT_EQ(dialog.form().output(Falling::Time), "161 s = 2,7 Min.");
    dialog.form().choice(Falling::Shape).select(1);
    dialog.chosen(Falling::Shape);
    EXPECT_EQ(dialog.form().caption(Falling::HeightLabel), "Zylinderlänge L:");
    dialog.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);  // the empty length
    EXPECT_EQ(messenger.messages()[0].entry, Falling::Height);
}

TEST(FallingLevel, ShortTimesInSecondsOnly) {
    Falling dialog(testing::englishTexts());
    dialog.shown();
    model::RecordingMessenger messenger;
    for (auto [field, text] : {std::pair{Falling::VesselDiameter, "0.3"}, {Falling::OpeningDiameter, "2"},
                               {Falling::Height, "0.5"}, {Falling::Mu, "0.6"}})
        dialog.form().setText(field, text);
    dialog.form().choice(Falling::OpeningDiameterUnit).select(1);  // 2 in.
    dialog.calculate(messenger);
    // 2 · (π 0.09 / 4) · √0.5 / (0.6 · π 0.0508² / 4 · √19.62) = 18.6 s.
    EXPECT_EQ(dialog.form().output(Falling::Time), "19 s");
}

TEST(CoefficientTables, SmallOpenings) {
    SmallCoefficientPresenter table(testing::englishTexts());
    table.shown();
    model::RecordingMessenger messenger;
    EXPECT_EQ(table.takeOver(), "0.60");
    EXPECT_FALSE(table.form().enabled(SmallCoefficientPresenter::Compute));
    table.form().choice(SmallCoefficientPresenter::Form).select(2);
    table.chosen(SmallCoefficientPresenter::Form);
    EXPECT_TRUE(table.form().enabled(SmallCoefficientPresenter::Compute));
    EXPECT_EQ(table.takeOver(), "");
    table.form().setText(SmallCoefficientPresenter::Entry1, "9");
    table.compute(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].icon, model::MessageIcon::None);
    EXPECT_EQ(messenger.messages()[0].entry, SmallCoefficientPresenter::Entry1);
    table.form().setText(SmallCoefficientPresenter::Entry1, "45");
    table.compute(messenger);
    EXPECT_EQ(table.takeOver(), "0.88");
    table.form().choice(SmallCoefficientPresenter::Form).select(4);
    table.chosen(SmallCoefficientPresenter::Form);
    EXPECT_EQ(table.form().text(SmallCoefficientPresenter::Entry1), "");
    table.form().setText(SmallCoefficientPresenter::Entry1, "100");
    table.form().setText(SmallCoefficientPresenter::Entry2, "50");
    table.compute(messenger);
    EXPECT_EQ(table.takeOver(), "0.81");
    EXPECT_EQ(table.form().output(SmallCoefficientPresenter::Picture), "AUSFLUSS5.bmp");
}

TEST(CoefficientTables, LargeOpenings) {
    LargeCoefficientPresenter table(testing::germanTexts());
    table.shown();
    model::RecordingMessenger messenger;
    table.form().setText(LargeCoefficientPresenter::Entry1, "0,5");
    table.form().setText(LargeCoefficientPresenter::Entry2, "1");
    table.compute(messenger);
    EXPECT_EQ(table.takeOver(), "0,64");
    table.form().choice(LargeCoefficientPresenter::Edge).select(1);
    table.chosen(LargeCoefficientPresenter::Edge);
    EXPECT_EQ(table.form().output(LargeCoefficientPresenter::Value), "0,7 bis 0,8");
    EXPECT_EQ(table.takeOver(), "0,7");
    table.form().choice(LargeCoefficientPresenter::Opening).select(1);
    table.chosen(LargeCoefficientPresenter::Opening);
    table.form().setText(LargeCoefficientPresenter::Entry1, "2");
    table.form().setText(LargeCoefficientPresenter::Entry2, "1,2");
    table.compute(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);  // d / D = 0.6
    table.form().setText(LargeCoefficientPresenter::Entry2, "1");
    table.compute(messenger);
    EXPECT_EQ(table.takeOver(), "0,68");
}

}  // namespace
}  // namespace velmora::tools
