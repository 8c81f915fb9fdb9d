#pragma once

#include "model/real.h"

// Densities of water and steam from the Gibbs free-energy equations of IAPWS-IF97: region 1
// (compressed liquid), region 2 (superheated steam) and region 5 (high-temperature steam).
// Temperatures in K, pressures in bar abs.; ρ = 1/v with v = R·T·π·γπ/p. The functions evaluate
// the equations as they stand; the caller keeps the state inside the region it asks for.
namespace velmora::media {

using model::Real;

// Region 1, 34 terms, p* = 16.53 MPa, T* = 1386 K. Result in kg/m³.
Real region1Density(Real temperatureK, Real pressureBar);

// Region 2, ideal part plus the 43-term residual part, p* = 1 MPa, T* = 540 K. Result in kg/m³.
Real region2Density(Real temperatureK, Real pressureBar);

// Region 5 with the five residual terms of the 1997 edition of IAPWS-IF97 (the 2007 revision
// replaced them by six new terms), p* = 1 MPa, T* = 1000 K. Result in kg/m³.
Real region5Density(Real temperatureK, Real pressureBar);

}  // namespace velmora::media
