#include "workflow/project_session.h"

#include <gtest/gtest.h>

#include "persist/data_file_set.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"
#include "workflow/project_test_support.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::GlobalText;
using testing::builtTexts;
using testing::columnOf;
using testing::Language;
using velmora::testing::FailingFileOps;
using velmora::testing::TempFolder;

ProjectContent project(const char* designation) {
    ProjectContent content;
    content.heading = "Plant 7";
    content.columns = {columnOf({{0, "1"}, {1, "Water/liq."}, {2, "1.000"}, {6, designation}, {7, "Circular pipe/1"},
                                 {8, "Diameter D in mm: 25.000"}, {18, "turbulent"}, {24, "39.123"}, {25, "0.039"}}),
                       columnOf({{0, "2"}, {1, "Water/liq."}, {7, "Circular pipe/1"}, {18, "laminar"},
                                 {24, "1.000"}, {25, "0.001"}})};
    return content;
}

std::vector<std::string> fileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ProjectSessionTest : public ::testing::Test {
protected:
    const lang::TextCatalogue& texts = builtTexts(Language::English);
    TempFolder folder;
    const std::filesystem::path path = folder.path() / "plant.vla";

    UserMessage openFailed() const { return projectNotice(texts, GlobalText::ProjectOpenFailed); }
};

// Two sessions stand for two Velmora processes: the lock belongs to the open file, not the process.
TEST_F(ProjectSessionTest, ASavedProjectIsHeldAgainstASecondVelmora) {
    ProjectSession mine(texts);
    ASSERT_TRUE(mine.write(path, project("suction")).saved);

    ProjectSession other(texts);
    const auto refused = other.read(path);
    EXPECT_FALSE(refused.opened);
    EXPECT_EQ(refused.messages, std::vector<UserMessage>{openFailed()});
    EXPECT_FALSE(other.isOpen());

    const std::string before = persist::readWholeFile(path);
    const auto save = other.write(path, project("overwritten"));
    EXPECT_FALSE(save.saved);
    EXPECT_EQ(save.message, openFailed());
    EXPECT_EQ(persist::readWholeFile(path), before);

    mine.close();
    const auto read = other.read(path);
    EXPECT_TRUE(read.opened);
    EXPECT_TRUE(read.read.valid);
    EXPECT_EQ(read.read.content.columns, project("suction").columns);
}

TEST_F(ProjectSessionTest, AnOpenedProjectIsHeldUntilAnotherIsOpened) {
    { ProjectSession writer(texts); ASSERT_TRUE(writer.write(path, project("a")).saved); }
    const auto second = folder.path() / "second.vla";
    { ProjectSession writer(texts); ASSERT_TRUE(writer.write(second, project("b")).saved); }

    ProjectSession mine(texts);
    ASSERT_TRUE(mine.read(path).opened);
    ProjectSession other(texts);
    EXPECT_FALSE(other.read(path).opened);
    ASSERT_TRUE(mine.read(second).opened);
    EXPECT_EQ(mine.heldPath(), second);
    EXPECT_TRUE(other.read(path).opened);
}

TEST_F(ProjectSessionTest, ReadingTheHeldProjectAgainWorks) {
    ProjectSession mine(texts);
    ASSERT_TRUE(mine.write(path, project("suction")).saved);
    const auto read = mine.read(path);
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.read.content.columns, project("suction").columns);
}

// A disk that fills up part-way through a save: the previous project stays whole on disk and
// held, and the failure is reported.
class FailedSave : public ProjectSessionTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(FailedSave, KeepsThePreviousFileWholeAndHeld) {
    FailingFileOps ops;
    ProjectSession mine(texts, ops);
    ASSERT_TRUE(mine.write(path, project("first")).saved);
    const std::string first = persist::readWholeFile(path);

