#include "engine/valve_zeta.h"

#include <array>
#include <string>

#include "engine/calc_error.h"
#include "engine/checked_math.h"
#include "engine/interpolation.h"

namespace velmora::engine {
namespace {

// Crane fT by nominal size in mm: 0.027 below DN 15, 0.012 from DN 450 on.
constexpr std::array<TablePoint, 15> kTurbulentFriction = {{{15, 0.027L},
                                                            {20, 0.025L},
                                                            {25, 0.023L},
                                                            {32, 0.022L},
                                                            {40, 0.021L},
                                                            {50, 0.019L},
                                                            {65.8L, 0.018L},
                                                            {100, 0.017L},
                                                            {125, 0.016L},
                                                            {150, 0.015L},
                                                            {200, 0.014L},
                                                            {250, 0.014L},
                                                            {300, 0.013L},
                                                            {400, 0.013L},
                                                            {450, 0.012L}}};

constexpr std::array<TablePoint, 6> kCock = {
    {{0, 0}, {10, 0.31L}, {20, 1.84L}, {30, 6.15L}, {40, 20.7L}, {50, 95.3L}}};

constexpr std::array<TablePoint, 8> kFlap = {
    {{0, 0}, {10, 0.52L}, {20, 1.54L}, {30, 3.91L}, {40, 10.8L}, {50, 32.6L}, {60, 118}, {70, 251}}};

}  // namespace

Real bellowsZeta(Real corrugations) {
    return 0.2L * corrugations;
}

Real lyreBendZeta(int variantChoice) {
    return variantChoice == 0 ? 0.7L : 1.4L;
}

Real lengthRatioTableZeta(Real length, Real diameter, Notices* notices) {
    const Real x = checkedDivide(length, diameter, "lengthRatioTableZeta");
    if (x < 0) {
        noteOutsideRange(notices, TableArgument::LengthRatio, x, 0);
        return 0.33L;
    }
    return x < 2.0L ? 0.33L - 0.06L * x : 0.21L;
}

Real twoKZeta(Real reynolds, Real diameter, TwoK constants) {
    constexpr const char* where = "twoKZeta";
    const Real inches = diameter / 25.4L;
    return checkedDivide(constants.k1, reynolds, where) +
           constants.kInfinity * (1.0L + checkedDivide(1.0L, inches, where));
}

Real sizeFrictionZeta(Real diameter, Real factor) {
    return factor *
           lookup({kTurbulentFriction, TableArgument::NominalDiameter, true, true}, diameter, nullptr);
}

Real gateOpeningZeta(Real openingHeight, Real diameter, Notices* notices) {
    constexpr const char* where = "gateOpeningZeta";
    Real x = checkedDivide(openingHeight, diameter, where);
    if (x <= 0) {
        // No opening: no flow can pass, the coefficient is unbounded.
        throw CalcError(std::string(where) + ": gate shut (opening height not above zero)");
    }
    if (x > 1.0L) {
        // The gate cannot open wider than the bore: an opening above the diameter is the open gate.
        noteOutsideRange(notices, TableArgument::GateOpeningRatio, x, 1);
        x = 1.0L;
    }
    // Share of the section the gate blocks: 1 when shut (x = 0), 0 when fully open (x = 1).
    const Real blocked = 0.6366197723675814L * (checkedAcos(x, where) - x * checkedSqrt(1.0L - x * x, where));
    const Real term = checkedDivide(1.0L, 1.0L - blocked, where) - 1.0L;
    return 0.78L + 3.5L * term * term;
}

Real cockAngleZeta(Real angle, Notices* notices) {
    return lookup({kCock, TableArgument::CockAngle, false, false}, angle, notices);
}

Real flapAngleZeta(Real angle, Notices* notices) {
    return lookup({kFlap, TableArgument::FlapAngle, false, false}, angle, notices);
}

}  // namespace velmora::engine
