#include "engine/element_engine.h"

#include "engine/checked_math.h"
#include "engine/flow_preparation.h"
#include "engine/friction_factor.h"
#include "engine/gas_correction.h"
#include "engine/kind_rules.h"

namespace velmora::engine {
namespace {

constexpr Real kGravity = 9.81L;  // m/s²

void requireFiniteInputs(const model::CalcInputs& in) {
    for (const Real value :
         {in.volumeFlow, in.branchFlow, in.density, in.dynamicViscosity, in.inletPressure,
          in.inletTemperature, in.outletTemperature, in.va1, in.va2, in.va3, in.va4, in.va5, in.roughness}) {
        requireFinite(value, "calculation input");
    }
}

// The orifice correlations' Reynolds ranges, tested before the turbulent coefficient.
void checkReynoldsRange(ReynoldsRangeCheck check, const ElementResult& flow, Notices& notices) {
    const Real re = flow.reynolds;
    switch (check) {
        case ReynoldsRangeCheck::None:
            return;
        case ReynoldsRangeCheck::OrificePlate:
            if (re < 5000.0L || re > 1e7L)
                notices.push_back({NoticeKind::OrificePlateReynoldsRange, {}, re, 0});
            return;
        case ReynoldsRangeCheck::SharpOrifice:
            if (re < 100000.0L) notices.push_back({NoticeKind::SharpOrificeReynoldsRange, {}, re, 0});
            return;
        case ReynoldsRangeCheck::RoundedOrifice:
            if (re < 3000.0L) notices.push_back({NoticeKind::RoundedOrificeReynoldsRange, {}, re, 0});
            return;
        case ReynoldsRangeCheck::ThickOrifice:
            if (flow.reynolds2 < 4000.0L) {
                notices.push_back({NoticeKind::ThickOrificeReynoldsRange, {}, flow.reynolds2, 0});
            }
            return;
    }
}

// Diameter (mm) a straight section's friction refers to: the bore of circular pipes, else Dh.
Real straightSectionDiameter(const KindRules& rules, const model::CalcInputs& in, const ElementResult& flow) {
    return rules.section == Section::Circular ? in.va1 : flow.hydraulicDiameter;
}

}  // namespace

FlowRegime chooseEngine(const model::CalcInputs& inputs, const ElementResult& flow) {
    const Real re = kindRules(inputs.kind).regimeFromSecond ? flow.reynolds2 : flow.reynolds;
    return re < kLaminarLimit ? FlowRegime::Laminar : FlowRegime::Turbulent;
}

int effectiveVariant(const model::CalcInputs& inputs, const EngineOptions& options) {
    if (!kindRules(inputs.kind).readsVariant) return 0;
    if (!options.systemCurveMode) return inputs.variantChoice == 0 ? 0 : 1;
    return options.storedOptionText.find(options.firstOptionCaption) != std::string::npos ? 0 : 1;
}

ElementResult calculateElement(const model::CalcInputs& in, const EngineOptions& options) {
    const KindRules& rules = kindRules(in.kind);
    requireFiniteInputs(in);

    ElementResult result;
    prepareFlow(in, result);
    result.regime = chooseEngine(in, result);
    const bool laminar = result.regime == FlowRegime::Laminar;

    Notices* notices = options.systemCurveMode ? nullptr : &result.notices;
    if (notices && laminar && rules.laminarNotice)
        notices->push_back({NoticeKind::LaminarCoefficient, {}, 0, 0});
    if (notices && !laminar) checkReynoldsRange(rules.rangeCheck, result, *notices);

    ZetaContext context{in, result, effectiveVariant(in, options), notices};
    const ZetaRoutine routine = laminar || !rules.turbulent ? rules.laminar : rules.turbulent;
    const Real coefficient = requireFinite(routine(context), "coefficient");
    const LossVelocity velocityUsed = laminar ? rules.laminarVelocity : rules.turbulentVelocity;
    const Real w = velocityUsed == LossVelocity::First ? result.velocity : result.velocity2;
    const Real rho = in.density;

    result.frictionFactor = context.frictionFactor;
    switch (rules.loss) {
        case LossForm::Fitting:
            result.zeta = coefficient;
            result.pressureLoss = fittingLoss(w, rho, coefficient);
            break;
        case LossForm::StraightPipe: {
            const Real d = straightSectionDiameter(rules, in, result);
            const Real length = in.slot(rules.lengthSlot);  // m
            result.frictionFactor = coefficient;
            result.zeta = checkedDivide(coefficient * length, d, "straight section") * 1000.0L;
            result.pressureLoss = straightPipeLoss(d, w, rho, length, coefficient);
            break;
        }
        case LossForm::Tee:
            result.zeta = coefficient;
            result.zetaBranch = context.zetaBranch;
            result.pressureLoss = fittingLoss(w, rho, coefficient);
            result.branchPressureLoss = fittingLoss(w, rho, context.zetaBranch) * 1000.0L;
            break;
        case LossForm::HeightDifference:
            result.zeta = 0;
            result.pressureLoss = in.va1 * kGravity * rho / 100000.0L;
            break;
        case LossForm::VelocityChange:
            result.zeta = 0;
            result.pressureLoss = rho / 2.0L *
                                  (result.velocity2 * result.velocity2 - result.velocity * result.velocity) /
                                  100000.0L;
            break;
    }
    requireFinite(result.pressureLoss, "pressure loss");
    requireFinite(result.branchPressureLoss, "branch pressure loss");

    if (in.state == model::MediumState::Gas) {
        const GasCorrection gas = gasCorrectedLoss(result.pressureLoss, in.inletPressure, in.inletTemperature,
                                                   in.outletTemperature);
        result.pressureLoss = gas.pressureLoss;
        result.gasLimitExceeded = gas.limitExceeded;
        if (gas.limitExceeded) return result;
    }
    result.pressureLoss *= static_cast<Real>(in.elementCount);
    return result;
}

}  // namespace velmora::engine
