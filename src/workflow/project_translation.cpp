#include "workflow/project_translation.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "model/number_text.h"
#include "workflow/result_rows.h"
#include "workflow/text_edit.h"

namespace velmora::workflow {

namespace {

using lang::Edition;
using lang::TextCatalogue;
using model::GlobalText;
using Language = Edition::Language;

constexpr std::string_view neutralLiquid = "/flü.";
constexpr std::string_view neutralGas = "/gasf.";
constexpr std::string_view neutralJoin = "in";
constexpr std::string_view neutralLaminar = "laminar";
constexpr std::string_view neutralTurbulent = "turbulent";

// Rows of numbers that change their decimal separator between the stored form and the English
// edition. Row 17 (the second Reynolds number) is a number like row 15 and is converted with it.
constexpr std::array numberRows{row::flow,     row::density,        row::viscosity, row::velocity,
                                row::reynolds, row::velocity2,      row::reynolds2, row::roughness,
                                row::frictionFactor, row::zeta,     row::zetaBranch, row::branchLoss,
                                row::lossSmall, row::lossLarge};
constexpr int firstSlotRow = row::slot1;  // rows 8 … 13: slot descriptions and the two-option choice
constexpr int lastSlotRow = row::choice;

std::string& cellOf(ResultColumn& column, int r) { return column.cells[static_cast<std::size_t>(r)]; }

std::size_t at(Language language) { return static_cast<std::size_t>(language); }

struct Replacement {
    std::string_view from;
    std::string_view to;
};

void replaceEach(std::string& cell, std::initializer_list<Replacement> replacements) {
    for (const Replacement& r : replacements) replaceAll(cell, r.from, r.to);
}

void deleteEach(std::string& cell, std::initializer_list<std::string_view> texts) {
    for (std::string_view t : texts) replaceAll(cell, t, "");
}

void replaceCharInRows(ResultColumn& column, char from, char to, bool withSlotRows) {
    for (int r : numberRows) cellOf(column, r) = model::replaceChar(cellOf(column, r), from, to);
    if (withSlotRows)
        for (int r = firstSlotRow; r <= lastSlotRow; ++r) cellOf(column, r) = model::replaceChar(cellOf(column, r), from, to);
}

// A slot cell ends in ": " and its value. The English edition writes the value with a point; the
// stored form has a comma like every other number, so that the German edition does not show
// 25.000 mm (twenty-five thousand to a German reader) for 25 mm. Labels and units keep their
// points ("in.", "Elementdurchm."): a unit read as "in," would no longer be found when the
// column is converted to the other unit system or copied back into the entries.
void commaInSlotValue(std::string& cell) {
    const auto colon = cell.rfind(": ");
    if (colon == std::string::npos) return;
    const std::string value = cell.substr(colon + 2);
    if (value.empty() || !model::readNumber(value)) return;
    cell = cell.substr(0, colon + 2) + model::replaceChar(value, '.', ',');
}

// Row 7 holds the element name, "/" and the count. The name is looked up among the subgroup
// names of `from` and replaced by the same kind's name in `to`; a name of no kind stays.
void renameElement(std::string& cell, const TextCatalogue& texts, Language from, Language to) {
    const auto slash = cell.find('/');
    const std::string name = cell.substr(0, slash);
    if (name.empty()) return;
    for (int g = 1; g <= TextCatalogue::groupCount; ++g)
        for (int s = 1; s <= TextCatalogue::subgroupCount; ++s)
            if (texts.subgroupName(g, s, from) == name) {
                cell = texts.subgroupName(g, s, to) + (slash == std::string::npos ? "" : cell.substr(slash));
                return;
            }
}

// One vocabulary pass over a cell, read from left to right: where the text of a vocabulary line
// in `from` begins, the first such line in file order (the file lists compounds before the words
// they contain) is replaced by its text in `to`, and the reading goes on after it. So every
// occurrence is translated, not only that of the first line found, and no text put in is read
// again. The first pass looks only at texts with a blank, so that phrases ("Winkel w") are taken
// before the single words they contain.
class VocabularyPass {
  public:
    VocabularyPass(const std::vector<TextCatalogue::Forms>& vocabulary, Language from, Language to, bool phrasesOnly) {
        for (const TextCatalogue::Forms& forms : vocabulary) {
            const std::string& text = forms[at(from)];
            if (text.empty() || (phrasesOnly && text.find(' ') == std::string::npos)) continue;
            byFirstByte_[static_cast<unsigned char>(text.front())].push_back({text, forms[at(to)]});
        }
    }

    void apply(std::string& cell) const {
        std::string out;
        bool changed = false;
        for (std::size_t i = 0; i < cell.size();) {
            const Replacement* found = nullptr;
            for (const Replacement& r : byFirstByte_[static_cast<unsigned char>(cell[i])])
                if (std::string_view(cell).substr(i, r.from.size()) == r.from) {
                    found = &r;
                    break;
                }
            if (found) {
                out.append(found->to);
                i += found->from.size();
                changed = true;
            } else {
                out.push_back(cell[i++]);
            }
        }
        if (changed) cell = std::move(out);
    }

