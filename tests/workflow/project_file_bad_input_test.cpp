// Project files that are cut off, miscounted, garbled or oversized. The reader must give the
// invalid-file result, or, where the bytes still make a whole project, that project in a form
// the table takes and the file can hold again; it never throws, never allocates by a count it
// has not checked against the lines present, and never changes the file on disk.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "persist/data_file_set.h"
#include "persist/windows1252.h"
#include "support/temp_folder.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/project_session.h"
#include "workflow/project_test_support.h"
#include "workflow/results_table.h"
#include "workflow/workflow_test_support.h"

// ---- the largest single allocation, and the most memory held, while a read is watched -----------
// A count taken from the file and trusted before the lines are counted shows as one request for
// gigabytes; lines and columns copied more often than needed show as a high peak of the memory
// held. The sanitizers bring their own allocator; under them the checks are left out.
namespace {
std::atomic<bool> watchingAllocations{false};
std::atomic<std::size_t> largestAllocation{0};
std::atomic<long long> heldBytes{0};      // allocated minus freed since the watch began
std::atomic<long long> mostHeldBytes{0};
}  // namespace

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_WATCHES_ALLOCATIONS 0
#else
#include <malloc.h>
#define VELMORA_WATCHES_ALLOCATIONS 1
void* operator new(std::size_t size) {
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (!memory) throw std::bad_alloc();
    if (watchingAllocations.load(std::memory_order_relaxed)) {
        std::size_t seen = largestAllocation.load(std::memory_order_relaxed);
        while (size > seen && !largestAllocation.compare_exchange_weak(seen, size, std::memory_order_relaxed)) {
        }
        const long long held = heldBytes += static_cast<long long>(malloc_usable_size(memory));
        long long most = mostHeldBytes.load(std::memory_order_relaxed);
        while (held > most && !mostHeldBytes.compare_exchange_weak(most, held, std::memory_order_relaxed)) {
        }
    }
    return memory;
}
// Not inlined: g++ would take the free() of memory from operator new for a mismatch.
[[gnu::noinline]] void operator delete(void* memory) noexcept {
    if (memory && watchingAllocations.load(std::memory_order_relaxed))
        heldBytes -= static_cast<long long>(malloc_usable_size(memory));
    std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }
#endif

