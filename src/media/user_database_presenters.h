#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "lang/text_catalogue.h"
#include "media/medium_transfer.h"
#include "media/user_database.h"
#include "model/dialog_form.h"
#include "model/messenger.h"
#include "model/unit_system.h"

namespace velmora::media {

// The records of the user database, shared by the editor (which owns and writes them) and the
// selection (which reads them, unsaved edits included), and the file they come from.
struct UserDatabase {
    std::filesystem::path path;
    std::vector<UserRecord> records;
};

// The fields of the editor (TBenutzerDatenbankBearbeiten); the selection uses the same numbers
// for the fields both have.
enum class UserDatabaseField {
    Title,
    NameLabel,
    Name,  // entry (editor), list (selection)
    StateLabel,
    State,  // choice: liquid, gaseous
    GasDataLabel,
    TemperatureLabel,
    Temperature,  // entry (editor), output (selection)
    PressureLabel,
    Pressure,
    DensityLabel,
    Density,
    ViscosityLabel,
    Viscosity,
    NotesLabel,
    Notes,
    Position,  // output: "Datensatz 1 von 1"
    Back1,
    Forward1,
    Back5,
    Forward5,
    New,
    Delete,
    Sort,
    SaveAndClose,
    Cancel,
    TakeOver,  // selection only
    List,      // selection only: the names
};

// The editor: pages through the records, creates, deletes and sorts them, and writes the file.
class UserDatabaseEditor {
  public:
    UserDatabaseEditor(const lang::TextCatalogue& texts, UserDatabase& database);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }
    int position() const { return position_; }  // 1 … count; 0 with an empty list

    // Reads the file again (at creation and on "&Abbrechen"); the data-file message when the file
    // exists but cannot be read (the list is then empty).
    std::optional<model::UserMessage> load();
    // Captions in the current language and the database's units.
    void show(model::UnitSystem units);
    // A button. Returns true when the dialog closes ("&Beenden und speichern" after a good save,
    // "&Abbrechen").
    bool pressed(UserDatabaseField field, model::Messenger& messenger);

  private:
    const std::string& text(int position) const;
    bool storeCurrent(model::Messenger& messenger);
    void showCurrent();
    void moveTo(int position);

    const lang::TextCatalogue& texts_;
    UserDatabase& database_;
    model::DialogForm form_;
    int position_ = 0;
};

// The selection: the media by name, the chosen record read-only, and its transfer.
class UserDatabaseSelection {
  public:
    UserDatabaseSelection(const lang::TextCatalogue& texts, const UserDatabase& database);

    const model::DialogForm& form() const { return form_; }
    model::DialogForm& form() { return form_; }

    // Fills the list from the shared records and selects the kept position (reduced to the count).
    void show(model::UnitSystem units);
    void chosen(UserDatabaseField field);
    // Empties the list; the position is kept for the next showing.
    void closed();
    // The chosen record for the main form; none with an empty list.
    std::optional<MediumTransfer> takeOver() const;

  private:
    const std::string& text(int position) const;
    void showRecord();

    const lang::TextCatalogue& texts_;
    const UserDatabase& database_;
    model::DialogForm form_;
    model::UnitSystem units_ = model::UnitSystem::Metric;
    int position_ = 1;
};

}  // namespace velmora::media
