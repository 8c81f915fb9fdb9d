#pragma once

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "lang/edition.h"
#include "lang/text_catalogue.h"
#include "persist/data_file_set.h"
#include "persist/text_catalogue_loader.h"
#include "support/built_texts.h"
#include "workflow/messenger.h"
#include "workflow/user_message.h"

namespace velmora::workflow {

// Readable failures: the text with its line breaks shown as "\r".
inline void PrintTo(const UserMessage& message, std::ostream* out) {
    std::string text;
    for (char c : message.text) text += c == '\r' ? std::string("\\r") : std::string(1, c);
    *out << "{icon " << static_cast<int>(message.icon) << ", caption \"" << message.caption << "\", text \""
         << text << "\", buttons " << static_cast<int>(message.buttons) << ", focus "
         << static_cast<int>(message.focus) << "}";
}

namespace testing {

using Language = lang::Edition::Language;

inline const char* languageName(Language language) {
    switch (language) {
        case Language::German:
            return "German";
        case Language::English:
            return "English";
        case Language::French:
            return "French";
        case Language::Dutch:
            return "Dutch";
    }
    return "?";
}

// The text files as the build writes them, loaded once per edition.
inline const lang::TextCatalogue& builtTexts(Language language) {
    return velmora::testing::loadBuiltTexts(language);
}

// An entry or check message of the main form as the user must see it.
inline UserMessage formError(const lang::TextCatalogue& texts, std::string text, FormField focus) {
    return {.icon = MessageIcon::Error,
            .caption = texts.text(model::GlobalText::MessageCaption),
            .text = std::move(text),
            .buttons = MessageButtons::Ok,
            .focus = focus};
}

// The one check of the messages a run showed: all of them, in order, exactly.
inline void expectMessages(const RecordingMessenger& messenger, const std::vector<UserMessage>& expected) {
    EXPECT_EQ(messenger.messages(), expected);
}

}  // namespace testing
}  // namespace velmora::workflow

namespace velmora::lang {
inline void PrintTo(Edition::Language language, std::ostream* out) {
    *out << workflow::testing::languageName(language);
}
}  // namespace velmora::lang
