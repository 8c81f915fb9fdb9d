#include "lang/dialog_messages.h"

namespace velmora::lang {

using model::GlobalText;
using model::MessageIcon;
using model::UserMessage;

UserMessage numberEntryError(const TextCatalogue& texts, std::string_view labelCaption, int entry) {
    return {.icon = MessageIcon::Error,
            .caption = texts.text(GlobalText::ProgramTitle),
            .text = texts.text(GlobalText::InvalidNumber) + "\r\"" + std::string(labelCaption) + "\"!",
            .entry = entry};
}

UserMessage dataFileError(const TextCatalogue& texts, std::string_view fileName, FileNameBreak separator) {
    return {.icon = MessageIcon::Warning,
            .caption = texts.text(GlobalText::ErrorCaption),
            .text = texts.text(GlobalText::DataFileOpenFailed) + (separator == FileNameBreak::Line ? "\r" : " ") +
                    std::string(fileName)};
}

UserMessage plainMessage(const TextCatalogue& texts, std::string text, int entry) {
    return {.icon = MessageIcon::None,
            .caption = texts.text(GlobalText::ProgramTitle),
            .text = std::move(text),
            .entry = entry};
}

const std::string& blockText(const TextCatalogue& texts, std::string_view window, int position) {
    static const std::string none;
    const std::vector<std::string>* block = texts.windowBlock(window);
    if (!block || position < 0 || static_cast<std::size_t>(position) >= block->size()) return none;
    return (*block)[static_cast<std::size_t>(position)];
}

}  // namespace velmora::lang
