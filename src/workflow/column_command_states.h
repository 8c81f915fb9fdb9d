#pragma once

#include "workflow/results_table.h"

namespace velmora::workflow {

// Which of the results window's column commands can be used, derived from the table alone.
struct ColumnCommandStates {
    // Tool buttons and menu entries: usable once the table has an element column.
    bool removeColumn = false;
    bool saveProject = false;
    bool copyTable = false;
    bool changeColumn = false;
    // Copying a column into the input fields also needs an element column as the current one.
    bool copyColumnToInputs = false;
    // The grid's context menu: printing, changing the whole table and changing a column.
    bool printTable = false;
    bool changeTable = false;
    bool changeColumnFromMenu = false;

    friend bool operator==(const ColumnCommandStates&, const ColumnCommandStates&) = default;
};

ColumnCommandStates columnCommandStates(const ResultsTable& table);

}  // namespace velmora::workflow
