#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

#include "ui/qt_text.h"
#include "workflow/calculation_driver.h"
#include "workflow/column_to_form.h"

namespace velmora::ui {

using model::MyWindowText;
using workflow::FormField;

MainWindow::MainWindow(const lang::TextCatalogue& texts, std::filesystem::path dataFolder, QWidget* parent)
    : QMainWindow(parent), texts_(texts), dataFolder_(std::move(dataFolder)), form_(texts), table_(texts) {
    setWindowTitle(mainText(texts, MyWindowText::Title));
    binder_ = new FormBinder(form_, this);
    messenger_ = std::make_unique<QtMessenger>(this, [this](FormField field) { focusField(field); });

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    medium_ = new MediumPanel(form_, *binder_);
    element_ = new ElementPanel(form_, *binder_, dataFolder_);
    layout->addWidget(medium_, 0, Qt::AlignTop);
    layout->addWidget(element_, 1);
    setCentralWidget(central);

    results_ = new ResultsWindow(table_, this);
    connect(results_, &ResultsWindow::removeColumnRequested, this, [this] { removeColumn(); });
    connect(results_, &ResultsWindow::copyTableRequested, this,
            [this] { QApplication::clipboard()->setText(qs(table_.clipboardText())); });
    connect(results_, &ResultsWindow::copyToInputsRequested, this, [this] { copyColumnToInputs(); });
    connect(results_, &ResultsWindow::tableChanged, this, [this] { tableChanged(); });
    connect(results_, &ResultsWindow::hidden, this, [this] {
        if (showTable_) showTable_->setChecked(false);
    });

    shortWindow_ = new ShortDisplayWindow(shortDisplay_, texts_, this);
    connect(shortWindow_, &ShortDisplayWindow::tableChanged, this, [this] { tableChanged(); });
    connect(shortWindow_, &ShortDisplayWindow::hidden, this, [this] {
        if (showShort_) showShort_->setChecked(false);
    });

    connect(element_->calculateButton(), &QPushButton::clicked, this, [this] { calculate(); });
    connect(element_, &ElementPanel::informationRequested, this, [this] { messenger_->show(form_.informationMessage()); });
    connect(element_, &ElementPanel::roughnessHintRequested, this, [this] { messenger_->show(form_.roughnessHintMessage()); });
    connect(medium_, &MediumPanel::flowUnitChanged, this, [this] { element_->refresh(); });

    buildMenus();
    buildToolBar();
    refreshForm();
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

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuFile));
    addCommand(file, MyWindowText::FileExit, [this] { close(); });

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
    showTable_ = addCommand(table, MyWindowText::TableShow, [this] { results_->setVisible(showTable_->isChecked()); });
    showTable_->setCheckable(true);
    showTable_->setChecked(true);
    table->addSeparator();
    addCommand(table, MyWindowText::TableFont, [this] { results_->chooseFont(); });
    addCommand(table, MyWindowText::TableZoomIn, [this] { results_->zoom(1.2); });
    addCommand(table, MyWindowText::TableZoomOut, [this] { results_->zoom(1 / 1.2); });
    table->addSeparator();
    QAction* remove = addCommand(table, MyWindowText::TableRemoveColumn, [this] { removeColumn(); });
    QAction* clip = addCommand(table, MyWindowText::TableCopyToClipboard,
                               [this] { QApplication::clipboard()->setText(qs(table_.clipboardText())); });
    QAction* inputs = addCommand(table, MyWindowText::TableCopyToInputs, [this] { copyColumnToInputs(); });
    connect(table, &QMenu::aboutToShow, this, [this, remove, clip, inputs] {
        remove->setEnabled(table_.currentIsElementColumn());
        clip->setEnabled(!table_.empty());
        inputs->setEnabled(table_.currentIsElementColumn());
    });

    QMenu* shortMenu = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuShortDisplay));
    showShort_ = addCommand(shortMenu, MyWindowText::ShortDisplayShow,
                            [this] { shortWindow_->setVisible(showShort_->isChecked()); });
    showShort_->setCheckable(true);

    QMenu* calculateMenu = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuCalculate));
    addCommand(calculateMenu, MyWindowText::CalcPressureLoss, [this] { calculate(); }, QKeySequence(Qt::Key_F3));

    QMenu* help = menuBar()->addMenu(mainText(texts_, MyWindowText::MenuHelp));
    addCommand(help, MyWindowText::HelpAbout, [this] {
        QMessageBox::about(this, mainText(texts_, MyWindowText::HelpAbout).remove('&').remove("..."),
                           globalText(texts_, model::GlobalText::ProgramTitle) + "\n\n" +
                               mainText(texts_, MyWindowText::Title));
    });
}

void MainWindow::buildToolBar() {
    QToolBar* tools = addToolBar(QString());
    tools->setMovable(false);
    const auto add = [&](const QString& text, MyWindowText hint, std::function<void()> run) {
        QAction* a = tools->addAction(text);
        a->setToolTip(mainText(texts_, hint));
        connect(a, &QAction::triggered, this, std::move(run));
    };
    add(mainText(texts_, MyWindowText::ButtonCalculate), MyWindowText::HintCalculate, [this] { calculate(); });
    add("i", MyWindowText::HintElementInfo, [this] {
        if (form_.informationEnabled()) messenger_->show(form_.informationMessage());
    });
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

void MainWindow::tableChanged() {
    shortDisplay_.refresh();
    results_->reload();
    shortWindow_->reload();
}

void MainWindow::removeColumn() {
    if (table_.removeCurrentColumn()) tableChanged();
}

void MainWindow::calculate() {
    const workflow::CalculationContext context{inputs_, table_, shortDisplay_, modified_, *messenger_};
    if (workflow::runCalculation(form_, context).appended()) tableChanged();
}

void MainWindow::copyColumnToInputs() {
    if (workflow::copyColumnToForm(table_, table_.currentColumn(), form_)) refreshForm();
}

}  // namespace velmora::ui
