#include "print/table_layout.h"

#include <algorithm>
#include <cstddef>

#include "model/number_text.h"
#include "print/page_margins.h"
#include "print/text_wrap.h"

namespace velmora::print {

namespace {

constexpr double thinLineMm = 0.15;
constexpr double frameLineMm = 0.3;
constexpr double separatorLineMm = 0.6;
constexpr double paddingX = 0.3;  // of the line height, each side of a cell
constexpr double paddingY = 0.12;
constexpr double captionShare = 0.5;  // at most this share of the width for the caption column

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

std::string familyOf(const workflow::PageSettings& settings) {
    return settings.fontName.empty() ? std::string("Arial") : settings.fontName;
}

class TableLayouter {
  public:
    TableLayouter(const PrintGrid& grid, const PageTexts& texts, const workflow::PageSettings& settings,
                  const PageGeometry& page, const TextMetrics& metrics)
        : grid_(grid), texts_(texts), settings_(settings), page_(page), metrics_(metrics) {
        const std::string family = familyOf(settings);
        layout_.fontSize = std::clamp(settings.fontSize, smallestFontSize, largestFontSize);
        cellFont_ = {family, layout_.fontSize, false};
        boldFont_ = {family, layout_.fontSize, true};
        headerTitleFont_ = {family, headerFontSize, true};
        headerFont_ = {family, headerFontSize, false};
        footerFont_ = {family, footerFontSize, false};
        lineHeight_ = metrics.lineHeight(cellFont_);
        padX_ = paddingX * lineHeight_;
        padY_ = paddingY * lineHeight_;
        unitsPerMm_ = page.widthMm > 0 ? page.width / page.widthMm : 1.0;
        frameArea();
    }

    TableLayout run() {
        measureColumns();
        makeColumnBands();
        wrapCells();
        measureRows();
        makeRowBands();
        const std::size_t acrossCount = layout_.columnBands.size();
        for (std::size_t across = 0; across < acrossCount; ++across)
            for (const Band& down : layout_.rowBands) {
                // A page down that would hold the total alone is printed only under the last columns.
                if (down.first == grid_.totalRow() && across + 1 != acrossCount) continue;
                layout_.pages.push_back(buildPage(across, down));
            }
        const int count = layout_.pageCount();
        for (int k = 0; k < count; ++k) layout_.pages[at(k)].texts.push_back(pageLine(k + 1, count));
        return std::move(layout_);
    }

  private:
    void frameArea() {
        const PageMargins margins = marginsOnPage(settings_, page_);
        left_ = margins.left;
        right_ = page_.width - margins.right;
        top_ = margins.top;
        bottom_ = page_.height - margins.bottom;
        headerLine_ = metrics_.lineHeight(headerFont_);
        footerLine_ = metrics_.lineHeight(footerFont_);
        tableTop_ = top_ + 3.5 * headerLine_;
        tableBottom_ = std::max(tableTop_ + lineHeight_, bottom_ - 3.5 * footerLine_);
    }

    const PrintFont& fontOf(const PrintCell& cell) const { return cell.bold ? boldFont_ : cellFont_; }

    double widestLine(const PrintCell& cell) const {
        double widest = 0;
        for (const std::string& line : splitLines(cell.text))
            widest = std::max(widest, metrics_.textWidth(line, fontOf(cell)));
        return widest;
    }

    // Widest text plus padding; element columns two thirds of that with word wrap; no column
    // wider than the page leaves room for.
    void measureColumns() {
        const double usable = right_ - left_;
        const double narrowest = 2 * lineHeight_;
        for (int c = 0; c < grid_.columnCount(); ++c) {
            double widest = 0;
            const int lastRow = c == 0 ? grid_.totalRow() : grid_.totalRow() - 1;  // the total spans
            for (int r = 0; r <= lastRow; ++r) widest = std::max(widest, widestLine(grid_.cell(c, r)));
            double width = std::max(narrowest, widest + 2 * padX_);
            if (c > 0 && settings_.wordWrap)
                width = static_cast<double>(model::roundHalfAway(width * 2.0 / 3.0));
            layout_.columnWidths.push_back(width);
        }
        double& caption = layout_.columnWidths[0];
        caption = std::min(caption, captionShare * usable);
        for (std::size_t c = 1; c < layout_.columnWidths.size(); ++c)
            layout_.columnWidths[c] = std::min(layout_.columnWidths[c], usable - caption);
    }

