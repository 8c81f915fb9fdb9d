#include "picture_sketch.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace velmora::pictures {

namespace {

const QColor kLineColour(0x33, 0x33, 0x33);
const QColor kHatchColour(0x8c, 0x8c, 0x8c);
const QColor kFluidColour(0xe4, 0xee, 0xf8);
const QColor kFlowColour(0x3a, 0x3a, 0x3a);
const QColor kAccentColour(0x1c, 0x5c, 0xb8);
constexpr double kWallPen = 1.4;
constexpr double kThinPen = 0.8;
constexpr double kHatchSpacing = 4.5;

QPointF unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF{};
}

QFont letterFont(double pixelSize) {
    QFont font("DejaVu Sans");
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setItalic(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// "D1" → ("D", "1"), "Di" → ("D", "i"), "DN" → ("DN", "").
std::pair<QString, QString> splitLabel(const QString& label) {
    if (label == "Di") return {"D", "i"};
    if (label == "pi") return {"p", "i"};
    qsizetype cut = label.size();
    while (cut > 1 && label[cut - 1].isDigit()) --cut;
    return {label.left(cut), label.mid(cut)};
}

}  // namespace

void Body::duct(const QPainterPath& centre, double innerWidth, double wallThickness, Qt::PenJoinStyle join) {
    QPainterPathStroker stroker;
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(join);
    stroker.setMiterLimit(8);
    stroker.setWidth(innerWidth);
    const QPainterPath inner = stroker.createStroke(centre).simplified();
    stroker.setWidth(innerWidth + 2 * wallThickness);
    const QPainterPath outer = stroker.createStroke(centre).simplified();
    fluid(inner);
    wall(outer);
}

Sketch::Sketch(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void Sketch::shift(double dx, double dy) {
    painter_.translate(dx, dy);
}

void Sketch::body(const Body& body) {
    fluid(body.fluidArea());
    hatched(body.wallArea());
}

void Sketch::fluid(const QPainterPath& area) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kFluidColour);
    painter_.drawPath(area);
    painter_.restore();
}

void Sketch::hatched(const QPainterPath& area) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::white);
    painter_.drawPath(area);
    painter_.setClipPath(area);
    painter_.setPen(QPen(kHatchColour, kThinPen));
    // 45° lines over the picture and a margin for a shifted drawing.
    for (double c = -kPictureHeight - 80; c < kPictureWidth + kPictureHeight; c += kHatchSpacing) {
        painter_.drawLine(QPointF(c, kPictureHeight + 40), QPointF(c + kPictureHeight + 80, -40));
    }
    painter_.restore();
    outline(area);
}

