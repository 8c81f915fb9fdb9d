// The same project in each format the program reads: the current "6.0" and the older "5.0F",
// "4.0" and "1". Every format runs the same cases through one fixture; the file lines of each are
// written out by hand as that version wrote them.
#include <gtest/gtest.h>

#include <functional>

#include "persist/windows1252.h"
#include "workflow/project_file.h"
#include "workflow/project_test_support.h"
#include "workflow/workflow_test_support.h"

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

// The first column as the English edition shows it.
ResultColumn englishPipe() {
    return columnOf({{0, "1"}, {1, "Wasser/liq."}, {2, "1.000"}, {3, "998.200"}, {4, "1002.000"},
                     {6, "Saugleitung"}, {7, "Circular pipe/1"}, {8, "Diameter D in mm: 25.000"},
                     {9, "Pipe length L in m: 10.000"}, {14, "0.566"}, {15, "1.41E+0004"}, {18, "turbulent"},
                     {19, "0.100"}, {20, "0.031"}, {24, "39.123"}, {25, "0.039"}});
}

// 26 cell lines of a column, row 0 first; `old` drops row 12, which the older formats lack.
Lines cellLines(std::initializer_list<std::pair<int, const char*>> cells, bool old) {
    Lines lines(row::count);
    for (const auto& [r, text] : cells) lines[static_cast<std::size_t>(r)] = text;
    if (old) lines.erase(lines.begin() + row::slot5);
    return lines;
}

Lines germanCells(bool old) {
    Lines lines = cellLines({{0, "1"}, {1, "Wasser/flü."}, {2, "1,000"}, {3, "998,200"}, {4, "1002,000"},
                             {6, "Saugleitung"}, {7, "Kreisrohr/1"}, {8, "Durchmesser D in mm: 25,000"},
                             {9, "Rohrlänge L in m: 10,000"}, {14, "0,566"}, {15, "1,41E+0004"}, {18, "turbulent"},
                             {19, "0,100"}, {20, "0,031"}, {24, "39,123"}, {25, "0,039"}},
                            old);
    const Lines second = cellLines({{0, "2"}, {1, "Luft/gasf.\t2,5\t20\t15\tbar\t°C\t°C"}, {2, "100,000"},
                                    {3, "1,205"}, {4, "18,100"}, {7, "Kantiger Einlauf/2"},
                                    {8, "Durchmesser D in mm: 50,000"}, {13, "Kante des Einlaufs:  scharfkantig"},
                                    {14, "14,147"}, {15, "1800"}, {18, "laminar"}, {21, "0,500"}, {24, "1,234"},
                                    {25, "0,001"}},
                                   old);
    lines.insert(lines.end(), second.begin(), second.end());
    return lines;
}

// The French edition of version 5 wrote French words and decimal points.
Lines frenchCells() {
    Lines lines = cellLines({{0, "1"}, {1, "Wasser/liq."}, {2, "1.000"}, {3, "998.200"}, {4, "1002.000"},
                             {6, "Saugleitung"}, {7, "Tuyau circulaire/1"}, {8, "Diamètre D en mm: 25.000"},
                             {9, "Longueur du tuyau L en m: 10.000"}, {14, "0.566"}, {15, "1.41E+0004"},
                             {18, "turbulent"}, {19, "0.100"}, {20, "0.031"}, {24, "39.123"}, {25, "0.039"}},
                            true);
    const Lines second = cellLines({{0, "2"}, {1, "Luft/gas.\t2,5\t20\t15\tbar\t°C\t°C"}, {2, "100.000"},
                                    {3, "1.205"}, {4, "18.100"}, {7, "Entrée à arête vive/2"},
                                    {8, "Diamètre D en mm: 50.000"}, {13, "Arête d'entrée:  à arête vive"},
                                    {14, "14.147"}, {15, "1800"}, {18, "laminaire"}, {21, "0.500"}, {24, "1.234"},
                                    {25, "0.001"}},
                                   true);
    lines.insert(lines.end(), second.begin(), second.end());
    return lines;
}

