// Pictures of the perforated plates, grids and screens (a side section and the face seen along the
// pipe) and of the strainers.
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

#include "picture_drawings.h"
#include "picture_parts.h"

namespace velmora::pictures {

namespace {

constexpr double kAxis = 80;
constexpr double kSideRight = 140;
constexpr double kPlane = 80;  // where the plate or screen stands in the side section
const QPointF kFaceCentre(190, kAxis);

enum class Shape { Circular, Rectangular };

struct SectionLayout {
    Shape shape = Shape::Circular;
    double bore = 24;  // bore radius (circular) or half height (rectangular)
    double wall = 5;
};

SectionLayout layout(Shape shape) {
    return shape == Shape::Circular ? SectionLayout{shape, 24, 5} : SectionLayout{shape, 22, 3};
}

// The side section: the pipe, the plate or screen at kPlane drawn by `inside`, the flow.
template <typename Inside>
void sideSection(Sketch& s, const SectionLayout& l, Inside inside) {
    Body body;
    horizontalPipe(body, 14, kSideRight, kAxis, l.bore, l.wall);
    s.body(body);
    s.centreLine({8, kAxis}, {kSideRight + 6, kAxis});
    inside(s, l);
    s.flow({44, kAxis}, {kPlane - 12, kAxis});
    s.flow({kPlane + 18, kAxis}, {kSideRight - 10, kAxis});
    if (l.shape == Shape::Circular) boreDiameter(s, 30, kAxis, l.bore, "D", {9, -11});
}

// The face seen along the pipe: the section's frame cut, the screen's face drawn by `face` inside
// the bore (clipped to it).
template <typename Face>
void faceView(Sketch& s, const SectionLayout& l, Face face) {
    QPainterPath bore;
    QPainterPath outer;
    if (l.shape == Shape::Circular) {
        bore = circle(kFaceCentre, l.bore);
        outer = circle(kFaceCentre, l.bore + l.wall);
    } else {
        bore.addRect(QRectF(kFaceCentre.x() - l.bore, kAxis - l.bore, 2 * l.bore, 2 * l.bore));
        outer.addRect(QRectF(kFaceCentre.x() - l.bore - l.wall, kAxis - l.bore - l.wall,
                             2 * (l.bore + l.wall), 2 * (l.bore + l.wall)));
    }
    s.fluid(bore);
    face(s, bore);
    s.hatched(outer.subtracted(bore));
    if (l.shape == Shape::Rectangular) {
        const QRectF r = bore.boundingRect();
        const double below = r.bottom() + l.wall + 8;
        const double right = r.right() + l.wall + 8;
        s.extension(r.bottomLeft(), {r.left(), below});
        s.extension(r.bottomRight(), {r.right(), below});
        s.dimension({r.left(), below}, {r.right(), below}, "B", {0, 9});
        s.extension(r.topRight(), {right, r.top()});
        s.extension(r.bottomRight(), {right, r.bottom()});
        s.dimension({right, r.top()}, {right, r.bottom()}, "H", {9, 0});
    }
}

// Hole centres of a plate across the bore (side section).
const std::vector<double> kHoleRows{-16, -8, 0, 8, 16};

// A plate across the bore with holes of half size `hole`, of the given thickness.
QPainterPath perforatedPlate(const SectionLayout& l, double thickness, double hole) {
    QPainterPath plate = rectangle(kPlane, kAxis - l.bore, kPlane + thickness, kAxis + l.bore);
    for (double row : kHoleRows)
        plate = plate.subtracted(
            rectangle(kPlane - 1, kAxis + row - hole, kPlane + thickness + 1, kAxis + row + hole));
    return plate;
}

// The plate's face: white with the holes in a staggered pattern about the centre.
void holeFace(Sketch& s, const QPainterPath& bore, double hole) {
    QPainterPath holes;
    const QPointF centre = bore.boundingRect().center();
    for (int row = -4; row <= 4; ++row) {
        const double shift = (row % 2 == 0) ? 0 : 4.5;
        for (int column = -4; column <= 4; ++column) {
            const QPointF at(centre.x() + column * 9 + shift, centre.y() + row * 8);
            if (bore.contains(QRectF(at.x() - hole - 1.5, at.y() - hole - 1.5, 2 * hole + 3, 2 * hole + 3))) {
                holes.addEllipse(at, hole, hole);
            }
        }
    }
    s.solid(bore.subtracted(holes));
    s.fluid(holes);
}

void perforated(Sketch& s, Shape shape, bool thick) {
    const SectionLayout l = layout(shape);
    const double thickness = thick ? 12 : 4;
    const double hole = thick ? 2.2 : 1.8;
    if (thick) {
        // The thick plate is clamped between flanges; its thickness a is measured above the pipe.
        Body clamp;
        flange(clamp, kPlane - 6, 6, kAxis, l.bore, l.bore + l.wall + 12);
        flange(clamp, kPlane + thickness, 6, kAxis, l.bore, l.bore + l.wall + 12);
        clamp.insert(symmetric(
            rectangle(kPlane, kAxis - l.bore - l.wall - 16, kPlane + thickness, kAxis - l.bore), kAxis));
        s.body(clamp);
    }
    sideSection(s, l, [&](Sketch& sk, const SectionLayout& lay) {
        sk.hatched(perforatedPlate(lay, thickness, hole));
    });
    if (thick) {
        const double top = kAxis - l.bore - l.wall - 16;
        s.extension({kPlane, top}, {kPlane, 14});
        s.extension({kPlane + thickness, top}, {kPlane + thickness, 14});
        s.dimensionOutside({kPlane, 14}, {kPlane + thickness, 14}, "a", {18, 0});
        const double y0 = kAxis + kHoleRows.back() - hole;
        const double y1 = kAxis + kHoleRows.back() + hole;
        s.extension({kPlane + thickness, y0}, {kPlane + thickness + 24, y0});
        s.extension({kPlane + thickness, y1}, {kPlane + thickness + 24, y1});
        s.dimensionOutside({kPlane + thickness + 20, y0}, {kPlane + thickness + 20, y1}, "d", {8, 0});
    }
    faceView(s, l, [&](Sketch& sk, const QPainterPath& bore) { holeFace(sk, bore, thick ? 3 : 2.6); });
}

void thinCircularPlate(Sketch& s) {
    perforated(s, Shape::Circular, false);
}
void thinRectangularPlate(Sketch& s) {
    perforated(s, Shape::Rectangular, false);
}
void thickCircularPlate(Sketch& s) {
    perforated(s, Shape::Circular, true);
}
void thickRectangularPlate(Sketch& s) {
    perforated(s, Shape::Rectangular, true);
}

// A grid of flat bars: cut bars in the side section, parallel bars on the face. A double grid
// has a second grid behind the first, its bars across.
void bars(Sketch& s, const QPainterPath& bore, bool across) {
    const QRectF r = bore.boundingRect();
    QPainterPath strips;
    for (double y = r.top() + 5; y < r.bottom() - 2; y += 8)
        strips.addRect(QRectF(r.left() - 1, y, r.width() + 2, 3));
    if (across) {
        QPainterPath behind;
        for (double x = r.left() + 5; x < r.right() - 2; x += 8)
            behind.addRect(QRectF(x, r.top() - 1, 3, r.height() + 2));
        s.solid(behind.intersected(bore).subtracted(strips));
    }
    s.solid(strips.intersected(bore));
}

void barSections(Sketch& s, const SectionLayout& l, double x) {
    QPainterPath sections;
    for (double y = kAxis - l.bore + 5; y < kAxis + l.bore - 2; y += 8) sections.addRect(QRectF(x, y, 6, 3));
    s.hatched(sections);
}

void grid(Sketch& s, Shape shape, bool twofold) {
    const SectionLayout l = layout(shape);
    sideSection(s, l, [&](Sketch& sk, const SectionLayout& lay) {
        barSections(sk, lay, kPlane - 4);
        if (twofold) {
            // The second grid's bars run along the section plane.
            sk.solid(rectangle(kPlane + 8, kAxis - lay.bore, kPlane + 11, kAxis + lay.bore));
        }
    });
    faceView(s, l, [&](Sketch& sk, const QPainterPath& bore) { bars(sk, bore, twofold); });
}

void circularGrid(Sketch& s) {
    grid(s, Shape::Circular, false);
}
void rectangularGrid(Sketch& s) {
    grid(s, Shape::Rectangular, false);
}
void circularDoubleGrid(Sketch& s) {
    grid(s, Shape::Circular, true);
}
void rectangularDoubleGrid(Sketch& s) {
    grid(s, Shape::Rectangular, true);
}

// A woven wire screen: the wires cut in the side section, a fine square mesh on the face.
void wireScreen(Sketch& s, Shape shape) {
    const SectionLayout l = layout(shape);
    sideSection(s, l, [&](Sketch& sk, const SectionLayout& lay) {
        QPainterPath weave({kPlane + 1, kAxis - lay.bore});
        int i = 0;
        for (double y = kAxis - lay.bore + 3; y < kAxis + lay.bore; y += 4, ++i) {
            weave.lineTo(kPlane + (i % 2 == 0 ? -1.5 : 1.5) + 1, y);
        }
        sk.outline(weave);
        for (double y = kAxis - lay.bore + 3; y < kAxis + lay.bore; y += 8)
            sk.dark(circle({kPlane + 1, y}, 1.4));
    });
    faceView(s, l, [&](Sketch& sk, const QPainterPath& bore) {
        const QRectF r = bore.boundingRect();
        QPainterPath mesh;
        for (double x = r.left() + 2.5; x < r.right(); x += 5) {
            mesh.moveTo(x, r.top());
            mesh.lineTo(x, r.bottom());
        }
        for (double y = r.top() + 2.5; y < r.bottom(); y += 5) {
            mesh.moveTo(r.left(), y);
            mesh.lineTo(r.right(), y);
        }
        QPainterPathStroker stroker;
        stroker.setWidth(0.6);
        sk.dark(stroker.createStroke(mesh).intersected(bore));
    });
}

void circularWireScreen(Sketch& s) {
    wireScreen(s, Shape::Circular);
}
void rectangularWireScreen(Sketch& s) {
    wireScreen(s, Shape::Rectangular);
}

// Strainers: flanged bodies on the horizontal axis.
constexpr double kRun = 70;
constexpr double kBore = 13;

void flangedRun(Body& body, double innerLeft, double innerRight) {
    horizontalPipe(body, 14, innerLeft, kRun, kBore, 4);
    horizontalPipe(body, innerRight, 226, kRun, kBore, 4);
    flange(body, 14, 7, kRun, kBore, 26);
    flange(body, 219, 7, kRun, kBore, 26);
}

// A Y-strainer: the screen cylinder sits in a leg slanting down from the body, closed by a plug.
// A seat ring round the screen's mouth leads the inlet into the screen only.
void yStrainer(Sketch& s) {
    const QPointF centre(116, kRun);
    constexpr double slant = -45;  // direction of the leg
    constexpr double screen = 11;  // radius of the screen cylinder
    const QPointF legEnd = polar(centre, 82, slant);
    Body body;
    flangedRun(body, 96, 136);
    const QPainterPath chamber = circle(centre, 31);
    body.wall(chamber);
    body.fluid(circle(centre, 26));
    straightPipe(body, centre, legEnd, 17, 5);
    QTransform t;
    t.translate(legEnd.x(), legEnd.y());
    t.rotate(-slant);
    body.insert(t.map(rectangle(-7, -22, 3, 22)));
    // The seat ring, seen cut: up from the mouth's upper edge, down from its lower edge.
    const QPointF upper = polar(centre, screen, slant + 90);
    const QPointF lower = polar(centre, screen, slant - 90);
    QPainterPath seat(upper);
    seat.lineTo(upper.x(), 30);
    seat.moveTo(lower);
    seat.lineTo(lower.x(), 110);
    QPainterPathStroker stroker;
    stroker.setWidth(4);
    body.insert(stroker.createStroke(seat).intersected(chamber));
    s.body(body);
    QPainterPath mesh(upper);
    mesh.lineTo(polar(upper, 66, slant));
    mesh.lineTo(polar(lower, 66, slant));
    mesh.lineTo(lower);
    s.mesh(mesh);
    s.flow({44, kRun}, {90, kRun});
    QPainterPath into(centre + QPointF(-16, -4));
    into.quadTo(centre + QPointF(-2, -2), polar(centre, 46, slant));
    s.flow(into);
    s.flow({160, kRun}, {210, kRun});
    boreDiameter(s, 34, kRun, kBore, "D", {-9, 0});
}

// A basket strainer: a pot under the run holds a basket of mesh; the medium enters the basket
// from above, passes its wall and leaves on the other side.
void basketStrainer(Sketch& s) {
    const double potLeft = 88;
    const double potRight = 152;
    const double potBottom = 150;
    Body body;
    flangedRun(body, potLeft, potRight);
    body.wall(rectangle(potLeft - 5, 36, potRight + 5, potBottom + 5));
    body.fluid(rectangle(potLeft, 42, potRight, potBottom));
    // The cover, bolted on.
    body.insert(rectangle(potLeft - 10, 28, potRight + 10, 36));
    s.body(body);
    // The basket: a rim at the height of the inlet's floor, the mesh wall and bottom below it.
    s.hatched(rectangle(potLeft, kRun + kBore, potLeft + 10, kRun + kBore + 4));
    s.hatched(rectangle(potRight - 10, kRun + kBore, potRight, kRun + kBore + 4));
    QPainterPath basket({potLeft + 8, kRun + kBore + 4});
    basket.lineTo(potLeft + 8, potBottom - 12);
    basket.lineTo(potRight - 8, potBottom - 12);
    basket.lineTo(potRight - 8, kRun + kBore + 4);
    s.mesh(basket);
    s.flow({48, kRun}, {80, kRun});
    QPainterPath down({potLeft + 16, kRun});
    down.quadTo(120, kRun, 120, potBottom - 26);
    s.flow(down);
    s.flow({potRight - 4, 120}, {potRight - 4, kRun + kBore + 10});
    s.flow({potRight + 14, kRun}, {210, kRun});
    boreDiameter(s, 34, kRun, kBore, "D", {-9, 0});
}

// A strainer like a hat: a ring clamped between flanges carries a mesh cone pointing downstream.
void hatStrainer(Sketch& s) {
    constexpr double axis = 80;
    constexpr double bore = 24;
    constexpr double ring = 84;
    Body body;
    horizontalPipe(body, 14, 226, axis, bore, 5);
    flange(body, ring - 8, 8, axis, bore, 38);
    flange(body, ring + 4, 8, axis, bore, 38);
    body.insert(symmetric(rectangle(ring, axis - 40, ring + 4, axis - bore + 3), axis));
    s.body(body);
    QPainterPath cone({ring + 4, axis - bore + 3});
    cone.lineTo(170, axis - 9);
    cone.lineTo(170, axis + 9);
    cone.lineTo(ring + 4, axis + bore - 3);
    s.mesh(cone);
    s.centreLine({8, axis}, {232, axis});
    s.flow({44, axis}, {ring - 10, axis});
    s.flow({126, axis - 20}, {150, axis - 26});
    s.flow({126, axis + 20}, {150, axis + 26});
    s.flow({180, axis}, {214, axis});
    boreDiameter(s, 30, axis, bore, "D", {-9, -12});
}

}  // namespace

void addScreenDrawings(std::vector<PictureDrawing>& rows) {
    rows.push_back({3001, thinCircularPlate});
    rows.push_back({3002, thinRectangularPlate});
    rows.push_back({3003, thickCircularPlate});
    rows.push_back({3004, thickRectangularPlate});
    rows.push_back({3010, circularGrid});
    rows.push_back({3011, rectangularGrid});
    rows.push_back({3012, circularWireScreen});
    rows.push_back({3013, rectangularWireScreen});
    rows.push_back({3014, circularDoubleGrid});
    rows.push_back({3015, rectangularDoubleGrid});
    rows.push_back({3016, yStrainer});
    rows.push_back({3017, basketStrainer});
    rows.push_back({3018, hatStrainer});
}

}  // namespace velmora::pictures
