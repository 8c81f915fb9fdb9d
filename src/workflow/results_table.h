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

// One grid column: the texts of its 26 rows, and the gas entries of a gas calculation.
struct ResultColumn {
    std::array<std::string, row::count> cells;
    std::optional<GasInfos> gas;

    // The column that receives the next calculation has no element text.
    bool isEmpty() const { return cells[row::element].empty(); }

    friend bool operator==(const ResultColumn&, const ResultColumn&) = default;
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
    void setCell(int gridColumn, int row, std::string text);  // element and empty columns only
    const ResultColumn& column(int gridColumn) const;         // 1 … N + 1
    // The element columns 1 … N.
    std::vector<ResultColumn> elementColumns() const;

    // ---- settings that shape the texts ---------------------------------------------------------
    model::UnitSystem unitSystem() const { return unitSystem_; }
    int decimals() const { return decimals_; }
    void setDecimals(int decimals) { decimals_ = decimals; }
    bool decimalComma() const { return texts_->edition().decimalComma(); }
    const lang::TextCatalogue& texts() const { return *texts_; }

    // Converts every element column from its cell texts into the other unit system, then
    // rebuilds the captions and the total. Nothing happens when the system does not change.
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
