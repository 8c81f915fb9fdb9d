#include "workflow/settings_restore.h"

#include <gtest/gtest.h>

#include "persist/data_file_set.h"
#include "persist/ini_settings_store.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::GlobalText;
using testing::builtTexts;
using testing::Language;
using velmora::testing::FailingFileOps;
using velmora::testing::TempFolder;

// Every entry and unit box the settings keep.
constexpr FormField keptEntries[] = {
    FormField::MediumName, FormField::Flow, FormField::Density, FormField::Viscosity, FormField::InletPressure,
    FormField::InletTemperature, FormField::OutletTemperature, FormField::Slot1, FormField::Slot2, FormField::Slot3,
    FormField::Roughness};
constexpr FormField keptUnits[] = {
    FormField::FlowUnit, FormField::DensityUnit, FormField::ViscosityUnit, FormField::InletPressureUnit,
    FormField::InletTemperatureUnit, FormField::OutletTemperatureUnit, FormField::Slot1Unit, FormField::Slot2Unit,
    FormField::RoughnessUnit};

void expectSameForm(const MainForm& actual, const MainForm& expected) {
    for (FormField f : keptEntries) EXPECT_EQ(actual.text(f), expected.text(f)) << "entry " << static_cast<int>(f);
    for (FormField f : keptUnits)
        EXPECT_EQ(actual.unitBox(f).current(), expected.unitBox(f).current()) << "unit box " << static_cast<int>(f);
    EXPECT_EQ(actual.kind(), expected.kind());
    EXPECT_EQ(actual.state(), expected.state());
    EXPECT_EQ(actual.flowQuantity(), expected.flowQuantity());
    EXPECT_EQ(actual.viscosityQuantity(), expected.viscosityQuantity());
}

class SettingsTest : public ::testing::Test {
protected:
    const lang::TextCatalogue& texts = builtTexts(Language::English);
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "Velmora" / "Velmora 6.ini";
    persist::IniSettingsStore store{file};
    MainForm form{texts};
    RecentProjects recent;

    RestoredSettings restore() { return restoreSettings(store, form, recent); }
};

TEST_F(SettingsTest, AFirstStartShowsTheFreshStartForm) {
    const RestoredSettings restored = restore();
    expectSameForm(form, MainForm(texts));
    EXPECT_EQ(form.text(FormField::MediumName), texts.text(GlobalText::WaterName));
    EXPECT_EQ(form.text(FormField::Flow), "1.0");
    EXPECT_EQ(restored.options, Options::freshStart(texts.edition()));
    EXPECT_EQ(restored.options.normalColumnWidths, (std::array{150, 150}));
    EXPECT_EQ(restored.windows, WindowLayout{});
    EXPECT_EQ(recent.maxShown(), RecentProjects::defaultShown);
}

TEST_F(SettingsTest, EverythingSavedComesBackAtTheNextStart) {
    form.setState(model::MediumState::Gas);
    form.setText(FormField::MediumName, "Stickstoff");
    form.setFlowQuantity(model::FlowQuantity::Mass);
    form.selectUnitLabel(FormField::FlowUnit, "kg/s");
    form.setText(FormField::Flow, "0.25");
    form.setText(FormField::Density, "1.2");
    form.setViscosityQuantity(model::ViscosityQuantity::Kinematic);
    form.selectUnitLabel(FormField::ViscosityUnit, "cSt");
    form.setText(FormField::Viscosity, "15");
    form.setText(FormField::InletPressure, "45");
    form.selectUnitLabel(FormField::InletPressureUnit, "psia");
    form.setText(FormField::InletTemperature, "70");
    form.selectUnitLabel(FormField::InletTemperatureUnit, "degF");
    form.setText(FormField::OutletTemperature, "300");
    form.selectUnitLabel(FormField::OutletTemperatureUnit, "K");
    form.setUpKind({4, 1});
    form.setText(FormField::Slot1, "4");
    form.selectUnitLabel(FormField::Slot1Unit, "in.");
    form.setText(FormField::Slot2, "");
    form.setText(FormField::Slot3, "45");
    form.setText(FormField::Roughness, "0.002");
    form.selectUnitLabel(FormField::RoughnessUnit, "in.");
    const Options options{.unitSystem = model::UnitSystem::Us,
                          .restoreFormAtStart = true,
                          .decimals = 5,
                          .userDatabaseUnits = model::UnitSystem::Us,
                          .titleForm = TitleForm::FullPath,
                          .normalColumnWidths = {160, 170},
                          .updateCheck = true};
    const WindowLayout windows{.mainWindow = WindowPlacement{10, 20, 0, 0},
                               .resultsWindow = WindowPlacement{30, 40, 800, 600},
                               .shortDisplay = WindowPlacement{-5, 60, 300, 400},
                               .shortDisplayColumns = std::array{40, 120, 180, 90},
                               .mainGeometry = std::string("AdnQywADAAAAAAAoAAAAHg=="),
                               .dockLayout = std::string("AAAA/wAAAAD9AAAAAQ==")};
    const auto project = folder.write("p.vla", "6.0");
    recent.add(project);
    ASSERT_EQ(saveSettings(store, options, windows, form, recent), std::nullopt);

    persist::IniSettingsStore reopened(file);
    MainForm next(texts);
    RecentProjects nextRecent;
    const RestoredSettings restored = restoreSettings(reopened, next, nextRecent);
    expectSameForm(next, form);
    EXPECT_EQ(next.text(FormField::Slot2), "");  // a text stored empty stays empty
    EXPECT_EQ(restored.options, options);
    EXPECT_EQ(restored.windows, windows);
    EXPECT_EQ(nextRecent.paths(), recent.paths());
}

