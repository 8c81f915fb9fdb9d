#pragma once

#include <vector>

#include "model/real.h"

namespace velmora::engine {

using model::Real;

// What an engine has to tell the user about one calculation. The engine only reports; the
// calculation driver maps each notice to its catalogue text and message box. None of them stops
// the calculation.
enum class NoticeKind {
    // The laminar engine used a turbulent coefficient unchanged or extrapolated (plain message).
    LaminarCoefficient,
    // Reynolds number outside the range of the orifice correlations of kinds 9/1 … 9/4
    // (information box with the notice caption); `value` is the Reynolds number tested.
    OrificePlateReynoldsRange,    // 9/1: Re below 5000 or above 10⁷
    SharpOrificeReynoldsRange,    // 9/2: Re below 100000
    RoundedOrificeReynoldsRange,  // 9/3: Re below 3000
    ThickOrificeReynoldsRange,    // 9/4: Re₂ (in the bore) below 4000
    // An argument lay outside the points of a correlation table; the nearest table value was
    // used. `argument` names the quantity, `value` is what was given, `heldAt` the table edge.
    OutsideCorrelationRange,
};

// The argument of a table routine, for OutsideCorrelationRange.
enum class TableArgument {
    None,
    RectangleSideRatio,    // laminar duct factor, smaller side / larger side
    AnnulusDiameterRatio,  // laminar annulus factor, D / Di
    BendSideRatio,         // rectangular bend, H / B
    BendAngle,             // degrees: bend factor tables
    NominalDiameter,       // mm: cast-iron bend table
    TeeAngle,              // degrees: breeches pipe and the laminar branch factor
    TeeRadiusRatio,        // curved breeches pipe, R / D
    BranchFlowRatio,       // laminar dividing tee, branch flow / main flow
    LengthRatio,           // U-bend, L / D
    GateOpeningRatio,      // gate valve, opening height / diameter
    CockAngle,             // degrees
    FlapAngle,             // degrees
    VenturiAreaRatio,      // (d / D)²
};

struct Notice {
    NoticeKind kind = NoticeKind::LaminarCoefficient;
    TableArgument argument = TableArgument::None;
    Real value = 0;   // the Reynolds number tested, or the argument outside the table
    Real heldAt = 0;  // the table edge used instead (OutsideCorrelationRange)

    friend bool operator==(const Notice&, const Notice&) = default;
};

using Notices = std::vector<Notice>;

}  // namespace velmora::engine
