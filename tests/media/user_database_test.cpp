// USER.DAT: records round-trip byte for byte, a cut file keeps its complete records, a save that
// fails at any byte leaves the old file whole; the editor's paging, sorting and refusals, and the
// selection's transfer.
#include <gtest/gtest.h>

#include <fstream>

#include "media/user_database_presenters.h"
#include "media_dialog_support.h"
#include "persist/replacement_file.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"

namespace velmora::media {
namespace {

using F = UserDatabaseField;

int f(F field) {
    return static_cast<int>(field);
}

UserRecord record(const std::string& name, bool liquid = true, std::string density = "998,2") {
    UserEntries entries{name, liquid, {"20", "1013", std::move(density), "1002", "line one\nline two"}};
    return std::get<UserRecord>(encodeUserRecord(entries));
}

std::string fileContent(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(UserDatabaseFile, RecordLayoutAtTheFixedOffsets) {
    const UserRecord r = record("Öl");
    ASSERT_EQ(r.bytes().size(), 1537u);
    EXPECT_EQ(r.bytes()[0], 2);       // length byte
    EXPECT_EQ(r.bytes()[1], '\xD6');  // "Ö" in Windows-1252
    EXPECT_EQ(r.bytes()[256], 1);     // liquid
    EXPECT_EQ(r.bytes().substr(257, 3), std::string("\x02"
                                                    "20",
                                                    3));
    EXPECT_EQ(r.bytes().substr(769, 6), std::string("\x05"
                                                    "998,2",
                                                    6));
    EXPECT_EQ(r.bytes().substr(1281, 19), std::string("\x12"
                                                      "line one\r\nline two",
                                                      19));
    EXPECT_EQ(r.text(UserText::Notes), "line one\nline two");
    EXPECT_EQ(r.bytes()[1300], '\0');
}

TEST(UserDatabaseFile, RecordsRoundTripByteForByteIncludingBytesAfterTheTexts) {
    std::string content = writeUserRecords(std::vector{record("A"), record("B", false)});
    content[300] = 'x';  // bytes after a text, as older files carry them, are kept
    content[1537 + 256] = 2;
    const testing::TempFolder folder;
    const auto path = folder.write("USER.DAT", content);
    const auto records = loadUserDatabase(path);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FALSE(records[1].liquid());  // state byte 2 is a gas
    saveUserDatabase(path, records);
    EXPECT_EQ(fileContent(path), content);
}

TEST(UserDatabaseFile, ACutFileKeepsItsCompleteRecordsAndAnEmptyFileIsAnEmptyList) {
    const std::string content = writeUserRecords(std::vector{record("A"), record("B")});
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1536}, std::size_t{1537}, std::size_t{2000}, content.size() - 1})
        EXPECT_EQ(readUserRecords(content.substr(0, size)).size(), size / 1537) << size;
    const testing::TempFolder folder;
    EXPECT_TRUE(loadUserDatabase(folder.path() / "USER.DAT").empty());  // no file yet
}

TEST(UserDatabaseFile, ASaveThatFailsAtAnyByteLeavesTheOldFileIntact) {
    const testing::TempFolder folder;
    const std::string old = writeUserRecords(std::vector{record("old")});
    const auto path = folder.write("USER.DAT", old);
    const std::vector<UserRecord> next{record("new 1"), record("new 2")};
    for (std::size_t limit = 0; limit < 2 * userRecordSize; limit += 97) {
        testing::FailingFileOps ops;
        ops.writeLimit = limit;
        EXPECT_THROW(saveUserDatabase(path, next, ops), persist::FileWriteError) << limit;
        ASSERT_EQ(fileContent(path), old) << limit;
    }
    for (bool fsyncFails : {true, false}) {
        testing::FailingFileOps ops;
        ops.failFsync = fsyncFails;
        ops.failRename = !fsyncFails;
        EXPECT_THROW(saveUserDatabase(path, next, ops), persist::FileWriteError);
        EXPECT_EQ(fileContent(path), old);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // no temporary left
    saveUserDatabase(path, next);
    EXPECT_EQ(loadUserDatabase(path).size(), 2u);
}

TEST(UserDatabaseFile, TextsAreCutTo255BytesAndForeignCharactersRefused) {
    UserEntries entries{"Oil", true, {"", "", "", "", std::string(300, 'n')}};
    const UserRecord r = std::get<UserRecord>(encodeUserRecord(entries));
    EXPECT_EQ(r.text(UserText::Notes), std::string(255, 'n'));
    entries.texts[static_cast<std::size_t>(UserText::Density)] = "≈ 900";
    const auto refused = encodeUserRecord(entries);
    ASSERT_TRUE(std::holds_alternative<UnrepresentableCharacter>(refused));
    EXPECT_EQ(std::get<UnrepresentableCharacter>(refused).field, 3);
    EXPECT_EQ(std::get<UnrepresentableCharacter>(refused).character, "≈");
}

class UserDatabaseDialogs : public ::testing::Test {
  protected:
    UserDatabaseDialogs() { database.path = folder.path() / "USER.DAT"; }
    void write(const std::vector<UserRecord>& records) {
        folder.write("USER.DAT", writeUserRecords(records));
        EXPECT_FALSE(editor.load());
        editor.show(model::UnitSystem::Metric);
    }
    void press(F field) { editor.pressed(field, messages); }

    testing::TempFolder folder;
    UserDatabase database;
    UserDatabaseEditor editor{testing::englishTexts(), database};
    UserDatabaseSelection selection{testing::englishTexts(), database};
    model::RecordingMessenger messages;
};

TEST_F(UserDatabaseDialogs, PagingForwardFiveFromThreeOfSixGoesToSix) {
    write({record("1"), record("2"), record("3"), record("4"), record("5"), record("6")});
    press(F::Forward1);
    press(F::Forward1);
    EXPECT_EQ(editor.position(), 3);
    press(F::Forward5);
    EXPECT_EQ(editor.position(), 6);
    EXPECT_EQ(editor.form().output(f(F::Position)), "Record 6 of 6");
    press(F::Back5);
    EXPECT_EQ(editor.position(), 1);
    press(F::Back1);
    EXPECT_EQ(editor.position(), 1);
}

TEST_F(UserDatabaseDialogs, SortingIgnoresCaseAndEditsAreStoredFirst) {
    write({record("beta"), record("Alpha"), record("gamma")});
    editor.form().setText(f(F::Density), "1000");  // an edit of record 1 ("beta")
    press(F::Sort);
    EXPECT_EQ(database.records[0].name(), "Alpha");
    EXPECT_EQ(database.records[1].name(), "beta");
    EXPECT_EQ(database.records[1].text(UserText::Density), "1000");
    EXPECT_EQ(database.records[2].name(), "gamma");
    EXPECT_EQ(editor.form().text(f(F::Name)), "Alpha");
}

TEST_F(UserDatabaseDialogs, EmptyFileShowsNoRecordUntilNewAndSaveCreatesTheFile) {
    write({});
    EXPECT_EQ(editor.position(), 0);
    EXPECT_FALSE(editor.form().enabled(f(F::Name)));
    press(F::New);
    EXPECT_EQ(editor.position(), 1);
    EXPECT_EQ(editor.form().index(f(F::State)), 0);  // liquid checked
    editor.form().setText(f(F::Name), "Brine");
    editor.form().choice(f(F::State)).select(1);
    EXPECT_TRUE(editor.pressed(F::SaveAndClose, messages));
    const auto saved = loadUserDatabase(database.path);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].name(), "Brine");
    EXPECT_FALSE(saved[0].liquid());
}

