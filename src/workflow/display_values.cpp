#include "workflow/display_values.h"

#include "workflow/us_unit_factors.h"

namespace velmora::workflow {

namespace {

// Metric value per US unit of a slot, 1 for slots that are not converted.
Real slotFactor(model::SlotUnit unit, bool firstSlot) {
    switch (unit) {
        case model::SlotUnit::SmallLength:
            return us::mmPerInch;
        case model::SlotUnit::LongLength:
            return us::mPerFoot;
        case model::SlotUnit::Area:
            // Only the free section's area (slot 1) has an area box.
            return firstSlot ? us::squareMetresPerSquareYard : 1;
        default:
            return 1;
    }
}

}  // namespace

DisplayValues displayValues(const model::CalcInputs& in, const engine::ElementResult& result,
                            const ConvertedSlots& slots, model::UnitSystem system) {
    DisplayValues v;
    v.volumeFlow = in.volumeFlow;
    v.density = in.density;
    v.dynamicViscosity = in.dynamicViscosity;
    for (int n = 1; n <= 5; ++n) v.slots[static_cast<std::size_t>(n - 1)] = in.slot(n);
    v.roughness = in.roughness;
    v.velocity = result.velocity;
    v.velocity2 = result.velocity2;
    v.reynolds = result.reynolds;
    v.reynolds2 = result.reynolds2;
    v.frictionFactor = result.frictionFactor;
    v.zeta = result.zeta;
    v.zetaBranch = result.zetaBranch;
    v.branchPressureLoss = result.branchPressureLoss;
    v.pressureLossSmall = result.pressureLoss * 1000;
    v.pressureLossLarge = result.pressureLoss;
    if (system == model::UnitSystem::Metric) return v;

    v.volumeFlow /= us::cubicMetresPerHourPerGpm;
    v.density /= us::kgM3PerLbCuFt;
    v.dynamicViscosity /= us::microPaSPerCentipoise;
    for (std::size_t i = 0; i < slots.size(); ++i) v.slots[i] /= slotFactor(slots[i], i == 0);
    if (v.roughness > 0) v.roughness /= us::mmPerInch;
    v.velocity /= us::mPerFoot;
    if (v.velocity2 > 0) v.velocity2 /= us::mPerFoot;
    v.branchPressureLoss = result.branchPressureLoss / us::barPerLbwSqFt / 1000;
    v.pressureLossSmall = result.pressureLoss / us::barPerLbwSqFt;
    v.pressureLossLarge = result.pressureLoss / us::barPerPsi;
    return v;
}

}  // namespace velmora::workflow
