#pragma once

#include <string>
#include <vector>

#include "model/form_field.h"

namespace velmora::model {

enum class MessageIcon { None, Information, Warning, Error, Question };

// The buttons a message box offers.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The button the user pressed.
enum class MessageButton { Ok, Cancel, Yes, No };

// One message box as data: the toolkit shows it, tests and the command line record it. Line
// breaks inside the text are "\r".
struct UserMessage {
    MessageIcon icon = MessageIcon::None;
    std::string caption{};
    std::string text{};
    MessageButtons buttons = MessageButtons::Ok;
    FormField focus = FormField::None;  // the field of the main form that gets the focus afterwards
    int entry = -1;  // the dialog field (the presenter's own numbering) that gets the focus afterwards

    friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

// The buttons of a set, in the order they are offered.
std::vector<MessageButton> buttonsOf(MessageButtons buttons);

// One line for a log or the command line: "information: …", "warning: …", "error: …",
// "question: …" or "message: …" by icon, with every line break written as " / ".
std::string logLine(const UserMessage& message);

}  // namespace velmora::model
