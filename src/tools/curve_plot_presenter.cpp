#include "tools/curve_plot_presenter.h"

#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/system_curve_texts.h"
#include "tools/curve_copy_text.h"
#include "tools/curve_flow_units.h"

namespace velmora::tools {

namespace {

using model::CurvePlotText;
using model::GlobalText;
constexpr const char* kBlock = "TKurve";

int unitIndexOf(const std::string& label) {
    const auto units = curveFlowUnits();
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].label == label) return static_cast<int>(i);
    return 0;
}

// A converted flow: four decimals, without the zeros that end them.
std::string flowText(Real value, bool decimalComma) {
    std::string text = model::writeNumber(value, 4, false);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return decimalComma ? model::replaceChar(text, '.', ',') : text;
}

// Discards the messages of a pump curve drawn again for a new run.
class SilentMessenger : public model::Messenger {
  public:
    model::MessageButton show(const model::UserMessage&) override { return model::MessageButton::Ok; }
};

}  // namespace

CurvePlotPresenter::CurvePlotPresenter(const lang::TextCatalogue& texts) : texts_(&texts) {
    form_.choice(HeadUnit).refill({"m", "ft"});
}

const std::string& CurvePlotPresenter::text(int position) const {
    return lang::blockText(*texts_, kBlock, position);
}

const std::string& CurvePlotPresenter::title() const {
    return text(static_cast<int>(CurvePlotText::Title));
}

CurvePlotWords CurvePlotPresenter::words() const {
    const auto t = [&](CurvePlotText position) { return text(static_cast<int>(position)); };
    return {.flow = texts_->text(GlobalText::CaptionFlow),
            .pressureLoss = texts_->text(GlobalText::CaptionPressureLoss),
            .unitConnector = texts_->text(GlobalText::UnitConnector),
            .legendSystem = t(CurvePlotText::LegendSystem),
            .legendPump = t(CurvePlotText::LegendPump),
            .operatingPoint = t(CurvePlotText::OperatingPoint),
            .pressureDifference = t(CurvePlotText::PressureDifference),
            .head = t(CurvePlotText::HeadWord),
            .noCrossing = t(CurvePlotText::NoCrossing),
            .decimalComma = texts_->edition().decimalComma()};
}

void CurvePlotPresenter::shown() {
    const auto caption = [&](Field field, CurvePlotText position) {
        form_.setCaption(field, text(static_cast<int>(position)));
    };
    caption(PumpGroup, CurvePlotText::PumpGroup);
    caption(HeadUnitLabel, CurvePlotText::HeadUnitLabel);
    caption(Load, CurvePlotText::Load);
    caption(Draw, CurvePlotText::Draw);
    caption(Remove, CurvePlotText::Remove);
    caption(Ok, CurvePlotText::Ok);
    caption(Print, CurvePlotText::Print);
    caption(Copy, CurvePlotText::Copy);
    caption(Save, CurvePlotText::Save);
    form_.setCaption(FlowHeader, "Q (" + data_.flowUnit + ")");
    form_.setCaption(HeadHeader, "H (" + form_.current(HeadUnit) + ")");
    form_.setOutput(DensityNote,
                    text(static_cast<int>(CurvePlotText::DensityNote)) + " " + medium_.densityText);
}

void CurvePlotPresenter::setCurve(SystemCurveData data, CurveMedium medium, SystemLoss system) {
    data_ = std::move(data);
    medium_ = std::move(medium);
    system_ = std::move(system);
    const int unit = unitIndexOf(data_.flowUnit);
    if (unit != flowUnit_) convertFlows(flowUnit_, unit);
    flowUnit_ = unit;
    pump_.reset();
    point_.reset();
    if (pumpWanted_) {
        SilentMessenger silent;
        if (!drawPump(silent)) pumpWanted_ = false;
    }
    shown();
    rebuildPlot();
}

PumpEntries CurvePlotPresenter::entries() const {
    PumpEntries entries;
    for (int row = 0; row < kMaxPumpPoints; ++row)
        entries.rows[static_cast<std::size_t>(row)] = {form_.text(flowField(row)),
                                                       form_.text(headField(row))};
    entries.headUnit = form_.index(HeadUnit);
    entries.flowUnit = flowUnit_;
    entries.shown = pumpWanted_;
    return entries;
}

void CurvePlotPresenter::setEntries(const PumpEntries& entries) {
    for (int row = 0; row < kMaxPumpPoints; ++row) {
        const auto& [flow, head] = entries.rows[static_cast<std::size_t>(row)];
        form_.setText(flowField(row), flow);
        form_.setText(headField(row), head);
    }
    if (!form_.choice(HeadUnit).select(entries.headUnit)) form_.choice(HeadUnit).select(0);
    flowUnit_ = entries.flowUnit >= 0 && entries.flowUnit < static_cast<int>(curveFlowUnits().size())
                    ? entries.flowUnit
                    : 0;
    pumpWanted_ = entries.shown;
}