TEST_F(SettingsTest, SavingAtExitSwitchedOffRestoresTheFreshFormYetSavesEverything) {
    store.write("Allgemein", "espeichern", "1");
    store.write("Allgemein", "Nachkomma", "5");
    store.write("Medium", "Art", "Luft");
    store.write("Rohr", "Gruppe", "4");
    const RestoredSettings restored = restore();
    expectSameForm(form, MainForm(texts));
    EXPECT_FALSE(restored.options.restoreFormAtStart);
    EXPECT_EQ(restored.options.decimals, 3);

    ASSERT_EQ(saveSettings(store, restored.options, restored.windows, form, recent), std::nullopt);
    const persist::IniSettingsStore saved(file);
    EXPECT_EQ(saved.read("Allgemein", "espeichern"), "1");
    EXPECT_EQ(saved.read("Allgemein", "Nachkomma"), "3");
    EXPECT_EQ(saved.read("Medium", "Art"), texts.text(GlobalText::WaterName));
    EXPECT_EQ(saved.read("Rohr", "Gruppe"), "1");
    EXPECT_EQ(saved.read("Gasdaten", "E_Druck_Einheit"), "0");
}

struct UnitSystemCase {
    const char* name;
    std::optional<std::string> stored;
    model::UnitSystem expected;
};

class StoredUnitSystem : public SettingsTest, public ::testing::WithParamInterface<UnitSystemCase> {};

