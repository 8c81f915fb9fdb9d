#include "print/table_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/number_text.h"
#include "print_test_support.h"

namespace velmora::print {
namespace {

using testing::a4Landscape;
using testing::english;
using testing::FakeMetrics;
using testing::pipeTable;
using workflow::PageSettings;
using workflow::PrintScaling;

// The lines of text on a page, in the order they were placed.
std::vector<std::string> textsOn(const PrintPage& page) {
    std::vector<std::string> all;
    for (const PlacedText& t : page.texts) all.insert(all.end(), t.lines.begin(), t.lines.end());
    return all;
}

bool holds(const PrintPage& page, const std::string& text) {
    const std::vector<std::string> all = textsOn(page);
    return std::find(all.begin(), all.end(), text) != all.end();
}

class TableLayoutTest : public ::testing::Test {
  protected:
    TableLayout layOut(const workflow::ResultsTable& table, const PageSettings& settings,
                       const PageGeometry& page = a4Landscape()) const {
        return layoutTable(buildPrintGrid(table), texts(settings), settings, page, metrics);
    }
    PageTexts texts(const PageSettings& settings) const {
        return makePageTexts(english(), settings, "/home/anna/plant/cooling.vla", "24/05/2025");
    }

    FakeMetrics metrics;
};

TEST_F(TableLayoutTest, ASmallTableIsOnePageWithEveryCell) {
    const workflow::ResultsTable table = pipeTable(3);
    const TableLayout layout = layOut(table, PageSettings{});
    ASSERT_EQ(layout.pageCount(), 1);
    EXPECT_EQ(layout.columnWidths.size(), 4u);
    EXPECT_EQ(layout.rowHeights.size(), 27u);
    const PrintPage& page = layout.pages[0];
    EXPECT_TRUE(holds(page, "suction line 3"));
    EXPECT_TRUE(holds(page, table.cell(0, workflow::row::lossLarge)));
    EXPECT_TRUE(holds(page, "216.000 mbar or 0.216 bar"));
}

TEST_F(TableLayoutTest, HeaderAndFooterLines) {
    PageSettings settings;
    settings.extraHeader = "Cooling water, building 4";
    settings.extraFooter = "checked: A. Berg";
    const TableLayout layout = layOut(pipeTable(2), settings);
    const PrintPage& page = layout.pages.at(0);
    const lang::TextCatalogue& t = english();
    EXPECT_TRUE(
        holds(page, t.text(model::GlobalText::ProgramTitle) + " - " + t.text(model::GlobalText::TableTitle)));
    EXPECT_TRUE(holds(page, "Cooling water, building 4"));
    EXPECT_TRUE(holds(page, "/home/anna/plant/cooling.vla"));
    EXPECT_TRUE(holds(page, "checked: A. Berg"));
    EXPECT_TRUE(holds(page, "Page 1 of 1 - 24/05/2025"));
}

TEST_F(TableLayoutTest, WithoutThePathOptionFooterLineOneIsEmptyButThePageLineShows) {
    PageSettings settings;
    settings.showFilePath = false;
    const PageTexts pageTexts = texts(settings);
    EXPECT_EQ(pageTexts.footer[0], "");
    const TableLayout layout = layOut(pipeTable(2), settings);
    EXPECT_FALSE(holds(layout.pages.at(0), "/home/anna/plant/cooling.vla"));
    EXPECT_TRUE(holds(layout.pages.at(0), "Page 1 of 1 - 24/05/2025"));
}

TEST_F(TableLayoutTest, WordWrapMakesElementColumnsTwoThirdsWide) {
    PageSettings settings;
    const TableLayout plain = layOut(pipeTable(3), settings);
    settings.wordWrap = true;
    const TableLayout wrapped = layOut(pipeTable(3), settings);
    EXPECT_EQ(wrapped.columnWidths[0], plain.columnWidths[0]);
    for (std::size_t c = 1; c < plain.columnWidths.size(); ++c)
        EXPECT_EQ(wrapped.columnWidths[c],
                  static_cast<double>(model::roundHalfAway(plain.columnWidths[c] * 2 / 3)))
            << "column " << c;
    // The element text "Straight pipe circular/1" no longer fits one line.
    EXPECT_GT(wrapped.rowHeights[workflow::row::element], plain.rowHeights[workflow::row::element]);
    EXPECT_TRUE(holds(wrapped.pages[0], "circular/1"));
}

TEST_F(TableLayoutTest, AWideTableGoesAcrossPagesWithTheCaptionsOnEach) {
    const workflow::ResultsTable table = pipeTable(14);
    const TableLayout layout = layOut(table, PageSettings{});
    ASSERT_GT(layout.pagesAcross(), 1);
    // The bands take every element column once, in order.
    int next = 1;
    for (const Band& band : layout.columnBands) {
        EXPECT_EQ(band.first, next);
        next = band.last + 1;
    }
    EXPECT_EQ(next, 15);
    for (std::size_t k = 0; k < layout.pages.size(); ++k) {
        const PrintPage& page = layout.pages[k];
        EXPECT_TRUE(holds(page, table.cell(0, workflow::row::flow))) << "page " << k + 1;
        EXPECT_TRUE(holds(page, "Page " + std::to_string(k + 1) + " of " +
                                    std::to_string(layout.pageCount()) + " - 24/05/2025"));
    }
    EXPECT_TRUE(holds(layout.pages[1], "suction line " + std::to_string(layout.columnBands[1].first)));
    EXPECT_FALSE(holds(layout.pages[1], "suction line 1"));
}

// The total sums every column, so it is printed once, after the last column: on the last page
// across, not under the first columns.
TEST_F(TableLayoutTest, TheTotalFollowsTheLastColumn) {
    const workflow::ResultsTable table = pipeTable(14);
    const TableLayout layout = layOut(table, PageSettings{});
    ASSERT_GT(layout.pagesAcross(), 1);
    ASSERT_EQ(layout.pageCount(), layout.pagesAcross());  // one page down
    const std::string total = table.totalText();
    for (int k = 0; k < layout.pageCount(); ++k)
        EXPECT_EQ(holds(layout.pages[static_cast<std::size_t>(k)], total), k + 1 == layout.pageCount())
            << "page " << k + 1;
}

TEST_F(TableLayoutTest, ALongTableGoesDownPagesRepeatingTheColumnNumbers) {
    PageSettings settings;
    settings.fontSize = 16;
    settings.wordWrap = true;
    const TableLayout layout = layOut(pipeTable(2), settings);
    ASSERT_GT(layout.rowBands.size(), 1u);
    int next = 0;
    for (const Band& band : layout.rowBands) {
        EXPECT_EQ(band.first, next);
        next = band.last + 1;
    }
    EXPECT_EQ(next, 27);
    // Page 2 starts with the column numbers again, then goes on with its own rows.
    const PrintPage& second = layout.pages.at(1);
    EXPECT_TRUE(holds(second, english().text(model::GlobalText::CaptionColumn) + ":"));
    EXPECT_FALSE(holds(layout.pages.front(), "144.000 mbar or 0.144 bar"));
    EXPECT_TRUE(holds(layout.pages.back(), "144.000 mbar or 0.144 bar"));
}

TEST_F(TableLayoutTest, EverythingStaysInsideThePrintableArea) {
    for (const bool wrap : {false, true})
        for (const int size : {2, 8, 16}) {
            PageSettings settings;
            settings.wordWrap = wrap;
            settings.fontSize = size;
            settings.extraHeader = "Header";
            const PageGeometry page = a4Landscape();
            const TableLayout layout = layOut(pipeTable(9), settings, page);
            for (const PrintPage& p : layout.pages) {
                for (const PlacedText& t : p.texts) {
                    EXPECT_GE(t.x, 0);
                    EXPECT_LE(t.x + t.width, page.width + 1e-6);
                    EXPECT_GE(t.y, 0);
                    EXPECT_LE(t.y + t.lineHeight * static_cast<double>(t.lines.size()), page.height + 1e-6);
                    for (const std::string& line : t.lines)
                        EXPECT_LE(metrics.textWidth(line, t.font), t.width + 1e-6)
                            << '"' << line << "\" wrap " << wrap << " size " << size;
                }
                for (const PlacedLine& l : p.lines) {
                    EXPECT_LE(std::max(l.x1, l.x2), page.width + 1e-6);
                    EXPECT_LE(std::max(l.y1, l.y2), page.height - 2000 + 1e-6);  // above the 20 mm margin
                }
            }
        }
}

TEST_F(TableLayoutTest, SeparatorsRunBelowRowsFiveThirteenAndTwentyFive) {
    const TableLayout layout = layOut(pipeTable(3), PageSettings{});
    const PrintPage& page = layout.pages.at(0);
    double widest = 0;
    for (const PlacedLine& l : page.lines) widest = std::max(widest, l.thickness);
    std::vector<double> heavyRows;
    for (const PlacedLine& l : page.lines)
        if (l.thickness == widest) heavyRows.push_back(l.y1);
    ASSERT_EQ(heavyRows.size(), 3u);
    // Each sits at the bottom of its row, starting after the caption column.
    for (const PlacedLine& l : page.lines)
        if (l.thickness == widest) {
            EXPECT_NEAR(l.x1, page.lines.front().x1 + layout.columnWidths[0], 1e-6);
        }
    std::vector<double> bottoms;
    double y = page.lines.front().y1;
    for (int r = 0; r < 27; ++r) {
        y += layout.rowHeights[static_cast<std::size_t>(r)];
        if (r == 5 || r == 13 || r == 25) bottoms.push_back(y);
    }
    for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(heavyRows[i], bottoms[i], 1e-6);
}

TEST_F(TableLayoutTest, TheFontSizeStaysInsideItsRange) {
    PageSettings settings;
    settings.fontSize = 40;
    EXPECT_EQ(layOut(pipeTable(1), settings).fontSize, 16);
    settings.fontSize = 0;
    EXPECT_EQ(layOut(pipeTable(1), settings).fontSize, 2);
}

class FitToPagesTest : public TableLayoutTest {
  protected:
    TableLayout fit(const workflow::ResultsTable& table, PageSettings& settings) const {
        settings.scaling = PrintScaling::FitToPages;
        return layoutForPrint(buildPrintGrid(table), texts(settings), settings, a4Landscape(), metrics);
    }
};

TEST_F(FitToPagesTest, FitToOnePageWideLowersTheFont) {
    const workflow::ResultsTable table = pipeTable(10);
    PageSettings settings;
    ASSERT_GT(layOut(table, settings).pagesAcross(), 1);
    const TableLayout layout = fit(table, settings);
    EXPECT_LT(settings.fontSize, 8);
    EXPECT_EQ(layout.fontSize, settings.fontSize);
    EXPECT_EQ(layout.pagesAcross(), 1);
    // The largest size that fits: one point more would not.
    PageSettings bigger = settings;
    bigger.scaling = PrintScaling::FontSize;
    bigger.fontSize += 1;
    EXPECT_GT(layOut(table, bigger).pagesAcross(), 1);
}

TEST_F(FitToPagesTest, ANarrowTableIsRaisedOnlyWhileItStillFits) {
    const workflow::ResultsTable table = pipeTable(3);
    PageSettings settings;
    settings.pagesWide = 1;
    const TableLayout layout = fit(table, settings);
    EXPECT_GT(settings.fontSize, 8);
    EXPECT_EQ(layout.pagesAcross(), 1);
    if (settings.fontSize < 16) {
        PageSettings bigger = settings;
        bigger.scaling = PrintScaling::FontSize;
        bigger.fontSize += 1;
        EXPECT_GT(layOut(table, bigger).pagesAcross(), 1);
    }
}

TEST_F(FitToPagesTest, MorePagesWideThanColumnsStopsAtTheLargestSize) {
    PageSettings settings;
    settings.pagesWide = 5;
    fit(pipeTable(2), settings);
    EXPECT_EQ(settings.fontSize, 16);
}

TEST_F(FitToPagesTest, ATableThatCannotFitStopsAtTheSmallestSize) {
    PageSettings settings;
    settings.pagesWide = 1;
    const TableLayout layout = fit(pipeTable(60), settings);
    EXPECT_EQ(settings.fontSize, 2);
    EXPECT_GT(layout.pagesAcross(), 1);
}

TEST_F(FitToPagesTest, TwoPagesWide) {
    const workflow::ResultsTable table = pipeTable(16);
    PageSettings settings;
    settings.pagesWide = 2;
    const TableLayout layout = fit(table, settings);
    EXPECT_LE(layout.pagesAcross(), 2);
    PageSettings one = settings;
    one.pagesWide = 1;
    fit(table, one);
    EXPECT_GT(settings.fontSize, one.fontSize);
}

}  // namespace
}  // namespace velmora::print
