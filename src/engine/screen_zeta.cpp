#include "engine/screen_zeta.h"

#include <array>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/interpolation.h"

namespace velmora::engine {
namespace {

// Laminar correction k of wire screens for 50 ≤ Re < 1000; 1.0 from Re = 600 on.
constexpr std::array<TablePoint, 5> kScreenLaminar = {
    {{50, 1.4L}, {100, 1.2L}, {200, 1.08L}, {300, 1.05L}, {600, 1.0L}}};

// Y-strainer by nominal diameter in mm; 3.07 below 17.3 mm, 3.5 from 392.2 mm on.
constexpr std::array<TablePoint, 16> kStrainer = {{{17.3L, 3.07L},
                                                   {22.3L, 3.25L},
                                                   {28.5L, 2.14L},
                                                   {37.2L, 2.58L},
                                                   {43.1L, 2.83L},
                                                   {54.5L, 3.11L},
                                                   {70.3L, 3.51L},
                                                   {82.5L, 4.02L},
                                                   {107.1L, 3.92L},
                                                   {131.7L, 3.49L},
                                                   {159.3L, 3.26L},
                                                   {207.3L, 5.5L},
                                                   {260.4L, 3.8L},
                                                   {309.7L, 4.2L},
                                                   {341.4L, 4.2L},
                                                   {392.2L, 3.5L}}};

// Inlet term of the thick-plate and laminar-plate correlations, by free area and log₁₀ Re.
Real inletTerm(Real freeArea, Real logReynolds, const char* where) {
    return 0.39L * checkedExp(-18.34L * checkedPow(freeArea, 3.5L, where), where) *
           checkedExp(-1.078L * (logReynolds - 3.0L), where);
}

}  // namespace

Real perforatedPlateZeta(Real freeArea) {
    constexpr const char* where = "perforatedPlateZeta";
    const Real open = 1.0L - freeArea;
    const Real c = 0.707L * checkedPow(open, 0.375L, where) + open;
    return checkedDivide(c * c, freeArea * freeArea, where);
}

Real laminarPerforatedPlateZeta(Real reynolds, Real freeArea) {
    constexpr const char* where = "laminarPerforatedPlateZeta";
    const Real f2 = freeArea * freeArea;
    if (reynolds < 10.0L) return checkedDivide(33.0L, reynolds * f2, where);
    const Real l = checkedLog10(reynolds, where);
    const Real epsilon =
        0.461465L +
        l * (-0.2648592L + l * (0.2030479L + l * (-0.06602521L + l * (0.01325519L - 0.001058041L * l))));
    const Real turbulent = perforatedPlateZeta(freeArea);
    if (reynolds < 30.0L) return epsilon * turbulent + checkedDivide(33.0L, reynolds * f2, where);
    return checkedDivide(inletTerm(freeArea, l, where), f2, where) + epsilon * turbulent;
}

Real thickPerforatedPlateZeta(Real reynolds, Real freeArea, Real thickness, Real holeDiameter) {
    constexpr const char* where = "thickPerforatedPlateZeta";
    const Real l = checkedLog10(reynolds, where);
    const Real thicknessRatio = checkedDivide(thickness, holeDiameter, where);  // a / d
    const Real g = std::tanh(2.264L * (thicknessRatio - 0.657L));
    const Real open = 1.0L - freeArea;
    const Real shape =
        open * (checkedSqrt(0.5L, where) * (1.0L - g) * checkedSqrt(open, where) + 0.5L) + open * open;
    const Real transition = 0.74L + 0.26L * std::tanh(1.04L * (l - 4.0L));
    return requireFinite(checkedDivide(1.0L, freeArea * freeArea, where) *
                             (inletTerm(freeArea, l, where) + shape * transition + 0.02L * thicknessRatio),
                         where);
}

Real screenZeta(Real freeArea) {
    const Real r = checkedDivide(1.0L, freeArea, "screenZeta") - 1.0L;
    return r * r + 1.3L * (1.0L - freeArea);
}

Real laminarScreenZeta(Real reynolds, Real freeArea) {
    const Real turbulent = screenZeta(freeArea);
    if (reynolds < 50.0L) return turbulent + checkedDivide(22.0L, reynolds, "laminarScreenZeta");
    if (reynolds < 1000.0L)
        return turbulent * lookup({kScreenLaminar, TableArgument::None, true, true}, reynolds, nullptr);
    return turbulent;
}

Real grilleZeta(Real freeArea) {
    return checkedDivide(1.28L * (1.0L - freeArea), freeArea * freeArea, "grilleZeta");
}

Real diameterTableZeta(Real diameter) {
    return lookup({kStrainer, TableArgument::NominalDiameter, true, true}, diameter, nullptr);
}

}  // namespace velmora::engine
