#include "ui/dialog_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

QStringList itemsOf(const model::UnitBox& choice) {
    QStringList items;
    for (const std::string& item : choice.items()) items << qs(item);
    return items;
}

void setCaption(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(text);
}

}  // namespace

template <class W>
W* DialogBinder::remember(int field, W* widget) {
    all_.emplace_back(field, widget);
    return widget;
}

QLineEdit* DialogBinder::bindEntry(int field, QLineEdit* entry) {
    entries_[field] = entry;
    connect(entry, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        if (refreshing_) return;
        form_.setText(field, text.toStdString());
        Q_EMIT edited(field);
    });
    return remember(field, entry);
}

QComboBox* DialogBinder::bindChoice(int field, QComboBox* box) {
    choices_[field] = box;
    connect(box, &QComboBox::activated, this, [this, field](int index) {
        if (refreshing_ || !form_.choice(field).select(index)) return;
        Q_EMIT chosen(field);
    });
    return remember(field, box);
}

QListWidget* DialogBinder::bindChoice(int field, QListWidget* list) {
    choices_[field] = list;
    connect(list, &QListWidget::currentRowChanged, this, [this, field](int row) {
        if (refreshing_ || row == form_.index(field) || !form_.choice(field).select(row)) return;
        Q_EMIT chosen(field);
    });
    return remember(field, list);
}

QButtonGroup* DialogBinder::bindChoice(int field, QButtonGroup* group) {
    groups_[field] = group;
    connect(group, &QButtonGroup::idClicked, this, [this, field](int id) {
        if (refreshing_ || id == form_.index(field) || !form_.choice(field).select(id)) return;
        Q_EMIT chosen(field);
    });
    for (QAbstractButton* button : group->buttons()) remember(field, button);
    return group;
}

QCheckBox* DialogBinder::bindChoice(int field, QCheckBox* box) {
    checks_[field] = box;
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
        if (refreshing_ || !form_.choice(field).select(on ? 1 : 0)) return;
        Q_EMIT chosen(field);
    });
    return remember(field, box);
}

QSpinBox* DialogBinder::bindEntry(int field, QSpinBox* spin) {
    spins_[field] = spin;
    connect(spin, &QSpinBox::valueChanged, this, [this, field, spin](int) {
        if (refreshing_) return;
        form_.setText(field, spin->cleanText().toStdString());
        Q_EMIT edited(field);
    });
    return remember(field, spin);
}

QPlainTextEdit* DialogBinder::bindOutput(int field, QPlainTextEdit* memo) {
    memo->setReadOnly(true);
    outputs_[field] = memo;
    return remember(field, memo);
}

QLabel* DialogBinder::bindOutput(int field, QLabel* label) {
    outputs_[field] = label;
    return remember(field, label);
}

QLineEdit* DialogBinder::bindOutput(int field, QLineEdit* display) {
    display->setReadOnly(true);
    outputs_[field] = display;
    return remember(field, display);
}

QWidget* DialogBinder::bindCaption(int field, QWidget* widget) {
    captions_.emplace(field, widget);
    return remember(field, widget);
}

QWidget* DialogBinder::bindFlags(int field, QWidget* widget) { return remember(field, widget); }

void DialogBinder::refresh() {
    refreshing_ = true;
    for (auto& [field, entry] : entries_) {
        const QString text = qs(form_.text(field));
        if (entry->text() != text) entry->setText(text);
    }
    for (auto& [field, widget] : choices_) {
        const model::UnitBox& choice = form_.choice(field);
        const int index = choice.empty() ? -1 : choice.index();
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            QStringList shown;
            for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
            if (shown != itemsOf(choice)) {
                box->clear();
                box->addItems(itemsOf(choice));
            }
            box->setCurrentIndex(index);
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            QStringList shown;
            for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
            if (shown != itemsOf(choice)) {
                list->clear();
                list->addItems(itemsOf(choice));
            }
            list->setCurrentRow(index);
        }
    }
    for (auto& [field, group] : groups_) {
        const model::UnitBox& choice = form_.choice(field);
        for (std::size_t i = 0; i < choice.items().size(); ++i)
            if (QAbstractButton* button = group->button(static_cast<int>(i)))
                button->setText(displayText(choice.items()[i]));
        if (QAbstractButton* button = group->button(choice.index())) button->setChecked(true);
    }
    for (auto& [field, widget] : outputs_) {
        const QString text = qs(form_.output(field));
        if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
        else if (auto* display = qobject_cast<QLineEdit*>(widget)) display->setText(text);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            if (memo->toPlainText() != text) memo->setPlainText(text);
        }
    }
    for (auto& [field, box] : checks_) box->setChecked(form_.index(field) == 1);
    for (auto& [field, spin] : spins_) {
        bool ok = false;
        const int value = qs(form_.text(field)).toInt(&ok);
        if (ok && spin->value() != value) spin->setValue(value);
    }
    for (auto& [field, widget] : captions_) setCaption(widget, displayText(form_.caption(field)));
    for (auto& [field, widget] : all_) {
        widget->setEnabled(form_.enabled(field));
        widget->setVisible(form_.visible(field));
    }
    refreshing_ = false;
}

void DialogBinder::focus(int field) {
    if (QWidget* target = widget(field)) target->setFocus();
    if (auto it = entries_.find(field); it != entries_.end()) it->second->selectAll();
}

QWidget* DialogBinder::widget(int field) const {
    for (const auto& [bound, widget] : all_)
        if (bound == field) return widget;
    return nullptr;
}

}  // namespace velmora::ui
