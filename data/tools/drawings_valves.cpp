// Pictures of the valves and check valves: sections through flanged bodies with the closing part
// (disc, gate, plug, flap) in grey.
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

#include "picture_drawings.h"
#include "picture_parts.h"

namespace velmora::pictures {

namespace {

constexpr double kAxis = 106;
constexpr double kBore = 14;
constexpr double kPipeWall = 4;
constexpr double kFlangeRadius = 28;
const QPointF kBodyCentre(120, kAxis);

QPainterPath ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath stroke(const QPainterPath& path, double width, Qt::PenCapStyle cap = Qt::SquareCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(path);
}

// Flanged pipe ends on the horizontal axis, reaching into the body.
void horizontalEnds(Body& body, double innerLeft, double innerRight) {
    horizontalPipe(body, 14, innerLeft, kAxis, kBore, kPipeWall);
    horizontalPipe(body, innerRight, 226, kAxis, kBore, kPipeWall);
    flange(body, 14, 7, kAxis, kBore, kFlangeRadius);
    flange(body, 219, 7, kAxis, kBore, kFlangeRadius);
}

void throughFlow(Sketch& s) {
    s.flow({50, kAxis}, {76, kAxis});
    s.flow({170, kAxis}, {208, kAxis});
}

void inletDiameter(Sketch& s) {
    boreDiameter(s, 38, kAxis, kBore, "D", {-9, 0});
}

// The upper works of a lift valve in its own frame (origin at the seat's centre, the stem
// pointing to negative y): `base` is the distance from the seat to the body's top.
struct UpperWorks {
    QTransform frame;
    double base = 30;
    double lift = 10;  // the disc's lift above the seat
    double port = 12;  // half the seat's opening
};

// The disc over the seat, and the bonnet with stem and handwheel (a hand valve) or the cover
// with a guided, spring-loaded disc (a check valve).
void upperWorks(Sketch& s, const UpperWorks& w, bool handwheel) {
    const QTransform& t = w.frame;
    const double discTop = -w.lift - 7;
    const QPainterPath disc = rectangle(-w.port - 3, discTop, w.port + 3, -w.lift + 1);
    if (handwheel) {
        const double neck = w.base + 22;
        s.hatched(t.map(
            rectangle(-15, -neck, 15, -w.base + 3).subtracted(rectangle(-4, -neck - 1, 4, -w.base + 4))));
        // Yoke and handwheel (seen edge on).
        s.solid(t.map(rectangle(-12, -neck - 18, -9, -neck)));
        s.solid(t.map(rectangle(9, -neck - 18, 12, -neck)));
        s.solid(t.map(rectangle(-3, -neck - 26, 3, discTop)));
        s.moving(t.map(rectangle(-26, -neck - 24, 26, -neck - 18)));
    } else {
        // A bolted cover with a guide boss; the disc's guide rod runs in it, a spring presses it.
        s.hatched(t.map(rectangle(-20, -w.base - 8, 20, -w.base + 2)
                            .united(rectangle(-6, -w.base + 2, 6, -w.base + 12))
                            .subtracted(rectangle(-3, -w.base - 2, 3, -w.base + 13))));
        s.solid(t.map(rectangle(-2.5, -w.base + 4, 2.5, discTop)));
        QPainterPath spring;
        const double top = -w.base + 12;
        const double height = discTop - top;
        spring.moveTo(0, top);
        for (int i = 1; i <= 6; ++i) spring.lineTo(i % 2 == 1 ? 9 : -9, top + height * (i - 0.5) / 6);
        spring.lineTo(0, discTop);
        s.outline(t.map(spring));
    }
    s.moving(t.map(disc));
}

// A lift valve: round body, a Z-shaped partition whose middle is the seat, the upper works over
// it. `turn` inclines the seat and the stem (an oblique seat).
void liftValve(Sketch& s, double turn, bool handwheel) {
    Body body;
    const QPainterPath outer = ellipse(kBodyCentre, 50, 34);
    body.wall(outer);
    body.fluid(ellipse(kBodyCentre, 45, 29));
    horizontalEnds(body, 80, 160);
    UpperWorks w;
    w.frame.translate(kBodyCentre.x(), kBodyCentre.y());
    w.frame.rotate(turn);
    if (turn != 0) w.base = 34;
    const QTransform& t = w.frame;
    // The partition: from the top of the body down to the seat, and on from the seat to the bottom.
    QPainterPath partition(t.map(QPointF(-24, 0)) + QPointF(-4, -40));
    partition.lineTo(t.map(QPointF(-24, 0)));
    partition.lineTo(t.map(QPointF(-w.port, 0)));
    partition.moveTo(t.map(QPointF(w.port, 0)));
    partition.lineTo(t.map(QPointF(24, 0)));
    partition.lineTo(t.map(QPointF(24, 0)) + QPointF(4, 40));
    body.insert(stroke(partition, 5).intersected(outer));
    if (!handwheel) s.shift(0, -22);
    s.body(body);
    upperWorks(s, w, handwheel);
    throughFlow(s);
    inletDiameter(s);
}

void globeValve(Sketch& s) {
    liftValve(s, 0, true);
}
void obliqueGlobeValve(Sketch& s) {
    liftValve(s, 40, true);
}
void liftCheckValve(Sketch& s) {
    liftValve(s, 0, false);
}
void obliqueLiftCheckValve(Sketch& s) {
    liftValve(s, 40, false);
}

// An angle valve: in from below, through the seat, out to the left.
void angleValve(Sketch& s) {
    constexpr double outletAxis = 84;
    s.shift(0, -8);
    const QPointF centre(132, 96);
    const QPointF seat(132, 112);
    Body body;
    const QPainterPath outer = ellipse(centre, 38, 30);
    body.wall(outer);
    body.fluid(ellipse(centre, 33, 25));
    horizontalPipe(body, 14, 110, outletAxis, kBore, kPipeWall);
    flange(body, 14, 7, outletAxis, kBore, kFlangeRadius);
    straightPipe(body, {seat.x(), 162}, {seat.x(), seat.y()}, kBore, kPipeWall);
    body.wall(rectangle(seat.x() - kFlangeRadius, 150, seat.x() + kFlangeRadius, 157));
    body.fluid(rectangle(seat.x() - kBore, 149, seat.x() + kBore, 158));
    QPainterPath plate({centre.x() - 40, seat.y()});
    plate.lineTo(seat.x() - 12, seat.y());
    plate.moveTo(seat.x() + 12, seat.y());
    plate.lineTo(centre.x() + 40, seat.y());
    body.insert(stroke(plate, 5).intersected(outer));
    s.body(body);
    UpperWorks w;
    w.frame.translate(seat.x(), seat.y());
    w.base = 44;
    w.lift = 9;
    upperWorks(s, w, true);
    s.flow({seat.x(), 156}, {seat.x(), 124});
    s.flow({84, outletAxis}, {34, outletAxis});
    s.dimension({seat.x() - kBore, 140}, {seat.x() + kBore, 140}, "D", {-30, 0});
}

// A gate valve: the gate slides across the straight bore, leaving the opening H below it.
void gateValve(Sketch& s) {
    constexpr double opening = 16;
    const double bottom = kAxis + kBore;
    Body body;
    horizontalEnds(body, 96, 144);
    // The housing of the gate above the bore, and the seat rings beside it.
    body.wall(rectangle(94, 30, 146, 36));
    body.wall(rectangle(94, 30, 100, kAxis - kBore));
    body.wall(rectangle(140, 30, 146, kAxis - kBore));
    body.wall(rectangle(94, kAxis - kBore - 6, 146, kAxis + kBore + 10));
    body.fluid(rectangle(99, 36, 141, kAxis - kBore + 1));
    body.fluid(rectangle(90, kAxis - kBore, 150, kAxis + kBore));
    s.body(body);
    s.hatched(rectangle(106, 16, 134, 30).subtracted(rectangle(117, 15, 123, 31)));
    s.solid(rectangle(117, 8, 123, 42));
    s.moving(rectangle(96, 2, 144, 8));
    s.moving(rectangle(108, 40, 132, bottom - opening));
    s.flow({52, kAxis}, {90, kAxis});
    s.flow({150, kAxis + 4}, {208, kAxis + 4});
    s.dimension({124, bottom - opening}, {124, bottom}, "H", {12, 0});
    inletDiameter(s);
}

// A plug cock: a plug with a through port, turned by the angle w out of the open position.
void plugCock(Sketch& s) {
    constexpr double plug = 26;
    constexpr double turn = 30;
    s.shift(0, -8);
    Body body;
    horizontalEnds(body, 96, 144);
    body.wall(circle(kBodyCentre, plug + 7));
    body.wall(rectangle(108, kAxis - plug - 14, 132, kAxis - plug));
    s.body(body);
    QTransform t;
    t.translate(kBodyCentre.x(), kBodyCentre.y());
    t.rotate(-turn);
    const QPainterPath port =
        t.map(rectangle(-plug - 2, -kBore, plug + 2, kBore)).intersected(circle(kBodyCentre, plug));
    s.moving(circle(kBodyCentre, plug).subtracted(port));
    s.fluid(port);
    s.outline(port);
    // The square head and the lever, turned with the plug.
    const QPointF head(kBodyCentre.x(), kAxis - plug - 20);
    s.solid(rectangle(head.x() - 4, head.y() - 2, head.x() + 4, kAxis - plug - 8));
    QTransform lever;
    lever.translate(head.x(), head.y());
    lever.rotate(-turn);
    s.moving(lever.map(polygon({{-6, -3}, {58, -2}, {58, 2}, {-6, 3}})));
    s.dark(circle(head, 2));
    s.centreLine(kBodyCentre - QPointF(54, 0), kBodyCentre + QPointF(54, 0));
    s.centreLine(polar(kBodyCentre, 40, 180 + turn), polar(kBodyCentre, 48, turn));
    s.angle(kBodyCentre, 44, 0, turn, "w", {4, 2});
    throughFlow(s);
    inletDiameter(s);
}

// A butterfly valve: a disc on a shaft across the bore, turned by the angle w out of the open
// position (the disc along the flow).
void butterflyValve(Sketch& s) {
    constexpr double turn = 30;
    s.shift(0, -14);
    Body body;
    horizontalPipe(body, 14, 226, kAxis, kBore + 6, kPipeWall);
    flange(body, 14, 7, kAxis, kBore + 6, kFlangeRadius + 4);
    flange(body, 219, 7, kAxis, kBore + 6, kFlangeRadius + 4);
    body.wall(rectangle(104, kAxis - kFlangeRadius - 8, 136, kAxis - kBore - 6));
    body.wall(rectangle(104, kAxis + kBore + 6, 136, kAxis + kFlangeRadius + 8));
    s.body(body);
    s.solid(rectangle(116, kAxis - kFlangeRadius - 26, 124, kAxis - kFlangeRadius - 8));
    s.moving(rectangle(106, kAxis - kFlangeRadius - 32, 134, kAxis - kFlangeRadius - 26));
    QPainterPath disc;
    const double half = kBore + 5;
    disc.moveTo(-half, 0);
    disc.quadTo(0, -7, half, 0);
    disc.quadTo(0, 7, -half, 0);
    QTransform t;
    t.translate(kBodyCentre.x(), kBodyCentre.y());
    t.rotate(-turn);
    s.centreLine(kBodyCentre - QPointF(60, 0), kBodyCentre + QPointF(60, 0));
    s.moving(t.map(disc));
    s.dark(circle(kBodyCentre, 2.5));
    s.angle(kBodyCentre, 34, 0, turn, "w", {6, 0});
    s.flow({54, kAxis}, {84, kAxis});
    s.flow({164, kAxis}, {208, kAxis});
    boreDiameter(s, 38, kAxis, kBore + 6, "D", {-9, 0});
}

// A swing check valve: a flap hanging from a hinge above the inclined seat, swung open.
void swingCheckValve(Sketch& s) {
    s.shift(0, -18);
    const QPointF centre(124, kAxis - 4);
    Body body;
    const QPainterPath outer = ellipse(centre, 54, 38);
    body.wall(outer);
    body.fluid(ellipse(centre, 49, 33));
    horizontalEnds(body, 80, 160);
    // The seat: a ring across the bore on the inlet side, its face inclined.
    body.insert(polygon({{94, 40}, {102, 40}, {104, kAxis - kBore}, {96, kAxis - kBore}}).intersected(outer));
    body.insert(
        polygon({{92, kAxis + kBore}, {100, kAxis + kBore}, {98, 160}, {90, 160}}).intersected(outer));
    s.body(body);
    s.hatched(rectangle(100, centre.y() - 44, 148, centre.y() - 35));
    // The flap on its arm, hinged above the seat, swung open by the flow.
    const QPointF hinge(112, kAxis - kBore - 8);
    QTransform t;
    t.translate(hinge.x(), hinge.y());
    t.rotate(-40);
    s.solid(t.map(rectangle(-1.5, 0, 1.5, 14)));
    s.moving(t.map(rectangle(-1, 10, 6, 42)));
    s.dark(circle(hinge, 3));
    s.flow({50, kAxis}, {80, kAxis});
    s.flow({170, kAxis}, {208, kAxis});
    inletDiameter(s);
}

}  // namespace

void addValveDrawings(std::vector<PictureDrawing>& rows) {
    rows.push_back({2401, globeValve});
    rows.push_back({2402, obliqueGlobeValve});
    rows.push_back({2403, angleValve});
    rows.push_back({2404, gateValve});
    rows.push_back({2405, plugCock});
    rows.push_back({2406, butterflyValve});
    rows.push_back({2501, liftCheckValve});
    rows.push_back({2502, obliqueLiftCheckValve});
    rows.push_back({2503, swingCheckValve});
}

}  // namespace velmora::pictures