namespace velmora::workflow {
namespace {

using model::GlobalText;
using testing::builtTexts;
using testing::cellDifferences;
using testing::columnOf;
using testing::germanProjectColumns;
using testing::airEntries;
using testing::Language;
using Lines = std::vector<std::string>;

const lang::TextCatalogue& german() { return builtTexts(Language::German); }

ProjectContent smallProject() {
    ProjectContent content;
    content.heading = "Anlage 7";
    content.columns = germanProjectColumns();
    content.appearance.columnWidths = {145, 150};
    return content;
}

// The lines of the small project in the current format.
Lines currentLines() { return projectFileLines(smallProject(), german()); }

// The same columns as version 4 wrote them: 12 header lines, 25 lines per column (no row 12).
Lines format40Lines(const char* version = "4.0") {
    const Lines current = currentLines();
    Lines lines = {version, "M", "2", "145\t150\t150\t", "24", "Arial", "0", "8", "0", "0", "0", "0"};
    for (std::size_t i = kProjectHeaderLines; i < current.size(); ++i)
        if ((i - kProjectHeaderLines) % row::count != row::slot5) lines.push_back(current[i]);
    return lines;
}

// Format 1: the 25-line columns first, the table settings in the last nine lines.
Lines format1Lines() {
    Lines lines = format40Lines();
    lines.erase(lines.begin(), lines.begin() + 12);
    lines.insert(lines.end(), {"150", "24", "Arial", "0", "8", "0", "0", "0", "0"});
    return lines;
}

std::string bytesOf(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return persist::utf8ToWindows1252(text).value();
}

UserMessage invalidNotice() { return projectNotice(german(), GlobalText::ProjectFileInvalid); }

// A file that cannot be read gives nothing but the invalid-file notice (after the conversion
// notice of an old format) and no content.
void expectInvalid(const ProjectReadResult& read, const std::string& what) {
    EXPECT_FALSE(read.valid) << what;
    EXPECT_EQ(read.content, ProjectContent{}) << what;
    ASSERT_FALSE(read.messages.empty()) << what;
    EXPECT_EQ(read.messages.back(), invalidNotice()) << what;
}

// A file read as valid gives a project the program can work with: every column has its pressure
// loss, the table takes it and converts it to the other unit system and back, and it is either
// saved and read back to the same columns or refused naming a character the file cannot hold.
void expectUsable(const ProjectReadResult& read, const std::string& what) {
    for (const ResultColumn& column : read.content.columns)
        EXPECT_FALSE(column.cells[row::lossLarge].empty()) << what;
    ResultsTable table(german());
    applyProject(read.content, table);
    EXPECT_EQ(table.elementCount(), static_cast<int>(read.content.columns.size())) << what;
    const model::UnitSystem system = table.unitSystem();
    table.switchUnitSystem(system == model::UnitSystem::Metric ? model::UnitSystem::Us : model::UnitSystem::Metric);
    table.switchUnitSystem(system);
    EXPECT_FALSE(table.clipboardText().empty()) << what;

    const auto saved = encodeProjectFile(read.content, german());
    if (const auto* bytes = std::get_if<std::string>(&saved)) {
        const ProjectReadResult again = readProjectFile(*bytes, german());
        EXPECT_TRUE(again.valid) << what;
        EXPECT_EQ(again.content.heading, read.content.heading) << what;
        EXPECT_EQ(again.content.columns, read.content.columns) << what;
    } else {
        EXPECT_FALSE(std::get<UnstorableText>(saved).character.empty()) << what;
    }
}

// Either of the two, whichever the reader decided.
void expectInvalidOrUsable(const ProjectReadResult& read, const std::string& what) {
    if (read.valid)
        expectUsable(read, what);
    else
        expectInvalid(read, what);
}

ProjectReadResult readWatched(std::string_view bytes, std::size_t& largest, long long* mostHeld = nullptr) {
    largestAllocation = 0;
    heldBytes = 0;
    mostHeldBytes = 0;
    watchingAllocations = true;
    ProjectReadResult read = readProjectFile(bytes, german());
    watchingAllocations = false;
    largest = largestAllocation;
    if (mostHeld) *mostHeld = mostHeldBytes;
    return read;
}

struct Format {
    const char* name;
    Lines lines;
};

// ---- files cut off ------------------------------------------------------------------------------

// A file cut at any byte has fewer lines than its column count asks for, so it is invalid, unless
// the cut falls inside the last line: then every line is there and the last cell holds what is
// left of it, which is a project as good as any.
TEST(ProjectFileBadInput, EveryCutIsInvalidOrTheProjectWithItsLastCellShortened) {
    for (const Format& format : {Format{"current", currentLines()}, Format{"4.0", format40Lines()}}) {
        const std::string whole = bytesOf(format.lines);
        const std::string lastLine = format.lines.back() + "\r\n";
        const std::size_t lastLineStart = whole.size() - lastLine.size();
        for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
            const std::string what = std::string(format.name) + " cut after " + std::to_string(cut) + " bytes";
            const ProjectReadResult read = readProjectFile(std::string_view(whole).substr(0, cut), german());
            if (cut <= lastLineStart) {
                expectInvalid(read, what);
                continue;
            }
            std::vector<ResultColumn> expected = germanProjectColumns();
            std::string kept = lastLine.substr(0, cut - lastLineStart);
            while (!kept.empty() && (kept.back() == '\r' || kept.back() == '\n')) kept.pop_back();
            expected.back().cells[row::lossLarge] = kept;
            ASSERT_TRUE(read.valid) << what;
            EXPECT_EQ(read.content.columns, expected) << what;
            expectUsable(read, what);
        }
    }
}

// ---- lines missing, added or miscounted ---------------------------------------------------------

TEST(ProjectFileBadInput, LineCountsThatDoNotMatchTheColumnCountAreInvalid) {
    const std::size_t firstCell = kProjectHeaderLines;
    struct Case {
        const char* name;
        void (*edit)(Lines&);
        bool valid;
    };
    const Case cases[] = {
        {"one empty line more at the end", [](Lines& l) { l.emplace_back(); }, true},
        {"two empty lines more at the end", [](Lines& l) { l.insert(l.end(), {"", ""}); }, false},
        {"a cell line more at the end", [](Lines& l) { l.push_back("0,001"); }, false},
        {"a third column without a count", [](Lines& l) { l.insert(l.end(), l.end() - row::count, l.end()); }, false},
        {"the last column missing", [](Lines& l) { l.erase(l.end() - row::count, l.end()); }, false},
        {"a header line missing", [](Lines& l) { l.erase(l.begin() + 9); }, false},
        {"a cell line missing", [](Lines& l) { l.erase(l.begin() + firstCell + 3); }, false},
        {"a count of three for two columns", [](Lines& l) { l[3] = "3"; }, false},
        {"a count of one for two columns", [](Lines& l) { l[3] = "1"; }, false},
        {"a count of zero with the cells", [](Lines& l) { l[3] = "0"; }, false},
        {"a count of zero without cells", [](Lines& l) {
             l[3] = "0";
             l.resize(kProjectHeaderLines);
         }, true},
        {"the header only, counting two columns", [](Lines& l) { l.resize(kProjectHeaderLines); }, false},
        {"nothing but the version line", [](Lines& l) { l.resize(1); }, false},
        {"the widths without their tabs", [](Lines& l) { l[17] = "145 150 150"; }, false},
        {"a font size that is no number", [](Lines& l) { l[21] = "acht"; }, false},
    };
    for (const Case& c : cases) {
        Lines lines = currentLines();
        c.edit(lines);
        const ProjectReadResult read = readProjectFile(bytesOf(lines), german());
        if (c.valid) {
            ASSERT_TRUE(read.valid) << c.name;
            expectUsable(read, c.name);
        } else {
            expectInvalid(read, c.name);
        }
    }
}

// The column count on line 4 (line 3 of an old file) is checked against the lines present before
// anything is sized by it: a thousand million columns in a small file is one small read.
TEST(ProjectFileBadInput, ColumnCountsThatAreNoCountOfTheseColumns) {
    struct Case {
        const char* count;
        bool valid;
    };
    const Case cases[] = {
        {"2", true},          {" 2 ", true},         {"-1", false}, {"0", false},   {"-0", false},
        {"1000000000", false}, {"2147483647", false}, {"abc", false}, {"", false},    {"+2", false},
        {"2.0", false},       {"0x2", false},        {"2abc", false}, {"99999999999999999999", false},
        {"-2147483648", false},
    };
    if (VELMORA_WATCHES_ALLOCATIONS) {  // the watch sees a large request
        std::size_t largest = 0;
        largestAllocation = 0;
        watchingAllocations = true;
        std::vector<char>().reserve(std::size_t{1} << 24);
        watchingAllocations = false;
        largest = largestAllocation;
        ASSERT_GE(largest, std::size_t{1} << 24);
    }
    for (const Format& format : {Format{"current", currentLines()}, Format{"4.0", format40Lines()}}) {
        const std::size_t countLine = std::string_view(format.name) == "current" ? 3 : 2;
        for (const Case& c : cases) {
            const std::string what = std::string(format.name) + ", column count \"" + c.count + "\"";
            Lines lines = format.lines;
            lines[countLine] = c.count;
            const std::string bytes = bytesOf(lines);
            std::size_t largest = 0;
            const ProjectReadResult read = readWatched(bytes, largest);
            if (c.valid) {
                ASSERT_TRUE(read.valid) << what;
                EXPECT_EQ(read.content.columns, germanProjectColumns()) << what;
            } else {
                expectInvalid(read, what);
            }
            if (VELMORA_WATCHES_ALLOCATIONS) {
                EXPECT_LT(largest, 64 * bytes.size()) << what;
            }
        }
    }
}

// ---- garbage ------------------------------------------------------------------------------------

std::string randomBytes(std::mt19937& random, std::size_t count) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& b : bytes) b = static_cast<char>(byte(random));
    return bytes;
}

