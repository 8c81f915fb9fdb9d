#include "ui/modal_dialog.h"

#include <QGuiApplication>
#include <QShowEvent>
#include <algorithm>
#include <QScreen>

#include "ui/dialog_binder.h"

namespace velmora::ui {

void centreOnParent(QWidget* window) {
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QRect around = parent ? parent->frameGeometry() : window->screen()->availableGeometry();
    const QScreen* screen = QGuiApplication::screenAt(around.center());
    const QRect area = (screen ? screen : window->screen())->availableGeometry();
    const QRect frame = window->frameGeometry();
    QPoint topLeft = around.center() - QPoint(frame.width() / 2, frame.height() / 2);
    topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - frame.width() + 1)));
    topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - frame.height() + 1)));
    window->move(topLeft);
}

ModalDialog::ModalDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setModal(true);
}

void ModalDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) centreOnParent(this);
}

DialogMessenger::DialogMessenger(QWidget* dialog, DialogBinder& binder)
    : boxes_(dialog, QtMessenger::FocusHandler{}), binder_(binder) {}

model::MessageButton DialogMessenger::show(const model::UserMessage& message) {
    const model::MessageButton pressed = boxes_.show(message);
    if (message.entry >= 0) binder_.focus(message.entry);
    return pressed;
}

}  // namespace velmora::ui