    void makeColumnBands() {
        const double room = right_ - left_ - layout_.columnWidths[0];
        int first = 1;
        while (first < grid_.columnCount()) {
            double used = layout_.columnWidths[at(first)];
            int last = first;
            while (last + 1 < grid_.columnCount() && used + layout_.columnWidths[at(last + 1)] <= room + 1e-6)
                used += layout_.columnWidths[at(++last)];
            layout_.columnBands.push_back({first, last});
            first = last + 1;
        }
        if (layout_.columnBands.empty()) layout_.columnBands.push_back({1, 0});  // captions only
    }

    double bandWidth(const Band& band) const {
        double width = 0;
        for (int c = band.first; c <= band.last; ++c) width += layout_.columnWidths[at(c)];
        return width;
    }

    void wrapCells() {
        lines_.assign(at(grid_.columnCount()), {});
        for (int c = 0; c < grid_.columnCount(); ++c)
            for (int r = 0; r < grid_.rowCount(); ++r) {
                const PrintCell& cell = grid_.cell(c, r);
                lines_[at(c)].push_back(
                    wrapText(cell.text, layout_.columnWidths[at(c)] - 2 * padX_, fontOf(cell), metrics_));
            }
        if (grid_.columnCount() < 2) return;
        const PrintCell& total = grid_.cell(1, grid_.totalRow());
        for (const Band& band : layout_.columnBands)
            totalLines_.push_back(wrapText(total.text, bandWidth(band) - 2 * padX_, fontOf(total), metrics_));
    }

    void measureRows() {
        const int total = grid_.totalRow();
        for (int r = 0; r < grid_.rowCount(); ++r) {
            std::size_t count = 1;
            const int lastColumn = r == total ? 0 : grid_.columnCount() - 1;
            for (int c = 0; c <= lastColumn; ++c) count = std::max(count, lines_[at(c)][at(r)].size());
            if (r == total)
                for (const auto& lines : totalLines_) count = std::max(count, lines.size());
            layout_.rowHeights.push_back(static_cast<double>(count) * lineHeight_ + 2 * padY_);
        }
    }

    void makeRowBands() {
        const double room = tableBottom_ - tableTop_;
        int first = 0;
        while (first < grid_.rowCount()) {
            double used = (first > 0 ? layout_.rowHeights[0] : 0) + layout_.rowHeights[at(first)];
            int last = first;
            while (last + 1 < grid_.rowCount() && used + layout_.rowHeights[at(last + 1)] <= room + 1e-6)
                used += layout_.rowHeights[at(++last)];
            layout_.rowBands.push_back({first, last});
            first = last + 1;
        }
    }

    PlacedText text(double x, double y, double width, std::vector<std::string> lines, const PrintFont& font,
                    double lineHeight, TextAlign align = TextAlign::Left) const {
        return {x, y, width, lineHeight, std::move(lines), font, align};
    }

    PlacedText cellText(int c, int r, double x, double y) const {
        const TextAlign align = r == 0 && c > 0 ? TextAlign::Centre : TextAlign::Left;
        return text(x + padX_, y + padY_, layout_.columnWidths[at(c)] - 2 * padX_, lines_[at(c)][at(r)],
                    fontOf(grid_.cell(c, r)), lineHeight_, align);
    }

    void addLine(PrintPage& page, double x1, double y1, double x2, double y2, double mm) const {
        page.lines.push_back({x1, y1, x2, y2, mm * unitsPerMm_});
    }

