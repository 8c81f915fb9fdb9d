#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "model/real.h"
#include "tools/pump_curve.h"

namespace velmora::tools {

using model::Real;

// Where the pump curve crosses the system curve.
struct OperatingPoint {
    Real flow = 0;      // in the flow unit of the diagram
    Real pressure = 0;  // bar or psi: the system's loss, which equals the pump's pressure difference there
    Real head = 0;      // m or ft, of the pump
};

// The pressure loss of the system at a flow of the diagram unit, in the unit of the pump's pressure.
using SystemLoss = std::function<Real(Real flow)>;

// The crossing of the pump curve with the system curve between `lowFlow` and `highFlow` (the
// diagram's range), searched where both curves exist. The difference pump − system is sampled at
// the given flows (the points of the system curve), at the pump's points and on a fine grid, and
// the crossing is then narrowed down on the system itself, so that it does not depend on how
// finely the curve was drawn. With several crossings the one at the highest flow is taken: there
// the pump's curve falls below the system's, which makes it the stable one. None when the curves
// do not cross. Exceptions of `system` pass through.
std::optional<OperatingPoint> findOperatingPoint(const PumpCurve& pump, const SystemLoss& system,
                                                 Real lowFlow, Real highFlow,
                                                 const std::vector<Real>& sampleFlows);

}  // namespace velmora::tools