  private:
    std::array<std::vector<Replacement>, 256> byFirstByte_;
};

// Rows 8 … 13 word by word from one language into another; after each pass the word joining a
// slot label and its unit is exchanged.
class SlotRowTranslator {
  public:
    SlotRowTranslator(const TextCatalogue& texts, Language from, Language to, int passes, std::string_view joinFrom,
                      std::string_view joinTo)
        : phrases_(texts.vocabulary(), from, to, true),
          words_(texts.vocabulary(), from, to, false),
          passes_(passes),
          joinFrom_(" " + std::string(joinFrom) + " "),
          joinTo_(" " + std::string(joinTo) + " ") {}

    void operator()(ResultColumn& column) const {
        for (int r = firstSlotRow; r <= lastSlotRow; ++r) {
            std::string& cell = cellOf(column, r);
            if (cell.empty()) continue;
            for (int pass = 0; pass < passes_; ++pass) {
                (pass == 0 ? phrases_ : words_).apply(cell);
                replaceAll(cell, joinFrom_, joinTo_);
            }
        }
    }

  private:
    VocabularyPass phrases_;
    VocabularyPass words_;
    int passes_;
    std::string joinFrom_;
    std::string joinTo_;
};

// Row 18: the laminar word, anything else the turbulent word. A kind without a flow regime (the
// height difference) keeps its empty cell.
void translateRegime(std::string& cell, std::string_view laminarFrom, std::string_view laminarTo,
                     std::string_view turbulentTo) {
    if (cell.empty()) return;
    cell = std::string(cell == laminarFrom ? laminarTo : turbulentTo);
}

std::string slash(const TextCatalogue& texts, GlobalText word) { return "/" + texts.text(word); }

Language editionLanguage(const TextCatalogue& texts) { return texts.edition().language(); }

}  // namespace

std::vector<ResultColumn> toNeutralForm(std::vector<ResultColumn> columns, const TextCatalogue& texts) {
    const Language language = editionLanguage(texts);
    if (language == Language::German) return columns;
    const bool english = texts.edition().isEnglish();
    const SlotRowTranslator translateSlotRows(texts, language, Language::German, 2,
                                              texts.text(GlobalText::UnitConnector), neutralJoin);
    for (ResultColumn& column : columns) {
        std::string& medium = cellOf(column, row::medium);
        replaceAll(medium, slash(texts, GlobalText::StateLiquidShort), neutralLiquid);
        replaceAll(medium, slash(texts, GlobalText::StateGasShort), neutralGas);
        if (english) {
            replaceCharInRows(column, '.', ',', false);
            for (int r = row::slot1; r <= row::slot5; ++r) commaInSlotValue(cellOf(column, r));
        }
        renameElement(cellOf(column, row::element), texts, language, Language::German);
        translateSlotRows(column);
        translateRegime(cellOf(column, row::regime), texts.text(GlobalText::RegimeLaminar), neutralLaminar,
                        neutralTurbulent);
    }
    return columns;
}

std::vector<ResultColumn> fromNeutralForm(std::vector<ResultColumn> columns, const TextCatalogue& texts) {
    const Language language = editionLanguage(texts);
    if (language == Language::German) return columns;
    const SlotRowTranslator translateSlotRows(texts, Language::German, language, 2, neutralJoin,
                                              texts.text(GlobalText::UnitConnector));
    for (ResultColumn& column : columns) {
        std::string& medium = cellOf(column, row::medium);
        replaceAll(medium, neutralLiquid, slash(texts, GlobalText::StateLiquidShort));
        replaceAll(medium, neutralGas, slash(texts, GlobalText::StateGasShort));

        std::string& choice = cellOf(column, row::choice);
        choice = trimBlanks(choice);
        if (!choice.empty())
            deleteEach(choice, {"Die Rohroberfläche ist:  glatt", "Die Rohroberfläche ist:  rauh",
                                "Die Rohroberfläche ist: glatt", "Die Rohrobefläche ist: rauh",
                                "Das Ventil ist:  geschmiedet", "Das Ventil ist:  gegossen"});
        replaceAll(cellOf(column, row::slot1), "Elementdurchmesser", "Elementdurchm.");
        if (texts.edition().isEnglish()) replaceCharInRows(column, ',', '.', true);
        renameElement(cellOf(column, row::element), texts, Language::German, language);
        translateSlotRows(column);
        replaceEach(cellOf(column, row::slot1), {{"Heightndifferenz", "Vertical difference"},
                                                 {"Hauteurndifferenz", "Hauteur d'élévation"},
                                                 {"Hoogtendifferenz", "Hoogteverschil"}});
        translateRegime(cellOf(column, row::regime), neutralLaminar, texts.text(GlobalText::RegimeLaminar),
                        texts.text(GlobalText::RegimeTurbulent));
    }
    return columns;
}

// ---- older formats --------------------------------------------------------------------------------

std::string migrateOldLine(std::string line) {
    if (containsText(line, "kreisförmig") && !containsText(line, "Kniestück")) replaceAll(line, "kreisförmig", "Kreisrohr");
    if (containsText(line, "rechteckig") && !containsText(line, "Kniestück")) replaceAll(line, "rechteckig", "Rechteckrohr");
    replaceEach(line, {{"Orifice DIN 1952", "Orifice ISO 5167"},
                       {"Gicleur normalisé (DIN 1952)", "Gicleur normalisé (ISO 5167)"},
                       {"Zeta-Wert/", "Zeta-Wert Kreisrohr/"},
                       {"Resistance coefficient/", "Resistance coefficient circular/"}});
    return line;
}

bool writtenInEnglish(const std::vector<ResultColumn>& columns) {
    if (columns.empty()) return false;
    const ResultColumn& first = columns.front();
    return containsText(first.cells[row::lossSmall], ".") || containsText(first.cells[row::lossLarge], ".");
}

std::vector<ResultColumn> englishToNeutral(std::vector<ResultColumn> columns, const TextCatalogue& texts) {
    const SlotRowTranslator translateSlotRows(texts, Language::English, Language::German, 3, "in", neutralJoin);
    for (ResultColumn& column : columns) {
        replaceEach(cellOf(column, row::medium), {{"/liq.", neutralLiquid}, {"/gas.", neutralGas}});
        replaceCharInRows(column, '.', ',', false);
        for (int r = firstSlotRow; r <= lastSlotRow; ++r) commaInSlotValue(cellOf(column, r));
        replaceAll(cellOf(column, row::element), "Sharpe edged entrance", "Sharp edged entrance");
        replaceAll(cellOf(column, row::slot1 + 1), "Quantity", "Number");
        replaceAll(cellOf(column, row::slot1 + 2), "Lenght", "Length");
        std::string& choice = cellOf(column, row::choice);
        replaceAll(choice, "sharpe-edged", "sharp-edged");
        deleteEach(choice, {"The valve is:  forged", "The valve is:  cast", "The surface of pipe is:  smooth",
                            "The Surface of Pipe is: smooth", "The surface of pipe is:  rough",
                            "The Surface of Pipe is: rough"});
        renameElement(cellOf(column, row::element), texts, Language::English, Language::German);
        translateSlotRows(column);
    }
    return columns;
}

std::vector<ResultColumn> frenchToNeutral(std::vector<ResultColumn> columns, const TextCatalogue& texts) {
    const SlotRowTranslator translateSlotRows(texts, Language::French, Language::German, 3, "en", neutralJoin);
    for (ResultColumn& column : columns) {
        replaceEach(cellOf(column, row::medium), {{"/liq.", neutralLiquid}, {"/gas.", neutralGas}});
        replaceCharInRows(column, '.', ',', false);
        for (int r = firstSlotRow; r <= lastSlotRow; ++r) commaInSlotValue(cellOf(column, r));
        std::string& element = cellOf(column, row::element);
        replaceEach(element, {{"Canal/feeder", "Canal"}, {"élargissement", "Elargissement"}});
        if (containsText(element, "Coude rectangulaire/")) replaceAll(cellOf(column, 11), "Angle w:", "Angle w in degré:");
        replaceEach(cellOf(column, 9), {{"Coeff, de résistance", "Coeff. de résistance"},
                                        {"Longueur de la circonférence mouillée", "Long.circonf.mouill."},
                                        {"Quantity", "Number"}});
        replaceAll(cellOf(column, 11), "degrés", "degré");
        std::string& choice = cellOf(column, row::choice);
        replaceAll(choice, "degrés", "degré");
        std::string& firstSlot = cellOf(column, row::slot1);
        if (containsText(element, "Coude en fonte")) replaceAll(firstSlot, "Diamètre du tuyau", "Nom.diam.du tuyau");
        if (containsText(element, "Autre composant prov.une perte de charge"))
            replaceAll(firstSlot, "Diamètre", "Composant diamètre");
        replaceAll(choice, "(angle d´ouverture", "Angle d'ouverture");
        deleteEach(choice, {"La vanne est:  forgée", "La vanne est:  en fonderie", "La surface te tuyau est: lisse",
                            "La surface te tuyau est: rugueuse", "La surface interne du tuyau est:  lisse",
                            "La surface interne du tuyau est:  rugueuse"});
        renameElement(element, texts, Language::French, Language::German);
        translateSlotRows(column);
        replaceAll(cellOf(column, row::regime), "laminaire", neutralLaminar);
    }
    return columns;
}

}  // namespace velmora::workflow
