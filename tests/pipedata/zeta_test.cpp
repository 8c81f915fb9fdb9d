// The zeta database: the line format, the maker list, the dialog's flow and the built files
// against the handbooks' values worked by hand.
#include "pipedata/zeta_presenter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "model/number_text.h"
#include "persist/data_file_set.h"
#include "support/built_texts.h"

namespace velmora::pipedata {
namespace {

using F = ZetaField;
using Language = lang::Edition::Language;

TEST(ZetaLine, PairsEndAtTheLineEndOrAnEmptySize) {
    const ZetaFitting valve = parseZetaLine("Valve\t50\t4,5\t80\t4,1");
    EXPECT_EQ(valve.designation, "Valve");
    EXPECT_EQ(valve.sizes, (std::vector<std::pair<std::string, std::string>>{{"50", "4,5"}, {"80", "4,1"}}));
    EXPECT_EQ(parseZetaLine("Valve\t50\t4,5\t\t9\t100\t3").sizes.size(), 1u);
    EXPECT_TRUE(parseZetaLine("Valve").sizes.empty());
}

struct ZetaFolder : ::testing::Test {
    // One folder per test: the tests may run at the same time in separate processes.
    std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                   (std::string("zeta_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    model::RecordingMessenger messenger;
    ZetaFolder() {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "BETA.ZTA") << "Valve\t50\t4,5\t80\t4,1\r\nElbow\t25\t0,8\t\t\r\n";
        std::ofstream(folder / "alpha.zta") << "Check valve\t100\t2\r\n";
        std::ofstream(folder / "notes.txt") << "not a maker\n";
    }
};

TEST_F(ZetaFolder, MakersAreTheZtaFiles) {
    EXPECT_EQ(zetaMakers(folder), (std::vector<std::string>{"BETA", "alpha"}));
}

// The valve with (50, 4,5) and (80, 4,1) lists 50 and 80 and shows 4,5 first (4.5 in English).
TEST_F(ZetaFolder, DialogFlowAndTakeOver) {
    for (auto [language, first, second] : {std::tuple{Language::German, "4,5", "4,1"},
                                           std::tuple{Language::English, "4.5", "4.1"}}) {
        ZetaPresenter p(testing::loadBuiltTexts(language), folder);
        p.show(messenger);
        EXPECT_EQ(p.form().current(static_cast<int>(F::Maker)), "BETA");
        EXPECT_EQ(p.form().choice(static_cast<int>(F::Fitting)).items(), (std::vector<std::string>{"Valve", "Elbow"}));
        EXPECT_EQ(p.form().choice(static_cast<int>(F::Size)).items(), (std::vector<std::string>{"50", "80"}));
        EXPECT_EQ(p.form().output(static_cast<int>(F::Zeta)), first);
        ASSERT_TRUE(p.choose(F::Size, 1, messenger));
        EXPECT_EQ(p.form().output(static_cast<int>(F::Zeta)), second);
        const ZetaValues v = p.values();
        EXPECT_EQ(v.maker, "BETA");
        EXPECT_EQ(v.fitting, "Valve");
        EXPECT_EQ(v.sizeText, "80");
        EXPECT_EQ(v.zetaText, second);
        EXPECT_TRUE(v.withDesignation);
        EXPECT_EQ(v.pumpRows, (std::array<bool, 3>{true, false, false}));
        ASSERT_TRUE(p.choose(F::Fitting, 1, messenger));
        EXPECT_EQ(p.form().choice(static_cast<int>(F::Size)).items(), std::vector<std::string>{"25"});
        ASSERT_TRUE(p.choose(F::Maker, 1, messenger));
        EXPECT_EQ(p.form().current(static_cast<int>(F::Fitting)), "Check valve");
    }
    EXPECT_TRUE(messenger.messages().empty());
}

// A maker file that cannot be read (gone since the list was made): the message with the file's
// name, and empty lists.
TEST_F(ZetaFolder, UnreadableFileLeavesTheListsEmpty) {
    ZetaPresenter p(testing::loadBuiltTexts(Language::English), folder);
    p.show(messenger);
    ASSERT_TRUE(messenger.messages().empty());
    std::filesystem::remove(folder / "BETA.ZTA");
    ASSERT_TRUE(p.choose(F::Maker, 0, messenger));
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].icon, model::MessageIcon::Warning);
    EXPECT_EQ(messenger.messages()[0].text, "The zeta file cannot be read: BETA.ZTA");
    EXPECT_TRUE(p.form().choice(static_cast<int>(F::Fitting)).items().empty());
    EXPECT_TRUE(p.form().choice(static_cast<int>(F::Size)).items().empty());
}

double zetaOf(const std::string& maker, const std::string& fitting, const std::string& size) {
    for (const std::string& line : persist::DataFileSet(VELMORA_DATA_DIR).readPlain(maker + ".ZTA")) {
        const ZetaFitting f = parseZetaLine(line);
        if (f.designation != fitting) continue;
        for (const auto& [dn, zeta] : f.sizes)
            if (dn == size) return static_cast<double>(*model::readNumber(zeta));
    }
    ADD_FAILURE() << maker << " " << fitting << " DN " << size << " not found";
    return 0;
}

// The built files against the handbooks worked by hand: Crane TP-410 K = multiplier x fT
// (fT 0,019 for 2 in., 0,015 for 6 in.); Hooper's 2-K K = Kinf (1 + 1/D in.); Darby's 3-K
// K = Ki (1 + Kd / D^0,3).
TEST(ZetaFiles, HandbookValuesWorkedByHand) {
    struct Case {
        std::string maker, fitting, size;
        double zeta;
    };
    const Case cases[] = {
        {"CRANE", "Gate valve, wedge disc, full bore (8 fT)", "50", 8 * 0.019},
        {"CRANE", "Globe valve, straight pattern (340 fT)", "150", 340 * 0.015},
        {"CRANE", "Standard elbow 90 deg (30 fT)", "100", 30 * 0.017},
        {"CRANE", "Swing check valve (100 fT)", "80", 100 * 0.018},
        {"HOOPER", "Elbow, 90 deg, Standard (R/D = 1), Flanged/welded", "50", 0.25 * (1 + 1 / 2.0)},
        {"HOOPER", "Valve, Globe, Standard", "100", 4.0 * (1 + 1 / 4.0)},
        {"DARBY", "Valve, Gate valve, standard, beta = 1", "100", 0.037 * (1 + 3.9 / std::pow(4.0, 0.3))},
        {"RENNELS", "Mitre bend 90 deg, one joint", "200", 0.42 * std::sin(M_PI / 4) + 2.56 * std::pow(std::sin(M_PI / 4), 3)},
    };
    for (const Case& c : cases) EXPECT_NEAR(zetaOf(c.maker, c.fitting, c.size), c.zeta, 0.006 * c.zeta + 0.0005) << c.fitting;
}

// Every line of every built file: a designation, ten to thirty fittings a file, sizes rising,
// every zeta a positive number.
TEST(ZetaFiles, EveryLineIsPlausible) {
    const auto makers = zetaMakers(VELMORA_DATA_DIR);
    EXPECT_EQ(makers, (std::vector<std::string>{"CRANE", "DARBY", "HOOPER", "RENNELS"}));
    for (const std::string& maker : makers) {
        const auto lines = persist::DataFileSet(VELMORA_DATA_DIR).readPlain(maker + ".ZTA");
        EXPECT_GE(lines.size(), 10u) << maker;
        EXPECT_LE(lines.size(), 30u) << maker;
        for (const std::string& line : lines) {
            const ZetaFitting f = parseZetaLine(line);
            EXPECT_FALSE(f.designation.empty());
            EXPECT_GE(f.sizes.size(), 5u) << line;
            double previous = 0;
            for (const auto& [dn, zeta] : f.sizes) {
                const double size = static_cast<double>(*model::readNumber(dn));
                EXPECT_GT(size, previous) << line;
                previous = size;
                const auto z = model::readNumber(zeta);
                ASSERT_TRUE(z) << line;
                EXPECT_GT(*z, 0) << line;
                EXPECT_LT(*z, 100) << line;
            }
        }
    }
}

}  // namespace
}  // namespace velmora::pipedata
