// Pictures of the orifices, nozzles and the venturi nozzle: a pipe of diameter D1 with the
// restriction of bore D2 clamped between flanges.
#include <QPainterPathStroker>
#include <cmath>

#include "picture_drawings.h"
#include "picture_parts.h"

namespace velmora::pictures {

namespace {

constexpr double kAxis = 86;
constexpr double kPipe = 26;  // bore radius of the pipe
constexpr double kWall = 5;
constexpr double kThroat = 12;  // bore radius of the restriction

// The pipe with a pair of flanges clamping the restriction between x0 and x1.
void pipeWithFlanges(Body& body, double x0, double x1) {
    horizontalPipe(body, 14, 226, kAxis, kPipe, kWall);
    flange(body, x0 - 9, 9, kAxis, kPipe, 40);
    flange(body, x1, 9, kAxis, kPipe, 40);
}

// The restriction's cut half above the axis as a closed outline, mirrored below.
QPainterPath bothHalves(const QPainterPath& upper) {
    return symmetric(upper, kAxis);
}

// D1 on the inlet pipe, D2 beside the narrowest section (which ends at x), the flow arrow.
void commonDimensions(Sketch& s, double x) {
    s.centreLine({8, kAxis}, {232, kAxis});
    s.flow({48, kAxis}, {88, kAxis});
    boreDiameter(s, 32, kAxis, kPipe, "D1", {-11, -12});
    const double line = x + 22;
    s.extension({x, kAxis - kThroat}, {line, kAxis - kThroat});
    s.extension({x, kAxis + kThroat}, {line, kAxis + kThroat});
    s.dimension({line, kAxis - kThroat}, {line, kAxis + kThroat}, "D2", {12, 0});
}

// The jet leaving an orifice: it narrows to the vena contracta and widens again.
void jet(Sketch& s, double x) {
    QPainterPath edge({x, kAxis - kThroat});
    edge.cubicTo(x + 14, kAxis - kThroat + 4, x + 30, kAxis - kThroat + 4, x + 80, kAxis - kPipe + 2);
    s.streamline(bothHalves(edge));
}

// A thin plate; with `iso` the downstream edge is bevelled and corner tappings lead off.
void thinOrifice(Sketch& s, bool iso) {
    constexpr double face = 116;
    constexpr double thickness = 5;
    Body body;
    pipeWithFlanges(body, face, face + thickness);
    QPainterPath plate;
    if (iso) {
        plate = polygon({{face, kAxis - 46},
                         {face + thickness, kAxis - 46},
                         {face + thickness, kAxis - kThroat - 4},
                         {face + 1.5, kAxis - kThroat},
                         {face, kAxis - kThroat}});
    } else {
        plate = rectangle(face, kAxis - 46, face + thickness, kAxis - kThroat);
    }
    body.insert(bothHalves(plate));
    if (iso) {
        // Corner tappings: a bore through each flange right at the plate.
        for (double x : {face - 3.0, face + thickness + 3})
            body.cut(rectangle(x - 1.2, kAxis - 41, x + 1.2, kAxis - kPipe + 0.5));
    }
    s.body(body);
    if (iso) {
        // The tapping pipes leading off to the differential pressure gauge.
        for (double x : {face - 3.0, face + thickness + 3}) {
            s.solid(rectangle(x - 2, kAxis - 62, x + 2, kAxis - 40.5));
            s.solid(rectangle(x - 4, kAxis - 66, x + 4, kAxis - 62));
        }
    }
    jet(s, face + thickness);
    commonDimensions(s, face + thickness);
}

void isoOrifice(Sketch& s) {
    thinOrifice(s, true);
}
void sharpOrifice(Sketch& s) {
    thinOrifice(s, false);
}

// A plate whose bore is rounded on the inlet side with the radius R.
void roundedOrifice(Sketch& s) {
    constexpr double face = 112;
    constexpr double thickness = 14;
    constexpr double round = 10;
    Body body;
    pipeWithFlanges(body, face, face + thickness);
    const QPointF corner(face, kAxis - kThroat);
    const QPainterPath plate = rectangle(face, kAxis - 46, face + thickness, kAxis - kThroat)
                                   .subtracted(fillet(corner, 90, 0, round));
    body.insert(bothHalves(plate));
    s.body(body);
    const QPointF centre = filletCentre(corner, 90, 0, round);
    s.radius(centre, polar(centre, round, 225), "R", {-16, 5});
    commonDimensions(s, face + thickness);
}

// A thick orifice (a bored disc) of thickness L.
void thickOrifice(Sketch& s) {
    constexpr double face = 108;
    constexpr double thickness = 26;
    Body body;
    pipeWithFlanges(body, face, face + thickness);
    body.insert(bothHalves(rectangle(face, kAxis - 46, face + thickness, kAxis - kThroat)));
    s.body(body);
    s.extension({face, kAxis - 47}, {face, 24});
    s.extension({face + thickness, kAxis - 47}, {face + thickness, 24});
    s.dimensionOutside({face, 24}, {face + thickness, 24}, "L", {0, -9});
    jet(s, face + thickness);
    commonDimensions(s, face + thickness);
}

// The ISA 1932 nozzle: a flat inlet face, a curved inlet into the cylindrical throat, a recess
// at the outlet; the space round it downstream is dead water.
void isaNozzle(Sketch& s) {
    constexpr double face = 100;
    constexpr double throatEnd = 136;
    Body body;
    pipeWithFlanges(body, face, face + 6);
    QPainterPath upper({face, kAxis - 46});
    upper.lineTo(face + 6, kAxis - 46);
    upper.lineTo(face + 6, kAxis - kPipe);
    upper.lineTo(throatEnd + 3, kAxis - kThroat - 6);
    upper.lineTo(throatEnd + 3, kAxis - kThroat - 2);
    upper.lineTo(throatEnd, kAxis - kThroat - 2);
    upper.lineTo(throatEnd, kAxis - kThroat);
    upper.lineTo(face + 20, kAxis - kThroat);
    upper.cubicTo(face + 10, kAxis - kThroat, face + 2, kAxis - kThroat - 4, face, kAxis - kThroat - 10);
    upper.closeSubpath();
    body.insert(bothHalves(upper));
    s.body(body);
    commonDimensions(s, throatEnd);
}

// The long radius nozzle: a quarter ellipse leading into a long throat, a thin wall all along.
void longRadiusNozzle(Sketch& s) {
    constexpr double face = 70;
    constexpr double throatStart = 112;
    constexpr double throatEnd = 150;
    Body body;
    pipeWithFlanges(body, face, face + 6);
    QPainterPath inner({face + 6, kAxis - kPipe + 1});
    inner.cubicTo(face + 24, kAxis - kThroat - 2, throatStart - 20, kAxis - kThroat, throatStart,
                  kAxis - kThroat);
    inner.lineTo(throatEnd, kAxis - kThroat);
    QPainterPathStroker stroker;
    stroker.setWidth(8);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath shell =
        stroker.createStroke(inner).intersected(rectangle(face, 0, throatEnd, kAxis - kThroat));
    body.insert(bothHalves(shell.united(rectangle(face, kAxis - 46, face + 6, kAxis - kPipe + 4))));
    s.body(body);
    commonDimensions(s, throatEnd);
}

// The venturi nozzle: a nozzle inlet, a short throat and a divergent cone back to the pipe.
void venturiNozzle(Sketch& s) {
    constexpr double face = 74;
    constexpr double throatStart = 94;
    constexpr double throatEnd = 112;
    constexpr double coneEnd = 196;
    Body body;
    horizontalPipe(body, 14, 226, kAxis, kPipe, kWall);
    flange(body, face - 9, 9, kAxis, kPipe, 40);
    flange(body, coneEnd, 9, kAxis, kPipe, 40);
    QPainterPath upper({face, kAxis - kPipe - kWall});
    upper.lineTo(face, kAxis - kThroat - 10);
    upper.cubicTo(face + 2, kAxis - kThroat - 4, face + 10, kAxis - kThroat, throatStart, kAxis - kThroat);
    upper.lineTo(throatEnd, kAxis - kThroat);
    upper.lineTo(coneEnd, kAxis - kPipe);
    upper.lineTo(coneEnd, kAxis - kPipe - kWall);
    upper.closeSubpath();
    // The body is solid from the profile out to the pipe's outer wall.
    body.insert(bothHalves(upper));
    s.body(body);
    s.centreLine({8, kAxis}, {232, kAxis});
    s.flow({36, kAxis}, {66, kAxis});
    s.flow({150, kAxis}, {214, kAxis});
    boreDiameter(s, 26, kAxis, kPipe, "D1", {-11, -12});
    boreDiameter(s, 104, kAxis, kThroat, "D2", {16, 0});
}

}  // namespace

void addOrificeDrawings(std::vector<PictureDrawing>& rows) {
    rows.push_back({2601, isoOrifice});
    rows.push_back({2602, sharpOrifice});
    rows.push_back({2603, roundedOrifice});
    rows.push_back({2604, thickOrifice});
    rows.push_back({2605, isaNozzle});
    rows.push_back({26051, longRadiusNozzle});
    rows.push_back({2606, venturiNozzle});
}

}  // namespace velmora::pictures