Lines joined(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct FormatCase {
    const char* name;
    ProjectFormat format;
    std::function<Lines()> file;
    std::size_t aCellLine;  // index of one cell line of the file
};

std::vector<FormatCase> formatCases() {
    const Lines oldHeader = {"M", "2", "145\t150\t150\t", "24", "Arial", "0", "8", "0", "0", "0", "0"};
    return {
        {"Current", ProjectFormat::Current,
         [] {
             return joined({"6.0", "Anlage 7", "M", "2", "markiert", "8", "unmarkiert", "1", "unmarkiert", "Arial", "20",
                            "20", "20", "20", "0", "", "markiert", "145\t150\t150\t", "24", "Arial", "0", "8", "0",
                            "0", "0", "0"},
                           germanCells(false));
         },
         30},
        {"Format50F", ProjectFormat::Format50F, [oldHeader] { return joined(joined({"5.0F"}, oldHeader), frenchCells()); },
         16},
        {"Format40", ProjectFormat::Format40, [oldHeader] { return joined(joined({"4.0"}, oldHeader), germanCells(true)); },
         16},
        {"Format1", ProjectFormat::Format1,
         [] { return joined(germanCells(true), {"150", "24", "Arial", "0", "8", "0", "0", "0", "0"}); }, 4},
    };
}

class ProjectFileFormat : public ::testing::TestWithParam<FormatCase> {
protected:
    Lines file() const { return GetParam().file(); }
    bool old() const { return GetParam().format != ProjectFormat::Current; }

    // What the reader must have shown for a file it could read.
    std::vector<UserMessage> readMessages(Language language) const {
        if (!old()) return {};
        return {projectNotice(builtTexts(language), GlobalText::ProjectConverted)};
    }
    // A file that cannot be read whole is reported as invalid only, never as converted too.
    std::vector<UserMessage> invalidMessages() const {
        return {projectNotice(builtTexts(Language::German), GlobalText::ProjectFileInvalid)};
    }
};

TEST_P(ProjectFileFormat, ReadsEveryCellAndTheGasEntries) {
    const ProjectReadResult read = readProjectLines(file(), builtTexts(Language::German));
    EXPECT_EQ(read.format, GetParam().format);
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.messages, readMessages(Language::German));
    const std::vector<ResultColumn> expected = germanProjectColumns();
    ASSERT_EQ(read.content.columns.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(read.content.columns[i], expected[i]) << cellDifferences(read.content.columns[i], expected[i]);
    EXPECT_EQ(read.content.unitSystem, model::UnitSystem::Metric);
    EXPECT_EQ(read.content.appearance.columnWidths.size(), 3u);
}

TEST_P(ProjectFileFormat, AnotherEditionShowsItsOwnWords) {
    const ProjectReadResult read = readProjectLines(file(), builtTexts(Language::English));
    ASSERT_TRUE(read.valid);
    EXPECT_EQ(read.messages, readMessages(Language::English));
    EXPECT_EQ(read.content.columns.at(0), englishPipe()) << cellDifferences(read.content.columns.at(0), englishPipe());
    EXPECT_EQ(read.content.columns.at(1).cells[row::medium], "Luft/gas.");
    EXPECT_EQ(read.content.columns.at(1).gas, airEntries);
}

TEST_P(ProjectFileFormat, OneEmptyLineAtTheEndIsIgnored) {
    Lines lines = file();
    lines.emplace_back();
    const ProjectReadResult read = readProjectLines(lines, builtTexts(Language::German));
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.content.columns, germanProjectColumns());
}

TEST_P(ProjectFileFormat, TwoEmptyLinesAtTheEndMakeItInvalid) {
    Lines lines = file();
    lines.insert(lines.end(), {"", ""});
    const ProjectReadResult read = readProjectLines(lines, builtTexts(Language::German));
    EXPECT_FALSE(read.valid);
    EXPECT_TRUE(read.content.columns.empty());
    EXPECT_EQ(read.messages.back(), projectNotice(builtTexts(Language::German), GlobalText::ProjectFileInvalid));
}

TEST_P(ProjectFileFormat, AMissingCellLineMakesItInvalid) {
    Lines lines = file();
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(GetParam().aCellLine));
    const ProjectReadResult read = readProjectLines(lines, builtTexts(Language::German));
    EXPECT_FALSE(read.valid);
    EXPECT_TRUE(read.content.columns.empty());
    EXPECT_EQ(read.messages, invalidMessages());
}

TEST_P(ProjectFileFormat, BytesOnDiskAreWindows1252WithCrLf) {
    std::string text;
    for (const std::string& line : file()) text += line + "\r\n";
    const std::string bytes = persist::utf8ToWindows1252(text).value();
    ASSERT_LT(bytes.size(), text.size());  // "ü", "é", "°" … are one byte each
    const ProjectReadResult read = readProjectFile(bytes, builtTexts(Language::German));
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.content.columns, germanProjectColumns());
}

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.name; }

INSTANTIATE_TEST_SUITE_P(Versions, ProjectFileFormat, ::testing::ValuesIn(formatCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::workflow
