#include "ui/qt_plot_canvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPolygonF>

#include "ui/qt_text.h"

namespace velmora::ui {

namespace {

QColor colour(const tools::Colour& c) {
    return QColor(c.red, c.green, c.blue);
}

QPointF point(const tools::CanvasPoint& p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

}  // namespace

QPen QtPlotCanvas::pen(const tools::Pen& pen) const {
    QPen qt(colour(pen.colour));
    qt.setWidthF(static_cast<double>(pen.width));
    qt.setCapStyle(Qt::FlatCap);
    qt.setJoinStyle(Qt::RoundJoin);
    if (pen.dashed) qt.setStyle(Qt::DashLine);
    return qt;
}

void QtPlotCanvas::begin(const tools::PlotLayout& layout) {
    family_ = qs(layout.fontFamily);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.fillRect(QRectF(0, 0, static_cast<double>(layout.width), static_cast<double>(layout.height)),
                      colour(layout.background));
}

void QtPlotCanvas::line(const tools::LineItem& item) {
    painter_.setPen(pen(item.pen));
    painter_.drawLine(point(item.from), point(item.to));
}

void QtPlotCanvas::polyline(const tools::PolylineItem& item) {
    QPolygonF polygon;
    for (const tools::CanvasPoint& p : item.points) polygon << point(p);
    painter_.setPen(pen(item.pen));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(polygon);
}

void QtPlotCanvas::rect(const tools::RectItem& item) {
    painter_.setPen(pen(item.pen));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(static_cast<double>(item.x), static_cast<double>(item.y),
                             static_cast<double>(item.width), static_cast<double>(item.height)));
}

void QtPlotCanvas::disc(const tools::DiscItem& item) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour(item.colour));
    const double r = static_cast<double>(item.radius);
    painter_.drawEllipse(point(item.centre), r, r);
    painter_.setBrush(Qt::NoBrush);
}

void QtPlotCanvas::text(const tools::TextItem& item) {
    // A font of `size` layout units: points for the device's resolution, before the painter's scale.
    QFont font(family_);
    // No ligatures: "fl" stays two letters, so a reader searching a PDF for "flow" finds it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const int dpi = painter_.device() ? painter_.device()->logicalDpiY() : 96;
    font.setPointSizeF(static_cast<double>(item.size) * 72.0 / (dpi > 0 ? dpi : 96));
    painter_.setFont(font);
    painter_.setPen(colour(item.colour));
    const QString text = qs(item.text);
    const double width = QFontMetricsF(font, painter_.device()).horizontalAdvance(text);
    double x = static_cast<double>(item.at.x);
    if (item.anchor == tools::TextAnchor::Middle) x -= width / 2;
    if (item.anchor == tools::TextAnchor::End) x -= width;
    painter_.drawText(QPointF(x, static_cast<double>(item.at.y)), text);
}

void paintLayout(QPainter& painter, const tools::PlotLayout& layout, double scale) {
    painter.save();
    painter.scale(scale, scale);
    QtPlotCanvas canvas(painter);
    tools::paintPlot(layout, canvas);
    painter.restore();
}

}  // namespace velmora::ui
