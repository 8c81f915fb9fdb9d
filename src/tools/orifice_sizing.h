#pragma once

#include <optional>

#include "model/real.h"

// The bore of a restriction in a circular pipe that gives a wanted pressure loss: the resistance
// coefficient of the engine's orifice routines, inverted by a secant iteration from a start table.
namespace velmora::tools {

using model::Real;

enum class RestrictionKind { SharpOrifice, RoundedOrifice, PerforatedPlate };

struct OrificeSizingInput {
    RestrictionKind kind = RestrictionKind::SharpOrifice;
    Real flow = 0;           // m³/h
    Real density = 0;        // kg/m³
    Real viscosity = 0;      // dynamic, 10⁻⁶ kg/(m·s)
    Real pipeDiameter = 0;   // D1, mm
    Real second = 0;         // edge radius R or plate thickness L, mm
    Real pressureLoss = 0;   // bar
};

struct OrificeSizing {
    Real velocity = 0;    // in the pipe, m/s
    Real reynolds = 0;    // in the pipe
    Real zeta = 0;        // required, referred to the pipe velocity
    Real startDiameter = 0;  // mm
    std::optional<Real> bore;  // mm; none when no bore gives the loss
    Real boreReynolds = 0;     // in the bore of the result
    int steps = 0;             // secant steps taken
};

// The area ratio m = (d/D)² at which the kind's start table reaches ζ.
Real startAreaRatio(RestrictionKind kind, Real zeta);

// The kind's coefficient at bore d (mm) through the engine (throws engine::CalcError).
Real restrictionZeta(const OrificeSizingInput& input, Real reynolds, Real bore);

// The secant iteration with a step of 1e-8 mm, at most 100 steps. A bore is given only when the
// iteration settles (|Δd| < 1e-8 mm) inside the pipe (0 < d ≤ D1) on the wanted coefficient;
// an arithmetic failure, a run of 100 steps without settling or a bore outside the pipe give none.
OrificeSizing sizeOrifice(const OrificeSizingInput& input);

}  // namespace velmora::tools
