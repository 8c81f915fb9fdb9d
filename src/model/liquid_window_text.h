#pragma once

// Texts of the liquids database dialog in the caption file "varsonst.gru": the value of a text is
// its line offset inside the block "TFluessigkeitenDlg".
namespace velmora::model {

inline constexpr const char* kLiquidDatabaseBlock = "TFluessigkeitenDlg";

enum class LiquidDatabaseText : int {
    Title,                     // "Datenbank sonstige Flüssigkeiten"
    ListLabel,                 // "Flüssigkeit:"
    Melting,                   // "Schmelzpunkt:"
    Boiling,                   // "Siedepunkt:"
    Measured,                  // "Messwerte:"
    TemperatureList,           // "Temperatur in °C"
    DensityMetric,             // "Dichte in kg/m³:"
    DensityUs,                 // "Dichte in lb./cu.ft.:"
    ViscosityMetric,           // "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,               // "Viskosität in cP:"
    TakeMeasured,              // "Daten &übernehmen"
    Interpolation,             // "Messwerte interpolieren:"
    InterpolationTemperature,  // "Temperatur:"
    Interpolate,               // "&Interpolieren"
    TakeInterpolated,          // "Daten ü&bernehmen"
    Close,                     // "&Schließen"
    OutsideRange,              // "Die Temperatur liegt nicht innerhalb des Bereichs der Messwe"
};

}  // namespace velmora::model
