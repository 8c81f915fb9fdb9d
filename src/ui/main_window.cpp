#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

#include "persist/data_file_set.h"
#include "ui/qt_text.h"
#include "workflow/calculation_messages.h"
#include "workflow/calculation_driver.h"
#include "workflow/column_to_form.h"
#include "workflow/settings_restore.h"
#include "ui/element_selection_dialog.h"
#include "ui/help_window.h"
#include "ui/message_box.h"
#include "model/help_window_texts.h"
#include "ui/settings_dialog.h"
#include "ui/startup_settings.h"
#include "ui/table_printing.h"
#include <QCloseEvent>
#include <QScreen>
#include <algorithm>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <QSettings>

namespace velmora::ui {

using model::MyWindowText;
using workflow::FormField;

namespace {

// The tool buttons of the data and property dialogs: the menu entry each one triggers, and its hint.
constexpr std::pair<MyWindowText, MyWindowText> kToolButtons[] = {
    {MyWindowText::DataZetaDatabase, MyWindowText::HintZetaDatabase},
    {MyWindowText::DataPipesCircular, MyWindowText::HintPipeTables},
    {MyWindowText::MediumWaterGeneral, MyWindowText::HintWaterGeneral},
    {MyWindowText::MediumWaterSaturated, MyWindowText::HintWaterSaturated},
    {MyWindowText::MediumAirDry, MyWindowText::HintAir},
    {MyWindowText::MediumLiquids, MyWindowText::HintLiquids},
    {MyWindowText::MediumGases, MyWindowText::HintGases},
    {MyWindowText::MediumUserDatabase, MyWindowText::HintUserDatabase},
    {MyWindowText::MediumEstimate, MyWindowText::HintEstimate},
    {MyWindowText::MediumAqueous, MyWindowText::HintAqueous},
};

// Shows a message through another messenger, then gives the focus to the field it names, so that
// the focus follows whichever messenger shows the message.
class FocusingMessenger : public workflow::Messenger {
public:
    FocusingMessenger(workflow::Messenger& shown, std::function<void(FormField)> focus)
        : shown_(shown), focus_(std::move(focus)) {}

