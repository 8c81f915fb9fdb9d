#pragma once

// Texts of window blocks in the caption file "varsonst.gru": the value of a text is its line
// offset inside the block (Title is the block's first line).
namespace velmora::model {

// The aqueous solution dialog's block "TWaessrigeLoesungen".
enum class SolutionText : int {
    Title,                 // form caption: "Wässrige Lösungen berechnen"
    ListLabel,             // label of the solute list: "Gelöster Stoff:"
    Temperature,           // label of the temperature entry: "Temperatur:"
    Concentration,         // label of the concentration entry: "Konzentration:"
    ConcentrationUnit,     // unit of the concentration: "Massen %"
    Results,               // caption of the single result: "Ergebnisse:"
    DensityMetric,         // density caption, metric output: "Dichte in kg/m³:"
    DensityUs,             // density caption, US output: "Dichte in lb./cu.ft.:"
    ViscosityMetric,       // viscosity caption, metric output: "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,           // viscosity caption, US output: "Viskosität in cP:"
    Calculate,             // button: "&Berechnen"
    TakeOver,              // button: "Daten &übernehmen"
    MixtureTitle,          // caption of the mixture part: "Stoff-Mischung:"
    MixtureConcentration,  // heading of the slot concentrations: "Konz. in Ma%"
    AddToMixture,          // button: "Stoff in Mischung übernehmen"
    RemoveFromMixture,     // remove buttons of the slots: "Stoff aus Mischung entfernen"
    MixtureTemperature,    // label of the mixture temperature: "Temperatur der Mischung:"
    MixtureCalculate,      // button: "Mischung &Berechnen"
    MixtureResult,         // caption of the mixture result: "Berechnungsergebnis Mischung:"
    MixtureTakeOver,       // button: "&Mischungs-Daten übernehmen"
    Close,                 // button: "&Schließen"
    Info,                  // information button: "&Hinweise"
    InfoText1,  // information, text 1: "Dichte und Viskosität der Lösung aus denen des Wassers (IAPWS-IF97,
                // 1,013 bar) und logarithmischen Mischungsgliedern je gelöstem Stoff."
    InfoText2,  // information, text 2: "Die Koeffizienten sind an die Modelle von Laliberté angepasst; sie
                // gelten bis zu der Konzentration und in dem Temperaturbereich, die in der Beschreibung des
                // Stoffes stehen (auf 3 % genau)."
    InfoText3,  // information, text 3: "Eine Mischung addiert die Glieder ihrer Stoffe; Wechselwirkungen der
                // gelösten Stoffe untereinander sind nicht erfasst."
    InfoText4,  // information, text 4: "Gültig von 0 bis 200 °C bei Umgebungsdruck."
    BelowRange,            // message: temperature below 0 °C: "Die Temperatur liegt unter 0 °C."
    AboveRange,            // message: temperature above 200 °C: "Die Temperatur liegt über 200 °C."
    ConcentrationTooHigh,  // message: concentration of 100 % or more: "Die Konzentration muss unter 100 %
                           // liegen."
    TooFewSubstances,  // message: fewer than two solutes in the mixture: "Bitte mindestens zwei Stoffe in die
                       // Mischung übernehmen."
    SumTooHigh,  // message: concentrations adding up to 100 % or more: "Die Summe der Konzentrationen muss
                 // unter 100 % liegen."
};

}  // namespace velmora::model
