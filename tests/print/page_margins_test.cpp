#include "print/page_margins.h"

#include <gtest/gtest.h>

#include "print_test_support.h"

namespace velmora::print {
namespace {

TEST(PageMargins, EntriesReadAsNumbers) {
    struct Case {
        const char* entry;
        double value;
    };
    const Case cases[] = {
        {"20", 20},    {"12,5", 12.5}, {"12.5", 12.5}, {" 1 5 ", 15},  // blanks removed
        {"abc", 0.01}, {"20mm", 0.01}, {"1e1", 10},    {"", 0},        // empty reads as 0
        {"-5", -5},    {"nan", 0.01},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(marginEntryValue(c.entry), c.value) << '"' << c.entry << '"';
}

workflow::PageSettings withMargins(std::array<std::string, 4> margins, workflow::MarginUnit unit) {
    workflow::PageSettings settings;
    settings.margins = std::move(margins);
    settings.marginUnit = unit;
    return settings;
}

TEST(PageMargins, AreTheEntriesShareOfThePrintableArea) {
    // 287 x 200 mm printable, 28700 x 20000 units: 100 units per mm both ways.
    const PageGeometry page = testing::a4Landscape();
    struct Case {
        const char* name;
        workflow::PageSettings settings;
        PageMargins expected;
    };
    const Case cases[] = {
        {"millimetres",
         withMargins({"20", "10", "15", "5"}, workflow::MarginUnit::Millimetre),
         {2000, 1000, 1500, 500}},
        {"inches", withMargins({"1", "0,5", "0.25", "0"}, workflow::MarginUnit::Inch), {2540, 1270, 635, 0}},
        {"not a number counts as 0.01",
         withMargins({"x", "20", "20", "20"}, workflow::MarginUnit::Millimetre),
         {1, 2000, 2000, 2000}},
        {"negative counts as 0",
         withMargins({"-20", "20", "20", "20"}, workflow::MarginUnit::Millimetre),
         {0, 2000, 2000, 2000}},
    };
    for (const Case& c : cases) {
        const PageMargins m = marginsOnPage(c.settings, page);
        EXPECT_NEAR(m.top, c.expected.top, 1e-6) << c.name;
        EXPECT_NEAR(m.bottom, c.expected.bottom, 1e-6) << c.name;
        EXPECT_NEAR(m.left, c.expected.left, 1e-6) << c.name;
        EXPECT_NEAR(m.right, c.expected.right, 1e-6) << c.name;
    }
}

TEST(PageMargins, DevicesWithOtherUnitsGetTheSameShare) {
    // The same paper at 12 units per mm: a 20 mm margin stays 20 mm.
    const PageGeometry page{287 * 12, 200 * 12, 287, 200};
    const PageMargins m =
        marginsOnPage(withMargins({"20", "20", "20", "20"}, workflow::MarginUnit::Millimetre), page);
    EXPECT_NEAR(m.left, 240, 1e-9);
    EXPECT_NEAR(m.top, 240, 1e-9);
}

TEST(PageMargins, MarginsWiderThanThePaperLeaveRoomForTheTable) {
    const PageGeometry page = testing::a4Landscape();
    const PageMargins m =
        marginsOnPage(withMargins({"150", "150", "300", "100"}, workflow::MarginUnit::Millimetre), page);
    EXPECT_NEAR(m.top + m.bottom, 0.8 * page.height, 1e-6);
    EXPECT_NEAR(m.top, m.bottom, 1e-6);
    EXPECT_NEAR(m.left + m.right, 0.8 * page.width, 1e-6);
    EXPECT_NEAR(m.left, 3 * m.right, 1e-6);  // in proportion
}

}  // namespace
}  // namespace velmora::print
