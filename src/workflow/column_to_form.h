#pragma once

#include "workflow/main_form.h"
#include "workflow/results_table.h"

namespace velmora::workflow {

// Copies an element column of the table back into the form's entries, so that the user can change
// them and calculate again: the element kind is set up from the element name of row 7 (a name of
// no kind leaves the kind as it is), then the count, designation, slot texts with their units,
// the two-option choice, the tee's branch flow (rebuilt from the diameters and velocities), the
// medium, flow, density and viscosity in the table's units (volume flow, dynamic viscosity), the
// roughness and, for a gas, the gas entries of the column. Nothing is calculated.
//
// Cells the column leaves empty for its kind (hidden slots; the roughness of a laminar column or
// of a kind without roughness) leave their entries as they are, so no entry silently turns into
// 0. Returns false, and changes nothing, for a grid column that is not an element column.
bool copyColumnToForm(const ResultsTable& table, int gridColumn, MainForm& form);

}  // namespace velmora::workflow
