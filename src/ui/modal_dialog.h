#pragma once

#include <QDialog>

#include "model/messenger.h"
#include "ui/qt_messenger.h"

namespace velmora::ui {

class DialogBinder;

// Puts a top-level window centred over its parent (over its screen without one), fully on the
// screen that holds the parent's centre.
void centreOnParent(QWidget* window);

// The frame every dialog of the program shares: modal, a title bar with the close button only (no
// minimise or maximise), centred on its parent each time it opens. Created once and reused, so its
// entries persist between openings.
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModalDialog(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};

// A dialog's messages: message boxes over the dialog, then the focus to the dialog field the
// message names.
class DialogMessenger : public model::Messenger {
public:
    DialogMessenger(QWidget* dialog, DialogBinder& binder);

    model::MessageButton show(const model::UserMessage& message) override;

private:
    QtMessenger boxes_;
    DialogBinder& binder_;
};

}  // namespace velmora::ui
