#pragma once

#include "model/real.h"

// Free-surface flow in open channels by the Manning–Strickler formula v = kSt · R^(2/3) · I^(1/2):
// v mean velocity (m/s), kSt the Strickler coefficient (m^(1/3)/s), R = A / U the hydraulic radius
// (m), I the slope as a fraction. All lengths in m, areas in m², flows in m³/s.
namespace velmora::tools {

using model::Real;

enum class ChannelShape { Rectangle, Trapezoid, Semicircle, Triangle, AnyShape };

// How the slope is given.
enum class SlopeMode { Dimensions, Angle, Percent };

// I from the height difference over a length (|z1 − z2| / L), an angle in degrees (sin α) or a
// percentage (p / 100).
Real slopeFromDimensions(Real z1, Real z2, Real length);
Real slopeFromAngle(Real degrees);
Real slopeFromPercent(Real percent);

struct ChannelSection {
    Real area = 0;       // m²
    Real perimeter = 0;  // wetted perimeter U, m
};

// The wetted section of a shape from its entries:
//  rectangle B, H; trapezoid bottom width B, depth H, side angle α (degrees from the horizontal);
//  semicircle radius R; symmetric triangle depth H, side angle α; any shape U, A as given.
ChannelSection channelSection(ChannelShape shape, Real first, Real second, Real third);

// Mean velocity (m/s) and flow (m³/s) of a section.
Real manningVelocity(Real strickler, Real hydraulicRadius, Real slope);

// The hydraulically best section of a shape for a flow: the one of least wetted perimeter.
struct ChannelDesign {
    Real width = 0;   // B: bottom width (rectangle, trapezoid), m
    Real height = 0;  // H: water depth, m
    Real radius = 0;  // R (semicircle), m
    Real area = 0;    // m²
    Real velocity = 0;  // m/s
};

// Rectangle B = 2H; trapezoid of side angle α (degrees, 0 < α ≤ 90); semicircle; triangle with 45°
// sides. Q in m³/s, I as a fraction, kSt in m^(1/3)/s.
ChannelDesign designChannel(ChannelShape shape, Real flow, Real slope, Real strickler, Real sideAngle = 60);

// The wetted section of a designed channel (to put the design back into the formula).
ChannelSection designedSection(ChannelShape shape, const ChannelDesign& design, Real sideAngle = 60);

}  // namespace velmora::tools
