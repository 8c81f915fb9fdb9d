#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>

#include "model/real.h"

namespace velmora::media::testing {

// |actual − expected| ≤ tolerance·|expected|, with both numbers in the failure message.
inline ::testing::AssertionResult relativelyNear(const char* actualText, const char* expectedText,
                                                 const char* /*toleranceText*/, model::Real actual,
                                                 model::Real expected, model::Real tolerance) {
    const model::Real deviation = std::fabs(actual - expected) / std::fabs(expected);
    if (deviation <= tolerance) return ::testing::AssertionSuccess();
    std::ostringstream text;
    text << std::setprecision(15) << actualText << " = " << actual << " vs " << expectedText << " = "
         << expected << ": relative deviation " << std::setprecision(3) << deviation << " above "
         << tolerance;
    return ::testing::AssertionFailure() << text.str();
}

}  // namespace velmora::media::testing

#define EXPECT_RELATIVE(actual, expected, tolerance) \
    EXPECT_PRED_FORMAT3(::velmora::media::testing::relativelyNear, actual, expected, tolerance)
