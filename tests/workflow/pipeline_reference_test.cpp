#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "workflow/element_texts.h"
#include "workflow_test_support.h"

// The user's reference of the pipeline description lists every element kind with its slots; the
// list is checked against the element catalogue so that it cannot drift from what velmora-cli reads.
namespace velmora::workflow {
namespace {

std::string unitsOf(const lang::TextCatalogue& texts, model::SlotUnit unit) {
    if (const auto list = model::slotUnitList(unit)) {
        std::string joined;
        for (const std::string& label : model::unitLabels(*list)) joined += (joined.empty() ? "" : ", ") + label;
        return joined;
    }
    return fixedUnitText(texts, unit);
}

std::string trimmedLabel(std::string label) {
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
    return label;
}

// The table as the reference shows it: one row per kind in catalogue order.
std::string kindsTable(const lang::TextCatalogue& texts) {
    std::ostringstream out;
    out << "| kind | element | slots in order (units offered) | roughness | option 0 / 1 | branchFlow |\n";
    out << "|---|---|---|---|---|---|\n";
    for (const model::KindDescription& row : model::allKindDescriptions()) {
        out << "| [" << row.kind.group << ", " << row.kind.subgroup << "] | " << elementName(texts, row.kind) << " | ";
        for (std::size_t i = 0; i < row.slots.size(); ++i) {
            const std::string units = unitsOf(texts, row.slots[i].unit);
            out << (i ? "; " : "") << i + 1 << ". " << trimmedLabel(slotLabel(texts, row.slots[i]))
                << (units.empty() ? "" : " (" + units + ")");
        }
        out << " | " << (row.roughness ? "yes" : "—") << " | ";
        if (row.choice)
            out << trimmedLabel(choiceTitle(texts, *row.choice)) << ": " << optionText(texts, row.choice->options[0])
                << " / " << optionText(texts, row.choice->options[1]);
        else
            out << "—";
        out << " | " << (row.branchFlow ? "yes" : "—") << " |\n";
    }
    return out.str();
}

std::string block(const std::string& text, const std::string& begin, const std::string& end) {
    const auto from = text.find(begin);
    const auto to = text.find(end);
    if (from == std::string::npos || to == std::string::npos || to < from) return {};
    const auto start = text.find('\n', from) + 1;
    return text.substr(start, to - start);
}

TEST(PipelineReference, KindTableMatchesTheElementCatalogue) {
    const std::string path = std::string(VELMORA_SOURCE_DIR) + "/docs/PIPELINE.md";
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::stringstream content;
    content << in.rdbuf();
    const std::string expected = kindsTable(testing::builtTexts(testing::Language::English));
    const std::string shown = block(content.str(), "<!-- kinds -->", "<!-- /kinds -->");
    if (shown != expected) {
        std::ofstream("pipeline_kinds_table.md") << expected;  // in the test's working folder, to copy over
        FAIL() << "docs/PIPELINE.md's kind table differs from the catalogue; the table it should hold is "
                  "in pipeline_kinds_table.md of the build folder";
    }
}

}  // namespace
}  // namespace velmora::workflow
