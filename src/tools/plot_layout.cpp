#include "tools/plot_layout.h"

#include <algorithm>
#include <cmath>

namespace velmora::tools {

namespace {

constexpr Colour kGuideGrey{90, 90, 90};
// The left and right margins of the diagram at a font of 12 units, before they grow with the
// labels: 30 at the left (45 for scientific labels, 55 for those with five decimals), 20 at the right.
constexpr Real kBaseFont = 12;

Real baseLeftMargin(int yDecimals) {
    if (yDecimals >= 5) return 55;
    if (yDecimals >= 4) return 45;
    return 30;
}

// Characters, not bytes: a UTF-8 continuation byte adds nothing.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

// The parts of a polyline inside the rectangle, each a run of points (Liang–Barsky per segment).
std::vector<std::vector<CanvasPoint>> clipped(const std::vector<CanvasPoint>& points, const RectItem& area) {
    const Real left = area.x, right = area.x + area.width, top = area.y, bottom = area.y + area.height;
    std::vector<std::vector<CanvasPoint>> runs;
    std::vector<CanvasPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) runs.push_back(run);
        run.clear();
    };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const CanvasPoint a = points[i], b = points[i + 1];
        const Real dx = b.x - a.x, dy = b.y - a.y;
        Real t0 = 0, t1 = 1;
        bool inside = true;
        const auto edge = [&](Real p, Real q) {
            if (p == 0) {
                if (q < 0) inside = false;
                return;
            }
            const Real r = q / p;
            if (p < 0) {
                if (r > t1)
                    inside = false;
                else if (r > t0)
                    t0 = r;
            } else {
                if (r < t0)
                    inside = false;
                else if (r < t1)
                    t1 = r;
            }
        };
        edge(-dx, a.x - left);
        edge(dx, right - a.x);
        edge(-dy, a.y - top);
        edge(dy, bottom - a.y);
        if (!inside) {
            flush();
            continue;
        }
        const CanvasPoint from{a.x + t0 * dx, a.y + t0 * dy}, to{a.x + t1 * dx, a.y + t1 * dy};
        if (run.empty() || t0 > 0) {
            flush();
            run.push_back(from);
        }
        run.push_back(to);
        if (t1 < 1) flush();
    }
    flush();
    return runs;
}

}  // namespace

Real estimatedTextWidth(std::string_view text, Real size) {
    return static_cast<Real>(characterCount(text)) * size * 0.6L;
}

CanvasPoint toCanvas(const CurvePlot& plot, const RectItem& area, PlotPoint value) {
    const Real xSpan = plot.x.span(), ySpan = plot.y.span();
    return {area.x + (value.first - plot.x.min) * area.width / xSpan,
            area.y + area.height - (value.second - plot.y.min) * area.height / ySpan};
}

