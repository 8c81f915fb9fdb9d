#include "picture_parts.h"

#include <QPainterPathStroker>
#include <cmath>
#include <numbers>

namespace velmora::pictures {

void horizontalPipe(Body& body, double x0, double x1, double axis, double boreRadius, double wall) {
    straightPipe(body, {x0, axis}, {x1, axis}, boreRadius, wall);
}

void straightPipe(Body& body, QPointF from, QPointF to, double boreRadius, double wall) {
    QPainterPath centre(from);
    centre.lineTo(to);
    body.duct(centre, 2 * boreRadius, wall);
}

void axisymmetric(Body& body, double axis, const std::vector<QPointF>& profile, double wall) {
    QPainterPath top;
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const QPointF point(profile[i].x(), axis - profile[i].y());
        if (i == 0) {
            top.moveTo(point);
        } else {
            top.lineTo(point);
        }
    }
    QPainterPath bore = top;
    for (auto it = profile.rbegin(); it != profile.rend(); ++it) bore.lineTo(it->x(), axis + it->y());
    bore.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setWidth(2 * wall);
    const QPainterPath band = stroker.createStroke(top).simplified();
    body.fluid(bore);
    body.wall(symmetric(band, axis));
}

QPointF filletCentre(QPointF corner, double firstDegrees, double secondDegrees, double radius) {
    const double half = std::abs(secondDegrees - firstDegrees) / 2;
    const double distance = radius / std::sin(half * std::numbers::pi / 180);
    return polar(corner, distance, (firstDegrees + secondDegrees) / 2);
}

QPainterPath fillet(QPointF corner, double firstDegrees, double secondDegrees, double radius) {
    const double half = std::abs(secondDegrees - firstDegrees) / 2;
    const double along = radius / std::tan(half * std::numbers::pi / 180);
    const QPointF centre = filletCentre(corner, firstDegrees, secondDegrees, radius);
    return polygon({corner, polar(corner, along, firstDegrees), centre, polar(corner, along, secondDegrees)})
        .subtracted(circle(centre, radius));
}

void flange(Body& body, double x, double width, double axis, double boreRadius, double outerRadius) {
    body.wall(symmetric(rectangle(x, axis - outerRadius, x + width, axis - boreRadius), axis));
}

void boreDiameter(Sketch& sketch, double x, double axis, double boreRadius, const QString& label,
                  QPointF labelOffset) {
    sketch.dimension({x, axis - boreRadius}, {x, axis + boreRadius}, label, labelOffset);
}

void lengthBelow(Sketch& sketch, double x0, double x1, double from, double y, const QString& label) {
    sketch.extension({x0, from}, {x0, y});
    sketch.extension({x1, from}, {x1, y});
    sketch.dimension({x0, y}, {x1, y}, label, {0, -8});
}

void circularEndView(Sketch& sketch, QPointF centre, double boreRadius, double wall, const QString& label) {
    const QPainterPath bore = circle(centre, boreRadius);
    sketch.fluid(bore);
    sketch.hatched(circle(centre, boreRadius + wall).subtracted(bore));
    const double reach = boreRadius + wall + 5;
    sketch.centreLine(centre - QPointF(reach, 0), centre + QPointF(reach, 0));
    sketch.centreLine(centre - QPointF(0, reach), centre + QPointF(0, reach));
    if (!label.isEmpty()) {
        const QPointF a = polar(centre, boreRadius, 150);
        const QPointF b = polar(centre, boreRadius, -30);
        sketch.dimension(a, b, label, {5, -9});
    }
}

void rectangularEndView(Sketch& sketch, const QRectF& bore, double wall, const QString& widthLabel,
                        const QString& heightLabel, DimensionPlace place) {
    QPainterPath inner;
    inner.addRect(bore);
    QPainterPath outer;
    outer.addRect(bore.adjusted(-wall, -wall, wall, wall));
    sketch.fluid(inner);
    sketch.hatched(outer.subtracted(inner));
    if (place == DimensionPlace::Outside) {
        const double y = bore.bottom() + wall + 8;
        const double x = bore.right() + wall + 8;
        sketch.extension(bore.bottomLeft(), {bore.left(), y});
        sketch.extension(bore.bottomRight(), {bore.right(), y});
        sketch.dimension({bore.left(), y}, {bore.right(), y}, widthLabel, {0, 9});
        sketch.extension(bore.topRight(), {x, bore.top()});
        sketch.extension(bore.bottomRight(), {x, bore.bottom()});
        sketch.dimension({x, bore.top()}, {x, bore.bottom()}, heightLabel, {9, 0});
        return;
    }
    const double y = bore.bottom() - 9;
    const double x = bore.right() - 9;
    sketch.dimension({bore.left(), y}, {bore.right(), y}, widthLabel, {-6, -8});
    sketch.dimension({x, bore.top()}, {x, bore.bottom()}, heightLabel, {-9, -6});
}

}  // namespace velmora::pictures
