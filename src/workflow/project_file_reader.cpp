#include <algorithm>
#include <charconv>
#include <iterator>

#include "model/number_text.h"
#include "persist/data_file_set.h"
#include "persist/fields.h"
#include "persist/windows1252.h"
#include "workflow/project_file.h"
#include "workflow/project_translation.h"
#include "workflow/result_rows.h"
#include "workflow/text_edit.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;
using Lines = std::vector<std::string>;

// A header line that is missing or does not hold what it must.
struct ReadError {};

constexpr std::size_t oldRowsPerColumn = 25;
constexpr std::size_t oldHeaderLines = 12;      // formats "4.0" and "5.0F"
constexpr std::size_t format1TrailerLines = 9;  // format 1 keeps its table settings at the end
constexpr std::size_t insertedRow = 12;         // older columns lack row 12 (slot 5)

const std::string& lineAt(const Lines& lines, std::size_t i) {
    if (i >= lines.size()) throw ReadError{};
    return lines[i];
}

int toInteger(std::string_view text) {
    const std::string trimmed = trimBlanks(text);
    int value = 0;
    const char* end = trimmed.data() + trimmed.size();
    const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || ec != std::errc{} || ptr != end) throw ReadError{};
    return value;
}

int integerAt(const Lines& lines, std::size_t i) { return toInteger(lineAt(lines, i)); }
bool markedAt(const Lines& lines, std::size_t i) { return lineAt(lines, i) == "markiert"; }
bool onAt(const Lines& lines, std::size_t i) { return lineAt(lines, i) == "1"; }

// Tab-separated widths, each followed by a tab.
std::vector<int> widthsOf(std::string_view line) {
    std::vector<int> widths;
    for (std::size_t start = 0;;) {
        const auto tab = line.find('\t', start);
        const std::string_view text = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (!trimBlanks(text).empty()) widths.push_back(toInteger(text));
        if (tab == std::string_view::npos) return widths;
        start = tab + 1;
    }
}

// Row height, font name, colour, size and the four style flags, from line `first` on.
void readFont(const Lines& lines, std::size_t first, TableAppearance& look) {
    look.defaultRowHeight = integerAt(lines, first);
    look.fontName = lineAt(lines, first + 1);
    look.fontColour = integerAt(lines, first + 2);
    look.fontSize = integerAt(lines, first + 3);
    look.bold = onAt(lines, first + 4);
    look.italic = onAt(lines, first + 5);
    look.underline = onAt(lines, first + 6);
    look.strikeOut = onAt(lines, first + 7);
}

model::UnitSystem unitSystemOf(std::string_view text) {
    return text == "I" ? model::UnitSystem::Us : model::UnitSystem::Metric;
}

// Cell lines, 26 per column. A line with a tab holds the cell in its first field; on row 1 the
// six fields after it are the column's gas entries.
std::vector<ResultColumn> columnsOf(const Lines& cellLines) {
    std::vector<ResultColumn> columns(cellLines.size() / row::count);
    for (std::size_t i = 0; i < columns.size() * row::count; ++i) {
        const std::string& line = cellLines[i];
        ResultColumn& column = columns[i / row::count];
        const auto r = i % row::count;
        if (line.find('\t') == std::string::npos) {
            column.cells[r] = line;
            continue;
        }
        column.cells[r] = std::string(persist::field(line, 1));
        if (r == row::medium) {
            const auto f = [&](int n) { return std::string(persist::field(line, n)); };
            column.gas = GasInfos{f(2), f(3), f(4), f(5), f(6), f(7)};
        }
    }
    return columns;
}

struct Parsed {
    ProjectContent content;
    bool filled = false;  // the line count matched the column count and the cells were taken
    bool branchNotice = false;
};

