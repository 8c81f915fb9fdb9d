#include "workflow/column_builder.h"

#include "engine/kind_rules.h"
#include "workflow/element_texts.h"
#include "workflow/result_number_format.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;

std::string withoutColon(std::string label) {
    if (!label.empty() && label.back() == ':') label.pop_back();
    return label;
}

}  // namespace

ConvertedSlots convertedSlots(const MainForm& form) {
    ConvertedSlots slots{};
    for (int n = 1; n <= 5; ++n) {
        const SlotView& slot = form.slot(n);
        const bool converted = slot.visible && (n == 1 || slot.unitBoxVisible);
        slots[static_cast<std::size_t>(n - 1)] = converted ? slot.unit : model::SlotUnit::None;
    }
    return slots;
}

std::string slotCell(const std::string& label, const std::string& connector, const std::string& unitName,
                     const std::string& value) {
    if (unitName.empty()) return withoutColon(label) + ": " + value;
    return withoutColon(label) + " " + connector + " " + unitName + ": " + value;
}

ResultColumn buildResultColumn(const MainForm& form, const model::CalcInputs& inputs,
                               const engine::ElementResult& result, model::UnitSystem system, int decimals) {
    const lang::TextCatalogue& texts = form.texts();
    const bool comma = texts.edition().decimalComma();
    const bool imperial = system == model::UnitSystem::Us;
    const bool gas = inputs.state == model::MediumState::Gas;
    const DisplayValues v = displayValues(inputs, result, convertedSlots(form), system);
    const auto fixed = [&](Real value) { return formatFixed(value, decimals, comma); };

    ResultColumn column;
    auto& cells = column.cells;
    cells[row::medium] = form.text(FormField::MediumName) + "/" +
                         texts.text(gas ? GlobalText::StateGasShort : GlobalText::StateLiquidShort);
    cells[row::flow] = fixed(v.volumeFlow);
    cells[row::density] = fixed(v.density);
    cells[row::viscosity] = fixed(v.dynamicViscosity);
    cells[row::designation] = form.text(FormField::Designation);
    // The count that was calculated (a typed 2.5 is 3 elements), so that the row says what the
    // loss below it was multiplied by.
    cells[row::element] = texts.subgroupName(inputs.kind.group, inputs.kind.subgroup) + "/" +
                          std::to_string(inputs.elementCount);

    const std::string& connector = texts.text(GlobalText::UnitConnector);
    for (int n = 1; n <= 5; ++n) {
        const SlotView& slot = form.slot(n);
        if (!slot.visible) continue;
        cells[static_cast<std::size_t>(row::slot1 + n - 1)] =
            slotCell(slot.label, connector, slotUnitName(texts, slot.unit, imperial),
                     fixed(v.slots[static_cast<std::size_t>(n - 1)]));
    }
    if (form.choiceVisible())
        cells[row::choice] =
            form.choiceTitle() + " " + form.choiceOptions()[static_cast<std::size_t>(form.variantChoice())];

    const engine::ResultRows shown = engine::resultRows(inputs.kind, result.regime);
    const auto put = [&](bool show, int r, std::string text) {
        if (show) cells[static_cast<std::size_t>(r)] = std::move(text);
    };
    put(shown.velocity, row::velocity, fixed(v.velocity));
    put(shown.reynolds, row::reynolds, formatReynolds(v.reynolds, comma));
    put(shown.velocity2, row::velocity2, fixed(v.velocity2));
    put(shown.reynolds2, row::reynolds2, formatReynolds(v.reynolds2, comma));
    put(shown.regime, row::regime,
        texts.text(result.regime == engine::FlowRegime::Laminar ? GlobalText::RegimeLaminar
                                                                : GlobalText::RegimeTurbulent));
    put(shown.roughness, row::roughness, fixed(v.roughness));
    put(shown.frictionFactor, row::frictionFactor, fixed(v.frictionFactor));
    put(shown.zeta && v.zeta != 0, row::zeta, fixed(v.zeta));
    put(shown.branch, row::zetaBranch, fixed(v.zetaBranch));
    put(shown.branch, row::branchLoss, fixed(v.branchPressureLoss));
    cells[row::lossSmall] = formatLoss(v.pressureLossSmall, decimals, comma);
    cells[row::lossLarge] = formatLoss(v.pressureLossLarge, decimals, comma);

    if (gas)
        column.gas =
            GasInfos{.inletPressure = form.text(FormField::InletPressure),
                     .inletTemperature = form.text(FormField::InletTemperature),
                     .outletTemperature = form.text(FormField::OutletTemperature),
                     .inletPressureUnit = form.unitBox(FormField::InletPressureUnit).current(),
                     .inletTemperatureUnit = form.unitBox(FormField::InletTemperatureUnit).current(),
                     .outletTemperatureUnit = form.unitBox(FormField::OutletTemperatureUnit).current()};
    return column;
}

}  // namespace velmora::workflow