TEST(ProjectFileBadInput, RandomBytesAreNoProject) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> length(0, 8192);
    for (int i = 0; i < 200; ++i) {
        const std::string bytes = randomBytes(random, length(random));
        const ProjectReadResult read = readProjectFile(bytes, german());
        expectInvalidOrUsable(read, "random file " + std::to_string(i));
        EXPECT_FALSE(read.valid) << "random file " << i;
    }
}

// Valid files of every format with a few bytes overwritten, inserted or taken out, at places
// chosen by a seeded generator: whatever the reader makes of them must be one of the two results.
TEST(ProjectFileBadInput, GarbledFilesOfEveryFormat) {
    std::mt19937 random(7);
    for (const Format& format : {Format{"current", currentLines()}, Format{"5.0F", format40Lines("5.0F")},
                                 Format{"4.0", format40Lines()}, Format{"1", format1Lines()}}) {
        const std::string whole = bytesOf(format.lines);
        ASSERT_TRUE(readProjectFile(whole, german()).valid) << format.name;
        for (int i = 0; i < 300; ++i) {
            std::string bytes = whole;
            std::uniform_int_distribution<std::size_t> at(0, bytes.size() - 1);
            std::uniform_int_distribution<int> edits(1, 8), kind(0, 2);
            for (int n = edits(random); n > 0 && !bytes.empty(); --n) {
                const std::size_t place = std::min(at(random), bytes.size() - 1);
                switch (kind(random)) {
                    case 0: bytes[place] = randomBytes(random, 1)[0]; break;
                    case 1: bytes.insert(place, randomBytes(random, 1 + place % 16)); break;
                    default: bytes.erase(place, 1 + place % 40); break;
                }
            }
            expectInvalidOrUsable(readProjectFile(bytes, german()),
                                  std::string(format.name) + " garbled, case " + std::to_string(i));
        }
    }
}

