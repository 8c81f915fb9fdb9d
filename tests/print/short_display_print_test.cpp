#include "print/short_display_print.h"

#include <gtest/gtest.h>

#include "print_test_support.h"

namespace velmora::print {
namespace {

using testing::english;
using testing::FakeMetrics;
using testing::pipeTable;

TEST(ShortDisplayPrint, ContentIsOneLinePerElementColumn) {
    workflow::ResultsTable table = pipeTable(2);
    const ShortDisplayContent content = shortDisplayContent(table, "cooling.vla", "Short display");
    const lang::TextCatalogue& t = english();
    EXPECT_EQ(content.title, t.text(model::GlobalText::ProgramTitle) + " - cooling.vla");
    EXPECT_EQ(content.caption, "Short display");
    EXPECT_EQ(content.header[0], t.text(model::GlobalText::CaptionNumber));
    EXPECT_EQ(content.header[1],
              t.text(model::GlobalText::CaptionElement) + "/" + t.text(model::GlobalText::CaptionCount));
    EXPECT_EQ(content.header[3], "dp/bar");
    ASSERT_EQ(content.lines.size(), 2u);
    EXPECT_EQ(content.lines[1],
              (std::array<std::string, 4>{"2", "Straight pipe circular/1", "suction line 2", "0.072"}));
    EXPECT_EQ(content.total, t.text(model::GlobalText::TotalCaption) + " 144.000 mbar or 0.144 bar");
    table.setUnitSystem(model::UnitSystem::Us);
    EXPECT_EQ(shortDisplayContent(table, "", "").header[3], "dp/psi");
}

ShortDisplayContent lines(int count) {
    ShortDisplayContent content{
        "Title", "Short display", {"No.", "Element/Number", "Designation", "dp/bar"}, {}, "Total"};
    for (int i = 1; i <= count; ++i)
        content.lines.push_back(
            {std::to_string(i), "Bend/1", "line " + std::to_string(i), "0.01" + std::to_string(i)});
    return content;
}

// Positions in tenths of a millimetre: a page of 190 x 277 mm at one unit per tenth.
const PageGeometry page{1900, 2770, 190, 277};

const PlacedText* find(const PrintPage& p, const std::string& text) {
    for (const PlacedText& t : p.texts)
        if (t.lines.at(0) == text) return &t;
    return nullptr;
}

TEST(ShortDisplayPrint, ColumnsAndStepsInTenthsOfAMillimetre) {
    const std::vector<PrintPage> pages = layoutShortDisplay(lines(2), page, "Arial", FakeMetrics());
    ASSERT_EQ(pages.size(), 1u);
    const PrintPage& p = pages[0];
    struct Expected {
        const char* text;
        double x, y;
        bool bold;
    };
    // x1 = round(0.15 * 1900) = 285, x2 = round(285 + 665) = 950, x3 = round(950 + 665) = 1615.
    const Expected expected[] = {
        {"Title", 0, 0, true},
        {"Short display", 0, 50, true},
        {"No.", 0, 150, true},
        {"Element/Number", 285, 150, true},
        {"Designation", 950, 150, true},
        {"dp/bar", 1615, 150, true},
        {"1", 0, 200, false},
        {"Bend/1", 285, 200, false},
        {"line 2", 950, 250, false},
        {"0.012", 1615, 250, false},
        {"Total", 0, 350, false},
    };
    for (const Expected& e : expected) {
        const PlacedText* t = find(p, e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_DOUBLE_EQ(t->x, e.x) << e.text;
        EXPECT_DOUBLE_EQ(t->y, e.y) << e.text;
        EXPECT_EQ(t->font.bold, e.bold) << e.text;
        EXPECT_EQ(t->font.pointSize, 10) << e.text;
    }
    EXPECT_DOUBLE_EQ(find(p, "0.011")->width, 1900 - 1615);
}

TEST(ShortDisplayPrint, ANewPageStartsWithTheHeadersAtTheTop) {
    // Lines stand at 200, 250, … ; the line at 2750 is past 2770 - 50, so line 52 starts page 2.
    const std::vector<PrintPage> pages = layoutShortDisplay(lines(60), page, "Arial", FakeMetrics());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(find(pages[0], "line 52"), nullptr);
    EXPECT_DOUBLE_EQ(find(pages[0], "line 52")->y, 2750);
    const PlacedText* header = find(pages[1], "Designation");
    ASSERT_NE(header, nullptr);
    EXPECT_DOUBLE_EQ(header->y, 0);
    EXPECT_TRUE(header->font.bold);
    EXPECT_DOUBLE_EQ(find(pages[1], "line 53")->y, 50);
    EXPECT_EQ(find(pages[1], "Title"), nullptr);
    EXPECT_DOUBLE_EQ(find(pages[1], "Total")->y, 8 * 50 + 100);
}

TEST(ShortDisplayPrint, TheTotalThatWouldNotFitGoesOnANewPage) {
    // 51 lines end at 2700: the total at 2800 would be below the paper.
    const std::vector<PrintPage> pages = layoutShortDisplay(lines(51), page, "Arial", FakeMetrics());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(find(pages[1], "1"), nullptr);
    EXPECT_DOUBLE_EQ(find(pages[1], "Total")->y, 100);
    EXPECT_NE(find(pages[1], "No."), nullptr);
}

TEST(ShortDisplayPrint, ScalesToTheDeviceUnits) {
    const PageGeometry device{190 * 12, 277 * 12, 190, 277};  // 12 units per mm
    const std::vector<PrintPage> pages = layoutShortDisplay(lines(1), device, "Arial", FakeMetrics());
    EXPECT_DOUBLE_EQ(find(pages[0], "Element/Number")->x, 285 * 1.2);
    EXPECT_DOUBLE_EQ(find(pages[0], "Element/Number")->y, 150 * 1.2);
}

}  // namespace
}  // namespace velmora::print