    workflow::MessageButton show(const workflow::UserMessage& message) override {
        const workflow::MessageButton pressed = shown_.show(message);
        if (message.focus != FormField::None) focus_(message.focus);
        return pressed;
    }

private:
    workflow::Messenger& shown_;
    std::function<void(FormField)> focus_;
};

}  // namespace

MainWindow::MainWindow(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent)
    : MainWindow(texts, std::move(dataFolder), Interaction{}, parent) {}

MainWindow::MainWindow(const lang::TextCatalogue& texts, std::filesystem::path dataFolder,
                       Interaction interaction, QWidget* parent)
    : QMainWindow(parent),
      texts_(texts),
      dataFolder_(std::move(dataFolder)),
      form_(texts),
      table_(texts),
      options_(workflow::Options::freshStart(texts.edition())),
      session_(texts) {
    takeOver_.setMainForm(&formTakeOver_);
    binder_ = new FormBinder(form_, this);
    if (!interaction.messenger) {
        qtMessenger_ = std::make_unique<QtMessenger>(this, QtMessenger::FocusHandler{});
        interaction.messenger = qtMessenger_.get();
    }
    messenger_ = std::make_unique<FocusingMessenger>(*interaction.messenger,
                                                     [this](FormField field) { focusField(field); });
    if (!interaction.chooser) {
        qtChooser_ = std::make_unique<QtFileChooser>(this);
        interaction.chooser = qtChooser_.get();
    }
    chooser_ = interaction.chooser;

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    medium_ = new MediumPanel(form_, *binder_);
    element_ = new ElementPanel(form_, *binder_, dataFolder_);
    layout->addWidget(medium_, 0, Qt::AlignTop);
    layout->addWidget(element_, 1);
    setCentralWidget(central);

    results_ = new ResultsWindow(table_, this);
    project_ = std::make_unique<workflow::ProjectCommands>(workflow::ProjectParts{
        table_, shortDisplay_, page_, appearance_, options_, recent_, session_, *messenger_, *chooser_});
    connect(results_, &ResultsWindow::headingEdited, this, [this](const QString& heading) {
        project_->setHeading(heading.toStdString());
        updateTitle();
    });
    connect(results_, &ResultsWindow::saveRequested, this, [this] {
        project_->save();
        projectChanged();
    });
    connect(results_, &ResultsWindow::printRequested, this, [this] { printTable(); });
    connect(results_, &ResultsWindow::removeColumnRequested, this, [this] { removeColumn(); });
    connect(results_, &ResultsWindow::copyTableRequested, this,
            [this] { QApplication::clipboard()->setText(qs(table_.clipboardText())); });
    connect(results_, &ResultsWindow::copyToInputsRequested, this, [this] { copyColumnToInputs(); });
    connect(results_, &ResultsWindow::tableChanged, this, [this] {
        project_->markModified();
        tableChanged();
    });

    shortWindow_ = new ShortDisplayWindow(shortDisplay_, texts_, this);
    connect(shortWindow_, &ShortDisplayWindow::tableChanged, this, [this] {
        project_->markModified();
        tableChanged();
    });

    connect(element_->calculateButton(), &QPushButton::clicked, this, [this] { calculate(); });
    connect(binder_, &FormBinder::entryConfirmed, this, [this] { calculate(); });
    connect(element_, &ElementPanel::chooseElementRequested, this, [this] { chooseElement(); });
    connect(element_, &ElementPanel::informationRequested, this, [this] { messenger_->show(form_.informationMessage()); });
    connect(element_, &ElementPanel::roughnessHintRequested, this, [this] { messenger_->show(form_.roughnessHintMessage()); });
    connect(medium_, &MediumPanel::flowUnitChanged, this, [this] { element_->refresh(); });

    buildDocks();
    buildMenus();
    buildToolBar();
    installCommands();
    refreshForm();
    updateTitle();
}

// The results below the input panels across the whole width, the short display to their right
// (hidden until it is asked for). Both keep their object names: the saved layout finds them by it.
void MainWindow::buildDocks() {
    const auto dock = [this](QWidget* content, const char* name, Qt::DockWidgetArea area) {
        auto* dock = new QDockWidget(content->windowTitle(), this);
        dock->setObjectName(name);
        dock->setWidget(content);
        dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                          QDockWidget::DockWidgetFloatable);
        connect(content, &QWidget::windowTitleChanged, dock, &QDockWidget::setWindowTitle);
        addDockWidget(area, dock);
        return dock;
    };
    setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);
    resultsDock_ = dock(results_, "resultsDock", Qt::BottomDockWidgetArea);
    shortDock_ = dock(shortWindow_, "shortDisplayDock", Qt::RightDockWidgetArea);
    shortDock_->hide();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
}

void MainWindow::refreshForm() {
    binder_->refresh();
    medium_->refresh();
    element_->refresh();
}

QAction* MainWindow::addCommand(QMenu* menu, MyWindowText text, std::function<void()> run, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(mainText(texts_, text));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    return action;
}

// The menu entries first..last of the caption block, in their order, each hidden until the dialog
// or tool it opens is provided.
void MainWindow::addPendingCommands(QMenu* menu, MyWindowText first, MyWindowText last) {
    for (int i = static_cast<int>(first); i <= static_cast<int>(last); ++i) {
        const auto entry = static_cast<MyWindowText>(i);
        QAction* action = menu->addAction(mainText(texts_, entry));
        action->setVisible(false);
        pending_[entry] = action;
    }
    const QList<QAction*> actions = menu->actions();
    menu->menuAction()->setVisible(
        std::any_of(actions.begin(), actions.end(), [](const QAction* a) { return a->isVisible(); }));
}

void MainWindow::provideRoughnessDatabase(std::function<void()> run) {
    connect(element_, &ElementPanel::roughnessDatabaseRequested, this, std::move(run));
    element_->roughnessDatabaseButton()->setVisible(true);
}

void MainWindow::provideCommand(MyWindowText entry, std::function<void()> run) {
    QAction* action = pending_.at(entry);
    connect(action, &QAction::triggered, this, std::move(run));
    action->setVisible(true);
    if (QMenu* menu = qobject_cast<QMenu*>(action->parent())) menu->menuAction()->setVisible(true);
    if (auto it = toolButtons_.find(entry); it != toolButtons_.end()) it->second->setVisible(true);
}

