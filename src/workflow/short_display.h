#pragma once

#include <array>
#include <string>
#include <vector>

#include "workflow/results_table.h"

namespace velmora::workflow {

// One line of the short display: a results column in brief.
struct ShortDisplayLine {
    std::string number;        // the column number
    std::string element;       // results row 7: element name "/" count
    std::string designation;   // results row 6, editable
    std::string pressureLoss;  // results row 25, bar or psi

    friend bool operator==(const ShortDisplayLine&, const ShortDisplayLine&) = default;
};

// The short display: a compact second view of the results table, one line per element column and
// the total below. It keeps nothing of its own but the current line: every text is read from the
// table when asked for, so an edit on either side shows on the other at once. Moving a line moves
// the table's column; deleting a line removes the column.
class ShortDisplay {
  public:
    static constexpr int columnCount = 4;
    static constexpr int designationColumn = 2;  // the only editable column
    static constexpr std::array<int, columnCount> defaultColumnWidths{29, 146, 170, 54};  // pixels

    explicit ShortDisplay(ResultsTable& table) : table_(&table) {}

    // Lines 1 … N, one per element column; the grid has N + 1 rows with the header as row 0.
    int lineCount() const { return table_->elementCount(); }
    int gridRowCount() const { return lineCount() + 1; }
    ShortDisplayLine line(int line) const;  // 1 … N
    std::vector<ShortDisplayLine> lines() const;
    // Header texts: number, element "/" count, designation, "dp/bar" or "dp/psi".
    std::array<std::string, columnCount> headers() const;
    // The header row is a fixed row once there is a line.
    bool headerFixed() const { return lineCount() > 0; }
    // Grid cell: row 0 the headers, rows 1 … N the lines; empty outside.
    std::string cell(int column, int row) const;
    // Below the grid: the total's caption, a blank and the total.
    std::string labelText() const;

    // 1 … N, or 0 while there is no line.
    int currentLine() const;
    void setCurrentLine(int line);
    static bool editable(int column) { return column == designationColumn; }

    // Writes the designation of a line into row 6 of its results column; false for no such line.
    bool editDesignation(int line, std::string text);

    // Moves the current line's column one place to the left, respectively right; the current
    // line follows it. Nothing happens for the first, respectively last line (false).
    bool lineUp();
    bool lineDown();
    // Removes the current line's column from the results table; false without lines.
    bool deleteCalculation();

    // After every change of the table: keeps the current line on an existing line.
    void refresh();

  private:
    ResultsTable* table_;
    int current_ = 1;
};

}  // namespace velmora::workflow
