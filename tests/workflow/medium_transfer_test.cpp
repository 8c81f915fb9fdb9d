#include <gtest/gtest.h>

#include "workflow/main_form.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using media::MediumTransfer;
using media::TextWithUnit;
using model::MediumState;
using model::ViscosityQuantity;
using testing::builtTexts;

// A form on kinematic viscosity in mm²/s with a gas state typed in: what a user may have left.
MainForm kinematicGasForm() {
    MainForm form(builtTexts(testing::Language::English));
    form.setState(MediumState::Gas);
    form.setViscosityQuantity(ViscosityQuantity::Kinematic);
    form.selectUnit(FormField::ViscosityUnit, 1);
    form.setText(FormField::InletPressure, "7");
    form.setText(FormField::InletTemperature, "15");
    return form;
}

TEST(MediumTransfer, LiquidValuesSwitchTheViscosityBackToDynamicAndChooseUnitsByLabel) {
    MainForm form = kinematicGasForm();
    const MediumTransfer transfer{.mediumText = "Glycerol (20 °C)",
                                  .state = MediumState::Liquid,
                                  .density = TextWithUnit{"78.7", "lb./cu.ft."},
                                  .viscosity = TextWithUnit{"1410.000", "cP"}};
    form.apply(transfer);

    EXPECT_EQ(form.text(FormField::MediumName), "Glycerol (20 °C)");
    EXPECT_EQ(form.state(), MediumState::Liquid);
    EXPECT_EQ(form.text(FormField::Density), "78.7");
    EXPECT_EQ(form.unitBox(FormField::DensityUnit).current(), "lb./cu.ft.");
    EXPECT_EQ(form.viscosityQuantity(), ViscosityQuantity::Dynamic);
    EXPECT_EQ(form.unitBox(FormField::ViscosityUnit).current(), "cP");
    EXPECT_EQ(form.text(FormField::Viscosity), "1410.000");
    // The gas entries are not part of a liquid's transfer and keep what was typed.
    EXPECT_EQ(form.text(FormField::InletPressure), "7");
    EXPECT_EQ(form.text(FormField::InletTemperature), "15");
}

TEST(MediumTransfer, GasValuesFillTheThreeGasEntriesWithTheirUnits) {
    MainForm form(builtTexts(testing::Language::English));
    const MediumTransfer transfer{.mediumText = "Methane (gaseous)",
                                  .state = MediumState::Gas,
                                  .density = TextWithUnit{"4.872", "kg/m³"},
                                  .viscosity = TextWithUnit{"11.07", "10-6 kg/ms"},
                                  .inletPressure = TextWithUnit{"7", "bar"},
                                  .inletTemperature = TextWithUnit{"15", "°C"},
                                  .outletTemperature = TextWithUnit{"15", "°C"}};
    form.apply(transfer);

    EXPECT_EQ(form.state(), MediumState::Gas);
    EXPECT_EQ(form.text(FormField::InletPressure), "7");
    EXPECT_EQ(form.unitBox(FormField::InletPressureUnit).current(), "bar");
    EXPECT_EQ(form.text(FormField::OutletTemperature), "15");
    EXPECT_EQ(form.unitBox(FormField::OutletTemperatureUnit).current(), "°C");
}

TEST(MediumTransfer, AnEmptyTransferChangesNothing) {
    MainForm form = kinematicGasForm();
    const MainForm before = form;
    form.apply(MediumTransfer{});
    EXPECT_EQ(form.text(FormField::MediumName), before.text(FormField::MediumName));
    EXPECT_EQ(form.viscosityQuantity(), ViscosityQuantity::Kinematic);
    EXPECT_EQ(form.unitBox(FormField::ViscosityUnit), before.unitBox(FormField::ViscosityUnit));
    EXPECT_EQ(form.state(), MediumState::Gas);
}

}  // namespace
}  // namespace velmora::workflow
