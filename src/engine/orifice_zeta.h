#pragma once

#include "engine/notice.h"
#include "model/real.h"

// Resistance coefficients of orifices, nozzles and venturis, referred to the velocity in the pipe.
// D is the pipe and d the bore or throat diameter (mm), β = d / D, m = β², Re the pipe Reynolds
// number.
namespace velmora::engine {

using model::Real;

// The permanent loss of a differential-pressure device of discharge coefficient C, referred to the
// pipe velocity: ζ = (√(1 − β⁴ (1 − C²)) / (C β²) − 1)².
Real dischargeCoefficientZeta(Real dischargeCoefficient, Real beta);

// Discharge coefficient C of an orifice plate with corner tappings (Reader-Harris/Gallagher
// equation of ISO 5167-2), with the small-pipe correction below D = 71.12 mm.
Real orificePlateDischargeCoefficient(Real reynolds, Real boreDiameter, Real pipeDiameter);
// Orifice plate with corner tappings: the permanent loss of its discharge coefficient.
Real orificePlateZeta(Real reynolds, Real boreDiameter, Real pipeDiameter);
// Thin sharp-edged orifice (Idelchik).
Real sharpOrificeZeta(Real boreDiameter, Real pipeDiameter);
// Orifice with a rounded inlet edge of radius R (mm).
Real roundedOrificeZeta(Real edgeRadius, Real boreDiameter, Real pipeDiameter);
// Thick orifice of length L (mm); Re₂ is the Reynolds number in the bore.
Real thickOrificeZeta(Real reynolds2, Real length, Real boreDiameter, Real pipeDiameter);
// ISA 1932 nozzle, discharge coefficient of ISO 5167-3.
Real isaNozzleZeta(Real reynolds, Real throatDiameter, Real pipeDiameter);
// Long-radius nozzle, discharge coefficient of ISO 5167-3.
Real longRadiusNozzleZeta(Real reynolds, Real throatDiameter, Real pipeDiameter);
// Classical venturi nozzle with a 15° (first variant) or 30° divergent, by area ratio m = 0.1 … 0.6.
Real venturiZeta(bool firstOption, Real throatDiameter, Real pipeDiameter, Notices* notices = nullptr);

}  // namespace velmora::engine
