#include "engine/orifice_zeta.h"

#include <array>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/interpolation.h"

namespace velmora::engine {
namespace {

Real beta(Real boreDiameter, Real pipeDiameter, const char* where) {
    return checkedDivide(boreDiameter, pipeDiameter, where);
}

constexpr std::array<TablePoint, 6> kVenturi15 = {
    {{0.1L, 13}, {0.2L, 3}, {0.3L, 1}, {0.4L, 0.5L}, {0.5L, 0.27L}, {0.6L, 0.15L}}};
constexpr std::array<TablePoint, 6> kVenturi30 = {
    {{0.1L, 22}, {0.2L, 5}, {0.3L, 1.8L}, {0.4L, 0.8L}, {0.5L, 0.4L}, {0.6L, 0.2L}}};

}  // namespace

Real dischargeCoefficientZeta(Real dischargeCoefficient, Real beta) {
    constexpr const char* where = "discharge coefficient";
    const Real c = dischargeCoefficient;
    const Real b2 = beta * beta;
    const Real term =
        checkedDivide(checkedSqrt(1.0L - b2 * b2 * (1.0L - c * c), where), c * b2, where) - 1.0L;
    return term * term;
}

Real orificePlateDischargeCoefficient(Real reynolds, Real boreDiameter, Real pipeDiameter) {
    constexpr const char* where = "orificePlateZeta";
    const Real b = beta(boreDiameter, pipeDiameter, where);
    const Real b2 = b * b;
    const Real b4 = b2 * b2;
    const Real a = checkedPow(checkedDivide(19000.0L * b, reynolds, where), 0.8L, where);
    // Corner tappings sit at the plate's faces, L1 = L'2 = 0: the upstream-tapping term
    // (0.043 + 0.080 e^(-10 L1) - 0.123 e^(-7 L1)) (1 - 0.11 A) β⁴ / (1 - β⁴) is then exactly zero,
    // and so is the downstream term with M'2 = 2 L'2 / (1 - β).
    Real c = 0.5961L + 0.0261L * b2 - 0.216L * b4 * b4 +
             0.000521L * checkedPow(checkedDivide(1e6L * b, reynolds, where), 0.7L, where) +
             (0.0188L + 0.0063L * a) * checkedPow(b, 3.5L, where) *
                 checkedPow(checkedDivide(1e6L, reynolds, where), 0.3L, where);
    if (pipeDiameter < 71.12L) c += 0.011L * (0.75L - b) * (2.8L - pipeDiameter / 25.4L);
    return c;
}

Real orificePlateZeta(Real reynolds, Real boreDiameter, Real pipeDiameter) {
    const Real c = orificePlateDischargeCoefficient(reynolds, boreDiameter, pipeDiameter);
    return dischargeCoefficientZeta(c, beta(boreDiameter, pipeDiameter, "orificePlateZeta"));
}

Real sharpOrificeZeta(Real boreDiameter, Real pipeDiameter) {
    constexpr const char* where = "sharpOrificeZeta";
    const Real m = std::pow(beta(boreDiameter, pipeDiameter, where), 2.0L);
    const Real c = (1.0L - m) + 0.707L * checkedPow(1.0L - m, 0.375L, where);
    return checkedDivide(c * c, m * m, where);
}

Real roundedOrificeZeta(Real edgeRadius, Real boreDiameter, Real pipeDiameter) {
    constexpr const char* where = "roundedOrificeZeta";
    const Real m = std::pow(beta(boreDiameter, pipeDiameter, where), 2.0L);
    const Real t = std::tanh(13.9L * checkedDivide(edgeRadius, boreDiameter, where));
    const Real c = (1.0L - m) + checkedSqrt((0.5L - 0.47L * t) * (1.0L - m), where);
    return checkedDivide(c * c, m * m, where);
}

Real thickOrificeZeta(Real reynolds2, Real length, Real boreDiameter, Real pipeDiameter) {
    constexpr const char* where = "thickOrificeZeta";
    const Real m = std::pow(beta(boreDiameter, pipeDiameter, where), 2.0L);
    const Real lengthRatio = checkedDivide(length, boreDiameter, where);  // L / d
    const Real f = std::tanh(2.264L * (lengthRatio - 0.657L));
    const Real bore = reynolds2 <= 2300.0L ? checkedDivide(64.0L, reynolds2, where)
                                           : checkedDivide(0.22L, checkedPow(reynolds2, 0.2L, where), where);
    const Real lg = checkedLog10(reynolds2 * boreDiameter / pipeDiameter, where);
    const Real inlet = 0.39L * checkedExp(-18.34L * checkedPow(m, 3.5L, where), where) *
                       checkedExp(-1.078L * (lg - 3.0L), where);
    const Real shape =
        (1.0L - m) * (checkedSqrt(0.5L, where) * (1.0L - f) * checkedSqrt(1.0L - m, where) + 0.5L) +
        (1.0L - m) * (1.0L - m);
    const Real transition = 0.74L + 0.26L * std::tanh(1.04L * (lg - 4.0L));
    return requireFinite(
        checkedDivide(1.0L, m * m, where) * (inlet + shape * transition + lengthRatio * bore), where);
}

Real isaNozzleZeta(Real reynolds, Real throatDiameter, Real pipeDiameter) {
    constexpr const char* where = "isaNozzleZeta";
    const Real b = beta(throatDiameter, pipeDiameter, where);
    const Real c = 0.99L - 0.2262L * checkedPow(b, 4.1L, where) -
                   (0.00175L * b * b - 0.0033L * checkedPow(b, 4.15L, where)) *
                       checkedPow(checkedDivide(1e6L, reynolds, where), 1.15L, where);
    return dischargeCoefficientZeta(c, b);
}

Real longRadiusNozzleZeta(Real reynolds, Real throatDiameter, Real pipeDiameter) {
    constexpr const char* where = "longRadiusNozzleZeta";
    const Real b = beta(throatDiameter, pipeDiameter, where);
    const Real c =
        0.9965L - 0.00653L * checkedSqrt(b, where) * checkedSqrt(checkedDivide(1e6L, reynolds, where), where);
    return dischargeCoefficientZeta(c, b);
}

Real venturiZeta(bool firstOption, Real throatDiameter, Real pipeDiameter, Notices* notices) {
    const Real m = std::pow(beta(throatDiameter, pipeDiameter, "venturiZeta"), 2.0L);
    const PointTable table{
        firstOption ? std::span<const TablePoint>(kVenturi15) : std::span<const TablePoint>(kVenturi30),
        TableArgument::VenturiAreaRatio, false, false};
    return lookup(table, m, notices);
}

}  // namespace velmora::engine
