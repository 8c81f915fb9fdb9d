#include "print/print_grid.h"

#include <gtest/gtest.h>

#include "print_test_support.h"

namespace velmora::print {
namespace {

using testing::english;
using testing::pipeTable;
namespace row = workflow::row;

TEST(PrintGrid, ThreeElementColumnsGiveFourGridColumnsAndATotalRow) {
    const workflow::ResultsTable table = pipeTable(3);
    ASSERT_EQ(table.gridColumnCount(), 5);  // with the empty column of the next calculation

    const PrintGrid grid = buildPrintGrid(table);
    EXPECT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.rowCount(), row::count + 1);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < row::count; ++r) {
            EXPECT_EQ(grid.cell(c, r).text, table.cell(c, r)) << "column " << c << " row " << r;
            EXPECT_FALSE(grid.cell(c, r).bold);
        }
}

TEST(PrintGrid, TheTotalRowNamesTheLastColumnAndHoldsTheTotal) {
    const workflow::ResultsTable table = pipeTable(3);
    const PrintGrid grid = buildPrintGrid(table);
    const PrintCell& caption = grid.cell(0, grid.totalRow());
    const PrintCell& total = grid.cell(1, grid.totalRow());
    const lang::TextCatalogue& texts = english();
    EXPECT_EQ(caption.text, texts.text(model::GlobalText::TotalCaption) + "\r\n(" +
                                texts.text(model::GlobalText::PrintColumnsText) + " 3)");
    EXPECT_EQ(total.text, "216.000 mbar or 0.216 bar");
    EXPECT_TRUE(caption.bold);
    EXPECT_TRUE(total.bold);
    EXPECT_EQ(grid.cell(2, grid.totalRow()).text, "");
    EXPECT_EQ(grid.cell(3, grid.totalRow()).text, "");
}

TEST(PrintGrid, ATableWithoutElementsKeepsOnlyTheCaptionColumn) {
    const PrintGrid grid = buildPrintGrid(pipeTable(0));
    EXPECT_EQ(grid.columnCount(), 1);
    EXPECT_NE(grid.cell(0, grid.totalRow()).text.find(" 0)"), std::string::npos);
}

}  // namespace
}  // namespace velmora::print
