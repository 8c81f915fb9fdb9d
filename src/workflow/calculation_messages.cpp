#include "workflow/calculation_messages.h"

#include <stdexcept>
#include <string>

#include "model/number_text.h"

namespace velmora::workflow {

namespace {

using engine::NoticeKind;
using model::GlobalText;

// How each engine notice is shown. A plain message box carries the program title, as the
// toolkit's plain message does.
struct NoticeStyle {
    NoticeKind kind;
    GlobalText text;
    MessageIcon icon;
    GlobalText caption;
};

constexpr NoticeStyle kNoticeStyles[] = {
    {NoticeKind::LaminarCoefficient, GlobalText::LaminarNotice, MessageIcon::None, GlobalText::ProgramTitle},
    {NoticeKind::OrificePlateReynoldsRange, GlobalText::OrificeReynoldsWarning, MessageIcon::Information,
     GlobalText::NoticeCaption},
    {NoticeKind::SharpOrificeReynoldsRange, GlobalText::SharpOrificeReynoldsWarning, MessageIcon::Information,
     GlobalText::NoticeCaption},
    {NoticeKind::RoundedOrificeReynoldsRange, GlobalText::RoundedOrificeReynoldsWarning,
     MessageIcon::Information, GlobalText::NoticeCaption},
    {NoticeKind::ThickOrificeReynoldsRange, GlobalText::ThickOrificeReynoldsWarning, MessageIcon::Information,
     GlobalText::NoticeCaption},
    {NoticeKind::OutsideCorrelationRange, GlobalText::OutsideCorrelationNotice, MessageIcon::Information,
     GlobalText::NoticeCaption},
};

const NoticeStyle& styleOf(NoticeKind kind) {
    for (const NoticeStyle& style : kNoticeStyles)
        if (style.kind == kind) return style;
    throw std::invalid_argument("notice kind without a message");
}

// A table argument as the user reads it: up to four decimals, trailing zeros dropped ("120", "0.05").
std::string argumentText(model::Real value, bool decimalComma) {
    std::string text = model::writeNumber(value, 4, false);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return decimalComma ? model::replaceChar(text, '.', ',') : text;
}

constexpr model::Real kTransitionLow = 2200;
constexpr model::Real kTransitionHigh = 2320;

}  // namespace

UserMessage noticeMessage(const lang::TextCatalogue& texts, const engine::Notice& notice) {
    const NoticeStyle& style = styleOf(notice.kind);
    std::string text = texts.text(style.text);
    if (notice.kind == NoticeKind::OutsideCorrelationRange) {
        const bool comma = texts.edition().decimalComma();
        text += "\r" + argumentText(notice.value, comma) + " -> " + argumentText(notice.heldAt, comma);
    }
    return {.icon = style.icon, .caption = texts.text(style.caption), .text = std::move(text)};
}

bool inTransitionZone(model::Real reynolds) {
    return reynolds >= kTransitionLow && reynolds <= kTransitionHigh;
}

UserMessage transitionZoneMessage(const lang::TextCatalogue& texts) {
    return {.icon = MessageIcon::Information,
            .caption = texts.text(GlobalText::NoticeCaption),
            .text = texts.text(GlobalText::TransitionZoneNotice)};
}

UserMessage gasLimitMessage(const lang::TextCatalogue& texts) {
    return {.icon = MessageIcon::Error,
            .caption = texts.text(GlobalText::ErrorCaption),
            .text = texts.text(GlobalText::GasLimitExceeded) + "\r" + texts.text(GlobalText::GasLimitAdvice)};
}

UserMessage calculationFailedMessage(const lang::TextCatalogue& texts) {
    return {.icon = MessageIcon::None,
            .caption = texts.text(GlobalText::ProgramTitle),
            .text = texts.text(GlobalText::CalculationFailed)};
}

}  // namespace velmora::workflow
