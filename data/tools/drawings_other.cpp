// Pictures of the element with a known resistance coefficient, the height difference and the
// changes of velocity.
#include "picture_drawings.h"
#include "picture_parts.h"

namespace velmora::pictures {

namespace {

// Any element of a known resistance coefficient ζ, in a circular pipe (D) or a duct (B × H).
void knownCoefficient(Sketch& s) {
    constexpr double axis = 46;
    Body body;
    horizontalPipe(body, 14, 226, axis, 12, 4);
    body.wall(rectangle(90, axis - 26, 150, axis + 26));
    body.fluid(rectangle(94, axis - 22, 146, axis + 22));
    s.body(body);
    s.flow({30, axis}, {82, axis});
    s.flow({158, axis}, {212, axis});
    s.label({120, axis}, "ζ", 22);
    circularEndView(s, {72, 118}, 19, 4, "D");
    rectangularEndView(s, QRectF(136, 102, 50, 30), 3, "B", "H", DimensionPlace::Outside);
}

// A level mark: a small triangle standing on the level line.
void levelMark(Sketch& s, QPointF point) {
    s.outline(polygon({point, point + QPointF(-5, -7), point + QPointF(5, -7)}));
}

// A pipe rising by the height H between two levels.
void heightDifference(Sketch& s) {
    constexpr double low = 130;
    constexpr double high = 36;
    QPainterPath centre({14, low});
    centre.lineTo(70, low);
    centre.lineTo(142, high);
    centre.lineTo(226, high);
    Body body;
    body.duct(centre, 14, 3, Qt::RoundJoin);
    s.body(body);
    s.centreLine({10, low}, {214, low});
    s.centreLine({142, high}, {230, high});
    levelMark(s, {196, low});
    levelMark(s, {184, high});
    s.dimension({206, high}, {206, low}, "H", {-9, 0});
    s.flow({24, low}, {60, low});
    s.flow({84, low - 18}, {120, high + 28});
    s.flow({150, high}, {172, high});
}

// Velocity arrows across a section: a profile of `count` equal arrows of the given length.
void velocityProfile(Sketch& s, double x, double axis, double half, double length, int count) {
    s.centreLine({x, axis - half - 8}, {x, axis + half + 8});
    const double step = (2 * half - 10) / (count - 1);
    for (int i = 0; i < count; ++i) {
        const double y = axis - half + 5 + i * step;
        s.flow({x, y}, {x + length, y});
    }
}

// The pressure changes with the velocity between section 1 and section 2.
void velocityChange(Sketch& s) {
    constexpr double axis = 80;
    Body body;
    axisymmetric(body, axis, {{14, 28}, {100, 28}, {140, 14}, {226, 14}}, 5);
    s.body(body);
    velocityProfile(s, 52, axis, 28, 16, 4);
    velocityProfile(s, 150, axis, 14, 32, 3);
    boreDiameter(s, 30, axis, 28, "D1", {-11, -16});
    boreDiameter(s, 212, axis, 14, "D2", {-12, 0});
}

void rectangularVelocityChange(Sketch& s) {
    constexpr double axis = 40;
    Body body;
    axisymmetric(body, axis, {{14, 20}, {100, 20}, {140, 10}, {226, 10}}, 3);
    s.body(body);
    velocityProfile(s, 46, axis, 20, 14, 3);
    velocityProfile(s, 164, axis, 10, 28, 2);
    rectangularEndView(s, QRectF(34, 86, 54, 40), 3, "B1", "H1", DimensionPlace::Outside);
    rectangularEndView(s, QRectF(150, 96, 36, 20), 3, "B2", "H2", DimensionPlace::Outside);
}

}  // namespace

void addOtherDrawings(std::vector<PictureDrawing>& rows) {
    rows.push_back({2802, knownCoefficient, {"ζ"}});
    rows.push_back({2801, heightDifference});
    rows.push_back({3202, velocityChange});
    rows.push_back({3203, rectangularVelocityChange});
}

}  // namespace velmora::pictures
