#pragma once

// Texts of window blocks in the caption file "varsonst.gru": the value of a text is its line
// offset inside the block (Title is the block's first line).
namespace velmora::model {

// The property estimation dialog's block "TStoffdatenBerechnen".
enum class EstimationText : int {
    Title,                // form caption: "Stoffdaten berechnen"
    SearchLabel,          // label of the search entry: "Medium suchen:"
    SearchButton,         // button: "&Suchen"
    SearchBy,             // caption of the search choice: "Suchen nach"
    SearchFormula,        // search choice 0: "Formel (z.B. C2H3Cl3)"
    SearchCas,            // search choice 1: "CAS-Nr. (z.B. 71-55-6)"
    SearchRefrigerant,    // search choice 2: "Kältemittel (z.B. R290)"
    ListLabel,            // label of the substance list: "Stoff:"
    Formula,              // label of the formula: "Formel:"
    CasNumber,            // label of the CAS and refrigerant number: "CAS / R-Nr.:"
    MeltingPoint,         // label: "Schmelzpunkt:"
    BoilingPoint,         // label: "Siedepunkt:"
    CriticalTemperature,  // label: "Kritische Temperatur:"
    Pressure,             // label of the pressure entry: "Druck (abs.):"
    BoilingAtPressure,    // label of the boiling point at the pressure: "Siedepunkt bei geg. Druck:"
    Temperature,          // label of the temperature entry: "Temperatur:"
    State,                // label of the state: "Aggregat-Zustand:"
    DensityMetric,        // density caption, metric output: "Dichte in kg/m³:"
    DensityUs,            // density caption, US output: "Dichte in lb./cu.ft.:"
    ViscosityMetric,      // viscosity caption, metric output: "Viskosität in 10^-6 kg/ms:"
    ViscosityUs,          // viscosity caption, US output: "Viskosität in cP:"
    Calculate,            // button: "&Berechnen"
    TakeOver,             // button: "Daten &übernehmen"
    Close,                // button: "&Schließen"
    Info,                 // information button: "&Hinweise"
    InfoText1,  // information, text 1: "Die Werte sind Schätzungen aus kritischen Daten: Dichte nach Rackett
                // bzw. Soave-Redlich-Kwong (etwa 5 %), Viskosität nach Przezdziecki-Sridhar bzw. Chung (etwa
                // 20 %)."
    InfoText2,  // information, text 2: "Wo der Stoff eine eigene Viskositätsgleichung hat, gilt sie in ihrem
                // Temperaturbereich; sonst ist die Viskosität mit ca. gekennzeichnet. Daten: ChemSep 8.32,
                // CoolProp."
    MixtureTitle,       // caption of the mixture part: "Stoff-Mischung:"
    FractionKind,       // caption of the kind of fraction: "Anteil:"
    MassFraction,       // kind of fraction 0: "Massen-Anteil %"
    MoleFraction,       // kind of fraction 1: "Stoffmengen-Anteil %"
    AddToMixture,       // button: "Stoff in Mischung übernehmen"
    RemoveFromMixture,  // remove buttons of the slots: "Stoff aus Mischung entfernen"
    MixtureCalculate,   // button: "Mischung &Berechnen"
    MixtureResult,      // caption of the mixture result: "Berechnungsergebnis Mischung:"
    MixtureTakeOver,    // button: "&Mischungs-Daten übernehmen"
    NotFound,       // message: no substance matches the search: "Der gesuchte Stoff ist nicht in der Datei
                    // enthalten."
    PressureBelow,  // message: pressure below 0.1 bar: "Der Druck muss mindestens 0,1 bar (abs.) betragen."
    PressureAbove,  // message: pressure above 1000 bar: "Für Drücke über 1000 bar sind die Schätzverfahren
                    // nicht geeignet."
    NegativeTemperature,  // message: absolute temperature below zero: "Die absolute Temperatur kann nicht
                          // negativ sein."
    BelowMelting,         // message: temperature below the melting point: "Die Temperatur liegt unter dem
                          // Schmelzpunkt des Stoffes."
    Supercritical,  // state text: above critical temperature and pressure: "überkritisch (wie Gas berechnet)"
    TooFewSubstances,  // message: fewer than two substances in the mixture: "Bitte mindestens zwei Stoffe in
                       // die Mischung übernehmen."
    SumNot100,  // message: fractions not adding up to 100 %: "Die Anteile müssen zusammen 100 % ergeben."
    NotComputable,  // message: a mixture that cannot be computed: "Die Mischung kann nicht berechnet werden:
                    // ein Stoff liegt unter seinem Schmelzpunkt, oder die Stoffe wären einzeln nicht im
                    // selben Aggregatzustand."
};

}  // namespace velmora::model
