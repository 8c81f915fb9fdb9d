#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/channel_flow.h"
#include "tools/channel_presenters.h"
#include "tool_test_support.h"

namespace velmora::tools {
namespace {

using Calc = ChannelCalcPresenter;
using Design = ChannelDesignPresenter;

struct SectionCase {
    const char* name;
    ChannelShape shape;
    const char* reference;  // the shape's word for the reference script
    Real a, b, c;           // the entries of the shape
    Real slope, strickler;
};

const SectionCase kSections[] = {
    {"rectangle", ChannelShape::Rectangle, "rectangle", 2, 1, 0, 0.001L, 60},
    {"trapezoid_45", ChannelShape::Trapezoid, "trapezoid", 1.5L, 0.8L, 45, 0.002L, 45},
    {"trapezoid_90", ChannelShape::Trapezoid, "trapezoid", 2, 1, 90, 0.001L, 60},
    {"semicircle", ChannelShape::Semicircle, "semicircle", 0.6L, 0, 0, 0.0005L, 80},
    {"triangle_30", ChannelShape::Triangle, "triangle", 0.5L, 30, 0, 0.01L, 70},
    {"any_shape", ChannelShape::AnyShape, "any", 4.2L, 1.7L, 0, 0.003L, 35},
};

TEST(ChannelFlow, HandWorkedRectangle) {
    // R = 2 / 4 = 0.5 m; v = 60 · 0.5^(2/3) · 0.001^(1/2) = 1.195266 m/s; Q = 2 v.
    const ChannelSection s = channelSection(ChannelShape::Rectangle, 2, 1, 0);
    const Real v = manningVelocity(60, s.area / s.perimeter, slopeFromPercent(0.1L));
    EXPECT_NEAR(v, 1.19527L, 1e-5);
    EXPECT_NEAR(s.area * v, 2.39053L, 1e-5);
}

// The flows against the Manning formula of python3-fluids with n = 1 / kSt, on a geometry worked
// afresh in Python.
TEST(ChannelFlow, AgreesWithFluids) {
    if (std::system("/usr/bin/python3 -c 'import fluids' 2>/dev/null") != 0) GTEST_SKIP() << "python3-fluids missing";
    const std::string input = ::testing::TempDir() + "channel_cases.txt";
    {
        std::ofstream cases(input);
        cases.precision(17);
        for (const SectionCase& c : kSections)
            cases << c.reference << ' ' << double(c.a) << ' ' << double(c.b) << ' ' << double(c.c) << ' '
                  << double(c.slope) << ' ' << double(c.strickler) << '\n';
    }
    const std::string command = "/usr/bin/python3 " VELMORA_TOOLS_TEST_DIR "/channel_reference.py < " + input;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    for (const SectionCase& c : kSections) {
        double v = 0, q = 0;
        ASSERT_EQ(std::fscanf(pipe, "%lf %lf", &v, &q), 2) << c.name;
        const ChannelSection s = channelSection(c.shape, c.a, c.b, c.c);
        const Real velocity = manningVelocity(c.strickler, s.area / s.perimeter, c.slope);
        EXPECT_NEAR(double(velocity), v, 1e-12 * v) << c.name;
        EXPECT_NEAR(double(velocity * s.area), q, 1e-12 * q) << c.name;
    }
    EXPECT_EQ(pclose(pipe), 0);
}

struct DesignCase {
    const char* name;
    ChannelShape shape;
    Real angle;
    Real width, height, radius, velocity;  // expected, by hand; 0 where not shown
};

// Q = 1 m³/s, I = 0.001, kSt = 60: C = 60 · √0.001 = 1.897367.
const DesignCase kDesigns[] = {
    // H = (2^(2/3) / (2 C))^(3/8) = 0.72121; B = 2H; v = 1 / (2 H²).
    {"rectangle", ChannelShape::Rectangle, 60, 1.44243L, 0.72121L, 0, 0.96126L},
    // K = √3: A = (2^(2/3) · 3^(1/6) / C)^(3/4) = 1.00356; H = √(A / K) = 0.76119; B = A / H − H / √3.
    {"trapezoid_60", ChannelShape::Trapezoid, 60, 0.87894L, 0.76119L, 0, 0.99646L},
    // R = (2^(5/3) / (π C))^(3/8) = 0.78960; v = 1 / (π R² / 2).
    {"semicircle", ChannelShape::Semicircle, 60, 0, 0, 0.78960L, 1.02110L},
    // H = (1 / (cos 45°^(2/3) · 0.5^(2/3) · C))^(3/8) = 1.01995; v = 1 / H².
    {"triangle", ChannelShape::Triangle, 60, 0, 1.01995L, 0, 0.96126L},
};

TEST(ChannelDesign, HydraulicallyBestSections) {
    for (const DesignCase& c : kDesigns) {
        const ChannelDesign d = designChannel(c.shape, 1, 0.001L, 60, c.angle);
        EXPECT_NEAR(d.width, c.width, 2e-5) << c.name;
        EXPECT_NEAR(d.height, c.height, 2e-5) << c.name;
        EXPECT_NEAR(d.radius, c.radius, 2e-5) << c.name;
        EXPECT_NEAR(d.velocity, c.velocity, 2e-5) << c.name;
        // Put back into the Manning–Strickler formula the section carries the flow again.
        const ChannelSection s = designedSection(c.shape, d, c.angle);
        EXPECT_NEAR(s.area * manningVelocity(60, s.area / s.perimeter, 0.001L), 1, 1e-12) << c.name;
        if (c.shape == ChannelShape::Trapezoid) {
            EXPECT_NEAR(s.area / s.perimeter, d.height / 2, 1e-12);
        }
    }
}

// The dialog around the formulas: slope modes, ranges, labels, units.
class ChannelCalcDialog : public ::testing::Test {
  protected:
    ChannelCalcDialog() { calc.shown(); }
    void enter(std::initializer_list<std::pair<int, const char*>> entries) {
        for (auto [field, text] : entries) calc.form().setText(field, text);
    }
    void choose(int field, int index) {
        calc.form().choice(field).select(index);
        calc.chosen(field);
    }
    Calc calc{testing::englishTexts()};
    model::RecordingMessenger messenger;
};

TEST_F(ChannelCalcDialog, RectangleAtOnePerMille) {
    choose(Calc::SlopeChoice, 2);
    enter({{Calc::Z1, "0,1"}, {Calc::Dim1, "2"}, {Calc::Dim2, "1"}, {Calc::Strickler, "60"}});
    calc.calculate(messenger);
    EXPECT_TRUE(messenger.messages().empty());
    EXPECT_EQ(calc.form().output(Calc::Velocity), "1.195");
    EXPECT_EQ(calc.form().output(Calc::Flow), "2.391");
    EXPECT_EQ(calc.form().caption(Calc::VelocityLabel), "Velocity in m/s:");
    EXPECT_EQ(calc.form().caption(Calc::FlowLabel), "Volume flow in m^3/s:");
    EXPECT_EQ(calc.form().caption(Calc::Z1Label), "Slope in %:");
    EXPECT_FALSE(calc.form().visible(Calc::Z2));
    // Any change empties the result.
    calc.edited(Calc::Dim1);
    EXPECT_EQ(calc.form().output(Calc::Velocity), "");
}

TEST_F(ChannelCalcDialog, HeightsEitherWayRound) {
    enter({{Calc::Z1, "10"}, {Calc::Z2, "12"}, {Calc::SlopeLength, "2000"}, {Calc::Dim1, "2"}, {Calc::Dim2, "1"},
           {Calc::Strickler, "60"}});
    calc.calculate(messenger);
    const std::string up = calc.form().output(Calc::Flow);
    enter({{Calc::Z1, "12"}, {Calc::Z2, "10"}});
    calc.calculate(messenger);
    EXPECT_EQ(calc.form().output(Calc::Flow), up);
    EXPECT_EQ(up, "2.391");
    EXPECT_EQ(calc.form().caption(Calc::SlopeLengthLabel), "L in meter:");
}

TEST_F(ChannelCalcDialog, RefusalsNameTheirEntry) {
    struct Refusal {
        const char* name;
        int shape;
        std::vector<std::pair<int, const char*>> entries;
        int focus;
        const char* label;
    };
    const std::vector<Refusal> refusals = {
        {"length_zero", 0, {{Calc::Z1, "1"}, {Calc::Z2, "0"}, {Calc::SlopeLength, "0"}}, Calc::SlopeLength,
         "L in meter:"},
        {"empty_entry", 0, {{Calc::Z1, "1"}, {Calc::Z2, ""}, {Calc::SlopeLength, "100"}}, Calc::Z2, "z2 in meter:"},
        {"trapezoid_0", 1, {{Calc::Dim1, "2"}, {Calc::Dim2, "1"}, {Calc::Dim3, "0"}}, Calc::Dim3,
         "Angle in degrees:"},
        {"trapezoid_91", 1, {{Calc::Dim1, "2"}, {Calc::Dim2, "1"}, {Calc::Dim3, "91"}}, Calc::Dim3,
         "Angle in degrees:"},
        {"triangle_90", 3, {{Calc::Dim1, "1"}, {Calc::Dim2, "90"}}, Calc::Dim2, "Angle in degrees:"},
        {"not_a_number", 2, {{Calc::Dim1, "1,2,3"}}, Calc::Dim1, "R in meter:"},
        {"no_coefficient", 2, {{Calc::Dim1, "1"}, {Calc::Strickler, ""}}, Calc::Strickler,
         "Manning-Strickler coefficient (m^1/3/s):"},
    };
    for (const Refusal& r : refusals) {
        choose(Calc::SlopeChoice, 0);
        choose(Calc::Shape, r.shape);
        enter({{Calc::Z1, "1"}, {Calc::Z2, "0"}, {Calc::SlopeLength, "1000"}, {Calc::Strickler, "60"}});
        for (auto [field, text] : r.entries) calc.form().setText(field, text);
        messenger.clear();
        calc.calculate(messenger);
        ASSERT_EQ(messenger.messages().size(), 1u) << r.name;
        EXPECT_EQ(messenger.messages()[0].entry, r.focus) << r.name;
        EXPECT_EQ(messenger.messages()[0].text, "Not a valid number in the field\r\"" + std::string(r.label) + "\"!")
            << r.name;
        EXPECT_EQ(calc.form().output(Calc::Flow), "") << r.name;
    }
}

TEST_F(ChannelCalcDialog, TrapezoidAtNinetyDegreesIsTheRectangle) {
    choose(Calc::SlopeChoice, 2);
    enter({{Calc::Z1, "0.1"}, {Calc::Dim1, "2"}, {Calc::Dim2, "1"}, {Calc::Strickler, "60"}});
    calc.calculate(messenger);
    const std::string rectangle = calc.form().output(Calc::Flow);
    choose(Calc::Shape, 1);
    EXPECT_EQ(calc.form().text(Calc::Dim1), "");  // a new shape empties its entries
    enter({{Calc::Dim1, "2"}, {Calc::Dim2, "1"}, {Calc::Dim3, "90"}});
    calc.calculate(messenger);
    EXPECT_EQ(calc.form().output(Calc::Flow), rectangle);
    EXPECT_EQ(calc.form().output(Calc::ShapePicture), "GERINNE_TRAPEZ.bmp");
}

TEST_F(ChannelCalcDialog, FeetAndUsOutput) {
    calc.setSettings({.units = model::UnitSystem::Us, .decimals = 2});
    calc.shown();
    choose(Calc::LengthUnit, 1);
    choose(Calc::SlopeChoice, 2);
    // 2 m × 1 m in feet: the same channel, shown in ft/s and cfs.
    enter({{Calc::Z1, "0.1"}, {Calc::Dim1, "6.561679790"}, {Calc::Dim2, "3.280839895"}, {Calc::Strickler, "60"}});
    calc.calculate(messenger);
    EXPECT_EQ(calc.form().output(Calc::Velocity), "3.92");  // 1.19527 / 0.3048
    EXPECT_EQ(calc.form().output(Calc::Flow), "84.42");     // 2.39055 / 0.3048³
    EXPECT_EQ(calc.form().caption(Calc::Dim1Label), "B in feet:");
    EXPECT_EQ(calc.form().caption(Calc::FlowLabel), "Volume flow in cfs:");
}

TEST(ChannelDesignDialog, DesignsAndShowsTheSection) {
    Design design(testing::germanTexts());
    design.shown();
    model::RecordingMessenger messenger;
    design.form().choice(Design::SlopeChoice).select(2);
    design.chosen(Design::SlopeChoice);
    design.form().setText(Design::Z1, "0,1");
    design.form().setText(Design::Flow, "1");
    design.form().setText(Design::Strickler, "60");
    design.calculate(messenger);
    EXPECT_EQ(design.form().output(Design::Result1), "1,442");
    EXPECT_EQ(design.form().output(Design::Result2), "0,721");
    EXPECT_EQ(design.form().output(Design::Velocity), "0,961");
    design.form().choice(Design::Shape).select(1);
    design.chosen(Design::Shape);
    EXPECT_EQ(design.form().text(Design::Angle), "60");
    EXPECT_EQ(design.form().caption(Design::AngleLabel), "Winkel in Grad (optimal = 60°):");
    design.calculate(messenger);
    EXPECT_EQ(design.form().output(Design::Result1), "0,879");
    EXPECT_EQ(design.form().output(Design::Result2), "0,761");
    design.form().choice(Design::Shape).select(3);
    design.chosen(Design::Shape);
    design.calculate(messenger);
    EXPECT_EQ(design.form().output(Design::Result1), "1,020");
    EXPECT_EQ(design.form().output(Design::Result2), "45");
    EXPECT_TRUE(messenger.messages().empty());
    // A flow of 0 is refused, naming the flow label.
    design.form().setText(Design::Flow, "0");
    design.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].entry, Design::Flow);
    EXPECT_EQ(design.form().choice(Design::Velocities).items().size(), 9u);
}

