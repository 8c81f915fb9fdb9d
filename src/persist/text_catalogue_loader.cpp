#include "persist/text_catalogue_loader.h"

#include <string>
#include <vector>

#include "persist/data_file_error.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::persist {

namespace {

using lang::Edition;
using lang::TextCatalogue;

constexpr std::array languages{Edition::Language::German, Edition::Language::English,
                               Edition::Language::French, Edition::Language::Dutch};

// Line numbers (1-based) of the element text file.
int groupLine(int group) { return group + 2; }
int subgroupLine(int group, int subgroup) { return 9 * group + subgroup + 15; }

// The global texts sit on lines 7–155 and 166–192; lines 156–165 are skipped.
constexpr int firstBlockStart = 7, firstBlockEnd = 155, secondBlockStart = 166, secondBlockEnd = 192;

const std::string& lineAt(const std::vector<std::string>& lines, int lineNumber, std::string_view file) {
    if (lineNumber < 1 || static_cast<std::size_t>(lineNumber) > lines.size())
        throw DataFileError(std::string(file), lineNumber, "the file ends before this line");
    return lines[static_cast<std::size_t>(lineNumber - 1)];
}

std::string fieldText(const std::string& line, int n) { return std::string(field(line, n)); }

void readElementNames(const DataFileSet& files, Edition edition, TextCatalogue& catalogue) {
    const std::vector<std::string> lines = files.readPlain(elementTextFile);
    for (int g = 1; g <= TextCatalogue::groupCount; ++g)
        catalogue.setGroupName(g, fieldText(lineAt(lines, groupLine(g), elementTextFile), edition.elementTextField()));
    for (int g = 1; g <= TextCatalogue::groupCount; ++g)
        for (int s = 1; s <= TextCatalogue::subgroupCount; ++s) {
            const std::string& line = lineAt(lines, subgroupLine(g, s), elementTextFile);
            for (Edition::Language language : languages)
                catalogue.setSubgroupName(g, s, language, fieldText(line, Edition(language).elementTextField()));
        }
}

void readGlobalTexts(const DataFileSet& files, Edition edition, TextCatalogue& catalogue) {
    std::vector<std::string> lines = files.readEnciphered(globalTextFile, LineCipher::dataKey);
    int position = 0;
    for (auto [start, end] : {std::pair{firstBlockStart, firstBlockEnd}, std::pair{secondBlockStart, secondBlockEnd}})
        for (int n = start; n <= end; ++n)
            catalogue.setText(position++, fieldText(lineAt(lines, n, globalTextFile), edition.textField()));
    for (const std::string& line : lines)
        if (field(line, 1) == "x")
            catalogue.addVocabulary({fieldText(line, 4), fieldText(line, 5), fieldText(line, 6), fieldText(line, 7)});
    catalogue.setGlobalFileLines(std::move(lines));
}

void readWindowBlocks(const DataFileSet& files, Edition edition, TextCatalogue& catalogue) {
    const std::vector<std::string> lines = files.readEnciphered(windowTextFile, LineCipher::dataKey);
    // A window's block runs from the first line naming it over the lines that follow with the
    // same name; a later block of the same name is not reached by the lookup.
    std::string current;
    bool currentClosed = false;
    for (const std::string& line : lines) {
        const std::string name = fieldText(line, 1);
        if (name != current) {
            currentClosed = catalogue.windowBlock(name) != nullptr;
            current = name;
        }
        if (!name.empty() && name != "#" && !currentClosed) catalogue.addWindowText(name, fieldText(line, edition.textField()));
    }
    if (!catalogue.windowBlock("MyWindow"))
        throw DataFileError(std::string(windowTextFile), 0, "the main window's texts are missing");
}

}  // namespace

lang::TextCatalogue loadTextCatalogue(const DataFileSet& files, lang::Edition edition) {
    TextCatalogue catalogue(edition);
    readWindowBlocks(files, edition, catalogue);
    readGlobalTexts(files, edition, catalogue);
    readElementNames(files, edition, catalogue);
    return catalogue;
}

}  // namespace velmora::persist
