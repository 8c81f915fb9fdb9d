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

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 0, 4, 0);
    heading_ = new QLineEdit;

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
    baseFont_ = view_->font();
    baseRowHeight_ = view_->verticalHeader()->defaultSectionSize();
    baseColumnWidth_ = view_->horizontalHeader()->defaultSectionSize();
    // A width the user drags is kept as its unzoomed value, so zooming scales it like the others.
    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (applyingZoom_) return;
        if (column >= static_cast<int>(unzoomedWidths_.size())) unzoomedWidths_.resize(column + 1, 0.0);
        unzoomedWidths_[column] = width / zoomFactor();
    });

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
    tools->addAction(mainText(texts, MyWindowText::TableZoomIn).remove('&'), this, [this] { zoom(1); });
    tools->addAction(mainText(texts, MyWindowText::TableZoomOut).remove('&'), this, [this] { zoom(-1); });
    tools->addAction(mainText(texts, MyWindowText::TableFont).remove('&'), this, [this] { chooseFont(); });

    totalCaption_ = new QLabel;
    total_ = new QLabel;
    statusBar()->addWidget(totalCaption_);
    statusBar()->addWidget(total_);
    // The project heading beside the total, in the status bar's row: one row more of the table
    // on a low screen, and never pushed out of sight by a long tool bar.
    auto* headingLabel = new QLabel("   " + windowText(texts, ResultsWindowText::ProjectLabel));
    headingLabel->setBuddy(heading_);
    heading_->setMinimumWidth(16 * heading_->fontMetrics().averageCharWidth());
    statusBar()->addWidget(headingLabel);
    statusBar()->addWidget(heading_, 1);

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
    // Wide enough for the whole tool bar in every language when it stands alone; docked, the
    // main window gives it its width.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    resize(std::max(1040, tools->sizeHint().width() + 2 * frame + 8), 620);
    reload();
}

void ResultsWindow::reload() {
    model_->reload();
    totalCaption_->setText(qs(table_.totalCaption()));
    total_->setText(qs(table_.totalText()));
    // A reset model gives every column the default width again.
    unzoomedWidths_.clear();
    fitCaptions();
    const QModelIndex current = model_->index(0, table_.currentColumn() - 1);
    view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Columns);
    view_->scrollTo(current);
    updateActions();
}

void ResultsWindow::updateActions() {
    for (QAction* a : columnActions_) a->setEnabled(!table_.empty());
    copyToInputs_->setEnabled(table_.currentIsElementColumn());
}

// Each step scales the cells' and the row captions' font, the row height and every column width by
// 1.2 (rounded half away from zero). All are worked out from the unzoomed values, so a step in and
// a step out give back exactly the widths there were, and the captions never lag behind the cells.
void ResultsWindow::zoom(int steps) {
    zoomSteps_ += steps;
    applyZoom();
}

double ResultsWindow::zoomFactor() const { return std::pow(1.2, zoomSteps_); }

void ResultsWindow::applyZoom() {
    const double factor = zoomFactor();
    const auto scaled = [factor](double value) { return static_cast<int>(std::lround(value * factor)); };
    QFont font = baseFont_;
    font.setPointSizeF(std::max(4.0, baseFont_.pointSizeF() * factor));
    applyingZoom_ = true;
    for (QWidget* w : {static_cast<QWidget*>(view_), static_cast<QWidget*>(view_->verticalHeader()),
                       static_cast<QWidget*>(view_->horizontalHeader())})
        w->setFont(font);
    view_->verticalHeader()->setDefaultSectionSize(scaled(baseRowHeight_));
    view_->horizontalHeader()->setDefaultSectionSize(scaled(baseColumnWidth_));
    for (int c = 0; c < model_->columnCount(); ++c)
        view_->setColumnWidth(c, scaled(c < static_cast<int>(unzoomedWidths_.size()) && unzoomedWidths_[c] > 0
                                            ? unzoomedWidths_[c]
                                            : baseColumnWidth_));
    fitCaptions();
    applyingZoom_ = false;
}

// The row captions as wide as their longest text needs in the current font: never cut, and
// narrower again when the view gets smaller.
void ResultsWindow::fitCaptions() {
    QHeaderView* captions = view_->verticalHeader();
    // Measured here, in the bold face the style may draw them in: the header's own size hint is
    // kept from the larger font after a zoom out.
    QFont bold = captions->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (int r = 0; r < model_->rowCount(); ++r)
        widest = std::max(widest, metrics.horizontalAdvance(model_->headerData(r, Qt::Vertical, Qt::DisplayRole).toString()));
    const int margin = captions->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, captions);
    captions->setFixedWidth(widest + 2 * margin + metrics.averageCharWidth());
    QMetaObject::invokeMethod(view_, "updateGeometries");
}

void ResultsWindow::chooseFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, view_->font(), this);
    if (!ok) return;
    // The chosen font is the new unzoomed one. Row height twice the font size, or 2.5 times on
    // screens finer than 96 dpi.
    baseFont_ = font;
    const double factor = logicalDpiY() > 96 ? 2.5 : 2.0;
    baseRowHeight_ = std::lround(factor * font.pointSizeF());
    zoomSteps_ = 0;
    applyZoom();
}

}  // namespace velmora::ui
