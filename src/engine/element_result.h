#pragma once

#include "engine/notice.h"
#include "model/real.h"

namespace velmora::engine {

using model::Real;

enum class FlowRegime { Laminar, Turbulent };

// The derived values of one element calculation, for the results table. A value a kind does not
// use stays 0.
struct ElementResult {
    Real velocity = 0;              // m/s, mean velocity in the first (inlet) section
    Real velocity2 = 0;             // m/s, outlet, branch, bore or free-area velocity where the kind has one
    Real hydraulicDiameter = 0;     // mm, non-circular sections only
    Real reynolds = 0;              // of the first section
    Real reynolds2 = 0;             // of the second section, where the kind has one
    Real frictionFactor = 0;        // Darcy λ where the kind uses one
    Real zeta = 0;                  // resistance coefficient, referred to the velocity of the loss formula
    Real zetaBranch = 0;            // branch coefficient of the tees 5/5 and 5/6
    Real pressureLoss = 0;          // bar, of all elements of the column
    Real branchPressureLoss = 0;    // mbar, tee branch, one element, never gas-corrected
    bool gasLimitExceeded = false;  // gas loss above half the inlet pressure: no column
    FlowRegime regime = FlowRegime::Laminar;  // the engine that ran
    Notices notices;                          // in the order they are to be shown; empty in system-curve mode
};

}  // namespace velmora::engine
