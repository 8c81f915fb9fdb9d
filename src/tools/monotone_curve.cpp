#include "tools/monotone_curve.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora::tools {

MonotoneCurve::MonotoneCurve(std::vector<Real> x, std::vector<Real> y) : x_(std::move(x)), y_(std::move(y)) {
    const std::size_t n = x_.size();
    if (n < 2 || y_.size() != n) throw std::invalid_argument("a monotone curve needs two points or more");
    for (std::size_t k = 0; k + 1 < n; ++k)
        if (!(x_[k + 1] > x_[k]))
            throw std::invalid_argument("the x values of a monotone curve must increase");

    // Secant slopes, then three-point tangents (one-sided at the ends).
    std::vector<Real> d(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) d[k] = (y_[k + 1] - y_[k]) / (x_[k + 1] - x_[k]);
    m_.assign(n, 0);
    m_[0] = d[0];
    m_[n - 1] = d[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k)
        m_[k] = d[k - 1] * d[k] <= 0 ? 0 : (d[k - 1] + d[k]) / 2;  // a local extremum stays flat

    // On each interval the tangents, in units of its secant, must lie in the circle of radius 3:
    // inside it the Hermite cubic is monotone.
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (d[k] == 0) {
            m_[k] = 0;
            m_[k + 1] = 0;
            continue;
        }
        const Real alpha = m_[k] / d[k];
        const Real beta = m_[k + 1] / d[k];
        if (alpha < 0) m_[k] = 0;
        if (beta < 0) m_[k + 1] = 0;
        const Real radius = std::hypot(alpha, beta);
        if (radius > 3) {
            const Real tau = 3 / radius;
            m_[k] = tau * alpha * d[k];
            m_[k + 1] = tau * beta * d[k];
        }
    }
}

Real MonotoneCurve::operator()(Real x) const {
    if (x <= x_.front()) return y_.front();
    if (x >= x_.back()) return y_.back();
    const auto upper = std::upper_bound(x_.begin(), x_.end(), x);
    const std::size_t k = static_cast<std::size_t>(upper - x_.begin()) - 1;
    const Real h = x_[k + 1] - x_[k];
    const Real t = (x - x_[k]) / h;
    const Real t2 = t * t;
    const Real t3 = t2 * t;
    const Real h00 = 2 * t3 - 3 * t2 + 1;
    const Real h10 = t3 - 2 * t2 + t;
    const Real h01 = -2 * t3 + 3 * t2;
    const Real h11 = t3 - t2;
    return h00 * y_[k] + h10 * h * m_[k] + h01 * y_[k + 1] + h11 * h * m_[k + 1];
}

}  // namespace velmora::tools
