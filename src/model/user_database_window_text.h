#pragma once

// Texts of window blocks in the caption file "varsonst.gru": the value of a text is its line
// offset inside the block (Title is the block's first line).
namespace velmora::model {

// The user database editor's block "TBenutzerDatenbankBearbeiten".
enum class UserDatabaseEditText : int {
    Title,          // form caption: "Benutzerdefinierte Datenbank bearbeiten"
    Medium,         // label of the name entry: "Medium:"
    State,          // caption of the state buttons: "Aggregatzustand:"
    Liquid,         // state button: "flüssig"
    Gaseous,        // state button: "gasförmig"
    GasData,        // caption of the gas entries: "Angaben für Gase:"
    Temperature,    // temperature label, the unit follows: "Temperatur"
    Pressure,       // pressure label, the unit follows: "Druck"
    Density,        // density label, the unit follows: "Dichte"
    Viscosity,      // viscosity label, the unit follows: "Viskosität"
    Notes,          // label of the notes: "Bemerkungen:"
    RecordWord,     // word of the position line: "Datensatz"
    Back1,          // paging button hint: "1 Datensatz zurück"
    Forward1,       // paging button hint: "1 Datensatz nach vorne"
    Back5,          // paging button hint: "5 Datensätze zurück"
    Forward5,       // paging button hint: "5 Datensätze nach vorne"
    New,            // button: "Datensatz &neu"
    Delete,         // button: "Datensatz &löschen"
    Sort,           // button: "&Sortieren nach Medium"
    SaveAndClose,   // button: "&Beenden und speichern"
    Cancel,         // button: "&Abbrechen"
    NoRecords,      // position line of an empty list: "Keine Datensätze"
    SaveFailed,     // message: USER.DAT could not be written; the reason follows: "USER.DAT konnte nicht
                    // gespeichert werden; die bisherige Datei ist unverändert:"
    NotInCodePage,  // message: a character that the file cannot hold; the character and the field follow:
                    // "Dieses Zeichen kann in USER.DAT nicht gespeichert werden (nur Zeichen der Codepage
                    // Windows-1252):"
};

// The user database selection's block "TBenutzerDatenbank".
enum class UserDatabaseText : int {
    Title,        // form caption: "Benutzerdefinierte Datenbank"
    ListLabel,    // label of the media list: "Medium:"
    State,        // caption of the state buttons: "Aggregatzustand:"
    Liquid,       // state button: "flüssig"
    Gaseous,      // state button: "gasförmig"
    GasData,      // caption of the gas values: "Angaben für Gase:"
    Temperature,  // temperature label, the unit follows: "Temperatur"
    Pressure,     // pressure label, the unit follows: "Druck"
    Density,      // density label, the unit follows: "Dichte"
    Viscosity,    // viscosity label, the unit follows: "Viskosität"
    Notes,        // label of the notes: "Bemerkungen:"
    TakeOver,     // button: "Daten &übernehmen"
    Cancel,       // button: "&Abbrechen"
};

}  // namespace velmora::model
