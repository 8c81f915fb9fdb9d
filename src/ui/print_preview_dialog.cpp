#include "ui/print_preview_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "model/print_window_texts.h"
#include "ui/print_page_painter.h"
#include "ui/qt_text.h"

namespace velmora::ui {

using model::PrintPreviewText;

namespace {

QString previewText(const lang::TextCatalogue& texts, PrintPreviewText role) {
    return blockText(texts, "TDruckvorschauDlg", static_cast<int>(role));
}

constexpr int border = 16;  // pixels of grey around the paper

}  // namespace

PageView::PageView(const print::PageGeometry& geometry, double dpi, QWidget* parent)
    : QWidget(parent), geometry_(geometry), dpi_(dpi) {
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(shade);
    setMinimumSize(320, 240);
}

void PageView::setPage(const print::PrintPage* page) {
    page_ = page;
    update();
}

QSize PageView::sizeHint() const {
    const double aspect = geometry_.width > 0 ? geometry_.height / geometry_.width : 0.7;
    return {960, static_cast<int>(960 * aspect) + 2 * border};
}

void PageView::paintEvent(QPaintEvent*) {
    if (geometry_.width <= 0 || geometry_.height <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale =
        std::min((width() - 2.0 * border) / geometry_.width, (height() - 2.0 * border) / geometry_.height);
    const QSizeF paper(geometry_.width * scale, geometry_.height * scale);
    const QPointF corner((width() - paper.width()) / 2, (height() - paper.height()) / 2);
    painter.fillRect(QRectF(corner + QPointF(4, 4), paper), QColor(0x50, 0x50, 0x50));
    painter.fillRect(QRectF(corner, paper), Qt::white);
    if (!page_) return;
    painter.translate(corner);
    painter.scale(scale, scale);
    paintPage(painter, *page_, dpi_);
}

PrintPreviewDialog::PrintPreviewDialog(const lang::TextCatalogue& texts,
                                       const std::vector<print::PrintPage>& pages,
                                       const print::PageGeometry& geometry, double dpi, QWidget* parent)
    : ModalDialog(parent), texts_(texts), pages_(pages) {
    setObjectName("TDruckvorschauDlg");
    setWindowTitle(previewText(texts, PrintPreviewText::Title));
    view_ = new PageView(geometry, dpi, this);
    view_->setObjectName("pageView");
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName("pageLabel");
    previous_ = new QPushButton(previewText(texts, PrintPreviewText::Previous), this);
    previous_->setObjectName("previousButton");
    next_ = new QPushButton(previewText(texts, PrintPreviewText::Next), this);
    next_->setObjectName("nextButton");
    auto* print = new QPushButton(previewText(texts, PrintPreviewText::Print), this);
    print->setObjectName("printButton");
    auto* close = new QPushButton(globalText(texts, model::GlobalText::ButtonClose), this);
    close->setObjectName("closeButton");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addSpacing(12);
    buttons->addWidget(pageLabel_);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(view_, 1);

    connect(previous_, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    next_->setDefault(true);

    // As large as the screen comfortably allows: the page should be readable.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        resize(std::min(1100, room.width() * 9 / 10), std::min(820, room.height() * 9 / 10));
    }
    showPage(1);
}

void PrintPreviewDialog::showPage(int page) {
    const int count = static_cast<int>(pages_.size());
    current_ = std::clamp(page, 1, std::max(1, count));
    view_->setPage(count > 0 ? &pages_[static_cast<std::size_t>(current_ - 1)] : nullptr);
    pageLabel_->setText(globalText(texts_, model::GlobalText::PageWord) + " " + QString::number(current_) +
                        " " + globalText(texts_, model::GlobalText::OfWord) + " " + QString::number(count));
    previous_->setEnabled(current_ > 1);
    next_->setEnabled(current_ < count);
}

}  // namespace velmora::ui
