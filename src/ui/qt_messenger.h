#pragma once

#include <QWidget>
#include <functional>

#include "workflow/messenger.h"

namespace velmora::ui {

// Shows each message as a message box over `parent`, then hands the focus to the named field.
class QtMessenger : public workflow::Messenger {
public:
    using FocusHandler = std::function<void(workflow::FormField)>;

    QtMessenger(QWidget* parent, FocusHandler focus) : parent_(parent), focus_(std::move(focus)) {}

    workflow::MessageButton show(const workflow::UserMessage& message) override;

private:
    QWidget* parent_;
    FocusHandler focus_;
};

}  // namespace velmora::ui