TEST(StricklerTable, TakesTheLowerEndOfARange) {
    StricklerTablePresenter table(testing::englishTexts());
    table.shown();
    EXPECT_EQ(table.form().output(StricklerTablePresenter::Value), "100");
    table.form().choice(StricklerTablePresenter::Surface).select(1);
    table.chosen(StricklerTablePresenter::Surface);
    EXPECT_EQ(table.form().output(StricklerTablePresenter::Value), "90-100");
    EXPECT_EQ(table.takeOver(), "90");
    table.form().choice(StricklerTablePresenter::Type).select(6);
    table.chosen(StricklerTablePresenter::Type);
    EXPECT_EQ(table.form().index(StricklerTablePresenter::Surface), 0);
    EXPECT_EQ(table.form().choice(StricklerTablePresenter::Surface).items().size(), 7u);
    EXPECT_EQ(table.takeOver(), "40");
    // Every surface of every type has a name in the caption file.
    for (int t = 0; t < StricklerTablePresenter::typeCount(); ++t) {
        table.form().choice(StricklerTablePresenter::Type).select(t);
        table.chosen(StricklerTablePresenter::Type);
        for (const std::string& name : table.form().choice(StricklerTablePresenter::Surface).items())
            EXPECT_FALSE(name.empty()) << t;
    }
    ChannelCalcPresenter calc(testing::englishTexts());
    calc.takeStrickler("90-100");
    EXPECT_EQ(calc.form().text(ChannelCalcPresenter::Strickler), "90");
}

}  // namespace
}  // namespace velmora::tools
