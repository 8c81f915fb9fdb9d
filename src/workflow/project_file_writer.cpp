#include <algorithm>
#include <functional>
#include <optional>

#include "persist/windows1252.h"
#include "workflow/project_file.h"
#include "workflow/project_translation.h"
#include "workflow/result_rows.h"

namespace velmora::workflow {

namespace {

const char* marked(bool on) { return on ? "markiert" : "unmarkiert"; }
const char* flag(bool on) { return on ? "1" : "0"; }

// Width of grid column i; a column the appearance does not list takes the width of the one
// before it, the caption column a usual width.
int columnWidth(const TableAppearance& appearance, std::size_t i) {
    constexpr int usualWidth = 150;
    if (appearance.columnWidths.empty()) return usualWidth;
    return appearance.columnWidths[std::min(i, appearance.columnWidths.size() - 1)];
}

std::string cellLine(const ResultColumn& column, int r) {
    std::string line = column.cells[static_cast<std::size_t>(r)];
    if (r == row::medium && column.gas) {
        const GasInfos& g = *column.gas;
        for (const std::string* field : {&g.inletPressure, &g.inletTemperature, &g.outletTemperature,
                                         &g.inletPressureUnit, &g.inletTemperatureUnit, &g.outletTemperatureUnit})
            line += "\t" + *field;
    }
    return line;
}

// Every text of the project that the user typed or chose, with its place; the other lines are
// numbers and fixed words.
void forEachText(const ProjectContent& content, const std::function<void(const std::string&, TextPlace)>& visit) {
    using Kind = TextPlace::Kind;
    visit(content.heading, {Kind::Heading});
    if (content.page) {
        visit(content.page->fontName, {Kind::PrintFont});
        for (const std::string& margin : content.page->margins) visit(margin, {Kind::Margins});
        visit(content.page->extraFooter, {Kind::Footer});
    }
    visit(content.appearance.fontName, {Kind::TableFont});
    for (std::size_t c = 0; c < content.columns.size(); ++c) {
        const ResultColumn& column = content.columns[c];
        for (int r = 0; r < row::count; ++r)
            visit(column.cells[static_cast<std::size_t>(r)], {Kind::Cell, static_cast<int>(c) + 1, r});
        if (column.gas)
            for (const std::string* field :
                 {&column.gas->inletPressure, &column.gas->inletTemperature, &column.gas->outletTemperature,
                  &column.gas->inletPressureUnit, &column.gas->inletTemperatureUnit, &column.gas->outletTemperatureUnit})
                visit(*field, {Kind::Cell, static_cast<int>(c) + 1, row::medium});
    }
}

std::string firstUnstorable(const std::string& text) {
    for (char c : {'\t', '\r', '\n'})
        if (text.find(c) != std::string::npos) return std::string(1, c);
    return persist::firstUnrepresentable(text);
}

}  // namespace

std::vector<std::string> projectFileLines(const ProjectContent& content, const lang::TextCatalogue& texts) {
    const PageSettings page = content.page.value_or(PageSettings{});
    const TableAppearance& look = content.appearance;
    const std::size_t n = content.columns.size();

    std::vector<std::string> lines;
    lines.reserve(kProjectHeaderLines + n * row::count);
    lines.emplace_back(kProjectVersion);
    lines.push_back(content.heading);
    lines.emplace_back(content.unitSystem == model::UnitSystem::Us ? "I" : "M");
    lines.push_back(std::to_string(n));
    lines.emplace_back(marked(page.scaling == PrintScaling::FontSize));
    lines.push_back(std::to_string(page.fontSize));
    lines.emplace_back(marked(page.scaling == PrintScaling::FitToPages));
    lines.push_back(std::to_string(page.pagesWide));
    lines.emplace_back(marked(page.wordWrap));
    lines.push_back(page.fontName);
    for (const std::string& margin : page.margins) lines.push_back(margin);
    lines.push_back(std::to_string(static_cast<int>(page.marginUnit)));
    lines.push_back(page.extraFooter);
    lines.emplace_back(marked(page.showFilePath));
    std::string widths;
    for (std::size_t i = 0; i <= n; ++i) widths += std::to_string(columnWidth(look, i)) + "\t";
    lines.push_back(widths);
    lines.push_back(std::to_string(look.defaultRowHeight));
    lines.push_back(look.fontName);
    lines.push_back(std::to_string(look.fontColour));
    lines.push_back(std::to_string(look.fontSize));
    for (bool on : {look.bold, look.italic, look.underline, look.strikeOut}) lines.emplace_back(flag(on));

    for (const ResultColumn& column : toNeutralForm(content.columns, texts))
        for (int r = 0; r < row::count; ++r) lines.push_back(cellLine(column, r));
    return lines;
}

std::variant<std::string, UnstorableText> encodeProjectFile(const ProjectContent& content,
                                                            const lang::TextCatalogue& texts) {
    std::optional<UnstorableText> unstorable;
    forEachText(content, [&](const std::string& text, TextPlace place) {
        if (unstorable) return;
        if (std::string character = firstUnstorable(text); !character.empty()) unstorable = UnstorableText{character, place};
    });
    if (unstorable) return *unstorable;

    std::string bytes;
    for (const std::string& line : projectFileLines(content, texts)) {
        // Every text was checked above; the rest are digits and the stored table words.
        bytes += persist::utf8ToWindows1252Lossy(line);
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace velmora::workflow