// ---- oversized lines ----------------------------------------------------------------------------

TEST(ProjectFileBadInput, LinesOfAMegabyte) {
    const std::string megabyte(1 << 20, 'x');
    std::string tabs(1 << 20, '\t');
    std::string widths;
    while (widths.size() < (1u << 20)) widths += "150\t";
    const std::size_t firstCell = kProjectHeaderLines;
    struct Case {
        const char* name;
        std::size_t line;
        std::string text;
        bool valid;
    };
    const Case cases[] = {
        {"heading", 1, megabyte, true},
        {"print font", 9, megabyte, true},
        {"column widths", 17, widths, true},
        {"table font", 19, megabyte, true},
        {"a designation", firstCell + row::designation, megabyte, true},
        {"the gas row of only tabs", firstCell + row::count + row::medium, tabs, true},
        {"the version", 0, megabyte, false},
        {"the column count", 3, std::string(1 << 20, '9'), false},
        {"the row height", 18, std::string(1 << 20, '2'), false},
        {"the last cell, as tabs", firstCell + 2 * row::count - 1, tabs, false},
    };
    for (const Case& c : cases) {
        Lines lines = currentLines();
        lines[c.line] = c.text;
        const ProjectReadResult read = readProjectFile(bytesOf(lines), german());
        if (!c.valid) {
            expectInvalid(read, c.name);
            continue;
        }
        ASSERT_TRUE(read.valid) << c.name;
        expectUsable(read, c.name);
    }
    // One line of a megabyte and no line end at all.
    expectInvalid(readProjectFile(megabyte, german()), "a file of one line");
}

// ---- the gas fields of a row-1 line -------------------------------------------------------------

// Field 1 of a line with a tab is the cell; on row 1, fields 2 to 7 are the gas entries and any
// field after them is not read. What is read saves back as the seven fields.
TEST(ProjectFileBadInput, GasRowsWithMoreOrFewerFieldsThanSeven) {
    const std::string huge(100000, 'p');
    const std::size_t gasRow = kProjectHeaderLines + row::count + row::medium;
    const std::size_t pipeRow14 = kProjectHeaderLines + row::velocity;
    struct Case {
        const char* name;
        std::size_t line;
        std::string text;
        std::optional<GasInfos> gas;  // of the second column
        std::string cell;             // the cell the line gives
    };
    const Case cases[] = {
        {"eight fields", gasRow, "Luft/gasf.\t2,5\t20\t15\tbar\t°C\t°C\textra", airEntries, "Luft/gasf."},
        {"twenty fields", gasRow, "Luft/gasf.\t2,5\t20\t15\tbar\t°C\t°C" + std::string(13, '\t') + "end", airEntries,
         "Luft/gasf."},
        {"fields of 100 000 characters", gasRow, "Luft/gasf.\t" + huge + "\t" + huge + "\t" + huge + "\tbar\t°C\t°C\t" + huge,
         GasInfos{huge, huge, huge, "bar", "°C", "°C"}, "Luft/gasf."},
        {"two fields", gasRow, "Luft/gasf.\t2,5", GasInfos{"2,5", "", "", "", "", ""}, "Luft/gasf."},
        {"tabs only", gasRow, "\t\t\t\t\t\t", GasInfos{}, ""},
        {"no tab", gasRow, "Luft/gasf.", std::nullopt, "Luft/gasf."},
    };
    for (const Case& c : cases) {
        Lines lines = currentLines();
        lines[c.line] = c.text;
        const ProjectReadResult read = readProjectFile(bytesOf(lines), german());
        ASSERT_TRUE(read.valid) << c.name;
        ASSERT_EQ(read.content.columns.size(), 2u) << c.name;
        EXPECT_EQ(read.content.columns[1].gas, c.gas) << c.name;
        EXPECT_EQ(read.content.columns[1].cells[row::medium], c.cell) << c.name;
        expectUsable(read, c.name);
    }
    // A tab in a line of another row: the cell is its first field, no gas entries appear.
    Lines lines = currentLines();
    lines[pipeRow14] = "0,566\tstray\tfields";
    const ProjectReadResult read = readProjectFile(bytesOf(lines), german());
    ASSERT_TRUE(read.valid);
    EXPECT_EQ(read.content.columns[0], germanProjectColumns()[0]) << cellDifferences(read.content.columns[0], germanProjectColumns()[0]);
}