    PrintPage buildPage(std::size_t across, const Band& down) const {
        PrintPage page;
        const Band& columns = layout_.columnBands[across];
        const double captionWidth = layout_.columnWidths[0];
        const double tableRight = left_ + captionWidth + bandWidth(columns);
        const int total = grid_.totalRow();

        // The total belongs after the last column: pages across before it end with the rows.
        const bool lastAcross = across + 1 == layout_.columnBands.size();
        std::vector<int> rows;
        if (down.first > 0) rows.push_back(0);  // the column numbers again
        for (int r = down.first; r <= down.last; ++r)
            if (r != total || lastAcross) rows.push_back(r);

        double y = tableTop_;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int r = rows[i];
            const double height = layout_.rowHeights[at(r)];
            addLine(page, left_, y, tableRight, y, i == 0 ? frameLineMm : thinLineMm);
            if (!grid_.cell(0, r).text.empty()) page.texts.push_back(cellText(0, r, left_, y));
            double x = left_ + captionWidth;
            addLine(page, x, y, x, y + height, thinLineMm);
            if (r == total) {
                if (!totalLines_.empty() && columns.last >= columns.first)
                    page.texts.push_back(text(x + padX_, y + padY_, bandWidth(columns) - 2 * padX_,
                                              totalLines_[across], boldFont_, lineHeight_));
            } else {
                for (int c = columns.first; c <= columns.last; ++c) {
                    if (!grid_.cell(c, r).text.empty()) page.texts.push_back(cellText(c, r, x, y));
                    x += layout_.columnWidths[at(c)];
                    if (c < columns.last) addLine(page, x, y, x, y + height, thinLineMm);
                }
            }
            y += height;
            if (std::find(PrintGrid::separatorRows.begin(), PrintGrid::separatorRows.end(), r) !=
                    PrintGrid::separatorRows.end() &&
                r != rows.back())
                addLine(page, left_ + captionWidth, y, tableRight, y, separatorLineMm);
        }
        addLine(page, left_, y, tableRight, y, frameLineMm);
        addLine(page, left_, tableTop_, left_, y, frameLineMm);
        addLine(page, tableRight, tableTop_, tableRight, y, frameLineMm);

        const double width = right_ - left_;
        page.texts.push_back(text(left_, top_, width, {texts_.header[0]}, headerTitleFont_, headerLine_));
        page.texts.push_back(
            text(left_, top_ + 2 * headerLine_, width, {texts_.header[2]}, headerFont_, headerLine_));
        const double footerTop = bottom_ - 3 * footerLine_;
        page.texts.push_back(text(left_, footerTop, width, {texts_.footer[0]}, footerFont_, footerLine_));
        page.texts.push_back(
            text(left_, footerTop + footerLine_, width, {texts_.footer[1]}, footerFont_, footerLine_));
        return page;
    }

    PlacedText pageLine(int page, int count) const {
        return text(left_, bottom_ - footerLine_, right_ - left_, {texts_.pageLine(page, count)}, footerFont_,
                    footerLine_);
    }

    const PrintGrid& grid_;
    const PageTexts& texts_;
    const workflow::PageSettings& settings_;
    const PageGeometry& page_;
    const TextMetrics& metrics_;
    TableLayout layout_;
    PrintFont cellFont_, boldFont_, headerTitleFont_, headerFont_, footerFont_;
    double lineHeight_ = 0, padX_ = 0, padY_ = 0, unitsPerMm_ = 1;
    double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    double headerLine_ = 0, footerLine_ = 0, tableTop_ = 0, tableBottom_ = 0;
    std::vector<std::vector<std::vector<std::string>>> lines_;  // column, row, line
    std::vector<std::vector<std::string>> totalLines_;          // per page across
};

}  // namespace

TableLayout layoutTable(const PrintGrid& grid, const PageTexts& texts, const workflow::PageSettings& settings,
                        const PageGeometry& page, const TextMetrics& metrics) {
    return TableLayouter(grid, texts, settings, page, metrics).run();
}

int fitFontSize(const PrintGrid& grid, const PageTexts& texts, const workflow::PageSettings& settings,
                const PageGeometry& page, const TextMetrics& metrics) {
    workflow::PageSettings trial = settings;
    const int wanted = std::max(1, settings.pagesWide);
    const auto across = [&](int size) {
        trial.fontSize = size;
        return layoutTable(grid, texts, trial, page, metrics).pagesAcross();
    };
    int size = std::clamp(settings.fontSize, smallestFontSize, largestFontSize);
    if (across(size) > wanted) {
        while (size > smallestFontSize && across(size) > wanted) --size;
    } else {
        while (size < largestFontSize && across(size + 1) <= wanted) ++size;
    }
    return size;
}

TableLayout layoutForPrint(const PrintGrid& grid, const PageTexts& texts, workflow::PageSettings& settings,
                           const PageGeometry& page, const TextMetrics& metrics) {
    if (settings.scaling == workflow::PrintScaling::FitToPages)
        settings.fontSize = fitFontSize(grid, texts, settings, page, metrics);
    return layoutTable(grid, texts, settings, page, metrics);
}

}  // namespace velmora::print
