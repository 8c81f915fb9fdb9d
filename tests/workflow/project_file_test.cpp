#include "workflow/project_file.h"

#include <gtest/gtest.h>

#include "persist/data_file_set.h"
#include "workflow/project_test_support.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::GlobalText;
using testing::builtTexts;
using testing::cellDifferences;
using testing::columnOf;
using testing::Language;
using Lines = std::vector<std::string>;

const GasInfos airEntries{"2,5", "20", "15", "bar", "°C", "°C"};

ResultColumn germanPipe(const char* number = "1") {
    return columnOf({{0, number}, {1, "Wasser/flü."}, {2, "1,000"}, {3, "998,200"}, {4, "1002,000"},
                     {6, "Saugleitung"}, {7, "Kreisrohr/1"}, {8, "Durchmesser D in mm: 25,000"},
                     {9, "Rohrlänge L in m: 10,000"}, {14, "0,566"}, {15, "1,41E+0004"}, {18, "turbulent"},
                     {19, "0,100"}, {20, "0,031"}, {24, "39,123"}, {25, "0,039"}});
}

ResultColumn germanInlet(const char* number = "2") {
    return columnOf({{0, number}, {1, "Luft/gasf."}, {2, "100,000"}, {3, "1,205"}, {4, "18,100"},
                     {7, "Kantiger Einlauf/2"}, {8, "Durchmesser D in mm: 50,000"},
                     {13, "Kante des Einlaufs:  scharfkantig"}, {14, "14,147"}, {15, "1800"}, {18, "laminar"},
                     {21, "0,500"}, {24, "1,234"}, {25, "0,001"}},
                    airEntries);
}

ProjectContent germanProject(std::vector<ResultColumn> columns) {
    ProjectContent content;
    content.heading = "Anlage 7";
    content.columns = std::move(columns);
    content.appearance.columnWidths = {145, 150};
    return content;
}

ProjectReadResult readBack(const ProjectContent& content, Language writer, Language reader) {
    const auto encoded = encodeProjectFile(content, builtTexts(writer));
    return readProjectFile(std::get<std::string>(encoded), builtTexts(reader));
}

// ---- writing ----------------------------------------------------------------------------------

TEST(ProjectFileWriting, ThreeColumnsMakeTheHeaderAndOneHundredFourLines) {
    const ProjectContent content = germanProject({germanPipe("1"), germanInlet("2"), germanPipe("3")});
    const Lines lines = projectFileLines(content, builtTexts(Language::German));
    ASSERT_EQ(lines.size(), 104u);
    const Lines header(lines.begin(), lines.begin() + 26);
    // The page setup's defaults and the appearance's, the widths of columns 0 … 3 each followed by
    // a tab (the columns beyond the two given take the last width).
    EXPECT_EQ(header, (Lines{"6.0", "Anlage 7", "M", "3", "markiert", "8", "unmarkiert", "1", "unmarkiert", "Arial",
                             "20", "20", "20", "20", "0", "", "markiert", "145\t150\t150\t150\t", "24", "Arial", "0",
                             "8", "0", "0", "0", "0"}));
    EXPECT_EQ(lines[26], "1");
    EXPECT_EQ(lines[26 + 26 + 1], "Luft/gasf.\t2,5\t20\t15\tbar\t°C\t°C");
    EXPECT_EQ(lines[103], "0,039");
}

TEST(ProjectFileWriting, BytesAreWindows1252WithCrLfAfterEveryLine) {
    const auto encoded = encodeProjectFile(germanProject({germanPipe()}), builtTexts(Language::German));
    const std::string& bytes = std::get<std::string>(encoded);
    EXPECT_TRUE(bytes.starts_with("6.0\r\nAnlage 7\r\nM\r\n1\r\n"));
    EXPECT_TRUE(bytes.ends_with("\r\n39,123\r\n0,039\r\n"));
    EXPECT_NE(bytes.find("Wasser/fl\xFC.\r\n"), std::string::npos);
}

TEST(ProjectFileWriting, GasEntriesComeBackThroughTheRowOneLine) {
    GasInfos typed{"14,7", "68", "50", "psia", "degF", "°R"};
    ResultColumn gas = germanInlet("1");
    gas.gas = typed;
    const ProjectReadResult read = readBack(germanProject({gas}), Language::German, Language::German);
    ASSERT_TRUE(read.valid);
    EXPECT_EQ(read.content.columns.at(0).gas, typed);
    EXPECT_EQ(read.content.columns.at(0).cells[row::medium], "Luft/gasf.");
}