std::vector<std::pair<std::string, std::string>> CurvePlotPresenter::rowTexts() const {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 0; row < kMaxPumpPoints; ++row)
        rows.emplace_back(form_.text(flowField(row)), form_.text(headField(row)));
    return rows;
}

void CurvePlotPresenter::convertFlows(int fromUnit, int toUnit) {
    const Real factor = curveFlowUnit(fromUnit).cubicMetresPerHour / curveFlowUnit(toUnit).cubicMetresPerHour;
    const bool comma = texts_->edition().decimalComma();
    for (int row = 0; row < kMaxPumpPoints; ++row) {
        const std::string& typed = form_.text(flowField(row));
        if (typed.find_first_not_of(' ') == std::string::npos) continue;
        if (const auto value = model::readNumber(typed))
            form_.setText(flowField(row), flowText(*value * factor, comma));
    }
}

model::UserMessage CurvePlotPresenter::problemMessage(const PumpProblem& problem, bool fromFile) const {
    using Kind = PumpProblem::Kind;
    const std::string rowWord = text(static_cast<int>(CurvePlotText::RowWord));
    const int entry =
        problem.row < 0 ? -1 : (problem.headColumn ? headField(problem.row) : flowField(problem.row));
    if (problem.kind == Kind::NotANumber) {
        const std::string label = rowWord + " " + std::to_string(problem.row + 1) + ", " +
                                  form_.caption(problem.headColumn ? HeadHeader : FlowHeader);
        return lang::numberEntryError(*texts_, label, entry);
    }
    CurvePlotText wording = CurvePlotText::PointCount;
    switch (problem.kind) {
        case Kind::PointCount:
            wording = CurvePlotText::PointCount;
            break;
        case Kind::Incomplete:
            wording = CurvePlotText::IncompleteRow;
            break;
        case Kind::FlowsNotIncreasing:
            wording = CurvePlotText::FlowsNotIncreasing;
            break;
        case Kind::HeadRising:
            wording = CurvePlotText::HeadRising;
            break;
        case Kind::NegativeHead:
            wording = CurvePlotText::NegativeHead;
            break;
        case Kind::FileNoCurve:
            wording = CurvePlotText::FileNoCurve;
            break;
        case Kind::NotANumber:
            break;
    }
    std::string message = text(static_cast<int>(wording));
    if (problem.row >= 0) message += "\r" + rowWord + " " + std::to_string(problem.row + 1);
    return {.icon = model::MessageIcon::Error,
            .caption = texts_->text(GlobalText::ProgramTitle),
            .text = std::move(message),
            .entry = fromFile ? -1 : entry};
}

bool CurvePlotPresenter::drawPump(model::Messenger& messenger) {
    const PumpEntryRead read = readPumpEntries(rowTexts());
    if (read.problem) {
        messenger.show(problemMessage(*read.problem, false));
        return false;
    }
    pump_ = std::make_unique<PumpCurve>(read.points,
                                        form_.index(HeadUnit) == 1 ? HeadUnit::Foot : HeadUnit::Metre,
                                        medium_.density, data_.units);
    point_.reset();
    try {
        if (system_) point_ = findOperatingPoint(*pump_, system_, data_.from, data_.to, data_.flows);
    } catch (const std::exception&) {
        // The system could not be computed between its points: no crossing to show.
    }
    pumpWanted_ = true;
    form_.setCaption(HeadHeader, "H (" + form_.current(HeadUnit) + ")");
    rebuildPlot();
    return true;
}

bool CurvePlotPresenter::loadPumpFile(std::string_view fileText, model::Messenger& messenger) {
    const PumpFileRead read = readPumpFile(fileText);
    if (read.problem) {
        messenger.show(problemMessage(*read.problem, true));
        return false;
    }
    if (read.rows.size() > static_cast<std::size_t>(kMaxPumpPoints)) {
        messenger.show(problemMessage({PumpProblem::Kind::PointCount, -1, false}, true));
        return false;
    }
    for (int row = 0; row < kMaxPumpPoints; ++row) {
        const bool given = row < static_cast<int>(read.rows.size());
        form_.setText(flowField(row), given ? read.rows[static_cast<std::size_t>(row)].first : "");
        form_.setText(headField(row), given ? read.rows[static_cast<std::size_t>(row)].second : "");
    }
    return drawPump(messenger);
}

void CurvePlotPresenter::removePump() {
    pump_.reset();
    point_.reset();
    pumpWanted_ = false;
    rebuildPlot();
}

void CurvePlotPresenter::rebuildPlot() {
    const CurvePlotWords w = words();
    plot_ = buildCurvePlot(data_, medium_, w, {pump_.get(), point_});
    form_.setOutput(Statement, plot_.footer.empty() ? std::string() : plot_.footer.front());
    form_.setEnabled(Remove, pump_ != nullptr);
}

std::string CurvePlotPresenter::copyText() const {
    return curveCopyText(plot_, data_, {pump_.get(), point_}, words(),
                         text(static_cast<int>(CurvePlotText::PumpColumn)));
}

}  // namespace velmora::tools
