#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include "persist/locked_file.h"
#include "persist/windows1252.h"
#include "support/pump_design_entries.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"
#include "tool_test_support.h"

namespace velmora::tools {
namespace {

using Language = lang::Edition::Language;
using P = PumpDesignPresenter;
using testing::TempFolder;

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every entry and unit choice of the window, for comparing two presenters.
std::vector<std::string> entriesOf(const P& p) {
    std::vector<std::string> all;
    const auto& f = p.form();
    for (int field : {int(P::MediumName), int(P::Flow), int(P::Density), int(P::Viscosity), int(P::Temperature),
                      int(P::Vapour), int(P::Roughness), int(P::PumpName)})
        all.push_back(f.text(field));
    for (int box : {int(P::FlowQuantity), int(P::FlowUnit), int(P::DensityUnit), int(P::ViscosityQuantity),
                    int(P::ViscosityUnit), int(P::VapourUnit), int(P::RoughnessUnit)})
        all.push_back(std::to_string(f.index(box)));
    for (PumpSide side : {PumpSide::Suction, PumpSide::Discharge})
        for (int e = P::TankPressure; e < P::TankLabel; ++e) {
            const int field = P::sideField(side, e);
            const bool box = e == P::TankUnit || e == P::HeightUnit || e == P::DiameterUnit || e == P::LengthUnit;
            all.push_back(box ? std::to_string(f.index(field)) : f.text(field));
        }
    return all;
}

struct PumpDesignFileEditions : ::testing::TestWithParam<Language> {};

// A design with something in every entry, every unit off its first item and both quantities
// switched, so that a line written or read in the wrong place shows.
void typeFullDesign(P& p, bool comma) {
    testing::typeHandWorkedDesign(p, comma);
    auto& f = p.form();
    f.choice(P::FlowQuantity).select(1);
    p.chosen(P::FlowQuantity);
    f.choice(P::FlowUnit).selectLabel("lb./min");
    f.choice(P::ViscosityQuantity).select(1);
    p.chosen(P::ViscosityQuantity);
    f.choice(P::ViscosityUnit).selectLabel("sq.ft./hr");
    f.choice(P::DensityUnit).selectLabel("lb./gal.");
    f.choice(P::VapourUnit).selectLabel("mm WS");
    f.choice(P::RoughnessUnit).select(1);
    for (PumpSide side : {PumpSide::Suction, PumpSide::Discharge}) {
        f.choice(P::sideField(side, P::TankUnit)).selectLabel(side == PumpSide::Suction ? "psig" : "m WS");
        f.choice(P::sideField(side, P::HeightUnit)).select(1);
        f.choice(P::sideField(side, P::DiameterUnit)).select(1);
        f.choice(P::sideField(side, P::LengthUnit)).select(1);
        for (int i = 0; i < kPumpFittingCount; ++i)
            f.setText(P::sideField(side, P::FittingCount0 + i), std::to_string(i + (side == PumpSide::Suction ? 1 : 7)));
        for (int e = 0; e < kPumpFurtherCount; ++e) {
            f.setText(P::furtherField(side, P::FurtherCount0, e), std::to_string(e + 2));
            f.setText(P::furtherField(side, P::FurtherName0, e), "Element " + std::to_string(e));
            f.setText(P::furtherField(side, P::FurtherZeta0, e), e == 1 ? "" : (comma ? "1,5" : "1.5"));
            f.setText(P::furtherField(side, P::FurtherLoss0, e), e == 1 ? (comma ? "0,25" : "0.25") : "");
        }
    }
    f.setText(P::Viscosity, comma ? "1 002,5" : "1 002.5");  // a blank inside a number before a unit with blanks
}

TEST_P(PumpDesignFileEditions, WriteThenReadReproducesEveryEntry) {
    const lang::TextCatalogue& texts = testing::loadBuiltTexts(GetParam());
    const bool comma = texts.edition().decimalComma();
    testing::UnitRuleConversion conversion;
    P written(texts, conversion);
    written.shown();
    typeFullDesign(written, comma);
    const std::string content = written.fileContent();

    const auto lines = testing::linesOf(content, '\n');
    ASSERT_EQ(lines.size(), 71u);  // 70 lines, each ending CR LF
    EXPECT_EQ(lines[0], "PSA 6.2\r");
    for (std::size_t i = 0; i < 70; ++i) EXPECT_EQ(lines[i].back(), '\r') << "line " << i + 1;
    EXPECT_EQ(lines[6], "Massenstrom\r");
    EXPECT_EQ(lines[10], "Kin.Viskos.\r");

    P read(texts, conversion);
    read.shown();
    model::RecordingMessenger messenger;
    ASSERT_TRUE(read.readContent(content, "design.psa", messenger));
    EXPECT_TRUE(messenger.messages().empty());
    EXPECT_EQ(entriesOf(read), entriesOf(written));
    EXPECT_EQ(read.form().caption(P::WindowTitle), read.title() + ": design.psa");
    // The labels beside the further elements' losses follow the tank-pressure units read.
    EXPECT_NE(read.form().caption(P::sideField(PumpSide::Suction, P::FurtherLossUnitLabel)).find("psig"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(AllEditions, PumpDesignFileEditions,
                         ::testing::Values(Language::German, Language::English, Language::French, Language::Dutch));

TEST(PumpDesignFile, DesignOfTheFrenchEditionOpensInTheEnglishOne) {
    testing::UnitRuleConversion conversion;
    P french(testing::loadBuiltTexts(Language::French), conversion);
    french.shown();
    typeFullDesign(french, true);
    P english(testing::englishTexts(), conversion);
    english.shown();
    model::RecordingMessenger messenger;
    ASSERT_TRUE(english.readContent(french.fileContent(), "f.psa", messenger));
    EXPECT_EQ(english.form().text(P::Density), "998.2");
    EXPECT_EQ(english.form().text(P::Viscosity), "1 002.5");
    EXPECT_EQ(english.form().text(P::furtherField(PumpSide::Discharge, P::FurtherLoss0, 1)), "0.25");
    EXPECT_EQ(english.form().index(P::FlowQuantity), 1);
    EXPECT_EQ(english.form().current(P::FlowUnit), "lb./min");
    EXPECT_EQ(english.form().current(P::ViscosityUnit), "sq.ft./hr");
}

// Line 7 and line 11 as other editions and older versions wrote them.
TEST(PumpDesignFile, FlowAndViscosityWordsOfEveryEdition) {
    testing::UnitRuleConversion conversion;
    P source(testing::englishTexts(), conversion);
    typeFullDesign(source, false);
    const std::string content = source.fileContent();
    struct Case {
        const char* flowWord;
        bool volume;
        const char* viscosityWord;
        bool dynamic;
    } cases[] = {
        {"Volumenstrom:", true, "Dyn.Viskos.", true},   {"Volume flow:", true, "Abs.viscos", true},
        {"Vol.strom:", true, "Dyn.viscos.", true},      {"Débit volumique :", true, "Viscosité dynamique", true},
        {"Volumestroom:", true, "Visc.dyn.", true},     {"Massenstrom", false, "Kin.Viskos.", false},
        {"Mass flow:", false, "Kin.viscos", false},     {"Débit massique :", false, "Viscosité cinématique", false},
    };
    for (const Case& c : cases) {
        auto lines = testing::linesOf(content, '\n');
        lines[6] = c.flowWord;
        lines[7] = std::string("12.5 ") + (c.volume ? "l/s" : "kg/s");
        lines[10] = c.viscosityWord;
        lines[11] = std::string("3 ") + (c.dynamic ? "mPa s" : "cSt");
        std::string edited;
        for (std::size_t i = 0; i < 70; ++i) edited += lines[i] + "\n";
        P read(testing::englishTexts(), conversion);
        model::RecordingMessenger messenger;
        ASSERT_TRUE(read.readContent(edited, "old.psa", messenger)) << c.flowWord;
        EXPECT_EQ(read.form().index(P::FlowQuantity), c.volume ? 0 : 1) << c.flowWord;
        EXPECT_EQ(read.form().current(P::FlowUnit), c.volume ? "l/s" : "kg/s") << c.flowWord;
        EXPECT_EQ(read.form().index(P::ViscosityQuantity), c.dynamic ? 0 : 1) << c.viscosityWord;
        EXPECT_EQ(read.form().current(P::ViscosityUnit), c.dynamic ? "mPa s" : "cSt") << c.viscosityWord;
        EXPECT_EQ(read.form().text(P::Flow), "12.5");
    }
}

TEST(PumpDesignFile, ShortOrDamagedFileStopsTheLoadAndKeepsTheTitle) {
    testing::UnitRuleConversion conversion;
    P source(testing::englishTexts(), conversion);
    typeFullDesign(source, false);
    const auto lines = testing::linesOf(source.fileContent(), '\n');
    const auto join = [&](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) text += lines[i] + "\n";
        return text;
    };
    P read(testing::englishTexts(), conversion);
    read.shown();
    model::RecordingMessenger messenger;
    EXPECT_FALSE(read.readContent(join(50), "short.psa", messenger));
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].icon, model::MessageIcon::Warning);
    EXPECT_NE(messenger.messages()[0].text.find("fewer than 70 lines"), std::string::npos);
    EXPECT_EQ(read.form().caption(P::WindowTitle), read.title());
    // The entries before the missing line have their new values.
    EXPECT_EQ(read.form().text(P::sideField(PumpSide::Suction, P::Diameter)), "82.5");

    // A unit the list does not hold would leave the value in an unknown unit: refused by line.
    auto damaged = lines;
    damaged[21] = "furlong";  // suction height unit, line 22
    std::string text;
    for (std::size_t i = 0; i < 70; ++i) text += damaged[i] + "\n";
    messenger.clear();
    EXPECT_FALSE(read.readContent(text, "bad.psa", messenger));
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_NE(messenger.messages()[0].text.find("bad.psa (22)"), std::string::npos);
}

class PumpDesignFileOnDisk : public ::testing::Test {
  protected:
    PumpDesignFileOnDisk() : presenter(testing::germanTexts(), conversion) {
        presenter.shown();
        testing::typeHandWorkedDesign(presenter, true);
        path = folder.path() / "anlage.psa";
    }
    testing::UnitRuleConversion conversion;
    P presenter;
    TempFolder folder;
    std::filesystem::path path;
    model::RecordingMessenger messenger;
};

TEST_F(PumpDesignFileOnDisk, SaveAsHoldsTheFileAndNamesItInTheTitle) {
    ASSERT_TRUE(presenter.saveAs(path, messenger));
    EXPECT_TRUE(presenter.holdsFile());
    EXPECT_EQ(presenter.form().caption(P::WindowTitle), "Pumpen-Schnellauslegung: anlage.psa");
    EXPECT_EQ(persist::windows1252ToUtf8(readBytes(path)), presenter.fileContent());
    // "Wasser 20 °C" is stored in Windows-1252, as the project files are.
    EXPECT_NE(readBytes(path).find("20 \xB0" "C"), std::string::npos);

    P other(testing::germanTexts(), conversion);
    ASSERT_TRUE(other.open(std::filesystem::path(path), messenger) == false);  // held by the first
    EXPECT_NE(messenger.messages().back().text.find("anderen Programm"), std::string::npos);
    EXPECT_FALSE(other.holdsFile());

    presenter.clear();
    EXPECT_FALSE(presenter.holdsFile());
    EXPECT_EQ(presenter.form().caption(P::WindowTitle), "Pumpen-Schnellauslegung");
    EXPECT_EQ(presenter.form().text(P::Flow), "");
    EXPECT_EQ(presenter.form().text(P::fittingField(PumpSide::Suction, PumpFitting::Bend)), "0");
    messenger.clear();
    ASSERT_TRUE(other.open(path, messenger));
    EXPECT_EQ(other.form().text(P::Density), "998,2");
    EXPECT_EQ(other.form().caption(P::WindowTitle), "Pumpen-Schnellauslegung: anlage.psa");
}

TEST_F(PumpDesignFileOnDisk, FailingSaveLeavesTheOldFileByteIdenticalAndSaysSo) {
    ASSERT_TRUE(presenter.saveAs(path, messenger));
    const std::string before = readBytes(path);
    presenter.form().setText(P::Flow, "45");
    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{200}, before.size() - 1}) {
        testing::FailingFileOps ops;
        ops.writeLimit = limit;
        messenger.clear();
        EXPECT_FALSE(presenter.save(messenger, ops)) << limit;
        EXPECT_EQ(readBytes(path), before) << limit;
        ASSERT_EQ(messenger.messages().size(), 1u);
        EXPECT_EQ(messenger.messages()[0].icon, model::MessageIcon::Warning);
        EXPECT_NE(messenger.messages()[0].text.find("unverändert"), std::string::npos);
    }
    for (bool fsync : {true, false}) {
        testing::FailingFileOps ops;
        (fsync ? ops.failFsync : ops.failRename) = true;
        EXPECT_FALSE(presenter.save(messenger, ops));
        EXPECT_EQ(readBytes(path), before);
    }
    // Still held after the failures, and the next save goes through.
    EXPECT_TRUE(presenter.holdsFile());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
    ASSERT_TRUE(presenter.save(messenger));
    EXPECT_NE(readBytes(path).find("45 m"), std::string::npos);
}