TEST(ProjectFileWriting, PageSetupAndAppearanceComeBack) {
    ProjectContent content = germanProject({germanPipe("1"), germanPipe("2")});
    content.unitSystem = model::UnitSystem::Us;
    PageSettings& page = content.page.emplace();
    page.scaling = PrintScaling::FitToPages;
    page.fontSize = 12;
    page.pagesWide = 3;
    page.wordWrap = true;
    page.fontName = "Courier New";
    page.margins = {"15", "15", "10", "10,5"};
    page.marginUnit = MarginUnit::Inch;
    page.extraHeader = content.heading;
    page.extraFooter = "Rev. B";
    page.showFilePath = false;
    content.appearance = {.columnWidths = {140, 155, 160},
                          .defaultRowHeight = 30,
                          .fontName = "Tahoma",
                          .fontColour = 255,
                          .fontSize = 10,
                          .bold = true,
                          .italic = false,
                          .underline = true,
                          .strikeOut = false};
    const ProjectReadResult read = readBack(content, Language::German, Language::German);
    ASSERT_TRUE(read.valid);
    EXPECT_EQ(read.content, content);
}

// English cells are stored in the German form, so the German edition shows German names and
// decimal commas; the slot values as well (25,000 mm, not 25.000 mm).
TEST(ProjectFileWriting, EnglishSaveReadsAsGermanWithDecimalCommas) {
    const ResultColumn english = columnOf(
        {{0, "1"}, {1, "Water/liq."}, {2, "1.000"}, {3, "998.200"}, {4, "1002.000"}, {6, "suction line"},
         {7, "Circular pipe/1"}, {8, "Diameter D in mm: 25.000"}, {9, "Pipe length L in m: 10.000"},
         {14, "0.566"}, {15, "1.41E+0004"}, {18, "turbulent"}, {19, "0.100"}, {20, "0.031"}, {24, "39.123"},
         {25, "0.039"}});
    const ResultColumn german = columnOf(
        {{0, "1"}, {1, "Water/flü."}, {2, "1,000"}, {3, "998,200"}, {4, "1002,000"}, {6, "suction line"},
         {7, "Kreisrohr/1"}, {8, "Durchmesser D in mm: 25,000"}, {9, "Rohrlänge L in m: 10,000"}, {14, "0,566"},
         {15, "1,41E+0004"}, {18, "turbulent"}, {19, "0,100"}, {20, "0,031"}, {24, "39,123"}, {25, "0,039"}});
    const ProjectReadResult read = readBack(germanProject({english}), Language::English, Language::German);
    ASSERT_TRUE(read.valid);
    EXPECT_EQ(read.content.columns.at(0), german) << cellDifferences(read.content.columns.at(0), german);
}

TEST(ProjectFileWriting, FrenchSaveReadsAsEnglish) {
    const ResultColumn french = columnOf({{0, "1"}, {1, "Eau/liq."}, {7, "Coude circulaire/1"},
                                          {8, "Diamètre D en mm: 100,000"}, {10, "Angle du coude w en degré: 90,000"},
                                          {18, "laminaire"}, {24, "2,500"}, {25, "0,003"}});
    const ResultColumn english = columnOf({{0, "1"}, {1, "Eau/liq."}, {7, "Circular bend/1"},
                                           {8, "Diameter D in mm: 100.000"}, {10, "Bend angle w in degrees: 90.000"},
                                           {18, "laminar"}, {24, "2.500"}, {25, "0.003"}});
    const ProjectReadResult read = readBack(germanProject({french}), Language::French, Language::English);
    ASSERT_TRUE(read.valid);
    EXPECT_EQ(read.content.columns.at(0), english) << cellDifferences(read.content.columns.at(0), english);
}

// Nothing is replaced silently: the first text the file cannot hold is named with its place.
struct UnstorableCase {
    const char* name;
    std::function<void(ProjectContent&)> edit;
    UnstorableText expected;
};

class UnstorableTexts : public ::testing::TestWithParam<UnstorableCase> {};

