#include "workflow/recent_projects.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace velmora::workflow {
namespace {

using velmora::testing::TempFolder;

TEST(RecentProjects, KeepsTheTwentyMostRecentExistingFiles) {
    TempFolder folder;
    RecentProjects recent;
    for (int i = 0; i < 25; ++i) recent.add(folder.write("p" + std::to_string(i) + ".vla", "6.0"));
    ASSERT_EQ(recent.paths().size(), 20u);
    EXPECT_EQ(recent.paths().front(), (folder.path() / "p24.vla").string());
    EXPECT_EQ(recent.paths().back(), (folder.path() / "p5.vla").string());
}

TEST(RecentProjects, AnEqualEntryMovesToTheTop) {
    TempFolder folder;
    const auto a = folder.write("a.vla", "6.0");
    const auto b = folder.write("b.vla", "6.0");
    RecentProjects recent;
    recent.add(a);
    recent.add(b);
    recent.add(folder.path() / "sub" / ".." / "a.vla");
    EXPECT_EQ(recent.paths(), (std::vector<std::string>{a.string(), b.string()}));
}

TEST(RecentProjects, OnlyExistingFilesAreTaken) {
    TempFolder folder;
    RecentProjects recent;
    recent.add(folder.path() / "gone.vla");
    recent.add(folder.path());  // a folder is no project
    recent.add("");
    EXPECT_TRUE(recent.paths().empty());
}

// File names differ by case here; the path is kept as given, not lower-cased.
TEST(RecentProjects, KeepsTheCaseOfThePath) {
    TempFolder folder;
    const auto file = folder.write("Plant.VLA", "6.0");
    RecentProjects recent;
    recent.add(file);
    EXPECT_EQ(recent.paths(), std::vector<std::string>{file.string()});
}

TEST(RecentProjects, MenuShowsTheFirstEntriesByNameInTheCurrentFolder) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "other");
    RecentProjects recent;
    const auto elsewhere = folder.write("other/far.vla", "6.0");
    recent.add(elsewhere);
    for (int i = 0; i < 6; ++i) recent.add(folder.write("p" + std::to_string(i) + ".vla", "6.0"));
    recent.setMaxShown(7);
    const auto items = recent.menuItems(folder.path() / "");
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0], (RecentProjects::MenuItem{"&0 p5.vla", (folder.path() / "p5.vla").string()}));
    EXPECT_EQ(items[6], (RecentProjects::MenuItem{"&6 " + elsewhere.string(), elsewhere.string()}));
    EXPECT_EQ(recent.pathOfCaption("&6 " + elsewhere.string(), folder.path()), elsewhere.string());
    EXPECT_EQ(recent.pathOfCaption("&7 nothing", folder.path()), std::nullopt);

    recent.setMaxShown(RecentProjects::defaultShown);
    EXPECT_EQ(recent.menuItems(folder.path()).size(), 6u);
}

}  // namespace
}  // namespace velmora::workflow
