// The diagram of a run, its layout and the two text forms that leave the program: the copied
// values and the SVG picture.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tools/curve_copy_text.h"
#include "tools/curve_plot.h"
#include "tools/plot_layout.h"
#include "tools/plot_svg_reader.h"
#include "tools/svg_canvas.h"

namespace velmora::tools {
namespace {

CurvePlotWords englishWords() {
    return {.flow = "Volume flow",
            .pressureLoss = "Pressure loss",
            .unitConnector = "in",
            .legendSystem = "System curve",
            .legendPump = "Pump curve",
            .operatingPoint = "Operating point",
            .pressureDifference = "Pressure difference",
            .head = "Head",
            .noCrossing = "No crossing.",
            .decimalComma = false};
}

CurveMedium water() {
    return {.name = "Water",
            .densityLine = "Density in kg/m³: 998.2",
            .viscosityLine = "dynamic in 10-6 kg/ms: 1002",
            .stateWord = "liquid",
            .density = 998.2L,
            .densityText = "998.2 kg/m³"};
}

// 0 … 10 m³/h in 11 points, Δp = 0.002 Q² bar (0 … 0.2 bar: an mbar axis).
SystemCurveData quadraticCurve() {
    SystemCurveData data;
    data.flowUnit = "m³/h";
    data.from = 0;
    data.to = 10;
    for (int i = 0; i <= 10; ++i) {
        data.flows.push_back(i);
        data.losses.push_back(0.002L * i * i);
    }
    return data;
}

TEST(CurvePlotTest, AxesTitlesAndPointsOfAnMbarCurve) {
    const CurvePlot plot = buildCurvePlot(quadraticCurve(), water(), englishWords());
    EXPECT_EQ(plot.pressureUnit, "mbar");
    EXPECT_EQ(plot.yTitle, "Pressure loss mbar");
    EXPECT_EQ(plot.xTitle, "Volume flow (m³/h)");
    EXPECT_EQ(plot.y.min, 0);
    EXPECT_EQ(plot.y.max, 200);  // span 200: step 20, ten intervals
    EXPECT_EQ(plot.x.min, 0);
    EXPECT_EQ(plot.x.step, 1);
    ASSERT_EQ(plot.system.size(), 11u);
    EXPECT_NEAR(plot.system[5].second, 50, 1e-12L);  // 0.05 bar as mbar
    EXPECT_EQ(plot.header, (std::vector<std::string>{"Water, liquid", "Density in kg/m³: 998.2",
                                                     "dynamic in 10-6 kg/ms: 1002"}));
    EXPECT_TRUE(plot.legendPump.empty());
    EXPECT_TRUE(plot.footer.empty());
}

TEST(CopyText, PartFormWithCrLf) {
    const SystemCurveData data = quadraticCurve();
    const CurvePlot plot = buildCurvePlot(data, water(), englishWords());
    const std::string text = curveCopyText(plot, data, {}, englishWords(), "Pump");
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Volume flow in m³/h\tPressure loss in mbar\r");
    std::getline(lines, line);
    EXPECT_EQ(line, "0.000\t0.000\r");
    std::getline(lines, line);
    EXPECT_EQ(line, "1.000\t2.000\r");
    EXPECT_TRUE(text.ends_with("10.000\t200.000\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);
}

TEST(CopyText, NumberForms) {
    EXPECT_EQ(copyFlowText(9999, false), "9999.000");
    EXPECT_EQ(copyFlowText(12000, false), "1.20000E+04");
    EXPECT_EQ(copyFlowText(12000, true), "1,20000E+04");
    EXPECT_EQ(copyPressureText(0.005L, false), "5.00000E-03");
    EXPECT_EQ(copyPressureText(0.01L, true), "0,010");
    EXPECT_EQ(copyPressureText(0, false), "0.000");
    EXPECT_EQ(copyPressureText(-0.5L, false), "-0.500");
    EXPECT_EQ(copyPressureText(25000, false), "2.50000E+04");
}

TEST(CopyText, WithPumpColumnAndOperatingPoint) {
    SystemCurveData data = quadraticCurve();
    // Pump Δp = 0.3 − 0.02 Q bar between 2 and 8 m³/h (ρ g = 10000 Pa/m: H = 3 − 0.2 Q m).
    const PumpCurve pump({{2, 2.6L}, {5, 2}, {8, 1.4L}}, HeadUnit::Metre, 10000 / 9.81L,
                         model::UnitSystem::Metric);
    const OperatingPoint point{5, 0.05L, 2};
    const CurvePlot plot = buildCurvePlot(data, water(), englishWords(), {&pump, point});
    EXPECT_EQ(plot.pressureUnit, "mbar");
    EXPECT_EQ(plot.y.max, 275);  // the pump's 260 mbar are inside the axis (step 25)
    const std::string text = curveCopyText(plot, data, {&pump, point}, englishWords(), "Pump");
    EXPECT_TRUE(text.starts_with("Volume flow in m³/h\tPressure loss in mbar\tPump in mbar\r\n"));
    EXPECT_NE(text.find("\r\n1.000\t2.000\t\r\n"), std::string::npos);  // no pump below 2 m³/h
    EXPECT_NE(text.find("\r\n5.000\t50.000\t200.000\r\n"), std::string::npos);
    EXPECT_TRUE(
        text.ends_with("\r\n\r\nOperating point: Volume flow 5.000 m³/h, Pressure difference 50.000 mbar, "
                       "Head 2.000 m\r\n"));
    EXPECT_EQ(plot.footer.front(),
              "Operating point: Volume flow 5.000 m³/h, Pressure difference 50.000 mbar, Head 2.000 m");

    const CurvePlot none = buildCurvePlot(data, water(), englishWords(), {&pump, std::nullopt});
    EXPECT_EQ(none.footer, std::vector<std::string>{"No crossing."});
    EXPECT_TRUE(curveCopyText(none, data, {&pump, std::nullopt}, englishWords(), "Pump")
                    .ends_with("\r\n\r\nNo crossing.\r\n"));
}

TEST(CopyText, GermanDecimalComma) {
    CurvePlotWords words = englishWords();
    words.decimalComma = true;
    const SystemCurveData data = quadraticCurve();
    const std::string text = curveCopyText(buildCurvePlot(data, water(), words), data, {}, words, "Pumpe");
    EXPECT_NE(text.find("\r\n3,000\t18,000\r\n"), std::string::npos);
}

// ---- layout ------------------------------------------------------------------------------------

template <class T>
std::vector<T> itemsOf(const PlotLayout& layout) {
    std::vector<T> found;
    for (const PlotItem& item : layout.items)
        if (const T* t = std::get_if<T>(&item)) found.push_back(*t);
    return found;
}

TEST(PlotLayoutTest, CurveMapsIntoTheFrame) {
    const CurvePlot plot = buildCurvePlot(quadraticCurve(), water(), englishWords());
    const PlotLayout layout = layoutCurvePlot(plot, 800, 600, {});
    const RectItem& area = layout.plotArea;
    const auto lines = itemsOf<PolylineItem>(layout);
    ASSERT_EQ(lines.size(), 1u);
    const auto& points = lines[0].points;
    ASSERT_EQ(points.size(), 11u);
    // (0, 0) at the bottom left corner, (10, 200) at the top right one, (5, 50) a quarter up.
    EXPECT_NEAR(points.front().x, area.x, 1e-9L);
    EXPECT_NEAR(points.front().y, area.y + area.height, 1e-9L);
    EXPECT_NEAR(points.back().x, area.x + area.width, 1e-9L);
    EXPECT_NEAR(points.back().y, area.y, 1e-9L);
    EXPECT_NEAR(points[5].x, area.x + area.width / 2, 1e-9L);
    EXPECT_NEAR(points[5].y, area.y + area.height * 0.75L, 1e-9L);
    EXPECT_EQ(lines[0].pen.colour, kSystemRed);

    // Every tick labelled, every inner tick with a grid line; nothing outside the canvas.
    const auto texts = itemsOf<TextItem>(layout);
    int labels = 0;
    for (const TextItem& t : texts) {
        labels += t.anchor != TextAnchor::Start;
        EXPECT_GE(t.at.x, 0);
        EXPECT_LE(t.at.y, 600);
    }
    EXPECT_EQ(labels, (plot.x.intervals + 1) + (plot.y.intervals + 1) + 1);  // + the x title
    EXPECT_EQ(itemsOf<LineItem>(layout).size(),
              static_cast<std::size_t>((plot.x.intervals - 1) + (plot.y.intervals - 1)));
}

TEST(PlotLayoutTest, PumpCurveClippedAndOperatingPointMarked) {
    SystemCurveData data = quadraticCurve();
    // A pump reaching beyond the diagram: drawn only between 0 and 10 m³/h.
    const PumpCurve pump({{0, 3}, {10, 2}, {20, 0}}, HeadUnit::Metre, 10000 / 9.81L,
                         model::UnitSystem::Metric);
    const OperatingPoint point{8, 0.128L, 2.2L};
    const CurvePlot plot = buildCurvePlot(data, water(), englishWords(), {&pump, point});
    const PlotLayout layout = layoutCurvePlot(plot, 800, 600, {});
    const RectItem& area = layout.plotArea;
    const auto lines = itemsOf<PolylineItem>(layout);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].pen.colour, kPumpBlue);
    for (const CanvasPoint& p : lines[1].points) {
        EXPECT_GE(p.x, area.x - 1e-9L);
        EXPECT_LE(p.x, area.x + area.width + 1e-9L);
    }
    const auto discs = itemsOf<DiscItem>(layout);
    ASSERT_EQ(discs.size(), 2u);  // the legend's and the point's
    const CanvasPoint expected = toCanvas(plot, area, {8, 128});
    EXPECT_NEAR(discs[1].centre.x, expected.x, 1e-9L);
    EXPECT_NEAR(discs[1].centre.y, expected.y, 1e-9L);
}

TEST(PlotLayoutTest, LeftMarginGrowsWithLongLabels) {
    SystemCurveData data = quadraticCurve();
    for (Real& loss : data.losses) loss *= 1e6;  // labels like 1.00E+05
    const CurvePlot plot = buildCurvePlot(data, water(), englishWords());
    const PlotLayout layout = layoutCurvePlot(plot, 800, 600, {});
    for (const TextItem& t : itemsOf<TextItem>(layout)) {
        if (t.anchor != TextAnchor::End || t.text == plot.xTitle) continue;
        EXPECT_GE(t.at.x - estimatedTextWidth(t.text, t.size), 0) << t.text;
    }
}

// ---- SVG ---------------------------------------------------------------------------------------

TEST(SvgCanvasTest, HoldsThePolylineAndTheLabels) {
    const CurvePlot plot = buildCurvePlot(quadraticCurve(), water(), englishWords());
    const PlotLayout layout = layoutCurvePlot(plot, 800, 600, {});
    const std::string svg = plotSvg(layout);
    EXPECT_TRUE(svg.starts_with("<?xml"));
    EXPECT_NE(svg.find("width=\"800\" height=\"600\""), std::string::npos);

    const std::regex polyline("<polyline[^>]*stroke=\"#dc0000\"[^>]*points=\"([^\"]*)\"");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(svg, match, polyline));
    std::istringstream points(match[1].str());
    std::vector<std::pair<double, double>> parsed;
    std::string pair;
    while (points >> pair) {
        const auto comma = pair.find(',');
        parsed.emplace_back(std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1)));
    }
    const auto& expected =
        std::get<PolylineItem>(*std::find_if(layout.items.begin(), layout.items.end(), [](const PlotItem& i) {
            return std::holds_alternative<PolylineItem>(i);
        })).points;
    ASSERT_EQ(parsed.size(), expected.size());
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        EXPECT_NEAR(parsed[i].first, static_cast<double>(expected[i].x), 0.006);
        EXPECT_NEAR(parsed[i].second, static_cast<double>(expected[i].y), 0.006);
    }
    EXPECT_NE(svg.find(">Volume flow (m³/h)</text>"), std::string::npos);
    EXPECT_NE(svg.find("text-anchor=\"end\" fill=\"#000000\">200</text>"), std::string::npos);
}

