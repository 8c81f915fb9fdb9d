#pragma once

#include <array>
#include <string>
#include <vector>

#include "workflow/results_table.h"

namespace velmora::print {

struct PrintCell {
    std::string text;
    bool bold = false;
};

// The results table as it is printed: grid columns 0 … N (captions and element columns, without
// the empty column of the next calculation), the 26 table rows, and a last row with the total.
class PrintGrid {
  public:
    // Separating lines run below these rows across the element columns.
    static constexpr std::array<int, 3> separatorRows{5, 13, 25};

    PrintGrid(int columnCount, int rowCount);

    int columnCount() const { return columnCount_; }
    int rowCount() const { return rowCount_; }
    int elementCount() const { return columnCount_ - 1; }
    int totalRow() const { return rowCount_ - 1; }

    const PrintCell& cell(int column, int row) const;
    PrintCell& cell(int column, int row);

  private:
    int columnCount_;
    int rowCount_;
    std::vector<PrintCell> cells_;  // row by row
};

// Copies the table cell by cell and adds the total row: its first cell is the total's caption,
// CR LF, then "(" + columns text + " " + number of the last column + ")"; its second cell is the
// total. Both are bold.
PrintGrid buildPrintGrid(const workflow::ResultsTable& table);

}  // namespace velmora::print
