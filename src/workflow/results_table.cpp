#include "workflow/results_table.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/number_text.h"
#include "workflow/result_number_format.h"
#include "workflow/us_unit_factors.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;
using model::Real;
using model::UnitSystem;

using us::cubicMetresPerHourPerGpm;
using us::kgM3PerLbCuFt;
using us::mbarPerLbwSqFt;
using us::mmPerInch;
using us::mPerFoot;
using us::squareMetresPerSquareYard;

const std::string emptyText;

Real readCell(const std::string& text) { return model::readNumber(text).value_or(0); }

// Metric and US unit texts of a caption.
struct UnitPair {
    const char* metric;
    const char* us;
};

// A slot cell's unit and its US counterpart ("Diameter D in mm: 100.000").
struct SlotUnitSwap {
    const char* metric;
    const char* us;
    Real factor;  // metric value per US unit
    bool firstSlotOnly;
};
constexpr SlotUnitSwap slotUnitSwaps[] = {
    {" mm:", " in.:", mmPerInch, false},
    {" m²:", " sq.yd.:", squareMetresPerSquareYard, true},
    {" m:", " ft.:", mPerFoot, false},
};

}  // namespace

bool unitDependentRow(int r) {
    switch (r) {
        case row::flow:
        case row::density:
        case row::viscosity:
        case row::velocity:
        case row::velocity2:
        case row::roughness:
        case row::branchLoss:
        case row::lossSmall:
        case row::lossLarge:
            return true;
        default:
            return r >= row::slot1 && r <= row::slot1 + 3;
    }
}

ResultsTable::ResultsTable(const lang::TextCatalogue& texts) : texts_(&texts) { clear(); }

const std::string& ResultsTable::cell(int gridColumn, int row) const {
    if (row < 0 || row >= row::count) return emptyText;
    if (gridColumn == 0) return captions_[static_cast<std::size_t>(row)];
    if (gridColumn < 1 || gridColumn >= gridColumnCount()) return emptyText;
    return columns_[static_cast<std::size_t>(gridColumn - 1)].cells[static_cast<std::size_t>(row)];
}

void ResultsTable::setCell(int gridColumn, int row, std::string text) {
    if (gridColumn < 1 || gridColumn >= gridColumnCount() || row < 0 || row >= row::count)
        throw std::out_of_range("results table cell outside the grid");
    ResultColumn& column = columns_[static_cast<std::size_t>(gridColumn - 1)];
    if (unitDependentRow(row) && column.cells[static_cast<std::size_t>(row)] != text) column.unconverted.reset();
    column.cells[static_cast<std::size_t>(row)] = std::move(text);
    if (row == row::columnNumber) numbersStale_ = true;
    if (row == row::lossSmall) recomputeTotal();
}

const ResultColumn& ResultsTable::column(int gridColumn) const {
    if (gridColumn < 1 || gridColumn >= gridColumnCount()) throw std::out_of_range("results table column");
    return columns_[static_cast<std::size_t>(gridColumn - 1)];
}

std::vector<ResultColumn> ResultsTable::elementColumns() const { return {columns_.begin(), columns_.end() - 1}; }

// Columns 1 … N − 1 keep their numbers and their share of the total: only the new column is
// numbered and added, so a long pipeline costs the same per element as a short one. The sum
// adds the cells in column order, exactly as reading them all again would.
void ResultsTable::appendColumn(ResultColumn filled) {
    // A loss typed into the empty column was part of the sum and is overwritten now.
    const bool emptyColumnCounted = !columns_.back().cells[row::lossSmall].empty();
    columns_.back() = std::move(filled);
    columns_.emplace_back();
    ResultColumn& added = columns_[columns_.size() - 2];
    if (numbersStale_)
        renumber();
    else
        added.cells[row::columnNumber] = std::to_string(elementCount());
    if (emptyColumnCounted)
        sumLosses();
    else
        lossSum_ += readCell(added.cells[row::lossSmall]);
    writeTotal();
    current_ = elementCount();
}

void ResultsTable::setElementColumns(std::vector<ResultColumn> columns) {
    columns_ = std::move(columns);
    columns_.emplace_back();
    renumber();
    recomputeTotal();
    current_ = std::max(1, elementCount());
}

bool ResultsTable::removeCurrentColumn() {
    if (!currentIsElementColumn()) return false;
    columns_.erase(columns_.begin() + (current_ - 1));
    renumber();
    recomputeTotal();
    current_ = std::clamp(current_, 1, std::max(1, elementCount()));
    return true;
}

void ResultsTable::moveColumn(int from, int to) {
    const int last = gridColumnCount() - 1;
    if (from < 1 || from > last || to < 1 || to > last || from == to) return;
    ResultColumn moved = std::move(columns_[static_cast<std::size_t>(from - 1)]);
    columns_.erase(columns_.begin() + (from - 1));
    columns_.insert(columns_.begin() + (to - 1), std::move(moved));
    current_ = to;
    repairAfterMove();
}

