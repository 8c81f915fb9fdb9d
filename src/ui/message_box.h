#pragma once

#include <QMessageBox>

namespace velmora::ui {

// Makes a message box readable before it is shown: at least about forty characters wide, and wide
// enough that its caption shows whole in the title bar beside the close button (a box sized to a
// one-line text cut captions such as "Message" to "Me...age"). Never wider than its screen.
void fitMessageBox(QMessageBox& box);

// The width fitMessageBox gives a box with this caption, in pixels, before the screen limit.
int readableMessageWidth(const QMessageBox& box);

// An information or warning box over `parent` with one OK button, fitted as above.
void informationBox(QWidget* parent, const QString& caption, const QString& text);
void warningBox(QWidget* parent, const QString& caption, const QString& text);

}  // namespace velmora::ui