void MainWindow::buildMenus() {
    buildFileMenu();

    // Copy, paste and delete act on the focused entry; the Dutch edition has no shortcuts for them.
    QMenu* edit = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuEdit));
    const bool shortcuts = texts_.edition().letter() != 'H';
    QAction* copy = addCommand(edit, MyWindowText::EditCopy, [this] { editCommand(0); },
                               shortcuts ? QKeySequence::Copy : QKeySequence());
    QAction* paste = addCommand(edit, MyWindowText::EditPaste, [this] { editCommand(1); },
                                shortcuts ? QKeySequence::Paste : QKeySequence());
    QAction* erase = addCommand(edit, MyWindowText::EditDelete, [this] { editCommand(2); },
                                shortcuts ? QKeySequence(Qt::Key_Delete) : QKeySequence());
    for (QAction* a : {copy, paste, erase}) a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(edit, &QMenu::aboutToShow, this, [copy, paste, erase] {
        auto* entry = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        const bool selected = entry && entry->hasSelectedText();
        copy->setEnabled(selected);
        erase->setEnabled(selected);
        paste->setEnabled(entry && !QApplication::clipboard()->text().isEmpty());
    });

    QMenu* table = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuTable));
    showTable_ = addCommand(table, MyWindowText::TableShow, [this] { resultsDock_->setVisible(showTable_->isChecked()); });
    showTable_->setCheckable(true);
    showTable_->setChecked(true);
    // The tick follows the dock, also when it is closed by its own button or restored hidden.
    connect(resultsDock_->toggleViewAction(), &QAction::toggled, showTable_, &QAction::setChecked);
    QAction* print = addCommand(table, MyWindowText::TablePrint, [this] { printTable(); });
    addPendingCommands(table, MyWindowText::TableChangeColumn, MyWindowText::TableChangeAll);
    table->addSeparator();
    addCommand(table, MyWindowText::TableFont, [this] { results_->chooseFont(); });
    addCommand(table, MyWindowText::TableZoomIn, [this] { results_->zoom(1); });
    addCommand(table, MyWindowText::TableZoomOut, [this] { results_->zoom(-1); });
    addPendingCommands(table, MyWindowText::TableColumnWidths, MyWindowText::TableColumnWidths);
    table->addSeparator();
    QAction* remove = addCommand(table, MyWindowText::TableRemoveColumn, [this] { removeColumn(); });
    QAction* clip = addCommand(table, MyWindowText::TableCopyToClipboard,
                               [this] { QApplication::clipboard()->setText(qs(table_.clipboardText())); });
    QAction* inputs = addCommand(table, MyWindowText::TableCopyToInputs, [this] { copyColumnToInputs(); });
    connect(table, &QMenu::aboutToShow, this, [this, remove, clip, inputs, print] {
        print->setEnabled(!table_.empty());
        for (MyWindowText change : {MyWindowText::TableChangeColumn, MyWindowText::TableChangeAll})
            pending_.at(change)->setEnabled(!table_.empty());
        remove->setEnabled(table_.currentIsElementColumn());
        clip->setEnabled(!table_.empty());
        inputs->setEnabled(table_.currentIsElementColumn());
    });

    QMenu* shortMenu = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuShortDisplay));
    showShort_ = addCommand(shortMenu, MyWindowText::ShortDisplayShow,
                            [this] { shortDock_->setVisible(showShort_->isChecked()); });
    showShort_->setCheckable(true);
    connect(shortDock_->toggleViewAction(), &QAction::toggled, showShort_, &QAction::setChecked);
    QAction* printShort = addCommand(shortMenu, MyWindowText::ShortDisplayPrint, [this] {
        shortDisplay_.refresh();
        printShortDisplay(this, table_, resultsCaption());
    });
    connect(shortMenu, &QMenu::aboutToShow, this, [this, printShort] { printShort->setEnabled(!table_.empty()); });

    QMenu* calculateMenu = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuCalculate));
    QAction* calculateCommand =
        addCommand(calculateMenu, MyWindowText::CalcPressureLoss, [this] { calculate(); }, QKeySequence(Qt::Key_F3));
    // F3 calculates from any of the program's windows (the results table, the short display), not
    // only while the main window is active; a modal dialog still keeps it to itself.
    calculateCommand->setShortcutContext(Qt::ApplicationShortcut);
    addPendingCommands(calculateMenu, MyWindowText::CalcSystemCurve, MyWindowText::CalcOrificeDesign);
    connect(calculateMenu, &QMenu::aboutToShow, this, [this] {
        if (QAction* content = pending_.at(MyWindowText::CalcPipeContent)) content->setEnabled(!table_.empty());
    });

    QMenu* medium = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuMedium));
    addPendingCommands(medium, MyWindowText::MediumWaterGeneral, MyWindowText::MediumUserDatabaseEdit);

    QMenu* data = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuData));
    addCommand(data, MyWindowText::DataSelectElement, [this] { chooseElement(); });
    addPendingCommands(data, MyWindowText::DataPipesCircular, MyWindowText::DataZetaDatabase);

    QMenu* optionsMenu = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuOptions));
    addCommand(optionsMenu, MyWindowText::OptionsSettings, [this] { openSettingsDialog(); });

    QMenu* help = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuHelp));
    addCommand(help, MyWindowText::HelpIndex, [this] { openUserGuide(); }, QKeySequence(Qt::Key_F1));
    help->addSeparator();
    addCommand(help, MyWindowText::HelpAbout, [this] {
        informationBox(this, mainText(texts_, MyWindowText::HelpAbout).remove('&').remove("..."),
                       globalText(texts_, model::GlobalText::ProgramTitle) + "\n\n" + mainText(texts_, MyWindowText::Title));
    });
}

