#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/real.h"
#include "model/unit_system.h"
#include "workflow/result_rows.h"

namespace velmora::workflow {

// The gas entries of a column as typed, with their unit labels (TGasinfos).
struct GasInfos {
    std::string inletPressure, inletTemperature, outletTemperature;
    std::string inletPressureUnit, inletTemperatureUnit, outletTemperatureUnit;

    friend bool operator==(const GasInfos&, const GasInfos&) = default;
};

// The rows whose texts depend on the unit system: they are converted when the system changes.
bool unitDependentRow(int row);

// The texts a column had in the unit system it was calculated or read in, kept while it is shown
// converted into the other system.
struct UnconvertedTexts {
    model::UnitSystem system = model::UnitSystem::Metric;
    std::array<std::string, row::count> cells;

    friend bool operator==(const UnconvertedTexts&, const UnconvertedTexts&) = default;
};

// One grid column: the texts of its 26 rows, and the gas entries of a gas calculation.
struct ResultColumn {
    std::array<std::string, row::count> cells;
    std::optional<GasInfos> gas;
    // Set while the column is shown in the other unit system than the one it was calculated in:
    // its own texts, so that switching back restores them exactly however often the system is
    // switched (each conversion starts from them, never from the rounded converted texts).
    std::optional<UnconvertedTexts> unconverted;

    // The column that receives the next calculation has no element text.
    bool isEmpty() const { return cells[row::element].empty(); }

    // Columns are equal when they show the same: what was kept for switching back is not compared.
    friend bool operator==(const ResultColumn& a, const ResultColumn& b) {
        return a.cells == b.cells && a.gas == b.gas;
    }
};

// The pipeline: one column per calculated element, kept as the texts the table shows, and the
// total of the pressure losses read back from those texts. Grid column 0 holds the captions,
// columns 1 … N the elements, and column N + 1 is the empty column of the next calculation.
class ResultsTable {
  public:
    explicit ResultsTable(const lang::TextCatalogue& texts);

    // ---- shape ---------------------------------------------------------------------------------
    int elementCount() const { return static_cast<int>(columns_.size()) - 1; }
    int gridColumnCount() const { return static_cast<int>(columns_.size()) + 1; }
    bool empty() const { return elementCount() == 0; }

    // Cell of grid column 0 … N + 1; column 0 is the caption column.
    const std::string& cell(int gridColumn, int row) const;
    // Element and empty columns only. A unit-dependent cell typed over in a converted column makes
    // the texts shown the column's own: the kept texts are let go.
    void setCell(int gridColumn, int row, std::string text);
    const ResultColumn& column(int gridColumn) const;         // 1 … N + 1
    // The element columns 1 … N.
    std::vector<ResultColumn> elementColumns() const;

    // ---- settings that shape the texts ---------------------------------------------------------
    model::UnitSystem unitSystem() const { return unitSystem_; }
    int decimals() const { return decimals_; }
    void setDecimals(int decimals) { decimals_ = decimals; }
    bool decimalComma() const { return texts_->edition().decimalComma(); }
    const lang::TextCatalogue& texts() const { return *texts_; }

    // Shows every element column in the other unit system, then rebuilds the captions and the
    // total. A column shown in the system it was calculated in is converted from its texts (and
    // keeps them); a column shown converted gets its own texts back exactly. Nothing happens when
    // the system does not change.
    // False, and nothing changed, when a converted value or the total would leave the range of
    // the numbers (a loss near the largest long double grows by the conversion).
    bool switchUnitSystem(model::UnitSystem system);
    // Sets the system without converting (an empty table, or a project whose texts are already in it).
    void setUnitSystem(model::UnitSystem system);

    // ---- editing -------------------------------------------------------------------------------
    // Whether a column with this row-24 text can be appended: the text reads as a number and the
    // total stays finite with it.
    bool takesLoss(const std::string& lossSmall) const;
    // Fills the empty last column with `filled` (its row 0 becomes the column number), adds a new
    // empty column, recomputes the total and makes the new element column current.
    void appendColumn(ResultColumn filled);
    // Replaces all element columns (project loading); numbers them and recomputes the total.
    void setElementColumns(std::vector<ResultColumn> columns);
    // Removes the current column when it is an element column; false otherwise.
    bool removeCurrentColumn();
    // Moves grid column `from` to position `to` (both 1 … N + 1), as a drag does, then repairs.
    void moveColumn(int from, int to);
    // Back to two grid columns.
    void clear();

    int currentColumn() const { return current_; }
    void setCurrentColumn(int gridColumn);
    bool currentIsElementColumn() const { return current_ >= 1 && current_ <= elementCount(); }

    // ---- what the table shows besides the cells ------------------------------------------------
    const std::string& totalCaption() const;                 // first status panel
    const std::string& totalText() const { return total_; }  // second status panel
    // Sum of the row-24 texts, in mbar or lbw./sq.ft.
    model::Real totalSmallUnit() const { return lossSum_; }

    // Rows joined by tabs over columns 0 … N, CR LF after each row, then the two status texts.
    std::string clipboardText() const;

  private:
    void renumber();
    void repairAfterMove();
    void sumLosses();
    void recomputeTotal();
    void writeTotal();
    void rebuildCaptions();
    std::string caption(int row) const;

    const lang::TextCatalogue* texts_;
    std::vector<ResultColumn> columns_;  // grid columns 1 … N + 1
    std::array<std::string, row::count> captions_;
    std::string total_;
    // The sum of the row-24 values in column order, kept so that an append adds one cell instead
    // of reading every column again.
    model::Real lossSum_ = 0;
    // A column number was overwritten through setCell; the next append numbers every column.
    bool numbersStale_ = false;
    model::UnitSystem unitSystem_ = model::UnitSystem::Metric;
    int decimals_ = 3;
    int current_ = 1;
};

}  // namespace velmora::workflow