// The empty column always ends up last: the last empty column found is taken out and a fresh
// empty column closes the grid.
void ResultsTable::repairAfterMove() {
    const auto lastEmpty = std::find_if(columns_.rbegin(), columns_.rend(), [](const ResultColumn& c) { return c.isEmpty(); });
    if (lastEmpty != columns_.rend()) {
        columns_.erase(std::next(lastEmpty).base());
        columns_.emplace_back();
    }
    current_ = std::clamp(current_, 1, gridColumnCount() - 1);
    renumber();
    sumLosses();  // the order of the sum follows the columns; the total's text stays as it was
}

void ResultsTable::clear() {
    columns_.assign(1, ResultColumn{});
    current_ = 1;
    rebuildCaptions();
    recomputeTotal();
}

void ResultsTable::setCurrentColumn(int gridColumn) { current_ = std::clamp(gridColumn, 1, gridColumnCount() - 1); }

void ResultsTable::renumber() {
    for (int c = 1; c <= elementCount(); ++c)
        columns_[static_cast<std::size_t>(c - 1)].cells[row::columnNumber] = std::to_string(c);
    columns_.back().cells[row::columnNumber].clear();
    numbersStale_ = false;
}

bool ResultsTable::takesLoss(const std::string& lossSmall) const {
    const auto loss = model::readNumber(lossSmall);
    return loss && std::isfinite(lossSum_ + *loss);
}

const std::string& ResultsTable::totalCaption() const { return texts_->text(GlobalText::TotalCaption); }

void ResultsTable::sumLosses() {
    lossSum_ = 0;
    for (const ResultColumn& c : columns_) lossSum_ += readCell(c.cells[row::lossSmall]);
}

// The total adds the displayed (rounded) texts of row 24.
void ResultsTable::recomputeTotal() {
    sumLosses();
    writeTotal();
}

void ResultsTable::writeTotal() {
    const bool comma = decimalComma();
    const bool metric = unitSystem_ == UnitSystem::Metric;
    if (empty()) {
        total_ = formatFixed(0, 2, comma) + (metric ? " bar" : " psi");
        return;
    }
    const Real sum = lossSum_;
    const Real large = metric ? sum / 1000 : sum / 144;
    total_ = formatLoss(sum, decimals_, comma) + (metric ? " mbar" : " lbw./sq.ft.") + " " +
             texts_->text(GlobalText::TotalConjunction) + " " + formatLoss(large, decimals_, comma) +
             (metric ? " bar" : " psi");
}

namespace {

std::string plainCaption(const lang::TextCatalogue& texts, UnitSystem unitSystem, int r) {
    const auto t = [&texts](GlobalText role) { return texts.text(role); };
    const bool metric = unitSystem == UnitSystem::Metric;
    // Not " " + text: g++ 12 gives a false -Wrestrict warning for that form once inlined here.
    const std::string in = std::string(" ").append(t(GlobalText::UnitConnector));
    const auto unit = [&](UnitPair pair) { return std::string(metric ? pair.metric : pair.us); };
    switch (r) {
        case row::columnNumber: return t(GlobalText::CaptionColumn) + ":";
        case row::medium: return t(GlobalText::LabelMedium);
        case row::flow: return t(GlobalText::CaptionFlow) + in + unit({" m³/h:", " gal/min:"});
        case row::density: return t(GlobalText::CaptionDensity) + in + unit({" kg/m³:", " lb./cu.ft.:"});
        case row::viscosity: return t(GlobalText::CaptionViscosity) + in + unit({" 10-6 kg/ms:", " cP:"});
        case row::designation: return t(GlobalText::CaptionDesignation) + ":";
        case row::element: return t(GlobalText::CaptionElement) + "/" + t(GlobalText::CaptionCount) + ":";
        case row::slot1: return t(GlobalText::CaptionDimensions) + ":";
        case row::velocity: return t(GlobalText::CaptionVelocity) + in + unit({" m/s:", " ft./s:"});
        case row::reynolds: return t(GlobalText::CaptionReynolds) + ":";
        case row::velocity2: return t(GlobalText::CaptionVelocity) + "2" + in + unit({" m/s:", " ft./s:"});
        case row::reynolds2: return t(GlobalText::CaptionReynolds) + " 2:";
        case row::regime: return t(GlobalText::CaptionFlowRegime) + ":";
        case row::roughness: return t(GlobalText::CaptionRoughness) + in + unit({" mm:", " in.:"});
        case row::frictionFactor: return t(GlobalText::CaptionFrictionFactor) + ":";
        case row::zeta: return t(GlobalText::CaptionResistanceCoefficient) + ":";
        case row::zetaBranch: return t(GlobalText::CaptionResistanceCoefficient) + " " + t(GlobalText::BranchWord) + ":";
        case row::branchLoss:
            return t(GlobalText::CaptionPressureLoss) + " " + t(GlobalText::BranchWord) + unit({" mbar:", " lbw./sq.ft.:"});
        case row::lossSmall: return t(GlobalText::CaptionPressureLoss) + in + unit({" mbar:", " lbw./sq.ft.:"});
        case row::lossLarge: return t(GlobalText::CaptionPressureLoss) + in + unit({" bar:", " psi:"});
        default: return {};
    }
}

}  // namespace

