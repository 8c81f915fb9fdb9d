#include "workflow/column_to_form.h"

#include <cmath>
#include <optional>
#include <string>

#include "model/element_kind.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "workflow/element_texts.h"
#include "workflow/result_number_format.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;
using model::Quantity;
using model::Real;

// Unit positions the US table's flow, density and viscosity are written in.
constexpr int kUsFlowUnit = 14;      // "gal/min"
constexpr int kUsDensityUnit = 8;    // "lb./cu.ft."
constexpr int kUsViscosityUnit = 5;  // "cP"

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Real number(const std::string& text) {
    return model::readNumber(text).value_or(0);
}

// A slot cell "label connector unit: value" taken apart.
struct SlotCellParts {
    std::string unit;  // empty without "connector unit"
    std::string value;
};

std::optional<SlotCellParts> slotCellParts(const std::string& cell, const std::string& connector) {
    const auto colon = cell.rfind(": ");
    if (colon == std::string::npos) return std::nullopt;
    SlotCellParts parts;
    parts.value = cell.substr(colon + 2);
    const std::string head = cell.substr(0, colon);
    const std::string joint = " " + connector + " ";
    if (const auto at = head.rfind(joint); at != std::string::npos)
        parts.unit = head.substr(at + joint.size());
    return parts;
}

void copySlots(const ResultColumn& column, const std::string& connector, MainForm& form) {
    for (int n = 1; n <= 5; ++n) {
        const std::string& cell = column.cells[static_cast<std::size_t>(row::slot1 + n - 1)];
        const SlotView& slot = form.slot(n);
        const auto parts = slotCellParts(cell, connector);
        if (!parts) {
            // A slot the column does not show keeps its entry; a shown slot without a value is empty.
            if (slot.visible) form.setText(slotField(n), "");
            continue;
        }
        form.setText(slotField(n), parts->value);
        if (slot.unitBoxVisible && !parts->unit.empty()) form.selectUnitLabel(slotUnitField(n), parts->unit);
    }
}

void selectVariant(const ResultColumn& column, MainForm& form) {
    if (!form.choiceVisible()) return;
    const std::string& cell = column.cells[row::choice];
    std::string item;
    if (cell.starts_with(form.choiceTitle()))
        item = cell.substr(form.choiceTitle().size());
    else if (const auto colon = cell.find(':'); colon != std::string::npos)
        item = cell.substr(colon + 1);
    form.selectVariant(trimmed(item) == form.choiceOptions()[0] ? 0 : 1);
}

// The branch flow of a tee from what the column shows: with the main and branch diameters D1, D2
// and the velocities w1 (main pipe) and w2 (branch), Q / Qb = (D1 / D2)² · (w1 / w2).
void rebuildBranchFlow(const ResultColumn& column, const ResultsTable& table, const std::string& connector,
                       MainForm& form) {
    const auto d1 = slotCellParts(column.cells[row::slot1], connector);
    const auto d2 = slotCellParts(column.cells[row::slot1 + 1], connector);
    if (!d1 || !d2) return;
    const Real ratio = number(d1->value) / number(d2->value);
    const Real g =
        ratio * ratio * (number(column.cells[row::velocity]) / number(column.cells[row::velocity2]));
    if (!std::isfinite(g) || g <= 0) return;
    form.setText(FormField::BranchFlow,
                 formatFixed(number(column.cells[row::flow]) / g, table.decimals(), table.decimalComma()));
}

void copyMedium(const ResultColumn& column, const lang::TextCatalogue& texts, MainForm& form) {
    const std::string& cell = column.cells[row::medium];
    // The medium's own name may hold a "/" (a water/glycol mixture): the state word follows the last.
    const auto slash = cell.rfind('/');
    const std::string name = slash == std::string::npos ? cell : cell.substr(0, slash);
    const std::string state = slash == std::string::npos ? std::string() : cell.substr(slash + 1);
    form.setText(FormField::MediumName, name);
    form.setState(state == texts.text(GlobalText::StateLiquidShort) ? model::MediumState::Liquid
                                                                    : model::MediumState::Gas);
}

void copyGasEntries(const ResultColumn& column, MainForm& form) {
    if (form.state() != model::MediumState::Gas) return;
    if (!column.gas) {
        form.setText(FormField::InletPressure, "");
        form.setText(FormField::InletTemperature, "");
        form.setText(FormField::OutletTemperature, "");
        return;
    }
    const GasInfos& gas = *column.gas;
    form.setText(FormField::InletPressure, gas.inletPressure);
    form.setText(FormField::InletTemperature, gas.inletTemperature);
    form.setText(FormField::OutletTemperature, gas.outletTemperature);
    // A unit the box does not list leaves the box as it is.
    form.selectUnitLabel(FormField::InletPressureUnit, gas.inletPressureUnit);
    form.selectUnitLabel(FormField::InletTemperatureUnit, gas.inletTemperatureUnit);
    form.selectUnitLabel(FormField::OutletTemperatureUnit, gas.outletTemperatureUnit);
}

}  // namespace

bool copyColumnToForm(const ResultsTable& table, int gridColumn, MainForm& form) {
    if (gridColumn < 1 || gridColumn > table.elementCount()) return false;
    const ResultColumn& column = table.column(gridColumn);
    const lang::TextCatalogue& texts = form.texts();
    const std::string& connector = texts.text(GlobalText::UnitConnector);
    const bool imperial = table.unitSystem() == model::UnitSystem::Us;

    const std::string& element = column.cells[row::element];
    if (const auto kind = kindOfElementCell(texts, element)) {
        form.setUpKind(*kind);
        const std::string& name = texts.subgroupName(kind->group, kind->subgroup);
        form.setText(FormField::ElementCount, element.substr(name.size() + 1));
    } else if (const auto slash = element.rfind('/'); slash != std::string::npos) {
        form.setText(FormField::ElementCount, element.substr(slash + 1));
    }
    form.setText(FormField::Designation, column.cells[row::designation]);
    copySlots(column, connector, form);

    form.setFlowQuantity(model::FlowQuantity::Volume);
    form.setViscosityQuantity(model::ViscosityQuantity::Dynamic);
    form.selectUnit(FormField::FlowUnit, imperial ? kUsFlowUnit : 0);
    form.selectUnit(FormField::DensityUnit, imperial ? kUsDensityUnit : 0);
    form.selectUnit(FormField::ViscosityUnit, imperial ? kUsViscosityUnit : 0);

    selectVariant(column, form);
    if (form.branchFlowVisible()) rebuildBranchFlow(column, table, connector, form);

    copyMedium(column, texts, form);
    form.setText(FormField::Flow, column.cells[row::flow]);
    form.setText(FormField::Density, column.cells[row::density]);
    form.setText(FormField::Viscosity, column.cells[row::viscosity]);
    if (!column.cells[row::roughness].empty()) {
        form.setText(FormField::Roughness, column.cells[row::roughness]);
        form.selectUnitLabel(FormField::RoughnessUnit, imperial ? "in." : "mm");
    }
    copyGasEntries(column, form);
    return true;
}

}  // namespace velmora::workflow
