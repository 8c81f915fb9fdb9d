#include "workflow/curve_pipeline.h"

#include <cmath>
#include <limits>

#include "engine/calc_error.h"
#include "engine/kind_rules.h"
#include "model/element_catalogue.h"
#include "model/number_text.h"
#include "workflow/element_texts.h"
#include "workflow/us_unit_factors.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;

// A cell's number; an empty cell reads as 0. CurveElementError for a text that is no number.
Real cellNumber(const std::string& text, int column) {
    if (const auto value = model::readNumber(text)) return *value;
    throw CurveElementError(column, -1, "not a number in column " + std::to_string(column) + ": " + text);
}

// A slot cell "label connector unit: value" in internal units: inches, feet and square yards
// turned into mm, m and m² by the unit the cell names (a table switched between unit systems
// keeps the unit of its fifth slot, so the cell's own unit is what counts).
Real slotValue(const std::string& cell, int slot, const std::string& connector, int column) {
    const auto colon = cell.rfind(": ");
    if (colon == std::string::npos) return cell.empty() ? 0 : cellNumber(cell, column);
    Real value = cellNumber(cell.substr(colon + 2), column);
    const std::string head = cell.substr(0, colon + 1);
    if (head.ends_with(connector + " in.:"))
        value *= us::mmPerInch;
    else if (head.ends_with(" ft.:"))
        value *= us::mPerFoot;
    else if (slot == 1 && head.ends_with(" sq.yd.:"))
        value *= us::squareMetresPerSquareYard;
    return value;
}

CurveElement rebuild(const ResultColumn& source, int column, const lang::TextCatalogue& texts,
                     const model::CalcInputs& medium, bool us) {
    const auto& cells = source.cells;
    const std::string& elementCell = cells[row::element];
    const auto kind = kindOfElementCell(texts, elementCell);
    if (!kind) throw CurveElementError(column, -1, "no element kind in column " + std::to_string(column));
    const engine::KindRules& rules = engine::kindRules(*kind);
    const model::KindDescription& description = model::kindDescription(*kind);
    const std::string& name = texts.subgroupName(kind->group, kind->subgroup);

    CurveElement element;
    element.column = column;
    model::CalcInputs& in = element.inputs;
    in.state = model::MediumState::Liquid;
    in.density = medium.density;
    in.dynamicViscosity = medium.dynamicViscosity;
    in.kind = *kind;

    const Real count = cellNumber(elementCell.substr(name.size() + 1), column);
    constexpr Real limit = static_cast<Real>(std::numeric_limits<std::int32_t>::max());
    if (!(std::fabs(count) < limit)) throw CurveElementError(column, -1, "element count out of range");
    in.elementCount = static_cast<std::int32_t>(model::roundHalfAway(count));

    const std::string& connector = texts.text(GlobalText::UnitConnector);
    Real* slots[] = {&in.va1, &in.va2, &in.va3, &in.va4, &in.va5};
    for (int n = 1; n <= 5; ++n)
        *slots[n - 1] = slotValue(cells[static_cast<std::size_t>(row::slot1 + n - 1)], n, connector, column);

    if (rules.showsRoughness) {
        in.roughness = cellNumber(cells[row::roughness], column);
        if (us) in.roughness *= us::mmPerInch;
    }
    if (description.choice) {
        element.options.storedOptionText = cells[row::choice];
        element.options.firstOptionCaption = optionText(texts, description.choice->options[0]);
    }
    element.options.systemCurveMode = true;

    if (description.branchFlow) {
        const Real w1 = cellNumber(cells[row::velocity], column);
        Real w2 = cellNumber(cells[row::velocity2], column);
        if (w2 == 0) w2 = w1 / 1000;
        const Real ratio = in.va1 * in.va1 / (in.va2 * in.va2) * w1 / w2;
        if (!std::isfinite(ratio) || !(ratio > 0))
            throw CurveElementError(column, -1, "no branch flow ratio in column " + std::to_string(column));
        element.branchRatio = ratio;
    }
    element.computedAtZeroFlow = rules.loss == engine::LossForm::HeightDifference;
    element.hasReynolds = rules.section != engine::Section::None;
    element.regimeFromSecond = rules.regimeFromSecond;
    return element;
}

}  // namespace

void ReynoldsRange::add(Real re) {
    if (!seen) {
        lowest = highest = re;
        seen = true;
        return;
    }
    lowest = std::min(lowest, re);
    highest = std::max(highest, re);
}

bool ReynoldsRange::crossesTransition() const {
    return seen && lowest < engine::kLaminarLimit && highest > engine::kLaminarLimit;
}

CurvePipeline::CurvePipeline(const ResultsTable& table, const model::CalcInputs& medium)
    : units_(table.unitSystem()) {
    const bool us = units_ == model::UnitSystem::Us;
    for (int c = 1; c <= table.elementCount(); ++c)
        elements_.push_back(rebuild(table.column(c), c, table.texts(), medium, us));
}

Real CurvePipeline::lossAt(Real flow, std::vector<ReynoldsRange>* ranges) const {
    Real sum = 0;
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const CurveElement& element = elements_[i];
        if (flow == 0 && !element.computedAtZeroFlow) continue;
        model::CalcInputs in = element.inputs;
        in.volumeFlow = flow;
        if (element.branchRatio > 0) in.branchFlow = flow / element.branchRatio;
        engine::ElementResult result;
        try {
            result = engine::calculateElement(in, element.options);
        } catch (const engine::CalcError& e) {
            throw CurveElementError(element.column, flow, e.what());
        }
        if (ranges && flow != 0 && element.hasReynolds)
            (*ranges)[i].add(element.regimeFromSecond ? result.reynolds2 : result.reynolds);
        sum += result.pressureLoss;
    }
    return units_ == model::UnitSystem::Us ? sum / us::barPerPsi : sum;
}

}  // namespace velmora::workflow
