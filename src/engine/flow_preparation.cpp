#include "engine/flow_preparation.h"

#include <numbers>

#include "engine/checked_math.h"
#include "engine/kind_rules.h"

namespace velmora::engine {

Real circularVelocity(Real flow, Real diameter) {
    return checkedDivide(flow * 4.0L * 10000.0L, diameter * diameter * std::numbers::pi_v<Real> * 36.0L,
                         "circular section");
}

Real rectangularVelocity(Real flow, Real width, Real height) {
    return checkedDivide(flow * 10000.0L, width * height * 36.0L, "rectangular section");
}

Real annulusVelocity(Real flow, Real outerDiameter, Real innerDiameter) {
    // 113.09733552923255 = 36π
    return checkedDivide(
        flow * 4.0L * 10000.0L,
        113.09733552923255L * (outerDiameter * outerDiameter - innerDiameter * innerDiameter),
        "annular section");
}

Real freeSectionVelocity(Real flow, Real area) {
    return checkedDivide(flow, area * 3600.0L, "free section");
}

Real rectangularHydraulicDiameter(Real width, Real height) {
    return checkedDivide(2.0L * width * height, width + height, "rectangular section");
}

Real freeSectionHydraulicDiameter(Real area, Real perimeter) {
    return checkedDivide(4.0L * area, perimeter, "free section") * 1000.0L;
}

Real reynoldsNumber(Real diameter, Real density, Real velocity, Real dynamicViscosity) {
    return checkedDivide(diameter * density * velocity * 1000.0L, dynamicViscosity, "Reynolds number");
}

void prepareFlow(const model::CalcInputs& in, ElementResult& result) {
    const KindRules& rules = kindRules(in.kind);
    const Real q = in.volumeFlow;
    const Real rho = in.density;
    const Real eta = in.dynamicViscosity;

    Real diameter = 0;  // mm, of the first section
    switch (rules.section) {
        case Section::None:
            result.reynolds = 0;
            return;
        case Section::Circular:
            diameter = in.va1;
            result.velocity = circularVelocity(q, in.va1);
            break;
        case Section::Rectangular:
            result.velocity = rectangularVelocity(q, in.va1, in.va2);
            diameter = result.hydraulicDiameter = rectangularHydraulicDiameter(in.va1, in.va2);
            break;
        case Section::Annulus:
            result.velocity = annulusVelocity(q, in.va1, in.va2);
            diameter = result.hydraulicDiameter = in.va1 - in.va2;
            break;
        case Section::FreeSection:
            result.velocity = freeSectionVelocity(q, in.va1);
            diameter = result.hydraulicDiameter = freeSectionHydraulicDiameter(in.va1, in.va2);
            break;
    }
    result.reynolds = reynoldsNumber(diameter, rho, result.velocity, eta);

    switch (rules.second) {
        case SecondSection::None:
            break;
        case SecondSection::CircularOutlet:
            result.velocity2 = circularVelocity(q, in.va2);
            result.reynolds2 = reynoldsNumber(in.va2, rho, result.velocity2, eta);
            break;
        case SecondSection::CircularHalfFlow:
            result.velocity2 = circularVelocity(q / 2.0L, in.va2);
            result.reynolds2 = reynoldsNumber(in.va2, rho, result.velocity2, eta);
            break;
        case SecondSection::CircularBranch:
            result.velocity2 = circularVelocity(in.branchFlow, in.va2);
            result.reynolds2 = reynoldsNumber(in.va2, rho, result.velocity2, eta);
            break;
        case SecondSection::OrificeBore:
            result.velocity2 = circularVelocity(q, in.va2);
            result.reynolds2 = checkedDivide(result.reynolds * in.va1, in.va2, "bore Reynolds number");
            break;
        case SecondSection::FreeArea:
            result.velocity2 =
                checkedDivide(result.velocity, in.slot(rules.freeAreaSlot), "free area") * 100.0L;
            break;
        case SecondSection::RectangularOutlet:
            result.velocity2 = rectangularVelocity(q, in.va3, in.va4);
            result.hydraulicDiameter = rectangularHydraulicDiameter(in.va3, in.va4);
            result.reynolds2 = reynoldsNumber(result.hydraulicDiameter, rho, result.velocity2, eta);
            break;
    }
}

}  // namespace velmora::engine
