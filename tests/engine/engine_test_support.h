#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/calc_error.h"
#include "model/real.h"

namespace velmora::engine::testing {

using model::Real;

// Absolute tolerance for a relative accuracy `relative` around `expected`.
inline Real within(Real expected, Real relative) {
    return std::fabs(expected) * relative + 1e-15L;
}

// Runs `body` and expects a CalcError whose text contains `fragment`.
template <typename Body>
void expectCalcError(Body body, const std::string& fragment) {
    try {
        body();
        ADD_FAILURE() << "expected a CalcError containing \"" << fragment << "\"";
    } catch (const CalcError& error) {
        EXPECT_NE(std::string(error.what()).find(fragment), std::string::npos)
            << "message: " << error.what() << "\nexpected to contain: " << fragment;
    }
}

// Root of the Colebrook equation 1/√λ + 0.868588 ln(2.51 / (Re √λ) + 0.269 k/d) = 0 by bisection:
// a second route to the secant iteration of the program, with the same literal constants.
inline Real colebrookByBisection(Real reynolds, Real relativeRoughness) {
    auto residual = [&](Real lambda) {
        return 1.0L / std::sqrt(lambda) +
               0.868588L * std::log(2.51L / (reynolds * std::sqrt(lambda)) + 0.269L * relativeRoughness);
    };
    Real low = 1e-4L;  // residual > 0
    Real high = 1.0L;  // residual < 0
    for (int i = 0; i < 200; ++i) {
        const Real mid = (low + high) / 2.0L;
        (residual(mid) > 0 ? low : high) = mid;
    }
    return (low + high) / 2.0L;
}

}  // namespace velmora::engine::testing
