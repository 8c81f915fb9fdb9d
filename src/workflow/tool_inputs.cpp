#include "workflow/tool_inputs.h"

#include "model/element_catalogue.h"
#include "model/number_text.h"
#include "workflow/element_texts.h"
#include "workflow/us_unit_factors.h"

namespace velmora::workflow {

using model::Real;

namespace {

// The value of a cell "label: value", read after the last ": "; 0 when it is not a number.
Real cellValue(const std::string& cell) {
    const auto colon = cell.rfind(": ");
    if (colon == std::string::npos) return 0;
    return model::readNumber(cell.substr(colon + 2)).value_or(0);
}

// A slot value of the US table in the metric unit of its slot.
Real metricSlot(model::SlotUnit unit, Real value) {
    switch (unit) {
        case model::SlotUnit::SmallLength: return value * us::mmPerInch;
        case model::SlotUnit::LongLength: return value * us::mPerFoot;
        case model::SlotUnit::Area: return value * us::squareMetresPerSquareYard;
        default: return value;
    }
}

}  // namespace

tools::MainFormFlow mainFormFlow(const MainForm& form) {
    return {.massFlow = form.flowQuantity() == model::FlowQuantity::Mass,
            .text = form.text(FormField::Flow),
            .unitLabel = form.unitBox(FormField::FlowUnit).current()};
}

tools::EntryWithUnit firstParameter(const MainForm& form) {
    return {form.text(FormField::Slot1), form.unitBox(FormField::Slot1Unit).current()};
}

tools::OrificeMedium orificeMedium(const MainForm& form) {
    return {.name = form.text(FormField::MediumName),
            .massFlow = form.flowQuantity() == model::FlowQuantity::Mass,
            .flow = form.text(FormField::Flow),
            .flowUnit = form.unitBox(FormField::FlowUnit).current(),
            .density = form.text(FormField::Density),
            .densityUnit = form.unitBox(FormField::DensityUnit).index(),
            .kinematic = form.viscosityQuantity() == model::ViscosityQuantity::Kinematic,
            .viscosity = form.text(FormField::Viscosity),
            .viscosityUnit = form.unitBox(FormField::ViscosityUnit).index()};
}

std::vector<tools::ContentColumn> contentColumns(const ResultsTable& table) {
    const bool imperial = table.unitSystem() == model::UnitSystem::Us;
    std::vector<tools::ContentColumn> columns;
    for (const ResultColumn& column : table.elementColumns()) {
        tools::ContentColumn content;
        const std::string& element = column.cells[row::element];
        content.kind = kindOfElementCell(table.texts(), element);
        const auto slash = element.rfind('/');
        if (slash != std::string::npos)
            content.count = static_cast<Real>(model::roundHalfAway(model::readNumber(element.substr(slash + 1)).value_or(0)));
        if (content.kind) {
            const auto& slots = model::kindDescription(*content.kind).slots;
            for (std::size_t i = 0; i < content.slots.size() && i < slots.size(); ++i) {
                const Real value = cellValue(column.cells[static_cast<std::size_t>(row::slot1) + i]);
                content.slots[i] = imperial ? metricSlot(slots[i].unit, value) : value;
            }
        }
        columns.push_back(content);
    }
    return columns;
}

std::optional<Real> lastMeanVelocity(const ResultsTable& table) {
    if (table.empty()) return std::nullopt;
    const auto velocity = model::readNumber(table.cell(table.elementCount(), row::velocity));
    if (!velocity) return std::nullopt;
    return table.unitSystem() == model::UnitSystem::Us ? *velocity * us::mPerFoot : *velocity;
}

Real totalLossBar(const ResultsTable& table) {
    return table.unitSystem() == model::UnitSystem::Us ? table.totalSmallUnit() * us::barPerLbwSqFt
                                                       : table.totalSmallUnit() / 1000;
}

void applyZetaTransfer(MainForm& form, const tools::KvZetaPresenter::Transfer& transfer) {
    form.setUpKind({12, 1});
    form.setText(FormField::Slot1, transfer.diameter.text);
    form.selectUnitLabel(FormField::Slot1Unit, transfer.diameter.unit);
    form.setText(FormField::Slot2, transfer.zeta);
}

void applyFlowTransfer(MainForm& form, const std::string& flowText) {
    form.setFlowQuantity(model::FlowQuantity::Volume);
    form.selectUnitLabel(FormField::FlowUnit, "m³/h");
    form.setText(FormField::Flow, flowText);
}

}  // namespace velmora::workflow
