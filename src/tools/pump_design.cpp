#include "tools/pump_design.h"

#include <numbers>

#include "engine/bend_zeta.h"
#include "engine/checked_math.h"
#include "engine/friction_factor.h"
#include "engine/valve_zeta.h"
#include "tools/economic_diameter.h"

namespace velmora::tools {

namespace {

constexpr Real kGravity = 9.81L;  // m/s²

// Hooper's two-K constants of a globe valve, a lift check valve and a swing check valve.
constexpr engine::TwoK kValve{1500, 4};
constexpr engine::TwoK kCheckValve{2000, 10};
constexpr engine::TwoK kCheckFlap{1500, 1.5L};
constexpr Real kCockZeta = 0.1L;  // fully open plug cock and gate valve
constexpr Real kBendCurvature = 1.5L;         // R / d of a turbulent standard bend
constexpr Real kLaminarBendCurvature = 1.0L;  // R / d taken for a laminar bend

PumpSideResult computeSide(const PumpDesignInput& in, const PumpSideInput& side, bool bendLaminar) {
    PumpSideResult out;
    out.tankPressure = side.tankPressure;
    out.velocity = pipeVelocity(in.flow, side.diameter);
    out.reynolds = pipeReynolds(in.flow, in.density, in.viscosity, side.diameter);
    out.laminar = out.reynolds < kLaminarLimit;
    out.frictionFactor = out.laminar ? engine::laminarCircularFactor(out.reynolds)
                                     : engine::colebrookFrictionFactor(side.diameter, out.reynolds, in.roughness);
    out.friction = engine::straightPipeLoss(side.diameter, out.velocity, in.density, side.length, out.frictionFactor);
    out.geodetic = in.density * kGravity * side.height / 100000;
    for (int f = 0; f < kPumpFittingCount; ++f) {
        const int count = side.counts[static_cast<std::size_t>(f)];
        if (count == 0) continue;
        const Real zeta = pumpFittingZeta(static_cast<PumpFitting>(f), out.reynolds, side.diameter,
                                          out.frictionFactor, in.roughness, bendLaminar);
        out.fittings[static_cast<std::size_t>(f)] = engine::fittingLoss(out.velocity, in.density, zeta) * count;
    }
    for (int e = 0; e < kPumpFurtherCount; ++e) {
        const PumpFurtherElement& element = side.further[static_cast<std::size_t>(e)];
        Real& loss = out.further[static_cast<std::size_t>(e)];
        if (element.count == 0) continue;
        if (element.loss)
            loss = *element.loss * element.count;
        else if (element.zeta)
            loss = engine::fittingLoss(out.velocity, in.density, *element.zeta) * element.count;
    }
    return out;
}

}  // namespace

Real PumpSideResult::losses() const {
    Real sum = friction;
    for (Real loss : fittings) sum += loss;
    for (Real loss : further) sum += loss;
    return sum;
}

Real pipeReynolds(Real flow, Real density, Real viscosity, Real diameter) {
    // η in 10⁻⁶ kg/(m·s), d in mm: Re = v ρ d / η = v ρ (d / 1000) / (η · 10⁻⁶).
    return engine::checkedDivide(pipeVelocity(flow, diameter) * density * diameter * 1000, viscosity,
                                 "pipeReynolds");
}

Real pumpFittingZeta(PumpFitting fitting, Real reynolds, Real diameter, Real frictionFactor, Real roughness,
                     bool bendLaminar) {
    switch (fitting) {
        case PumpFitting::Bend:
            return bendLaminar ? engine::laminarBendZeta(reynolds, 90, kLaminarBendCurvature * diameter, diameter)
                               : engine::bendZeta(frictionFactor, roughness, 90, kBendCurvature * diameter, diameter,
                                                  reynolds);
        case PumpFitting::Cock:
        case PumpFitting::GateValve:
            return kCockZeta;
        case PumpFitting::Valve:
            return engine::twoKZeta(reynolds, diameter, kValve);
        case PumpFitting::CheckValve:
            return engine::twoKZeta(reynolds, diameter, kCheckValve);
        case PumpFitting::CheckFlap:
            return engine::twoKZeta(reynolds, diameter, kCheckFlap);
    }
    return 0;
}

PumpDesignResult computePumpDesign(const PumpDesignInput& input) {
    PumpDesignResult r;
    r.vapourPressure = input.vapourPressure;
    // The suction side's regime chooses the bend correlation of both sides.
    r.laminar = pipeReynolds(input.flow, input.density, input.viscosity, input.suction.diameter) < kLaminarLimit;
    r.suction = computeSide(input, input.suction, r.laminar);
    r.discharge = computeSide(input, input.discharge, r.laminar);

    r.suctionPressure = r.suction.tankPressure + r.suction.geodetic - r.suction.losses();
    r.dischargePressure = r.discharge.tankPressure + r.discharge.geodetic + r.discharge.losses();
    r.differentialPressure = r.dischargePressure - r.suctionPressure;
    // 1 bar of water column is 10.2 m at 1000 kg/m³.
    r.head = r.differentialPressure * 10.2L / input.density * 1000;
    r.npsh = (r.suctionPressure - r.vapourPressure) * 10.2L / input.density * 1000 +
             r.suction.velocity * r.suction.velocity / 2 / kGravity;
    r.power = input.density / 1000 * input.flow * r.head / 367;
    engine::requireFinite(r.power, "computePumpDesign");
    engine::requireFinite(r.npsh, "computePumpDesign");
    return r;
}

PumpDesignResult toUsUnits(PumpDesignResult r) {
    constexpr Real psi = 14.503771870463718L;
    constexpr Real ft = 3.2808398950131235L;
    constexpr Real hp = 1.341021858656296L;
    for (PumpSideResult* side : {&r.suction, &r.discharge}) {
        side->tankPressure *= psi;
        side->geodetic *= psi;
        side->friction *= psi;
        for (Real& loss : side->fittings) loss *= psi;
        for (Real& loss : side->further) loss *= psi;
    }
    r.vapourPressure *= psi;
    r.suctionPressure *= psi;
    r.dischargePressure *= psi;
    r.differentialPressure *= psi;
    r.head *= ft;
    r.npsh *= ft;
    r.power *= hp;
    return r;
}

}  // namespace velmora::tools
