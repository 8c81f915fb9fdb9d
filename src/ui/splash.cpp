#include "ui/splash.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include "ui/qt_text.h"

namespace velmora::ui {

std::unique_ptr<QSplashScreen> showSplash(const lang::TextCatalogue& texts) {
    QPixmap picture(440, 180);
    picture.fill(QColor(0xf4, 0xf6, 0xf8));
    QPainter painter(&picture);
    painter.setPen(QColor(0x1f, 0x4e, 0x79));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(0, 0, 12, picture.height()), QColor(0x1f, 0x4e, 0x79));
    QFont title = painter.font();
    title.setPointSize(22);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(36, 30, 390, 50), Qt::AlignLeft | Qt::AlignVCenter,
                     globalText(texts, model::GlobalText::ProgramTitle));
    QFont subtitle = painter.font();
    subtitle.setPointSize(11);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    painter.drawText(QRect(36, 90, 390, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     mainText(texts, model::MyWindowText::Title));
    painter.end();
    auto splash = std::make_unique<QSplashScreen>(picture);
    splash->show();
    QApplication::processEvents();
    return splash;
}

}  // namespace velmora::ui
