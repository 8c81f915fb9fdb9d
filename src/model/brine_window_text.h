#pragma once

// Texts of window blocks in the caption file "varsonst.gru": the value of a text is its line
// offset inside the block (Title is the block's first line).
namespace velmora::model {

// The brine dialog's block "TKuehlsolen".
enum class BrineText : int {
    Title,            // form caption: "Kühlsolen berechnen"
    ListLabel,        // label of the brine list: "Kühlsole:"
    Brine1,           // brine 1: "Ethylenglykol"
    Brine2,           // brine 2: "Propylenglykol"
    Brine3,           // brine 3: "Ethanol"
    Brine4,           // brine 4: "Methanol"
    Brine5,           // brine 5: "Glycerin"
    Brine6,           // brine 6: "Ammoniak"
    Brine7,           // brine 7: "Kaliumcarbonat"
    Brine8,           // brine 8: "Calciumchlorid"
    Brine9,           // brine 9: "Magnesiumchlorid"
    Brine10,          // brine 10: "Natriumchlorid"
    Concentration,    // label of the concentration entry: "Konzentration:"
    Temperature,      // label of the temperature entry: "Temperatur:"
    Range,            // caption of the range panel: "Bereich:"
    Results,          // caption of the results: "Ergebnisse:"
    DensityMetric,    // density caption, metric output: "Dichte in kg/m³:"
    DensityUs,        // density caption, US output: "Dichte in lb./cu.ft.:"
    ViscosityMetric,  // viscosity caption, metric output: "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,      // viscosity caption, US output: "Viskosität in cP:"
    Calculate,        // button: "&Berechnen"
    TakeOver,         // button: "Daten &übernehmen"
    Close,            // button: "&Schließen"
    Info,             // information button: "&Hinweise"
    InfoText1,  // information, first text: "Dichte, Viskosität und Gefrierpunkt nach den Polynomen von Å.
                // Melinder für Kälteträger (IIR, 1997)."
    InfoText2,  // information, second text: "Die Temperatur muss über dem Gefrierpunkt der gewählten
                // Konzentration liegen."
};

}  // namespace velmora::model
