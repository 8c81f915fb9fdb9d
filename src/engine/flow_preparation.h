#pragma once

#include "engine/element_result.h"
#include "model/calc_inputs.h"
#include "model/real.h"

// Velocities, hydraulic diameters and Reynolds numbers of the four section shapes. Flow Q in m³/h,
// diameters and sides in mm, area in m², perimeter in m, density in kg/m³, dynamic viscosity in
// 10⁻⁶ kg/(m·s); velocities in m/s.
namespace velmora::engine {

using model::Real;

// Mean velocity in a circular section: Q · 4 · 10000 / (D² · π · 36).
Real circularVelocity(Real flow, Real diameter);
// Mean velocity in a rectangular section: Q · 10000 / (B · H · 36).
Real rectangularVelocity(Real flow, Real width, Real height);
// Mean velocity in an annular gap: Q · 4 · 10000 / (36π · (D² − Di²)).
Real annulusVelocity(Real flow, Real outerDiameter, Real innerDiameter);
// Mean velocity in a free section of area A (m²): Q / (A · 3600).
Real freeSectionVelocity(Real flow, Real area);

// Hydraulic diameters (mm).
Real rectangularHydraulicDiameter(Real width, Real height);    // 2BH / (B + H)
Real freeSectionHydraulicDiameter(Real area, Real perimeter);  // 4A / U · 1000, from m² and m

// Re = d · ρ · w · 1000 / η with d in mm and η in 10⁻⁶ kg/(m·s).
Real reynoldsNumber(Real diameter, Real density, Real velocity, Real dynamicViscosity);

// Fills velocity, velocity2, hydraulicDiameter, reynolds and reynolds2 of `result` for the kind of
// `inputs`; leaves what the kind does not use at 0.
void prepareFlow(const model::CalcInputs& inputs, ElementResult& result);

}  // namespace velmora::engine
