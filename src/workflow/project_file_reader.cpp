#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>

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

// The lines of the file's text one after the other, as persist::splitLines cuts them (at LF, a CR
// before it dropped), without copying the text: a long file is read line by line into its
// columns instead of being held a second time as a list of lines.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : rest_(text) {}
    std::string_view next() {
        const auto end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

  private:
    std::string_view rest_;
};

// The number of lines the cursor gives, one empty last line not counted.
std::size_t lineCount(std::string_view text) {
    if (text.empty()) return 0;
    const bool ended = text.back() == '\n';
    std::size_t count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + (ended ? 0 : 1);
    // The last line, without its line end and CR.
    std::string_view last = ended ? text.substr(0, text.size() - 1) : text;
    if (const auto lf = last.rfind('\n'); lf != std::string_view::npos) last.remove_prefix(lf + 1);
    if (last.empty() || last == "\r") --count;
    return count;
}

// A cell's text: the whole line, or its first field when it holds a tab.
std::string_view cellOfLine(std::string_view line) {
    return line.find('\t') == std::string_view::npos ? line : persist::field(line, 1);
}

// The layout of the cell lines: 26 per column in the current format, 25 in the older ones, whose
// columns lack row 12 (slot 5) and get it empty.
struct CellLayout {
    std::size_t linesPerColumn = row::count;
    bool oldRows = false;  // 25 lines, the line texts brought up to date one by one

    int rowOf(std::size_t lineInColumn) const {
        const auto r = static_cast<int>(lineInColumn);
        return oldRows && r >= static_cast<int>(insertedRow) ? r + 1 : r;
    }
};

// Every column has its pressure loss (row 25); one without was not written whole. Checked on the
// lines before any column is built, so that a large file of empty lines costs no memory.
bool everyColumnHasItsLoss(LineCursor cells, std::size_t columnCount, const CellLayout& layout) {
    for (std::size_t c = 0; c < columnCount; ++c)
        for (std::size_t i = 0; i < layout.linesPerColumn; ++i) {
            const std::string_view line = cells.next();
            if (layout.rowOf(i) == row::lossLarge && cellOfLine(line).empty()) return false;
        }
    return true;
}

// The columns from the cell lines; a line with a tab holds the cell in its first field, and on
// row 1 the six fields after it are the column's gas entries.
std::vector<ResultColumn> columnsOf(LineCursor cells, std::size_t columnCount, const CellLayout& layout) {
    // Room for the empty column the table adds after them, so that taking them over does not
    // move every column into a larger block.
    std::vector<ResultColumn> columns;
    columns.reserve(columnCount + 1);
    columns.resize(columnCount);
    for (ResultColumn& column : columns)
        for (std::size_t i = 0; i < layout.linesPerColumn; ++i) {
            const std::string_view read = cells.next();
            const std::string migrated = layout.oldRows ? migrateOldLine(std::string(read)) : std::string();
            const std::string_view line = layout.oldRows ? std::string_view(migrated) : read;
            const int r = layout.rowOf(i);
            column.cells[static_cast<std::size_t>(r)] = std::string(cellOfLine(line));
            if (r == row::medium && line.find('\t') != std::string_view::npos) {
                const auto f = [&](int n) { return std::string(persist::field(line, n)); };
                column.gas = GasInfos{f(2), f(3), f(4), f(5), f(6), f(7)};
            }
        }
    return columns;
}

// The first `count` lines (fewer when the text has fewer) as strings, for the header.
Lines firstLines(LineCursor& cursor, std::size_t count, std::size_t available) {
    Lines lines;
    for (std::size_t i = 0; i < std::min(count, available); ++i) lines.emplace_back(cursor.next());
    return lines;
}

struct Parsed {
    ProjectContent content;
    bool filled = false;  // the line count matched the column count and the cells were taken
    bool branchNotice = false;
};

