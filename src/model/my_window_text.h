#pragma once

// The texts of the main window's block "MyWindow" in the caption file "varsonst.gru": the value
// of a text is its line offset inside the block (Title is the block's first line).
namespace velmora::model {

enum class MyWindowText : int {
    Title,                       // window title: "Velmora – Druckverlust in Rohrleitungen"
    MenuFile,                    // menu caption File: "&Datei"
    FileNew,                     // File: new project: "&Neu"
    FileOpen,                    // File: open project: "Ö&ffnen..."
    FileSave,                    // File: save project: "&Speichern"
    FileSaveAs,                  // File: save project as: "Speichern &unter..."
    FileExit,                    // File: exit: "&Beenden"
    MenuEdit,                    // menu caption Edit: "&Bearbeiten"
    EditCopy,                    // Edit and entry pop-up: copy: "&Kopieren"
    EditPaste,                   // Edit and entry pop-up: paste: "&Einfügen"
    EditDelete,                  // Edit and entry pop-up: delete: "&Löschen"
    MenuTable,                   // menu caption Table: "&Tabelle"
    TableShow,                   // Table: show the results window (ticked): "Tabelle &anzeigen"
    TablePrint,                  // Table: print: "Tabelle &drucken..."
    TableChangeColumn,           // Table: change one column: "Gewählte Tabellenspalte ä&ndern..."
    TableChangeAll,              // Table: change the whole table: "&Globale Tabellenänderungen..."
    TableFont,                   // Table: font: "&Schriftart ändern..."
    TableZoomIn,                 // Table: larger view: "Ansicht g&rößer"
    TableZoomOut,                // Table: smaller view: "Ansicht &kleiner"
    TableColumnWidths,           // Table: column widths: "Spalten&breite ändern..."
    TableRemoveColumn,           // Table: remove column: "Gewählte Spalte &entfernen"
    TableCopyToClipboard,        // Table: copy to the clipboard: "Kopieren in &Zwischenablage"
    TableCopyToInputs,           // Table: copy a column into the inputs: "Kopieren in E&ingabefelder"
    MenuShortDisplay,            // menu caption Short display: "&Kurzanzeige"
    ShortDisplayShow,            // Short display: show (ticked): "Kurzanzeige &anzeigen"
    ShortDisplayPrint,           // Short display: print: "Kurzanzeige &drucken..."
    MenuCalculate,               // menu caption Calculate: "Be&rechnen"
    CalcPressureLoss,            // Calculate: pressure loss, F3: "&Druckverlust berechnen"
    CalcSystemCurve,             // Calculate: system characteristic curve
    CalcNominalDiameterLiquid,   // Calculate: economic pipe size, liquids
    CalcNominalDiameterGas,      // Calculate: economic pipe size, gases: "Wirtscha. Rohrnennweite &Gas..."
    CalcPumpDesign,              // Calculate: pump quick design: "&Pumpen-Schnellauslegung..."
    CalcNpsh,                    // Calculate: NPSH available: "&NPSH-Wert..."
    CalcHead,                    // Calculate: pressure loss to head: "Förder&höhe..."
    CalcPipeContent,             // Calculate: pipe content and filling time: "Rohr-&Inhalt/Füllzeit..."
    CalcVelocityToFlow,          // Calculate: velocity to volume flow
    CalcFlowToVelocity,          // Calculate: volume flow to velocity
    CalcKvToZeta,                // Calculate: kv to zeta: "&kv in Zeta..."
    CalcCvToZeta,                // Calculate: Cv to zeta: "&Cv in Zeta..."
    CalcNormToOperating,         // Calculate: norm to operating volume flow: "Norm-m³ in &Betriebs-m³..."
    CalcChannelExisting,         // Calculate: existing open channel: "Vorhandenes Gerinne be&rechnen..."
    CalcChannelDesign,           // Calculate: open channel design: "Gerinne &auslegen..."
    CalcOutflowConstant,         // Calculate: outflow at constant level
    CalcOutflowFalling,          // Calculate: outflow at falling level
    CalcOrificeDesign,           // Calculate: orifice sizing: "Drosselblende-Aus&legung..."
    MenuMedium,                  // menu caption Medium: "&Fördermedium"
    MediumWaterGeneral,          // Medium: water and steam: "Stoffdaten &Wasser/-dampf (allgemein)..."
    MediumWaterSaturated,        // Medium: saturated water and steam
    MediumAirDry,                // Medium: dry air: "Stoffdaten &Luft..."
    MediumAirHumid,              // Medium: humid air: "Stoffdaten feuc&hte Luft..."
    MediumAirSaturated,          // Medium: saturated air: "Stoffdaten Luft (Sä&ttigungszustand)..."
    MediumLiquids,               // Medium: fluids database: "Stoffdaten sonstige &Flüssigkeiten..."
    MediumGases,                 // Medium: gases database: "Stoffdaten sonstige &Gase..."
    MediumBrines,                // Medium: brines: "Kühlsolen berechnen..."
    MediumOils,                  // Medium: heat-transfer oils: "Wärmeträger&öle berechnen..."
    MediumAqueous,               // Medium: aqueous solutions: "Wässrige Lös&ungen berechnen..."
    MediumEstimate,              // Medium: property estimation: "Stoffdaten &berechnen..."
    MediumUserDatabase,          // Medium: choose from the user database
    MediumUserDatabaseEdit,      // Medium: edit the user database
    MenuData,                    // menu caption Pipe data: "Rohr&leitungsdaten"
    DataSelectElement,           // Pipe data: element selection: "Rohrleitungs&element wählen..."
    DataPipesCircular,           // Pipe data: circular pipe tables: "&Rohre kreisförmig..."
    DataPipesRectangular,        // Pipe data: rectangular pipe tables: "Rohre rec&hteckig..."
    DataBends,                   // Pipe data: standard bends: "&Bögen..."
    DataReducers,                // Pipe data: reducers and expansions: "Re&duzierungen/Erweiterungen..."
    DataTees,                    // Pipe data: standard tees: "&T-Stücke..."
    DataZetaDatabase,            // Pipe data: zeta database: "&Zeta-Datenbank..."
    MenuOptions,                 // menu caption Options: "&Optionen"
    OptionsSettings,             // Options: settings dialog: "&Einstellungen..."
    MenuHelp,                    // menu caption Help: "&Hilfe"
    HelpIndex,                   // Help: help file, F1: "&Index"
    HelpAbout,                   // Help: about box: "Inf&o über Velmora..."
    HintSelectElement,           // tool-bar hint: element selection: "Rohrleitungselement wählen"
    HintZetaDatabase,            // tool-bar hint: zeta database: "Zeta-Datenbank"
    HintPipeTables,              // tool-bar hint: pipe tables: "Rohrtabellen"
    HintCalculate,               // tool-bar hint: calculate: "Druckverlust berechnen (F3)"
    HintWaterGeneral,            // tool-bar hint: water and steam: "Stoffdaten Wasser/-dampf (allgemein)"
    HintWaterSaturated,          // tool-bar hint: saturated water and steam
    HintAir,                     // tool-bar hint: air: "Stoffdaten Luft"
    HintLiquids,                 // tool-bar hint: fluids database: "Stoffdaten sonstige Flüssigkeiten"
    HintGases,                   // tool-bar hint: gases database: "Stoffdaten sonstige Gase"
    HintUserDatabase,            // tool-bar hint: user database: "Benutzerdefinierte Datenbank"
    HintEstimate,                // tool-bar hint: property estimation: "Stoffdaten berechnen"
    HintAqueous,                 // tool-bar hint: aqueous solutions: "Wässrige Lösungen berechnen"
    HintElementInfo,             // tool-bar hint: element information
    HintGasFlowInfo,             // tool-bar hint: gas entry notes: "Hinweise zur Eingabe bei Gasen"
    MediumPanelTitle,            // title of the medium panel: "Angaben zum Fördermedium"
    FlowQuantityVolume,          // flow quantity choice: volume flow: "Vol.strom:"
    FlowQuantityMass,            // flow quantity choice: mass flow: "Ma.strom:"
    ViscosityQuantityDynamic,    // viscosity quantity choice: dynamic: "Dyn.Viskos."
    ViscosityQuantityKinematic,  // viscosity quantity choice: kinematic: "Kin.Viskos."
    StateLiquid,                 // state choice: liquid: "flüssig"
    StateGas,                    // state choice: gas: "gasförmig"
    GasPanelTitle,               // title of the gas entries: "Angaben für Gase:"
    InletPressure,               // label: gas inlet pressure, absolute: "Eingangsdruck (abs.):"
    InletTemperature,            // label: gas inlet temperature: "Eingangstemperatur:"
    OutletTemperature,           // label: gas outlet temperature: "Ausgangstemperatur:"
    ElementPanelTitle,           // title of the element panel: "Rohrleitungselement"
    PipeDesignation,             // label: pipe designation: "Rohrbezeichnung:"
    ElementCount,                // label: element count: "Anzahl:"
    Roughness,                   // label: wall roughness: "Rauigkeit k:"
    BranchFlow,                  // label: branch flow of a tee: "Volumenstrom im Abzweig:"
    HintRoughnessDatabase,       // hint: roughness database button: "Rauigkeits-Datenbank"
    HintRoughnessInfo,           // hint: roughness note button: "Hinweis zur Rauigkeit"
    ButtonCalculate,             // calculate button: "Berechnen"
    RoughnessInfo1,              // roughness hint, line 1
    RoughnessInfo2,              // roughness hint, line 2
    GasFlowInfo1,                // gas entry hints, line 1 of 6
    GasFlowInfo2,                // gas entry hints, line 2 of 6
    GasFlowInfo3,                // gas entry hints, line 3 of 6
    GasFlowInfo4,                // gas entry hints, line 4 of 6
    GasFlowInfo5,                // gas entry hints, line 5 of 6
    GasFlowInfo6,                // gas entry hints, line 6 of 6
    Count
};

static_assert(static_cast<int>(MyWindowText::Count) == 113);

}  // namespace velmora::model
