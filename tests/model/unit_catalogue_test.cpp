#include "model/unit_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace velmora::model {
namespace {

using Labels = std::vector<std::string>;

// The labels each unit box offers, in their order, as the catalogue publishes them.
TEST(UnitCatalogue, ListsEveryLabelInOrder) {
    struct Case {
        Quantity quantity;
        Labels labels;
    };
    const Case cases[] = {
        {Quantity::VolumeFlow,
         {"m³/h", "m³/min", "m³/s", "Nm³/h", "Nm³/min", "Nm³/s", "l/min", "l/s", "cu.ft./hr", "cu.ft./min",
          "cu.ft./s", "petr.bl./hr", "petr.bl./day", "gal/hr", "gal/min", "gal/s"}},
        {Quantity::MassFlow, {"kg/h", "kg/min", "kg/s", "lb./hr", "lb./min", "lb./s", "oz./min", "oz./s"}},
        {Quantity::Density,
         {"kg/m³", "kg/l", "g/l", "gr./cu.ft.", "gr./gal.", "oz./cu.ft.", "oz./cu.in.", "oz./gal.", "lb./cu.ft.",
          "lb./cu.in.", "lb./gal."}},
        {Quantity::DynamicViscosity,
         {"10-6 kg/ms", "10-6 g/cm s", "10-6 Pa s", "mPa s", "10-6 Ns/m²", "cP", "lb.av./ft.hr", "lb.av./ft.s",
          "Lb.s/sq.ft."}},
        {Quantity::KinematicViscosity, {"10-6 m²/s", "cm²/s", "mm²/s", "cSt", "sq.ft./hr", "sq.ft./s"}},
        {Quantity::Pressure,
         {"bar", "mbar", "Pa", "MPa", "ata", "atm", "at", "m WS", "mm WS", "Torr", "lbw./sq.ft.", "psia", "psig",
          "ft.wtr.", "in.wtr."}},
        {Quantity::Temperature, {"°C", "K", "degF", "°R"}},
        {Quantity::SmallLength, {"mm", "in."}},
        {Quantity::LongLength, {"m", "ft."}},
        {Quantity::Area, {"m²", "sq.yd."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels.front());
        EXPECT_EQ(unitLabels(c.quantity), c.labels);
    }
}

struct Conversion {
    const char* name;
    Real (*convert)(std::string_view, Real);
    const char* label;
    Real value;
    Real expected;  // worked by hand from the unit's definition
};

Real flowAt1000(std::string_view label, Real value) { return convertFlow(label, value, 1000); }
Real viscosityAt800(std::string_view label, Real value) { return convertViscosity(label, value, 800); }

TEST(UnitCatalogue, ConvertsToTheInternalUnits) {
    const Conversion cases[] = {
        {"m³/min", flowAt1000, "m³/min", 2, 120},
        {"l/s", flowAt1000, "l/s", 1, 3.6L},
        {"cu.ft./hr", flowAt1000, "cu.ft./hr", 1000, 28.316846592L},
        {"petr.bl./day", flowAt1000, "petr.bl./day", 24, 0.158987L},
        {"gal/min", flowAt1000, "gal/min", 42, 0.158987L * 60},
        {"Nm³/min scaled only", flowAt1000, "Nm³/min", 1, 60},
        {"kg/h by density", flowAt1000, "kg/h", 500, 0.5L},
        {"kg/s by density", flowAt1000, "kg/s", 1, 3.6L},
        {"lb./hr factor is kg/s", flowAt1000, "lb./hr", 1000, 0.4536L},
        {"oz./s", flowAt1000, "oz./s", 1, 0.0283495L * 3.6L},
        {"kg/l", convertDensity, "kg/l", 0.9982L, 998.2L},
        {"lb./cu.ft.", convertDensity, "lb./cu.ft.", 62.4L, 999.5522472L},
        {"mPa s", viscosityAt800, "mPa s", 1.002L, 1002},
        {"10-6 g/cm s", viscosityAt800, "10-6 g/cm s", 10, 1},
        {"cSt by density", viscosityAt800, "cSt", 1.5L, 1200},
        {"cm²/s by density", viscosityAt800, "cm²/s", 0.01L, 800},
        {"mbar", convertPressure, "mbar", 1013.25L, 1.01325L},
        {"Pa", convertPressure, "Pa", 100000, 1},
        {"psig 0 is one atmosphere", convertPressure, "psig", 0, 14.7L * 0.068947581976L},
        {"psia", convertPressure, "psia", 14.5L, 14.5L * 0.068947581976L},
        {"psi of the dialogs", convertPressure, "psi", 1, 0.068947581976L},
        {"m WS", convertPressure, "m WS", 10, 0.980665L},
        {"°C", convertTemperature, "°C", 20, 293.15L},
        {"degF 32", convertTemperature, "degF", 32, 273.15792L},
        {"Réaumur 80", convertTemperature, "°R", 80, 373.15L},
        {"in.", convertSmallLength, "in.", 2, 50.8L},
        {"ft.", convertLongLength, "ft.", 10, 3.048L},
        {"sq.yd.", convertArea, "sq.yd.", 1, 0.8361274L},
        {"cm^2", convertDialogArea, "cm^2", 10000, 1},
        {"in^2", convertDialogArea, "in^2", 1, 0.00064516L},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(static_cast<double>(c.convert(c.label, c.value)), static_cast<double>(c.expected),
                    1e-12 * std::fabs(static_cast<double>(c.expected)) + 1e-15);
    }
}

TEST(UnitCatalogue, UnknownLabelLeavesTheValueUnchanged) {
    EXPECT_EQ(convertFlow("furlongs/fortnight", 7, 1000), 7);
    EXPECT_EQ(convertPressure("", 3), 3);
    EXPECT_EQ(convertTemperature("Rankine", 500), 500);
    EXPECT_EQ(convertViscosity("poise?", 9, 1000), 9);
}

TEST(UnitCatalogue, NormToOperatingAtNormStateIsIdentity) {
    EXPECT_NEAR(static_cast<double>(normToOperating(100, 1.01325L, 273.15L)), 100.0, 1e-12);
    // 100 Nm³/h at 5 bar, 20 °C: 100 × 1.01325 × 293.15 / 5 / 273.15
    EXPECT_NEAR(static_cast<double>(normToOperating(100, 5, 293.15L)), 21.748800109829764, 1e-10);
}

TEST(UnitCatalogue, ClassifiesFlowLabels) {
    EXPECT_TRUE(isMassFlowUnit("lb./s"));
    EXPECT_FALSE(isMassFlowUnit("m³/h"));
    EXPECT_TRUE(isNormFlowUnit("Nm³/s"));
    EXPECT_FALSE(isNormFlowUnit("m³/s"));
}

}  // namespace
}  // namespace velmora::model
