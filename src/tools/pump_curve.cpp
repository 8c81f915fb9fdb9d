#include "tools/pump_curve.h"

#include <algorithm>

#include "model/number_text.h"

namespace velmora::tools {

namespace {

constexpr Real kGravity = 9.81L;  // m/s², as the height difference of the engine
constexpr Real kMetresPerFoot = 0.3048L;
constexpr Real kBarPerPsi = 0.068947581976L;

using Kind = PumpProblem::Kind;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

bool blank(const std::string& text) {
    return trimmed(text).empty();
}

std::vector<std::string> split(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto at = line.find(separator, start);
        fields.push_back(
            trimmed(line.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start)));
        if (at == std::string_view::npos) return fields;
        start = at + 1;
    }
}

std::vector<std::string> splitBlanks(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        at = line.find_first_not_of(' ', at);
        if (at == std::string_view::npos) break;
        const auto end = line.find(' ', at);
        fields.emplace_back(
            line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        at = end;
    }
    return fields;
}

// The fields of one line: a tab or a semicolon separates where the line has one. With commas, two
// parts are a pair of plain numbers and four a pair with decimal commas; otherwise (three parts,
// "12,5 30,2") blanks separate.
std::vector<std::string> fieldsOf(std::string_view line) {
    if (line.find('\t') != std::string_view::npos) return split(line, '\t');
    if (line.find(';') != std::string_view::npos) return split(line, ';');
    if (line.find(',') != std::string_view::npos) {
        std::vector<std::string> parts = split(line, ',');
        if (parts.size() == 4) return {parts[0] + "," + parts[1], parts[2] + "," + parts[3]};
        if (parts.size() == 2) return parts;
    }
    return splitBlanks(line);
}

bool isNumber(const std::string& text) {
    return !blank(text) && model::readNumber(text).has_value();
}

}  // namespace

std::optional<PumpProblem> checkPumpPoints(const std::vector<PumpPoint>& points) {
    const int count = static_cast<int>(points.size());
    if (count < kMinPumpPoints || count > kMaxPumpPoints) return PumpProblem{Kind::PointCount, -1, false};
    for (int i = 0; i < count; ++i) {
        const PumpPoint& p = points[static_cast<std::size_t>(i)];
        if (p.head < 0) return PumpProblem{Kind::NegativeHead, i, true};
        if (i == 0) continue;
        const PumpPoint& before = points[static_cast<std::size_t>(i - 1)];
        if (!(p.flow > before.flow)) return PumpProblem{Kind::FlowsNotIncreasing, i, false};
        if (p.head > before.head) return PumpProblem{Kind::HeadRising, i, true};
    }
    return std::nullopt;
}

PumpEntryRead readPumpEntries(const std::vector<std::pair<std::string, std::string>>& rows) {
    PumpEntryRead read;
    std::vector<int> rowOf;  // the entry row of each point
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto& [flowText, headText] = rows[static_cast<std::size_t>(i)];
        const bool noFlow = blank(flowText), noHead = blank(headText);
        if (noFlow && noHead) continue;
        if (noFlow || noHead) {
            read.problem = PumpProblem{Kind::Incomplete, i, noHead};
            return read;
        }
        const auto flow = model::readNumber(flowText);
        const auto head = model::readNumber(headText);
        if (!flow || !head) {
            read.problem = PumpProblem{Kind::NotANumber, i, flow.has_value()};
            return read;
        }
        read.points.push_back({*flow, *head});
        rowOf.push_back(i);
    }
    if (auto problem = checkPumpPoints(read.points)) {
        // The point at fault named by its entry row.
        if (problem->row >= 0) problem->row = rowOf[static_cast<std::size_t>(problem->row)];
        read.problem = problem;
    }
    return read;
}

PumpFileRead readPumpFile(std::string_view text) {
    PumpFileRead read;
    int line = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = text.find('\n', start);
        const std::string_view raw =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        std::string content = trimmed(raw);
        // A byte-order mark before the first line of a file saved by a spreadsheet.
        if (line == 0 && content.starts_with("\xEF\xBB\xBF")) content = trimmed(content.substr(3));
        if (!content.empty()) {
            const std::vector<std::string> fields = fieldsOf(content);
            const bool pair = fields.size() >= 2 && isNumber(fields[0]) && isNumber(fields[1]);
            if (pair) {
                read.rows.emplace_back(fields[0], fields[1]);
            } else if (!read.rows.empty()) {
                read.problem = PumpProblem{Kind::FileNoCurve, line, false};
                return read;
            }
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
        ++line;
    }
    if (read.rows.empty()) read.problem = PumpProblem{Kind::FileNoCurve, -1, false};
    return read;
}

Real pumpPressure(Real head, HeadUnit unit, Real density, model::UnitSystem units) {
    const Real metres = unit == HeadUnit::Foot ? head * kMetresPerFoot : head;
    const Real bar = density * kGravity * metres / 100000.0L;
    return units == model::UnitSystem::Us ? bar / kBarPerPsi : bar;
}

Real pumpHead(Real pressure, HeadUnit unit, Real density, model::UnitSystem units) {
    return pressure / pumpPressure(1, unit, density, units);
}

namespace {

std::vector<Real> flowsOf(const std::vector<PumpPoint>& points) {
    std::vector<Real> x;
    for (const PumpPoint& p : points) x.push_back(p.flow);
    return x;
}

std::vector<Real> headsOf(const std::vector<PumpPoint>& points) {
    std::vector<Real> y;
    for (const PumpPoint& p : points) y.push_back(p.head);
    return y;
}

}  // namespace

PumpCurve::PumpCurve(const std::vector<PumpPoint>& points, HeadUnit unit, Real density,
                     model::UnitSystem units)
    : points_(points),
      unit_(unit),
      head_(flowsOf(points), headsOf(points)),
      pressurePerHead_(pumpPressure(1, unit, density, units)) {}

}  // namespace velmora::tools
