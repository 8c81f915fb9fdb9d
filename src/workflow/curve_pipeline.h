#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/element_engine.h"
#include "lang/text_catalogue.h"
#include "model/calc_inputs.h"
#include "model/unit_system.h"
#include "workflow/results_table.h"

namespace velmora::workflow {

using model::Real;

// An element of the table that the curve cannot compute: its column's texts do not describe an
// element, or the engine failed on it at a flow.
class CurveElementError : public std::runtime_error {
  public:
    CurveElementError(int column, Real flow, const std::string& what)
        : std::runtime_error(what), column_(column), flow_(flow) {}
    int column() const { return column_; }  // grid column 1 … N
    Real flow() const { return flow_; }     // m³/h; negative when the column could not be rebuilt

  private:
    int column_;
    Real flow_;
};

// One column of the table rebuilt from its cell texts for the curve.
struct CurveElement {
    int column = 0;                   // grid column 1 … N
    model::CalcInputs inputs;         // kind, slots, count, roughness, and the medium of the curve
    engine::EngineOptions options;    // curve mode, with the column's two-option text
    Real branchRatio = 0;             // the tees 5/5 and 5/6: main flow / branch flow; 0 otherwise
    bool computedAtZeroFlow = false;  // the height difference: ρ g h also without flow
    bool hasReynolds = true;          // false for the height difference
    bool regimeFromSecond = false;    // the contractions decide the engine by Re₂
};

// The lowest and highest regime Reynolds number of one column over the flows computed.
struct ReynoldsRange {
    bool seen = false;
    Real lowest = 0, highest = 0;
    void add(Real re);
    // Strictly below and strictly above the laminar limit.
    bool crossesTransition() const;
};

// The pipeline of the results table, every element column rebuilt from its texts: the kind from
// the element name of row 7 and the count after its "/", the slots from rows 8 … 12 (in.,
// ft. and sq.yd. turned into mm, m and m² by the unit the cell names), the two-option text of
// row 13, the roughness of row 19 for the kinds that have one (in mm; from inches with the US
// units), and for the tees with a branch the ratio main flow / branch flow =
// (D1 / D2)² · w1 / w2 from rows 14 and 16 (a branch velocity of 0 counts as w1 / 1000). The
// medium's density and viscosity come from `medium`, the flows from the curve.
class CurvePipeline {
  public:
    // CurveElementError (flow < 0) for a column whose element name names no kind or whose texts
    // are no numbers where the element needs them.
    CurvePipeline(const ResultsTable& table, const model::CalcInputs& medium);

    const std::vector<CurveElement>& elements() const { return elements_; }
    model::UnitSystem units() const { return units_; }

    // The summed pressure loss at a flow in m³/h: bar (metric) or psi (US). At zero flow only the
    // height differences are computed, the other elements add nothing. With `ranges` (one per
    // element) the regime Reynolds numbers are tracked. CurveElementError when the engine fails.
    Real lossAt(Real flow, std::vector<ReynoldsRange>* ranges = nullptr) const;

  private:
    std::vector<CurveElement> elements_;
    model::UnitSystem units_;
};

}  // namespace velmora::workflow
