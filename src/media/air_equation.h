#pragma once

#include <array>
#include <optional>

#include "model/real.h"

// Dry air as a pseudo-pure fluid after the reference equation of state of Lemmon, Jacobsen,
// Penoncello and Friend, "Thermodynamic Properties of Air and Mixtures of Nitrogen, Argon, and
// Oxygen from 60 to 2000 K at Pressures to 2000 MPa", J. Phys. Chem. Ref. Data 29 (2000) 331.
namespace velmora::media {

using model::Real;

inline constexpr Real airMaxcondenthermTemperature = 132.6312L;  // K, reducing temperature Tj
inline constexpr Real airReducingDensity = 10.4477L;             // mol/dm³, ρj
inline constexpr Real airReducingPressure = 3.78502L;            // MPa, pj
inline constexpr Real airMolarMass = 28.9586L;                   // g/mol
inline constexpr Real airGasConstant = 8.31451L;                 // J/(mol·K)
inline constexpr Real airCriticalTemperature = 132.5306L;        // K (compressed-liquid correction only)
inline constexpr Real airCriticalPressure = 37.86L;              // bar (compressed-liquid correction only)
inline constexpr Real airTriplePointTemperature = 59.75L;        // K
inline constexpr Real airTriplePointPressure = 0.005265L;        // MPa

// The density-dependent part of the 19-term residual Helmholtz energy at one temperature.
// The temperature powers τ^t are worked out once here, so an iteration in density pays only for
// the δ terms.
class AirResidualHelmholtz {
public:
    explicit AirResidualHelmholtz(Real temperatureK);

    // δ·∂αr/∂δ at the reduced density δ = ρ/ρj, i.e. the compressibility factor minus one.
    Real deltaTimesDerivative(Real delta) const;

    // f(δ) = 1 + δ·∂αr/∂δ − p/(ρ·R·T) for a pressure in bar: zero at the density of the state.
    Real pressureResidual(Real delta, Real pressureBar) const;

    Real temperature() const { return temperature_; }  // K

private:
    static constexpr int termCount = 19;
    Real temperature_;                      // K
    std::array<Real, termCount> tauTerm_;   // n_i·τ^t_i
};

// f(δ) = 1 + δ·∂αr/∂δ − p/(ρ·R·T) at temperature (K) and pressure (bar abs.).
Real airHelmholtzEquation(Real delta, Real temperatureK, Real pressureBar);

// Solves f(δ) = 0 from the starting density (kg/m³) by the difference-Newton iteration (h = 1e-8,
// change below 1e-8, at most 100 steps). Returns the density in kg/m³, or nothing when the
// iteration fails, does not settle, or ends at a density that is not positive.
std::optional<Real> airDensityFrom(Real startDensity, Real temperatureK, Real pressureBar);

// Gas density (kg/m³) starting from the ideal-gas value p·10⁵/(287·T).
std::optional<Real> airGasDensity(Real temperatureK, Real pressureBar);

// Liquid density (kg/m³) starting from a liquid-like density (kg/m³).
std::optional<Real> airLiquidDensity(Real startDensity, Real temperatureK, Real pressureBar);

}  // namespace velmora::media