// New, open, save, save as, the recent projects (rebuilt each time the menu opens) and exit.
void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuFile));
    const auto command = [this](bool (workflow::ProjectCommands::*run)()) {
        return [this, run] {
            ((*project_).*run)();
            projectChanged();
        };
    };
    addCommand(file, MyWindowText::FileNew, command(&workflow::ProjectCommands::newProject), QKeySequence::New);
    addCommand(file, MyWindowText::FileOpen, command(&workflow::ProjectCommands::open), QKeySequence::Open);
    QAction* save = addCommand(file, MyWindowText::FileSave, command(&workflow::ProjectCommands::save), QKeySequence::Save);
    QAction* saveAs = addCommand(file, MyWindowText::FileSaveAs, command(&workflow::ProjectCommands::saveAs));
    QAction* recentStart = file->addSeparator();
    QAction* recentEnd = file->addSeparator();
    addCommand(file, MyWindowText::FileExit, [this] { close(); });
    connect(file, &QMenu::aboutToShow, this, [this, file, save, saveAs, recentStart, recentEnd] {
        save->setEnabled(!table_.empty());
        saveAs->setEnabled(!table_.empty());
        const QList<QAction*> actions = file->actions();
        for (qsizetype i = actions.indexOf(recentStart) + 1; i < actions.indexOf(recentEnd); ++i) {
            file->removeAction(actions[i]);
            actions[i]->deleteLater();
        }
        const auto items = recent_.menuItems(std::filesystem::current_path());
        recentEnd->setVisible(!items.empty());
        for (const auto& item : items) {
            auto* entry = new QAction(qs(item.caption), file);
            const std::filesystem::path path = item.path;
            connect(entry, &QAction::triggered, this, [this, path] {
                project_->openPath(path);
                projectChanged();
            });
            file->insertAction(recentEnd, entry);
        }
    });
}

// After a File command: the table, the heading, the title and the options may all have changed.
void MainWindow::projectChanged() {
    results_->setWindowTitle(qs(project_->windowTitle()));
    results_->setProjectHeading(qs(project_->heading()));
    table_.setDecimals(options_.decimals);
    tableChanged();
}

// The selection dialog is created once and keeps its page; a chosen kind is set up on the form.
void MainWindow::chooseElement() {
    if (!selectionDialog_) selectionDialog_ = new ElementSelectionDialog(texts_, dataFolder_, this);
    if (const auto kind = selectionDialog_->chooseKind(form_.kind())) {
        form_.setUpKind(*kind);
        refreshForm();
    }
}

void MainWindow::openFromArguments(const std::vector<std::string>& words) {
    if (const auto path = workflow::ProjectCommands::projectPathFromArguments(words)) {
        project_->openPath(*path);
        projectChanged();
    }
}

