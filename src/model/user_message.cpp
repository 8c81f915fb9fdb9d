#include "model/user_message.h"

namespace velmora::model {

std::vector<MessageButton> buttonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return {MessageButton::Ok};
        case MessageButtons::OkCancel:
            return {MessageButton::Ok, MessageButton::Cancel};
        case MessageButtons::YesNo:
            return {MessageButton::Yes, MessageButton::No};
        case MessageButtons::YesNoCancel:
            return {MessageButton::Yes, MessageButton::No, MessageButton::Cancel};
        case MessageButtons::SaveDiscardCancel:
            return {MessageButton::Save, MessageButton::Discard, MessageButton::Cancel};
    }
    return {MessageButton::Ok};
}

MessageButton defaultButtonOf(MessageButtons buttons) {
    if (buttons == MessageButtons::YesNoCancel) return MessageButton::No;
    return buttonsOf(buttons).front();
}

MessageButton escapeButtonOf(MessageButtons buttons) {
    const std::vector<MessageButton> offered = buttonsOf(buttons);
    for (MessageButton button : offered)
        if (button == MessageButton::Cancel) return button;
    return offered.back();
}

std::string logLine(const UserMessage& message) {
    std::string line;
    switch (message.icon) {
        case MessageIcon::Information:
            line = "information: ";
            break;
        case MessageIcon::Warning:
            line = "warning: ";
            break;
        case MessageIcon::Error:
            line = "error: ";
            break;
        case MessageIcon::Question:
            line = "question: ";
            break;
        case MessageIcon::None:
            line = "message: ";
            break;
    }
    // "\r\n" and "\n" count as one break like "\r".
    for (std::size_t i = 0; i < message.text.size(); ++i) {
        const char c = message.text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < message.text.size() && message.text[i + 1] == '\n') ++i;
            line += " / ";
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace velmora::model
