// The built pipe tables: every block at its fixed lines under its title, and every record plausible,
// checked against the standards' own lists and, for the American steel pipe, against python3-fluids.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

#include "model/number_text.h"
#include "persist/data_file_set.h"
#include "pipedata/pipe_tables.h"

namespace velmora::pipedata {
namespace {

const std::vector<std::string>& builtLines(PipePage page) {
    static std::map<PipePage, std::vector<std::string>> files;
    auto it = files.find(page);
    if (it == files.end())
        it = files.emplace(page, readPipeFile(persist::DataFileSet(VELMORA_DATA_DIR), pipeFileName(page), false)).first;
    return it->second;
}

double number(const std::string& text) {
    const auto value = model::readNumber(text);
    if (!value) ADD_FAILURE() << "not a number: '" << text << "'";
    return value ? static_cast<double>(*value) : 0;
}

constexpr PipePage kPages[] = {PipePage::European, PipePage::American, PipePage::Other};

// The title line "#<number> …" stands just above every block; a line inserted above a block moves
// the block's lines off their fixed numbers and this title with them.
TEST(PipeFiles, EveryBlockStandsAtItsFixedLinesUnderItsTitle) {
    for (PipePage page : kPages) {
        const auto& lines = builtLines(page);
        for (const PipeStandard& standard : pipeStandards(page)) {
            SCOPED_TRACE(std::string(pipeFileName(page)) + " standard " + std::to_string(standard.number));
            ASSERT_GE(static_cast<int>(lines.size()), standard.last);
            const std::string title = "#" + std::to_string(standard.number) + " ";
            EXPECT_EQ(lines[static_cast<std::size_t>(standard.first - 2)].rfind(title, 0), 0u)
                << lines[static_cast<std::size_t>(standard.first - 2)];
            // Nothing of the block runs on past its last line.
            if (standard.last < static_cast<int>(lines.size())) {
                const std::string& after = lines[static_cast<std::size_t>(standard.last)];
                EXPECT_TRUE(after.empty() || after[0] == '#') << after;
            }
        }
    }
}

TEST(PipeFiles, TheSuppliedStandardsOfEachPage) {
    std::vector<int> european;
    for (const PipeStandard& s : pipeStandards(PipePage::European))
        if (!PipeBlock(builtLines(PipePage::European), s).empty()) european.push_back(s.number);
    EXPECT_EQ(european, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 21, 29, 36, 37}));
    for (PipePage page : {PipePage::American, PipePage::Other})
        for (const PipeStandard& s : pipeStandards(page)) EXPECT_FALSE(PipeBlock(builtLines(page), s).empty());
}

// Every record of every block: positive outside diameter, positive walls that leave a positive
// bore, walls rising along the line (classes run from the thinnest to the thickest wall), and a
// plausible size for the unit of its page.
TEST(PipeFiles, EveryRecordIsPlausible) {
    int records = 0;
    for (PipePage page : kPages) {
        for (const PipeStandard& standard : pipeStandards(page)) {
            const PipeBlock block(builtLines(page), standard);
            const auto sizes = block.sizeItems();
            for (int size = 0; size < static_cast<int>(sizes.size()); ++size) {
                SCOPED_TRACE(std::string(pipeFileName(page)) + " standard " + std::to_string(standard.number) +
                             " size " + sizes[static_cast<std::size_t>(size)]);
                const double d = number(block.outsideDiameter(size));
                if (page == PipePage::American) {
                    EXPECT_GT(d, 0.3);
                    EXPECT_LT(d, 70);
                } else {
                    EXPECT_GT(d, 5);
                    EXPECT_LT(d, 2600);
                }
                const int classes = hasSecondList(standard.layout) ? static_cast<int>(block.classItems(size).size()) : 1;
                EXPECT_GE(classes, 1);
                double previous = 0;
                int walls = 0;
                for (int c = 0; c < classes; ++c) {
                    const std::string wall = block.wallThickness(size, c);
                    if (wall.empty()) continue;
                    const double s = number(wall);
                    EXPECT_GT(s, 0);
                    EXPECT_GT(d - 2 * s, 0) << "wall " << wall;
                    EXPECT_LT(s, d / 2.5) << "wall " << wall;
                    EXPECT_GT(s, previous) << "wall " << wall;
                    previous = s;
                    ++walls;
                    ++records;
                }
                EXPECT_GE(walls, 1);
            }
        }
    }
    EXPECT_GT(records, 2000);
}

