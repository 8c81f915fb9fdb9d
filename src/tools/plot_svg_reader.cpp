#include "tools/plot_svg_reader.h"

#include <charconv>
#include <map>
#include <string>

namespace velmora::tools {

namespace {

using Attributes = std::map<std::string, std::string, std::less<>>;

std::string unescaped(std::string_view text) {
    static const std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&')
            for (const auto& [entity, c] : entities)
                if (text.substr(i).starts_with(entity)) {
                    out += c;
                    i += entity.size();
                    replaced = true;
                    break;
                }
        if (!replaced) out += text[i++];
    }
    return out;
}

Attributes attributesOf(std::string_view tag) {
    Attributes attributes;
    std::size_t at = tag.find_first_of(" \t\n");
    while (at != std::string_view::npos && at < tag.size()) {
        const auto nameStart = tag.find_first_not_of(" \t\n/", at);
        if (nameStart == std::string_view::npos) break;
        const auto equals = tag.find('=', nameStart);
        if (equals == std::string_view::npos) break;
        const auto open = tag.find('"', equals);
        const auto close = open == std::string_view::npos ? open : tag.find('"', open + 1);
        if (close == std::string_view::npos) break;
        attributes[std::string(tag.substr(nameStart, equals - nameStart))] =
            unescaped(tag.substr(open + 1, close - open - 1));
        at = close + 1;
    }
    return attributes;
}

Real number(const Attributes& a, std::string_view name, Real otherwise = 0) {
    const auto it = a.find(name);
    if (it == a.end()) return otherwise;
    double value = 0;
    const auto [end, ec] = std::from_chars(it->second.data(), it->second.data() + it->second.size(), value);
    return ec == std::errc{} ? static_cast<Real>(value) : otherwise;
}

std::string text(const Attributes& a, std::string_view name) {
    const auto it = a.find(name);
    return it == a.end() ? std::string() : it->second;
}

Colour colourOf(const std::string& hex) {
    if (hex.size() != 7 || hex[0] != '#') return kBlack;
    const auto part = [&](std::size_t at) {
        int value = 0;
        std::from_chars(hex.data() + at, hex.data() + at + 2, value, 16);
        return value;
    };
    return {part(1), part(3), part(5)};
}

Pen penOf(const Attributes& a) {
    return {colourOf(text(a, "stroke")), number(a, "stroke-width", 1), a.count("stroke-dasharray") > 0};
}

std::vector<CanvasPoint> pointsOf(const std::string& list) {
    std::vector<CanvasPoint> points;
    const char* at = list.data();
    const char* end = list.data() + list.size();
    while (at < end) {
        while (at < end && (*at == ' ' || *at == ',')) ++at;
        double x = 0, y = 0;
        auto rx = std::from_chars(at, end, x);
        if (rx.ec != std::errc{}) break;
        at = rx.ptr;
        while (at < end && (*at == ' ' || *at == ',')) ++at;
        auto ry = std::from_chars(at, end, y);
        if (ry.ec != std::errc{}) break;
        at = ry.ptr;
        points.push_back({static_cast<Real>(x), static_cast<Real>(y)});
    }
    return points;
}

TextAnchor anchorOf(const std::string& name) {
    if (name == "middle") return TextAnchor::Middle;
    if (name == "end") return TextAnchor::End;
    return TextAnchor::Start;
}

}  // namespace

std::optional<PlotLayout> readPlotSvg(std::string_view svg) {
    PlotLayout layout;
    bool sized = false, background = false;
    std::size_t at = 0;
    while ((at = svg.find('<', at)) != std::string_view::npos) {
        const auto close = svg.find('>', at);
        if (close == std::string_view::npos) break;
        const std::string_view tag = svg.substr(at + 1, close - at - 1);
        const std::string_view name = tag.substr(0, tag.find_first_of(" \t\n/>"));
        const Attributes a = attributesOf(tag);
        at = close + 1;
        if (name == "svg") {
            layout.width = number(a, "width");
            layout.height = number(a, "height");
            std::string family = text(a, "font-family");
            if (const auto comma = family.find(','); comma != std::string::npos) family.resize(comma);
            layout.fontFamily = family;
            sized = layout.width > 0 && layout.height > 0;
        } else if (name == "rect" && !background) {
            layout.background = colourOf(text(a, "fill"));
            background = true;
        } else if (name == "rect") {
            layout.items.push_back(
                RectItem{number(a, "x"), number(a, "y"), number(a, "width"), number(a, "height"), penOf(a)});
        } else if (name == "line") {
            layout.items.push_back(
                LineItem{{number(a, "x1"), number(a, "y1")}, {number(a, "x2"), number(a, "y2")}, penOf(a)});
        } else if (name == "polyline") {
            layout.items.push_back(PolylineItem{pointsOf(text(a, "points")), penOf(a)});
        } else if (name == "circle") {
            layout.items.push_back(
                DiscItem{{number(a, "cx"), number(a, "cy")}, number(a, "r"), colourOf(text(a, "fill"))});
        } else if (name == "text") {
            const auto end = svg.find("</text>", at);
            if (end == std::string_view::npos) break;
            layout.items.push_back(TextItem{{number(a, "x"), number(a, "y")},
                                            unescaped(svg.substr(at, end - at)),
                                            anchorOf(text(a, "text-anchor")),
                                            number(a, "font-size", 12),
                                            colourOf(text(a, "fill"))});
            at = end + 7;
        }
    }
    if (!sized) return std::nullopt;
    return layout;
}

}  // namespace velmora::tools
