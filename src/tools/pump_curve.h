#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/real.h"
#include "model/unit_system.h"
#include "tools/monotone_curve.h"

// A pump characteristic laid over the system curve: its points as the user enters or loads them,
// their checks, and the pressure the pump gives at a flow.
namespace velmora::tools {

using model::Real;

inline constexpr int kMinPumpPoints = 3;
inline constexpr int kMaxPumpPoints = 20;

enum class HeadUnit { Metre, Foot };

struct PumpPoint {
    Real flow = 0;  // in the flow unit of the diagram
    Real head = 0;  // m or ft

    friend bool operator==(const PumpPoint&, const PumpPoint&) = default;
};

// What is wrong with a set of pump points. `row` is the 0-based point (entry row or file line)
// at fault, or -1 when the set as a whole is.
struct PumpProblem {
    enum class Kind {
        PointCount,          // fewer than 3 or more than 20 points
        Incomplete,          // a flow without its head or a head without its flow
        NotANumber,          // an entry that is not a number
        FlowsNotIncreasing,  // a flow not above the one before it
        HeadRising,          // a head above the one before it
        NegativeHead,
        FileNoCurve,  // a file line that is no pair of numbers, or no pair at all
    };
    Kind kind = Kind::PointCount;
    int row = -1;
    bool headColumn = false;  // NotANumber and Incomplete: the head entry is at fault

    friend bool operator==(const PumpProblem&, const PumpProblem&) = default;
};

// The points of the entry rows (flow text, head text) in order: rows with both entries blank are
// skipped; then the checks of checkPumpPoints.
struct PumpEntryRead {
    std::vector<PumpPoint> points;
    std::optional<PumpProblem> problem;
};
PumpEntryRead readPumpEntries(const std::vector<std::pair<std::string, std::string>>& rows);

// 3 … 20 points, flows strictly increasing, heads not negative and never rising with the flow.
std::optional<PumpProblem> checkPumpPoints(const std::vector<PumpPoint>& points);

// A two-column text file of flow and head: fields separated by a tab, a semicolon or a comma (or
// blanks), numbers with a decimal point or a decimal comma ("12,5;30,2" and "12,5,30,2" both give
// 12.5 and 30.2). Lines before the first pair of numbers (headings) and blank lines are skipped;
// a third column is ignored. A later line that is no pair of numbers is a FileNoCurve problem on
// that line (0-based). The texts are those of the entries, so that the file fills the entry rows.
struct PumpFileRead {
    std::vector<std::pair<std::string, std::string>> rows;
    std::optional<PumpProblem> problem;
};
PumpFileRead readPumpFile(std::string_view text);

// The pump's pressure difference from its head: Δp = ρ g H, in bar (metric) or psi (US), with the
// density in kg/m³ and the head in m or ft.
Real pumpPressure(Real head, HeadUnit unit, Real density, model::UnitSystem units);
// The head that gives a pressure difference (inverse of pumpPressure).
Real pumpHead(Real pressure, HeadUnit unit, Real density, model::UnitSystem units);

// The pump characteristic as pressure over flow, interpolated monotonically between its points.
class PumpCurve {
  public:
    PumpCurve(const std::vector<PumpPoint>& points, HeadUnit unit, Real density, model::UnitSystem units);

    const std::vector<PumpPoint>& points() const { return points_; }
    HeadUnit headUnit() const { return unit_; }
    Real firstFlow() const { return head_.first(); }
    Real lastFlow() const { return head_.last(); }
    bool covers(Real flow) const { return head_.covers(flow); }
    // Head at a flow of the diagram unit; the end values outside the points.
    Real headAt(Real flow) const { return head_(flow); }
    // Pressure difference at a flow (bar or psi): the head times ρ g, which keeps the curve monotone.
    Real pressureAt(Real flow) const { return head_(flow) * pressurePerHead_; }
    Real pressurePerHead() const { return pressurePerHead_; }

  private:
    std::vector<PumpPoint> points_;
    HeadUnit unit_;
    MonotoneCurve head_;
    Real pressurePerHead_;
};

}  // namespace velmora::tools
