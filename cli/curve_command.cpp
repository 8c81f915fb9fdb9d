#include "curve_command.h"

#include <fstream>
#include <map>
#include <optional>
#include <ostream>

#include "input_file.h"
#include "picture_render.h"
#include "pipeline_run.h"
#include "stream_messenger.h"
#include "tools/curve_flow_units.h"
#include "tools/curve_plot_presenter.h"
#include "tools/curve_range_presenter.h"
#include "tools/plot_layout.h"
#include "tools/svg_canvas.h"
#include "workflow/main_form.h"
#include "workflow/results_table.h"
#include "workflow/system_curve.h"

namespace velmora::cli {

const char* const curveUsage =
    "usage: velmora-cli curve PIPELINE.json --from=A --to=B [--unit=m³/h] [--points=N]\n"
    "                         [--pump=FILE] [--head-unit=m|ft] [--size=WxH]\n"
    "                         [--svg=OUT.svg] [--png=OUT.png] [--pdf=OUT.pdf] [--edition=D|E|F|H]\n"
    "  The pipeline is calculated as by calc; then the system curve over its table with the medium\n"
    "  of the last element, from A to B in the unit (m³/h m³/min m³/s l/min l/s cu.ft./hr\n"
    "  cu.ft./min cu.ft./s petr.bl./hr petr.bl./day gal/hr gal/min gal/s) at N points (20).\n"
    "  FILE: a pump curve of two columns, flow in that unit and head in m (or ft).\n"
    "  Prints the curve's values tab-separated (CR LF), with the pump and the operating point.\n"
    "  Pictures: 1200x800 pixels unless --size says otherwise; PNG and PDF need velmora-render.\n";

namespace {

struct CurveArguments {
    std::string pipeline;
    std::map<std::string, std::string> options;  // by name without "--"
};

constexpr const char* kOptions[] = {"from",      "to",   "unit", "points", "pump",
                                    "head-unit", "size", "svg",  "png",    "pdf"};

std::optional<CurveArguments> curveArguments(const std::vector<std::string>& args, std::ostream& err) {
    CurveArguments parsed;
    std::vector<std::string> paths;
    for (const std::string& arg : args) {
        if (arg.rfind("--", 0) != 0) {
            paths.push_back(arg);
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        bool known = false;
        for (const char* option : kOptions) known = known || name == option;
        if (!known || equals == std::string::npos) {
            err << "error: curve does not know the option " << arg << "\n";
            return std::nullopt;
        }
        const std::string value = arg.substr(equals + 1);
        if (value.empty()) {
            err << "error: --" << name << "= needs a value\n";
            return std::nullopt;
        }
        parsed.options[name] = value;
    }
    if (paths.size() != 1) {
        err << "error: curve needs exactly one PIPELINE.json\n";
        return std::nullopt;
    }
    for (const char* required : {"from", "to"})
        if (!parsed.options.count(required)) {
            err << "error: curve needs --" << required << "=\n";
            return std::nullopt;
        }
    parsed.pipeline = paths[0];
    return parsed;
}

std::optional<int> unitIndex(const std::string& label, std::ostream& err) {
    const auto units = tools::curveFlowUnits();
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].label == label) return static_cast<int>(i);
    err << "error: --unit=" << label << " is none of the curve's flow units:";
    for (const tools::CurveFlowUnit& unit : units) err << ' ' << unit.label;
    err << "\n";
    return std::nullopt;
}

std::optional<std::pair<int, int>> pictureSize(const std::string& text, std::ostream& err) {
    const auto x = text.find('x');
    try {
        if (x != std::string::npos) {
            std::size_t used = 0;
            const int width = std::stoi(text.substr(0, x), &used);
            const bool wholeWidth = used == x;
            const int height = std::stoi(text.substr(x + 1), &used);
            if (wholeWidth && used == text.size() - x - 1 && width >= 100 && height >= 100 &&
                width <= 20000 && height <= 20000)
                return std::pair{width, height};
        }
    } catch (const std::exception&) {
    }
    err << "error: --size=" << text << " is no picture size WxH of 100 to 20000 pixels each\n";
    return std::nullopt;
}

bool writeText(const std::string& path, const std::string& text, std::ostream& err) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (file.flush()) return true;
    err << "error: " << path << " cannot be written\n";
    return false;
}

}  // namespace

int runCurve(const std::vector<std::string>& args, const lang::TextCatalogue& texts,
             const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err) {
    for (const std::string& arg : args)
        if (arg == "--help") {
            out << curveUsage;
            return 0;
        }
    const auto arguments = curveArguments(args, err);
    if (!arguments) return 2;
    const auto option = [&](const char* name, const std::string& otherwise = {}) {
        const auto it = arguments->options.find(name);
        return it == arguments->options.end() ? otherwise : it->second;
    };
    const auto unit = unitIndex(option("unit", "m³/h"), err);
    if (!unit) return 2;
    const auto size = pictureSize(option("size", "1200x800"), err);
    if (!size) return 2;
    const std::string headUnit = option("head-unit", "");
    if (!headUnit.empty() && headUnit != "m" && headUnit != "ft") {
        err << "error: --head-unit=" << headUnit << " is neither m nor ft\n";
        return 2;
    }
    std::optional<std::string> pumpFile;
    if (const std::string path = option("pump"); !path.empty()) {
        pumpFile = readInputFile(path, err);
        if (!pumpFile) return 2;
    }
    const auto pipeline = loadPipeline(arguments->pipeline, texts, err);
    if (!pipeline) return 2;

    // The table, as calc builds it; its messages go to standard error.
    workflow::MainForm form(texts);
    workflow::ResultsTable table(texts);
    StreamMessenger messenger(err);
    const int refused = calculatePipeline(*pipeline, form, table, messenger);

    if (const auto refusal = workflow::systemCurveRefusal(form, table)) {
        messenger.show(*refusal);
        return 1;
    }
    tools::CurveRangePresenter range(texts);
    range.setEntries({option("from"), option("to"), *unit, option("points", "20")});
    const auto chosen = range.read(messenger);
    if (!chosen) return 1;
    auto run = workflow::runSystemCurve(table, form, *chosen, messenger);
    if (!run) return 1;

    tools::CurvePlotPresenter plot(texts);
    tools::PumpEntries entries;
    entries.headUnit = headUnit.empty() ? tools::CurvePlotPresenter::defaultHeadUnit(table.unitSystem())
                                        : (headUnit == "ft" ? 1 : 0);
    entries.flowUnit = *unit;
    plot.setEntries(entries);
    const auto pipelineOfRun = run->pipeline;
    const tools::Real factor = run->data.unitFactor;
    plot.setCurve(std::move(run->data), std::move(run->medium),
                  [pipelineOfRun, factor](tools::Real flow) { return pipelineOfRun->lossAt(flow * factor); });
    if (pumpFile && !plot.loadPumpFile(*pumpFile, messenger)) return 1;

    out << plot.copyText();
    out.flush();

    const tools::PlotLayout layout = tools::layoutCurvePlot(plot.plot(), size->first, size->second, {});
    const std::string svg = tools::plotSvg(layout);
    bool written = true;
    if (const std::string path = option("svg"); !path.empty()) written = writeText(path, svg, err) && written;
    for (const char* format : {"png", "pdf"})
        if (const std::string path = option(format); !path.empty())
            written = renderPicture(svg, path, programFolder, err) && written;
    if (!written) return 2;
    return refused > 0 ? 1 : 0;
}

}  // namespace velmora::cli
