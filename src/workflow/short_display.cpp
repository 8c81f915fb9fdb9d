#include "workflow/short_display.h"

#include <algorithm>

namespace velmora::workflow {

using model::GlobalText;

ShortDisplayLine ShortDisplay::line(int n) const {
    if (n < 1 || n > lineCount()) return {};
    return {.number = table_->cell(n, row::columnNumber),
            .element = table_->cell(n, row::element),
            .designation = table_->cell(n, row::designation),
            .pressureLoss = table_->cell(n, row::lossLarge)};
}

std::vector<ShortDisplayLine> ShortDisplay::lines() const {
    std::vector<ShortDisplayLine> all;
    for (int n = 1; n <= lineCount(); ++n) all.push_back(line(n));
    return all;
}

std::array<std::string, ShortDisplay::columnCount> ShortDisplay::headers() const {
    const lang::TextCatalogue& texts = table_->texts();
    return {texts.text(GlobalText::CaptionNumber),
            texts.text(GlobalText::CaptionElement) + "/" + texts.text(GlobalText::CaptionCount),
            texts.text(GlobalText::CaptionDesignation),
            table_->unitSystem() == model::UnitSystem::Us ? "dp/psi" : "dp/bar"};
}

std::string ShortDisplay::cell(int column, int gridRow) const {
    if (column < 0 || column >= columnCount) return {};
    if (gridRow == 0) return headers()[static_cast<std::size_t>(column)];
    const ShortDisplayLine l = line(gridRow);
    switch (column) {
        case 0:
            return l.number;
        case 1:
            return l.element;
        case 2:
            return l.designation;
        default:
            return l.pressureLoss;
    }
}

std::string ShortDisplay::labelText() const {
    return table_->totalCaption() + " " + table_->totalText();
}

int ShortDisplay::currentLine() const {
    return lineCount() == 0 ? 0 : std::clamp(current_, 1, lineCount());
}

void ShortDisplay::setCurrentLine(int n) {
    current_ = std::max(1, n);
}

bool ShortDisplay::editDesignation(int n, std::string text) {
    if (n < 1 || n > lineCount()) return false;
    table_->setCell(n, row::designation, std::move(text));
    return true;
}

bool ShortDisplay::lineUp() {
    const int n = currentLine();
    if (n < 2) return false;
    table_->moveColumn(n, n - 1);
    current_ = n - 1;
    refresh();
    return true;
}

bool ShortDisplay::lineDown() {
    const int n = currentLine();
    if (n < 1 || n >= lineCount()) return false;
    table_->moveColumn(n, n + 1);
    current_ = n + 1;
    refresh();
    return true;
}

bool ShortDisplay::deleteCalculation() {
    const int n = currentLine();
    if (n < 1) return false;
    table_->setCurrentColumn(n);
    table_->removeCurrentColumn();
    refresh();
    return true;
}

void ShortDisplay::refresh() {
    current_ = std::max(1, currentLine());
}

}  // namespace velmora::workflow
