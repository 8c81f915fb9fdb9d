#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/curve_plot.h"

// The system curve's diagram laid out on a canvas of a given size, as a list of drawing items that
// the window, the printout and every picture export paint with the same routine (paintPlot) on
// their own canvas. Coordinates are in the canvas's units, y downwards.
namespace velmora::tools {

struct Colour {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kSystemRed{220, 0, 0};
inline constexpr Colour kPumpBlue{0, 70, 200};

struct Pen {
    Colour colour = kBlack;
    Real width = 1;
    bool dashed = false;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct CanvasPoint {
    Real x = 0, y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

enum class TextAnchor { Start, Middle, End };

struct LineItem {
    CanvasPoint from, to;
    Pen pen;
};
struct PolylineItem {
    std::vector<CanvasPoint> points;
    Pen pen;
};
struct RectItem {
    Real x = 0, y = 0, width = 0, height = 0;
    Pen pen;
};
struct DiscItem {
    CanvasPoint centre;
    Real radius = 0;
    Colour colour;
};
struct TextItem {
    CanvasPoint at;  // on the baseline; where the text starts, is centred or ends (anchor)
    std::string text;
    TextAnchor anchor = TextAnchor::Start;
    Real size = 12;  // font size in canvas units
    Colour colour = kBlack;
};

using PlotItem = std::variant<LineItem, PolylineItem, RectItem, DiscItem, TextItem>;

// How the diagram is drawn on one kind of canvas.
struct PlotStyle {
    std::string fontFamily = "Arial";
    Real fontSize = 12;   // canvas units
    Real curveWidth = 1;  // the system and pump curves
    Real lineWidth = 1;   // frame and grid
    std::string title;    // a title line above everything (the printout), or empty
};

struct PlotLayout {
    Real width = 0, height = 0;
    Colour background = kWhite;
    std::string fontFamily;
    RectItem plotArea;  // the framed diagram
    std::vector<PlotItem> items;
};

// The width a text takes at a font size, estimated from the character count (digits and Latin
// letters of a proportional sans-serif font take about 0.6 of the size); used for margins.
Real estimatedTextWidth(std::string_view text, Real size);

// The diagram on a canvas of `width` × `height`: the title (printout), the medium lines, the y-axis
// title at the top left, the frame with a grid line and label at every inner tick, the labels of
// both axes, the x-axis title at the bottom right, the operating point line below, the red system
// curve and the blue pump curve clipped to the frame, the operating point with dashed guides to
// both axes, and the legend. Margins grow with the labels so that none is cut.
PlotLayout layoutCurvePlot(const CurvePlot& plot, Real width, Real height, const PlotStyle& style);

// Maps a value pair of the diagram into the frame.
CanvasPoint toCanvas(const CurvePlot& plot, const RectItem& area, PlotPoint value);

// What a canvas can draw.
class PlotCanvas {
  public:
    virtual ~PlotCanvas() = default;
    virtual void begin(const PlotLayout& layout) = 0;  // size, background, font family
    virtual void line(const LineItem& item) = 0;
    virtual void polyline(const PolylineItem& item) = 0;
    virtual void rect(const RectItem& item) = 0;
    virtual void disc(const DiscItem& item) = 0;
    virtual void text(const TextItem& item) = 0;
    virtual void end() = 0;
};

// The one painting routine: every item of the layout, in order, on the canvas.
void paintPlot(const PlotLayout& layout, PlotCanvas& canvas);

}  // namespace velmora::tools
