#pragma once

#include <array>
#include <optional>

#include "model/real.h"

// The pump quick design's arithmetic: one straight circular pipe per side with its fittings and
// further elements, the pressures at the pump's suction and discharge branches, the differential
// pressure, the head, the available NPSH and the hydraulic power. Every value is in internal
// units: flow m³/h, density kg/m³, dynamic viscosity 10⁻⁶ kg/(m·s), pressures bar absolute,
// diameters and roughness mm, lengths and heights m.
namespace velmora::tools {

using model::Real;

// The six standard fittings of a side, in the order the design file stores their counts.
enum class PumpFitting { Bend, Valve, CheckValve, Cock, GateValve, CheckFlap };
inline constexpr int kPumpFittingCount = 6;
inline constexpr int kPumpFurtherCount = 3;

// A further element (a filter, a heat exchanger …): a count and either a resistance coefficient
// or a pressure loss per piece. When both are given (a design file can hold both) the pressure
// loss is used.
struct PumpFurtherElement {
    int count = 0;
    std::optional<Real> zeta;
    std::optional<Real> loss;  // bar per piece
};

struct PumpSideInput {
    Real tankPressure = 0;  // bar absolute
    Real height = 0;        // m; suction: + with inflow to the pump, − with suction lift
    Real diameter = 0;      // mm, inside
    Real length = 0;        // m
    std::array<int, kPumpFittingCount> counts{};
    std::array<PumpFurtherElement, kPumpFurtherCount> further{};
};

struct PumpDesignInput {
    Real flow = 0;            // m³/h
    Real density = 0;         // kg/m³
    Real viscosity = 0;       // 10⁻⁶ kg/(m·s), dynamic
    Real vapourPressure = 0;  // bar absolute
    Real roughness = 0;       // mm; read only where a side is turbulent
    PumpSideInput suction;
    PumpSideInput discharge;
};

// The losses of one side in bar, each multiplied by its count.
struct PumpSideResult {
    Real tankPressure = 0;
    Real geodetic = 0;  // ρ g H; with its sign (suction: a suction lift is negative)
    Real friction = 0;
    std::array<Real, kPumpFittingCount> fittings{};
    std::array<Real, kPumpFurtherCount> further{};
    Real velocity = 0;         // m/s
    Real reynolds = 0;
    Real frictionFactor = 0;   // Darcy λ
    bool laminar = false;      // Re < 2320
    Real losses() const;       // friction, fittings and further elements
};

struct PumpDesignResult {
    PumpSideResult suction;
    PumpSideResult discharge;
    Real vapourPressure = 0;
    Real suctionPressure = 0;       // pS, bar absolute
    Real dischargePressure = 0;     // pD, bar absolute
    Real differentialPressure = 0;  // dp = pD − pS, bar
    Real head = 0;                  // m
    Real npsh = 0;                  // m, available
    Real power = 0;                 // kW, hydraulic
    bool laminar = false;           // the regime found on the suction side
};

inline constexpr Real kLaminarLimit = 2320;  // exactly 2320 is turbulent

// Reynolds number of the flow Q (m³/h) in a circular pipe of d (mm); the velocity is
// pipeVelocity of economic_diameter.h.
Real pipeReynolds(Real flow, Real density, Real viscosity, Real diameter);

// The resistance coefficient of one fitting; `bendLaminar` is the suction side's regime, which
// chooses the bend correlation on both sides.
Real pumpFittingZeta(PumpFitting fitting, Real reynolds, Real diameter, Real frictionFactor, Real roughness,
                     bool bendLaminar);

// The whole design. engine::CalcError for an arithmetic failure.
PumpDesignResult computePumpDesign(const PumpDesignInput& input);

// The result in US units: pressures in psi, head and NPSH in ft., power in hp.
PumpDesignResult toUsUnits(PumpDesignResult result);

}  // namespace velmora::tools
