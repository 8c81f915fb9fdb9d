#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "tools/tool_presenter.h"
#include "ui/dialog_binder.h"
#include "ui/modal_dialog.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QBoxLayout;
class QPrinter;

namespace velmora::ui {

// The frame of every engineering tool: a modal dialog bound to its presenter's form, with helpers
// that lay out labelled entry rows, unit boxes, radio groups, result rows, pictures (the data
// folder's picture named by an output field) and buttons, all captioned by the presenter.
class ToolDialog : public ModalDialog {
    Q_OBJECT
public:
    ToolDialog(tools::ToolPresenter& presenter, std::filesystem::path dataFolder, QWidget* parent);

    DialogBinder& binder() { return *binder_; }
    model::Messenger& messenger() { return *messenger_; }
    // Shows the form's state: every bound widget, the pictures and the title.
    void refresh();

    // A group box captioned by a field, with a grid inside.
    QGroupBox* group(int titleField);
    static QGridLayout* gridOf(QGroupBox* box) { return static_cast<QGridLayout*>(box->layout()); }
    // label | entry | unit box (unit < 0: none) on the next row of the grid.
    QLineEdit* entryRow(QGridLayout* grid, int label, int entry, int unit = -1, int maxLength = 0);
    // label | result text on the next row.
    QLineEdit* outputRow(QGridLayout* grid, int label, int output, int columns = 2);
    // label | unit box.
    QComboBox* choiceRow(QGridLayout* grid, int label, int choice);
    // A radio group of `count` buttons in a group box captioned by titleField.
    QGroupBox* radioGroup(int titleField, int choice, int count, Qt::Orientation orientation = Qt::Vertical);
    // A picture whose file name is the output text of the field.
    QLabel* picture(int field);
    QPushButton* button(int field, std::function<void()> pressed);
    // The Close button (rejects the dialog).
    QPushButton* closeButton(int field);
    // Prints an image of the dialog through a print preview ("Printscreen").
    void printScreen();
    // The page of that print: the dialog's title and its image, scaled to fit.
    void printImage(QPrinter& printer);

private:
    tools::ToolPresenter& presenter_;
    std::filesystem::path dataFolder_;
    DialogBinder* binder_;
    std::unique_ptr<DialogMessenger> messenger_;
    std::map<int, QLabel*> pictures_;
};

// A column of widgets and layouts, top to bottom.
QVBoxLayout* column(std::initializer_list<QObject*> items);
// A row of buttons right-aligned.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

}  // namespace velmora::ui
