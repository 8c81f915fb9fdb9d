#include "tools/pipe_content.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/number_text.h"
#include "model/unit_catalogue.h"
#include "tools/nominal_diameter_presenter.h"

namespace velmora::tools {

using model::GlobalText;

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;
constexpr Real kFoot = 0.3048L;
constexpr int kGallonsPerMinute = 11;  // position of "gal/min" in the flow list

}  // namespace

Real columnContent(const ContentColumn& column) {
    if (!column.kind || column.kind->group != 1) return 0;
    const auto& s = column.slots;
    Real volume = 0;
    switch (column.kind->subgroup) {
        case 1: volume = kPi / 4 * s[0] * s[0] * s[1] / 1e6; break;              // D, L
        case 2:                                                                  // B, H, L
        case 4: volume = s[0] * s[1] * s[2] / 1e6; break;
        case 3: volume = kPi / 4 * (s[0] * s[0] - s[1] * s[1]) / 1e6 * s[2]; break;  // D, Di, L
        case 5: volume = kPi / 4 * s[0] * s[0] * s[3] / 1e6; break;              // D, t, T, L
        case 6: volume = s[0] * s[2]; break;                                     // A, U, L
        default: break;
    }
    return volume * column.count;
}

PipeContentPresenter::PipeContentPresenter(const lang::TextCatalogue& texts) : ToolPresenter(texts, "TInhaltDlg") {
    form_.choice(FlowUnit) = model::UnitBox(NominalDiameterPresenter::flowUnits());
}

void PipeContentPresenter::shown(std::vector<ContentColumn> columns, const std::string& firstFlowCell,
                                 model::Messenger& messenger) {
    columns_ = std::move(columns);
    form_.setCaption(FirstLabel, text(ContentText::FirstLabel));
    form_.setCaption(LastLabel, text(ContentText::LastLabel));
    form_.setCaption(FlowLabel, text(ContentText::FlowLabel));
    form_.setCaption(ContentLabel, text(ContentText::ContentLabel));
    form_.setCaption(TimeLabel, text(ContentText::TimeLabel));
    form_.setCaption(Note, text(ContentText::Note));
    form_.setCaption(Recalculate, text(ContentText::Recalculate));
    form_.setCaption(Close, global(GlobalText::ButtonClose));
    form_.setText(FirstColumn, "1");
    form_.setText(LastColumn, std::to_string(columnCount()));
    form_.setText(Flow, firstFlowCell);
    form_.choice(FlowUnit).select(us() ? kGallonsPerMinute : 0);
    calculate(messenger);
}

void PipeContentPresenter::edited(int) { form_.clearOutputs({Content, Time}); }
void PipeContentPresenter::chosen(int) { form_.clearOutputs({Content, Time}); }

void PipeContentPresenter::calculate(model::Messenger& messenger) {
    form_.clearOutputs({Content, Time});
    const auto first = number(FirstColumn, FirstLabel, messenger);
    if (!first) return;
    const auto last = number(LastColumn, LastLabel, messenger);
    if (!last) return;
    auto from = static_cast<long long>(*first);
    auto to = static_cast<long long>(*last);
    if (to < from) std::swap(from, to);
    from = std::max<long long>(from, 1);
    to = std::min<long long>(to, columnCount());
    Real content = 0;  // m³
    for (long long c = from; c <= to; ++c) content += columnContent(columns_[static_cast<std::size_t>(c - 1)]);

    if (us()) form_.setOutput(Content, write(content / (kFoot * kFoot * kFoot), 2) + " ft³");
    else if (content < 0.1L) form_.setOutput(Content, write(content * 1000, 2) + " l");
    else form_.setOutput(Content, write(content, 2) + " m³");

    const auto flow = number(Flow, FlowLabel, messenger);
    if (!flow || *flow == 0) return;
    const Real hours = content / std::fabs(model::convertFlow(form_.current(FlowUnit), *flow, 1));
    if (hours >= 1) form_.setOutput(Time, write(hours, 2) + " h");
    else if (hours >= 1.0L / 60) form_.setOutput(Time, write(hours * 60, 2) + " min");
    else form_.setOutput(Time, write(hours * 3600, 2) + " s");
}

}  // namespace velmora::tools
