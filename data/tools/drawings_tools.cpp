// Pictures of the engineering tools: cross-sections of open channels and their slope, vessels
// emptying through openings, and the forms of outflow openings. Each carries the letters of the
// dialog entries it illustrates; the pictures with words are drawn once per language.
#include <cmath>
#include <numbers>

#include "picture_drawings.h"
#include "picture_parts.h"

namespace velmora::pictures {

namespace {

constexpr double kDegrees = 180 / std::numbers::pi;

// The words of the language pictures, by edition letter D, E, F, H.
QString word(char edition, const char* de, const char* en, const char* fr, const char* nl) {
    switch (edition) {
        case 'D': return QString::fromUtf8(de);
        case 'F': return QString::fromUtf8(fr);
        case 'H': return QString::fromUtf8(nl);
        default: return QString::fromUtf8(en);
    }
}

// The free surface: a line with the usual small triangle standing on it.
void surface(Sketch& s, double x0, double x1, double y, double markX) {
    s.line({x0, y}, {x1, y});
    s.outline(polygon({{markX - 5, y - 8}, {markX + 5, y - 8}, {markX, y - 1}}));
}

// Ground around a channel: a block less the channel's open space.
void ground(Sketch& s, const QPainterPath& block, const QPainterPath& channel, const QPainterPath& water) {
    s.fluid(water);
    s.hatched(block.subtracted(channel));
}

// B along the bottom of a channel, below the ground.
void widthBelow(Sketch& s, double x0, double x1, double from, const QString& label) {
    lengthBelow(s, x0, x1, from, 144, label);
}

void rectangleChannel(Sketch& s, char) {
    ground(s, rectangle(30, 40, 210, 128), rectangle(60, 30, 180, 120), rectangle(60, 70, 180, 120));
    surface(s, 60, 180, 70, 120);
    widthBelow(s, 60, 180, 120, "B");
    s.dimension({168, 70}, {168, 120}, "H", {-9, 0});
}

void trapezoidChannel(Sketch& s, char) {
    const QPainterPath channel = polygon({{20, 48}, {90, 118}, {150, 118}, {220, 48}, {220, 30}, {20, 30}});
    ground(s, rectangle(8, 48, 232, 128).united(polygon({{8, 48}, {20, 48}, {8, 60}})), channel,
           polygon({{42, 70}, {90, 118}, {150, 118}, {198, 70}}));
    surface(s, 42, 198, 70, 120);
    widthBelow(s, 90, 150, 118, "B");
    s.dimension({112, 70}, {112, 118}, "H", {-9, 0});
    s.thin({150, 118}, {184, 118});
    s.angle({150, 118}, 24, 0, 45, "α", {4, 2});
}

void semicircleChannel(Sketch& s, char) {
    const QPointF centre(120, 52);
    const QPainterPath disc = circle(centre, 60);
    const QPainterPath below = rectangle(0, 52, 240, 160);
    ground(s, rectangle(36, 52, 204, 128), disc, disc.intersected(below));
    surface(s, 60, 180, 52, 150);
    s.centreLine({120, 44}, {120, 118});
    s.radius(centre, polar(centre, 60, -40), "R", {-8, -9});
}

void triangleChannel(Sketch& s, char) {
    const double alpha = 35;
    const double run = 56 / std::tan(alpha / kDegrees);
    const QPainterPath channel = polygon({{120 - 72 / std::tan(alpha / kDegrees), 46},
                                          {120, 118},
                                          {120 + 72 / std::tan(alpha / kDegrees), 46},
                                          {240, 30},
                                          {0, 30}});
    ground(s, rectangle(8, 46, 232, 130), channel, polygon({{120 - run, 62}, {120, 118}, {120 + run, 62}}));
    surface(s, 120 - run, 120 + run, 62, 150);
    s.extension({120 + run, 62}, {222, 62});
    s.extension({120, 118}, {222, 118});
    s.dimension({216, 62}, {216, 118}, "H", {9, 0});
    s.angle({120 - run, 62}, 26, -alpha, 0, "α", {4, 3});
}

void anyShapeChannel(Sketch& s, char edition) {
    QPainterPath bed({24, 64});
    bed.cubicTo(40, 100, 70, 126, 118, 122);
    bed.cubicTo(160, 119, 186, 104, 214, 64);
    QPainterPath channel = bed;
    channel.lineTo(240, 40);
    channel.lineTo(0, 40);
    channel.closeSubpath();
    QPainterPath water = bed;
    water.closeSubpath();
    ground(s, rectangle(8, 64, 232, 136), channel, water);
    surface(s, 24, 214, 64, 180);
    s.label({118, 92}, "A", 15);
    s.leader({62, 112}, {40, 128}, "U");
    s.note({120, 14}, word(edition, "A = Fließfläche", "A = flow area", "A = section mouillée", "A = natte doorsnede"));
    s.note({120, 28}, word(edition, "U = benetzter Umfang", "U = wetted perimeter", "U = périmètre mouillé",
                           "U = natte omtrek"));
}

void channelSlope(Sketch& s, char edition) {
    // The bed falls 40 px over 200 px; the water runs parallel to it.
    s.fluid(polygon({{20, 52}, {220, 92}, {220, 110}, {20, 70}}));
    s.hatched(polygon({{20, 70}, {220, 110}, {220, 126}, {20, 126}}));
    s.line({20, 52}, {220, 92});
    s.flow({70, 72}, {110, 80});
    s.centreLine({10, 138}, {230, 138});
    s.dimension({34, 73}, {34, 138}, "z1", {-10, 8});
    s.dimension({206, 107}, {206, 138}, "z2", {-11, 0});
    s.extension({34, 70}, {34, 22});
    s.extension({206, 106}, {206, 22});
    s.dimension({34, 26}, {206, 26}, "L", {0, -8});
    s.thin({34, 72.8}, {110, 72.8});
    s.angle({34, 72.8}, 58, -std::atan(0.2) * kDegrees, 0, "α", {10, 1});
    s.note({132, 152}, word(edition, "Gefälle I = (z1 - z2) / L", "slope I = (z1 - z2) / L",
                            "pente I = (z1 - z2) / L", "verval I = (z1 - z2) / L"));
}

// ---- vessels ------------------------------------------------------------------------------------

constexpr double kLeft = 40, kRight = 160, kTop = 30, kBottom = 125, kWall = 5, kLevel = 55;

// An open or closed tank with its walls cut, filled up to the level.
void tank(Sketch& s, bool closed, const QPainterPath& openings) {
    Body body;
    body.wall(rectangle(kLeft, closed ? kTop : kTop + 6, kRight, kBottom + kWall));
    body.fluid(rectangle(kLeft + kWall, kLevel, kRight - kWall, kBottom));
    body.cut(rectangle(kLeft + kWall, closed ? kTop + kWall : 0, kRight - kWall, kLevel));
    body.cut(openings);
    s.body(body);
    surface(s, kLeft + kWall, kRight - kWall, kLevel, 70);
    if (closed) s.label({112, 43}, "pi");
}

// A jet falling from a bottom opening between x0 and x1.
void bottomJet(Sketch& s, double x0, double x1) {
    QPainterPath left({x0, kBottom + kWall});
    left.cubicTo(x0 + 2, 140, x0 + 3, 148, x0 + 3, 158);
    QPainterPath right({x1, kBottom + kWall});
    right.cubicTo(x1 - 2, 140, x1 - 3, 148, x1 - 3, 158);
    s.streamline(left);
    s.streamline(right);
    s.flow({(x0 + x1) / 2, 134}, {(x0 + x1) / 2, 154});
}

// A jet thrown from a side opening between the heights y0 and y1 of the right wall.
void sideJet(Sketch& s, double y0, double y1) {
    for (double y : {y0, y1}) {
        QPainterPath path({kRight, y});
        path.cubicTo(kRight + 30, y, kRight + 52, y + 18, kRight + 66, 160);
        s.streamline(path);
    }
    s.flow({kRight + 4, (y0 + y1) / 2}, {kRight + 30, (y0 + y1) / 2 + 4});
}

void heightToOpening(Sketch& s, double x, double depth) {
    s.dimension({x, kLevel}, {x, depth}, "H", {-8, 0});
}

void smallBottomOpening(Sketch& s, bool closed) {
    tank(s, closed, rectangle(95, kBottom - 1, 105, kBottom + kWall + 1));
    bottomJet(s, 95, 105);
    heightToOpening(s, 75, kBottom);
    s.leader({104, kBottom + 3}, {128, 146}, "A");
}

void smallSideOpening(Sketch& s, bool closed) {
    tank(s, closed, rectangle(kRight - kWall - 1, 104, kRight + 1, 114));
    sideJet(s, 104, 114);
    s.extension({kRight - kWall, 109}, {124, 109});
    heightToOpening(s, 128, 109);
    s.leader({kRight - 2, 105}, {184, 84}, "A");
}

void gefaess1(Sketch& s, char) { smallBottomOpening(s, false); }
void gefaess2(Sketch& s, char) { smallSideOpening(s, false); }
void gefaess4(Sketch& s, char) { smallBottomOpening(s, true); }
void gefaess5(Sketch& s, char) { smallSideOpening(s, true); }

void gefaess3(Sketch& s, char) {
    tank(s, false, rectangle(kRight - kWall - 1, 80, kRight + 1, 115));
    sideJet(s, 80, 115);
    s.extension({kRight - kWall, 80}, {108, 80});
    s.extension({kRight - kWall, 115}, {126, 115});
    s.dimension({112, kLevel}, {112, 80}, "H1", {-10, 0});
    s.dimension({130, kLevel}, {130, 115}, "H2", {-11, 8});
    // The opening seen from the front, with its width.
    s.hatched(rectangle(186, 20, 232, 62).subtracted(rectangle(196, 32, 222, 50)));
    s.fluid(rectangle(196, 32, 222, 50));
    s.extension({196, 50}, {196, 72});
    s.extension({222, 50}, {222, 72});
    s.dimension({196, 68}, {222, 68}, "b", {0, 9});
}

void gefaess6(Sketch& s, char) {
    tank(s, false, rectangle(78, kBottom - 1, 122, kBottom + kWall + 1));
    bottomJet(s, 78, 122);
    heightToOpening(s, 62, kBottom);
    s.leader({116, kBottom + 3}, {142, 146}, "A");
}

// ---- emptying vessels ---------------------------------------------------------------------------

// The bottom opening of diameter d between x0 and x1 at the height y, the jet below.
void openingBelow(Sketch& s, double x0, double x1, double y) {
    s.dimensionOutside({x0, y + 12}, {x1, y + 12}, "d", {0, 10});
    s.flow({(x0 + x1) / 2, y + 2}, {(x0 + x1) / 2, y + 22});
}

void instationaer1(Sketch& s, char) {
    tank(s, false, rectangle(95, kBottom - 1, 105, kBottom + kWall + 1));
    s.extension({kLeft + kWall, kTop + 4}, {kLeft + kWall, 16});
    s.extension({kRight - kWall, kTop + 4}, {kRight - kWall, 16});
    s.dimension({kLeft + kWall, 20}, {kRight - kWall, 20}, "D", {0, -8});
    s.dimension({62, kLevel}, {62, kBottom}, "H", {-8, 0});
    openingBelow(s, 95, 105, kBottom + kWall);
}

void instationaer2(Sketch& s, char) {
    const QRectF outer(30, 40, 150, 84);
    QPainterPath shell;
    shell.addRoundedRect(outer, 34, 42);
    QPainterPath bore;
    bore.addRoundedRect(outer.adjusted(5, 5, -5, -5), 29, 37);
    Body body;
    body.wall(shell);
    body.fluid(bore);
    body.cut(rectangle(100, 118, 110, 126));
    s.body(body);
    s.extension({35, 45}, {35, 26});
    s.extension({175, 45}, {175, 26});
    s.dimension({35, 30}, {175, 30}, "L", {0, -8});
    s.extension({180, 45}, {204, 45});
    s.extension({180, 119}, {204, 119});
    s.dimension({198, 45}, {198, 119}, "D", {9, 0});
    openingBelow(s, 100, 110, 124);
}

void instationaer3(Sketch& s, char) {
    const QPointF centre(110, 78);
    Body body;
    body.wall(circle(centre, 52));
    body.fluid(circle(centre, 47));
    body.cut(rectangle(105, 120, 115, 131));
    s.body(body);
    s.centreLine({50, 78}, {170, 78});
    s.dimension({63, 66}, {157, 66}, "D", {0, -8});
    openingBelow(s, 105, 115, 129);
}

void instationaer4(Sketch& s, char) {
    // A cone standing on its apex, filled to the level H with the surface diameter D.
    Body body;
    body.wall(polygon({{30, 28}, {190, 28}, {117, 128}, {103, 128}}));
    body.fluid(polygon({{47, 50}, {173, 50}, {112, 122}, {108, 122}}));
    body.cut(polygon({{38, 28}, {182, 28}, {173, 50}, {47, 50}}));
    body.cut(rectangle(105, 118, 115, 130));
    s.body(body);
    surface(s, 47, 173, 50, 80);
    s.extension({47, 46}, {47, 14});
    s.extension({173, 46}, {173, 14});
    s.dimension({47, 18}, {173, 18}, "D", {0, -8});
    s.extension({175, 50}, {208, 50});
    s.extension({118, 122}, {208, 122});
    s.dimension({202, 50}, {202, 122}, "H", {9, 0});
    openingBelow(s, 105, 115, 128);
}

// ---- outflow openings ---------------------------------------------------------------------------

constexpr double kAxis = 80, kFace = 60, kBack = 68;

// The vessel wall with the liquid behind it and an opening between the radii given.
void wallWithOpening(Sketch& s, double openingRadius) {
    Body body;
    body.wall(rectangle(kFace, 14, kBack, 146));
    body.fluid(rectangle(8, 14, kFace, 146));
    body.fluid(rectangle(kFace - 1, kAxis - openingRadius, kBack + 1, kAxis + openingRadius));
    s.body(body);
    s.centreLine({4, kAxis}, {236, kAxis});
}

// A contracting jet from x with the radius r.
void jetFrom(Sketch& s, double x, double r, double contraction) {
    QPainterPath edge({x, kAxis - r});
    edge.cubicTo(x + 14, kAxis - r + contraction, x + 40, kAxis - r + contraction, x + 100, kAxis - r + contraction);
    s.streamline(symmetric(edge, kAxis));
    s.flow({x + 20, kAxis}, {x + 60, kAxis});
}

void ausfluss1(Sketch& s, char) {
    wallWithOpening(s, 14);
    jetFrom(s, kBack, 14, 5);
    s.flow({20, 50}, {50, 72});
    s.flow({20, 110}, {50, 88});
}

void ausfluss2(Sketch& s, char edition) {
    wallWithOpening(s, 20);
    // A rounded inlet narrowing to a short cylindrical mouth.
    Body nozzle;
    axisymmetric(nozzle, kAxis, {{kBack, 20}, {kBack + 8, 14}, {kBack + 18, 10.5}, {kBack + 30, 9}, {kBack + 44, 9}}, 5);
    s.body(nozzle);
    jetFrom(s, kBack + 44, 9, 0.5);
    s.note({150, 140}, word(edition, "Düse", "nozzle", "tuyère", "mondstuk"), 12);
}

void ausfluss3(Sketch& s, char) {
    wallWithOpening(s, 18);
    // A converging tube; its sides meet at the apex ahead of the exit.
    const double exitX = kBack + 50, inlet = 18, exit = 8;
    Body tube;
    axisymmetric(tube, kAxis, {{kBack, inlet}, {exitX, exit}}, 5);
    s.body(tube);
    const double apexX = kBack + inlet * (exitX - kBack) / (inlet - exit);
    s.hidden({exitX, kAxis - exit}, {apexX, kAxis});
    s.hidden({exitX, kAxis + exit}, {apexX, kAxis});
    const double half = std::atan((inlet - exit) / (exitX - kBack)) * kDegrees;
    s.angle({apexX, kAxis}, 30, 180 - half, 180 + half, "α", {-16, 0});
    jetFrom(s, exitX, exit, 1);
}

void ausfluss4(Sketch& s, char) {
    wallWithOpening(s, 12);
    Body tube;
    horizontalPipe(tube, kBack, kBack + 62, kAxis, 12, 5);
    s.body(tube);
    // The jet contracts just inside the tube and fills it again.
    QPainterPath edge({kBack, kAxis - 12});
    edge.cubicTo(kBack + 8, kAxis - 8, kBack + 16, kAxis - 8, kBack + 34, kAxis - 12);
    s.streamline(symmetric(edge, kAxis));
    jetFrom(s, kBack + 62, 12, 0.5);
}

void ausfluss5(Sketch& s, char) {
    wallWithOpening(s, 14);
    // A cylindrical tube of bore D ending in a nozzle of mouth d.
    Body tube;
    axisymmetric(tube, kAxis, {{kBack, 14}, {kBack + 50, 14}, {kBack + 60, 10}, {kBack + 68, 7.5}, {kBack + 78, 7}}, 5);
    s.body(tube);
    boreDiameter(s, kBack + 24, kAxis, 14, "D", {-8, -1});
    s.dimensionOutside({kBack + 86, kAxis - 7}, {kBack + 86, kAxis + 7}, "d", {10, -16});
    jetFrom(s, kBack + 78, 7, 0.5);
}

void gausfluss1(Sketch& s, char) {
    // The wall seen from the front; the level behind it dashed, the opening h high and b wide.
    s.hatched(rectangle(20, 18, 220, 146).subtracted(rectangle(80, 60, 160, 104)));
    s.fluid(rectangle(80, 60, 160, 104));
    s.hidden({20, 32}, {220, 32});
    s.outline(polygon({{195, 24}, {205, 24}, {200, 31}}));
    s.dimension({80, 122}, {160, 122}, "b", {0, -8});
    s.dimension({176, 60}, {176, 104}, "h", {8, 0});
    s.extension({160, 60}, {180, 60});
    s.extension({160, 104}, {180, 104});
}

void gausfluss2(Sketch& s, char) {
    tank(s, false, rectangle(86, kBottom - 1, 114, kBottom + kWall + 1));
    bottomJet(s, 86, 114);
    s.extension({kLeft + kWall, kTop + 8}, {kLeft + kWall, 20});
    s.extension({kRight - kWall, kTop + 8}, {kRight - kWall, 20});
    s.dimension({kLeft + kWall, 24}, {kRight - kWall, 24}, "D", {0, -8});
    s.dimension({86, 108}, {114, 108}, "d", {0, -8});
}

}  // namespace

std::vector<ToolPictureDrawing> toolPictureDrawings() {
    return {
        {"GERINNE_RECHTECK", rectangleChannel, false, {"B", "H"}},
        {"GERINNE_TRAPEZ", trapezoidChannel, false, {"B", "H", "α"}},
        {"GERINNE_HALBKREIS", semicircleChannel, false, {"R"}},
        {"GERINNE_DREIECK", triangleChannel, false, {"H", "α"}},
        {"GERINNE_BELIEBIG_", anyShapeChannel, true, {"A", "U"}},
        {"GERINNE_GEFAELLE_", channelSlope, true, {"z1", "z2", "L", "α"}},
        {"GEFAESS1", gefaess1, false, {"H", "A"}},
        {"GEFAESS2", gefaess2, false, {"H", "A"}},
        {"GEFAESS3", gefaess3, false, {"H1", "H2", "b"}},
        {"GEFAESS4", gefaess4, false, {"H", "A", "pi"}},
        {"GEFAESS5", gefaess5, false, {"H", "A", "pi"}},
        {"GEFAESS6", gefaess6, false, {"H", "A"}},
        {"INSTATIONAER1", instationaer1, false, {"D", "H", "d"}},
        {"INSTATIONAER2", instationaer2, false, {"D", "L", "d"}},
        {"INSTATIONAER3", instationaer3, false, {"D", "d"}},
        {"INSTATIONAER4", instationaer4, false, {"D", "H", "d"}},
        {"AUSFLUSS1", ausfluss1, false, {}},
        {"AUSFLUSS2_", ausfluss2, true, {}},
        {"AUSFLUSS3", ausfluss3, false, {"α"}},
        {"AUSFLUSS4", ausfluss4, false, {}},
        {"AUSFLUSS5", ausfluss5, false, {"D", "d"}},
        {"GAUSFLUSS1", gausfluss1, false, {"h", "b"}},
        {"GAUSFLUSS2", gausfluss2, false, {"D", "d"}},
    };
}

}  // namespace velmora::pictures