Parsed readCurrent(const Lines& lines, const lang::TextCatalogue& texts) {
    Parsed parsed;
    ProjectContent& content = parsed.content;
    content.heading = lineAt(lines, 1);
    content.unitSystem = unitSystemOf(lineAt(lines, 2));
    const int n = integerAt(lines, 3);
    if (n < 0) throw ReadError{};

    PageSettings& page = content.page.emplace();
    const bool byFontSize = markedAt(lines, 4);
    page.fontSize = integerAt(lines, 5);
    const bool fitToPages = markedAt(lines, 6);
    page.scaling = fitToPages && !byFontSize ? PrintScaling::FitToPages : PrintScaling::FontSize;
    page.pagesWide = integerAt(lines, 7);
    page.wordWrap = markedAt(lines, 8);
    page.fontName = lineAt(lines, 9);
    for (std::size_t m = 0; m < page.margins.size(); ++m) page.margins[m] = lineAt(lines, 10 + m);
    page.marginUnit = integerAt(lines, 14) == 1 ? MarginUnit::Inch : MarginUnit::Millimetre;
    page.extraFooter = lineAt(lines, 15);
    page.showFilePath = markedAt(lines, 16);
    page.extraHeader = content.heading;

    content.appearance.columnWidths = widthsOf(lineAt(lines, 17));
    readFont(lines, 18, content.appearance);

    const std::size_t columnCount = static_cast<std::size_t>(n);
    if (lines.size() != kProjectHeaderLines + columnCount * row::count) return parsed;
    std::vector<ResultColumn> columns = columnsOf(Lines(lines.begin() + kProjectHeaderLines, lines.end()));
    for (ResultColumn& column : columns) replaceAll(column.cells[row::element], "Zeta-Wert/", "Zeta-Wert Kreisrohr/");
    content.columns = fromNeutralForm(std::move(columns), texts);
    parsed.filled = true;
    return parsed;
}

// Older columns have 25 rows; an empty row 12 makes them 26. The empty line of column i goes
// before line 25 · i + 12 of the lines as read (line 26 · i + 12 once the rows before it are in),
// for as many columns as the lines reach. One pass, so that a long file costs no more per line
// than a short one.
Lines withInsertedRows(Lines cellLines, std::size_t columnCount) {
    Lines out;
    out.reserve(cellLines.size() + std::min(columnCount, cellLines.size() / oldRowsPerColumn + 1));
    std::size_t copied = 0;
    for (std::size_t i = 0; i < columnCount; ++i) {
        const std::size_t at = oldRowsPerColumn * i + insertedRow;
        if (at > cellLines.size()) break;
        std::move(cellLines.begin() + static_cast<std::ptrdiff_t>(copied),
                  cellLines.begin() + static_cast<std::ptrdiff_t>(at), std::back_inserter(out));
        out.emplace_back();
        copied = at;
    }
    std::move(cellLines.begin() + static_cast<std::ptrdiff_t>(copied), cellLines.end(), std::back_inserter(out));
    return out;
}

bool isOldBranch(const ResultColumn& column) {
    const std::string& element = column.cells[row::element];
    const std::string name = element.substr(0, element.find('/'));
    return name == "Abzweigstück Stromtrennung" || name == "Abzweigstück Stromvereinigung";
}

