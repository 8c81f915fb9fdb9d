#include "workflow/project_content.h"

namespace velmora::workflow {

ProjectContent captureProject(const ResultsTable& table, std::string heading, const PageSettings& page,
                              const TableAppearance& appearance) {
    ProjectContent content;
    content.heading = std::move(heading);
    content.unitSystem = table.unitSystem();
    content.page = page;
    content.appearance = appearance;
    content.columns = table.elementColumns();
    return content;
}

void applyProject(const ProjectContent& content, ResultsTable& table) {
    table.clear();
    table.setUnitSystem(content.unitSystem);
    table.setElementColumns(content.columns);
}

void applyProject(ProjectContent&& content, ResultsTable& table) {
    table.clear();
    table.setUnitSystem(content.unitSystem);
    table.setElementColumns(std::move(content.columns));
    content.columns.clear();
}

}  // namespace velmora::workflow
