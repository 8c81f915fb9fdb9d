#include "ui/short_display_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/window_texts.h"
#include "ui/flow_layout.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using model::ShortDisplayText;
using workflow::ShortDisplay;

ShortDisplayWindow::ShortDisplayWindow(ShortDisplay& display, const lang::TextCatalogue& texts, QWidget* parent)
    : QWidget(parent), display_(display) {
    const auto text = [&texts](ShortDisplayText role) { return blockText(texts, "TKurzAnzeige", static_cast<int>(role)); };
    setWindowTitle(text(ShortDisplayText::Title));
    auto* layout = new QVBoxLayout(this);
    grid_ = new QTableWidget(0, ShortDisplay::columnCount);
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked);
    for (int c = 0; c < ShortDisplay::columnCount; ++c)
        grid_->setColumnWidth(c, ShortDisplay::defaultColumnWidths[static_cast<std::size_t>(c)]);
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_);
    total_ = new QLabel;
    layout->addWidget(total_);

    // The buttons wrap into two rows when the dock beside the input panels is narrow.
    auto* buttons = new FlowLayout;
    const auto button = [&](ShortDisplayText role, bool (ShortDisplay::*command)()) {
        auto* b = new QPushButton(text(role));
        connect(b, &QPushButton::clicked, this, [this, command] {
            if ((display_.*command)()) Q_EMIT tableChanged();
        });
        buttons->addWidget(b);
    };
    button(ShortDisplayText::LineUp, &ShortDisplay::lineUp);
    button(ShortDisplayText::LineDown, &ShortDisplay::lineDown);
    button(ShortDisplayText::Delete, &ShortDisplay::deleteCalculation);
    layout->addLayout(buttons);

    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!reloading_ && row >= 0) display_.setCurrentLine(row + 1);
    });
    connect(grid_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (reloading_ || !ShortDisplay::editable(column)) return;
        if (display_.editDesignation(row + 1, grid_->item(row, column)->text().toStdString())) Q_EMIT tableChanged();
    });
    reload();
}

void ShortDisplayWindow::reload() {
    reloading_ = true;
    const auto headers = display_.headers();
    QStringList labels;
    for (const std::string& h : headers) labels << qs(h);
    grid_->setHorizontalHeaderLabels(labels);
    grid_->setRowCount(display_.lineCount());
    // The items of lines already shown are kept and only their changed texts set: after a
    // calculation only the new line is built, however long the table.
    for (int line = 1; line <= display_.lineCount(); ++line)
        for (int c = 0; c < ShortDisplay::columnCount; ++c) {
            const QString text = qs(display_.cell(c, line));
            if (QTableWidgetItem* shown = grid_->item(line - 1, c)) {
                if (shown->text() != text) shown->setText(text);
                continue;
            }
            auto* item = new QTableWidgetItem(text);
            if (!ShortDisplay::editable(c)) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(line - 1, c, item);
        }
    if (display_.currentLine() > 0) grid_->setCurrentCell(display_.currentLine() - 1, ShortDisplay::designationColumn);
    total_->setText(qs(display_.labelText()));
    reloading_ = false;
}

}  // namespace velmora::ui