Parsed readCurrent(std::string_view text, std::size_t totalLines, const lang::TextCatalogue& texts) {
    LineCursor cursor(text);
    const Lines lines = firstLines(cursor, kProjectHeaderLines, totalLines);
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

    // The declared column count must match the lines there are, before anything is built for it.
    const std::size_t columnCount = static_cast<std::size_t>(n);
    const CellLayout layout;
    if (totalLines < kProjectHeaderLines || (totalLines - kProjectHeaderLines) % row::count != 0 ||
        (totalLines - kProjectHeaderLines) / row::count != columnCount)
        return parsed;
    if (!everyColumnHasItsLoss(cursor, columnCount, layout)) return parsed;
    std::vector<ResultColumn> columns = columnsOf(cursor, columnCount, layout);
    for (ResultColumn& column : columns) replaceAll(column.cells[row::element], "Zeta-Wert/", "Zeta-Wert Kreisrohr/");
    content.columns = fromNeutralForm(std::move(columns), texts);
    parsed.filled = true;
    return parsed;
}

bool isOldBranch(const ResultColumn& column) {
    const std::string& element = column.cells[row::element];
    const std::string name = element.substr(0, element.find('/'));
    return name == "Abzweigstück Stromtrennung" || name == "Abzweigstück Stromvereinigung";
}

