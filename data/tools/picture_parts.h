#pragma once

#include <QRectF>
#include <vector>

#include "picture_sketch.h"

// Recurring pieces of the element pictures: straight pipes on a horizontal axis, flanges, end
// views of a circular or rectangular section, and the usual dimensions of a pipe.
namespace velmora::pictures {

// A straight pipe from x0 to x1 on the horizontal axis, bore radius and wall thickness in pixels.
void horizontalPipe(Body& body, double x0, double x1, double axis, double boreRadius, double wall);
// A straight pipe from one point to another (any direction).
void straightPipe(Body& body, QPointF from, QPointF to, double boreRadius, double wall);
// An axisymmetric body on a horizontal axis: the bore follows the profile, given as points
// (x, radius) from left to right, and the wall of the given thickness lies outside it (a step in
// the profile gets its wall on the side away from the bore).
void axisymmetric(Body& body, double axis, const std::vector<QPointF>& profile, double wall);
// The medium's space that rounds a convex wall corner: the corner at `corner`, the two walls
// running from it in the given directions (degrees), the rounding of the given radius.
QPainterPath fillet(QPointF corner, double firstDegrees, double secondDegrees, double radius);
// The centre of that rounding.
QPointF filletCentre(QPointF corner, double firstDegrees, double secondDegrees, double radius);
// A flange ring on a horizontal pipe: from x over the given width, bore to outer radius.
void flange(Body& body, double x, double width, double axis, double boreRadius, double outerRadius);

// A diameter across the bore at x, the label moved by labelOffset from the axis point.
void boreDiameter(Sketch& sketch, double x, double axis, double boreRadius, const QString& label,
                  QPointF labelOffset = {-8, -9});
// A length below an object: extension lines from (x0, from) and (x1, from) down to the dimension
// line at y, the label above the line.
void lengthBelow(Sketch& sketch, double x0, double x1, double from, double y, const QString& label);

// The end view of a circular pipe: a cut ring, the bore tinted, centre lines and the diameter
// across the bore (no diameter when label is empty).
void circularEndView(Sketch& sketch, QPointF centre, double boreRadius, double wall, const QString& label);
// The end view of a rectangular duct: a cut frame, the bore tinted, the width across the bottom
// and the height up the right side, inside the bore or (for a small view) outside the frame.
enum class DimensionPlace { Inside, Outside };
void rectangularEndView(Sketch& sketch, const QRectF& bore, double wall, const QString& widthLabel,
                        const QString& heightLabel, DimensionPlace place = DimensionPlace::Inside);

}  // namespace velmora::pictures
