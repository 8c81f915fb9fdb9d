#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <set>
#include <string>

// The drawing vocabulary of the element pictures: a longitudinal section in the manner of a
// textbook schematic. Cut wall material is hatched, the space the medium fills is tinted, parts
// seen in view are outlined, a flow arrow shows the direction of flow, and dimensions carry the
// letters of the element's entries in one accent colour. Coordinates are pixels of the picture,
// y downwards; angles are degrees counter-clockwise as seen on the picture.
namespace velmora::pictures {

inline constexpr int kPictureWidth = 240;
inline constexpr int kPictureHeight = 160;

// The areas of one body: wall material and the medium's space. Walls are painted as their union
// less the medium's space, so a duct's wall band and a fitting's solid can overlap freely.
class Body {
  public:
    void wall(const QPainterPath& area) { walls_ = walls_.united(area); }
    void fluid(const QPainterPath& area) { fluid_ = fluid_.united(area); }
    // A duct of the given inner width along a centre line, with a wall band on both sides.
    void duct(const QPainterPath& centre, double innerWidth, double wallThickness,
              Qt::PenJoinStyle join = Qt::MiterJoin);
    // Takes an area out of the walls without making it the medium's space (a gap, a slot).
    void cut(const QPainterPath& area) { cuts_ = cuts_.united(area); }
    // Wall material standing inside the medium's space (a partition, a seat, a plate).
    void insert(const QPainterPath& area) { inserts_ = inserts_.united(area); }

    QPainterPath wallArea() const { return walls_.subtracted(fluid_).subtracted(cuts_).united(inserts_); }
    QPainterPath fluidArea() const { return fluid_.subtracted(inserts_); }

  private:
    QPainterPath walls_;
    QPainterPath fluid_;
    QPainterPath cuts_;
    QPainterPath inserts_;
};

class Sketch {
  public:
    explicit Sketch(QPainter& painter);

    // Moves everything drawn from now on (to centre a drawing in the picture).
    void shift(double dx, double dy);

    // Section areas.
    void body(const Body& body);
    void fluid(const QPainterPath& area);
    void hatched(const QPainterPath& area);  // cut material: white, hatched, outlined
    void solid(const QPainterPath& area);    // a part seen in view: white, outlined
    void moving(const QPainterPath& area);   // a closing part (disc, gate, plug, flap): grey, outlined
    void dark(const QPainterPath& area);     // a small dark part (a pin, a hinge)

    // Lines of the object.
    void outline(const QPainterPath& path);
    void line(QPointF a, QPointF b);
    void thin(QPointF a, QPointF b);
    void hidden(QPointF a, QPointF b);          // dashed: an edge behind the section plane
    void centreLine(QPointF a, QPointF b);      // dash-dot
    void mesh(const QPainterPath& path);        // a screen or sieve: fine dotted line
    void streamline(const QPainterPath& path);  // thin dashed: a free jet, an eddy, a contraction

    // The direction of flow.
    void flow(QPointF from, QPointF to);
    void flow(const QPainterPath& path);  // along a curve, the arrowhead at its end

    // Dimensions, all in the accent colour. A label names an entry: "D", "D1", "Di", "DN", "w" …;
    // trailing digits and the "i" of "Di" are written as a subscript.
    // Arrows at both ends pointing outwards onto a and b; the label's centre sits at the middle of
    // the line moved by labelOffset.
    void dimension(QPointF a, QPointF b, const QString& label, QPointF labelOffset);
    // For a small measure: arrows outside a and b pointing inwards, the line running on past them.
    void dimensionOutside(QPointF a, QPointF b, const QString& label, QPointF labelOffset);
    // A thin extension line from the object to a dimension line.
    void extension(QPointF from, QPointF to);
    // An arc about centre between two directions with arrowheads at both ends; the label sits
    // outside the arc at the middle direction, moved by labelOffset.
    void angle(QPointF centre, double radius, double fromDegrees, double toDegrees, const QString& label,
               QPointF labelOffset = {});
    // A radius: from the centre to the arc, one arrowhead on the arc.
    void radius(QPointF centre, QPointF onArc, const QString& label, QPointF labelOffset);
    // A label tied to a point by a thin leader line.
    void leader(QPointF target, QPointF labelCentre, const QString& label);
    // A label alone, centred on a point (an area "A", a resistance coefficient "ζ").
    void label(QPointF centre, const QString& label, double pixelSize = 13);

    // A plain word or formula in the line colour (the language pictures); not a dimension label.
    void note(QPointF centre, const QString& text, double pixelSize = 11);

    // Every dimension label drawn so far.
    const std::set<std::string>& labels() const { return labels_; }

  private:
    void arrowHead(QPointF tip, QPointF from, double length, double halfWidth, const QColor& colour);
    void drawLabel(QPointF centre, const QString& label, double pixelSize);

    QPainter& painter_;
    std::set<std::string> labels_;
};

// Geometry helpers.
QPainterPath rectangle(double left, double top, double right, double bottom);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath circle(QPointF centre, double radius);
// The path mirrored about the horizontal line y = axis, and the union of path and mirror.
QPainterPath mirrored(const QPainterPath& path, double axis);
QPainterPath symmetric(const QPainterPath& path, double axis);
// A point at a distance in a direction (degrees counter-clockwise as seen).
QPointF polar(QPointF centre, double radius, double degrees);
// An open path through the points.
QPainterPath polyline(std::initializer_list<QPointF> points);

}  // namespace velmora::pictures
