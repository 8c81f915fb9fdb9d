#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/orifice_zeta.h"
#include "tools/orifice_presenter.h"
#include "tools/orifice_sizing.h"
#include "tool_test_support.h"

namespace velmora::tools {
namespace {

using P = OrificePresenter;

// Water at 20 °C, 10 m³/h in a 50 mm pipe.
OrificeSizingInput water(RestrictionKind kind, Real loss, Real second = 0) {
    return {.kind = kind, .flow = 10, .density = 998.2L, .viscosity = 1002, .pipeDiameter = 50,
            .second = second, .pressureLoss = loss};
}

// The bore by bisection on the engine's ζ(d), which falls as the bore grows.
Real bisectBore(const OrificeSizingInput& in, Real zeta, Real reynolds) {
    Real lo = in.pipeDiameter * 0.05L, hi = in.pipeDiameter * 0.999L;
    while ((hi - lo) / hi > 1e-9L) {
        const Real mid = (lo + hi) / 2;
        (restrictionZeta(in, reynolds, mid) > zeta ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

TEST(OrificeSizing, WaterThroughASharpEdgedOrifice) {
    const OrificeSizing s = sizeOrifice(water(RestrictionKind::SharpOrifice, 0.5L));
    // v = 10 / 3600 / (π 0.05² / 4) = 1.414711 m/s; Re = v · 998.2 · 50 · 1000 / 1002 = 70467.3;
    // ζ = 0.5 · 2 · 10⁵ / 998.2 / v² = 50.0550.
    EXPECT_NEAR(s.velocity, 1.414711L, 1e-6);
    EXPECT_NEAR(s.reynolds, 70467.3L, 0.1);
    EXPECT_NEAR(s.zeta, 50.0550L, 1e-4);
    // The start value from the table between m = 0.16 (ζ 88) and 0.25 (ζ 31).
    EXPECT_GT(s.startDiameter, 50 * std::sqrt(0.16L));
    EXPECT_LT(s.startDiameter, 50 * std::sqrt(0.25L));
    ASSERT_TRUE(s.bore);
    // Worked by hand: ((1 − m) + 0.707 (1 − m)^0.375)² / m² = 50.055 at m = 0.204207, d = 22.5946 mm.
    EXPECT_NEAR(*s.bore, 22.5946L, 1e-4);
    EXPECT_NEAR(*s.bore / bisectBore(water(RestrictionKind::SharpOrifice, 0.5L), s.zeta, s.reynolds), 1, 1e-6);
    EXPECT_NEAR(engine::sharpOrificeZeta(*s.bore, 50) / s.zeta, 1, 1e-9);
}

TEST(OrificeSizing, EveryKindAgreesWithBisection) {
    struct Case {
        const char* name;
        OrificeSizingInput input;
    };
    const Case cases[] = {
        {"sharp_small_loss", water(RestrictionKind::SharpOrifice, 0.02L)},
        {"sharp_large_loss", water(RestrictionKind::SharpOrifice, 20)},
        {"rounded", water(RestrictionKind::RoundedOrifice, 0.5L, 2)},
        {"perforated_plate", water(RestrictionKind::PerforatedPlate, 0.5L, 5)},
        {"perforated_plate_thick", water(RestrictionKind::PerforatedPlate, 2, 30)},
    };
    for (const Case& c : cases) {
        const OrificeSizing s = sizeOrifice(c.input);
        ASSERT_TRUE(s.bore) << c.name;
        EXPECT_NEAR(*s.bore / bisectBore(c.input, s.zeta, s.reynolds), 1, 1e-6) << c.name;
        EXPECT_LE(s.steps, 100) << c.name;
    }
}

TEST(OrificeSizing, NoBoreGivesNone) {
    // ζ = 0 is met by the open pipe itself.
    const OrificeSizing open = sizeOrifice(water(RestrictionKind::SharpOrifice, 0));
    ASSERT_TRUE(open.bore);
    EXPECT_EQ(*open.bore, 50);
    // A thick plate loses more by its own friction than the wanted loss: no bore gives it.
    EXPECT_FALSE(sizeOrifice(water(RestrictionKind::PerforatedPlate, 1e-5L, 500)).bore);
    // No flow: the required coefficient is not finite.
    OrificeSizingInput still = water(RestrictionKind::SharpOrifice, 0.5L);
    still.flow = 0;
    EXPECT_FALSE(sizeOrifice(still).bore);
    // A negative loss has no bore either.
    EXPECT_FALSE(sizeOrifice(water(RestrictionKind::SharpOrifice, -0.5L)).bore);
}

class OrificeDialog : public ::testing::Test {
  protected:
    OrificeDialog() {
        dialog.shown({.name = "Water", .flow = "10", .flowUnit = "m³/h", .density = "998.2", .viscosity = "1002"});
        dialog.form().setText(P::PipeDiameter, "50");
        dialog.form().setText(P::PressureLoss, "0.5");
    }
    P dialog{testing::englishTexts()};
    model::RecordingMessenger messenger;
};

TEST_F(OrificeDialog, ShowsTheBoreWithItsNotice) {
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(P::Result), "Bore diameter D2 = 22.595 mm");
    ASSERT_EQ(messenger.messages().size(), 1u);  // Re = 70466 < 100000
    EXPECT_EQ(messenger.messages()[0].icon, model::MessageIcon::Information);
    EXPECT_EQ(messenger.messages()[0].text, testing::englishTexts().text(model::GlobalText::SharpOrificeReynoldsWarning));
    dialog.setSettings({.units = model::UnitSystem::Us, .decimals = 3});
    dialog.calculate(messenger);
    EXPECT_EQ(dialog.form().output(P::Result), "Bore diameter D2 = 0.890 in.");
}

TEST_F(OrificeDialog, KindsUnitsAndMessages) {
    dialog.form().choice(P::Kind).select(2);
    dialog.chosen(P::Kind);
    EXPECT_TRUE(dialog.form().visible(P::Second));
    EXPECT_EQ(dialog.form().caption(P::SecondLabel), "Disc thickness L:");
    EXPECT_EQ(dialog.form().output(P::Picture), "2604.bmp");
    dialog.form().setText(P::Second, "500");
    dialog.form().setText(P::PressureLoss, "0.00001");
    dialog.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].text, "No bore diameter gives the wanted pressure loss.");
    EXPECT_EQ(dialog.form().output(P::Result), "");
    // The kinematic viscosity list starts with 10-6 m²/s; 1 mm²/s of water is 998.2 · 10⁻⁶ kg/(m·s).
    dialog.form().choice(P::ViscosityQuantity).select(1);
    dialog.chosen(P::ViscosityQuantity);
    EXPECT_EQ(dialog.form().current(P::ViscosityUnit), "10-6 m²/s");
    dialog.form().choice(P::ViscosityUnit).selectLabel("mm²/s");
    dialog.form().setText(P::Viscosity, "1");
    dialog.form().choice(P::Kind).select(0);
    dialog.chosen(P::Kind);
    dialog.form().setText(P::PressureLoss, "0.5");
    messenger.clear();
    dialog.calculate(messenger);
    EXPECT_NEAR(dialog.sizing().reynolds, 1.414711L * 50000, 0.1);  // v D / ν
    // A flow that is no number names the quantity box's text.
    dialog.form().setText(P::Flow, "ten");
    messenger.clear();
    dialog.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].text, "Not a valid number in the field\r\"Volume flow:\"!");
    EXPECT_EQ(messenger.messages()[0].entry, P::Flow);
}

TEST(OrificeDialogOpening, TakesTheMainFormMedium) {
    P dialog(testing::germanTexts());
    dialog.shown({.name = "Luft", .massFlow = true, .flow = "100", .flowUnit = "kg/h", .density = "1,2",
                  .densityUnit = 0, .kinematic = true, .viscosity = "15", .viscosityUnit = 0});
    EXPECT_EQ(dialog.form().current(P::FlowUnit), "kg/h");
    EXPECT_EQ(dialog.form().current(P::ViscosityUnit), "10-6 m²/s");
    EXPECT_FALSE(dialog.form().visible(P::Second));
    dialog.shown({.name = "Luft", .flow = "100", .flowUnit = "Nm³/h", .density = "1,2", .viscosity = "18"});
    EXPECT_EQ(dialog.form().text(P::Flow), "");
    EXPECT_EQ(dialog.form().current(P::FlowUnit), "m³/h");
    EXPECT_EQ(dialog.form().current(P::FlowQuantity), "Vol.strom:");
}

}  // namespace
}  // namespace velmora::tools
