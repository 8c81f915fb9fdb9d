#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <map>
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
#include "workflow/app_settings.h"
#include "workflow/page_settings.h"
#include "workflow/recent_projects.h"
#include "persist/settings_store.h"
#include "ui/qt_file_chooser.h"
#include "workflow/project_commands.h"
#include "workflow/project_session.h"
#include "workflow/table_appearance.h"
#include "model/calc_inputs.h"
#include "pipedata/take_over.h"
#include "workflow/main_form_take_over.h"

class QAction;
class QDockWidget;
class QMenu;

namespace velmora::ui {

class ElementSelectionDialog;
class HelpWindow;
class SettingsDialog;

// The main window (TMyWindow): medium and element panels, menus and tool bar; owns the form
// model and the results table. The results window and the short display are docks of it: the
// results below the input panels, the short display beside them; either can be floated or closed.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Where the window's messages and file choices go instead of message boxes and file dialogs
    // (tests record them and answer from a script). Either may be left out: the Qt one is used.
    struct Interaction {
        workflow::Messenger* messenger = nullptr;
        workflow::FileChooser* chooser = nullptr;
    };

    MainWindow(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent = nullptr);
    MainWindow(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, Interaction interaction,
               QWidget* parent = nullptr);

    workflow::MainForm& form() { return form_; }
    // Who receives the values of the pipe and fitting data dialogs: the main form, unless a
    // receiving window (pump design, table change, column change) registered itself as open with
    // takeOverRouter().opened(role, target) and took them; it calls closed(role) when it closes.
    pipedata::TakeOverRouter& takeOverRouter() { return takeOver_; }
    workflow::ResultsTable& table() { return table_; }
    ResultsWindow& resultsWindow() { return *results_; }
    ShortDisplayWindow& shortDisplayWindow() { return *shortWindow_; }
    QDockWidget* resultsDock() const { return resultsDock_; }
    QDockWidget* shortDisplayDock() const { return shortDock_; }
    // The entry or unit box of a form field (none for a field without one).
    QWidget* fieldWidget(workflow::FormField field) const { return binder_->widget(field); }

    // Where the settings live; restored on first show, saved on closing.
    void setSettingsStore(persist::SettingsStore* store) { store_ = store; }
    persist::SettingsStore* settingsStore() const { return store_; }

    // Restores options, window places, the form and the recent list from the store (first show).
    void restoreSettings(persist::SettingsStore& store);
    // Writes them back (closing); false when the store could not keep them (the message was shown).
    bool saveSettings(persist::SettingsStore& store);

    // Opens the project named by the command-line words (joined with blanks), if any.
    void openFromArguments(const std::vector<std::string>& words);

    // Runs one calculation from the form's entries (F3).
    void calculate();

    // What the dialogs of the window use.
    const lang::TextCatalogue& texts() const { return texts_; }
    const std::filesystem::path& dataFolder() const { return dataFolder_; }
    const workflow::Options& options() const { return options_; }
    workflow::Messenger& messenger() { return *messenger_; }

    // Connects a menu entry of the Calculate, Medium, Pipe data or Table menu (and its tool button,
    // if it has one) to the dialog or tool it opens. Entries stay hidden until they are provided.
    void provideCommand(model::MyWindowText entry, std::function<void()> run);
    // Connects the roughness database button beside the roughness entry and shows it.
    void provideRoughnessDatabase(std::function<void()> run);
    // The menu entry of a provided or pending command (tests trigger it).
    QAction* command(model::MyWindowText entry) const { return pending_.at(entry); }
    // The form's state shown again (after a kind is set up, a column copied back, settings restored).
    void refreshForm();
    // F1: the user guide in the help window.
    void openUserGuide();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void addPendingCommands(QMenu* menu, model::MyWindowText first, model::MyWindowText last);
    // Provides the commands of the property, data and tool dialogs (main_window_commands.cpp).
    void installCommands();
    void buildToolBar();
    QAction* addCommand(QMenu* menu, model::MyWindowText text, std::function<void()> run,
                        const QKeySequence& shortcut = {});
    void focusField(workflow::FormField field);
    void tableChanged();
    void updateTitle();
    void copyColumnToInputs();
    void removeColumn();
    void editCommand(int which);
    void applyOptions();
    void openSettingsDialog();
    void printTable();
    void buildFileMenu();
    void projectChanged();
    void chooseElement();
    QString resultsCaption() const;
    void buildDocks();
    // A first start: the window fills the screen it is on, the results dock the room below the panels.
    void placeOnFirstStart();

    const lang::TextCatalogue& texts_;
    std::filesystem::path dataFolder_;
    workflow::MainForm form_;
    workflow::ResultsTable table_;
    workflow::ShortDisplay shortDisplay_{table_};
    model::CalcInputs inputs_;
    workflow::Options options_;
    workflow::MainFormTakeOver formTakeOver_{form_, options_.unitSystem};
    pipedata::TakeOverRouter takeOver_;
    workflow::PageSettings page_;
    workflow::RecentProjects recent_;
    workflow::TableAppearance appearance_;
    workflow::ProjectSession session_;
    std::unique_ptr<QtFileChooser> qtChooser_;  // the file dialogs, unless a chooser is given
    workflow::FileChooser* chooser_ = nullptr;
    std::unique_ptr<workflow::ProjectCommands> project_;
    persist::SettingsStore* store_ = nullptr;
    bool shownOnce_ = false;
    FormBinder* binder_;
    MediumPanel* medium_;
    ElementPanel* element_;
    std::unique_ptr<QtMessenger> qtMessenger_;  // the message boxes, unless a messenger is given
    // Shows through the given or the Qt messenger, then gives the focus to the field named.
    std::unique_ptr<workflow::Messenger> messenger_;
    ResultsWindow* results_;
    ShortDisplayWindow* shortWindow_;
    QDockWidget* resultsDock_ = nullptr;
    QDockWidget* shortDock_ = nullptr;
    // Created on first use and kept, so that they open again on the page and values left.
    ElementSelectionDialog* selectionDialog_ = nullptr;
    SettingsDialog* settingsDialog_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    std::map<model::MyWindowText, QAction*> pending_;      // entries opened by provideCommand
    std::map<model::MyWindowText, QAction*> toolButtons_;  // their tool buttons, by menu entry
    QAction* showTable_ = nullptr;
    QAction* showShort_ = nullptr;
};

}  // namespace velmora::ui