PlotLayout layoutCurvePlot(const CurvePlot& plot, Real width, Real height, const PlotStyle& style) {
    PlotLayout layout;
    layout.width = width;
    layout.height = height;
    layout.fontFamily = style.fontFamily;
    const Real f = style.fontSize;
    const Real lineHeight = 1.35L * f;
    const Real pad = 0.8L * f;
    auto& items = layout.items;
    const auto text = [&](Real x, Real y, std::string s, TextAnchor anchor = TextAnchor::Start,
                          Real size = 0) {
        items.push_back(TextItem{{x, y}, std::move(s), anchor, size > 0 ? size : f, kBlack});
    };

    // Title and medium lines.
    Real y = pad;
    if (!style.title.empty()) {
        y += 1.3L * f;
        text(pad, y, style.title, TextAnchor::Start, 1.25L * f);
        y += 0.6L * f;
    }
    const Real headerTop = y;
    for (const std::string& line : plot.header) {
        y += lineHeight;
        text(pad, y, line);
    }

    // Legend at the right of the medium lines.
    std::vector<std::pair<std::string, int>> legend;  // text, 0 system, 1 pump, 2 point
    if (!plot.legendSystem.empty()) legend.emplace_back(plot.legendSystem, 0);
    if (!plot.legendPump.empty()) legend.emplace_back(plot.legendPump, 1);
    if (!plot.legendPoint.empty()) legend.emplace_back(plot.legendPoint, 2);
    Real legendWidth = 0;
    for (const auto& [label, kind] : legend)
        legendWidth = std::max(legendWidth, estimatedTextWidth(label, f));
    const Real legendX = width - pad - legendWidth - 2.4L * f;
    Real legendY = headerTop;
    for (const auto& [label, kind] : legend) {
        legendY += lineHeight;
        const Real mid = legendY - 0.35L * f;
        if (kind == 2)
            items.push_back(DiscItem{{legendX + 0.9L * f, mid}, 0.35L * f, kBlack});
        else
            items.push_back(LineItem{{legendX, mid},
                                     {legendX + 1.8L * f, mid},
                                     {kind == 0 ? kSystemRed : kPumpBlue,
                                      std::max<Real>(style.curveWidth, 1.5L * style.lineWidth), false}});
        text(legendX + 2.4L * f, legendY, label);
    }
    y = std::max(y, legendY) + 0.7L * f;  // a gap between the medium and the axis title

    // The frame.
    Real labelWidth = 0;
    for (const std::string& label : plot.yLabels)
        labelWidth = std::max(labelWidth, estimatedTextWidth(label, f));
    const Real left = std::max(baseLeftMargin(plot.y.decimals) * f / kBaseFont, labelWidth + 0.5L * f + pad);
    const Real lastLabel = plot.xLabels.empty() ? 0 : estimatedTextWidth(plot.xLabels.back(), f);
    const Real right = std::max(20 * f / kBaseFont, lastLabel / 2 + pad / 2);
    const Real top = y + 2.6L * f;
    const Real footerHeight =
        plot.footer.empty() ? 0 : static_cast<Real>(plot.footer.size()) * lineHeight + 0.3L * f;
    const Real bottom = height - (2.9L * f + footerHeight + pad);
    RectItem area{left,
                  top,
                  std::max<Real>(width - left - right, 10),
                  std::max<Real>(bottom - top, 10),
                  {kBlack, style.lineWidth, false}};
    layout.plotArea = area;
    const Real areaBottom = area.y + area.height, areaRight = area.x + area.width;

    text(pad, top - 0.6L * f, plot.yTitle);

    // Grid lines at the inner ticks, the frame, the labels of every tick.
    const Pen grid{kBlack, style.lineWidth * 0.5L, false};
    for (int i = 1; i < plot.x.intervals; ++i) {
        const Real gx = toCanvas(plot, area, {plot.x.tick(i), plot.y.min}).x;
        items.push_back(LineItem{{gx, area.y}, {gx, areaBottom}, grid});
    }
    for (int i = 1; i < plot.y.intervals; ++i) {
        const Real gy = toCanvas(plot, area, {plot.x.min, plot.y.tick(i)}).y;
        items.push_back(LineItem{{area.x, gy}, {areaRight, gy}, grid});
    }
    items.push_back(area);
    for (int i = 0; i <= plot.x.intervals && i < static_cast<int>(plot.xLabels.size()); ++i) {
        const Real gx = toCanvas(plot, area, {plot.x.tick(i), plot.y.min}).x;
        text(gx, areaBottom + 1.3L * f, plot.xLabels[static_cast<std::size_t>(i)], TextAnchor::Middle);
    }
    for (int i = 0; i <= plot.y.intervals && i < static_cast<int>(plot.yLabels.size()); ++i) {
        const Real gy = toCanvas(plot, area, {plot.x.min, plot.y.tick(i)}).y;
        text(area.x - 0.5L * f, gy + 0.35L * f, plot.yLabels[static_cast<std::size_t>(i)], TextAnchor::End);
    }
    text(areaRight, areaBottom + 2.75L * f, plot.xTitle, TextAnchor::End);
    Real footerY = areaBottom + 2.75L * f + 0.3L * f;
    for (const std::string& line : plot.footer) {
        footerY += lineHeight;
        text(pad, footerY, line);
    }

    // The curves, clipped to the frame.
    const auto curve = [&](const std::vector<PlotPoint>& values, Colour colour) {
        std::vector<CanvasPoint> points;
        for (const PlotPoint& v : values) points.push_back(toCanvas(plot, area, v));
        for (std::vector<CanvasPoint>& run : clipped(points, area))
            items.push_back(PolylineItem{std::move(run), {colour, style.curveWidth, false}});
    };
    curve(plot.system, kSystemRed);
    curve(plot.pump, kPumpBlue);

    if (plot.operatingPoint) {
        const CanvasPoint p = toCanvas(plot, area, *plot.operatingPoint);
        if (p.x >= area.x && p.x <= areaRight && p.y >= area.y && p.y <= areaBottom) {
            const Pen guide{kGuideGrey, style.lineWidth, true};
            items.push_back(LineItem{p, {p.x, areaBottom}, guide});
            items.push_back(LineItem{p, {area.x, p.y}, guide});
            items.push_back(DiscItem{p, 0.35L * f, kBlack});
        }
    }
    return layout;
}

void paintPlot(const PlotLayout& layout, PlotCanvas& canvas) {
    canvas.begin(layout);
    for (const PlotItem& item : layout.items) {
        std::visit(
            [&](const auto& drawn) {
                using T = std::decay_t<decltype(drawn)>;
                if constexpr (std::is_same_v<T, LineItem>) canvas.line(drawn);
                if constexpr (std::is_same_v<T, PolylineItem>) canvas.polyline(drawn);
                if constexpr (std::is_same_v<T, RectItem>) canvas.rect(drawn);
                if constexpr (std::is_same_v<T, DiscItem>) canvas.disc(drawn);
                if constexpr (std::is_same_v<T, TextItem>) canvas.text(drawn);
            },
            item);
    }
    canvas.end();
}

}  // namespace velmora::tools
