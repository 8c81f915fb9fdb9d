#pragma once

#include <QObject>
#include <map>
#include <vector>

#include "model/dialog_form.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace velmora::ui {

// Binds the widgets of a dialog to its presenter's DialogForm, both ways: what the user types or
// chooses goes into the form at once (and is signalled, so the presenter can react), refresh()
// shows what the form holds. Every widget bound under a field number follows that field's enabled
// and visible flags. One binder per dialog; the dialog holds no state of its own.
class DialogBinder : public QObject {
    Q_OBJECT
public:
    explicit DialogBinder(model::DialogForm& form, QObject* parent = nullptr) : QObject(parent), form_(form) {}

    // An entry: its text is the field's entry text.
    QLineEdit* bindEntry(int field, QLineEdit* entry);
    // A choice: unit box, list box or radio group. The items of a combo or list box are the
    // choice's items; a radio group's buttons have the positions as ids and the items as texts.
    QComboBox* bindChoice(int field, QComboBox* box);
    QListWidget* bindChoice(int field, QListWidget* list);
    QButtonGroup* bindChoice(int field, QButtonGroup* group);
    // A check box as a choice of two items: position 1 is ticked.
    QCheckBox* bindChoice(int field, QCheckBox* box);
    // An entry typed through a spin box: its text is the field's entry text.
    QSpinBox* bindEntry(int field, QSpinBox* spin);
    // A result text (a label or a read-only entry).
    QLabel* bindOutput(int field, QLabel* label);
    QLineEdit* bindOutput(int field, QLineEdit* display);
    QPlainTextEdit* bindOutput(int field, QPlainTextEdit* memo);  // a read-only listing
    // A caption the presenter sets: the text of a label, button or group box.
    QWidget* bindCaption(int field, QWidget* widget);
    // Only the enabled and visible flags of the field (a button, a panel).
    QWidget* bindFlags(int field, QWidget* widget);

    // Shows the form's state in every bound widget.
    void refresh();
    // The focus to the first widget bound under the field, if any.
    void focus(int field);
    QWidget* widget(int field) const;

Q_SIGNALS:
    void edited(int field);  // the user changed an entry's text
    void chosen(int field);  // the user chose another item of a choice

private:
    template <class W>
    W* remember(int field, W* widget);

    model::DialogForm& form_;
    std::map<int, QLineEdit*> entries_;
    std::map<int, QWidget*> choices_;  // combo and list boxes
    std::map<int, QButtonGroup*> groups_;
    std::map<int, QCheckBox*> checks_;
    std::map<int, QSpinBox*> spins_;
    std::map<int, QWidget*> outputs_;
    std::multimap<int, QWidget*> captions_;  // a caption may stand in more than one place
    std::vector<std::pair<int, QWidget*>> all_;  // every bound widget, for flags and focus
    bool refreshing_ = false;
};

}  // namespace velmora::ui
