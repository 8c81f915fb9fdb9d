#include "tools/pump_curve.h"

#include <gtest/gtest.h>

namespace velmora::tools {
namespace {

using Kind = PumpProblem::Kind;
using Rows = std::vector<std::pair<std::string, std::string>>;

struct EntryCase {
    const char* name;
    Rows rows;
    std::optional<PumpProblem> problem;
};

const EntryCase entryCases[] = {
    {"three points", {{"0", "30"}, {"10", "25"}, {"20", "12,5"}}, std::nullopt},
    {"blank rows between are skipped, rows keep their numbers",
     {{"0", "30"}, {"", ""}, {"10", "30"}, {" ", " "}, {"20", "31"}},
     PumpProblem{Kind::HeadRising, 4, true}},
    {"two points", {{"0", "30"}, {"10", "25"}}, PumpProblem{Kind::PointCount, -1, false}},
    {"a flow without head", {{"0", "30"}, {"10", ""}, {"20", "10"}}, PumpProblem{Kind::Incomplete, 1, true}},
    {"a head without flow", {{"0", "30"}, {"", "20"}, {"20", "10"}}, PumpProblem{Kind::Incomplete, 1, false}},
    {"a flow that is no number",
     {{"0", "30"}, {"1O", "20"}, {"20", "10"}},
     PumpProblem{Kind::NotANumber, 1, false}},
    {"a head that is no number",
     {{"0", "30"}, {"10", "2x"}, {"20", "10"}},
     PumpProblem{Kind::NotANumber, 1, true}},
    {"equal flows",
     {{"0", "30"}, {"10", "20"}, {"10", "10"}},
     PumpProblem{Kind::FlowsNotIncreasing, 2, false}},
    {"falling flows",
     {{"10", "30"}, {"5", "20"}, {"20", "10"}},
     PumpProblem{Kind::FlowsNotIncreasing, 1, false}},
    {"a level stretch is allowed", {{"0", "30"}, {"10", "30"}, {"20", "10"}}, std::nullopt},
    {"negative head", {{"0", "30"}, {"10", "20"}, {"20", "-1"}}, PumpProblem{Kind::NegativeHead, 2, true}},
};

class PumpEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(PumpEntries, AreCheckedRowByRow) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(readPumpEntries(c.rows).problem, c.problem) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Rows, PumpEntries, ::testing::ValuesIn(entryCases));

TEST(PumpEntriesRead, TwentyOnePointsAreTooMany) {
    Rows rows;
    for (int i = 0; i < 21; ++i) rows.emplace_back(std::to_string(i), std::to_string(40 - i));
    EXPECT_EQ(readPumpEntries(rows).problem, (PumpProblem{Kind::PointCount, -1, false}));
    rows.pop_back();
    EXPECT_FALSE(readPumpEntries(rows).problem);
    EXPECT_EQ(readPumpEntries(rows).points.size(), 20u);
}

struct FileCase {
    const char* name;
    const char* text;
    Rows rows;
    std::optional<PumpProblem> problem;
};

const FileCase fileCases[] = {
    {"tabs with a heading", "Q in m3/h\tH in m\r\n0\t30\r\n10\t25,5\r\n", {{"0", "30"}, {"10", "25,5"}}, {}},
    {"semicolons with decimal commas",
     "0;30\n12,5;27,25\n\n25;18\n",
     {{"0", "30"}, {"12,5", "27,25"}, {"25", "18"}},
     {}},
    {"commas", "0,30\n12.5,27.25\n", {{"0", "30"}, {"12.5", "27.25"}}, {}},
    {"commas with decimal commas", "0,0,30,0\n12,5,27,25\n", {{"0,0", "30,0"}, {"12,5", "27,25"}}, {}},
    {"blanks with decimal commas", "12,5 27,25\n25 18\n", {{"12,5", "27,25"}, {"25", "18"}}, {}},
    {"comma and blank", "12.5, 27.25\n", {{"12.5", "27.25"}}, {}},
    {"a third column is ignored", "0\t0,300\t0,310\n", {{"0", "0,300"}}, {}},
    {"byte-order mark",
     "\xEF\xBB\xBF"
     "1;2\n",
     {{"1", "2"}},
     {}},
    {"a later line that is no pair",
     "0;30\nten;20\n",
     {{"0", "30"}},
     PumpProblem{Kind::FileNoCurve, 1, false}},
    {"three commas cannot be told apart",
     "0;30\n1,5,20\n",
     {{"0", "30"}},
     PumpProblem{Kind::FileNoCurve, 1, false}},
    {"no numbers at all", "flow\thead\n", {}, PumpProblem{Kind::FileNoCurve, -1, false}},
    {"empty", "", {}, PumpProblem{Kind::FileNoCurve, -1, false}},
};

class PumpFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(PumpFile, GivesTheEntryTexts) {
    const FileCase& c = GetParam();
    const PumpFileRead read = readPumpFile(c.text);
    EXPECT_EQ(read.problem, c.problem) << c.name;
    if (!c.problem) {
        EXPECT_EQ(read.rows, c.rows) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, PumpFile, ::testing::ValuesIn(fileCases));

TEST(PumpPressure, IsRhoGH) {
    // 10 m of water of 998.2 kg/m³: 998.2 · 9.81 · 10 Pa = 0.9792342 bar; 10 ft is 3.048 m;
    // 1 psi = 0.068947581976 bar.
    EXPECT_NEAR(pumpPressure(10, HeadUnit::Metre, 998.2L, model::UnitSystem::Metric), 0.9792342L, 1e-12L);
    EXPECT_NEAR(pumpPressure(10, HeadUnit::Foot, 998.2L, model::UnitSystem::Metric), 0.29847058416L, 1e-12L);
    EXPECT_NEAR(pumpPressure(10, HeadUnit::Metre, 998.2L, model::UnitSystem::Us),
                0.9792342L / 0.068947581976L, 1e-10L);
    EXPECT_NEAR(pumpHead(0.9792342L, HeadUnit::Metre, 998.2L, model::UnitSystem::Metric), 10, 1e-12L);
}

TEST(PumpCurveTest, PressureFollowsTheInterpolatedHead) {
    const PumpCurve pump({{0, 30}, {10, 28}, {20, 20}, {30, 5}}, HeadUnit::Metre, 1000,
                         model::UnitSystem::Metric);
    EXPECT_EQ(pump.firstFlow(), 0);
    EXPECT_EQ(pump.lastFlow(), 30);
    EXPECT_NEAR(pump.pressureAt(10), 28 * 1000 * 9.81L / 1e5L, 1e-12L);
    EXPECT_NEAR(pump.pressureAt(15), pump.headAt(15) * 0.0981L, 1e-12L);
    EXPECT_LT(pump.headAt(15), 28);
    EXPECT_GT(pump.headAt(15), 20);
}

}  // namespace
}  // namespace velmora::tools