void MainWindow::buildToolBar() {
    QToolBar* tools = addToolBar(QString());
    tools->setMovable(false);
    const auto add = [&](const QString& text, MyWindowText hint, std::function<void()> run) {
        QAction* a = tools->addAction(text);
        a->setToolTip(mainText(texts_, hint));
        connect(a, &QAction::triggered, this, std::move(run));
    };
    add(mainText(texts_, MyWindowText::DataSelectElement).remove('&').remove("..."), MyWindowText::HintSelectElement,
        [this] { chooseElement(); });
    add(mainText(texts_, MyWindowText::ButtonCalculate), MyWindowText::HintCalculate, [this] { calculate(); });
    // The data and property dialogs' buttons, shown once their dialogs are provided.
    for (auto [entry, hint] : kToolButtons) {
        QAction* button = tools->addAction(mainText(texts_, hint));
        button->setToolTip(mainText(texts_, hint));
        button->setVisible(false);
        connect(button, &QAction::triggered, pending_.at(entry), &QAction::trigger);
        toolButtons_[entry] = button;
    }
    add("i", MyWindowText::HintElementInfo, [this] {
        if (form_.informationEnabled()) messenger_->show(form_.informationMessage());
    });
    // Notes on entering gas flows: six texts in one information box.
    add(mainText(texts_, MyWindowText::HintGasFlowInfo), MyWindowText::HintGasFlowInfo, [this] {
        QString text;
        for (int i = 0; i < 6; ++i)
            text += (i ? "\n" : "") + mainText(texts_, static_cast<MyWindowText>(static_cast<int>(MyWindowText::GasFlowInfo1) + i));
        informationBox(this, globalText(texts_, model::GlobalText::InformationCaption), text);
    });
}

// The user guide of the edition's language, shipped in the data folder, in the program's own help
// window (created once, so it keeps its page and search). Only a guide that is really missing is
// reported; a desktop without a web browser is no reason to fail.
void MainWindow::openUserGuide() {
    constexpr const char* suffixes[] = {"de", "en", "fr", "nl"};
    const auto language = static_cast<int>(texts_.edition().language());
    const std::filesystem::path guide = persist::DataFileSet::locateUserGuide(dataFolder_) /
                                        (std::string("velmora_") + suffixes[language] + ".html");
    const auto helpText = [this](model::HelpWindowText role) { return blockText(texts_, "THilfe", static_cast<int>(role)); };
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow(texts_, this);
        connect(helpWindow_, &HelpWindow::browserFailed, this, [this, helpText] {
            informationBox(helpWindow_, globalText(texts_, model::GlobalText::InformationCaption),
                           helpText(model::HelpWindowText::NoBrowser));
        });
    }
    if (!helpWindow_->load(guide)) {
        warningBox(this, globalText(texts_, model::GlobalText::WarningCaption),
                   helpText(model::HelpWindowText::GuideMissing) + "\n" + qs(guide.string()));
        return;
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void MainWindow::focusField(FormField field) {
    if (QWidget* widget = binder_->widget(field)) widget->setFocus();
}

// Copy, paste or delete the selection of the focused entry through the clipboard.
void MainWindow::editCommand(int which) {
    auto* entry = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!entry) return;
    if (which == 0) entry->copy();
    if (which == 1) entry->paste();
    if (which == 2) entry->del();
}

// The project's file name (or the default name of an unnamed project) with the modified mark
// "*" while it has unsaved changes, before the program's name.
void MainWindow::updateTitle() {
    const auto& path = project_->projectPath();
    const QString name = path ? qs(path->filename().string()) : globalText(texts_, model::GlobalText::DefaultProjectName);
    setWindowTitle(name + "[*] \u2013 " + mainText(texts_, MyWindowText::Title));
    setWindowModified(project_->modified());
}

void MainWindow::tableChanged() {
    updateTitle();
    shortDisplay_.refresh();
    results_->reload();
    shortWindow_->reload();
}

// A removed column is a change of the project: closing asks before it is lost.
void MainWindow::removeColumn() {
    if (!table_.removeCurrentColumn()) return;
    project_->markModified();
    tableChanged();
}

QString MainWindow::resultsCaption() const { return results_->windowTitle(); }

void MainWindow::printTable() {
    if (table_.empty()) return;
    project_->markModified();  // the page setup belongs to the project
    updateTitle();
    ui::printTable(this, table_, page_, resultsCaption(), results_->projectHeading());
}

// Decimals and unit system of the table follow the options; a changed unit system converts the
// columns already calculated.
void MainWindow::applyOptions() {
    table_.setDecimals(options_.decimals);
    // A loss near the end of the number range that would overflow in the other units keeps the
    // table, and the options, in the units it has.
    if (!table_.switchUnitSystem(options_.unitSystem)) {
        options_.unitSystem = table_.unitSystem();
        messenger_->show(workflow::calculationFailedMessage(texts_));
    }
    tableChanged();
}