Parsed readOld(Lines lines, ProjectFormat format, const lang::TextCatalogue& texts) {
    for (std::string& line : lines) line = migrateOldLine(std::move(line));

    Parsed parsed;
    ProjectContent& content = parsed.content;
    content.page.reset();  // older files carry no page setup
    Lines cellLines;
    std::size_t columnCount = 0;
    if (format == ProjectFormat::Format1) {
        if (lines.size() < format1TrailerLines) throw ReadError{};
        const std::size_t trailer = lines.size() - format1TrailerLines;
        const int defaultWidth = integerAt(lines, trailer);
        readFont(lines, trailer + 1, content.appearance);
        content.unitSystem = model::UnitSystem::Metric;
        columnCount = static_cast<std::size_t>(model::roundHalfAway(static_cast<model::Real>(trailer) / oldRowsPerColumn));
        content.appearance.columnWidths.assign(columnCount + 1, defaultWidth);
        cellLines.assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(trailer));
    } else {
        content.unitSystem = unitSystemOf(lineAt(lines, 1));
        const int n = integerAt(lines, 2);
        if (n < 0) throw ReadError{};
        columnCount = static_cast<std::size_t>(n);
        content.appearance.columnWidths = widthsOf(lineAt(lines, 3));
        readFont(lines, 4, content.appearance);
        if (lines.size() < oldHeaderLines) throw ReadError{};
        cellLines.assign(lines.begin() + oldHeaderLines, lines.end());
    }

    cellLines = withInsertedRows(std::move(cellLines), columnCount);
    if (cellLines.size() != columnCount * row::count) return parsed;
    std::vector<ResultColumn> columns = columnsOf(cellLines);

    if (format == ProjectFormat::Format1)
        parsed.branchNotice = std::any_of(columns.begin(), columns.end(), isOldBranch);
    if (format == ProjectFormat::Format50F)
        columns = frenchToNeutral(std::move(columns), texts);
    else if (writtenInEnglish(columns))
        columns = englishToNeutral(std::move(columns), texts);
    content.columns = fromNeutralForm(std::move(columns), texts);
    parsed.filled = true;
    return parsed;
}

ProjectFormat formatOf(const Lines& lines) {
    if (lines.empty()) return ProjectFormat::Unknown;
    const std::string& first = lines.front();
    if (first == kProjectVersion) return ProjectFormat::Current;
    if (first == "5.0F") return ProjectFormat::Format50F;
    if (first == "4.0") return ProjectFormat::Format40;
    if (first == "1") return ProjectFormat::Format1;
    return ProjectFormat::Unknown;
}

UserMessage oldBranchMessage(const lang::TextCatalogue& texts) {
    return {.icon = MessageIcon::Error, .caption = texts.text(GlobalText::ErrorCaption),
            .text = std::string(kOldBranchMessage)};
}

}  // namespace

UserMessage projectNotice(const lang::TextCatalogue& texts, GlobalText text) {
    return {.icon = MessageIcon::Warning, .caption = texts.text(GlobalText::NoticeCaption), .text = texts.text(text)};
}

ProjectReadResult readProjectFile(std::string_view bytes, const lang::TextCatalogue& texts) {
    return readProjectLines(persist::splitLines(persist::windows1252ToUtf8(bytes)), texts);
}

ProjectReadResult readProjectLines(Lines lines, const lang::TextCatalogue& texts) {
    if (!lines.empty() && lines.back().empty()) lines.pop_back();

    ProjectReadResult result;
    result.format = formatOf(lines);
    const auto invalid = [&] {
        result.valid = false;
        result.content = ProjectContent{};
        result.messages.push_back(projectNotice(texts, GlobalText::ProjectFileInvalid));
        return result;
    };
    // A file of no known version is not taken for an old project: nothing is loaded, and the
    // project name must not stay on a file that a later save would overwrite.
    if (result.format == ProjectFormat::Unknown) return invalid();

    Parsed parsed;
    try {
        parsed = result.format == ProjectFormat::Current ? readCurrent(lines, texts)
                                                         : readOld(std::move(lines), result.format, texts);
    } catch (const ReadError&) {
        return invalid();
    }
    if (parsed.branchNotice) result.messages.push_back(oldBranchMessage(texts));
    if (result.format != ProjectFormat::Current) result.messages.push_back(projectNotice(texts, GlobalText::ProjectConverted));

    // Every element column has its pressure loss; a column without one was not read whole.
    const auto complete = [](const ResultColumn& c) { return !c.cells[row::lossLarge].empty(); };
    if (!parsed.filled || !std::all_of(parsed.content.columns.begin(), parsed.content.columns.end(), complete))
        return invalid();
    result.valid = true;
    result.content = std::move(parsed.content);
    return result;
}

}  // namespace velmora::workflow
