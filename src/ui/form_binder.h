#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <map>

#include "workflow/main_form.h"

namespace velmora::ui {

// Keeps entry fields and unit boxes in step with the MainForm model: what the user types goes
// into the model at once, and refresh() shows what the model holds (after a kind is set up, a
// column is copied back, settings are restored).
class FormBinder : public QObject {
    Q_OBJECT
public:
    explicit FormBinder(workflow::MainForm& form, QObject* parent = nullptr) : QObject(parent), form_(form) {}

    void bindEntry(workflow::FormField field, QLineEdit* entry);
    void bindUnitBox(workflow::FormField field, QComboBox* box);

    void refresh();
    QWidget* widget(workflow::FormField field) const;

Q_SIGNALS:
    void unitChosen(workflow::FormField field);
    // Enter was pressed in an entry: the main window calculates.
    void entryConfirmed(workflow::FormField field);

private:
    workflow::MainForm& form_;
    std::map<workflow::FormField, QLineEdit*> entries_;
    std::map<workflow::FormField, QComboBox*> boxes_;
    bool refreshing_ = false;
};

}  // namespace velmora::ui
