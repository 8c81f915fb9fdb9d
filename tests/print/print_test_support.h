#pragma once

#include <string>
#include <string_view>

#include "print/print_font.h"
#include "print/print_page.h"
#include "workflow/result_rows.h"
#include "workflow/results_table.h"
#include "workflow/workflow_test_support.h"

namespace velmora::print::testing {

// Fixed character widths: every character is 20 units wide per point (bold 22), a line is 45 units
// per point high. With 100 units per millimetre that is close to a real sans-serif font.
class FakeMetrics : public TextMetrics {
  public:
    double textWidth(std::string_view text, const PrintFont& font) const override {
        return static_cast<double>(characters(text)) * font.pointSize * (font.bold ? 22 : 20);
    }
    double lineHeight(const PrintFont& font) const override { return font.pointSize * 45.0; }

    static std::size_t characters(std::string_view text) {
        std::size_t count = 0;
        for (unsigned char c : text) count += (c & 0xC0) != 0x80;
        return count;
    }
};

// A4 landscape with 5 mm of the printer's own margins, at 100 units per millimetre.
inline PageGeometry a4Landscape() {
    return {28700, 20000, 287, 200};
}
inline PageGeometry a4Portrait() {
    return {20000, 28700, 200, 287};
}

// A column as a calculation leaves it, with texts of realistic length.
inline workflow::ResultColumn pipeColumn(const std::string& designation, const std::string& mbar) {
    namespace row = workflow::row;
    workflow::ResultColumn column;
    column.cells[row::medium] = "Water/liquid";
    column.cells[row::flow] = "12.000";
    column.cells[row::density] = "998.200";
    column.cells[row::viscosity] = "1002.000";
    column.cells[row::designation] = designation;
    column.cells[row::element] = "Straight pipe circular/1";
    column.cells[row::slot1] = "Diameter D in mm: 50.000";
    column.cells[row::slot1 + 1] = "Pipe length L in m: 10.000";
    column.cells[row::velocity] = "1.698";
    column.cells[row::reynolds] = "8.45E+0004";
    column.cells[row::regime] = "turbulent";
    column.cells[row::roughness] = "0.100";
    column.cells[row::frictionFactor] = "0.025";
    column.cells[row::lossSmall] = mbar;
    column.cells[row::lossLarge] = "0.072";
    return column;
}

inline const lang::TextCatalogue& english() {
    return workflow::testing::builtTexts(workflow::testing::Language::English);
}

// A table of `count` pipe columns in the English edition.
inline workflow::ResultsTable pipeTable(int count) {
    workflow::ResultsTable table(english());
    for (int i = 1; i <= count; ++i)
        table.appendColumn(pipeColumn("suction line " + std::to_string(i), "72.000"));
    return table;
}

}  // namespace velmora::print::testing