// French typography sets a blank before the colon, as the edition's other captions have it.
std::string ResultsTable::caption(int r) const {
    std::string text = plainCaption(*texts_, unitSystem_, r);
    if (texts_->edition().language() == lang::Edition::Language::French && text.size() > 1 && text.back() == ':' &&
        text[text.size() - 2] != ' ')
        text.insert(text.size() - 1, " ");
    return text;
}

void ResultsTable::rebuildCaptions() {
    for (int r = 0; r < row::count; ++r) captions_[static_cast<std::size_t>(r)] = caption(r);
}

void ResultsTable::setUnitSystem(UnitSystem system) {
    unitSystem_ = system;
    rebuildCaptions();
    recomputeTotal();
}

bool ResultsTable::switchUnitSystem(UnitSystem system) {
    if (system == unitSystem_) return true;
    const bool toUs = system == UnitSystem::Us;
    const bool comma = decimalComma();
    // Metric value per US unit of each numeric row; the cell is divided by it going to US units.
    // The columns are converted into a copy, which takes the table's place only when every value
    // stayed finite.
    bool finite = true;
    const auto converted = [&](Real value) {
        finite = finite && std::isfinite(value);
        return value;
    };
    const auto convert = [&](std::string& cell, Real metricPerUs) {
        if (cell.empty()) return;
        const Real value = readCell(cell);
        cell = formatFixed(converted(toUs ? value / metricPerUs : value * metricPerUs), decimals_, comma);
    };
    std::vector<ResultColumn> columns = columns_;
    Real sum = 0;
    for (ResultColumn& c : columns) {
        if (c.isEmpty()) continue;
        auto& cells = c.cells;
        if (c.unconverted && c.unconverted->system == system) {
            // Back in its own system: its own texts, exactly. The other rows (number, designation)
            // may have changed meanwhile and stay as they are.
            for (int r = 0; r < row::count; ++r)
                if (unitDependentRow(r)) cells[static_cast<std::size_t>(r)] = c.unconverted->cells[static_cast<std::size_t>(r)];
            c.unconverted.reset();
            sum += readCell(cells[row::lossSmall]);
            converted(sum);
            continue;
        }
        c.unconverted = UnconvertedTexts{unitSystem_, cells};
        convert(cells[row::flow], cubicMetresPerHourPerGpm);
        convert(cells[row::density], kgM3PerLbCuFt);
        convert(cells[row::viscosity], 1000);
        convert(cells[row::velocity], mPerFoot);
        convert(cells[row::velocity2], mPerFoot);
        convert(cells[row::roughness], mmPerInch);
        convert(cells[row::branchLoss], mbarPerLbwSqFt);
        if (!cells[row::lossSmall].empty()) {
            const Real small = readCell(cells[row::lossSmall]);
            const Real loss = converted(toUs ? small / mbarPerLbwSqFt : small * mbarPerLbwSqFt);
            cells[row::lossSmall] = formatLoss(loss, decimals_, comma);
            cells[row::lossLarge] = formatLoss(toUs ? loss / 144 : loss / 1000, decimals_, comma);
            sum += readCell(cells[row::lossSmall]);
            converted(sum);
        }
        for (int r = row::slot1; r <= row::slot1 + 3; ++r) {
            std::string& text = cells[static_cast<std::size_t>(r)];
            for (const SlotUnitSwap& swap : slotUnitSwaps) {
                if (swap.firstSlotOnly && r != row::slot1) continue;
                const std::string from = toUs ? swap.metric : swap.us;
                const std::string to = toUs ? swap.us : swap.metric;
                const auto at = text.find(from);
                if (at == std::string::npos) continue;
                std::string value = text.substr(at + from.size());
                convert(value, swap.factor);
                text = text.substr(0, at) + to + " " + value;
                break;
            }
        }
    }
    if (!finite) return false;
    columns_ = std::move(columns);
    setUnitSystem(system);
    return true;
}

std::string ResultsTable::clipboardText() const {
    std::string text;
    for (int r = 0; r < row::count; ++r) {
        for (int c = 0; c <= elementCount(); ++c) {
            if (c > 0) text += '\t';
            text += cell(c, r);
        }
        text += "\r\n";
    }
    return text + totalCaption() + totalText();
}

}  // namespace velmora::workflow
