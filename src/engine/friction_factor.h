#pragma once

#include "engine/notice.h"
#include "model/real.h"

// Darcy friction factors and the loss of straight sections. Diameters and roughness in mm, lengths
// in m, velocity in m/s, density in kg/m³, pressure in bar.
namespace velmora::engine {

using model::Real;

// Laminar flow in a circular pipe (Hagen–Poiseuille): λ = 64 / Re.
Real laminarCircularFactor(Real reynolds);

// Laminar flow in a rectangular duct of sides side1 × side2: 64 / Re times the shape factor φ of the
// side ratio (1.5 for parallel plates … 0.88 for a square).
Real laminarRectangleFactor(Real side1, Real side2, Real reynolds, Notices* notices = nullptr);

// Laminar flow in an annular gap of inner diameter Di and outer diameter D: 64 / Re times the shape
// factor φ of D / Di (1.5 for a narrow gap … 1.25 at D / Di = 100).
Real laminarAnnulusFactor(Real innerDiameter, Real outerDiameter, Real reynolds, Notices* notices = nullptr);

// Turbulent Darcy factor by the Colebrook equation
//   1/√λ = −2 log₁₀(2.51 / (Re √λ) + k / (3.71 d)),
// solved by a secant iteration with a fixed step. d is the diameter or hydraulic diameter.
Real colebrookFrictionFactor(Real diameter, Real reynolds, Real roughness);

// Turbulent Darcy factor of a corrugated (profiled) pipe of inner diameter D, corrugation depth t
// and pitch T (all mm).
Real profiledPipeFrictionFactor(Real reynolds, Real pitch, Real depth, Real diameter);

// Darcy–Weisbach: λ · (L / d) · ρ w² / 2, in bar.
Real straightPipeLoss(Real diameter, Real velocity, Real density, Real lengthM, Real frictionFactor);

// The loss of a fitting of coefficient ζ: ζ · ρ w² / 2, in bar.
Real fittingLoss(Real velocity, Real density, Real zeta);

}  // namespace velmora::engine
