#include "workflow/system_curve.h"

#include <algorithm>
#include <cmath>

#include "lang/dialog_messages.h"
#include "model/system_curve_texts.h"
#include "tools/curve_flow_units.h"
#include "tools/curve_plot.h"
#include "workflow/calc_inputs_filler.h"
#include "workflow/element_texts.h"

namespace velmora::workflow {

namespace {

using model::CurveRangeText;
using model::GlobalText;
constexpr const char* kBlock = "TAnlagenkennlinie_Dlg";
constexpr Real kNoLoss = 1e-7L;  // bar or psi

const std::string& rangeText(const lang::TextCatalogue& texts, CurveRangeText text) {
    return lang::blockText(texts, kBlock, text);
}

UserMessage elementFailure(const lang::TextCatalogue& texts, const CurveElementError& e,
                           const std::string& flowUnit, Real unitFactor) {
    std::string text = rangeText(texts, CurveRangeText::ElementFailed) + "\r" +
                       rangeText(texts, CurveRangeText::ElementFailedAdvice) + "\r" +
                       texts.text(GlobalText::CaptionColumn) + " " + std::to_string(e.column());
    if (e.flow() >= 0)
        text += ", " + texts.text(GlobalText::CaptionFlow) + " " +
                tools::copyFlowText(e.flow() / unitFactor, texts.edition().decimalComma()) + " " + flowUnit;
    return {
        .icon = MessageIcon::Error, .caption = texts.text(GlobalText::ProgramTitle), .text = std::move(text)};
}

UserMessage information(const lang::TextCatalogue& texts, CurveRangeText text) {
    return {.icon = MessageIcon::Information,
            .caption = texts.text(GlobalText::InformationCaption),
            .text = rangeText(texts, text)};
}

}  // namespace

std::optional<UserMessage> systemCurveRefusal(const MainForm& form, const ResultsTable& table) {
    const lang::TextCatalogue& texts = form.texts();
    if (form.state() == model::MediumState::Gas)
        return lang::plainMessage(texts, texts.text(GlobalText::SystemCurveLiquidsOnly));
    if (table.empty())
        return UserMessage{.icon = MessageIcon::Error,
                           .caption = texts.text(GlobalText::ProgramTitle),
                           .text = texts.text(GlobalText::SystemCurveEmptyTable)};
    return std::nullopt;
}

tools::CurveMedium curveMedium(const MainForm& form, const model::CalcInputs& medium) {
    const lang::TextCatalogue& texts = form.texts();
    const std::string& in = texts.text(GlobalText::UnitConnector);
    const std::string& densityUnit = form.unitBox(FormField::DensityUnit).current();
    const auto quantities = form.viscosityQuantityItems();
    const std::string& quantity =
        quantities[form.viscosityQuantity() == model::ViscosityQuantity::Kinematic ? 1 : 0];
    tools::CurveMedium m;
    m.name = form.text(FormField::MediumName);
    m.densityLine = texts.text(GlobalText::CaptionDensity) + " " + in + " " + densityUnit + ": " +
                    form.text(FormField::Density);
    m.viscosityLine = quantity + " " + in + " " + form.unitBox(FormField::ViscosityUnit).current() + ": " +
                      form.text(FormField::Viscosity);
    m.stateWord = texts.text(GlobalText::StateLiquid);
    m.density = medium.density;
    m.densityText = form.text(FormField::Density) + " " + densityUnit;
    return m;
}

std::optional<SystemCurveRun> runSystemCurve(const ResultsTable& table, const MainForm& form,
                                             const tools::CurveRange& range, Messenger& messenger) {
    const lang::TextCatalogue& texts = form.texts();
    if (!(range.to > range.from)) {
        messenger.show({.icon = MessageIcon::Error,
                        .caption = texts.text(GlobalText::ProgramTitle),
                        .text = rangeText(texts, CurveRangeText::ToNotAboveFrom)});
        return std::nullopt;
    }
    const tools::CurveFlowUnit& unit = tools::curveFlowUnit(range.unitIndex);
    try {
        model::CalcInputs medium;
        if (!fillMediumInputs(form, messenger, medium)) return std::nullopt;

        SystemCurveRun run;
        run.medium = curveMedium(form, medium);
        tools::SystemCurveData& data = run.data;
        data.flowUnit = std::string(unit.label);
        data.unitFactor = unit.cubicMetresPerHour;
        data.from = range.from;
        data.to = range.to;
        data.units = table.unitSystem();

        const int n = std::max(range.points, 2);
        auto pipeline = std::make_shared<CurvePipeline>(table, medium);
        std::vector<ReynoldsRange> reynolds(pipeline->elements().size());
        data.flows.reserve(static_cast<std::size_t>(n));
        data.losses.reserve(static_cast<std::size_t>(n));
        const Real step = (range.to - range.from) / static_cast<Real>(n - 1);
        for (int i = 0; i < n; ++i) {
            const Real flow = i == n - 1 ? range.to : range.from + static_cast<Real>(i) * step;
            data.flows.push_back(flow);
            data.losses.push_back(pipeline->lossAt(flow * unit.cubicMetresPerHour, &reynolds));
        }
        run.pipeline = std::move(pipeline);

        Real largest = 0;
        for (const Real loss : data.losses) largest = std::max(largest, std::fabs(loss));
        if (largest < kNoLoss) {
            messenger.show(information(texts, data.units == model::UnitSystem::Us
                                                  ? CurveRangeText::NoLossUs
                                                  : CurveRangeText::NoLossMetric));
            return std::nullopt;
        }
        run.crossesTransition = std::any_of(reynolds.begin(), reynolds.end(),
                                            [](const ReynoldsRange& r) { return r.crossesTransition(); });
        if (run.crossesTransition) messenger.show(information(texts, CurveRangeText::TransitionNotice));
        return run;
    } catch (const CurveElementError& e) {
        messenger.show(elementFailure(texts, e, std::string(unit.label), unit.cubicMetresPerHour));
    } catch (const std::exception&) {
        messenger.show({.icon = MessageIcon::Warning,
                        .caption = texts.text(GlobalText::WarningCaption),
                        .text = rangeText(texts, CurveRangeText::ComputationFailed)});
    }
    return std::nullopt;
}

}  // namespace velmora::workflow
