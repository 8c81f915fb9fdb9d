// A save killed at any moment: a child process saves a large file over and over, alternating two
// versions, and is killed with SIGKILL at random moments. After every kill the file on disk must
// be one of the two versions, whole and readable; and once the next save in the folder has
// succeeded, no temporary file of the killed saves is left beside it.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "media/user_database.h"
#include "persist/data_file_set.h"
#include "project_test_support.h"
#include "support/built_texts.h"
#include "support/temp_folder.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/project_session.h"

namespace velmora::workflow {
namespace {

using Clock = std::chrono::steady_clock;

const lang::TextCatalogue& germanTexts() {
    return velmora::testing::loadBuiltTexts(lang::Edition::Language::German);
}

// A project of 1000 element columns; the two versions differ in their heading and first loss.
ProjectContent project(int version) {
    ProjectContent content;
    content.heading = version == 0 ? "Kühlwasser, Stand alt" : "Kühlwasser, Stand neu";
    content.page = PageSettings{};
    const std::vector<ResultColumn> pair = testing::germanProjectColumns();
    for (int i = 0; i < 500; ++i) content.columns.insert(content.columns.end(), pair.begin(), pair.end());
    content.columns.front().cells[row::lossSmall] = version == 0 ? "39,123" : "41,007";
    return content;
}

std::vector<media::UserRecord> userRecords(int version) {
    std::vector<media::UserRecord> records;
    for (int i = 0; i < 2000; ++i) {
        media::UserEntries entries;
        entries.name = "Sole " + std::to_string(i) + (version == 0 ? " alt" : " neu");
        entries.texts = {"20", "1", "1180", "4,2", "Messung vom Labor"};
        records.push_back(std::get<media::UserRecord>(media::encodeUserRecord(entries)));
    }
    return records;
}

// Saves one version; made once per process, as the program keeps its project session.
using Saver = std::function<void(const std::filesystem::path&, int version)>;

struct SaveCase {
    const char* name;
    const char* fileName;
    std::function<Saver()> saver;
    std::function<std::string(int version)> bytes;  // what a save of the version writes
    std::function<bool(const std::filesystem::path&)> readable;
};

std::vector<SaveCase> saveCases() {
    return {
        {"project", "Kühlkreis.vla",
         [] {
             // The session holds the file locked between saves, as the program does.
             auto session = std::make_shared<ProjectSession>(germanTexts());
             auto contents = std::make_shared<std::vector<ProjectContent>>(std::vector{project(0), project(1)});
             return Saver([session, contents](const std::filesystem::path& path, int version) {
                 if (!session->write(path, (*contents)[static_cast<std::size_t>(version)]).saved)
                     throw std::runtime_error("not saved");
             });
         },
         [](int version) { return std::get<std::string>(encodeProjectFile(project(version), germanTexts())); },
         [](const std::filesystem::path& path) {
             return readProjectFile(persist::readWholeFile(path), germanTexts()).valid;
         }},
        {"user database", "USER.DAT",
         [] {
             auto records = std::make_shared<std::vector<std::vector<media::UserRecord>>>(
                 std::vector{userRecords(0), userRecords(1)});
             return Saver([records](const std::filesystem::path& path, int version) {
                 media::saveUserDatabase(path, (*records)[static_cast<std::size_t>(version)]);
             });
         },
         [](int version) { return media::writeUserRecords(userRecords(version)); },
         [](const std::filesystem::path& path) { return media::loadUserDatabase(path).size() == 2000; }},
    };
}

int temporaryCount(const std::filesystem::path& folder, const std::string& target) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        count += entry.path().filename().string().starts_with("." + target + ".saving-");
    return count;
}

// Starts a process that saves the two versions in turn, from `first` on, until it is killed. The
// saver is made beforehand, so that the process starts saving at once.
pid_t startSaving(const Saver& save, const std::filesystem::path& path, int first) {
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            for (int version = first;; version = 1 - version) save(path, version);
        } catch (...) {
        }
        _exit(3);
    }
    return child;
}

// Kills the process and reaps it; false when it had ended by itself (a save failed).
bool killAndReap(pid_t child) {
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(KilledSave, LeavesTheOldOrTheNewFileWholeAndNoTemporaryAfterTheNextSave) {
    for (const SaveCase& c : saveCases()) {
        SCOPED_TRACE(c.name);
        velmora::testing::TempFolder folder;
        const std::filesystem::path path = folder.path() / c.fileName;
        const std::string versions[] = {c.bytes(0), c.bytes(1)};
        c.saver()(path, 0);
        const Saver save = c.saver();

        // How long a process takes to start and write the other version: the kill moments are
        // drawn over three times that, so that they fall before, during and after the writing of
        // the temporary file and its rename.
        const auto started = Clock::now();
        const pid_t first = startSaving(save, path, 1);
        while (persist::readWholeFile(path) != versions[1]) std::this_thread::sleep_for(std::chrono::microseconds(100));
        const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started).count();
        ASSERT_TRUE(killAndReap(first));
        std::mt19937 random(20261211);
        std::uniform_int_distribution<long> moment(0, 3 * std::max<long>(saveTime, 1000));

        int killsMidSave = 0;
        for (int kill = 0; kill < 100; ++kill) {
            const pid_t child = startSaving(save, path, kill % 2);
            std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
            ASSERT_TRUE(killAndReap(child)) << "kill " << kill << ": the saving process ended by itself";
            const std::string bytes = persist::readWholeFile(path);
            ASSERT_TRUE(bytes == versions[0] || bytes == versions[1])
                << "kill " << kill << ": the file holds " << bytes.size() << " bytes, neither version";
            ASSERT_TRUE(c.readable(path)) << "kill " << kill;
            killsMidSave += temporaryCount(folder.path(), c.fileName) > 0;
        }
        EXPECT_GT(killsMidSave, 0) << "no kill fell into the writing of a save; the test missed its window";

        // The next save that succeeds removes what the killed ones left.
        c.saver()(path, 1);
        EXPECT_EQ(persist::readWholeFile(path), versions[1]);
        EXPECT_EQ(temporaryCount(folder.path(), c.fileName), 0);
    }
}

}  // namespace
}  // namespace velmora::workflow
