#include "ui/qt_messenger.h"

#include <QMessageBox>

#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

using workflow::MessageButton;
using workflow::MessageIcon;

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Warning: return QMessageBox::Warning;
        case MessageIcon::Error: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton standardButton(MessageButton button) {
    switch (button) {
        case MessageButton::Ok: return QMessageBox::Ok;
        case MessageButton::Cancel: return QMessageBox::Cancel;
        case MessageButton::Yes: return QMessageBox::Yes;
        case MessageButton::No: return QMessageBox::No;
        case MessageButton::Save: return QMessageBox::Save;
        case MessageButton::Discard: return QMessageBox::Discard;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageButton QtMessenger::show(const workflow::UserMessage& message) {
    QMessageBox box(iconOf(message.icon), qs(message.caption), displayText(message.text), QMessageBox::NoButton, parent_);
    const std::vector<MessageButton> buttons = workflow::buttonsOf(message.buttons);
    for (MessageButton button : buttons) box.addButton(standardButton(button));
    // Enter presses the set's default (Save for the save question); Escape and the title bar's
    // close button answer with its escape button (Cancel where there is one).
    box.setDefaultButton(standardButton(workflow::defaultButtonOf(message.buttons)));
    const MessageButton escape = workflow::escapeButtonOf(message.buttons);
    box.setEscapeButton(box.button(standardButton(escape)));
    fitMessageBox(box);
    const int pressed = box.exec();
    if (focus_ && message.focus != workflow::FormField::None) focus_(message.focus);
    for (MessageButton button : buttons)
        if (pressed == standardButton(button)) return button;
    return escape;
}

}  // namespace velmora::ui