// EN 10220 series 1 outside diameters as the standard lists them; the seamless block has them to
// 711 mm, the welded one to 2540 mm.
TEST(PipeFiles, En10220SeriesOneOutsideDiameters) {
    const std::vector<double> series1 = {10.2,  13.5,  17.2,  21.3,  26.9,  33.7,  42.4,  48.3,  60.3,  76.1,
                                         88.9,  114.3, 139.7, 168.3, 219.1, 273.0, 323.9, 355.6, 406.4, 457.0,
                                         508.0, 610.0, 711.0, 813.0, 914.0, 1016.0, 1067.0, 1118.0, 1219.0,
                                         1422.0, 1626.0, 1829.0, 2032.0, 2235.0, 2540.0};
    for (int number : {1, 2}) {
        const PipeBlock block(builtLines(PipePage::European), pipeStandards(PipePage::European)[number - 1]);
        std::vector<double> found;
        for (int size = 0; size < static_cast<int>(block.sizeItems().size()); ++size)
            if (block.series(size) == "1") found.push_back(std::stod(block.outsideDiameter(size)));
        const std::vector<double> expected(series1.begin(), series1.begin() + (number == 1 ? 23 : 35));
        EXPECT_EQ(found, expected) << "standard " << number;
    }
}

// Plastic walls follow their SDR: s ≈ Do / SDR, never below it by more than the standard's rounding
// and above it only by that rounding or where the minimum wall governs (s <= 3 mm). A shifted
// column is 20 % off.
TEST(PipeFiles, PlasticWallsFollowTheirSdr) {
    struct Case {
        int standard;
        std::vector<double> sdr;  // per class
    };
    const Case cases[] = {
        {17, {26, 21, 17, 13.6, 11, 9, 7.4}},  // PE 100: PN 6 … 25
        {18, {26, 21, 17, 13.6, 11, 9, 7.4}},  // PE 80: PN 5 … 20
        {21, {26, 21, 17, 13.6, 11, 9, 7.4}},
        {29, {11, 7.4, 6}},  // PP-R: PN 10, 16, 20
    };
    int checked = 0;
    for (const Case& c : cases) {
        const PipeBlock block(builtLines(PipePage::European), pipeStandards(PipePage::European)[c.standard - 1]);
        ASSERT_EQ(block.classItems(0).size(), c.sdr.size()) << c.standard;
        for (int size = 0; size < static_cast<int>(block.sizeItems().size()); ++size) {
            const double d = number(block.outsideDiameter(size));
            for (std::size_t k = 0; k < c.sdr.size(); ++k) {
                const std::string wall = block.wallThickness(size, static_cast<int>(k));
                if (wall.empty()) continue;
                const double ratio = number(wall) / (d / c.sdr[k]);
                SCOPED_TRACE("standard " + std::to_string(c.standard) + " d " + std::to_string(d) + " SDR " +
                             std::to_string(c.sdr[k]));
                EXPECT_GT(ratio, 0.98);
                if (number(wall) > 3.0) EXPECT_LT(ratio, 1.06);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 300);
}

// Every cell of the ASME B36.19M and B36.10M blocks against python3-fluids' transcription of the
// standards (a second, independent source).
TEST(PipeFiles, AsmeSchedulesMatchPythonFluids) {
    if (std::system("/usr/bin/python3 -c 'import fluids' 2>/dev/null") != 0) GTEST_SKIP() << "python3-fluids missing";
    const std::string input = ::testing::TempDir() + "asme_cells.txt";
    std::ofstream cells(input);
    int written = 0;
    for (int number : {1, 2, 3}) {
        const PipeBlock block(builtLines(PipePage::American), pipeStandards(PipePage::American)[number - 1]);
        const auto sizes = block.sizeItems();
        for (int size = 0; size < static_cast<int>(sizes.size()); ++size) {
            const auto schedules = block.classItems(size);
            std::string nps = sizes[static_cast<std::size_t>(size)];
            std::replace(nps.begin(), nps.end(), ' ', '+');
            for (int k = 0; k < static_cast<int>(schedules.size()); ++k) {
                const std::string wall = block.wallThickness(size, k);
                if (wall.empty()) continue;
                cells << schedules[static_cast<std::size_t>(k)] << ' ' << nps << ' ' << block.outsideDiameter(size)
                      << ' ' << wall << '\n';
                ++written;
            }
        }
    }
    cells.close();
    const std::string command = "/usr/bin/python3 " VELMORA_PIPEDATA_TEST_DIR "/schedule_reference.py < " + input;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string report;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) report += buffer;
    ASSERT_EQ(pclose(pipe), 0) << report;
    EXPECT_EQ(report, "checked " + std::to_string(written) + "\n");
    EXPECT_GT(written, 300);
}

}  // namespace
}  // namespace velmora::pipedata