// ---- on disk ------------------------------------------------------------------------------------

// Opening garbage reads it, lets it go and leaves every byte and the time stamp as they were.
TEST(ProjectFileBadInput, AGarbledFileOnDiskIsLeftAsItIs) {
    std::mt19937 random(99);
    const std::string garbage = "6.0\r\n" + randomBytes(random, 65536) + std::string(1 << 20, 'z');
    const velmora::testing::TempFolder folder;
    const auto path = folder.write("garbage.vla", garbage);
    const auto stamp = std::filesystem::last_write_time(path);

    ProjectSession session(german());
    const ProjectSession::ReadOutcome outcome = session.read(path);
    EXPECT_TRUE(outcome.opened);
    expectInvalid(outcome.read, "garbage on disk");
    EXPECT_EQ(outcome.messages, std::vector<UserMessage>{invalidNotice()});
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(persist::readWholeFile(path), garbage);
    EXPECT_EQ(std::filesystem::last_write_time(path), stamp);

    // A folder is no file to open.
    const ProjectSession::ReadOutcome folderOutcome = session.read(folder.path());
    EXPECT_FALSE(folderOutcome.opened);
    EXPECT_EQ(folderOutcome.messages, std::vector<UserMessage>{projectNotice(german(), GlobalText::ProjectOpenFailed)});
}

// ---- memory --------------------------------------------------------------------------------------

// A project of many columns takes memory for its columns once: the lines are not held a second
// time as a list, nor the columns copied. A column as the table keeps it costs about 1 kB
// whatever its texts (26 cell strings and the gas entries), so the peak is measured against that
// and against the file's size. A file of empty cells is refused before any column is built.
TEST(ProjectFileBadInput, MemoryHeldWhileReadingAProject) {
    if (!VELMORA_WATCHES_ALLOCATIONS) GTEST_SKIP() << "the sanitizer's allocator counts for itself";
    ProjectContent content;
    content.heading = "Kühlwasser";
    const std::vector<ResultColumn> pair = germanProjectColumns();
    for (int i = 0; i < 2000; ++i) content.columns.insert(content.columns.end(), pair.begin(), pair.end());
    const std::string written = std::get<std::string>(encodeProjectFile(content, german()));
    const long long columnsHeld = static_cast<long long>(4000 * (sizeof(ResultColumn) + 64));

    // NAME | file | valid
    struct Case {
        const char* name;
        std::string bytes;
        bool valid;
    };
    Lines empty = {"6.0", "", "M", "40000"};
    empty.resize(kProjectHeaderLines + 40000 * row::count);
    const Case cases[] = {
        {"4000 columns as the program writes them", written, true},
        {"40 000 columns of empty cells", bytesOf(empty), false},
    };
    for (const Case& c : cases) {
        std::size_t largest = 0;
        long long mostHeld = 0;
        const ProjectReadResult read = readWatched(c.bytes, largest, &mostHeld);
        EXPECT_EQ(read.valid, c.valid) << c.name;
        const auto size = static_cast<long long>(c.bytes.size());
        if (c.valid) {
            EXPECT_EQ(read.content.columns.size(), 4000u);
            // The text of the file once more (UTF-8), the columns, and little else.
            EXPECT_LT(mostHeld, 2 * size + columnsHeld + columnsHeld / 4) << c.name;
            EXPECT_LT(mostHeld, 20 * size) << c.name;
        } else {
            EXPECT_LT(mostHeld, 3 * size) << c.name << ": columns were built for a file that is refused";
        }
    }
}

// A file larger than any project is refused unread, by the desktop's open as by the command line.
TEST(ProjectFileBadInput, AFileLargerThanAnyProjectIsRefusedUnread) {
    velmora::testing::TempFolder folder;
    const auto path = folder.path() / "gross.vla";
    std::filesystem::resize_file(folder.write("gross.vla", "6.0\r\n"), kMaxProjectFileBytes + 1);
    ProjectSession session(german());
    const ProjectSession::ReadOutcome outcome = session.read(path);
    EXPECT_TRUE(outcome.opened);
    EXPECT_FALSE(outcome.read.valid);
    EXPECT_EQ(outcome.messages, std::vector<UserMessage>{invalidNotice()});
    EXPECT_FALSE(session.heldPath()) << "an invalid file is let go";
    expectInvalid(readProjectFile(std::string(kMaxProjectFileBytes + 1, '\n'), german()), "65 MB of line ends");
}

}  // namespace
}  // namespace velmora::workflow
