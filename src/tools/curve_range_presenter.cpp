#include "tools/curve_range_presenter.h"

#include <climits>

#include "lang/dialog_messages.h"
#include "model/number_text.h"
#include "model/system_curve_texts.h"
#include "tools/curve_flow_units.h"

namespace velmora::tools {

namespace {

using model::CurveRangeText;
constexpr const char* kBlock = "TAnlagenkennlinie_Dlg";

}  // namespace

int curvePointCount(Real entered) {
    if (entered < 2) entered = 10;
    if (entered > static_cast<Real>(kMaxCurvePoints) + 1) return INT_MAX;
    return static_cast<int>(model::roundHalfAway(entered));
}

CurveRangePresenter::CurveRangePresenter(const lang::TextCatalogue& texts) : texts_(&texts) {
    std::vector<std::string> units;
    for (const CurveFlowUnit& unit : curveFlowUnits()) units.emplace_back(unit.label);
    form_.choice(Unit).refill(units);
    setEntries({});
}

const std::string& CurveRangePresenter::title() const {
    return lang::blockText(*texts_, kBlock, CurveRangeText::Title);
}

void CurveRangePresenter::shown(const std::string& mediumName) {
    const auto caption = [&](Field field, CurveRangeText text) {
        form_.setCaption(field, lang::blockText(*texts_, kBlock, text));
    };
    caption(Intro, CurveRangeText::Intro);
    caption(FromLabel, CurveRangeText::FromLabel);
    caption(ToLabel, CurveRangeText::ToLabel);
    caption(UnitLabel, CurveRangeText::UnitLabel);
    caption(PointsLabel, CurveRangeText::PointsLabel);
    caption(MediumLabel, CurveRangeText::MediumLabel);
    caption(Calculate, CurveRangeText::Calculate);
    caption(Cancel, CurveRangeText::Cancel);
    form_.setOutput(Medium, mediumName);
}

CurveRangeEntries CurveRangePresenter::entries() const {
    return {form_.text(From), form_.text(To), form_.index(Unit), form_.text(Points)};
}

void CurveRangePresenter::setEntries(const CurveRangeEntries& entries) {
    form_.setText(From, entries.from);
    form_.setText(To, entries.to);
    form_.setText(Points, entries.points);
    if (!form_.choice(Unit).select(entries.unitIndex)) form_.choice(Unit).select(0);
}

std::optional<Real> CurveRangePresenter::number(Field entry, Field label, model::Messenger& messenger) const {
    if (auto value = model::readNumber(form_.text(entry))) return value;
    const CurveRangeText text = label == FromLabel ? CurveRangeText::FromLabel
                                : label == ToLabel ? CurveRangeText::ToLabel
                                                   : CurveRangeText::PointsLabel;
    messenger.show(lang::numberEntryError(*texts_, lang::blockText(*texts_, kBlock, text), entry));
    return std::nullopt;
}

model::UserMessage CurveRangePresenter::refusal(int text, Field entry) const {
    return {.icon = model::MessageIcon::Error,
            .caption = texts_->text(model::GlobalText::ProgramTitle),
            .text = lang::blockText(*texts_, kBlock, text),
            .entry = entry};
}

std::optional<CurveRange> CurveRangePresenter::read(model::Messenger& messenger) const {
    const auto from = number(From, FromLabel, messenger);
    if (!from) return std::nullopt;
    const auto to = number(To, ToLabel, messenger);
    if (!to) return std::nullopt;
    const auto points = number(Points, PointsLabel, messenger);
    if (!points) return std::nullopt;
    if (*from < 0) {
        messenger.show(refusal(static_cast<int>(CurveRangeText::NegativeFrom), From));
        return std::nullopt;
    }
    const int count = curvePointCount(*points);
    if (count > kMaxCurvePoints) {
        messenger.show(refusal(static_cast<int>(CurveRangeText::TooManyPoints), Points));
        return std::nullopt;
    }
    return CurveRange{*from, *to, form_.index(Unit), count};
}

}  // namespace velmora::tools
