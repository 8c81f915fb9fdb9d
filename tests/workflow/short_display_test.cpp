#include "workflow/short_display.h"

#include <gtest/gtest.h>

#include "workflow/column_command_states.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using testing::builtTexts;
using testing::Language;

ResultColumn column(const std::string& element, const std::string& mbar, const std::string& bar) {
    ResultColumn c;
    c.cells[row::element] = element;
    c.cells[row::designation] = "line " + element;
    c.cells[row::lossSmall] = mbar;
    c.cells[row::lossLarge] = bar;
    return c;
}

// A table of three columns A, B, C with 1, 2 and 4 mbar.
class ShortDisplayTest : public ::testing::Test {
  protected:
    void fill() {
        table.appendColumn(column("A/1", "1.000", "0.001"));
        table.appendColumn(column("B/1", "2.000", "0.002"));
        table.appendColumn(column("C/2", "4.000", "0.004"));
    }
    std::vector<std::string> elements() const {
        std::vector<std::string> names;
        for (const ShortDisplayLine& l : display.lines()) names.push_back(l.number + ":" + l.element);
        return names;
    }

    const lang::TextCatalogue& texts = builtTexts(Language::English);
    ResultsTable table{texts};
    ShortDisplay display{table};
};

TEST_F(ShortDisplayTest, EmptyTableHasOnlyTheHeaderAndIgnoresTheCommands) {
    EXPECT_EQ(display.gridRowCount(), 1);
    EXPECT_FALSE(display.headerFixed());
    EXPECT_EQ(display.currentLine(), 0);
    EXPECT_FALSE(display.lineUp());
    EXPECT_FALSE(display.lineDown());
    EXPECT_FALSE(display.deleteCalculation());
    EXPECT_FALSE(display.editDesignation(1, "x"));
    EXPECT_EQ(display.labelText(), "Total pressure loss: 0.00 bar");
    EXPECT_EQ(display.headers(),
              (std::array<std::string, 4>{"No.", "Element/Number", "Pipe designation", "dp/bar"}));
}

TEST_F(ShortDisplayTest, ShowsOneLinePerColumnAndTheTotal) {
    fill();
    EXPECT_EQ(display.gridRowCount(), 4);
    EXPECT_TRUE(display.headerFixed());
    EXPECT_EQ(display.line(3), (ShortDisplayLine{"3", "C/2", "line C/2", "0.004"}));
    EXPECT_EQ(display.cell(1, 0), "Element/Number");
    EXPECT_EQ(display.cell(3, 2), "0.002");
    EXPECT_EQ(display.labelText(), "Total pressure loss: 7.000 mbar or 0.007 bar");
    table.switchUnitSystem(model::UnitSystem::Us);
    EXPECT_EQ(display.cell(3, 0), "dp/psi");
}

TEST_F(ShortDisplayTest, DesignationEditsGoBothWays) {
    fill();
    EXPECT_TRUE(ShortDisplay::editable(ShortDisplay::designationColumn));
    EXPECT_FALSE(ShortDisplay::editable(1));
    ASSERT_TRUE(display.editDesignation(2, "bypass"));
    EXPECT_EQ(table.cell(2, row::designation), "bypass");
    EXPECT_NE(table.clipboardText().find("line A/1\tbypass\tline C/2"), std::string::npos);
    table.setCell(3, row::designation, "header");
    EXPECT_EQ(display.line(3).designation, "header");
}

TEST_F(ShortDisplayTest, MovingLinesMovesTheColumnsAndTheCurrentLineFollows) {
    fill();
    display.setCurrentLine(1);
    EXPECT_FALSE(display.lineUp()) << "line 1 cannot move up";
    display.setCurrentLine(3);
    EXPECT_FALSE(display.lineDown()) << "the last line cannot move down";
    EXPECT_TRUE(display.lineUp());
    EXPECT_EQ(display.currentLine(), 2);
    EXPECT_EQ(elements(), (std::vector<std::string>{"1:A/1", "2:C/2", "3:B/1"}));
    EXPECT_TRUE(table.column(4).isEmpty()) << "the empty column stays last";
    display.setCurrentLine(1);
    EXPECT_TRUE(display.lineDown());
    EXPECT_EQ(display.currentLine(), 2);
    EXPECT_EQ(elements(), (std::vector<std::string>{"1:C/2", "2:A/1", "3:B/1"}));
}

TEST_F(ShortDisplayTest, DeletingALineRemovesItsColumnAndItsLoss) {
    fill();
    display.setCurrentLine(2);
    EXPECT_TRUE(display.deleteCalculation());
    EXPECT_EQ(elements(), (std::vector<std::string>{"1:A/1", "2:C/2"}));
    EXPECT_EQ(table.gridColumnCount(), 4);
    EXPECT_EQ(display.labelText(), "Total pressure loss: 5.000 mbar or 0.005 bar");
    display.setCurrentLine(2);
    EXPECT_TRUE(display.deleteCalculation());
    EXPECT_EQ(display.currentLine(), 1) << "the current line stays on an existing line";
    EXPECT_TRUE(display.deleteCalculation());
    EXPECT_EQ(display.lineCount(), 0);
    EXPECT_FALSE(display.deleteCalculation());
}

TEST_F(ShortDisplayTest, ColumnCommandsFollowTheTable) {
    const ColumnCommandStates none{};
    EXPECT_EQ(columnCommandStates(table), none);
    fill();
    const ColumnCommandStates all{true, true, true, true, true, true, true, true};
    EXPECT_EQ(columnCommandStates(table), all);
    table.setCurrentColumn(4);  // the empty column receiving the next calculation
    ColumnCommandStates onEmpty = all;
    onEmpty.copyColumnToInputs = false;
    EXPECT_EQ(columnCommandStates(table), onEmpty);
    table.clear();
    EXPECT_EQ(columnCommandStates(table), none);
}

}  // namespace
}  // namespace velmora::workflow
