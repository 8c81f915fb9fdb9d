#pragma once

// Texts of window blocks in the caption file "varsonst.gru": the value of a text is its line
// offset inside the block (Title is the block's first line).
namespace velmora::model {

// The heat-transfer oil dialog's block "TWaermetraegeroele".
enum class OilText : int {
    Title,            // form caption: "Wärmeträgeröle berechnen"
    ListLabel,        // label of the oil list: "Wärmeträgeröl:"
    KindMineral,      // description of kind 1: "Mineralisches Wärmeträgeröl"
    KindSynthetic,    // description of kind 2: "Synthetisches Wärmeträgeröl"
    KindOther,        // description of kinds 3 and 4: "Silikonöl oder sonstiger Wärmeträger"
    Temperature,      // label of the temperature entry: "Temperatur:"
    RangeNote,        // note beside the temperature: "(0 - 300° C)"
    Results,          // caption of the results: "Ergebnisse:"
    DensityMetric,    // density caption, metric output: "Dichte in kg/m³:"
    DensityUs,        // density caption, US output: "Dichte in lb./cu.ft.:"
    ViscosityMetric,  // viscosity caption, metric output: "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,      // viscosity caption, US output: "Viskosität in cP:"
    Calculate,        // button: "&Berechnen"
    TakeOver,         // button: "Daten &übernehmen"
    Close,            // button: "&Schließen"
    Info,             // information button: "&Hinweise"
    InfoText1,  // information, first line: "Dichte als kubisches Polynom, Viskosität als ν = exp(E + F/(G +
                // t)), angepasst an die Datenblätter der Hersteller."
    InfoText2,  // information, second line: "Die Viskosität gilt auf 3 % genau im angepassten
                // Temperaturbereich der Öldaten (Quelle und Bereich in WT.STW)."
    BelowRange,  // message: temperature below 0 °C: "Die Temperatur liegt unter 0 °C, unterhalb des Bereichs
                 // der Öldaten."
    AboveRange,  // message: temperature above 300 °C: "Die Temperatur liegt über 300 °C, oberhalb des
                 // Bereichs der Öldaten."
};

}  // namespace velmora::model