void Sketch::solid(const QPainterPath& area) {
    painter_.save();
    painter_.setPen(QPen(kLineColour, kWallPen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.setBrush(Qt::white);
    painter_.drawPath(area);
    painter_.restore();
}

void Sketch::moving(const QPainterPath& area) {
    painter_.save();
    painter_.setPen(QPen(kLineColour, kWallPen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.setBrush(QColor(0xc4, 0xc8, 0xcc));
    painter_.drawPath(area);
    painter_.restore();
}

void Sketch::dark(const QPainterPath& area) {
    painter_.save();
    painter_.setPen(QPen(kLineColour, kThinPen));
    painter_.setBrush(kLineColour);
    painter_.drawPath(area);
    painter_.restore();
}

void Sketch::outline(const QPainterPath& path) {
    painter_.save();
    painter_.setPen(QPen(kLineColour, kWallPen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
}

void Sketch::line(QPointF a, QPointF b) {
    painter_.save();
    painter_.setPen(QPen(kLineColour, kWallPen, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(a, b);
    painter_.restore();
}

void Sketch::thin(QPointF a, QPointF b) {
    painter_.save();
    painter_.setPen(QPen(kLineColour, kThinPen, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(a, b);
    painter_.restore();
}

void Sketch::hidden(QPointF a, QPointF b) {
    painter_.save();
    QPen pen(kLineColour, kThinPen, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({4, 3});
    painter_.setPen(pen);
    painter_.drawLine(a, b);
    painter_.restore();
}

void Sketch::centreLine(QPointF a, QPointF b) {
    painter_.save();
    QPen pen(QColor(0x70, 0x70, 0x70), 0.7, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({12, 3, 2, 3});
    painter_.setPen(pen);
    painter_.drawLine(a, b);
    painter_.restore();
}

void Sketch::mesh(const QPainterPath& path) {
    painter_.save();
    QPen pen(kLineColour, 1.6, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({0.9, 0.9});
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
}

void Sketch::streamline(const QPainterPath& path) {
    painter_.save();
    QPen pen(QColor(0x60, 0x60, 0x60), kThinPen, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({3, 2.5});
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
}

void Sketch::flow(QPointF from, QPointF to) {
    const QPointF direction = unit(to - from);
    painter_.save();
    painter_.setPen(QPen(kFlowColour, 2.0, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(from, to - direction * 7);
    painter_.restore();
    arrowHead(to, from, 9, 4, kFlowColour);
}

void Sketch::flow(const QPainterPath& path) {
    const QPointF tip = path.pointAtPercent(1);
    const double length = path.length();
    const QPointF back = path.pointAtPercent(path.percentAtLength(std::max(0.0, length - 7)));
    QPainterPath shaft;
    const int steps = 40;
    const double shaftEnd = path.percentAtLength(std::max(0.0, length - 6));
    for (int i = 0; i <= steps; ++i) {
        const QPointF point = path.pointAtPercent(shaftEnd * i / steps);
        if (i == 0) {
            shaft.moveTo(point);
        } else {
            shaft.lineTo(point);
        }
    }
    painter_.save();
    painter_.setPen(QPen(kFlowColour, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(shaft);
    painter_.restore();
    arrowHead(tip, back, 9, 4, kFlowColour);
}

void Sketch::arrowHead(QPointF tip, QPointF from, double length, double halfWidth, const QColor& colour) {
    const QPointF direction = unit(tip - from);
    const QPointF normal(-direction.y(), direction.x());
    const QPointF base = tip - direction * length;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base + normal * halfWidth);
    head.lineTo(base - normal * halfWidth);
    head.closeSubpath();
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour);
    painter_.drawPath(head);
    painter_.restore();
}

void Sketch::dimension(QPointF a, QPointF b, const QString& label, QPointF labelOffset) {
    const QPointF direction = unit(b - a);
    painter_.save();
    painter_.setPen(QPen(kAccentColour, kThinPen, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(a + direction * 4, b - direction * 4);
    painter_.restore();
    arrowHead(a, b, 6, 2.2, kAccentColour);
    arrowHead(b, a, 6, 2.2, kAccentColour);
    drawLabel((a + b) / 2 + labelOffset, label, 13);
}

void Sketch::dimensionOutside(QPointF a, QPointF b, const QString& label, QPointF labelOffset) {
    const QPointF direction = unit(b - a);
    painter_.save();
    painter_.setPen(QPen(kAccentColour, kThinPen, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(a - direction * 12, b + direction * 12);
    painter_.restore();
    arrowHead(a, a - direction * 10, 6, 2.2, kAccentColour);
    arrowHead(b, b + direction * 10, 6, 2.2, kAccentColour);
    drawLabel((a + b) / 2 + labelOffset, label, 13);
}

void Sketch::extension(QPointF from, QPointF to) {
    const QPointF direction = unit(to - from);
    painter_.save();
    painter_.setPen(QPen(kAccentColour, 0.6, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(from + direction * 2, to + direction * 3);
    painter_.restore();
}

void Sketch::angle(QPointF centre, double radius, double fromDegrees, double toDegrees, const QString& label,
                   QPointF labelOffset) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, fromDegrees);
    arc.arcTo(box, fromDegrees, toDegrees - fromDegrees);
    painter_.save();
    painter_.setPen(QPen(kAccentColour, kThinPen, Qt::SolidLine, Qt::FlatCap));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(arc);
    painter_.restore();
    // Each arrowhead follows the tangent of the arc at its end.
    const double sense = toDegrees > fromDegrees ? 1.0 : -1.0;
    const double step =
        sense * std::min(12.0, std::abs(toDegrees - fromDegrees) / 3) * (30.0 / std::max(radius, 10.0));
    arrowHead(polar(centre, radius, fromDegrees), polar(centre, radius, fromDegrees + step), 6, 2.2,
              kAccentColour);
    arrowHead(polar(centre, radius, toDegrees), polar(centre, radius, toDegrees - step), 6, 2.2,
              kAccentColour);
    const double middle = (fromDegrees + toDegrees) / 2;
    drawLabel(polar(centre, radius + 9, middle) + labelOffset, label, 13);
}

void Sketch::radius(QPointF centre, QPointF onArc, const QString& label, QPointF labelOffset) {
    painter_.save();
    painter_.setPen(QPen(kAccentColour, kThinPen, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(centre, onArc - unit(onArc - centre) * 4);
    painter_.setBrush(kAccentColour);
    painter_.setPen(Qt::NoPen);
    painter_.drawEllipse(centre, 1.6, 1.6);
    painter_.restore();
    arrowHead(onArc, centre, 6, 2.2, kAccentColour);
    drawLabel((centre + onArc) / 2 + labelOffset, label, 13);
}

void Sketch::leader(QPointF target, QPointF labelCentre, const QString& label) {
    const QPointF direction = unit(target - labelCentre);
    painter_.save();
    painter_.setPen(QPen(kAccentColour, kThinPen, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(labelCentre + direction * 8, target);
    painter_.setBrush(kAccentColour);
    painter_.setPen(Qt::NoPen);
    painter_.drawEllipse(target, 1.6, 1.6);
    painter_.restore();
    drawLabel(labelCentre, label, 13);
}

void Sketch::label(QPointF centre, const QString& text, double pixelSize) {
    drawLabel(centre, text, pixelSize);
}

void Sketch::note(QPointF centre, const QString& text, double pixelSize) {
    QFont font("DejaVu Sans");
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    const QFontMetricsF metrics(font);
    painter_.save();
    painter_.setPen(kLineColour);
    painter_.setFont(font);
    painter_.drawText(QPointF(centre.x() - metrics.horizontalAdvance(text) / 2, centre.y() + metrics.capHeight() / 2),
                      text);
    painter_.restore();
}

void Sketch::drawLabel(QPointF centre, const QString& label, double pixelSize) {
    labels_.insert(label.toStdString());
    const auto [base, subscript] = splitLabel(label);
    const QFont baseFont = letterFont(pixelSize);
    const QFont subFont = letterFont(pixelSize * 0.72);
    const QFontMetricsF baseMetrics(baseFont);
    const QFontMetricsF subMetrics(subFont);
    const double baseWidth = baseMetrics.horizontalAdvance(base);
    const double subWidth = subscript.isEmpty() ? 0 : subMetrics.horizontalAdvance(subscript) + 0.5;
    const double width = baseWidth + subWidth;
    const double capHeight = baseMetrics.capHeight();
    const QPointF baseline(centre.x() - width / 2, centre.y() + capHeight / 2);
    painter_.save();
    painter_.setPen(kAccentColour);
    painter_.setFont(baseFont);
    painter_.drawText(baseline, base);
    if (!subscript.isEmpty()) {
        painter_.setFont(subFont);
        painter_.drawText(baseline + QPointF(baseWidth + 0.5, pixelSize * 0.22), subscript);
    }
    painter_.restore();
}

QPainterPath rectangle(double left, double top, double right, double bottom) {
    QPainterPath path;
    path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

QPainterPath circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath mirrored(const QPainterPath& path, double axis) {
    QTransform mirror;
    mirror.translate(0, 2 * axis);
    mirror.scale(1, -1);
    return mirror.map(path);
}

QPainterPath symmetric(const QPainterPath& path, double axis) {
    return path.united(mirrored(path, axis));
}

QPointF polar(QPointF centre, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return {centre.x() + radius * std::cos(radians), centre.y() - radius * std::sin(radians)};
}

}  // namespace velmora::pictures
