#include "tools/svg_canvas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace velmora::tools {

namespace {

// A coordinate with two decimals at most, point as separator whatever the locale.
std::string number(Real value) {
    const double rounded = std::round(static_cast<double>(value) * 100) / 100;
    std::array<char, 32> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded);
    return ec == std::errc{} ? std::string(buffer.data(), end) : "0";
}

std::string colour(const Colour& c) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text = "#";
    for (const int part : {c.red, c.green, c.blue}) {
        const int v = std::clamp(part, 0, 255);
        text += digits[v / 16];
        text += digits[v % 16];
    }
    return text;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string stroke(const Pen& pen) {
    std::string s = " stroke=\"" + colour(pen.colour) + "\" stroke-width=\"" + number(pen.width) + "\"";
    if (pen.dashed) s += " stroke-dasharray=\"" + number(pen.width * 4) + "," + number(pen.width * 3) + "\"";
    return s;
}

const char* anchorName(TextAnchor anchor) {
    switch (anchor) {
        case TextAnchor::Middle:
            return "middle";
        case TextAnchor::End:
            return "end";
        case TextAnchor::Start:
            break;
    }
    return "start";
}

}  // namespace

void SvgCanvas::begin(const PlotLayout& layout) {
    out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << number(layout.width)
         << "\" height=\"" << number(layout.height) << "\" viewBox=\"0 0 " << number(layout.width) << ' '
         << number(layout.height) << "\" font-family=\"" << escaped(layout.fontFamily) << ", sans-serif\">\n"
         << "<rect x=\"0\" y=\"0\" width=\"" << number(layout.width) << "\" height=\""
         << number(layout.height) << "\" fill=\"" << colour(layout.background) << "\" stroke=\"none\"/>\n";
}

void SvgCanvas::line(const LineItem& item) {
    out_ << "<line x1=\"" << number(item.from.x) << "\" y1=\"" << number(item.from.y) << "\" x2=\""
         << number(item.to.x) << "\" y2=\"" << number(item.to.y) << "\"" << stroke(item.pen) << "/>\n";
}

void SvgCanvas::polyline(const PolylineItem& item) {
    out_ << "<polyline fill=\"none\"" << stroke(item.pen) << " stroke-linejoin=\"round\" points=\"";
    for (std::size_t i = 0; i < item.points.size(); ++i)
        out_ << (i ? " " : "") << number(item.points[i].x) << ',' << number(item.points[i].y);
    out_ << "\"/>\n";
}

void SvgCanvas::rect(const RectItem& item) {
    out_ << "<rect x=\"" << number(item.x) << "\" y=\"" << number(item.y) << "\" width=\""
         << number(item.width) << "\" height=\"" << number(item.height) << "\" fill=\"none\""
         << stroke(item.pen) << "/>\n";
}

void SvgCanvas::disc(const DiscItem& item) {
    out_ << "<circle cx=\"" << number(item.centre.x) << "\" cy=\"" << number(item.centre.y) << "\" r=\""
         << number(item.radius) << "\" fill=\"" << colour(item.colour) << "\" stroke=\"none\"/>\n";
}

void SvgCanvas::text(const TextItem& item) {
    out_ << "<text x=\"" << number(item.at.x) << "\" y=\"" << number(item.at.y) << "\" font-size=\""
         << number(item.size) << "\" text-anchor=\"" << anchorName(item.anchor) << "\" fill=\""
         << colour(item.colour) << "\">" << escaped(item.text) << "</text>\n";
}

void SvgCanvas::end() {
    out_ << "</svg>\n";
}

std::string plotSvg(const PlotLayout& layout) {
    SvgCanvas canvas;
    paintPlot(layout, canvas);
    return canvas.svg();
}

}  // namespace velmora::tools