TEST_F(UserDatabaseDialogs, DeletingMovesBackAndCancelRestoresTheFile) {
    write({record("A"), record("B"), record("C")});
    press(F::Forward1);
    press(F::Delete);
    EXPECT_EQ(editor.position(), 1);
    EXPECT_EQ(database.records.size(), 2u);
    EXPECT_TRUE(editor.pressed(F::Cancel, messages));
    EXPECT_EQ(database.records.size(), 3u);
}

TEST_F(UserDatabaseDialogs, AForeignCharacterIsRefusedWithItsFieldAndNothingIsLost) {
    write({record("A"), record("B")});
    editor.form().setText(f(F::Notes), "ok → not ok");
    press(F::Forward1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].entry, f(F::Notes));
    EXPECT_NE(messages.messages()[0].text.find("\"→\""), std::string::npos);
    EXPECT_EQ(editor.position(), 1);  // stays, the entry keeps its text
    EXPECT_EQ(editor.form().text(f(F::Notes)), "ok → not ok");
    EXPECT_FALSE(editor.pressed(F::SaveAndClose, messages));
    EXPECT_EQ(loadUserDatabase(database.path)[0].text(UserText::Notes), "line one\nline two");
}

TEST_F(UserDatabaseDialogs, SelectionSeesUnsavedEditsAndTakesOverAGas) {
    write({record("Nitrogen", false, "1,25"), record("Water")});
    editor.form().setText(f(F::Pressure), "2000");
    press(F::Forward1);  // stored, not saved
    selection.show(model::UnitSystem::Metric);
    EXPECT_EQ(selection.form().choice(f(F::List)).items().size(), 2u);
    EXPECT_EQ(selection.form().output(f(F::Pressure)), "2000");
    const auto gas = selection.takeOver();
    ASSERT_TRUE(gas);
    EXPECT_EQ(gas->state, model::MediumState::Gas);
    EXPECT_EQ(*gas->mediumText, "Nitrogen");
    EXPECT_EQ(gas->inletPressure->text, "2000");
    EXPECT_EQ(gas->inletPressure->unit, "mbar");
    EXPECT_EQ(gas->density->text, "1,25");
    selection.form().choice(f(F::List)).select(1);
    selection.chosen(F::List);
    selection.show(model::UnitSystem::Us);
    const auto liquid = selection.takeOver();
    EXPECT_EQ(liquid->state, model::MediumState::Liquid);
    EXPECT_EQ(liquid->density->unit, "lb./cu.ft.");
    EXPECT_FALSE(liquid->inletPressure);
    EXPECT_EQ(selection.form().caption(f(F::TemperatureLabel)), "Temperature °F:");
}

TEST_F(UserDatabaseDialogs, AnUnreadableFileGivesTheDataFileMessage) {
    std::filesystem::create_directory(database.path);  // a folder where the file should be
    const auto message = editor.load();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "The data file cannot be read: USER.DAT");
    EXPECT_TRUE(database.records.empty());
}

}  // namespace
}  // namespace velmora::media
