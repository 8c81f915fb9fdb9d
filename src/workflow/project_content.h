#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/unit_system.h"
#include "workflow/page_settings.h"
#include "workflow/results_table.h"
#include "workflow/table_appearance.h"

namespace velmora::workflow {

// The versions of the project file: the current one and the three older ones still read.
enum class ProjectFormat {
    Current,   // "6.0": 26 header lines, 26 lines per column
    Format1,   // no version line (the first line is the first column's number), 25 lines per column
    Format40,  // "4.0": 12 header lines, 25 lines per column
    Format50F, // "5.0F": as "4.0", written by the French edition
    Unknown,   // none of these
};

// Everything a project file holds. The cells are in the edition's own words and number form, as
// the results table shows them; the file itself stores them in the language-neutral form.
struct ProjectContent {
    std::string heading;  // the results window's "Projekt:" entry, also the page setup's extra header
    model::UnitSystem unitSystem = model::UnitSystem::Metric;
    // The older formats carry no page setup; the program then keeps the one it has.
    std::optional<PageSettings> page = PageSettings{};
    TableAppearance appearance;
    std::vector<ResultColumn> columns;  // element columns in table order, 26 cells each

    friend bool operator==(const ProjectContent&, const ProjectContent&) = default;
};

// The project as the results table and the page setup hold it now.
ProjectContent captureProject(const ResultsTable& table, std::string heading, const PageSettings& page,
                              const TableAppearance& appearance);

// Empties the table and fills it with the project's columns in the project's unit system (the
// texts are already in its units); the total follows from the cells.
void applyProject(const ProjectContent& content, ResultsTable& table);
// The same, taking the columns over instead of copying them (a large project is then held once);
// the content's other parts stay as they were.
void applyProject(ProjectContent&& content, ResultsTable& table);

}  // namespace velmora::workflow
