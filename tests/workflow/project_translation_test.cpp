#include "workflow/project_translation.h"

#include <gtest/gtest.h>

#include "workflow/project_test_support.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using testing::builtTexts;
using testing::cellDifferences;
using testing::airEntries;
using testing::columnOf;
using testing::Language;

// Six columns as a project file stores them: German element names and table words, " in "
// before the unit, decimal commas.
std::vector<ResultColumn> storedColumns() {
    // The two columns of the shared fixture, then four more kinds.
    std::vector<ResultColumn> columns = testing::germanProjectColumns();
    columns.insert(columns.end(), {
        columnOf({{0, "3"}, {1, "Wasser/flü."}, {2, "1,000"}, {7, "Sprungartige Rohrerweiterung/1"},
                  {8, "Eintrittsdurchmesser D1 in mm: 50,000"}, {9, "Austrittsdurchmesser D2 in mm: 100,000"},
                  {14, "0,141"}, {15, "2,82E+0004"}, {16, "0,035"}, {17, "1,41E+0004"}, {18, "turbulent"},
                  {21, "0,563"}, {24, "0,005"}, {25, "0,000"}}),
        columnOf({{0, "4"}, {1, "Wasser/flü."}, {7, "Kreiskrümmer/1"}, {8, "Durchmesser D in mm: 100,000"},
                  {9, "Krümmungsradius R in mm: 150,000"}, {10, "Umlenkwinkel w in Grad: 90,000"},
                  {18, "turbulent"}, {25, "0,002"}}),
        // A height difference has no flow regime: row 18 stays empty.
        columnOf({{0, "5"}, {1, "Wasser/flü."}, {7, "Höhenunterschied/1"}, {8, "Höhendifferenz H in m: 10,000"},
                  {24, "980,700"}, {25, "0,981"}}),
        columnOf({{0, "6"}, {1, "Wasser/flü."}, {7, "Normventuridüse/1"},
                  {8, "Rohrdurchmesser D1 in mm: 100,000"}, {9, "Bohrungsdurchmesser D2 in mm: 60,000"},
                  {13, "Winkel des Diffusors:  15 Grad"}, {18, "turbulent"}, {25, "0,010"}}),
        columnOf({{0, "7"}, {1, "Wasser/flü."}, {7, "Zeta-Wert Kreisrohr/3"},
                  {8, "Elementdurchm. D in mm: 25,000"}, {9, "Widerstandsbeiwert: 2,000"}, {18, "laminar"},
                  {25, "0,020"}}),
    });
    return columns;
}

struct EditionCase {
    const char* name;
    Language language;
    std::vector<ResultColumn> shown;  // the same columns as the edition shows them (worked by hand)
};

