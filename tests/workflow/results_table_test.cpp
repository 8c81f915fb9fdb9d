#include "workflow/results_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "workflow/result_number_format.h"
#include "workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::UnitSystem;
using testing::builtTexts;
using testing::Language;

TEST(ResultNumberFormat, WritesTheTablesNumbers) {
    struct Case {
        const char* name;
        std::string text, expected;
    };
    const Case cases[] = {
        {"Reynolds above 9999 is scientific without the blank", formatReynolds(12345.6L, false), "1.23E+0004"},
        {"the same with a decimal comma", formatReynolds(12345.6L, true), "1,23E+0004"},
        {"Reynolds up to 9999 has no decimals", formatReynolds(2345.4L, false), "2345"},
        {"Reynolds 9999 exactly", formatReynolds(9999, false), "9999"},
        {"a million", formatReynolds(1e6L, false), "1.00E+0006"},
        {"mantissa rounding up to ten", formatReynolds(99960, false), "1.00E+0005"},
        {"loss keeps the leading blank", formatLoss(12345.6L, 3, false), " 1.23E+0004"},
        {"small loss with three decimals", formatLoss(0.0123456L, 3, false), "0.012"},
        {"in mbar", formatLoss(12.3456L, 3, true), "12,346"},
        {"negative loss of a height difference", formatLoss(-981, 1, false), "-981.0"},
        {"tiny exponent", formatScientific(1.5e-5L, false), " 1.50E-0005"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, c.expected) << c.name;
}

// A column as a calculation leaves it: element text in row 7, losses in rows 24 and 25.
ResultColumn elementColumn(const std::string& name, const std::string& mbar, const std::string& bar) {
    ResultColumn column;
    column.cells[row::element] = name + "/1";
    column.cells[row::lossSmall] = mbar;
    column.cells[row::lossLarge] = bar;
    return column;
}

class ResultsTableTest : public ::testing::Test {
protected:
    const lang::TextCatalogue& english = builtTexts(Language::English);
    const lang::TextCatalogue& german = builtTexts(Language::German);
};

TEST_F(ResultsTableTest, AnEmptyTableHasTwoColumnsAndAZeroTotal) {
    ResultsTable table(english);
    EXPECT_EQ(table.gridColumnCount(), 2);
    EXPECT_EQ(table.totalText(), "0.00 bar");
    ResultsTable us(german);
    us.setUnitSystem(UnitSystem::Us);
    EXPECT_EQ(us.totalText(), "0,00 psi");
}

TEST_F(ResultsTableTest, TheTotalAddsTheDisplayedTexts) {
    ResultsTable table(english);
    table.appendColumn(elementColumn("Pipe", "12.346", "0.012"));
    table.appendColumn(elementColumn("Bend", "0.004", "0.000"));
    EXPECT_EQ(table.gridColumnCount(), 4);
    EXPECT_EQ(table.totalText(), "12.350 mbar or 0.012 bar");
    table.appendColumn(elementColumn("Lift", "98100.000", " 9.81E+0001"));
    EXPECT_EQ(table.totalText(), " 9.81E+0004 mbar or 98.112 bar");
}

TEST_F(ResultsTableTest, RemovingRenumbersTheColumns) {
    ResultsTable table(english);
    for (const char* name : {"A", "B", "C"}) table.appendColumn(elementColumn(name, "1.000", "0.001"));
    ASSERT_EQ(table.gridColumnCount(), 5);
    table.setCurrentColumn(2);
    EXPECT_TRUE(table.removeCurrentColumn());
    EXPECT_EQ(table.gridColumnCount(), 4);
    EXPECT_EQ(table.cell(1, row::columnNumber), "1");
    EXPECT_EQ(table.cell(2, row::columnNumber), "2");
    EXPECT_EQ(table.cell(2, row::element), "C/1");
    EXPECT_EQ(table.totalText(), "2.000 mbar or 0.002 bar");
    table.setCurrentColumn(3);  // the empty column
    EXPECT_FALSE(table.removeCurrentColumn());
}

TEST_F(ResultsTableTest, TheEmptyColumnDraggedInsideGoesBackToTheEnd) {
    ResultsTable table(english);
    for (const char* name : {"A", "B"}) table.appendColumn(elementColumn(name, "1.000", "0.001"));
    table.moveColumn(3, 2);  // the empty column between A and B
    EXPECT_EQ(table.gridColumnCount(), 4);
    EXPECT_EQ(table.cell(1, row::element), "A/1");
    EXPECT_EQ(table.cell(2, row::element), "B/1");
    EXPECT_TRUE(table.column(3).isEmpty());
    table.moveColumn(1, 2);  // A after B
    EXPECT_EQ(table.cell(1, row::element), "B/1");
    EXPECT_EQ(table.cell(1, row::columnNumber), "1");
    EXPECT_EQ(table.cell(2, row::element), "A/1");
}

// An append numbers and adds only the new column; whatever was edited before, the numbers and
// the total must come out as a table filled with the same columns in one go shows them.
TEST_F(ResultsTableTest, AppendingAfterAnEditNumbersAndTotalsLikeAFreshTable) {
    struct Case {
        const char* name;
        void (*edit)(ResultsTable&);
    };
    const Case cases[] = {
        {"no edit", [](ResultsTable&) {}},
        {"a column number overwritten", [](ResultsTable& t) { t.setCell(2, row::columnNumber, "x"); }},
        {"a number typed into the empty column", [](ResultsTable& t) { t.setCell(4, row::columnNumber, "9"); }},
        {"a loss typed into the empty column", [](ResultsTable& t) { t.setCell(4, row::lossSmall, "500.000"); }},
        {"a loss edited", [](ResultsTable& t) { t.setCell(1, row::lossSmall, "7.125"); }},
        {"a column moved", [](ResultsTable& t) { t.moveColumn(1, 3); }},
        {"a column removed", [](ResultsTable& t) {
             t.setCurrentColumn(2);
             t.removeCurrentColumn();
         }},
        {"the table cleared", [](ResultsTable& t) { t.clear(); }},
    };
    for (const Case& c : cases) {
        ResultsTable table(english);
        for (const char* loss : {"1.250", "0.004", "12.346"}) table.appendColumn(elementColumn("Pipe", loss, "0.001"));
        c.edit(table);
        table.appendColumn(elementColumn("Bend", "2.500", "0.003"));
        table.appendColumn(elementColumn("Valve", " 1.23E+0004", "12.300"));

        ResultsTable fresh(english);
        fresh.setElementColumns(table.elementColumns());
        for (int column = 1; column < table.gridColumnCount(); ++column)
            EXPECT_EQ(table.cell(column, row::columnNumber), fresh.cell(column, row::columnNumber))
                << c.name << ", column " << column;
        EXPECT_EQ(table.totalSmallUnit(), fresh.totalSmallUnit()) << c.name;
        EXPECT_EQ(table.totalText(), fresh.totalText()) << c.name;
        EXPECT_EQ(table.currentColumn(), table.elementCount()) << c.name;
    }
}

TEST_F(ResultsTableTest, CopiesRowsWithTabsAndCrLfThenTheStatusTexts) {
    ResultsTable table(english);
    table.appendColumn(elementColumn("Pipe", "5.000", "0.005"));
    const std::string text = table.clipboardText();
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "Column:\t1");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), row::count);
    EXPECT_TRUE(text.ends_with("\r\nTotal pressure loss:5.000 mbar or 0.005 bar")) << text;
}

