#include "ui/form_binder.h"

#include "ui/qt_text.h"

namespace velmora::ui {

using workflow::FormField;

void FormBinder::bindEntry(FormField field, QLineEdit* entry) {
    entries_[field] = entry;
    connect(entry, &QLineEdit::textChanged, this, [this, field](const QString& text) {
        if (!refreshing_) form_.setText(field, text.toStdString());
    });
    connect(entry, &QLineEdit::returnPressed, this, [this, field] { Q_EMIT entryConfirmed(field); });
}

void FormBinder::bindUnitBox(FormField field, QComboBox* box) {
    boxes_[field] = box;
    connect(box, &QComboBox::activated, this, [this, field](int index) {
        form_.selectUnit(field, index);
        Q_EMIT unitChosen(field);
    });
}

void FormBinder::refresh() {
    refreshing_ = true;
    for (auto& [field, entry] : entries_) {
        const QString text = qs(form_.text(field));
        if (entry->text() != text) entry->setText(text);
    }
    for (auto& [field, box] : boxes_) {
        const workflow::UnitBox& model = form_.unitBox(field);
        QStringList items;
        for (const std::string& item : model.items()) items << qs(item);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
        if (shown != items) {
            box->clear();
            box->addItems(items);
        }
        box->setCurrentIndex(model.empty() ? -1 : model.index());
    }
    refreshing_ = false;
}

QWidget* FormBinder::widget(FormField field) const {
    if (auto it = entries_.find(field); it != entries_.end()) return it->second;
    if (auto it = boxes_.find(field); it != boxes_.end()) return it->second;
    return nullptr;
}

}  // namespace velmora::ui