std::vector<EditionCase> editionCases() {
    return {
        {"German", Language::German, storedColumns()},
        {"English",
         Language::English,
         {
             columnOf({{0, "1"}, {1, "Wasser/liq."}, {2, "1.000"}, {3, "998.200"}, {4, "1002.000"},
                       {6, "Saugleitung"}, {7, "Circular pipe/1"}, {8, "Diameter D in mm: 25.000"},
                       {9, "Pipe length L in m: 10.000"}, {14, "0.566"}, {15, "1.41E+0004"}, {18, "turbulent"},
                       {19, "0.100"}, {20, "0.031"}, {24, "39.123"}, {25, "0.039"}}),
             columnOf({{0, "2"}, {1, "Luft/gas."}, {2, "100.000"}, {3, "1.205"}, {4, "18.100"},
                       {7, "Sharp edged entrance/2"}, {8, "Diameter D in mm: 50.000"},
                       {13, "Inlet edge:  sharp-edged"}, {14, "14.147"}, {15, "1800"}, {18, "laminar"},
                       {21, "0.500"}, {24, "1.234"}, {25, "0.001"}},
                      airEntries),
             columnOf({{0, "3"}, {1, "Wasser/liq."}, {2, "1.000"}, {7, "Sudden expansion/1"},
                       {8, "Inlet diameter D1 in mm: 50.000"}, {9, "Outlet diameter D2 in mm: 100.000"},
                       {14, "0.141"}, {15, "2.82E+0004"}, {16, "0.035"}, {17, "1.41E+0004"}, {18, "turbulent"},
                       {21, "0.563"}, {24, "0.005"}, {25, "0.000"}}),
             columnOf({{0, "4"}, {1, "Wasser/liq."}, {7, "Circular bend/1"}, {8, "Diameter D in mm: 100.000"},
                       {9, "Bend radius R in mm: 150.000"}, {10, "Bend angle w in degrees: 90.000"},
                       {18, "turbulent"}, {25, "0.002"}}),
             columnOf({{0, "5"}, {1, "Wasser/liq."}, {7, "Height difference/1"},
                       {8, "Vertical difference H in m: 10.000"}, {24, "980.700"}, {25, "0.981"}}),
             columnOf({{0, "6"}, {1, "Wasser/liq."}, {7, "Venturi nozzle/1"},
                       {8, "Pipe diameter D1 in mm: 100.000"}, {9, "Bore diameter D2 in mm: 60.000"},
                       {13, "Divergent angle:  15 degrees"}, {18, "turbulent"}, {25, "0.010"}}),
             columnOf({{0, "7"}, {1, "Wasser/liq."}, {7, "Resistance coefficient circular/3"},
                       {8, "Element diameter D in mm: 25.000"}, {9, "Resistance coefficient: 2.000"},
                       {18, "laminar"}, {25, "0.020"}}),
         }},
        {"French",
         Language::French,
         {
             columnOf({{0, "1"}, {1, "Wasser/liq."}, {2, "1,000"}, {3, "998,200"}, {4, "1002,000"},
                       {6, "Saugleitung"}, {7, "Tuyau circulaire/1"}, {8, "Diamètre D en mm: 25,000"},
                       {9, "Longueur du tuyau L en m: 10,000"}, {14, "0,566"}, {15, "1,41E+0004"},
                       {18, "turbulent"}, {19, "0,100"}, {20, "0,031"}, {24, "39,123"}, {25, "0,039"}}),
             columnOf({{0, "2"}, {1, "Luft/gaz."}, {2, "100,000"}, {3, "1,205"}, {4, "18,100"},
                       {7, "Entrée à arête vive/2"}, {8, "Diamètre D en mm: 50,000"},
                       {13, "Arête d'entrée:  à arête vive"}, {14, "14,147"}, {15, "1800"}, {18, "laminaire"},
                       {21, "0,500"}, {24, "1,234"}, {25, "0,001"}},
                      airEntries),
             columnOf({{0, "3"}, {1, "Wasser/liq."}, {2, "1,000"}, {7, "Elargissement brusque/1"},
                       {8, "Diamètre d'entrée D1 en mm: 50,000"}, {9, "Diamètre de sortie D2 en mm: 100,000"},
                       {14, "0,141"}, {15, "2,82E+0004"}, {16, "0,035"}, {17, "1,41E+0004"}, {18, "turbulent"},
                       {21, "0,563"}, {24, "0,005"}, {25, "0,000"}}),
             columnOf({{0, "4"}, {1, "Wasser/liq."}, {7, "Coude circulaire/1"}, {8, "Diamètre D en mm: 100,000"},
                       {9, "Rayon de courbure R en mm: 150,000"}, {10, "Angle du coude w en degré: 90,000"},
                       {18, "turbulent"}, {25, "0,002"}}),
             columnOf({{0, "5"}, {1, "Wasser/liq."}, {7, "Différence de hauteur/1"},
                       {8, "Hauteur d'élévation H en m: 10,000"}, {24, "980,700"}, {25, "0,981"}}),
             columnOf({{0, "6"}, {1, "Wasser/liq."}, {7, "Tuyère venturi/1"},
                       {8, "Diamètre du tuyau D1 en mm: 100,000"}, {9, "Diamètre d'orifice D2 en mm: 60,000"},
                       {13, "Angle du divergent:  15 degré"}, {18, "turbulent"}, {25, "0,010"}}),
             columnOf({{0, "7"}, {1, "Wasser/liq."}, {7, "Autre composant prov.une perte de charge/3"},
                       {8, "Composant diamètre D en mm: 25,000"}, {9, "Coeff. de résistance: 2,000"},
                       {18, "laminaire"}, {25, "0,020"}}),
         }},
        {"Dutch",
         Language::Dutch,
         {
             columnOf({{0, "1"}, {1, "Wasser/vl."}, {2, "1,000"}, {3, "998,200"}, {4, "1002,000"},
                       {6, "Saugleitung"}, {7, "Ronde buis/1"}, {8, "Diameter D in mm: 25,000"},
                       {9, "Buislengte L in m: 10,000"}, {14, "0,566"}, {15, "1,41E+0004"}, {18, "turbulent"},
                       {19, "0,100"}, {20, "0,031"}, {24, "39,123"}, {25, "0,039"}}),
             columnOf({{0, "2"}, {1, "Luft/gasv."}, {2, "100,000"}, {3, "1,205"}, {4, "18,100"},
                       {7, "Scherpkantige inlaat/2"}, {8, "Diameter D in mm: 50,000"},
                       {13, "Rand van de inlaat:  scherpkantig"}, {14, "14,147"}, {15, "1800"}, {18, "laminair"},
                       {21, "0,500"}, {24, "1,234"}, {25, "0,001"}},
                      airEntries),
             columnOf({{0, "3"}, {1, "Wasser/vl."}, {2, "1,000"}, {7, "Plotselinge verwijding/1"},
                       {8, "Inlaatdiameter D1 in mm: 50,000"}, {9, "Uitlaatdiameter D2 in mm: 100,000"},
                       {14, "0,141"}, {15, "2,82E+0004"}, {16, "0,035"}, {17, "1,41E+0004"}, {18, "turbulent"},
                       {21, "0,563"}, {24, "0,005"}, {25, "0,000"}}),
             columnOf({{0, "4"}, {1, "Wasser/vl."}, {7, "Ronde bocht/1"}, {8, "Diameter D in mm: 100,000"},
                       {9, "Bochtstraal R in mm: 150,000"}, {10, "Bochthoek w in graden: 90,000"},
                       {18, "turbulent"}, {25, "0,002"}}),
             columnOf({{0, "5"}, {1, "Wasser/vl."}, {7, "Hoogteverschil/1"}, {8, "Hoogteverschil H in m: 10,000"},
                       {24, "980,700"}, {25, "0,981"}}),
             columnOf({{0, "6"}, {1, "Wasser/vl."}, {7, "Venturimondstuk/1"},
                       {8, "Buisdiameter D1 in mm: 100,000"}, {9, "Boringsdiameter D2 in mm: 60,000"},
                       {13, "Hoek van de diffusor:  15 graden"}, {18, "turbulent"}, {25, "0,010"}}),
             columnOf({{0, "7"}, {1, "Wasser/vl."}, {7, "Weerstandscoëfficiënt rond/3"},
                       {8, "Elementdiameter D in mm: 25,000"}, {9, "Weerstandscoëfficiënt: 2,000"},
                       {18, "laminair"}, {25, "0,020"}}),
         }},
    };
}