TEST_P(StoredUnitSystem, OnlyIMeansUs) {
    if (GetParam().stored) store.write("Allgemein", "metrisch", *GetParam().stored);
    store.write("Allgemein", "espeichern", "1");  // read whatever the save-at-exit choice
    EXPECT_EQ(restore().options.unitSystem, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredUnitSystem,
                         ::testing::Values(UnitSystemCase{"Missing", std::nullopt, model::UnitSystem::Metric},
                                           UnitSystemCase{"M", "M", model::UnitSystem::Metric},
                                           UnitSystemCase{"I", "I", model::UnitSystem::Us},
                                           UnitSystemCase{"LowerCase", "i", model::UnitSystem::Metric}),
                         [](const auto& info) { return std::string(info.param.name); });

// The stored position refers to the list of the stored quantity, which is filled first.
TEST_F(SettingsTest, AFlowUnitPositionOfTheMassList) {
    store.write("Medium", "Vol_Mastrom", "1");
    store.write("Medium", "Menge_Einheit", "3");
    restore();
    EXPECT_EQ(form.flowQuantity(), model::FlowQuantity::Mass);
    EXPECT_EQ(form.unitBox(FormField::FlowUnit).current(), "lb./hr");
}

// Values that are missing, not numbers or out of range fall back to the fresh-start defaults.
struct FallbackCase {
    const char* name;
    const char* subkey;
    const char* value;
    const char* text;
    std::function<void(const MainForm&, const RestoredSettings&)> check;
};

class Fallback : public SettingsTest, public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(Fallback, TakesTheFreshStartValue) {
    store.write(GetParam().subkey, GetParam().value, GetParam().text);
    GetParam().check(form, restore());
}

INSTANTIATE_TEST_SUITE_P(
    Values, Fallback,
    ::testing::Values(
        FallbackCase{"FlowUnitNotANumber", "Medium", "Menge_Einheit", "m3/h",
                     [](const MainForm& f, const RestoredSettings&) { EXPECT_EQ(f.unitBox(FormField::FlowUnit).index(), 0); }},
        FallbackCase{"DensityUnitBeyondTheList", "Medium", "Dichte_Einheit", "11",
                     [](const MainForm& f, const RestoredSettings&) { EXPECT_EQ(f.unitBox(FormField::DensityUnit).index(), 0); }},
        FallbackCase{"ViscosityQuantityNotANumber", "Medium", "Dyn_KinVisko", "zwei",
                     [](const MainForm& f, const RestoredSettings&) {
                         EXPECT_EQ(f.viscosityQuantity(), model::ViscosityQuantity::Dynamic);
                     }},
        FallbackCase{"KindThatDoesNotExist", "Rohr", "Gruppe", "14",
                     [](const MainForm& f, const RestoredSettings&) { EXPECT_EQ(f.kind(), (model::ElementKind{1, 1})); }},
        FallbackCase{"DecimalsAboveSix", "Allgemein", "Nachkomma", "9",
                     [](const MainForm&, const RestoredSettings& r) { EXPECT_EQ(r.options.decimals, 3); }},
        FallbackCase{"ColumnWidthNotANumber", "Allgemein", "RNormspaltenbreite0", "breit",
                     [](const MainForm&, const RestoredSettings& r) { EXPECT_EQ(r.options.normalColumnWidths[0], 150); }},
        FallbackCase{"ResultsWindowWithoutItsSize", "Fenster", "AF_Left", "10",
                     [](const MainForm&, const RestoredSettings& r) { EXPECT_EQ(r.windows.resultsWindow, std::nullopt); }},
        FallbackCase{"AnEmptyMediumNameIsKept", "Medium", "Art", "",
                     [](const MainForm& f, const RestoredSettings&) { EXPECT_EQ(f.text(FormField::MediumName), ""); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, AStoreThatCannotBeWrittenIsReportedAndKeepsItsFile) {
    store.write("Allgemein", "metrisch", "M");
    store.flush();
    const std::string before = persist::readWholeFile(file);
    FailingFileOps ops;
    ops.writeLimit = 10;
    persist::IniSettingsStore failing(file, ops);
    const auto message = saveSettings(failing, Options{}, WindowLayout{}, form, recent);
    EXPECT_EQ(message, (UserMessage{.icon = MessageIcon::Error,
                                    .caption = texts.text(GlobalText::ErrorCaption),
                                    .text = texts.text(GlobalText::SettingsSaveFailed)}));
    EXPECT_EQ(persist::readWholeFile(file), before);
}

// ---- the recent list in the settings --------------------------------------------------------------

TEST_F(SettingsTest, TheRecentListDropsFilesThatAreGoneAndKeepsTheOrder) {
    const auto a = folder.write("a.vla", "6.0");
    const auto c = folder.write("c.vla", "6.0");
    store.write("RecentFiles", "fMaxEntries", "6");
    store.write("RecentFiles", "fPathFormat", "1");
    store.write("RecentFiles", "fRecentFile0", a.string());
    store.write("RecentFiles", "fRecentFile1", (folder.path() / "gone.vla").string());
    store.write("RecentFiles", "fRecentFile2", c.string());
    restore();
    EXPECT_EQ(recent.paths(), (std::vector<std::string>{a.string(), c.string()}));
    EXPECT_EQ(recent.pathFormat(), 1);
    EXPECT_EQ(recent.maxShown(), 6);
}

TEST_F(SettingsTest, ARecentListWithoutAMaximumShowsFour) {
    store.write("RecentFiles", "fPathFormat", "0");
    restore();
    EXPECT_EQ(recent.maxShown(), RecentProjects::missingShown);
}

TEST_F(SettingsTest, AShorterListLeavesNoOlderPathBehind) {
    for (int i = 0; i < 5; ++i) recent.add(folder.write("p" + std::to_string(i) + ".vla", "6.0"));
    ASSERT_EQ(saveSettings(store, Options{}, WindowLayout{}, form, recent), std::nullopt);
    RecentProjects shorter;
    shorter.add(folder.path() / "p0.vla");
    ASSERT_EQ(saveSettings(store, Options{}, WindowLayout{}, form, shorter), std::nullopt);
    RecentProjects reloaded;
    MainForm next(texts);
    restoreSettings(persist::IniSettingsStore(file), next, reloaded);
    EXPECT_EQ(reloaded.paths(), shorter.paths());
}

}  // namespace
}  // namespace velmora::workflow
