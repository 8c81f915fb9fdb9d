#pragma once

// Texts of the gas database dialog in the caption file "varsonst.gru": the value of a text is its
// line offset inside the block "TGaseDlg".
namespace velmora::model {

inline constexpr const char* kGasDatabaseBlock = "TGaseDlg";

enum class GasDatabaseText : int {
    Title,                     // "Datenbank sonstige Gase"
    ListLabel,                 // "Gas:"
    Cas,                       // "CAS-Nr."
    Melting,                   // "Schmelzpunkt:"
    Boiling,                   // "Siedepunkt:"
    Pressure,                  // "Druck (abs.):"
    BoilingAtPressure,         // "Siedepunkt bei geg. Druck:"
    Critical,                  // "Kritische Temperatur:"
    Measured,                  // "Messwerte (*):"
    TemperatureList,           // "Temperatur in °C:"
    DensityMetric,             // "Dichte in kg/m³:"
    DensityUs,                 // "Dichte in lb./cu.ft.:"
    ViscosityMetric,           // "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,               // "Viskosität in cP:"
    TakeMeasured,              // "Daten &übernehmen"
    LiquidWarning,             // "Medium ist flüssig => keine Gas-Daten-Berechnung!"
    Interpolation,             // "Messwerte interpolieren:"
    InterpolationTemperature,  // "Temperatur:"
    Interpolate,               // "&Interpolieren"
    TakeInterpolated,          // "Daten ü&bernehmen"
    Close,                     // "&Schließen"
    PressureAbove,             // "Der Druck liegt über dem Bereich der Berechnung (max. 1000 b"
    LiquidMessage,             // "Das Medium ist bei diesem Druck und dieser Temperatur flüssi"
    Note1,                     // "(*) Die Viskositäten sind Werte bei Normaldruck (1,013 bar)."
    Note2,                     // "Oberhalb 1,013 bar wird die Viskosität nach Gardner für den "
    Note3,                     // "Die Dichten werden nach Redlich-Kwong-Soave berechnet; der D"
    Note4,                     // "Oberhalb der kritischen Temperatur lässt sich ein Gas auch d"
};

}  // namespace velmora::model
