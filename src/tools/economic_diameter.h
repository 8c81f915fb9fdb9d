#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "model/real.h"

// The economic inner diameter of a pipe for a volume flow, read from flow–diameter tables of
// economic velocities, and the standard nominal sizes around it.
namespace velmora::tools {

using model::Real;

struct FlowDiameterPoint {
    Real flow;      // m³/h
    Real diameter;  // mm
};

using EconomicDiameterTable = std::array<FlowDiameterPoint, 20>;

enum class EconomicMedium { Liquid, Gas };

// The two tables of a medium: liquids of about 10⁻⁶ and of 100 · 10⁻⁶ m²/s; gases at about 1 bar
// in long and in short lines.
const EconomicDiameterTable& economicTable(EconomicMedium medium, int which);  // which = 0, 1

// d for the flow Q (m³/h), interpolated linearly in Q; 1 mm below the first point, 2000 mm above the
// last; rounded half away from zero to whole millimetres.
long long economicDiameter(const EconomicDiameterTable& table, Real flow);

// The standard sizes: DN in mm, US sizes in thousandths of an inch.
std::span<const int> metricNominalSizes();
std::span<const int> usNominalSizes();

// The standard sizes around a size: the size itself when it is one, else the next lower and the
// next higher one (those that exist).
std::vector<int> sizesAround(std::span<const int> sizes, long long size);

// Mean velocity (m/s) of Q (m³/h) in a pipe of diameter D (mm).
Real pipeVelocity(Real flow, Real diameter);

}  // namespace velmora::tools
