// Pictures of the straight pipes and ducts, the inlets and the changes of section.
#include <QPainterPathStroker>
#include <cmath>

#include "picture_drawings.h"
#include "picture_parts.h"

namespace velmora::pictures {

namespace {

// Straight pipes: a side view on the left with the length below, an end view on the right.
constexpr double kAxis = 70;
constexpr double kSideLeft = 14;
constexpr double kSideRight = 146;
constexpr double kLengthLine = 132;
const QPointF kEndCentre(196, kAxis);

void sideView(Sketch& s, double boreRadius, double wall, double left = kSideLeft) {
    Body pipe;
    horizontalPipe(pipe, left, kSideRight, kAxis, boreRadius, wall);
    s.body(pipe);
    s.centreLine({left - 6, kAxis}, {kSideRight + 6, kAxis});
    s.flow({left + 26, kAxis}, {kSideRight - 26, kAxis});
    lengthBelow(s, left, kSideRight, kAxis + boreRadius + wall + 2, kLengthLine, "L");
}

void circularPipe(Sketch& s) {
    sideView(s, 22, 6);
    circularEndView(s, kEndCentre, 22, 6, "D");
}

void rectangularDuct(Sketch& s) {
    sideView(s, 18, 3);
    rectangularEndView(s, QRectF(kEndCentre.x() - 26, kAxis - 18, 52, 36), 3, "B", "H");
}

// An annular gap: a tube inside a pipe; the medium flows between them.
void annularGap(Sketch& s) {
    constexpr double left = 56;
    constexpr double bore = 24;
    constexpr double tube = 10;  // outer radius of the inner tube
    Body pipe;
    horizontalPipe(pipe, left, kSideRight, kAxis, bore, 5);
    s.body(pipe);
    s.solid(rectangle(left, kAxis - tube, kSideRight, kAxis + tube));
    s.hatched(symmetric(rectangle(left, kAxis - tube, kSideRight, kAxis - tube + 3), kAxis));
    s.centreLine({left - 4, kAxis}, {kSideRight + 6, kAxis});
    const double gap = (bore + tube) / 2;
    s.flow({left + 22, kAxis - gap}, {kSideRight - 22, kAxis - gap});
    s.flow({left + 22, kAxis + gap}, {kSideRight - 22, kAxis + gap});
    for (double r : {bore, tube}) {
        s.extension({left, kAxis - r}, {r == bore ? 18.0 : 38.0, kAxis - r});
        s.extension({left, kAxis + r}, {r == bore ? 18.0 : 38.0, kAxis + r});
    }
    s.dimension({20, kAxis - bore}, {20, kAxis + bore}, "D", {-9, 0});
    s.dimension({40, kAxis - tube}, {40, kAxis + tube}, "Di", {-9, 0});
    lengthBelow(s, left, kSideRight, kAxis + bore + 7, kLengthLine, "L");

    const QPointF centre(200, kAxis);
    s.fluid(circle(centre, bore));
    s.hatched(circle(centre, bore + 5).subtracted(circle(centre, bore)));
    s.solid(circle(centre, tube));
    s.hatched(circle(centre, tube).subtracted(circle(centre, tube - 3)));
    s.centreLine(centre - QPointF(bore + 10, 0), centre + QPointF(bore + 10, 0));
    s.centreLine(centre - QPointF(0, bore + 10), centre + QPointF(0, bore + 10));
}

// A channel of masonry or concrete under ground: thick walls, the ground line above.
void groundLine(Sketch& s, double x0, double x1, double y) {
    s.line({x0, y}, {x1, y});
    for (double x = x0 + 4; x < x1 - 2; x += 7) s.thin({x, y}, {x - 5, y + 5});
}

void channel(Sketch& s) {
    constexpr double bore = 20;
    constexpr double wall = 9;
    Body duct;
    horizontalPipe(duct, kSideLeft, kSideRight, kAxis, bore, wall);
    s.body(duct);
    groundLine(s, kSideLeft, kSideRight, kAxis - bore - wall - 8);
    s.flow({kSideLeft + 26, kAxis}, {kSideRight - 26, kAxis});
    lengthBelow(s, kSideLeft, kSideRight, kAxis + bore + wall + 2, kLengthLine, "L");
    const QRectF end(kEndCentre.x() - 24, kAxis - bore, 48, 2 * bore);
    rectangularEndView(s, end, wall, "B", "H");
    groundLine(s, end.left() - wall - 6, end.right() + wall + 6, kAxis - bore - wall - 8);
}

// A corrugated pipe: the wall follows a wave of depth t and pitch T; D is the smallest bore.
void corrugatedPipe(Sketch& s) {
    constexpr double axis = 66;
    constexpr double left = 14;
    constexpr double right = 194;
    constexpr double bore = 22;
    constexpr double depth = 8;
    constexpr double pitch = 24;
    constexpr double wall = 3;
    auto radius = [](double x) {
        const double phase = (x - left) / pitch * 2 * 3.14159265358979;
        return bore + depth / 2 * (1 - std::cos(phase));
    };
    QPainterPath inner;
    QPainterPath bandTop;
    inner.moveTo(left, axis - radius(left));
    for (double x = left; x <= right + 0.01; x += 1) inner.lineTo(x, axis - radius(x));
    bandTop = inner;
    for (double x = right; x >= left - 0.01; x -= 1) bandTop.lineTo(x, axis - radius(x) - wall);
    bandTop.closeSubpath();
    QPainterPath fluid = inner;
    for (double x = right; x >= left - 0.01; x -= 1) fluid.lineTo(x, axis + radius(x));
    fluid.closeSubpath();
    s.fluid(fluid);
    s.hatched(symmetric(bandTop, axis));
    s.centreLine({left - 6, axis}, {right + 6, axis});
    s.flow({left + 40, axis}, {right - 30, axis});

    // D at an inner crest, the pitch T over two outer crests, the depth t at the right end.
    const double crest = left + pitch * 1;
    boreDiameter(s, crest, axis, bore, "D", {-8, -10});
    const double top = axis - bore - depth - wall;
    const double x0 = left + pitch * 2.5;
    const double x1 = x0 + pitch;
    s.extension({x0, top - 1}, {x0, 14});
    s.extension({x1, top - 1}, {x1, 14});
    s.dimension({x0, 14}, {x1, 14}, "T", {0, -7});
    const double xr = right;
    s.extension({xr, axis - bore}, {226, axis - bore});
    s.extension({xr, axis - bore - depth}, {226, axis - bore - depth});
    s.dimensionOutside({222, axis - bore - depth}, {222, axis - bore}, "t", {-8, 0});
    lengthBelow(s, left, right, axis + bore + depth + wall + 2, 132, "L");
}

// Another cross-section: any shape of flow area A and wetted perimeter U.
void otherSection(Sketch& s) {
    sideView(s, 22, 5);
    const QPointF c = kEndCentre;
    QPainterPath shape;
    shape.moveTo(c + QPointF(-20, 22));
    shape.cubicTo(c + QPointF(-34, 22), c + QPointF(-30, -4), c + QPointF(-18, -16));
    shape.cubicTo(c + QPointF(-8, -26), c + QPointF(10, -24), c + QPointF(20, -14));
    shape.cubicTo(c + QPointF(32, -2), c + QPointF(30, 22), c + QPointF(16, 22));
    shape.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setWidth(10);
    stroker.setJoinStyle(Qt::RoundJoin);
    s.fluid(shape);
    s.hatched(stroker.createStroke(shape).united(shape).subtracted(shape));
    s.label(c + QPointF(0, 4), "A", 15);
    s.leader(c + QPointF(26.3, 10), c + QPointF(36, 40), "U");
}

// Inlets: a vessel wall on the left, the pipe leaving it to the right.
constexpr double kInletAxis = 80;
constexpr double kInletBore = 22;
constexpr double kInletPipeWall = 6;

void vesselSideArrows(Sketch& s) {
    s.flow({10, 34}, {42, 58});
    s.flow({10, 126}, {42, 102});
}

void sharpInlet(Sketch& s) {
    constexpr double face = 58;
    Body body;
    body.wall(rectangle(face, -2, face + 14, 162));
    horizontalPipe(body, face, 226, kInletAxis, kInletBore, kInletPipeWall);
    body.fluid(rectangle(-2, -2, face, 162));
    s.body(body);
    // The jet contracts behind the sharp edge.
    QPainterPath jet;
    jet.moveTo(face, kInletAxis - kInletBore);
    jet.cubicTo(face + 14, kInletAxis - kInletBore + 9, face + 42, kInletAxis - kInletBore + 9, face + 80,
                kInletAxis - kInletBore);
    s.streamline(symmetric(jet, kInletAxis));
    s.centreLine({10, kInletAxis}, {230, kInletAxis});
    vesselSideArrows(s);
    s.flow({14, kInletAxis}, {124, kInletAxis});
    boreDiameter(s, 190, kInletAxis, kInletBore, "D", {-8, -10});
}

void roundedInlet(Sketch& s) {
    constexpr double face = 54;
    constexpr double round = 14;
    Body body;
    body.wall(rectangle(face, -2, face + 18, 162));
    horizontalPipe(body, face, 226, kInletAxis, kInletBore, kInletPipeWall);
    body.fluid(rectangle(-2, -2, face, 162));
    const QPointF corner(face, kInletAxis - kInletBore);
    const QPainterPath mouth = rectangle(face, corner.y() - round, face + round, corner.y())
                                   .subtracted(circle(corner + QPointF(round, -round), round));
    body.fluid(symmetric(mouth, kInletAxis));
    s.body(body);
    s.centreLine({10, kInletAxis}, {230, kInletAxis});
    vesselSideArrows(s);
    s.flow({14, kInletAxis}, {124, kInletAxis});
    boreDiameter(s, 190, kInletAxis, kInletBore, "D", {-8, -10});
}

// A sharp inlet in a wall inclined to the pipe axis by the angle w.
void inclinedInlet(Sketch& s) {
    constexpr double slope = 55;  // degrees between the wall and the pipe axis
    const double run = 1 / std::tan(slope * 3.14159265358979 / 180);
    const double across = 13 / std::sin(slope * 3.14159265358979 / 180);  // horizontal wall thickness
    const QPointF corner(92, kInletAxis + kInletBore);  // lower edge of the inlet, on the vessel face
    auto face = [&](double y) { return corner.x() - (y - corner.y()) * run; };
    Body body;
    body.wall(
        polygon({{face(-2), -2}, {face(-2) + across, -2}, {face(162) + across, 162}, {face(162), 162}}));
    horizontalPipe(body, face(kInletAxis + kInletBore + 8), 226, kInletAxis, kInletBore, kInletPipeWall);
    body.fluid(polygon({{-2, -2}, {face(-2), -2}, {face(162), 162}, {-2, 162}}));
    s.body(body);
    s.centreLine({6, kInletAxis}, {230, kInletAxis});
    s.flow({10, kInletAxis}, {180, kInletAxis});
    s.flow({20, 30}, {66, 62});
    s.extension(corner, corner - QPointF(48, 0));
    s.angle(corner, 36, 180, 180 + slope, "w", {-2, 2});
    boreDiameter(s, 206, kInletAxis, kInletBore, "D", {-8, -10});
}

// A thin pipe reaching far into the vessel, its end sharp.
void protrudingInlet(Sketch& s) {
    constexpr double face = 126;
    constexpr double mouth = 46;
    s.fluid(rectangle(-2, -2, face, 162));
    Body body;
    body.wall(rectangle(face, -2, face + 12, 162));
    horizontalPipe(body, mouth, 226, kInletAxis, kInletBore, 4);
    s.body(body);
    QPainterPath jet;
    jet.moveTo(mouth, kInletAxis - kInletBore);
    jet.cubicTo(mouth + 14, kInletAxis - kInletBore + 10, mouth + 40, kInletAxis - kInletBore + 10,
                mouth + 76, kInletAxis - kInletBore);
    s.streamline(symmetric(jet, kInletAxis));
    s.centreLine({6, kInletAxis}, {230, kInletAxis});
    s.flow({8, kInletAxis}, {104, kInletAxis});
    for (double side : {-1.0, 1.0}) {
        QPainterPath around;
        around.moveTo(112, kInletAxis + side * 46);
        around.cubicTo(40, kInletAxis + side * 46, 26, kInletAxis + side * 16, 56, kInletAxis + side * 12);
        s.flow(around);
    }
    boreDiameter(s, 190, kInletAxis, kInletBore, "D", {-8, -10});
}

// Changes of section: a small and a large bore on one axis.
constexpr double kSectionAxis = 80;
constexpr double kSmall = 13;
constexpr double kLarge = 30;
constexpr double kSectionWall = 5;

void sectionBody(Sketch& s, const std::vector<QPointF>& profile) {
    Body body;
    axisymmetric(body, kSectionAxis, profile, kSectionWall);
    s.body(body);
    s.centreLine({8, kSectionAxis}, {232, kSectionAxis});
}

void suddenExpansion(Sketch& s) {
    sectionBody(s, {{14, kSmall}, {100, kSmall}, {100, kLarge}, {226, kLarge}});
    QPainterPath jet;
    jet.moveTo(100, kSectionAxis - kSmall);
    jet.cubicTo(130, kSectionAxis - kSmall - 2, 160, kSectionAxis - kLarge + 4, 190, kSectionAxis - kLarge);
    s.streamline(symmetric(jet, kSectionAxis));
    s.flow({54, kSectionAxis}, {176, kSectionAxis});
    boreDiameter(s, 34, kSectionAxis, kSmall, "D1", {-10, 0});
    boreDiameter(s, 208, kSectionAxis, kLarge, "D2", {-11, -14});
}

void gradualExpansion(Sketch& s) {
    constexpr double start = 82;
    constexpr double end = 132;
    sectionBody(s, {{14, kSmall}, {start, kSmall}, {end, kLarge}, {226, kLarge}});
    s.flow({54, kSectionAxis}, {176, kSectionAxis});
    boreDiameter(s, 34, kSectionAxis, kSmall, "D1", {-10, 0});
    boreDiameter(s, 208, kSectionAxis, kLarge, "D2", {-11, -14});
    const QPointF corner(start, kSectionAxis - kSmall);
    const double opening = std::atan2(kLarge - kSmall, end - start) * 180 / 3.14159265358979;
    s.extension(corner, corner + QPointF(44, 0));
    s.angle(corner, 38, 0, opening, "w", {4, 2});
}

void suddenContraction(Sketch& s) {
    sectionBody(s, {{14, kLarge}, {120, kLarge}, {120, kSmall}, {226, kSmall}});
    QPainterPath jet;
    jet.moveTo(120, kSectionAxis - kSmall);
    jet.cubicTo(132, kSectionAxis - kSmall + 5, 150, kSectionAxis - kSmall + 5, 176, kSectionAxis - kSmall);
    s.streamline(symmetric(jet, kSectionAxis));
    s.flow({56, kSectionAxis}, {168, kSectionAxis});
    boreDiameter(s, 34, kSectionAxis, kLarge, "D1", {-11, -14});
    boreDiameter(s, 208, kSectionAxis, kSmall, "D2", {-11, 0});
}

void gradualContraction(Sketch& s) {
    constexpr double start = 98;
    constexpr double end = 148;
    sectionBody(s, {{14, kLarge}, {start, kLarge}, {end, kSmall}, {226, kSmall}});
    s.flow({56, kSectionAxis}, {168, kSectionAxis});
    boreDiameter(s, 34, kSectionAxis, kLarge, "D1", {-11, -14});
    boreDiameter(s, 208, kSectionAxis, kSmall, "D2", {-11, 0});
    const QPointF corner(end, kSectionAxis - kSmall);
    const double closing = std::atan2(kLarge - kSmall, end - start) * 180 / 3.14159265358979;
    s.extension(corner, corner - QPointF(44, 0));
    s.angle(corner, 38, 180 - closing, 180, "w", {-4, 2});
}

}  // namespace

void addPipeDrawings(std::vector<PictureDrawing>& rows) {
    rows.push_back({1601, circularPipe});
    rows.push_back({1602, rectangularDuct});
    rows.push_back({1603, annularGap});
    rows.push_back({1604, channel});
    rows.push_back({1606, corrugatedPipe});
    rows.push_back({1605, otherSection, {"U"}});
    rows.push_back({1701, sharpInlet});
    rows.push_back({1702, roundedInlet});
    rows.push_back({1703, inclinedInlet});
    rows.push_back({1704, protrudingInlet});
    rows.push_back({1801, suddenExpansion});
    rows.push_back({1802, gradualExpansion});
    rows.push_back({1803, suddenContraction});
    rows.push_back({1804, gradualContraction});
}

}  // namespace velmora::pictures
