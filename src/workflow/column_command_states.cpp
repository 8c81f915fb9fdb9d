#include "workflow/column_command_states.h"

namespace velmora::workflow {

ColumnCommandStates columnCommandStates(const ResultsTable& table) {
    const bool columns = !table.empty();
    return {.removeColumn = columns,
            .saveProject = columns,
            .copyTable = columns,
            .changeColumn = columns,
            .copyColumnToInputs = columns && table.currentIsElementColumn(),
            .printTable = columns,
            .changeTable = columns,
            .changeColumnFromMenu = columns};
}

}  // namespace velmora::workflow