TEST_P(UnstorableTexts, AreRefusedWithCharacterAndPlace) {
    ProjectContent content = germanProject({germanPipe("1"), germanInlet("2")});
    GetParam().edit(content);
    const auto encoded = encodeProjectFile(content, builtTexts(Language::German));
    ASSERT_TRUE(std::holds_alternative<UnstorableText>(encoded));
    EXPECT_EQ(std::get<UnstorableText>(encoded), GetParam().expected);
}

using Kind = TextPlace::Kind;
INSTANTIATE_TEST_SUITE_P(
    Places, UnstorableTexts,
    ::testing::Values(
        UnstorableCase{"ArrowInDesignation", [](ProjectContent& c) { c.columns[1].cells[6] = "Pumpe → Behälter"; },
                       {"→", {Kind::Cell, 2, 6}}},
        UnstorableCase{"GreekLetterInMediumName", [](ProjectContent& c) { c.columns[0].cells[1] = "Glykol λ/flü."; },
                       {"λ", {Kind::Cell, 1, 1}}},
        UnstorableCase{"GasEntry", [](ProjectContent& c) { c.columns[1].gas->inletPressureUnit = "bar≈"; },
                       {"≈", {Kind::Cell, 2, 1}}},
        UnstorableCase{"TabInHeading", [](ProjectContent& c) { c.heading = "Anlage\t7"; }, {"\t", {Kind::Heading}}},
        UnstorableCase{"LineBreakInFooter", [](ProjectContent& c) { c.page->extraFooter = "Rev.\nB"; },
                       {"\n", {Kind::Footer}}},
        UnstorableCase{"Margin", [](ProjectContent& c) { c.page->margins[2] = "2⅓"; }, {"⅓", {Kind::Margins}}},
        UnstorableCase{"TableFont", [](ProjectContent& c) { c.appearance.fontName = "源ノ角ゴシック"; },
                       {"源", {Kind::TableFont}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFileWriting, CharactersOfTheCodePageAreStored) {
    ProjectContent content = germanProject({germanPipe()});
    content.columns[0].cells[6] = "Kosten 5 € – Ø 25";
    const auto encoded = encodeProjectFile(content, builtTexts(Language::German));
    ASSERT_TRUE(std::holds_alternative<std::string>(encoded));
    EXPECT_NE(std::get<std::string>(encoded).find("Kosten 5 \x80 \x96 \xD8 25\r\n"), std::string::npos);
}

// ---- reading: what only some formats have -------------------------------------------------------

TEST(ProjectFileReading, CurrentFormatRenamesTheOldGivenCoefficientKind) {
    ResultColumn column = germanPipe();
    column.cells[row::element] = "Zeta-Wert/2";
    Lines lines = projectFileLines(germanProject({column}), builtTexts(Language::German));
    const ProjectReadResult read = readProjectLines(lines, builtTexts(Language::German));
    EXPECT_EQ(read.content.columns.at(0).cells[row::element], "Zeta-Wert Kreisrohr/2");
}

// Points become commas in the numbers only: the unit "in." keeps its point, so that the unit
// switch and copying the column back still recognise it.
TEST(ProjectFileReading, Format40WrittenInEnglishIsConverted) {
    Lines lines = {"4.0", "I", "1", "150\t150\t", "24", "Arial", "0", "8", "0", "0", "0", "0"};
    Lines cells(25);
    cells[0] = "1";
    cells[1] = "Water/liq.";
    cells[2] = "4.403";
    cells[7] = "Sharpe edged entrance/1";
    cells[8] = "Diameter D in in.: 1.000";
    cells[12] = "Inlet edge:  sharpe-edged";  // row 13 of the column; the file has no row 12
    cells[17] = "turbulent";
    cells[23] = "0.817";
    cells[24] = "0.006";
    lines.insert(lines.end(), cells.begin(), cells.end());
    const ResultColumn expected = columnOf({{0, "1"}, {1, "Water/flü."}, {2, "4,403"}, {7, "Kantiger Einlauf/1"},
                                            {8, "Durchmesser D in in.: 1,000"},
                                            {13, "Kante des Einlaufs:  scharfkantig"}, {18, "turbulent"},
                                            {24, "0,817"}, {25, "0,006"}});
    const ProjectReadResult read = readProjectLines(lines, builtTexts(Language::German));
    ASSERT_TRUE(read.valid);
    EXPECT_EQ(read.content.unitSystem, model::UnitSystem::Us);
    EXPECT_EQ(read.content.columns.at(0), expected) << cellDifferences(read.content.columns.at(0), expected);
    EXPECT_EQ(read.content.page, std::nullopt);
}

std::string fixture(const char* name) {
    return persist::readWholeFile(std::filesystem::path(VELMORA_TEST_DATA_DIR) / "projects" / name);
}

TEST(ProjectFileReading, Format1BranchesAreNamedOnceBeforeTheConversionNotice) {
    const lang::TextCatalogue& texts = builtTexts(Language::English);
    const ProjectReadResult read = readProjectFile(fixture("format1_branches.vla"), texts);
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.content.columns.size(), 3u);
    EXPECT_EQ(read.messages, (std::vector<UserMessage>{
                                 {.icon = MessageIcon::Error,
                                  .caption = texts.text(GlobalText::ErrorCaption),
                                  .text = "Ihre Projekt-Datei enthält ein oder mehrere Elemente des Typs "
                                          "\"Abzweigstücke\". In der neuen Programmversion wird die Berechnung "
                                          "dieser Teile in anderer Form durchgeführt. Bitte berechnen Sie diese "
                                          "Teile neu!"},
                                 projectNotice(texts, GlobalText::ProjectConverted)}));
}

struct BrokenCase {
    const char* file;
    bool converted;  // an older format: the conversion notice comes first
};

class BrokenProjectFiles : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenProjectFiles, AreInvalidAndGiveNothing) {
    const lang::TextCatalogue& texts = builtTexts(Language::German);
    const ProjectReadResult read = readProjectFile(fixture(GetParam().file), texts);
    EXPECT_FALSE(read.valid);
    EXPECT_EQ(read.content, ProjectContent{});
    EXPECT_EQ(read.messages, std::vector<UserMessage>{projectNotice(texts, GlobalText::ProjectFileInvalid)});
}

// A first line of no known version is not an old project; it is not "converted" either.
INSTANTIATE_TEST_SUITE_P(Fixtures, BrokenProjectFiles,
                         ::testing::Values(BrokenCase{"column_count_not_a_number.vla", false},
                                           BrokenCase{"one_line_short.vla", false},
                                           BrokenCase{"no_pressure_loss.vla", false},
                                           BrokenCase{"unknown_version.vla", false}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '_');
                             return name;
                         });

