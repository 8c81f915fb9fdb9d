#pragma once

// The texts of the caption-file blocks of the results window and the short display: the value of
// a text is its line offset inside the block.
namespace velmora::model {

// Block "TAusgabe_Fenster".
enum class ResultsWindowText : int {
    Title,          // window caption before a project has a name
    ProjectLabel,   // "Projekt:"
    HintRemove,     // tool-bar hints
    HintSave,
    HintCopyTable,
    HintCopyToInputs,
    HintZoomIn,
    HintZoomOut,
    HintFont,
    HintPrint,
    Count
};

// Block "TKurzAnzeige".
enum class ShortDisplayText : int {
    Title,
    LineUp,      // "Zeile nach &oben"
    LineDown,    // "Zeile nach &unten"
    Delete,      // "Berechnung &löschen"
    Count
};

}  // namespace velmora::model

namespace velmora::model {

// Block "TEinstellungen" of the settings dialog.
enum class SettingsDialogText : int {
    Title,
    ValueOutput,     // value output: metric or US
    Metric,
    Us,
    Decimals,
    SaveAtExit,
    Yes,
    No,
    UserDatabaseUnits,
    TitleForm,
    TitlePath,       // "Dateiname + Pfad"
    TitleFileName,   // "nur Dateiname"
    Language,        // edition of the next start
    Hint1,
    Hint2,
    Count
};

}  // namespace velmora::model
