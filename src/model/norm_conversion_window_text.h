#pragma once

// Texts of the standard-to-operating flow conversion in the caption file "varsonst.gru": the value
// of a text is its line offset inside the block "TNormBetriebDlg".
namespace velmora::model {

inline constexpr const char* kNormConversionBlock = "TNormBetriebDlg";

enum class NormConversionText : int {
    Title,             // "Umrechnung Norm-m³ in Betriebs-m³"
    FlowLabel,         // "Volumenstrom im Normzustand (0°C und 1,01325 bar):"
    TemperatureLabel,  // "Temperatur:"
    PressureLabel,     // "Druck (abs.):"
    ResultLabel,       // "Volumenstrom im Betriebszustand:"
    Calculate,         // "&Berechnen"
    TakeOver,          // "Daten &übernehmen"
    Cancel,            // "&Abbrechen"
};

}  // namespace velmora::model
