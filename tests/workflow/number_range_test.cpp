// Numbers at the end of the range of a long double (about 1.19E+4932): every text the table writes
// reads back, a loss that would make the total overflow is refused where it arises (in the
// calculation, in a file, in a unit switch), and no text of infinity is ever written.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "model/number_text.h"
#include "persist/data_file_set.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/result_number_format.h"
#include "workflow/results_table.h"
#include "workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::Real;
using model::UnitSystem;
using testing::builtTexts;
using testing::Language;

std::string finding(const char* name) {
    return persist::readWholeFile(std::string(VELMORA_TEST_DATA_DIR) + "/fuzz-findings/" + name);
}

// Each text reads back within the rounding of its three significant digits, at every decimals
// setting and with either separator; cut rather than rounded where rounding would leave the range.
TEST(NumberRange, EveryLossTextReadsBack) {
    // The loss the number-writer fuzzing found: its text " 1.19E+4932" lay beyond the range.
    const Real foundValue = std::strtold(finding("loss-near-largest-long-double").substr(1).c_str(), nullptr);
    ASSERT_TRUE(std::isfinite(foundValue));
    const Real values[] = {LDBL_MAX, -LDBL_MAX, std::nextafter(LDBL_MAX, Real{0}), foundValue, 1.185e4932L,
                           9.996e4931L, 1e4000L, 12345.6L, 9999.5L, LDBL_MIN, LDBL_TRUE_MIN, -1e-4950L};
    for (const Real value : values)
        for (int decimals = 0; decimals <= 6; ++decimals)
            for (bool comma : {false, true}) {
                const std::pair<std::string, Real> written[] = {{formatLoss(value, decimals, comma), value},
                                                                {formatReynolds(std::fabs(value), comma), std::fabs(value)}};
                for (const auto& [text, shown] : written) {
                    const auto read = model::readNumber(text);
                    ASSERT_TRUE(read) << "\"" << text << "\" from " << shown << " does not read back";
                    EXPECT_LE(std::fabs(*read - shown), std::fabs(shown) * 0.01L + 0.5L) << text;
                }
            }
    EXPECT_EQ(formatLoss(foundValue, 3, false), " 1.18E+4932");
    EXPECT_EQ(formatLoss(1.185e4932L, 3, true), " 1,18E+4932");
    EXPECT_EQ(formatLoss(1.0e4932L, 3, false), " 1.00E+4932") << "rounded as usual inside the range";
}

TEST(NumberRange, NoTextIsWrittenForInfinityOrNaN) {
    for (const Real value : {HUGE_VALL, -HUGE_VALL, std::nanl("")}) {
        EXPECT_EQ(formatScientific(value, false), "");
        EXPECT_EQ(formatLoss(value, 3, false), "");
        EXPECT_EQ(formatFixed(value, 3, false), "");
    }
}

// Two losses of 1E+4932 mbar add up beyond the range: such a file is damaged, not a project.
TEST(NumberRange, AFileWhoseTotalOverflowsIsInvalid) {
    const ProjectReadResult read = readProjectFile(finding("total-overflows.vla"), builtTexts(Language::German));
    EXPECT_FALSE(read.valid);
    ASSERT_EQ(read.messages.size(), 1u);
    EXPECT_EQ(read.messages[0], projectNotice(builtTexts(Language::German), model::GlobalText::ProjectFileInvalid));
}

// 6E+4931 mbar is 1.25E+4932 lbw./sq.ft.: the switch to US units is refused and leaves the table
// as it was; a table that fits switches.
TEST(NumberRange, AUnitSwitchThatWouldOverflowLeavesTheTableAsItWas) {
    const lang::TextCatalogue& texts = builtTexts(Language::English);
    ProjectReadResult read = readProjectFile(finding("unit-switch-overflows.vla"), texts);
    ASSERT_TRUE(read.valid);
    ResultsTable table(texts);
    applyProject(read.content, table);
    const std::vector<ResultColumn> before = table.elementColumns();
    const std::string total = table.totalText();
    EXPECT_FALSE(table.switchUnitSystem(UnitSystem::Us));
    EXPECT_EQ(table.unitSystem(), UnitSystem::Metric);
    EXPECT_EQ(table.elementColumns(), before);
    EXPECT_EQ(table.totalText(), total);

    read.content.columns[0].cells[row::lossSmall] = "6e4920";
    applyProject(read.content, table);
    EXPECT_TRUE(table.switchUnitSystem(UnitSystem::Us));
    EXPECT_EQ(table.cell(1, row::lossSmall), " 1.25E+4921");  // 6E+4920 / 0.478803
}

// A loss the table cannot add is not taken: a text that does not read, or one whose addition
// leaves the range.
TEST(NumberRange, TheTableTakesOnlyLossesItCanAdd) {
    ResultsTable table(builtTexts(Language::English));
    EXPECT_TRUE(table.takesLoss(" 1.18E+4932"));
    ResultColumn column;
    column.cells[row::element] = "Pipe/1";
    column.cells[row::lossSmall] = " 1.18E+4932";
    column.cells[row::lossLarge] = " 1.18E+4929";
    table.appendColumn(column);
    EXPECT_FALSE(table.takesLoss(" 1.18E+4932"));
    EXPECT_TRUE(table.takesLoss("-1.18E+4932"));
    EXPECT_FALSE(table.takesLoss("1.19E+4932")) << "beyond the range, it does not read";
    EXPECT_FALSE(table.takesLoss("abc"));
}

}  // namespace
}  // namespace velmora::workflow
