#include "print/print_grid.h"

#include <stdexcept>

#include "workflow/result_rows.h"

namespace velmora::print {

PrintGrid::PrintGrid(int columnCount, int rowCount)
    : columnCount_(columnCount),
      rowCount_(rowCount),
      cells_(static_cast<std::size_t>(columnCount) * static_cast<std::size_t>(rowCount)) {}

const PrintCell& PrintGrid::cell(int column, int row) const {
    if (column < 0 || column >= columnCount_ || row < 0 || row >= rowCount_)
        throw std::out_of_range("print grid cell");
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
                  static_cast<std::size_t>(column)];
}

PrintCell& PrintGrid::cell(int column, int row) {
    return const_cast<PrintCell&>(static_cast<const PrintGrid&>(*this).cell(column, row));
}

PrintGrid buildPrintGrid(const workflow::ResultsTable& table) {
    const int columns = table.elementCount() + 1;
    PrintGrid grid(columns, workflow::row::count + 1);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < workflow::row::count; ++r) grid.cell(c, r).text = table.cell(c, r);

    const lang::TextCatalogue& texts = table.texts();
    const std::string lastColumn = std::to_string(table.elementCount());
    grid.cell(0, grid.totalRow()) = {table.totalCaption() + "\r\n(" +
                                         texts.text(model::GlobalText::PrintColumnsText) + " " + lastColumn +
                                         ")",
                                     true};
    if (columns > 1) grid.cell(1, grid.totalRow()) = {table.totalText(), true};
    return grid;
}

}  // namespace velmora::print
