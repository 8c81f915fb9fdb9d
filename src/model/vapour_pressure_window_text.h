#pragma once

// Texts of the vapour-pressure database dialog in the caption file "varsonst.gru": the value of a
// text is its line offset inside the block "TDampfdruckDlg".
namespace velmora::model {

inline constexpr const char* kVapourPressureBlock = "TDampfdruckDlg";

enum class VapourPressureText : int {
    Title,         // "Dampfdruck/Dichte-Datenbank"
    ListLabel,     // "Stoff:"
    MolarMass,     // "Molmasse kg/kmol:"
    Melting,       // "Schmelzpunkt °C:"
    Boiling,       // "Siedepunkt °C:"
    Range1,        // "Temperaturbereich in °C, in dem"
    Range2,        // "eine Berechnung möglich ist:"
    Min,           // "min."
    Max,           // "max."
    Temperature,   // "Temperatur in °C:"
    Pressure,      // "Dampfdruck in bar:"
    Density,       // "Dichte in kg/m³:"
    Note1,         // "Achtung: Die angeg. Daten sind Rechenwerte."
    Note2,         // "Geringe Abweichungen zur Realität sind möglich."
    TakeBoth,      // "&Beide Werte übernehmen"
    TakePressure,  // "Nur &Dampfdruck übernehmen"
    TakeDensity,   // "Nur D&ichte übernehmen"
    Cancel,        // "&Abbrechen"
};

}  // namespace velmora::model
