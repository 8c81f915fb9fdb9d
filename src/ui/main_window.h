#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "lang/text_catalogue.h"
#include "model/my_window_text.h"
#include "ui/element_panel.h"
#include "ui/form_binder.h"
#include "ui/medium_panel.h"
#include "ui/qt_messenger.h"
#include "ui/results_window.h"
#include "ui/short_display_window.h"
#include "workflow/main_form.h"
#include "workflow/results_table.h"
#include "workflow/short_display.h"
#include "model/calc_inputs.h"

class QAction;
class QMenu;

namespace velmora::ui {

// The main window (TMyWindow): medium and element panels, menus and tool bar; owns the form
// model and the results table, and shows the results window beside itself.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent = nullptr);

    workflow::MainForm& form() { return form_; }
    workflow::ResultsTable& table() { return table_; }
    ResultsWindow& resultsWindow() { return *results_; }
    ShortDisplayWindow& shortDisplayWindow() { return *shortWindow_; }

    // Runs one calculation from the form's entries (F3).
    void calculate();
    // The form's state shown again (after a kind is set up, a column copied back, settings restored).
    void refreshForm();

private:
    void buildMenus();
    void buildToolBar();
    QAction* addCommand(QMenu* menu, model::MyWindowText text, std::function<void()> run,
                        const QKeySequence& shortcut = {});
    void focusField(workflow::FormField field);
    void tableChanged();
    void copyColumnToInputs();
    void removeColumn();
    void editCommand(int which);

    const lang::TextCatalogue& texts_;
    std::filesystem::path dataFolder_;
    workflow::MainForm form_;
    workflow::ResultsTable table_;
    workflow::ShortDisplay shortDisplay_{table_};
    model::CalcInputs inputs_;
    bool modified_ = false;
    FormBinder* binder_;
    MediumPanel* medium_;
    ElementPanel* element_;
    std::unique_ptr<QtMessenger> messenger_;
    ResultsWindow* results_;
    ShortDisplayWindow* shortWindow_;
    QAction* showTable_ = nullptr;
    QAction* showShort_ = nullptr;
};

}  // namespace velmora::ui
