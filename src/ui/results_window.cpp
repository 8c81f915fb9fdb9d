#include "ui/results_window.h"

#include <QFontDialog>
#include <QHeaderView>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/window_texts.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using model::MyWindowText;
using model::ResultsWindowText;

namespace {
QString windowText(const lang::TextCatalogue& texts, ResultsWindowText role) {
    return blockText(texts, "TAusgabe_Fenster", static_cast<int>(role));
}
}  // namespace

ResultsWindow::ResultsWindow(workflow::ResultsTable& table, QWidget* parent)
    : QMainWindow(parent), table_(table), model_(new ResultsTableModel(table, this)) {
    const lang::TextCatalogue& texts = table.texts();
    setWindowTitle(windowText(texts, ResultsWindowText::Title));
    setWindowFlag(Qt::Window);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(new QLabel(windowText(texts, ResultsWindowText::ProjectLabel)));
    heading_ = new QLineEdit;
    headingRow->addWidget(heading_, 1);
    layout->addLayout(headingRow);

    view_ = new QTableView;
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->horizontalHeader()->setSectionsMovable(true);
    view_->horizontalHeader()->setDefaultSectionSize(texts.edition().defaultNormalColumnWidth());
    view_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->setStyleSheet("QTableView { selection-background-color: #d6e6f7; selection-color: black; }");
    layout->addWidget(view_);
    setCentralWidget(central);

    auto* tools = addToolBar(QString());
    tools->setMovable(false);
    const auto action = [&](ResultsWindowText hint, MyWindowText text, auto signal) {
        QAction* a = tools->addAction(mainText(texts, text).remove('&'));
        a->setToolTip(windowText(texts, hint));
        connect(a, &QAction::triggered, this, signal);
        return a;
    };
    columnActions_ << action(ResultsWindowText::HintRemove, MyWindowText::TableRemoveColumn, &ResultsWindow::removeColumnRequested)
                   << action(ResultsWindowText::HintSave, MyWindowText::FileSave, &ResultsWindow::saveRequested)
                   << action(ResultsWindowText::HintCopyTable, MyWindowText::TableCopyToClipboard, &ResultsWindow::copyTableRequested);
    copyToInputs_ = action(ResultsWindowText::HintCopyToInputs, MyWindowText::TableCopyToInputs, &ResultsWindow::copyToInputsRequested);
    columnActions_ << action(ResultsWindowText::HintPrint, MyWindowText::TablePrint, &ResultsWindow::printRequested);
    tools->addSeparator();
    tools->addAction(mainText(texts, MyWindowText::TableZoomIn).remove('&'), this, [this] { zoom(1.2); });
    tools->addAction(mainText(texts, MyWindowText::TableZoomOut).remove('&'), this, [this] { zoom(1 / 1.2); });
    tools->addAction(mainText(texts, MyWindowText::TableFont).remove('&'), this, [this] { chooseFont(); });

    totalCaption_ = new QLabel;
    total_ = new QLabel;
    statusBar()->addWidget(totalCaption_);
    statusBar()->addWidget(total_, 1);

    connect(view_->selectionModel(), &QItemSelectionModel::currentColumnChanged, this,
            [this](const QModelIndex& current) {
                table_.setCurrentColumn(current.column() + 1);
                updateActions();
            });
    // A dragged column: the table takes the move (and puts its empty column back at the end),
    // then the header's own order is reset so view and table agree.
    connect(view_->horizontalHeader(), &QHeaderView::sectionMoved, this, [this](int, int from, int to) {
        QHeaderView* header = view_->horizontalHeader();
        const QSignalBlocker block(header);
        header->moveSection(to, from);
        table_.moveColumn(from + 1, to + 1);
        reload();
        Q_EMIT tableChanged();
    });
    connect(heading_, &QLineEdit::textEdited, this, &ResultsWindow::headingEdited);
    connect(model_, &ResultsTableModel::designationEdited, this, &ResultsWindow::tableChanged);
    connect(view_, &QTableView::customContextMenuRequested, this, [this, &texts](const QPoint& at) {
        QMenu menu;
        menu.addAction(mainText(texts, MyWindowText::TablePrint), this, &ResultsWindow::printRequested)->setEnabled(!table_.empty());
        menu.addAction(mainText(texts, MyWindowText::TableRemoveColumn), this, &ResultsWindow::removeColumnRequested)
            ->setEnabled(table_.currentIsElementColumn());
        menu.addAction(mainText(texts, MyWindowText::TableCopyToClipboard), this, &ResultsWindow::copyTableRequested)
            ->setEnabled(!table_.empty());
        menu.addAction(mainText(texts, MyWindowText::TableCopyToInputs), this, &ResultsWindow::copyToInputsRequested)
            ->setEnabled(table_.currentIsElementColumn());
        menu.exec(view_->viewport()->mapToGlobal(at));
    });
    // Wide enough for the whole tool bar in every language.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    resize(std::max(1040, tools->sizeHint().width() + 2 * frame + 8), 620);
    reload();
}

void ResultsWindow::reload() {
    model_->reload();
    totalCaption_->setText(qs(table_.totalCaption()));
    total_->setText(qs(table_.totalText()));
    view_->verticalHeader()->setMinimumWidth(view_->verticalHeader()->sizeHint().width());
    const QModelIndex current = model_->index(0, table_.currentColumn() - 1);
    view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Columns);
    view_->scrollTo(current);
    updateActions();
}

void ResultsWindow::updateActions() {
    for (QAction* a : columnActions_) a->setEnabled(!table_.empty());
    copyToInputs_->setEnabled(table_.currentIsElementColumn());
}

// Font height, row height and column width grow or shrink together, rounded half away from zero.
void ResultsWindow::zoom(double factor) {
    const auto scaled = [factor](int value) { return static_cast<int>(std::lround(value * factor)); };
    QFont font = view_->font();
    font.setPointSizeF(std::max(4.0, font.pointSizeF() * factor));
    view_->setFont(font);
    view_->verticalHeader()->setFont(font);
    view_->verticalHeader()->setDefaultSectionSize(scaled(view_->verticalHeader()->defaultSectionSize()));
    view_->horizontalHeader()->setDefaultSectionSize(scaled(view_->horizontalHeader()->defaultSectionSize()));
    for (int c = 0; c < model_->columnCount(); ++c) view_->setColumnWidth(c, scaled(view_->columnWidth(c)));
}

void ResultsWindow::chooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, view_->font(), this);
    if (!ok) return;
    view_->setFont(font);
    view_->verticalHeader()->setFont(font);
    // Row height twice the font size, or 2.5 times on screens finer than 96 dpi.
    const double factor = logicalDpiY() > 96 ? 2.5 : 2.0;
    view_->verticalHeader()->setDefaultSectionSize(static_cast<int>(std::lround(factor * font.pointSizeF())));
}

void ResultsWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    Q_EMIT hidden();
}

}  // namespace velmora::ui
