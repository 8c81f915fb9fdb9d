// Pictures of the bends and mitre bends, the tees and branches, and the expansion joints.
#include <QPainterPathStroker>
#include <cmath>

#include "picture_drawings.h"
#include "picture_parts.h"

namespace velmora::pictures {

namespace {

constexpr double kPi = 3.14159265358979;

// A 90° bend turning from a horizontal leg (flow to the right) upwards: the bend's centre, its
// radius on the centre line, the bore radius and wall of the pipe.
struct BendLayout {
    QPointF centre{120, 66};
    double radius = 62;
    double bore = 14;
    double wall = 5;
    double left = 24;  // start of the horizontal leg
    double top = -2;   // end of the vertical leg (beyond the picture)

    double legY() const { return centre.y() + radius; }
    double legX() const { return centre.x() + radius; }
    QRectF arcBox() const { return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius}; }
    QPainterPath centreLine() const {
        QPainterPath path({left, legY()});
        path.lineTo(centre.x(), legY());
        path.arcTo(arcBox(), 270, 90);
        path.lineTo(legX(), top);
        return path;
    }
};

// A flow arrow along the centre line of a bend, from the horizontal into the vertical leg.
void bendFlow(Sketch& s, const BendLayout& bend, double startX, double endY) {
    QPainterPath path({startX, bend.legY()});
    path.lineTo(bend.centre.x(), bend.legY());
    path.arcTo(bend.arcBox(), 270, 90);
    path.lineTo(bend.legX(), endY);
    s.flow(path);
}

// The bend angle w at the bend's centre with its two radius lines.
void bendAngle(Sketch& s, const BendLayout& bend, const QString& label = "w") {
    s.centreLine(bend.centre, {bend.centre.x(), bend.legY() + bend.bore + bend.wall + 4});
    s.centreLine(bend.centre, {bend.legX() + bend.bore + bend.wall + 4, bend.centre.y()});
    s.angle(bend.centre, 20, 270, 360, label, {-1, -1});
}

void circularBend(Sketch& s) {
    const BendLayout bend;
    Body body;
    body.duct(bend.centreLine(), 2 * bend.bore, bend.wall);
    s.body(body);
    bendAngle(s, bend);
    s.radius(bend.centre, polar(bend.centre, bend.radius, 340), "R", {4, -8});
    bendFlow(s, bend, 58, 14);
    boreDiameter(s, 40, bend.legY(), bend.bore, "D", {-9, 0});
}

// The section of a rectangular duct beside a bend: H across, B up (B lies in the bend's plane).
void rectangularInset(Sketch& s) {
    rectangularEndView(s, QRectF(14, 12, 40, 28), 3, "H", "B", DimensionPlace::Outside);
}

void rectangularBend(Sketch& s) {
    BendLayout bend;
    bend.wall = 3;
    Body body;
    body.duct(bend.centreLine(), 2 * bend.bore, bend.wall);
    s.body(body);
    bendAngle(s, bend);
    s.radius(bend.centre, polar(bend.centre, bend.radius, 340), "R", {4, -8});
    bendFlow(s, bend, 40, 14);
    rectangularInset(s);
}

// A bend of straight segments welded at mitres; the mitre planes point at the bend's centre.
void segmentedBend(Sketch& s) {
    const BendLayout bend;
    const double vertexRadius = bend.radius / std::cos(15 * kPi / 180);
    QPainterPath centre({bend.left, bend.legY()});
    for (double a : {285.0, 315.0, 345.0}) centre.lineTo(polar(bend.centre, vertexRadius, a));
    centre.lineTo(bend.legX(), bend.top);
    Body body;
    body.duct(centre, 2 * bend.bore, bend.wall);
    s.body(body);
    for (double a : {285.0, 315.0, 345.0}) {
        const QPointF vertex = polar(bend.centre, vertexRadius, a);
        const double reach = (bend.bore + bend.wall) / std::cos(15 * kPi / 180);
        s.line(polar(vertex, reach, a), polar(vertex, reach, a + 180));
    }
    bendAngle(s, bend);
    QPainterPath flow({58, bend.legY()});
    for (double a : {285.0, 315.0, 345.0}) flow.lineTo(polar(bend.centre, vertexRadius, a));
    flow.lineTo(bend.legX(), 14);
    s.flow(flow);
    boreDiameter(s, 40, bend.legY(), bend.bore, "D", {-9, 0});
}

// A short cast bend with a flange at each end.
void castIronBend(Sketch& s) {
    BendLayout bend;
    bend.centre = {116, 72};
    bend.radius = 44;
    bend.bore = 16;
    bend.wall = 6;
    bend.left = 40;
    bend.top = 26;
    Body body;
    body.duct(bend.centreLine(), 2 * bend.bore, bend.wall);
    const double y = bend.legY();
    const double x = bend.legX();
    body.wall(rectangle(bend.left - 8, y - 36, bend.left, y + 36));
    body.wall(rectangle(x - 36, bend.top - 8, x + 36, bend.top));
    body.fluid(rectangle(bend.left - 9, y - bend.bore, bend.left + 1, y + bend.bore));
    body.fluid(rectangle(x - bend.bore, bend.top - 9, x + bend.bore, bend.top + 1));
    s.body(body);
    // Bolt holes of the flanges.
    for (double side : {-1.0, 1.0}) {
        s.hidden({bend.left - 8, y + side * 28}, {bend.left, y + side * 28});
        s.hidden({x + side * 28, bend.top - 8}, {x + side * 28, bend.top});
    }
    s.centreLine({bend.left - 14, y}, {bend.centre.x(), y});
    s.centreLine({x, bend.centre.y()}, {x, bend.top - 14});
    bendFlow(s, bend, bend.left + 46, bend.top + 12);
    boreDiameter(s, bend.left + 34, y, bend.bore, "DN", {-13, -10});
}

// A mitre bend: two legs meeting at one mitre; the deflection w between the axes.
struct MitreLayout {
    QPointF vertex{128, 112};
    double deflection = 60;
    double bore = 14;
    double wall = 5;
    double left = 24;
    double legOut = 100;

