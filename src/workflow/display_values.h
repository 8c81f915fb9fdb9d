#pragma once

#include <array>

#include "engine/element_result.h"
#include "model/calc_inputs.h"
#include "model/element_catalogue.h"
#include "model/unit_system.h"

namespace velmora::workflow {

using model::Real;

// The numbers one results column shows, in the units of the table's unit system. Metric: the
// internal units. US: gal/min, lb./cu.ft., cP, in., ft., sq.yd., ft./s, lbw./sq.ft. and psi.
struct DisplayValues {
    Real volumeFlow = 0;          // m³/h or gal/min, operating state
    Real density = 0;             // kg/m³ or lb./cu.ft.
    Real dynamicViscosity = 0;    // 10⁻⁶ kg/(m·s) or cP
    std::array<Real, 5> slots{};  // va1 … va5 in the unit the column names for each slot
    Real roughness = 0;           // mm or in.
    Real velocity = 0;            // m/s or ft./s
    Real velocity2 = 0;           // m/s or ft./s
    Real reynolds = 0;
    Real reynolds2 = 0;
    Real frictionFactor = 0;
    Real zeta = 0;
    Real zetaBranch = 0;
    Real branchPressureLoss = 0;  // mbar or lbw./sq.ft., one element
    Real pressureLossSmall = 0;   // mbar or lbw./sq.ft.
    Real pressureLossLarge = 0;   // bar or psi
};

// The unit each slot is converted by: the slot's unit where its unit box is shown (slot 1 always
// has one), SlotUnit::None for a slot without a box (degrees, %, counts, a coefficient).
using ConvertedSlots = std::array<model::SlotUnit, 5>;

// The values of one calculation for display. Nothing is rounded here; Reynolds numbers,
// coefficients and friction factors carry no unit and are passed through.
DisplayValues displayValues(const model::CalcInputs& inputs, const engine::ElementResult& result,
                            const ConvertedSlots& slots, model::UnitSystem system);

}  // namespace velmora::workflow
