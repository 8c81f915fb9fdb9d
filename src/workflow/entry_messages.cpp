#include "workflow/entry_messages.h"

#include "model/number_text.h"

namespace velmora::workflow {

using model::GlobalText;

namespace {

UserMessage errorMessage(const lang::TextCatalogue& texts, std::string text, FormField focus) {
    return {.icon = MessageIcon::Error,
            .caption = texts.text(GlobalText::MessageCaption),
            .text = std::move(text),
            .focus = focus};
}

}  // namespace

UserMessage invalidEntryMessage(const lang::TextCatalogue& texts, std::string_view labelCaption,
                                FormField focus) {
    return errorMessage(
        texts, texts.text(GlobalText::InvalidEntryLead) + "\r\"" + std::string(labelCaption) + "\"!", focus);
}

UserMessage boundMessage(const lang::TextCatalogue& texts, std::string_view labelCaption, GlobalText wording,
                         std::string_view boundText, FormField focus) {
    std::string text = texts.text(GlobalText::InvalidEntryLead) + " \r>> " + std::string(labelCaption) +
                       " << \r" + texts.text(wording) + "\r>> " + std::string(boundText) + " << ";
    return errorMessage(texts, std::move(text), focus);
}

UserMessage relationMessage(const lang::TextCatalogue& texts, const std::vector<GlobalText>& lines,
                            bool leadText, FormField focus) {
    std::string text = leadText ? texts.text(GlobalText::InvalidEntryLead) : std::string();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (leadText || i > 0) text += "\r";
        text += texts.text(lines[i]);
    }
    return errorMessage(texts, std::move(text), focus);
}

std::string boundText(const lang::TextCatalogue& texts, model::CheckKind kind, model::Real bound) {
    if (kind == model::CheckKind::Positive || kind == model::CheckKind::NonNegative) return "0";
    return model::writeNumber(bound, 1, texts.edition().decimalComma());
}

UserMessage checkFailureMessage(const lang::TextCatalogue& texts, const model::CheckFailure& failure,
                                std::string_view labelCaption) {
    const FormField focus = slotField(failure.focusSlot);
    if (failure.kind == model::CheckKind::Relation)
        return relationMessage(texts, failure.texts, failure.leadText, focus);
    return boundMessage(texts, labelCaption, failure.texts.at(0),
                        boundText(texts, failure.kind, failure.bound), focus);
}

}  // namespace velmora::workflow
