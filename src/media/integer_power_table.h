#pragma once

#include <array>

#include "model/real.h"

namespace velmora::media {

// base^e for every whole exponent e in [Min, Max], built by repeated multiplication. The
// polynomial equations of water and steam raise a few bases to many whole powers; one table per
// evaluation replaces dozens of pow() calls and keeps the full extended precision.
// A negative Min needs a base other than zero.
template <int Min, int Max>
class IntegerPowerTable {
    static_assert(Min <= 0 && Max >= 0);

  public:
    explicit IntegerPowerTable(model::Real base) {
        values_[-Min] = 1;
        for (int e = 1; e <= Max; ++e) values_[e - Min] = values_[e - 1 - Min] * base;
        if constexpr (Min < 0) {
            const model::Real inverse = 1 / base;
            for (int e = -1; e >= Min; --e) values_[e - Min] = values_[e + 1 - Min] * inverse;
        }
    }

    model::Real operator()(int exponent) const { return values_[exponent - Min]; }

  private:
    std::array<model::Real, Max - Min + 1> values_;  // every entry written by the constructor
};

}  // namespace velmora::media