TEST_F(ResultsTableTest, CaptionsFollowTheUnitSystem) {
    ResultsTable table(english);
    EXPECT_EQ(table.cell(0, row::flow), "Volume flow in m³/h:");
    EXPECT_EQ(table.cell(0, row::lossLarge), "Pressure loss in bar:");
    EXPECT_EQ(table.cell(0, row::reynolds2), "Reynolds number 2:");
    table.setUnitSystem(UnitSystem::Us);
    EXPECT_EQ(table.cell(0, row::flow), "Volume flow in gal/min:");
    EXPECT_EQ(table.cell(0, row::lossSmall), "Pressure loss in lbw./sq.ft.:");
    EXPECT_EQ(table.cell(0, row::velocity2), "Velocity2 in ft./s:");
}

// 1 m³/h = 4.40287 gal/min (1 / (0.158987 / 42 × 60)); 1000 kg/m³ = 62.428 lb./cu.ft.;
// 100 mm = 3.937 in.; 5 mbar = 10.443 lbw./sq.ft. = 0.0725 psi.
TEST_F(ResultsTableTest, SwitchingUnitsConvertsTheCellsAndBack) {
    ResultsTable table(english);
    ResultColumn c = elementColumn("Pipe", "5.000", "0.005");
    c.cells[row::flow] = "1.000";
    c.cells[row::density] = "1000.000";
    c.cells[row::viscosity] = "1002.000";
    c.cells[row::slot1] = "Diameter D in mm: 100.000";
    c.cells[row::slot1 + 1] = "Pipe length L in m: 10.000";
    c.cells[row::velocity] = "1.000";
    c.cells[row::roughness] = "0.100";
    table.appendColumn(c);
    const ResultColumn original = table.column(1);
    table.switchUnitSystem(UnitSystem::Us);
    EXPECT_EQ(table.cell(1, row::flow), "4.403");
    EXPECT_EQ(table.cell(1, row::density), "62.428");
    EXPECT_EQ(table.cell(1, row::viscosity), "1.002");
    EXPECT_EQ(table.cell(1, row::slot1), "Diameter D in in.: 3.937");
    EXPECT_EQ(table.cell(1, row::slot1 + 1), "Pipe length L in ft.: 32.808");
    EXPECT_EQ(table.cell(1, row::velocity), "3.281");
    EXPECT_EQ(table.cell(1, row::roughness), "0.004");
    EXPECT_EQ(table.cell(1, row::lossSmall), "10.443");
    EXPECT_EQ(table.cell(1, row::lossLarge), "0.073");
    EXPECT_TRUE(table.cell(1, row::velocity2).empty()) << "empty cells stay empty";
    EXPECT_EQ(table.totalText(), "10.443 lbw./sq.ft. or 0.073 psi");
    table.switchUnitSystem(UnitSystem::Metric);
    // Back to the column's own texts, not from the rounded ones (62.428 × 16.0184655 = 1000.0007).
    EXPECT_EQ(table.column(1), original);
    EXPECT_EQ(table.totalText(), "5.000 mbar or 0.005 bar");
}