class ProjectTranslation : public ::testing::TestWithParam<EditionCase> {};

TEST_P(ProjectTranslation, StoredFormBecomesTheEditionsCells) {
    const EditionCase& c = GetParam();
    const std::vector<ResultColumn> shown = fromNeutralForm(storedColumns(), builtTexts(c.language));
    ASSERT_EQ(shown.size(), c.shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], c.shown[i]) << "column " << i + 1 << "\n" << cellDifferences(shown[i], c.shown[i]);
}

TEST_P(ProjectTranslation, EditionsCellsAreStoredInTheNeutralForm) {
    const EditionCase& c = GetParam();
    const std::vector<ResultColumn> stored = toNeutralForm(c.shown, builtTexts(c.language));
    const std::vector<ResultColumn> expected = storedColumns();
    ASSERT_EQ(stored.size(), expected.size());
    for (std::size_t i = 0; i < stored.size(); ++i)
        EXPECT_EQ(stored[i], expected[i]) << "column " << i + 1 << "\n" << cellDifferences(stored[i], expected[i]);
}

INSTANTIATE_TEST_SUITE_P(Editions, ProjectTranslation, ::testing::ValuesIn(editionCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Row 13 of files from older versions may still hold the surface and valve remarks of that time;
// they are dropped when the cells are shown in another edition.
TEST(ProjectTranslation, OldRemarksInTheChoiceRowAreDropped) {
    const auto shown = fromNeutralForm({columnOf({{13, " Das Ventil ist:  gegossen "}, {25, "0,1"}})},
                                       builtTexts(Language::English));
    EXPECT_EQ(shown[0].cells[13], "");
}

TEST(ProjectTranslation, AnElementNameOfNoKindStaysAsItIs) {
    const auto stored = toNeutralForm({columnOf({{7, "Pump of my own/1"}})}, builtTexts(Language::English));
    EXPECT_EQ(stored[0].cells[7], "Pump of my own/1");
}

struct MigrationCase {
    const char* name;
    const char* line;
    const char* migrated;
};

class OldLineMigration : public ::testing::TestWithParam<MigrationCase> {};

TEST_P(OldLineMigration, RenamesKindsOfEarlierVersions) {
    EXPECT_EQ(migrateOldLine(GetParam().line), GetParam().migrated);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OldLineMigration,
    ::testing::Values(
        MigrationCase{"CircularPlate", "Lochplatte dünn kreisförmig/1", "Lochplatte dünn Kreisrohr/1"},
        MigrationCase{"RectangularGrid", "Metallgitter rechteckig/2", "Metallgitter Rechteckrohr/2"},
        MigrationCase{"MitreBendKeepsItsName", "Kniestück, kreisförmig/1", "Kniestück, kreisförmig/1"},
        MigrationCase{"Orifice", "Orifice DIN 1952/1", "Orifice ISO 5167/1"},
        MigrationCase{"FrenchNozzle", "Gicleur normalisé (DIN 1952)/1", "Gicleur normalisé (ISO 5167)/1"},
        MigrationCase{"GivenZeta", "Zeta-Wert/1", "Zeta-Wert Kreisrohr/1"},
        MigrationCase{"GivenZetaEnglish", "Resistance coefficient/1", "Resistance coefficient circular/1"},
        MigrationCase{"OtherLine", "0,039", "0,039"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::workflow
