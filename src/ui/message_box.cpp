#include "ui/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>

namespace velmora::ui {

int readableMessageWidth(const QMessageBox& box) {
    const QFontMetrics text(box.font());
    // The title bar's font is the window system's; a bold face of the box's font is a safe
    // stand-in. Beside the caption: the window icon, the close button and the frame's padding.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int caption = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 6 * text.height();
    const int readable = 40 * text.averageCharWidth();
    return std::max(caption, readable);
}

void fitMessageBox(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const QScreen* screen = box.parentWidget() ? box.parentWidget()->screen() : QApplication::primaryScreen();
    const int limit = screen ? screen->availableGeometry().width() * 9 / 10 : 1000;
    const int width = std::min(readableMessageWidth(box), limit);
    // A box takes the width of its widest row; an empty row of that width below the buttons
    // widens it without changing where Qt puts the icon, text and buttons.
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

namespace {
void oneButtonBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    fitMessageBox(box);
    box.exec();
}
}  // namespace

void informationBox(QWidget* parent, const QString& caption, const QString& text) {
    oneButtonBox(parent, QMessageBox::Information, caption, text);
}

void warningBox(QWidget* parent, const QString& caption, const QString& text) {
    oneButtonBox(parent, QMessageBox::Warning, caption, text);
}

}  // namespace velmora::ui