void MainWindow::openSettingsDialog() {
    if (!settingsDialog_) settingsDialog_ = new SettingsDialog(texts_, this);
    // The language takes effect at the next start; it is kept beside the other general options.
    QSettings choice;
    QString edition = choice.value(kEditionSetting, QString(texts_.edition().letter())).toString();
    if (!settingsDialog_->edit(options_, edition)) return;
    choice.setValue(kEditionSetting, edition);
    applyOptions();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (store_) restoreSettings(*store_);
    // The user starts typing where a calculation starts: the first entry of the main form.
    focusField(FormField::MediumName);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A save that fails or is cancelled keeps the window open: the work is never given up unasked.
    if (!project_->confirmClose()) {
        event->ignore();
        return;
    }
    if (store_) saveSettings(*store_);
    if (helpWindow_) helpWindow_->close();
    session_.close();
    QMainWindow::closeEvent(event);
}

void MainWindow::restoreSettings(persist::SettingsStore& store) {
    const workflow::RestoredSettings restored = workflow::restoreSettings(store, form_, recent_);
    options_ = restored.options;
    const workflow::WindowLayout& windows = restored.windows;
    // The record of frame and client rectangles puts the window back exactly, and on a screen
    // that is still there; a store that holds only the left and top of an older version moves the
    // frame there. Without either it is a first start.
    const auto bytes = [](const std::string& text) { return QByteArray::fromBase64(QByteArray::fromStdString(text)); };
    const bool placed = windows.mainGeometry && restoreGeometry(bytes(*windows.mainGeometry));
    if (!placed && windows.mainWindow) move(windows.mainWindow->left, windows.mainWindow->top);
    if (!placed && !windows.mainWindow) placeOnFirstStart();
    // The docks where they were: docked with their sizes, or floating at their place.
    if (!windows.dockLayout || !restoreState(bytes(*windows.dockLayout))) {
        if (windows.resultsWindow && windows.resultsWindow->height > 0)
            resizeDocks({resultsDock_}, {windows.resultsWindow->height}, Qt::Vertical);
    }
    projectChanged();
    table_.setDecimals(options_.decimals);
    table_.setUnitSystem(options_.unitSystem);
    refreshForm();
    tableChanged();
}

void MainWindow::placeOnFirstStart() {
    // The frame fills the screen's free area (up to a comfortable size on a large screen); the
    // window system's frame is known only once the window is shown, so the client size is set
    // then, and the results dock takes all the height the input panels leave.
    const auto fit = [this] {
        const QRect area = screen()->availableGeometry();
        const QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        const QSize outer(std::min(area.width(), 1680), std::min(area.height(), 1050));
        resize(outer.width() - frame.left() - frame.right(), outer.height() - frame.top() - frame.bottom());
        move(area.topLeft());
        resizeDocks({resultsDock_}, {height()}, Qt::Vertical);  // as much as the panels leave
    };
    fit();
    // The frame is known once the window system has put it on; until then it counts as none.
    for (int delay : {0, 100, 400}) QTimer::singleShot(delay, this, fit);
}

bool MainWindow::saveSettings(persist::SettingsStore& store) {
    const auto placement = [](const QWidget* window) {
        return workflow::WindowPlacement{window->x(), window->y(), window->width(), window->height()};
    };
    workflow::WindowLayout windows;
    // Left and top of the frame, as older versions read them; the records below are what this one uses.
    windows.mainWindow = workflow::WindowPlacement{frameGeometry().x(), frameGeometry().y(), 0, 0};
    windows.resultsWindow = placement(resultsDock_);
    windows.shortDisplay = placement(shortDock_);
    windows.mainGeometry = saveGeometry().toBase64().toStdString();
    windows.dockLayout = saveState().toBase64().toStdString();
    if (auto message = workflow::saveSettings(store, options_, windows, form_, recent_)) {
        messenger_->show(*message);
        return false;
    }
    return true;
}

void MainWindow::calculate() {
    const workflow::CalculationContext context{inputs_, table_, shortDisplay_, project_->modifiedMark(), *messenger_};
    if (workflow::runCalculation(form_, context).appended()) tableChanged();
}

void MainWindow::copyColumnToInputs() {
    if (workflow::copyColumnToForm(table_, table_.currentColumn(), form_)) refreshForm();
}

}  // namespace velmora::ui
