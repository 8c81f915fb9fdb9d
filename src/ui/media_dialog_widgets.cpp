#include "ui/media_dialog_widgets.h"

namespace velmora::ui {

QLabel* captionLabel(DialogBinder& binder, int field) {
    auto* label = new QLabel;
    binder.bindCaption(field, label);
    return label;
}

QLabel* outputLabel(DialogBinder& binder, int field, int minimumWidth) {
    auto* label = new QLabel;
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);  // one line high, never stretched
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    binder.bindOutput(field, label);
    return label;
}

QLineEdit* entryField(DialogBinder& binder, int field, int width) {
    auto* entry = new QLineEdit;
    entry->setFixedWidth(width);
    binder.bindEntry(field, entry);
    return entry;
}

QComboBox* choiceBox(DialogBinder& binder, int field) {
    auto* box = new QComboBox;
    binder.bindChoice(field, box);
    return box;
}

QPushButton* pushButton(DialogBinder& binder, int field, std::function<void()> pressed) {
    auto* button = new QPushButton;
    binder.bindCaption(field, button);
    QObject::connect(button, &QPushButton::clicked, button, [pressed = std::move(pressed)] { pressed(); });
    return button;
}

}  // namespace velmora::ui
