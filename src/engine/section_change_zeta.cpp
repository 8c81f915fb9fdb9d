#include "engine/section_change_zeta.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "engine/checked_math.h"
#include "engine/interpolation.h"
#include "model/number_text.h"

namespace velmora::engine {
namespace {

Real square(Real x) {
    return x * x;
}

// Laminar sudden contraction: ζ referred to the outlet velocity, by the row n = round(10 (D2/D1)²)
// limited to 1 … 6 and the outlet Reynolds number. The points run from Re₂ = 10 to 10000; the last
// entry is the value from Re₂ = 10000 on.
constexpr std::array<Real, 13> kContractionReynolds = {10,  20,   30,   40,   50,   100,  200,
                                                       500, 1000, 2000, 4000, 5000, 10000};
constexpr std::array<std::array<Real, 14>, 6> kContractionRows = {{
    {5.0L, 3.2L, 2.4L, 2.0L, 1.8L, 1.3L, 1.04L, 0.82L, 0.64L, 0.5L, 0.8L, 0.75L, 0.5L, 0.45L},
    {5.0L, 3.1L, 2.3L, 1.84L, 1.62L, 1.2L, 0.95L, 0.7L, 0.5L, 0.4L, 0.6L, 0.6L, 0.4L, 0.4L},
    {5.0L, 2.95L, 2.15L, 1.7L, 1.5L, 1.1L, 0.85L, 0.6L, 0.44L, 0.3L, 0.55L, 0.55L, 0.35L, 0.35L},
    {5.0L, 2.8L, 2.0L, 1.6L, 1.4L, 1.0L, 0.78L, 0.5L, 0.35L, 0.25L, 0.45L, 0.5L, 0.3L, 0.3L},
    {5.0L, 2.7L, 1.8L, 1.46L, 1.3L, 0.9L, 0.65L, 0.42L, 0.3L, 0.2L, 0.4L, 0.42L, 0.25L, 0.25L},
    {5.0L, 2.6L, 1.7L, 1.35L, 1.2L, 0.8L, 0.56L, 0.35L, 0.24L, 0.15L, 0.35L, 0.35L, 0.2L, 0.2L},
}};

}  // namespace

Real inletZeta(int subgroup, int variantChoice, Real angle) {
    const bool first = variantChoice == 0;
    switch (subgroup) {
        case 1:
            return first ? 0.5L : 0.25L;
        case 2:
            return 0.05L;
        case 3: {
            const Real c = cosDegrees(angle);
            return 0.5L + 0.3L * c + 0.2L * c * c;
        }
        case 4:
            return first ? 3.0L : 1.0L;
        default:
            return 0;
    }
}

Real expansionZeta(Real d1, Real d2) {
    return square(square(checkedDivide(d1, d2, "expansionZeta")) - 1.0L);
}

Real laminarExpansionZeta(Real d2, Real d1, Real reynolds) {
    constexpr const char* where = "laminarExpansionZeta";
    if (reynolds < 10.0L) return checkedDivide(30.0L, reynolds, where);
    const Real d = 1.0L - square(checkedDivide(d1, d2, where));
    const Real d2p = d * d;
    const Real d4p = d2p * d2p;
    const Real l = checkedLog10(reynolds, where);
    if (reynolds < 500.0L) {
        return 3.62536L + 10.744L * d2p - 4.41041L * d4p + (33.40344L * d4p - 18.13L - 56.77855L * d2p) / l +
               (30.8558L + 99.9542L * d2p - 62.78L * d4p) / (l * l) +
               (33.8053L * d4p - 13.217L - 53.9555L * d2p) / (l * l * l);
    }
    return -8.44556L - 26.163L * d2p - 5.38086L * d4p + l * (3.9978L * d4p + 6.007L + 18.5372L * d2p) +
           l * l * (-1.02318L - 3.0916L * d2p - 0.680943L * d4p);
}

Real diffuserZeta(Real lambda, Real angle, Real d2, Real d1) {
    constexpr const char* where = "diffuserZeta";
    const Real n = square(checkedDivide(d1, d2, where));
    const Real x = 2.0L * angle * 1.41L / 100.0L;
    const Real length = checkedDivide((d2 - d1) / 2.0L, tanDegrees(angle), where);  // mm, cone length
    const Real friction = checkedDivide(length * lambda / d1 / 4.0L * (1.0L - n * n),
                                        1.0L / checkedSqrt(n, where) - 1.0L, where);
    const Real twoDelta = 2.0L * angle / 100.0L;
    const Real expansion =
        std::tanh(x) + 522.0L * checkedExp(-8.0L * twoDelta, where) * checkedPow(twoDelta, 4.365L, where);
    return requireFinite(friction + expansion * square(1.0L - n), where);
}

Real laminarDiffuserZeta(Real reynolds, Real angle, Real d2, Real d1) {
    constexpr const char* where = "laminarDiffuserZeta";
    const Real areaRatio = square(checkedDivide(d2, d1, where));
    return checkedDivide(20.0L * checkedPow(areaRatio, 0.33L, where),
                         checkedPow(tanDegrees(angle), 0.75L, where) * reynolds, where);
}

Real contractionZeta(Real d2, Real d1) {
    constexpr const char* where = "contractionZeta";
    const Real areaRatio = square(checkedDivide(d2, d1, where));
    return 0.5L * checkedPow(1.0L - areaRatio, 0.75L, where) * square(square(checkedDivide(d1, d2, where)));
}

Real laminarContractionZeta(Real d2, Real d1, Real reynolds2) {
    const Real areaRatio = square(checkedDivide(d2, d1, "laminarContractionZeta"));
    const long long row = std::clamp(model::roundHalfAway(10.0L * areaRatio), 1LL, 6LL);
    const auto& values = kContractionRows[static_cast<std::size_t>(row - 1)];
    requireFinite(reynolds2, "laminarContractionZeta");
    if (reynolds2 < kContractionReynolds.front()) return 5.0L;
    if (reynolds2 >= kContractionReynolds.back()) return values.back();
    for (std::size_t i = 0; i + 1 < kContractionReynolds.size(); ++i) {
        if (reynolds2 < kContractionReynolds[i + 1]) {
            return interpolateLinear(values[i + 1], values[i], kContractionReynolds[i + 1],
                                     kContractionReynolds[i], reynolds2);
        }
    }
    return values.back();
}

Real confuserZeta(Real lambda, Real angle, Real d2, Real d1) {
    constexpr const char* where = "confuserZeta";
    const Real n = square(checkedDivide(d2, d1, where));
    const Real l = angle * 0.01745L * 2.0L;  // total cone angle in radians
    const Real p =
        -0.0125L * n * n * n * n + 0.0224L * n * n * n - 0.00723L * n * n + 0.00444L * n - 0.00745L;
    const Real friction = checkedDivide(lambda * (1.0L - n * n) / 8.0L, sinDegrees(angle), where);
    const Real local = p * (l * l * l - 2.0L * std::numbers::pi_v<Real> * l * l - 10.0L * l);
    return requireFinite((friction + local) * square(square(checkedDivide(d1, d2, where))), where);
}

Real laminarConfuserZeta(Real reynolds2, Real angle, Real d2, Real d1) {
    constexpr const char* where = "laminarConfuserZeta";
    const Real areaRatio = square(checkedDivide(d2, d1, where));
    return checkedDivide(
        20.5L, checkedSqrt(areaRatio, where) * checkedPow(tanDegrees(angle), 0.75L, where) * reynolds2,
        where);
}

}  // namespace velmora::engine