TEST(SvgCanvasTest, EscapesMarkup) {
    CurveMedium medium = water();
    medium.name = "Oil <A&B> \"x\"";
    const std::string svg =
        plotSvg(layoutCurvePlot(buildCurvePlot(quadraticCurve(), medium, englishWords()), 400, 300, {}));
    EXPECT_NE(svg.find("Oil &lt;A&amp;B&gt; &quot;x&quot;, liquid"), std::string::npos);
}

}  // namespace
}  // namespace velmora::tools

namespace velmora::tools {
namespace {

TEST(PlotSvgReader, ReadsBackWhatTheCanvasWrote) {
    const PumpCurve pump({{0, 3}, {10, 2}, {20, 0}}, HeadUnit::Metre, 10000 / 9.81L,
                         model::UnitSystem::Metric);
    CurveMedium medium = water();
    medium.name = "Brine <30 %> & more";
    const CurvePlot plot =
        buildCurvePlot(quadraticCurve(), medium, englishWords(), {&pump, OperatingPoint{8, 0.128L, 2.2L}});
    PlotStyle style;
    style.fontFamily = "DejaVu Sans";
    const PlotLayout layout = layoutCurvePlot(plot, 900, 600, style);
    const auto read = readPlotSvg(plotSvg(layout));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->width, 900);
    EXPECT_EQ(read->height, 600);
    EXPECT_EQ(read->fontFamily, "DejaVu Sans");
    ASSERT_EQ(read->items.size(), layout.items.size());
    for (std::size_t i = 0; i < layout.items.size(); ++i) {
        ASSERT_EQ(read->items[i].index(), layout.items[i].index()) << i;
        if (const auto* t = std::get_if<TextItem>(&layout.items[i])) {
            const auto& r = std::get<TextItem>(read->items[i]);
            EXPECT_EQ(r.text, t->text);
            EXPECT_EQ(r.anchor, t->anchor);
            EXPECT_NEAR(r.at.x, t->at.x, 0.006L);
        }
        if (const auto* p = std::get_if<PolylineItem>(&layout.items[i])) {
            const auto& r = std::get<PolylineItem>(read->items[i]);
            ASSERT_EQ(r.points.size(), p->points.size());
            EXPECT_EQ(r.pen.colour, p->pen.colour);
            EXPECT_NEAR(r.points.back().y, p->points.back().y, 0.006L);
        }
        if (const auto* l = std::get_if<LineItem>(&layout.items[i])) {
            EXPECT_EQ(std::get<LineItem>(read->items[i]).pen.dashed, l->pen.dashed);
        }
    }
    EXPECT_FALSE(readPlotSvg("<html>no picture</html>"));
}

}  // namespace
}  // namespace velmora::tools
