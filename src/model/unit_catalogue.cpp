#include "model/unit_catalogue.h"

#include <array>

namespace velmora::model {

namespace {

constexpr Real cubicFoot = 0.3048L * 0.3048L * 0.3048L;  // m³
constexpr Real oilBarrel = 0.158987L;                     // m³
constexpr Real psi = 0.068947581976L;                     // bar

constexpr std::array volumeFlow{
    UnitRule{"m³/h", 1},
    UnitRule{"m³/min", 60},
    UnitRule{"m³/s", 3600},
    UnitRule{"Nm³/h", 1},
    UnitRule{"Nm³/min", 60},
    UnitRule{"Nm³/s", 3600},
    UnitRule{"l/min", 6.0L / 100},
    UnitRule{"l/s", 36.0L / 10},
    UnitRule{"cu.ft./hr", cubicFoot},
    UnitRule{"cu.ft./min", cubicFoot * 60},
    UnitRule{"cu.ft./s", cubicFoot * 60 * 60},
    UnitRule{"petr.bl./hr", oilBarrel},
    UnitRule{"petr.bl./day", oilBarrel / 24},
    UnitRule{"gal/hr", oilBarrel / 42},
    UnitRule{"gal/min", oilBarrel / 42 * 60},
    UnitRule{"gal/s", oilBarrel / 42 * 60 * 60},
};

// Factor × value ÷ density gives m³/h. The pound and ounce factors are kg/s per unit.
constexpr std::array massFlow{
    UnitRule{"kg/h", 1},
    UnitRule{"kg/min", 60},
    UnitRule{"kg/s", 60 * 60},
    UnitRule{"lb./hr", 0.000126L * 3600},
    UnitRule{"lb./min", 0.0075599L * 3600},
    UnitRule{"lb./s", 0.4535924L * 3600},
    UnitRule{"oz./min", 0.0004725L * 3600},
    UnitRule{"oz./s", 0.0283495L * 3600},
};

constexpr std::array density{
    UnitRule{"kg/m³", 1},
    UnitRule{"kg/l", 1000},
    UnitRule{"g/l", 1},
    UnitRule{"gr./cu.ft.", 0.0022884L},
    UnitRule{"gr./gal.", 0.017118L},
    UnitRule{"oz./cu.ft.", 1.0011541L},
    UnitRule{"oz./cu.in.", 1729.9942713L},
    UnitRule{"oz./gal.", 7.4891077L},
    UnitRule{"lb./cu.ft.", 16.0184655L},
    UnitRule{"lb./cu.in.", 27679.9083411L},
    UnitRule{"lb./gal.", 119.8257233L},
};

constexpr std::array dynamicViscosity{
    UnitRule{"10-6 kg/ms", 1},
    UnitRule{"10-6 g/cm s", 1.0L / 10},
    UnitRule{"10-6 Pa s", 1},
    UnitRule{"mPa s", 1000},
    UnitRule{"10-6 Ns/m²", 1},
    UnitRule{"cP", 1000},
    UnitRule{"lb.av./ft.hr", 0.0004134L * 1000000},
    UnitRule{"lb.av./ft.s", 1.4881641L * 1000000},
    UnitRule{"Lb.s/sq.ft.", 47.8802653L * 1000000},
};

// Factor × value × density gives 10⁻⁶ kg/(m·s).
constexpr std::array kinematicViscosity{
    UnitRule{"10-6 m²/s", 1},
    UnitRule{"cm²/s", 100},
    UnitRule{"mm²/s", 1},
    UnitRule{"cSt", 1},
    UnitRule{"sq.ft./hr", 25.8L},
    UnitRule{"sq.ft./s", 92903},
};

constexpr std::array pressure{
    UnitRule{"bar", 1},
    UnitRule{"mbar", 1.0L / 1000},
    UnitRule{"Pa", 1.0L / 100000},
    UnitRule{"MPa", 10},
    UnitRule{"ata", 0.980665L},
    UnitRule{"atm", 1.01325L},
    UnitRule{"at", 0.980665L},
    UnitRule{"m WS", 0.0980665L},
    UnitRule{"mm WS", 0.0980665L / 1000},
    UnitRule{"Torr", 0.001333223684L},
    UnitRule{"lbw./sq.ft.", 0.000478802653L},
    UnitRule{"psia", psi},
    UnitRule{"psig", psi, 14.7L * psi},  // gauge: (value + 14.7 psi) absolute
    UnitRule{"ft.wtr.", 0.0298906692L},
    UnitRule{"in.wtr.", 0.002490889L},
};
constexpr UnitRule plainPsi{"psi", psi};

// "°R" is the Réaumur degree (80 °R = 100 °C), not Rankine.
constexpr std::array temperature{
    UnitRule{"°C", 1, 273.15L},
    UnitRule{"K", 1},
    UnitRule{"degF", 0.55556L, 255.38L},
    UnitRule{"°R", 1.25L, 273.15L},
};

constexpr std::array smallLength{UnitRule{"mm", 1}, UnitRule{"in.", 25.4L}};
constexpr std::array longLength{UnitRule{"m", 1}, UnitRule{"ft.", 0.3048L}};
constexpr std::array area{UnitRule{"m²", 1}, UnitRule{"sq.yd.", 0.8361274L}};
constexpr std::array dialogArea{
    UnitRule{"cm^2", 1.0L / 100 / 100},
    UnitRule{"ft^2", 0.3048L * 0.3048L},
    UnitRule{"in^2", 0.0254L * 0.0254L},
};
constexpr std::array dialogLength{UnitRule{"in.", 25.4L}, UnitRule{"ft.", 0.3048L}};

const UnitRule* find(std::span<const UnitRule> rules, std::string_view label) {
    for (const UnitRule& rule : rules)
        if (rule.label == label) return &rule;
    return nullptr;
}

// value × factor + offset, or the value unchanged for an unknown label.
Real apply(std::span<const UnitRule> rules, std::string_view label, Real value) {
    const UnitRule* rule = find(rules, label);
    return rule ? value * rule->factor + rule->offset : value;
}

}  // namespace

std::span<const UnitRule> unitRules(Quantity quantity) {
    switch (quantity) {
        case Quantity::VolumeFlow: return volumeFlow;
        case Quantity::MassFlow: return massFlow;
        case Quantity::Density: return density;
        case Quantity::DynamicViscosity: return dynamicViscosity;
        case Quantity::KinematicViscosity: return kinematicViscosity;
        case Quantity::Pressure: return pressure;
        case Quantity::Temperature: return temperature;
        case Quantity::SmallLength: return smallLength;
        case Quantity::LongLength: return longLength;
        case Quantity::Area: return area;
        case Quantity::DialogArea: return dialogArea;
        case Quantity::DialogLength: return dialogLength;
    }
    return {};
}

std::vector<std::string> unitLabels(Quantity quantity) {
    std::vector<std::string> labels;
    for (const UnitRule& rule : unitRules(quantity)) labels.emplace_back(rule.label);
    return labels;
}

bool isMassFlowUnit(std::string_view label) { return find(massFlow, label) != nullptr; }

bool isNormFlowUnit(std::string_view label) {
    return label == "Nm³/h" || label == "Nm³/min" || label == "Nm³/s";
}

Real convertFlow(std::string_view label, Real value, Real densityKgM3) {
    if (const UnitRule* rule = find(massFlow, label)) return value * rule->factor / densityKgM3;
    return apply(volumeFlow, label, value);
}

Real normToOperating(Real normVolumeFlow, Real inletPressureBar, Real inletTemperatureK) {
    return normVolumeFlow * 1.01325L * inletTemperatureK / inletPressureBar / 273.15L;
}

Real convertDensity(std::string_view label, Real value) { return apply(density, label, value); }

Real convertViscosity(std::string_view label, Real value, Real densityKgM3) {
    if (const UnitRule* rule = find(kinematicViscosity, label)) return value * rule->factor * densityKgM3;
    return apply(dynamicViscosity, label, value);
}

Real convertPressure(std::string_view label, Real value) {
    if (label == plainPsi.label) return value * plainPsi.factor;
    return apply(pressure, label, value);
}

Real convertTemperature(std::string_view label, Real value) { return apply(temperature, label, value); }
Real convertSmallLength(std::string_view label, Real value) { return apply(smallLength, label, value); }
Real convertLongLength(std::string_view label, Real value) { return apply(longLength, label, value); }
Real convertArea(std::string_view label, Real value) { return apply(area, label, value); }
Real convertDialogArea(std::string_view label, Real value) { return apply(dialogArea, label, value); }
Real convertDialogLength(std::string_view label, Real value) { return apply(dialogLength, label, value); }

}  // namespace velmora::model