// The water pipe: D = 107.1 mm and 998.2 kg/m³ used to come back as 107.112 and 998.207
// after metric → US → metric. Ten round trips must give the same bytes, the total with them, for
// a column calculated in metric units and one calculated in US units, in both editions' formats.
TEST_F(ResultsTableTest, TenRoundTripsGiveTheSameTextsByteForByte) {
    struct Case {
        const char* name;
        const lang::TextCatalogue* texts;
        UnitSystem calculatedIn;
    };
    for (const Case& c : {Case{"metric, English", &english, UnitSystem::Metric},
                          Case{"metric, German", &german, UnitSystem::Metric},
                          Case{"US, English", &english, UnitSystem::Us}}) {
        SCOPED_TRACE(c.name);
        ResultsTable table(*c.texts);
        table.setUnitSystem(c.calculatedIn);
        const bool comma = c.texts->edition().decimalComma();
        const auto t = [comma](std::string text) {
            if (comma) std::replace(text.begin(), text.end(), '.', ',');
            return text;
        };
        ResultColumn pipe = elementColumn("Pipe", t("210.541"), t("0.211"));
        pipe.cells[row::flow] = t("50.000");
        pipe.cells[row::density] = t("998.200");
        pipe.cells[row::viscosity] = t("1002.000");
        pipe.cells[row::slot1] = t(c.calculatedIn == UnitSystem::Metric ? "Diameter D in mm: 107.100"
                                                                        : "Diameter D in in.: 4.217");
        pipe.cells[row::slot1 + 1] = t(c.calculatedIn == UnitSystem::Metric ? "Pipe length L in m: 100.000"
                                                                            : "Pipe length L in ft.: 328.084");
        pipe.cells[row::velocity] = t("1.542");
        pipe.cells[row::roughness] = t("0.050");
        pipe.cells[row::designation] = "suction";
        table.appendColumn(pipe);
        table.appendColumn(pipe);
        const std::vector<ResultColumn> before = table.elementColumns();
        const std::string total = table.totalText();
        const std::string clipboard = table.clipboardText();
        const UnitSystem other = c.calculatedIn == UnitSystem::Metric ? UnitSystem::Us : UnitSystem::Metric;
        std::string converted;
        for (int trip = 1; trip <= 10; ++trip) {
            table.switchUnitSystem(other);
            if (trip == 1) converted = table.clipboardText();
            EXPECT_EQ(table.clipboardText(), converted) << "trip " << trip << ": the converted texts drift";
            table.switchUnitSystem(c.calculatedIn);
            ASSERT_EQ(table.elementColumns(), before) << "trip " << trip;
            EXPECT_EQ(table.totalText(), total);
            EXPECT_EQ(table.clipboardText(), clipboard);
        }
        EXPECT_NE(converted, clipboard);
    }
}

// Whatever is typed into a unit-dependent cell of a converted column is the column's from then on;
// a designation typed meanwhile stays; a column calculated after the switch keeps its own texts.
TEST_F(ResultsTableTest, EditsWhileConvertedAreKept) {
    ResultsTable table(english);
    ResultColumn pipe = elementColumn("Pipe", "5.000", "0.005");
    pipe.cells[row::flow] = "1.000";
    pipe.cells[row::density] = "1000.000";
    table.appendColumn(pipe);
    table.appendColumn(pipe);
    table.switchUnitSystem(UnitSystem::Us);
    table.setCell(1, row::designation, "typed in US units");
    table.setCell(2, row::density, "60.000");
    ResultColumn usPipe = elementColumn("Pipe", "10.443", "0.073");
    usPipe.cells[row::flow] = "4.403";
    table.appendColumn(usPipe);
    table.switchUnitSystem(UnitSystem::Metric);
    EXPECT_EQ(table.cell(1, row::density), "1000.000");
    EXPECT_EQ(table.cell(1, row::designation), "typed in US units");
    EXPECT_EQ(table.cell(2, row::density), "961.108") << "60 lb./cu.ft. × 16.0184655, converted once";
    EXPECT_EQ(table.cell(3, row::flow), "1.000");  // 4.403 gal/min = 1.0000 m³/h
    table.switchUnitSystem(UnitSystem::Us);
    EXPECT_EQ(table.cell(2, row::density), "60.000");
    EXPECT_EQ(table.cell(3, row::flow), "4.403") << "the US column gets its own texts back";
    EXPECT_EQ(table.cell(3, row::lossSmall), "10.443");
}

TEST_F(ResultsTableTest, ClearingEmptiesTheGrid) {
    ResultsTable table(german);
    table.appendColumn(elementColumn("Kreisrohr", "1,000", "0,001"));
    table.clear();
    EXPECT_EQ(table.gridColumnCount(), 2);
    EXPECT_EQ(table.totalText(), "0,00 bar");
}

}  // namespace
}  // namespace velmora::workflow
