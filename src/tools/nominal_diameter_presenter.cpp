#include "tools/nominal_diameter_presenter.h"

#include <cmath>

#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/unit_catalogue.h"

namespace velmora::tools {

using T = NominalDiameterText;

namespace {

constexpr Real kMmPerInch = 25.4L;
constexpr Real kMetresPerFoot = 0.3048L;

const char* blockName(EconomicMedium medium) {
    return medium == EconomicMedium::Liquid ? "TNennw_Fl_Dlg" : "TNennw_Ga_Dlg";
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

}  // namespace

std::vector<std::string> NominalDiameterPresenter::flowUnits() {
    std::vector<std::string> units;
    for (const std::string& label : model::unitLabels(model::Quantity::VolumeFlow))
        if (!model::isNormFlowUnit(label)) units.push_back(label);
    return units;
}

NominalDiameterPresenter::NominalDiameterPresenter(const lang::TextCatalogue& texts, EconomicMedium medium)
    : ToolPresenter(texts, blockName(medium)), medium_(medium) {
    form_.choice(FlowUnit) = model::UnitBox(flowUnits());
    form_.choice(Metric) = model::UnitBox({"US", "metric"});
    form_.choice(Metric).select(1);
}

void NominalDiameterPresenter::shown(const MainFormFlow& flow, model::Messenger& messenger) {
    form_.setCaption(FlowLabel, text(T::FlowLabel));
    form_.setCaption(Metric, text(T::MetricListing));
    form_.setCaption(Calculate, global(model::GlobalText::ButtonCalculate));
    form_.setCaption(Close, global(model::GlobalText::ButtonClose));
    form_.setOutput(Listing, "");
    // A norm flow is no operating flow, and a mass flow no volume flow: the entry starts empty.
    if (flow.massFlow || model::isNormFlowUnit(flow.unitLabel)) {
        form_.choice(FlowUnit).select(0);
        form_.setText(Flow, "");
        return;
    }
    form_.setText(Flow, flow.text);
    if (!form_.choice(FlowUnit).selectLabel(flow.unitLabel)) form_.choice(FlowUnit).select(0);
    if (model::readNumber(flow.text)) calculate(messenger);
}

void NominalDiameterPresenter::edited(int) { form_.setOutput(Listing, ""); }

void NominalDiameterPresenter::chosen(int field, model::Messenger& messenger) {
    if (field == Metric) calculate(messenger);
    else form_.setOutput(Listing, "");
}

std::string NominalDiameterPresenter::heading(int which) const {
    const bool liquid = medium_ == EconomicMedium::Liquid;
    if (which == 0) {
        const char* tail = liquid ? (usListing() ? "10^-5 sq.ft./s)" : "10^-6 m²/s)") : (usListing() ? " 15 psi)" : " 1 bar)");
        return text(T::FirstTable) + " (" + text(T::FirstTableWord) + tail;
    }
    const char* tail =
        liquid ? (usListing() ? " (100*10^-5 sq.ft./s)" : " (100*10^-6 m²/s)") : (usListing() ? " 15 psi)" : " 1 bar)");
    return text(T::SecondTable) + tail;
}

std::string NominalDiameterPresenter::sizeText(int size) const {
    if (!usListing()) return "DN " + std::to_string(size);
    return write(size / 1000.0L, 2) + " in.";
}

std::vector<std::string> NominalDiameterPresenter::tableBlock(const EconomicDiameterTable& table, Real flow) const {
    const long long d = economicDiameter(table, flow);
    const std::string& economic = text(T::EconomicLine);
    const std::string& velocityWord = global(model::GlobalText::CaptionVelocity);
    std::vector<std::string> lines;
    long long size = d;  // the size in the listing's unit: mm, or thousandths of an inch
    if (!usListing()) {
        if (d > 1000) return {economic + " > 1000 mm!!"};
        if (d < 10) return {economic + " < 10 mm!!"};
        lines.push_back(economic + ": " + std::to_string(d) + " mm");
    } else {
        size = model::roundHalfAway(static_cast<Real>(d) / kMmPerInch * 1000);
        if (size > 24000) return {economic + " > 24 in.!!"};
        if (size < 125) return {economic + " < 0.125 in.!!"};
        lines.push_back(economic + " " + text(T::UsWord) + ": " + write(size / 1000.0L, 2) + " in.");
    }
    for (int standard : sizesAround(usListing() ? usNominalSizes() : metricNominalSizes(), size)) {
        const Real millimetres = usListing() ? standard * kMmPerInch / 1000 : standard;
        const Real v = pipeVelocity(flow, millimetres);
        const std::string velocity =
            usListing() ? write(v / kMetresPerFoot, 2) + " ft./s" : write(v, 2) + " m/s";
        lines.push_back(text(T::SizeLine) + ": " + sizeText(standard) + " ==> " + velocityWord + " " + velocity);
    }
    return lines;
}

void NominalDiameterPresenter::calculate(model::Messenger& messenger) {
    form_.setOutput(Listing, "");
    std::optional<Real> value = model::readNumber(form_.text(Flow));
    if (!value) {
        // The flow label's caption after a blank, as the listing's own message.
        model::UserMessage message = lang::numberEntryError(texts(), form_.caption(FlowLabel), Flow);
        message.text = global(model::GlobalText::InvalidNumber) + " " + form_.caption(FlowLabel);
        messenger.show(message);
        return;
    }
    Real flow = std::fabs(*value);
    if (flow == 0) {
        flow = 1;
        form_.setText(Flow, write(1, 1));
    }
    const Real q = model::convertFlow(form_.current(FlowUnit), flow, 1);  // m³/h
    std::vector<std::string> lines{text(T::Heading),
                                   global(model::GlobalText::CaptionFlow) + " " + form_.text(Flow) + " " +
                                       form_.current(FlowUnit) + ":",
                                   ""};
    for (int which : {0, 1}) {
        if (which == 1) lines.push_back("");
        lines.push_back(heading(which));
        for (std::string& line : tableBlock(economicTable(medium_, which), q)) lines.push_back(std::move(line));
    }
    form_.setOutput(Listing, joinLines(lines));
}

}  // namespace velmora::tools
