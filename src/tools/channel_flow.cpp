#include "tools/channel_flow.h"

#include <cmath>
#include <numbers>

namespace velmora::tools {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

Real radians(Real degrees) { return degrees * kPi / 180; }

}  // namespace

Real slopeFromDimensions(Real z1, Real z2, Real length) { return std::fabs(z1 - z2) / length; }
Real slopeFromAngle(Real degrees) { return std::sin(radians(degrees)); }
Real slopeFromPercent(Real percent) { return percent / 100; }

ChannelSection channelSection(ChannelShape shape, Real first, Real second, Real third) {
    switch (shape) {
        case ChannelShape::Rectangle:
            return {first * second, 2 * second + first};
        case ChannelShape::Trapezoid: {
            const Real top = first + 2 * second / std::tan(radians(third));
            return {(top + first) / 2 * second, first + 2 * second / std::sin(radians(third))};
        }
        case ChannelShape::Semicircle:
            return {kPi * first * first / 2, kPi * first};
        case ChannelShape::Triangle:
            return {first * first / std::tan(radians(second)), 2 * first / std::sin(radians(second))};
        case ChannelShape::AnyShape:
            return {second, first};
    }
    return {};
}

Real manningVelocity(Real strickler, Real hydraulicRadius, Real slope) {
    return strickler * std::pow(hydraulicRadius, 2.0L / 3) * std::sqrt(slope);
}

ChannelDesign designChannel(ChannelShape shape, Real flow, Real slope, Real strickler, Real sideAngle) {
    const Real c = strickler * std::sqrt(slope);
    ChannelDesign design;
    switch (shape) {
        case ChannelShape::Rectangle:
            // B = 2H gives R = H / 2 and Q = C · 2H² · (H/2)^(2/3).
            design.height = std::pow(std::pow(2.0L, 2.0L / 3) * flow / (2 * c), 3.0L / 8);
            design.width = 2 * design.height;
            design.area = 2 * design.height * design.height;
            break;
        case ChannelShape::Trapezoid: {
            // Least perimeter for a side slope m = cot α: A = K H², R = H / 2, K = 2√(m² + 1) − m.
            const Real m = 1 / std::tan(radians(sideAngle));
            const Real k = 2 * std::sqrt(m * m + 1) - m;
            design.area = std::pow(std::pow(2.0L, 2.0L / 3) * flow * std::cbrt(k) / c, 3.0L / 4);
            design.height = std::sqrt(design.area / k);
            design.width = design.area / design.height - design.height * m;
            break;
        }
        case ChannelShape::Semicircle:
            // R_h = R / 2 and A = π R² / 2.
            design.radius = std::pow(std::pow(2.0L, 5.0L / 3) * flow / (kPi * c), 3.0L / 8);
            design.area = kPi * design.radius * design.radius / 2;
            break;
        case ChannelShape::Triangle:
            // 45° sides: A = H², U = 2√2 H, R = H · cos 45° / 2.
            design.height = std::pow(
                flow / (std::pow(std::cos(radians(45)), 2.0L / 3) * std::pow(0.5L, 2.0L / 3) * c), 3.0L / 8);
            design.area = design.height * design.height;
            break;
        case ChannelShape::AnyShape:
            return design;
    }
    design.velocity = flow / design.area;
    return design;
}

ChannelSection designedSection(ChannelShape shape, const ChannelDesign& design, Real sideAngle) {
    switch (shape) {
        case ChannelShape::Rectangle:
            return channelSection(shape, design.width, design.height, 0);
        case ChannelShape::Trapezoid:
            return channelSection(shape, design.width, design.height, sideAngle);
        case ChannelShape::Semicircle:
            return channelSection(shape, design.radius, 0, 0);
        case ChannelShape::Triangle:
            return channelSection(shape, design.height, 45, 0);
        case ChannelShape::AnyShape:
            break;
    }
    return {};
}

}  // namespace velmora::tools