// The save process ends in the middle of writing: the file holds the old or the new design,
// never a part of one.
TEST_F(PumpDesignFileOnDisk, KilledSaveLeavesTheOldOrTheNewFile) {
    ASSERT_TRUE(presenter.saveAs(path, messenger));
    const std::string before = readBytes(path);
    presenter.form().setText(P::Flow, "45");
    const std::string after = persist::utf8ToWindows1252Lossy(presenter.fileContent());
    presenter.releaseFile();

    struct DyingOps : persist::FileOps {
        std::size_t killAt = 0;
        std::size_t written = 0;
        bool killOnRename = false;
        ssize_t write(int fd, const void* data, std::size_t size) override {
            const std::size_t part = std::min(size, killAt - written);
            const ssize_t n = persist::FileOps::write(fd, data, part);
            written += static_cast<std::size_t>(std::max<ssize_t>(n, 0));
            if (written >= killAt) ::raise(SIGKILL);
            return n;
        }
        int rename(const char* from, const char* to) override {
            const int result = persist::FileOps::rename(from, to);
            if (killOnRename) ::raise(SIGKILL);
            return result;
        }
    };
    for (auto [killAt, onRename] : {std::pair{std::size_t{1}, false}, std::pair{after.size() / 2, false},
                                    std::pair{after.size() + 1, true}}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            DyingOps ops;
            ops.killAt = killAt;
            ops.killOnRename = onRename;
            model::RecordingMessenger quiet;
            presenter.save(quiet, ops);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << killAt;
        const std::string now = readBytes(path);
        EXPECT_TRUE(now == before || now == after) << killAt;
        if (onRename) EXPECT_EQ(now, after);
        else EXPECT_EQ(now, before);
    }
}

TEST_F(PumpDesignFileOnDisk, TheLockHoldsAgainstASecondProcess) {
    ASSERT_TRUE(presenter.saveAs(path, messenger));
    ASSERT_TRUE(presenter.save(messenger));  // the lock moves to the replaced content
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            persist::LockedFile::open(path);
            ::_exit(0);
        } catch (const persist::FileAccessError& e) {
            ::_exit(e.kind() == persist::FileAccessError::Kind::Locked ? 3 : 4);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "0: opened despite the lock, 4: failed for another reason";
}

TEST_F(PumpDesignFileOnDisk, FileThatCannotBeOpenedLeavesTheEntries) {
    const auto before = entriesOf(presenter);
    EXPECT_FALSE(presenter.open(folder.path() / "fehlt.psa", messenger));
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].icon, model::MessageIcon::Warning);
    EXPECT_NE(messenger.messages()[0].text.find("fehlt.psa"), std::string::npos);
    EXPECT_EQ(entriesOf(presenter), before);
    EXPECT_FALSE(presenter.holdsFile());
}

}  // namespace
}  // namespace velmora::tools
