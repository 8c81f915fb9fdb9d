#include "media/user_database_presenters.h"

#include <algorithm>

#include "lang/dialog_messages.h"
#include "media/medium_display.h"
#include "model/user_database_window_text.h"
#include "persist/data_file_error.h"
#include "persist/replacement_file.h"

namespace velmora::media {

namespace {

using model::GlobalText;
using model::UserDatabaseEditText;
using model::UserDatabaseText;
using F = UserDatabaseField;

constexpr const char* editorWindow = "TBenutzerDatenbankBearbeiten";
constexpr const char* selectionWindow = "TBenutzerDatenbank";

int field(F f) {
    return static_cast<int>(f);
}

// The entry of each text of a record, in UserText order.
constexpr std::array<F, userTextCount> textFields{F::Temperature, F::Pressure, F::Density, F::Viscosity,
                                                  F::Notes};

// The unit part of the four captions by the database's unit setting.
struct UnitCaptions {
    const char* temperature;
    const char* pressure;
    const char* density;
    const char* viscosity;
};
constexpr UnitCaptions metricCaptions{" °C:", " mbar:", " kg/m³:", " 10^-6 kg/m s:"};
constexpr UnitCaptions usCaptions{" °F:", " psi:", " lb./cu.ft.:", " cP:"};

const UnitCaptions& captionsFor(model::UnitSystem units) {
    return units == model::UnitSystem::Us ? usCaptions : metricCaptions;
}

}  // namespace

// ---- Editor ----

UserDatabaseEditor::UserDatabaseEditor(const lang::TextCatalogue& texts, UserDatabase& database)
    : texts_(texts), database_(database) {
    form_.choice(field(F::State)) = model::UnitBox({"", ""});
}

const std::string& UserDatabaseEditor::text(int position) const {
    return lang::blockText(texts_, editorWindow, position);
}

std::optional<model::UserMessage> UserDatabaseEditor::load() {
    std::optional<model::UserMessage> message;
    try {
        database_.records = loadUserDatabase(database_.path);
    } catch (const persist::DataFileError&) {
        database_.records.clear();
        message = lang::dataFileError(texts_, userDatabaseFileName, lang::FileNameBreak::Blank);
    }
    position_ = database_.records.empty() ? 0 : 1;
    showCurrent();
    return message;
}

void UserDatabaseEditor::show(model::UnitSystem units) {
    const UnitCaptions& unit = captionsFor(units);
    const auto caption = [&](F f, UserDatabaseEditText t, const char* suffix = "") {
        form_.setCaption(field(f), text(static_cast<int>(t)) + suffix);
    };
    caption(F::Title, UserDatabaseEditText::Title);
    caption(F::NameLabel, UserDatabaseEditText::Medium);
    caption(F::StateLabel, UserDatabaseEditText::State);
    caption(F::GasDataLabel, UserDatabaseEditText::GasData);
    caption(F::TemperatureLabel, UserDatabaseEditText::Temperature, unit.temperature);
    caption(F::PressureLabel, UserDatabaseEditText::Pressure, unit.pressure);
    caption(F::DensityLabel, UserDatabaseEditText::Density, unit.density);
    caption(F::ViscosityLabel, UserDatabaseEditText::Viscosity, unit.viscosity);
    caption(F::NotesLabel, UserDatabaseEditText::Notes);
    caption(F::Back1, UserDatabaseEditText::Back1);
    caption(F::Forward1, UserDatabaseEditText::Forward1);
    caption(F::Back5, UserDatabaseEditText::Back5);
    caption(F::Forward5, UserDatabaseEditText::Forward5);
    caption(F::New, UserDatabaseEditText::New);
    caption(F::Delete, UserDatabaseEditText::Delete);
    caption(F::Sort, UserDatabaseEditText::Sort);
    caption(F::SaveAndClose, UserDatabaseEditText::SaveAndClose);
    caption(F::Cancel, UserDatabaseEditText::Cancel);
    model::UnitBox& state = form_.choice(field(F::State));
    const int index = state.index();
    state = model::UnitBox({text(static_cast<int>(UserDatabaseEditText::Liquid)),
                            text(static_cast<int>(UserDatabaseEditText::Gaseous))});
    state.select(index);
    showCurrent();
}

void UserDatabaseEditor::showCurrent() {
    const bool any = position_ > 0;
    for (F f : {F::Name, F::State, F::Temperature, F::Pressure, F::Density, F::Viscosity, F::Notes, F::Delete,
                F::Sort, F::Back1, F::Back5, F::Forward1, F::Forward5})
        form_.setEnabled(field(f), any);
    if (!any) {
        form_.setOutput(field(F::Position), text(static_cast<int>(UserDatabaseEditText::NoRecords)));
        form_.setText(field(F::Name), "");
        for (F f : textFields) form_.setText(field(f), "");
        form_.choice(field(F::State)).select(0);
        return;
    }
    const int count = static_cast<int>(database_.records.size());
    form_.setOutput(field(F::Position), text(static_cast<int>(UserDatabaseEditText::RecordWord)) + " " +
                                            std::to_string(position_) + " " +
                                            texts_.text(GlobalText::OfWord) + " " + std::to_string(count));
    const UserEntries entries = database_.records[static_cast<std::size_t>(position_ - 1)].entries();
    form_.setText(field(F::Name), entries.name);
    form_.choice(field(F::State)).select(entries.liquid ? 0 : 1);
    for (std::size_t k = 0; k < textFields.size(); ++k) form_.setText(field(textFields[k]), entries.texts[k]);
}

bool UserDatabaseEditor::storeCurrent(model::Messenger& messenger) {
    if (position_ == 0) return true;
    UserEntries entries{form_.text(field(F::Name)), form_.index(field(F::State)) == 0, {}};
    for (std::size_t k = 0; k < textFields.size(); ++k) entries.texts[k] = form_.text(field(textFields[k]));
    UserRecord& current = database_.records[static_cast<std::size_t>(position_ - 1)];
    // An unchanged record keeps its bytes as read, so a file round-trips unchanged.
    if (current.entries() == entries) return true;
    auto encoded = encodeUserRecord(entries);
    if (const auto* failure = std::get_if<UnrepresentableCharacter>(&encoded)) {
        static constexpr std::array<F, 6> entryOf{F::Name,    F::Temperature, F::Pressure,
                                                  F::Density, F::Viscosity,   F::Notes};
        static constexpr std::array<F, 6> labelOf{F::NameLabel,    F::TemperatureLabel, F::PressureLabel,
                                                  F::DensityLabel, F::ViscosityLabel,   F::NotesLabel};
        const auto k = static_cast<std::size_t>(failure->field);
        messenger.show(errorBox(texts_,
                                text(static_cast<int>(UserDatabaseEditText::NotInCodePage)) + " \"" +
                                    failure->character + "\"\r" + form_.caption(field(labelOf[k])),
                                field(entryOf[k])));
        return false;
    }
    current = std::get<UserRecord>(encoded);
    return true;
}

void UserDatabaseEditor::moveTo(int position) {
    const int count = static_cast<int>(database_.records.size());
    position_ = count == 0 ? 0 : std::clamp(position, 1, count);
    showCurrent();
}

bool UserDatabaseEditor::pressed(UserDatabaseField f, model::Messenger& messenger) {
    switch (f) {
        case F::Back1:
        case F::Forward1:
        case F::Back5:
        case F::Forward5: {
            if (!storeCurrent(messenger)) return false;
            const int step = f == F::Back1 ? -1 : f == F::Forward1 ? 1 : f == F::Back5 ? -5 : 5;
            moveTo(position_ + step);
            return false;
        }
        case F::New: {
            if (!storeCurrent(messenger)) return false;
            database_.records.emplace_back();
            position_ = static_cast<int>(database_.records.size());
            showCurrent();  // the new record shows empty
            form_.choice(field(F::State)).select(0);
            return false;
        }
        case F::Delete: {
            if (position_ == 0) return false;
            database_.records.erase(database_.records.begin() + (position_ - 1));
            moveTo(position_ - 1);
            return false;
        }
        case F::Sort: {
            if (!storeCurrent(messenger)) return false;
            sortUserRecords(database_.records);
            moveTo(1);
            return false;
        }
        case F::SaveAndClose: {
            if (!storeCurrent(messenger)) return false;
            try {
                saveUserDatabase(database_.path, database_.records);
            } catch (const persist::FileWriteError& e) {
                messenger.show(errorBox(texts_, text(static_cast<int>(UserDatabaseEditText::SaveFailed)) +
                                                    "\r" + database_.path.string() + "\r" + e.reason()));
                return false;
            }
            return true;
        }
        case F::Cancel: {
            if (auto message = load()) messenger.show(*message);
            return true;
        }
        default:
            return false;
    }
}

// ---- Selection ----

UserDatabaseSelection::UserDatabaseSelection(const lang::TextCatalogue& texts, const UserDatabase& database)
    : texts_(texts), database_(database) {
    form_.choice(field(F::State)) = model::UnitBox({"", ""});
    form_.setEnabled(field(F::State), false);
}

const std::string& UserDatabaseSelection::text(int position) const {
    return lang::blockText(texts_, selectionWindow, position);
}

void UserDatabaseSelection::show(model::UnitSystem units) {
    units_ = units;
    const UnitCaptions& unit = captionsFor(units);
    const auto caption = [&](F f, UserDatabaseText t, const char* suffix = "") {
        form_.setCaption(field(f), text(static_cast<int>(t)) + suffix);
    };
    caption(F::Title, UserDatabaseText::Title);
    caption(F::NameLabel, UserDatabaseText::ListLabel);
    caption(F::StateLabel, UserDatabaseText::State);
    caption(F::GasDataLabel, UserDatabaseText::GasData);
    caption(F::TemperatureLabel, UserDatabaseText::Temperature, unit.temperature);
    caption(F::PressureLabel, UserDatabaseText::Pressure, unit.pressure);
    caption(F::DensityLabel, UserDatabaseText::Density, unit.density);
    caption(F::ViscosityLabel, UserDatabaseText::Viscosity, unit.viscosity);
    caption(F::NotesLabel, UserDatabaseText::Notes);
    caption(F::TakeOver, UserDatabaseText::TakeOver);
    caption(F::Cancel, UserDatabaseText::Cancel);
    form_.choice(field(F::State)) = model::UnitBox({text(static_cast<int>(UserDatabaseText::Liquid)),
                                                    text(static_cast<int>(UserDatabaseText::Gaseous))});
    std::vector<std::string> names;
    for (const UserRecord& record : database_.records) names.push_back(record.name());
    const int count = static_cast<int>(names.size());
    form_.choice(field(F::List)) = model::UnitBox(std::move(names));
    position_ = std::min(position_, std::max(count, 1));
    form_.choice(field(F::List)).select(position_ - 1);
    form_.setEnabled(field(F::TakeOver), count > 0);
    showRecord();
}

void UserDatabaseSelection::chosen(UserDatabaseField f) {
    if (f != F::List) return;
    position_ = form_.index(field(F::List)) + 1;
    showRecord();
}

void UserDatabaseSelection::showRecord() {
    const bool any = !form_.choice(field(F::List)).empty();
    if (!any) {
        for (F f : textFields) form_.setOutput(field(f), "");
        return;
    }
    const UserEntries entries = database_.records[static_cast<std::size_t>(position_ - 1)].entries();
    form_.choice(field(F::State)).select(entries.liquid ? 0 : 1);
    for (std::size_t k = 0; k < textFields.size(); ++k)
        form_.setOutput(field(textFields[k]), entries.texts[k]);
}

void UserDatabaseSelection::closed() {
    form_.choice(field(F::List)) = model::UnitBox();
}

std::optional<MediumTransfer> UserDatabaseSelection::takeOver() const {
    if (form_.choice(field(F::List)).empty() || position_ < 1 ||
        position_ > static_cast<int>(database_.records.size()))
        return std::nullopt;
    const UserEntries entries = database_.records[static_cast<std::size_t>(position_ - 1)].entries();
    const bool us = units_ == model::UnitSystem::Us;
    MediumTransfer t;
    t.mediumText = entries.name;
    t.state = entries.liquid ? model::MediumState::Liquid : model::MediumState::Gas;
    t.density =
        TextWithUnit{entries.texts[static_cast<std::size_t>(UserText::Density)], us ? "lb./cu.ft." : "kg/m³"};
    t.viscosity =
        TextWithUnit{entries.texts[static_cast<std::size_t>(UserText::Viscosity)], us ? "cP" : "10-6 kg/ms"};
    if (!entries.liquid) {
        const TextWithUnit temperature{entries.texts[static_cast<std::size_t>(UserText::Temperature)],
                                       us ? "degF" : "°C"};
        t.inletPressure =
            TextWithUnit{entries.texts[static_cast<std::size_t>(UserText::Pressure)], us ? "psia" : "mbar"};
        t.inletTemperature = temperature;
        t.outletTemperature = temperature;
    }
    return t;
}

}  // namespace velmora::media