TEST(ProjectFileReading, AnEmptyFileIsInvalid) {
    const ProjectReadResult read = readProjectFile("", builtTexts(Language::German));
    EXPECT_FALSE(read.valid);
    EXPECT_EQ(read.messages.size(), 1u);
}

// Applying a read project replaces what the table held; the total follows from the cells read.
TEST(ProjectFileReading, AppliedProjectReplacesTheTable) {
    const lang::TextCatalogue& texts = builtTexts(Language::German);
    ResultsTable table(texts);
    table.appendColumn(germanPipe());
    ProjectContent content = germanProject({germanPipe("1"), germanInlet("2")});
    content.unitSystem = model::UnitSystem::Us;
    applyProject(content, table);
    EXPECT_EQ(table.elementCount(), 2);
    EXPECT_EQ(table.unitSystem(), model::UnitSystem::Us);
    EXPECT_EQ(table.column(2).gas, airEntries);
    // 39,123 + 1,234 lbw./sq.ft.; the psi value is that ÷ 144 = 0,280
    EXPECT_EQ(table.totalText(), "40,357 lbw./sq.ft. bzw. 0,280 psi");
}

TEST(ProjectFileReading, UnitSystemLetter) {
    ProjectContent content = germanProject({germanPipe()});
    content.unitSystem = model::UnitSystem::Us;
    Lines lines = projectFileLines(content, builtTexts(Language::German));
    EXPECT_EQ(lines[2], "I");
    EXPECT_EQ(readProjectLines(lines, builtTexts(Language::German)).content.unitSystem, model::UnitSystem::Us);
    lines[2] = "x";
    EXPECT_EQ(readProjectLines(lines, builtTexts(Language::German)).content.unitSystem, model::UnitSystem::Metric);
}

}  // namespace
}  // namespace velmora::workflow
