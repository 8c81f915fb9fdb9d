#pragma once

#include "model/real.h"

// Boiling temperature and vapour pressure of a substance known only by its normal boiling point,
// from an Antoine equation log10(p/Torr) = A − B/(t + C) whose constants follow from Tb alone
// (C = 273.15 − 479·s², s = 0.0025014·Tb^0.8303, and the line passing through 760 Torr at Tb).
namespace velmora::media {

using model::Real;

// Boiling temperature in K at a pressure in bar abs., from the normal boiling point Tb in K.
Real boilingPointEstimate(Real pressureBar, Real normalBoilingPointK);

// Vapour pressure in bar at temperature T (K), from the normal boiling point Tb (K): the inverse of
// boilingPointEstimate.
Real vapourPressureEstimate(Real temperatureK, Real normalBoilingPointK);

}  // namespace velmora::media
