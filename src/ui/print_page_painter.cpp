#include "ui/print_page_painter.h"

#include <QFontMetricsF>
#include <QPen>

#include "ui/qt_print_metrics.h"

namespace velmora::ui {

void paintPage(QPainter& painter, const print::PrintPage& page, double dpi) {
    painter.save();
    for (const print::PlacedLine& line : page.lines) {
        QPen pen(Qt::black, line.thickness);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
    }
    painter.setPen(Qt::black);
    for (const print::PlacedText& text : page.texts) {
        const QFont font = printFont(text.font, dpi);
        painter.setFont(font);
        const QFontMetricsF metrics(font);
        const int align = (text.align == print::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                          Qt::AlignTop | Qt::TextSingleLine;
        for (std::size_t i = 0; i < text.lines.size(); ++i) {
            QString line = QString::fromStdString(text.lines[i]);
            if (line.isEmpty()) continue;
            if (metrics.horizontalAdvance(line) > text.width)
                line = metrics.elidedText(line, Qt::ElideRight, text.width);
            const QRectF box(text.x, text.y + static_cast<double>(i) * text.lineHeight, text.width,
                             text.lineHeight);
            painter.drawText(box, align, line);
        }
    }
    painter.restore();
}

}  // namespace velmora::ui
