#include "tools/economic_diameter.h"

#include <algorithm>
#include <numbers>

#include "model/number_text.h"

namespace velmora::tools {

namespace {

constexpr std::array<int, 20> kDiameters = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                            150, 200, 300, 400, 500, 600, 700, 800, 900, 1000};

constexpr EconomicDiameterTable table(const std::array<Real, 20>& flows) {
    EconomicDiameterTable points{};
    for (std::size_t i = 0; i < points.size(); ++i) points[i] = {flows[i], static_cast<Real>(kDiameters[i])};
    return points;
}

// Flows (m³/h) at the diameters above for economic velocities.
constexpr EconomicDiameterTable kLiquidThin = table({0.22L, 1.41L, 4.07L, 8.23L, 14.42L, 23, 34.08L, 47.77L,
                                                     63.9L, 81.71L, 216.3L, 429.77L, 1096.76L, 2094.56L,
                                                     3357.58L, 4967.23L, 6927.21L, 9047.79L, 11451.11L,
                                                     14137.17L});
constexpr EconomicDiameterTable kLiquidViscous =
    table({0.08L, 0.52L, 1.48L, 3.17L, 5.51L, 8.78L, 12.82L, 18.1L, 24.28L, 31.95L, 84.61L, 174.17L, 440.23L,
           827.87L, 1357.17L, 1995.04L, 2757.03L, 3619.11L, 4580.44L, 5654.87L});
constexpr EconomicDiameterTable kGasLong =
    table({0.71L, 4.64L, 13.56L, 28.5L, 51.6L, 81.43L, 121.23L, 168.29L, 229.02L, 300.56L, 821.93L, 1696.46L,
           4351.42L, 8278.72L, 13571.68L, 19950.37L, 27431.76L, 35829.24L, 45346.38L, 55983.18L});
constexpr EconomicDiameterTable kGasShort =
    table({1.98L, 12.72L, 37.64L, 78.22L, 135.5L, 210.7L, 316.71L, 439.54L, 588.59L, 766.23L, 2003.94L, 4071.5L,
           10331.44L, 20077.04L, 32727.54L, 48349.11L, 66639.78L, 88215.92L, 111648.28L, 137837.38L});

constexpr std::array<int, 23> kMetricSizes = {10,  15,  20,  25,  32,  40,  50,  65,  80,  100, 125, 150,
                                              200, 250, 300, 350, 400, 500, 600, 700, 800, 900, 1000};
constexpr std::array<int, 23> kUsSizes = {125,  250,  375,  500,  750,   1000,  1250,  1500,
                                          2000, 2500, 3000, 3500, 4000,  5000,  6000,  8000,
                                          10000, 12000, 14000, 16000, 18000, 20000, 24000};

}  // namespace

const EconomicDiameterTable& economicTable(EconomicMedium medium, int which) {
    if (medium == EconomicMedium::Liquid) return which == 0 ? kLiquidThin : kLiquidViscous;
    return which == 0 ? kGasLong : kGasShort;
}

long long economicDiameter(const EconomicDiameterTable& table, Real flow) {
    if (flow < table.front().flow) return 1;
    if (flow > table.back().flow) return 2000;
    // The segment whose lower end is at or below Q; the last point gives its own diameter.
    std::size_t i = 0;
    while (i + 2 < table.size() && table[i + 1].flow <= flow) ++i;
    const FlowDiameterPoint& a = table[i];
    const FlowDiameterPoint& b = table[i + 1];
    const Real d = a.diameter + (flow - a.flow) * (b.diameter - a.diameter) / (b.flow - a.flow);
    return model::roundHalfAway(d);
}

std::span<const int> metricNominalSizes() { return kMetricSizes; }
std::span<const int> usNominalSizes() { return kUsSizes; }

std::vector<int> sizesAround(std::span<const int> sizes, long long size) {
    if (std::find(sizes.begin(), sizes.end(), size) != sizes.end()) return {static_cast<int>(size)};
    std::vector<int> around;
    const auto higher = std::upper_bound(sizes.begin(), sizes.end(), size);
    if (higher != sizes.begin()) around.push_back(*(higher - 1));
    if (higher != sizes.end()) around.push_back(*higher);
    return around;
}

Real pipeVelocity(Real flow, Real diameter) {
    return flow * 4 * 10000 / (36 * std::numbers::pi_v<Real> * diameter * diameter);
}

}  // namespace velmora::tools