    // The disk fills up GetParam() bytes before the end of the new content (or at once).
    const ProjectContent second = project("second, never stored");
    const std::size_t size = std::get<std::string>(encodeProjectFile(second, texts)).size();
    ops.writeLimit = ops.written + (size > GetParam() ? size - GetParam() : 0);
    const auto save = mine.write(path, second);
    EXPECT_FALSE(save.saved);
    ASSERT_TRUE(save.message.has_value());
    EXPECT_EQ(save.message->icon, MessageIcon::Error);
    EXPECT_EQ(save.message->caption, texts.text(GlobalText::ErrorCaption));
    EXPECT_EQ(save.message->text, "The project could not be saved. The previous project file is unchanged.\r" +
                                      path.string() + "\rwriting: No space left on device");

    EXPECT_EQ(persist::readWholeFile(path), first);
    EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"plant.vla"});
    EXPECT_EQ(mine.heldPath(), path);
    ProjectSession other(texts);
    EXPECT_FALSE(other.read(path).opened);
}

INSTANTIATE_TEST_SUITE_P(BytesShort, FailedSave, ::testing::Values(std::size_t{1}, std::size_t{200}, std::size_t{100000}));

TEST_F(ProjectSessionTest, SaveAsToANewFileMovesTheHold) {
    ProjectSession mine(texts);
    ASSERT_TRUE(mine.write(path, project("a")).saved);
    const auto copy = folder.path() / "copy.vla";
    ASSERT_TRUE(mine.write(copy, project("a")).saved);
    EXPECT_EQ(mine.heldPath(), copy);
    ProjectSession other(texts);
    EXPECT_TRUE(other.read(path).opened);
    EXPECT_FALSE(ProjectSession(texts).read(copy).opened);
}

TEST_F(ProjectSessionTest, AFileThatCannotBeOpenedChangesNothing) {
    ProjectSession mine(texts);
    ASSERT_TRUE(mine.write(path, project("a")).saved);
    const auto outcome = mine.read(folder.path() / "missing.vla");
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.messages, std::vector<UserMessage>{openFailed()});
    EXPECT_EQ(mine.heldPath(), path);
    EXPECT_FALSE(ProjectSession(texts).read(path).opened);
}

TEST_F(ProjectSessionTest, AnInvalidFileIsLeftAsItIsAndLetGo) {
    const std::string broken =
        persist::readWholeFile(std::filesystem::path(VELMORA_TEST_DATA_DIR) / "projects" / "one_line_short.vla");
    const auto file = folder.write("broken.vla", broken);
    ProjectSession mine(texts);
    const auto outcome = mine.read(file);
    EXPECT_TRUE(outcome.opened);
    EXPECT_FALSE(outcome.read.valid);
    EXPECT_EQ(outcome.messages, std::vector<UserMessage>{projectNotice(texts, GlobalText::ProjectFileInvalid)});
    EXPECT_FALSE(mine.isOpen());
    EXPECT_EQ(persist::readWholeFile(file), broken);
    EXPECT_TRUE(ProjectSession(texts).read(file).opened);
}

TEST_F(ProjectSessionTest, ACharacterTheFileCannotHoldIsNamedAndNothingIsWritten) {
    ProjectSession mine(texts);
    ASSERT_TRUE(mine.write(path, project("suction")).saved);
    const std::string before = persist::readWholeFile(path);
    const auto save = mine.write(path, project("pump → tank"));
    EXPECT_FALSE(save.saved);
    EXPECT_EQ(save.message, (UserMessage{.icon = MessageIcon::Error,
                                         .caption = "Error",
                                         .text = "The project was not saved. A project file cannot hold this "
                                                 "character: \"→\" (U+2192)\rColumn 1, Pipe designation\rPlease "
                                                 "replace the character and save again."}));
    EXPECT_EQ(persist::readWholeFile(path), before);
}

TEST_F(ProjectSessionTest, AnInvisibleCharacterIsNamedByItsCode) {
    ProjectSession mine(texts);
    ProjectContent content = project("a");
    content.columns[1].cells[9] = "Pipe length L in m:\t10";
    const auto save = mine.write(path, content);
    ASSERT_TRUE(save.message.has_value());
    EXPECT_EQ(save.message->text, "The project was not saved. A project file cannot hold this character: (U+0009)\r"
                                  "Column 2, Dimensions\rPlease replace the character and save again.");
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace velmora::workflow