    QPointF end() const { return polar(vertex, legOut, deflection); }
};

void mitre(Sketch& s, const MitreLayout& m, bool dimensionD) {
    QPainterPath centre({m.left, m.vertex.y()});
    centre.lineTo(m.vertex);
    centre.lineTo(m.end());
    Body body;
    body.duct(centre, 2 * m.bore, m.wall);
    s.body(body);
    const double cut = 90 + m.deflection / 2;  // the mitre plane, across the joint
    const double reach = (m.bore + m.wall) / std::cos(m.deflection / 2 * kPi / 180);
    s.line(polar(m.vertex, reach, cut), polar(m.vertex, reach, cut + 180));
    s.centreLine(m.vertex, m.vertex + QPointF(58, 0));
    s.centreLine(m.vertex, polar(m.vertex, m.legOut, m.deflection));
    s.angle(m.vertex, 44, 0, m.deflection, "w", {3, 0});
    s.flow({m.left + 36, m.vertex.y()}, m.vertex - QPointF(18, 0));
    s.flow(polar(m.vertex, 24, m.deflection), polar(m.vertex, 80, m.deflection));
    if (dimensionD) boreDiameter(s, m.left + 16, m.vertex.y(), m.bore, "D", {-9, 0});
}

void circularMitreBend(Sketch& s) {
    mitre(s, MitreLayout{}, true);
}

void rectangularMitreBend(Sketch& s) {
    MitreLayout m;
    m.wall = 3;
    mitre(s, m, false);
    rectangularInset(s);
}

// Tees: a straight run along the bottom, the branch upwards.
constexpr double kRunAxis = 104;

QPainterPath turnIntoBranch(double startX, double branchX, double endY) {
    QPainterPath path({startX, kRunAxis});
    path.lineTo(branchX - 26, kRunAxis);
    path.quadTo(branchX, kRunAxis, branchX, kRunAxis - 26);
    path.lineTo(branchX, endY);
    return path;
}

void sharpTee(Sketch& s) {
    constexpr double branchX = 124;
    Body body;
    horizontalPipe(body, 14, 226, kRunAxis, 20, 5);
    straightPipe(body, {branchX, kRunAxis}, {branchX, 6}, 11, 5);
    s.body(body);
    s.centreLine({8, kRunAxis}, {232, kRunAxis});
    s.centreLine({branchX, kRunAxis + 26}, {branchX, 2});
    s.flow(turnIntoBranch(50, branchX, 20));
    boreDiameter(s, 30, kRunAxis, 20, "D1", {-11, 0});
    s.dimension({branchX - 11, 46}, {branchX + 11, 46}, "D2", {28, 0});
}

// A tee whose three branches meet in a spherical body.
void sphericalTee(Sketch& s, bool roundedNecks) {
    const QPointF centre(124, kRunAxis);
    constexpr double bore = 12;
    constexpr double wall = 5;
    constexpr double sphere = 30;
    Body body;
    horizontalPipe(body, 14, 226, kRunAxis, bore, wall);
    straightPipe(body, centre, {centre.x(), 4}, bore, wall);
    body.wall(circle(centre, sphere + wall));
    body.fluid(circle(centre, sphere));
    if (roundedNecks) {
        // Each neck widens smoothly from the pipe into the sphere.
        for (double direction : {0.0, 90.0, 180.0}) {
            QTransform turn;
            turn.translate(centre.x(), centre.y());
            turn.rotate(-direction);
            const QPointF start = polar({0, 0}, sphere, 42);  // where the neck leaves the sphere
            QPainterPath upper(start);
            upper.quadTo(sphere + 2, -bore, sphere + 16, -bore);
            const QPainterPath lower = mirrored(upper, 0);
            QPainterPath neck = upper;
            neck.lineTo(sphere + 16, bore);
            neck.connectPath(lower.toReversed());
            neck.closeSubpath();
            QPainterPathStroker stroker;
            stroker.setWidth(2 * wall);
            stroker.setCapStyle(Qt::FlatCap);
            body.wall(turn.map(stroker.createStroke(upper).united(stroker.createStroke(lower))));
            body.fluid(turn.map(neck));
        }
    }
    s.body(body);
    s.centreLine({8, kRunAxis}, {232, kRunAxis});
    s.centreLine({centre.x(), kRunAxis + sphere + 10}, {centre.x(), 2});
    s.flow(turnIntoBranch(44, centre.x(), 16));
    boreDiameter(s, 30, kRunAxis, bore, "D", {-9, 0});
}

void sphericalTee(Sketch& s) {
    sphericalTee(s, false);
}
void sphericalTeeRoundedNecks(Sketch& s) {
    sphericalTee(s, true);
}

// A tee with rounded corners where the branch leaves the run; the far wall of the run is straight.
void roundedTee(Sketch& s) {
    constexpr double branchX = 124;
    constexpr double bore = 14;
    Body body;
    horizontalPipe(body, 14, 226, kRunAxis, bore, 5);
    straightPipe(body, {branchX, kRunAxis}, {branchX, 6}, bore, 5);
    for (double side : {-1.0, 1.0}) {
        const QPointF corner(branchX + side * bore, kRunAxis - bore);
        body.fluid(fillet(corner, 90, side < 0 ? 180 : 0, 14));
    }
    s.body(body);
    s.centreLine({8, kRunAxis}, {232, kRunAxis});
    s.centreLine({branchX, kRunAxis + 24}, {branchX, 2});
    s.flow(turnIntoBranch(48, branchX, 16));
    boreDiameter(s, 30, kRunAxis, bore, "D", {-9, 0});
}

// A branch at the angle w off the run, its upstream edge rounded with the radius R.
void angledBranch(Sketch& s, bool combining) {
    constexpr double mainBore = 18;
    constexpr double branchBore = 11;
    constexpr double angle = 45;
    constexpr double wall = 4;
    const QPointF junction(92, kRunAxis);
    const QPointF branchEnd = polar(junction, 122, angle);
    Body body;
    horizontalPipe(body, 14, 226, kRunAxis, mainBore, wall);
    straightPipe(body, junction, branchEnd, branchBore, wall);
    // The upstream edge: where the upper wall of the run meets the upstream wall of the branch.
    const double offset = branchBore / std::sin(angle * kPi / 180);
    const QPointF edge(junction.x() - offset + mainBore / std::tan(angle * kPi / 180), kRunAxis - mainBore);
    constexpr double edgeRadius = 14;
    body.fluid(fillet(edge, 180, angle, edgeRadius));
    s.body(body);
    s.centreLine({8, kRunAxis}, {232, kRunAxis});
    s.centreLine(junction, polar(junction, 130, angle));
    s.angle(junction, 34, 0, angle, "w", {4, 0});
    const QPointF filletCentre = velmora::pictures::filletCentre(edge, 180, angle, edgeRadius);
    s.radius(filletCentre, polar(filletCentre, edgeRadius, (180 + angle) / 2 + 180), "R", {-14, -6});
    boreDiameter(s, 26, kRunAxis, mainBore, "D1", {-11, 0});
    const QPointF across = polar({0, 0}, branchBore, angle + 90);
    const QPointF station = polar(junction, 100, angle);
    s.dimension(station + across, station - across, "D2", polar({0, 0}, 22, angle - 90) + QPointF(4, 0));
    if (combining) {
        s.flow({44, kRunAxis}, {76, kRunAxis});
        s.flow(polar(junction, 90, angle), polar(junction, 40, angle));
        s.flow({124, kRunAxis}, {196, kRunAxis});
    } else {
        s.flow({44, kRunAxis}, {76, kRunAxis});
        s.flow(polar(junction, 40, angle), polar(junction, 90, angle));
        s.flow({124, kRunAxis}, {196, kRunAxis});
    }
}

void dividingBranch(Sketch& s) {
    angledBranch(s, false);
}
void combiningBranch(Sketch& s) {
    angledBranch(s, true);
}

// A breeches pipe: one pipe splitting into two legs, each at the angle w to the axis.
void straightBreeches(Sketch& s) {
    constexpr double axis = 80;
    constexpr double bore = 12;
    constexpr double spread = 35;
    const QPointF fork(100, axis);
    Body body;
    horizontalPipe(body, 14, fork.x() + 1, axis, bore, 5);
    for (double side : {-1.0, 1.0}) straightPipe(body, fork, polar(fork, 160, side * spread), bore, 5);
    s.body(body);
    s.centreLine({8, axis}, fork + QPointF(70, 0));
    for (double side : {-1.0, 1.0}) s.centreLine(fork, polar(fork, 150, side * spread));
    s.angle(fork, 52, 0, spread, "w", {4, 0});
    s.flow({40, axis}, fork - QPointF(6, 0));
    for (double side : {-1.0, 1.0}) s.flow(polar(fork, 26, side * spread), polar(fork, 86, side * spread));
    boreDiameter(s, 28, axis, bore, "D", {-9, 0});
}

// A breeches pipe whose legs are bends of radius R turning up and down.
void curvedBreeches(Sketch& s) {
    constexpr double axis = 80;
    constexpr double bore = 12;
    constexpr double radius = 42;
    const QPointF fork(104, axis);
    Body body;
    horizontalPipe(body, 14, fork.x() + 1, axis, bore, 5);
    for (double side : {-1.0, 1.0}) {
        const QPointF centre(fork.x(), axis + side * radius);
        QPainterPath leg(fork);
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        leg.arcTo(box, side < 0 ? 270 : 90, side < 0 ? 90 : -90);
        leg.lineTo(fork.x() + radius, side < 0 ? -2 : 162);
        body.duct(leg, 2 * bore, 5);
    }
    s.body(body);
    s.centreLine({8, axis}, fork);
    const QPointF upper(fork.x(), axis - radius);
    s.radius(upper, polar(upper, radius, 315), "R", {-10, -6});
    s.flow({40, axis}, fork - QPointF(2, 0));
    s.flow({fork.x() + radius, axis - 20}, {fork.x() + radius, 10});
    s.flow({fork.x() + radius, axis + 20}, {fork.x() + radius, 150});
    boreDiameter(s, 28, axis, bore, "D", {-9, 0});
}

// A bellows expansion joint: convolutions of thin sheet between two pipe ends.
void bellows(Sketch& s) {
    constexpr double axis = 84;
    constexpr double bore = 20;
    constexpr double wall = 3;
    constexpr double height = 22;  // convolutions rise this far above the bore
    constexpr double width = 14;
    constexpr double pitch = 24;
    constexpr double first = 86;
    constexpr int count = 3;
    QPainterPath profile({14, axis - bore - wall / 2});
    QPainterPath space;
    space.addRect(QRectF(14, axis - bore, 212, 2 * bore));
    for (int i = 0; i < count; ++i) {
        const double x = first + i * pitch;
        profile.lineTo(x, axis - bore - wall / 2);
        profile.lineTo(x, axis - bore - height + width / 2);
        profile.arcTo(QRectF(x, axis - bore - height, width, width), 180, -180);
        profile.lineTo(x + width, axis - bore - wall / 2);
        QPainterPath stem;
        stem.addRect(
            QRectF(x + wall / 2, axis - bore - height + width / 2, width - wall, height - width / 2 + 1));
        QPainterPath crown;
        crown.addEllipse(QRectF(x + wall / 2, axis - bore - height + wall / 2, width - wall, width - wall));
        space = space.united(stem.united(crown));
    }
    profile.lineTo(226, axis - bore - wall / 2);
    QPainterPathStroker stroker;
    stroker.setWidth(wall);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath sheet = symmetric(stroker.createStroke(profile), axis);
    const QPainterPath fluid = symmetric(space, axis);
    s.fluid(fluid);
    s.hatched(sheet.subtracted(fluid));
    // Collars where the bellows are welded to the pipe ends.
    for (double x : {first - 14.0, first + (count - 1) * pitch + width + 4})
        s.hatched(symmetric(rectangle(x, axis - bore - 9, x + 10, axis - bore - wall), axis));
    s.centreLine({8, axis}, {232, axis});
    s.flow({48, axis}, {196, axis});
    boreDiameter(s, 32, axis, bore, "D", {-9, -10});
}

// A lyre bend: the pipe rises in a loop like a lyre and returns to its line.
void lyreBend(Sketch& s) {
    constexpr double line = 134;
    QPainterPath centre({14, line});
    centre.lineTo(58, line);
    centre.arcTo(QRectF(34, line - 48, 48, 48), 270, 90);  // up into the left leg at x = 82
    centre.cubicTo(82, 96, 66, 88, 66, 72);
    centre.arcTo(QRectF(66, 22, 108, 100), 180, -180);  // over the top
    centre.cubicTo(174, 88, 158, 96, 158, line - 24);
    centre.arcTo(QRectF(158, line - 48, 48, 48), 180, 90);
    centre.lineTo(226, line);
    Body body;
    body.duct(centre, 20, 3, Qt::RoundJoin);
    s.body(body);
    QPainterPath flow({34, line});
    flow.lineTo(56, line);
    s.flow(flow);
    QPainterPath top;
    top.moveTo(100, 26);
    top.cubicTo(110, 22, 130, 22, 142, 26);
    s.flow(top);
    s.flow({186, line}, {220, line});
    boreDiameter(s, 24, line, 10, "D", {-1, -20});
}

// A U-bend: two 90° bends with the straight length L between them.
void uBend(Sketch& s) {
    constexpr double upper = 40;
    constexpr double radius = 24;
    constexpr double straight = 38;
    constexpr double turnX = 140;
    const double lower = upper + 2 * radius + straight;
    const double side = turnX + radius;
    QPainterPath centre({14, upper});
    centre.lineTo(turnX, upper);
    centre.arcTo(QRectF(turnX - radius, upper, 2 * radius, 2 * radius), 90, -90);
    centre.lineTo(side, upper + radius + straight);
    centre.arcTo(QRectF(turnX - radius, upper + straight, 2 * radius, 2 * radius), 0, -90);
    centre.lineTo(14, lower);
    Body body;
    body.duct(centre, 24, 5);
    s.body(body);
    // Where the straight length begins and ends.
    for (double y : {upper + radius, upper + radius + straight}) s.thin({side - 17, y}, {side + 17, y});
    s.extension({side + 18, upper + radius}, {side + 46, upper + radius});
    s.extension({side + 18, upper + radius + straight}, {side + 46, upper + radius + straight});
    s.dimension({side + 40, upper + radius}, {side + 40, upper + radius + straight}, "L", {10, 0});
    s.centreLine({8, upper}, {turnX, upper});
    s.centreLine({8, lower}, {turnX, lower});
    s.flow({54, upper}, {118, upper});
    s.flow({118, lower}, {54, lower});
    boreDiameter(s, 32, upper, 12, "D", {-9, 0});
}

}  // namespace

void addBendAndTeeDrawings(std::vector<PictureDrawing>& rows) {
    rows.push_back({2101, circularBend});
    rows.push_back({2102, segmentedBend});
    rows.push_back({2103, castIronBend});
    rows.push_back({2104, rectangularBend});
    rows.push_back({2105, circularMitreBend});
    rows.push_back({2106, rectangularMitreBend});
    rows.push_back({2201, sharpTee});
    rows.push_back({2202, sphericalTee});
    rows.push_back({2203, roundedTee});
    rows.push_back({2204, sphericalTeeRoundedNecks});
    rows.push_back({2205, dividingBranch});
    rows.push_back({2206, combiningBranch});
    rows.push_back({2207, straightBreeches});
    rows.push_back({2208, curvedBreeches});
    rows.push_back({2301, bellows});
    rows.push_back({2302, lyreBend});
    rows.push_back({2303, uBend});
}

}  // namespace velmora::pictures
