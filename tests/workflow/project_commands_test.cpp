#include "workflow/project_commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "persist/data_file_set.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"
#include "workflow/project_test_support.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::GlobalText;
using model::UnitSystem;
using std::filesystem::path;
using testing::builtTexts;
using testing::columnOf;
using testing::Language;
using velmora::testing::FailingFileOps;
using velmora::testing::TempFolder;

// The file dialogs, answered from a script; a dialog without a scripted answer is cancelled.
class ScriptedChooser : public FileChooser {
  public:
    std::deque<std::optional<path>> opens;
    std::deque<std::optional<path>> saves;
    int openCalls = 0;
    int saveCalls = 0;
    std::vector<std::string> filters;
    std::vector<path> suggestions;

    std::optional<path> chooseProjectToOpen(const std::string& filter) override {
        ++openCalls;
        filters.push_back(filter);
        return next(opens);
    }
    std::optional<path> chooseProjectToSave(const std::string& filter, const path& suggestedPath) override {
        ++saveCalls;
        filters.push_back(filter);
        suggestions.push_back(suggestedPath);
        return next(saves);
    }

  private:
    static std::optional<path> next(std::deque<std::optional<path>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<path> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

ResultColumn calculatedColumn(const char* designation) {
    return columnOf({{1, "Water/liq."}, {2, "1.000"}, {6, designation}, {7, "Circular pipe/1"}, {18, "turbulent"},
                     {24, "39.123"}, {25, "0.039"}});
}

// A project as another session saved it: US units, its own page setup and table font.
ProjectContent storedProject() {
    ProjectContent content;
    content.heading = "Pump house";
    content.unitSystem = UnitSystem::Us;
    content.page = PageSettings{};
    content.page->fontSize = 12;
    content.page->extraHeader = "Pump house";
    content.page->extraFooter = "Rev. B";
    content.appearance.columnWidths = {145, 150, 160};
    content.appearance.fontSize = 11;
    content.columns = {columnOf({{0, "1"}, {1, "Water/liq."}, {6, "feed"}, {7, "Circular pipe/1"},
                                 {18, "turbulent"}, {24, "0.815"}, {25, "0.006"}}),
                       columnOf({{0, "2"}, {1, "Water/liq."}, {6, "return"}, {7, "Circular pipe/1"},
                                 {18, "laminar"}, {24, "0.021"}, {25, "0.000"}})};
    return content;
}

std::vector<std::string> designations(const ResultsTable& table) {
    std::vector<std::string> names;
    for (const ResultColumn& column : table.elementColumns()) names.push_back(column.cells[row::designation]);
    return names;
}

class ProjectCommandsTest : public ::testing::Test {
  protected:
    const lang::TextCatalogue& texts = builtTexts(Language::English);
    TempFolder folder;
    FailingFileOps ops;
    ResultsTable table{texts};
    ShortDisplay shortDisplay{table};
    PageSettings page;
    TableAppearance appearance;
    Options options;
    RecentProjects recent;
    ProjectSession session{texts, ops};
    RecordingMessenger messenger;
    ScriptedChooser chooser;
    ProjectCommands commands{{table, shortDisplay, page, appearance, options, recent, session, messenger, chooser}};

    // One press of Calculate, as far as the project is concerned.
    void calculate(const char* designation) {
        table.appendColumn(calculatedColumn(designation));
        commands.markModified();
    }

    // A project file saved by another Velmora, which has let it go again.
    path storedFile(const std::string& name, const ProjectContent& content = storedProject()) {
        const path file = folder.path() / name;
        ProjectSession other(texts);
        EXPECT_TRUE(other.write(file, content).saved);
        return file;
    }

    // What a file holds, read past the hold of this session.
    ProjectContent onDisk(const path& file) {
        const ProjectReadResult read = readProjectFile(persist::readWholeFile(file), texts);
        EXPECT_TRUE(read.valid) << file;
        return read.content;
    }

    bool heldAgainstOthers(const path& file) { return !ProjectSession(texts).read(file).opened; }

    UserMessage question(MessageButtons buttons) const {
        return {.icon = MessageIcon::Question,
                .caption = texts.text(GlobalText::QuestionCaption),
                .text = texts.text(GlobalText::SaveQuestion),
                .buttons = buttons};
    }
    UserMessage nothingToSave() const {
        return {.icon = MessageIcon::Information,
                .caption = texts.text(GlobalText::InformationCaption),
                .text = texts.text(GlobalText::NothingToSave)};
    }
    const std::string& untitled() const { return texts.text(GlobalText::DefaultProjectName); }
};

// ---- closing ----------------------------------------------------------------------------------

TEST_F(ProjectCommandsTest, ClosingACalculatedUnsavedTableAsksOnceAndDiscardEndsWithoutWriting) {
    calculate("suction");
    messenger.queueAnswer(MessageButton::Discard);
    EXPECT_TRUE(commands.confirmClose());
    testing::expectMessages(messenger, {question(MessageButtons::SaveDiscardCancel)});
    EXPECT_EQ(chooser.saveCalls, 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// Cancel, Escape and the box's close button all answer Cancel: the window stays open and the
// project stays exactly as it was, still modified, so that the next close asks again.
TEST_F(ProjectCommandsTest, CancelAtClosingKeepsTheWindowAndTheProjectAsTheyWere) {
    calculate("suction");
    commands.setHeading("Boiler feed");
    messenger.queueAnswer(MessageButton::Cancel);
    EXPECT_FALSE(commands.confirmClose());
    testing::expectMessages(messenger, {question(MessageButtons::SaveDiscardCancel)});
    EXPECT_EQ(chooser.saveCalls, 0);
    EXPECT_EQ(designations(table), std::vector<std::string>{"suction"});
    EXPECT_EQ(commands.heading(), "Boiler feed");
    EXPECT_TRUE(commands.modified());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    messenger.clear();
    messenger.queueAnswer(MessageButton::Discard);
    EXPECT_TRUE(commands.confirmClose());
    EXPECT_EQ(messenger.messages().size(), 1u);
}

// The save question's buttons: Enter saves, closing the box cancels.
TEST(SaveQuestionButtons, EnterSavesAndEscapeCancels) {
    EXPECT_EQ(buttonsOf(MessageButtons::SaveDiscardCancel),
              (std::vector<MessageButton>{MessageButton::Save, MessageButton::Discard, MessageButton::Cancel}));
    EXPECT_EQ(defaultButtonOf(MessageButtons::SaveDiscardCancel), MessageButton::Save);
    EXPECT_EQ(escapeButtonOf(MessageButtons::SaveDiscardCancel), MessageButton::Cancel);
    EXPECT_EQ(escapeButtonOf(MessageButtons::YesNoCancel), MessageButton::Cancel);
    EXPECT_EQ(escapeButtonOf(MessageButtons::YesNo), MessageButton::No);
    EXPECT_EQ(escapeButtonOf(MessageButtons::Ok), MessageButton::Ok);
}

TEST_F(ProjectCommandsTest, ClosingAsksNothingWithoutUnsavedColumns) {
    struct Case {
        const char* name;
        bool calculated;
        bool marked;
        bool saved;
    };
    for (const Case& c : {Case{"fresh start", false, false, false}, Case{"marked but empty", false, true, false},
                          Case{"calculated and saved", true, true, true}}) {
        SCOPED_TRACE(c.name);
        TempFolder own;
        ResultsTable ownTable{texts};
        ShortDisplay display{ownTable};
        ProjectSession ownSession{texts};
        RecordingMessenger quiet;
        ProjectCommands closing{{ownTable, display, page, appearance, options, recent, ownSession, quiet, chooser}};
        if (c.calculated) ownTable.appendColumn(calculatedColumn("suction"));
        if (c.marked) closing.markModified();
        if (c.saved) {
            chooser.saves.push_back(own.path() / "saved.vla");
            ASSERT_TRUE(closing.saveAs());
        }
        EXPECT_TRUE(closing.confirmClose());
        EXPECT_TRUE(quiet.messages().empty());
    }
}

TEST_F(ProjectCommandsTest, CancellingSaveAsLeavesTheProjectModifiedSoClosingStillAsks) {
    calculate("suction");
    EXPECT_FALSE(commands.saveAs());  // the dialog is cancelled
    EXPECT_EQ(chooser.saveCalls, 1);
    EXPECT_TRUE(commands.modified());
    EXPECT_EQ(commands.windowTitle(), untitled());
    EXPECT_TRUE(messenger.messages().empty());

    messenger.queueAnswer(MessageButton::Discard);
    EXPECT_TRUE(commands.confirmClose());
    testing::expectMessages(messenger, {question(MessageButtons::SaveDiscardCancel)});
}

// Save at closing saves; whenever that save does not happen the window stays open.
TEST_F(ProjectCommandsTest, SaveAtClosingClosesOnlyOnceTheProjectIsSaved) {
    enum class Dialog { Cancelled, Writable, Unwritable };
    struct Case {
        const char* name;
        Dialog dialog;
        bool closes;
    };
    for (const Case& c : {Case{"dialog cancelled", Dialog::Cancelled, false},
                          Case{"folder missing", Dialog::Unwritable, false},
                          Case{"saved", Dialog::Writable, true}}) {
        SCOPED_TRACE(c.name);
        TempFolder own;
        ResultsTable ownTable{texts};
        ShortDisplay display{ownTable};
        ProjectSession ownSession{texts};
        RecordingMessenger answers;
        ScriptedChooser dialogs;
        ProjectCommands closing{{ownTable, display, page, appearance, options, recent, ownSession, answers, dialogs}};
        ownTable.appendColumn(calculatedColumn("suction"));
        closing.markModified();
        const path target = own.path() / (c.dialog == Dialog::Unwritable ? "gone/plant.vla" : "plant.vla");
        if (c.dialog != Dialog::Cancelled) dialogs.saves.push_back(target);

        answers.queueAnswer(MessageButton::Save);
        EXPECT_EQ(closing.confirmClose(), c.closes);
        EXPECT_EQ(closing.modified(), !c.closes);
        EXPECT_EQ(std::filesystem::exists(target), c.closes);
        ASSERT_FALSE(answers.messages().empty());
        EXPECT_EQ(answers.messages().front(), question(MessageButtons::SaveDiscardCancel));
        if (c.dialog == Dialog::Unwritable) {
            ASSERT_EQ(answers.messages().size(), 2u);
            EXPECT_EQ(answers.messages().back().icon, MessageIcon::Error);
        } else {
            EXPECT_EQ(answers.messages().size(), 1u);
        }
    }
}

// A named project on a disk that fills up: the save fails, the file keeps the last saved
// project, and the window stays open with the work in it.
TEST_F(ProjectCommandsTest, AFailedSaveAtClosingKeepsTheWindowOpenAndTheFileWhole) {
    calculate("suction");
    const path file = folder.path() / "plant.vla";
    chooser.saves.push_back(file);
    ASSERT_TRUE(commands.saveAs());
    const std::string saved = persist::readWholeFile(file);

    calculate("discharge");
    ops.writeLimit = ops.written;
    messenger.queueAnswer(MessageButton::Save);
    EXPECT_FALSE(commands.confirmClose());
    EXPECT_EQ(chooser.saveCalls, 1);  // a named project is saved without the dialog
    ASSERT_EQ(messenger.messages().size(), 2u);
    EXPECT_EQ(messenger.messages()[1].icon, MessageIcon::Error);
    EXPECT_TRUE(commands.modified());
    EXPECT_EQ(persist::readWholeFile(file), saved);
    EXPECT_EQ(designations(table), (std::vector<std::string>{"suction", "discharge"}));

    // Once the disk has room again, the next close saves and lets the window go.
    ops.writeLimit = FailingFileOps::unlimited;
    messenger.queueAnswer(MessageButton::Save);
    EXPECT_TRUE(commands.confirmClose());
    EXPECT_EQ(onDisk(file).columns.size(), 2u);
}

TEST_F(ProjectCommandsTest, ChangingTheHeadingMakesClosingAsk) {
    calculate("suction");
    chooser.saves.push_back(folder.path() / "plant.vla");
    ASSERT_TRUE(commands.save());
    commands.setHeading("");
    EXPECT_FALSE(commands.modified());  // the same text is no change
    commands.setHeading("Boiler feed");
    EXPECT_TRUE(commands.modified());
    messenger.queueAnswer(MessageButton::Save);
    EXPECT_TRUE(commands.confirmClose());
    EXPECT_EQ(onDisk(folder.path() / "plant.vla").heading, "Boiler feed");
}

// ---- saving -----------------------------------------------------------------------------------

TEST_F(ProjectCommandsTest, SavingAnEmptyTableOnlyShowsTheInformationMessage) {
    commands.markModified();
    EXPECT_FALSE(commands.save());
    EXPECT_FALSE(commands.saveAs());
    testing::expectMessages(messenger, {nothingToSave(), nothingToSave()});
    EXPECT_EQ(chooser.saveCalls, 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(ProjectCommandsTest, SavingAnUnnamedProjectAsksForTheFileOnceThenWritesToIt) {
    calculate("suction");
    commands.setHeading("Boiler feed");
    const path file = folder.path() / "plant.vla";
    chooser.saves.push_back(file);
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(chooser.suggestions, std::vector<path>{path("Untitled.vla")});
    EXPECT_EQ(chooser.filters, std::vector<std::string>{"Project files (*.vla)|*.vla"});
    EXPECT_EQ(commands.projectPath(), file);
    EXPECT_FALSE(commands.modified());
    EXPECT_EQ(recent.paths(), std::vector<std::string>{file.string()});
    EXPECT_TRUE(heldAgainstOthers(file));
    const ProjectContent first = onDisk(file);
    EXPECT_EQ(first.heading, "Boiler feed");
    EXPECT_EQ(first.columns, table.elementColumns());

    calculate("discharge");
    EXPECT_TRUE(commands.save());
    EXPECT_EQ(chooser.saveCalls, 1);
    EXPECT_FALSE(commands.modified());
    EXPECT_EQ(onDisk(file).columns, table.elementColumns());
    EXPECT_TRUE(messenger.messages().empty());
}

TEST_F(ProjectCommandsTest, SaveAsSuggestsTheCurrentFileAndMovesTheNameAndTheHold) {
    calculate("suction");
    const path first = folder.path() / "plant.vla";
    const path copy = folder.path() / "plant copy.vla";
    chooser.saves = {first, copy};
    ASSERT_TRUE(commands.saveAs());
    ASSERT_TRUE(commands.saveAs());
    EXPECT_EQ(chooser.suggestions, (std::vector<path>{path("Untitled.vla"), first}));
    EXPECT_EQ(commands.projectPath(), copy);
    EXPECT_EQ(recent.paths(), (std::vector<std::string>{copy.string(), first.string()}));
    EXPECT_TRUE(heldAgainstOthers(copy));
    EXPECT_FALSE(heldAgainstOthers(first));
}

TEST_F(ProjectCommandsTest, AFailedSaveAsKeepsTheNameAndTheModifiedMark) {
    calculate("suction");
    const path file = folder.path() / "plant.vla";
    chooser.saves = {file, folder.path() / "gone" / "copy.vla"};
    ASSERT_TRUE(commands.saveAs());
    calculate("discharge");
    EXPECT_FALSE(commands.saveAs());
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(commands.projectPath(), file);
    EXPECT_TRUE(commands.modified());
    EXPECT_EQ(recent.paths(), std::vector<std::string>{file.string()});
    EXPECT_TRUE(heldAgainstOthers(file));
}

TEST_F(ProjectCommandsTest, TheTitleNamesTheProjectInTheChosenForm) {
    calculate("suction");
    const path file = folder.path() / "pump house.vla";
    struct Case {
        TitleForm form;
        bool named;
        std::string expected;
    };
    for (const Case& c : {Case{TitleForm::FullPath, false, "Untitled"}, Case{TitleForm::FileName, false, "Untitled"},
                          Case{TitleForm::FullPath, true, file.string()},
                          Case{TitleForm::FileName, true, "pump house.vla"}}) {
        SCOPED_TRACE(c.expected);
        if (c.named && !commands.projectPath()) {
            chooser.saves.push_back(file);
            ASSERT_TRUE(commands.saveAs());
        }
        options.titleForm = c.form;
        EXPECT_EQ(commands.windowTitle(), c.expected);
        EXPECT_EQ(commands.projectName(), c.named ? file.string() : "Untitled");
    }
}

// ---- the question before the table is given up --------------------------------------------------

enum class Command { New, Open, Recent };
enum class SaveDialog { None, Cancelled, Writable, Unwritable };

struct LeavingCase {
    const char* name;
    MessageButton answer;
    SaveDialog dialog;
    bool proceeds;
};

void PrintTo(Command command, std::ostream* out) {
    *out << (command == Command::New ? "New" : command == Command::Open ? "Open" : "Recent");
}
void PrintTo(const LeavingCase& c, std::ostream* out) { *out << c.name; }

const LeavingCase leavingCases[] = {
    {"SaveSaved", MessageButton::Save, SaveDialog::Writable, true},
    {"SaveDialogCancelled", MessageButton::Save, SaveDialog::Cancelled, false},
    {"SaveFailed", MessageButton::Save, SaveDialog::Unwritable, false},
    {"Discard", MessageButton::Discard, SaveDialog::None, true},
    {"Cancel", MessageButton::Cancel, SaveDialog::None, false},
};

class LeavingTheTable : public ProjectCommandsTest,
                        public ::testing::WithParamInterface<std::tuple<Command, LeavingCase>> {};

TEST_P(LeavingTheTable, GoesOnOnlyWhenNothingUnsavedIsLost) {
    const auto& [command, c] = GetParam();
    const path other = storedFile("other.vla");
    const path saveTarget = folder.path() / (c.dialog == SaveDialog::Unwritable ? "gone/mine.vla" : "mine.vla");
    calculate("suction");
    commands.setHeading("Boiler feed");
    if (c.dialog == SaveDialog::Writable || c.dialog == SaveDialog::Unwritable) chooser.saves.push_back(saveTarget);
    messenger.queueAnswer(c.answer);

    bool result = false;
    switch (command) {
        case Command::New: result = commands.newProject(); break;
        case Command::Open:
            chooser.opens.push_back(other);
            result = commands.open();
            break;
        case Command::Recent: result = commands.openPath(other); break;
    }
    EXPECT_EQ(result, c.proceeds);
    ASSERT_FALSE(messenger.messages().empty());
    EXPECT_EQ(messenger.messages().front(), question(MessageButtons::SaveDiscardCancel));
    EXPECT_EQ(messenger.messages().size(), c.dialog == SaveDialog::Unwritable ? 2u : 1u);
    EXPECT_EQ(chooser.openCalls, command == Command::Open && c.proceeds ? 1 : 0);

    if (c.dialog == SaveDialog::Writable) {
        const ProjectContent saved = onDisk(saveTarget);
        EXPECT_EQ(saved.heading, "Boiler feed");
        ASSERT_EQ(saved.columns.size(), 1u);
        EXPECT_EQ(saved.columns[0].cells[row::designation], "suction");
    } else {
        EXPECT_FALSE(std::filesystem::exists(saveTarget));
    }

    if (!c.proceeds) {
        EXPECT_EQ(designations(table), std::vector<std::string>{"suction"});
        EXPECT_EQ(commands.heading(), "Boiler feed");
        EXPECT_TRUE(commands.modified());
        EXPECT_EQ(commands.windowTitle(), untitled());
    } else if (command == Command::New) {
        EXPECT_TRUE(table.empty());
        EXPECT_EQ(commands.heading(), "");
        EXPECT_FALSE(commands.modified());
        EXPECT_EQ(commands.windowTitle(), untitled());
        EXPECT_FALSE(session.isOpen());
        if (c.dialog == SaveDialog::Writable) {
            EXPECT_FALSE(heldAgainstOthers(saveTarget));
        }
    } else {
        EXPECT_EQ(designations(table), (std::vector<std::string>{"feed", "return"}));
        EXPECT_EQ(commands.windowTitle(), "other.vla");
        EXPECT_EQ(session.heldPath(), other);
    }
}

std::string leavingName(const ::testing::TestParamInfo<std::tuple<Command, LeavingCase>>& info) {
    std::ostringstream name;
    PrintTo(std::get<0>(info.param), &name);
    return name.str() + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Commands, LeavingTheTable,
                         ::testing::Combine(::testing::Values(Command::New, Command::Open, Command::Recent),
                                            ::testing::ValuesIn(leavingCases)),
                         leavingName);

TEST_F(ProjectCommandsTest, NewWithAnEmptyTableAsksNothingButLetsTheOldFileGo) {
    // A project opened and then emptied column by column: a later save must not land on its file.
    const path file = storedFile("plant.vla");
    ASSERT_TRUE(commands.openPath(file));
    while (table.removeCurrentColumn()) {
    }
    ASSERT_TRUE(table.empty());
    EXPECT_TRUE(commands.newProject());
    EXPECT_TRUE(messenger.messages().empty());
    EXPECT_EQ(commands.windowTitle(), untitled());
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(commands.heading(), "Pump house");  // nothing is cleared

    calculate("unrelated");
    EXPECT_FALSE(commands.save());  // goes to the dialog, which is cancelled
    EXPECT_EQ(chooser.saveCalls, 1);
    EXPECT_EQ(onDisk(file).columns.size(), 2u);
}

// ---- opening ----------------------------------------------------------------------------------

TEST_F(ProjectCommandsTest, OpeningReadsTheChosenProjectWithItsSettings) {
    const ProjectContent stored = storedProject();
    const path file = storedFile("pump house.vla", stored);
    table.setDecimals(5);
    options.unitSystem = UnitSystem::Metric;
    chooser.opens.push_back(file);

    EXPECT_TRUE(commands.open());
    EXPECT_TRUE(messenger.messages().empty());  // an empty table asks nothing
    EXPECT_EQ(chooser.filters, std::vector<std::string>{"Project files (*.vla)|*.vla"});
    EXPECT_EQ(table.elementColumns(), stored.columns);
    EXPECT_EQ(table.unitSystem(), UnitSystem::Us);
    EXPECT_EQ(options.unitSystem, UnitSystem::Us);
    EXPECT_EQ(table.decimals(), 5);
    EXPECT_EQ(commands.heading(), "Pump house");
    EXPECT_EQ(page, stored.page);
    EXPECT_EQ(page.extraHeader, "Pump house");
    EXPECT_EQ(appearance, stored.appearance);
    EXPECT_EQ(shortDisplay.lineCount(), 2);
    EXPECT_EQ(commands.windowTitle(), "pump house.vla");
    EXPECT_FALSE(commands.modified());
    EXPECT_EQ(recent.paths(), std::vector<std::string>{file.string()});
    EXPECT_TRUE(heldAgainstOthers(file));
}

TEST_F(ProjectCommandsTest, CancellingTheOpenDialogChangesNothing) {
    calculate("suction");
    messenger.queueAnswer(MessageButton::Discard);
    EXPECT_FALSE(commands.open());
    EXPECT_EQ(chooser.openCalls, 1);
    EXPECT_EQ(designations(table), std::vector<std::string>{"suction"});
    EXPECT_TRUE(commands.modified());
}

TEST_F(ProjectCommandsTest, APathWithBlanksGivenAsSeveralArgumentsOpensThatFile) {
    std::filesystem::create_directories(folder.path() / "my plants");
    const path file = storedFile("my plants/pump house 2.vla");
    std::vector<std::string> words{"--edition=E"};
    std::istringstream split(file.string());
    for (std::string word; std::getline(split, word, ' ');) words.push_back(word);
    ASSERT_GE(words.size(), 5u);

    const std::optional<path> joined = ProjectCommands::projectPathFromArguments(words);
    ASSERT_TRUE(joined.has_value());
    EXPECT_EQ(*joined, file);
    EXPECT_TRUE(commands.openPath(*joined));
    EXPECT_EQ(commands.windowTitle(), "pump house 2.vla");
    EXPECT_EQ(designations(table), (std::vector<std::string>{"feed", "return"}));
}

TEST_F(ProjectCommandsTest, ArgumentsWithoutAPathOpenNothing) {
    EXPECT_EQ(ProjectCommands::projectPathFromArguments({}), std::nullopt);
    EXPECT_EQ(ProjectCommands::projectPathFromArguments({"--edition=D"}), std::nullopt);
    EXPECT_EQ(ProjectCommands::projectPathFromArguments({"plant.vla", "--edition=D"}), path("plant.vla"));
}

TEST_F(ProjectCommandsTest, AnInvalidFileStartsANewProjectWithoutAskingAgain) {
    const path previous = storedFile("plant.vla");
    ASSERT_TRUE(commands.openPath(previous));
    calculate("added");
    const path broken = folder.write(
        "broken.vla",
        persist::readWholeFile(path(VELMORA_TEST_DATA_DIR) / "projects" / "no_pressure_loss.vla"));

    messenger.queueAnswer(MessageButton::Discard);
    EXPECT_FALSE(commands.openPath(broken));
    testing::expectMessages(messenger, {question(MessageButtons::SaveDiscardCancel),
                                        projectNotice(texts, GlobalText::ProjectFileInvalid)});
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(shortDisplay.lineCount(), 0);
    EXPECT_EQ(commands.heading(), "");
    EXPECT_EQ(commands.windowTitle(), untitled());
    EXPECT_FALSE(commands.modified());
    EXPECT_FALSE(session.isOpen());
    EXPECT_FALSE(heldAgainstOthers(previous));
    EXPECT_EQ(recent.paths(), std::vector<std::string>{previous.string()});
}

// A file that cannot be opened leaves the project, its file and its unsaved work as they were.
class UnopenableFile : public ProjectCommandsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(UnopenableFile, ChangesNothing) {
    const bool lockedByAnotherVelmora = GetParam();
    const path current = storedFile("plant.vla");
    const path target = lockedByAnotherVelmora ? storedFile("locked.vla") : folder.path() / "missing.vla";
    ProjectSession otherVelmora(texts);
    if (lockedByAnotherVelmora) {
        ASSERT_TRUE(otherVelmora.read(target).opened);
    }

    ASSERT_TRUE(commands.openPath(current));
    calculate("added");
    options.unitSystem = UnitSystem::Metric;
    messenger.queueAnswer(MessageButton::Discard);
    EXPECT_FALSE(commands.openPath(target));
    testing::expectMessages(messenger, {question(MessageButtons::SaveDiscardCancel),
                                        projectNotice(texts, GlobalText::ProjectOpenFailed)});
    EXPECT_EQ(designations(table), (std::vector<std::string>{"feed", "return", "added"}));
    EXPECT_EQ(commands.heading(), "Pump house");
    EXPECT_EQ(commands.projectPath(), current);
    EXPECT_TRUE(commands.modified());
    EXPECT_EQ(options.unitSystem, UnitSystem::Metric);
    EXPECT_EQ(session.heldPath(), current);
    EXPECT_TRUE(heldAgainstOthers(current));
    EXPECT_EQ(recent.paths(), std::vector<std::string>{current.string()});
}

INSTANTIATE_TEST_SUITE_P(Files, UnopenableFile, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("Locked") : std::string("Missing");
                         });

}  // namespace
}  // namespace velmora::workflow