Parsed readOld(std::string_view text, std::size_t totalLines, ProjectFormat format, const lang::TextCatalogue& texts) {
    Parsed parsed;
    ProjectContent& content = parsed.content;
    content.page.reset();  // older files carry no page setup
    LineCursor cursor(text);
    std::size_t columnCount = 0;
    std::size_t cellLineCount = 0;
    const auto migrated = [](Lines lines) {
        for (std::string& line : lines) line = migrateOldLine(std::move(line));
        return lines;
    };
    if (format == ProjectFormat::Format1) {
        // The cells first, then the table settings in the last nine lines.
        if (totalLines < format1TrailerLines) throw ReadError{};
        const std::size_t trailer = totalLines - format1TrailerLines;
        LineCursor toTrailer(text);
        for (std::size_t i = 0; i < trailer; ++i) toTrailer.next();
        const Lines lines = migrated(firstLines(toTrailer, format1TrailerLines, format1TrailerLines));
        const int defaultWidth = integerAt(lines, 0);
        readFont(lines, 1, content.appearance);
        content.unitSystem = model::UnitSystem::Metric;
        columnCount = static_cast<std::size_t>(model::roundHalfAway(static_cast<model::Real>(trailer) / oldRowsPerColumn));
        content.appearance.columnWidths.assign(columnCount + 1, defaultWidth);
        cellLineCount = trailer;
    } else {
        const Lines lines = migrated(firstLines(cursor, oldHeaderLines, totalLines));
        content.unitSystem = unitSystemOf(lineAt(lines, 1));
        const int n = integerAt(lines, 2);
        if (n < 0) throw ReadError{};
        columnCount = static_cast<std::size_t>(n);
        content.appearance.columnWidths = widthsOf(lineAt(lines, 3));
        readFont(lines, 4, content.appearance);
        if (totalLines < oldHeaderLines) throw ReadError{};
        cellLineCount = totalLines - oldHeaderLines;
    }

    // 25 lines to a column; its empty row 12 is added as the columns are built.
    const CellLayout layout{.linesPerColumn = oldRowsPerColumn, .oldRows = true};
    if (cellLineCount % oldRowsPerColumn != 0 || cellLineCount / oldRowsPerColumn != columnCount) return parsed;
    if (!everyColumnHasItsLoss(cursor, columnCount, layout)) return parsed;
    std::vector<ResultColumn> columns = columnsOf(cursor, columnCount, layout);

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

ProjectFormat formatOf(std::string_view firstLine) {
    if (firstLine == kProjectVersion) return ProjectFormat::Current;
    if (firstLine == "5.0F") return ProjectFormat::Format50F;
    if (firstLine == "4.0") return ProjectFormat::Format40;
    if (firstLine == "1") return ProjectFormat::Format1;
    return ProjectFormat::Unknown;
}

UserMessage oldBranchMessage(const lang::TextCatalogue& texts) {
    return {.icon = MessageIcon::Error, .caption = texts.text(GlobalText::ErrorCaption),
            .text = std::string(kOldBranchMessage)};
}

// The losses of row 24 are what the table adds up: each must read as a number (a cell that does
// not would drop out of the total unseen), and their sum must stay finite, or the total could
// not be written.
bool lossesAddUp(const std::vector<ResultColumn>& columns) {
    model::Real sum = 0;
    for (const ResultColumn& column : columns) {
        const auto loss = model::readNumber(column.cells[row::lossSmall]);
        if (!loss) return false;
        sum += *loss;
        if (!std::isfinite(sum)) return false;
    }
    return true;
}

ProjectReadResult readProjectText(std::string_view text, const lang::TextCatalogue& texts) {
    ProjectReadResult result;
    const std::size_t totalLines = lineCount(text);
    result.format = totalLines == 0 ? ProjectFormat::Unknown : formatOf(LineCursor(text).next());
    const auto invalid = [&] {
        result.valid = false;
        result.content = ProjectContent{};
        result.messages.assign(1, projectNotice(texts, GlobalText::ProjectFileInvalid));
        return result;
    };
    // A file of no known version is not taken for an old project: nothing is loaded, and the
    // project name must not stay on a file that a later save would overwrite.
    if (result.format == ProjectFormat::Unknown) return invalid();

    Parsed parsed;
    try {
        parsed = result.format == ProjectFormat::Current ? readCurrent(text, totalLines, texts)
                                                         : readOld(text, totalLines, result.format, texts);
    } catch (const ReadError&) {
        return invalid();
    }
    // Every element column has its pressure loss; a column without one was not read whole. Only
    // a file that is read whole is reported as converted.
    const auto complete = [](const ResultColumn& c) { return !c.cells[row::lossLarge].empty(); };
    if (!parsed.filled || !std::all_of(parsed.content.columns.begin(), parsed.content.columns.end(), complete) ||
        !lossesAddUp(parsed.content.columns))
        return invalid();
    if (parsed.branchNotice) result.messages.push_back(oldBranchMessage(texts));
    if (result.format != ProjectFormat::Current) result.messages.push_back(projectNotice(texts, GlobalText::ProjectConverted));
    result.valid = true;
    result.content = std::move(parsed.content);
    return result;
}

// A file too large for the memory left is refused like a damaged one, never ends the program.
ProjectReadResult readGuarded(const auto& read, const lang::TextCatalogue& texts) {
    try {
        return read();
    } catch (const std::bad_alloc&) {
        ProjectReadResult result;
        result.messages.push_back(projectNotice(texts, GlobalText::ProjectFileInvalid));
        return result;
    }
}

}  // namespace

UserMessage projectNotice(const lang::TextCatalogue& texts, GlobalText text) {
    return {.icon = MessageIcon::Warning, .caption = texts.text(GlobalText::NoticeCaption), .text = texts.text(text)};
}

ProjectReadResult readProjectFile(std::string_view bytes, const lang::TextCatalogue& texts) {
    if (bytes.size() > kMaxProjectFileBytes) {
        ProjectReadResult result;
        result.messages.push_back(projectNotice(texts, GlobalText::ProjectFileInvalid));
        return result;
    }
    return readGuarded([&] { return readProjectText(persist::windows1252ToUtf8(bytes), texts); }, texts);
}

ProjectReadResult readProjectLines(Lines lines, const lang::TextCatalogue& texts) {
    std::string text;
    for (const std::string& line : lines) text.append(line).append("\n");
    lines.clear();
    return readGuarded([&] { return readProjectText(text, texts); }, texts);
}

}  // namespace velmora::workflow
