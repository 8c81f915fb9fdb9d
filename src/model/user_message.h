#pragma once

#include <string>
#include <vector>

#include "model/form_field.h"

namespace velmora::model {

enum class MessageIcon { None, Information, Warning, Error, Question };

// The buttons a message box offers. SaveDiscardCancel is the question before unsaved work is
// given up: its buttons say what they do, so that no answer can be mistaken for another.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };

// The button the user pressed.
enum class MessageButton { Ok, Cancel, Yes, No, Save, Discard };

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

// The button Enter presses: the first of the set, except "no" for yes/no/cancel. For the save
// question it is Save, so that Enter never throws work away.
MessageButton defaultButtonOf(MessageButtons buttons);

// What closing the box without an answer (Escape, the title bar's close button) counts as:
// Cancel where the set has one, otherwise its last button. Closing the save question therefore
// keeps everything as it was.
MessageButton escapeButtonOf(MessageButtons buttons);

// One line for a log or the command line: "information: …", "warning: …", "error: …",
// "question: …" or "message: …" by icon, with every line break written as " / ".
std::string logLine(const UserMessage& message);

}  // namespace velmora::model
