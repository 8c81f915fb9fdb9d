#pragma once

// Texts of the water, steam and air dialogs in the caption file "varsonst.gru": the value of a text
// is its line offset inside the window's block.
namespace velmora::model {

// The block "TWasserDampfDlg" of the general water and steam dialog.
inline constexpr const char* kWaterSteamBlock = "TWasserDampfDlg";
enum class WaterSteamText : int {
    Title,             // " Wasser/-dampf (allgemein)"
    PressureLabel,     // "Druck (abs.):"
    TemperatureLabel,  // "Temperatur:"
    Results,           // "Berechnungsergebnis:"
    DensityMetric,     // "Dichte in kg/m³:"
    DensityUs,         // "Dichte in lb./cu.ft.:"
    VolumeMetric,      // "Spez. Volumen in m³/kg:"
    VolumeUs,          // "Spez. Volumen in cu.ft./lb.:"
    ViscosityMetric,   // "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,       // "Viskosität in cP:"
    Standard,          // "Berechnung nach Industrie-Standard IAPWS-IF 97"
    RangeLabel,        // "Bereich:"
    Range1,            // "0° C <= Temp. <= 800° C bei Druck (abs.) <= 1000 bar"
    Range2,            // "800° C < Temp. <= 900° C bei Druck (abs.) <= 100 bar"
    Calculate,         // "&Berechnen"
    TakeOver,          // "Daten &übernehmen"
    Close,             // "&Schließen"
    Info,              // "&Hinweise"
    InfoText,          // "Dichte und spezifisches Volumen nach der Industrie-Formulierung IAP..."
};

// The block "TWasserSaettDlg" of the saturated water and steam dialog.
inline constexpr const char* kWaterSaturationBlock = "TWasserSaettDlg";
enum class WaterSaturationText : int {
    Title,             // "Wasser/-dampf (Sättigungszustand)"
    Given,             // "Gegeben"
    GivenTemperature,  // "Temperatur"
    GivenPressure,     // "Druck"
    TemperatureLabel,  // "Temperatur:"
    PressureLabel,     // "Druck:"
    Range,             // "Bereich: 0 bis 373° C (32 bis 703,4° F)"
    Standard,          // "Berechnung nach IAPWS-IF 97"
    Calculate,         // "&Berechnen"
    VapourColumn,      // "Gesättigter Dampf"
    LiquidColumn,      // "Gesättigte Flüssigkeit"
    DensityMetric,     // "Dichte in kg/m³:"
    DensityUs,         // "Dichte in lb./cu.ft.:"
    VolumeMetric,      // "Spez. Volumen in m³/kg:"
    VolumeUs,          // "Spez. Volumen in cu.ft./lb.:"
    ViscosityMetric,   // "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,       // "Viskosität in cP:"
    TakeLiquid,        // "Daten von &Flüssigkeit übernehmen"
    TakeVapour,        // "Daten von &Dampf übernehmen"
    Close,             // "&Schließen"
    LiquidName,        // "Siedendes Wasser"
    VapourName,        // "Sattdampf"
};

// The block "TLuftDlg" of the dry air dialog.
inline constexpr const char* kDryAirBlock = "TLuftDlg";
enum class DryAirText : int {
    Title,             // "Stoffdaten von trockener Luft"
    PressureLabel,     // "Druck (abs.):"
    PressureNote,      // "max. 20 000 bar"
    TemperatureLabel,  // "Temperatur:"
    TemperatureNote,   // "Bereich: 60 bis 2000 K"
    StateLabel,        // "Aggregatzustand:"
    DensityMetric,     // "Dichte in kg/m³:"
    DensityUs,         // "Dichte in lb./cu.ft.:"
    VolumeMetric,      // "Spez. Volumen in m³/kg:"
    VolumeUs,          // "Spez. Volumen in cu.ft./lb.:"
    ViscosityMetric,   // "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,       // "Viskosität in cP:"
    Calculate,         // "&Berechnen"
    TakeOver,          // "&Daten übernehmen"
    Close,             // "&Schließen"
    Info,              // "&Hinweise"
    InfoText1,         // "Dichte nach der Zustandsgleichung für trockene Luft von Lemmon, Jac..."
    InfoText2,         // "Viskosität nach Lemmon und Jacobsen (2004)."
    Note,              // "Gültig von 60 K bis 2000 K und bis 20 000 bar; unterhalb 132,6 K wi..."
    TemperatureRange,  // "Die Temperatur muss über 0 K und höchstens 2000 K betragen."
    PressureRange,     // "Der Druck muss über 0 bar und höchstens 20 000 bar betragen."
};

// The block "TFeuchteLuftDlg" of the humid air dialog.
inline constexpr const char* kHumidAirBlock = "TFeuchteLuftDlg";
enum class HumidAirText : int {
    Title,               // "Stoffdaten von feuchter Luft"
    PressureLabel,       // "Druck (abs.):"
    PressureNote,        // "max. 100 bar"
    TemperatureLabel,    // "Temperatur:"
    TemperatureNote,     // "Bereich: 0 bis 200 °C"
    HumidityRelative,    // "Relative Feuchte in %:"
    HumidityContent,     // "Feuchtegehalt in kg Wasser/kg trockene Luft:"
    Results,             // "Ergebnisse:"
    ResultRelative,      // "Relative Feuchte in %:"
    ResultContent,       // "Feuchtegehalt (kg Wasser / kg trockene Luft):"
    ResultSaturation,    // "Feuchtegehalt im Sättigungszustand:"
    DegreeOfSaturation,  // "Sättigungsgrad:"
    MoleFraction,        // "Molanteil (Mole Wasser / Mole feuchte Luft):"
    DewPointMetric,      // "Taupunkttemperatur in °C:"
    DewPointUs,          // "Taupunkttemperatur in °F:"
    DensityMetric,       // "Dichte in kg/m³:"
    DensityUs,           // "Dichte in lb./cu.ft.:"
    VolumeMetric,        // "Spez. Volumen in m³/kg:"
    VolumeUs,            // "Spez. Volumen in cu.ft./lb.:"
    ViscosityMetric,     // "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,         // "Viskosität in cP:"
    Calculate,           // "&Berechnen"
    TakeOver,            // "&Daten übernehmen"
    Close,               // "&Schließen"
    Info,                // "&Hinweise"
    InfoText1,           // "Dichte nach der CIPM-Formel für feuchte Luft (1981/91), Viskosität ..."
    InfoText2,           // "oberhalb 1,013 bar nach Gardner für den Druck korrigiert."
    Note,                // "Gültig von 0 bis 200 °C und bis 100 bar; der Wasserdampf-Partialdru..."
    TemperatureRange,    // "Die Temperatur muss zwischen 0 und 200 °C liegen."
    PressureRange,       // "Der Druck muss über 0 bar und höchstens 100 bar betragen."
    HumidityRange,       // "Die Feuchte liegt außerhalb des möglichen Bereichs (relative Feucht..."
};

// The block "TLuftSaettDlg" of the saturated air dialog.
inline constexpr const char* kSaturatedAirBlock = "TLuftSaettDlg";
enum class SaturatedAirText : int {
    Title,             // "Stoffdaten Luft (Sättigungszustand)"
    TemperatureLabel,  // "Temperatur:"
    TemperatureNote,   // "Bereich: 60 bis 132 K"
    VapourColumn,      // "Gesättigter Dampf"
    LiquidColumn,      // "Gesättigte Flüssigkeit"
    PressureMetric,    // "Druck in bar:"
    PressureUs,        // "Druck in psi:"
    DensityMetric,     // "Dichte in kg/m³:"
    DensityUs,         // "Dichte in lb./cu.ft.:"
    VolumeMetric,      // "Spez. Volumen in m³/kg:"
    VolumeUs,          // "Spez. Volumen in cu.ft./lb.:"
    ViscosityMetric,   // "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,       // "Viskosität in cP:"
    Calculate,         // "&Berechnen"
    TakeLiquid,        // "Daten von &Flüssigkeit übernehmen"
    TakeVapour,        // "Daten von &Dampf übernehmen"
    Close,             // "&Schließen"
    LiquidName,        // "Flüssige Luft"
    VapourName,        // "Gesättigter Luftdampf"
};

}  // namespace velmora::model
