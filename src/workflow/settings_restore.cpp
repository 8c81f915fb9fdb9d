#include "workflow/settings_restore.h"

#include <charconv>
#include <stdexcept>
#include <string>

#include "workflow/text_edit.h"

namespace velmora::workflow {

namespace {

using model::GlobalText;
using model::UnitSystem;
using persist::SettingsStore;

constexpr std::string_view general = "Allgemein";
constexpr std::string_view windowsKey = "Fenster";
constexpr std::string_view medium = "Medium";
constexpr std::string_view gasData = "Gasdaten";
constexpr std::string_view pipe = "Rohr";
constexpr std::string_view recentKey = "RecentFiles";

// An entry and its unit box, stored as the entry text and the unit's position in its list.
struct EntryValue {
    std::string_view subkey;
    std::string_view name;  // the text; the unit index is name + "_Einheit"
    FormField entry;
    FormField unit;
};

constexpr EntryValue mediumEntries[] = {
    {medium, "Menge", FormField::Flow, FormField::FlowUnit},
    {medium, "Dichte", FormField::Density, FormField::DensityUnit},
    {medium, "Visko", FormField::Viscosity, FormField::ViscosityUnit},
};
constexpr EntryValue gasEntries[] = {
    {gasData, "E_Druck", FormField::InletPressure, FormField::InletPressureUnit},
    {gasData, "E_Temp", FormField::InletTemperature, FormField::InletTemperatureUnit},
    {gasData, "A_Temp", FormField::OutletTemperature, FormField::OutletTemperatureUnit},
};
constexpr EntryValue pipeEntries[] = {
    {pipe, "Va1", FormField::Slot1, FormField::Slot1Unit},       {pipe, "Va2", FormField::Slot2, FormField::Slot2Unit},
    {pipe, "Va3", FormField::Slot3, FormField::Slot3Unit},       {pipe, "Va4", FormField::Slot4, FormField::Slot4Unit},
    {pipe, "Va5", FormField::Slot5, FormField::Slot5Unit},       {pipe, "VaRauh", FormField::Roughness, FormField::RoughnessUnit},
};

std::string unitName(std::string_view name) { return std::string(name) + "_Einheit"; }

// ---- reading --------------------------------------------------------------------------------------

class Reader {
public:
    explicit Reader(const SettingsStore& store) : store_(store) {}

    std::optional<std::string> text(std::string_view subkey, std::string_view name) const {
        return store_.read(subkey, name);
    }
    // A whole decimal integer (blanks around it allowed); nothing for a missing or other text.
    std::optional<int> integer(std::string_view subkey, std::string_view name) const {
        const std::optional<std::string> stored = store_.read(subkey, name);
        if (!stored) return std::nullopt;
        const std::string trimmed = trimBlanks(*stored);
        int value = 0;
        const char* end = trimmed.data() + trimmed.size();
        const auto [ptr, ec] = std::from_chars(trimmed.data(), end, value);
        if (trimmed.empty() || ec != std::errc{} || ptr != end) return std::nullopt;
        return value;
    }
    int integerOr(std::string_view subkey, std::string_view name, int fallback) const {
        return integer(subkey, name).value_or(fallback);
    }
    // A window's values are used only when all of them are stored numbers.
    std::optional<WindowPlacement> placement(std::string_view prefix, bool withSize) const {
        const std::string p(prefix);
        const auto left = integer(windowsKey, p + "_Left"), top = integer(windowsKey, p + "_Top");
        if (!left || !top) return std::nullopt;
        WindowPlacement placement{*left, *top, 0, 0};
        if (withSize) {
            const auto width = integer(windowsKey, p + "_Width"), height = integer(windowsKey, p + "_Height");
            if (!width || !height) return std::nullopt;
            placement.width = *width;
            placement.height = *height;
        }
        return placement;
    }

private:
    const SettingsStore& store_;
};

// The entry text when one is stored, else the fresh-start text; the unit position when it is a
// stored number the list has, else the first unit.
void restoreEntry(const Reader& reader, const EntryValue& value, MainForm& form, const MainForm& fresh) {
    form.setText(value.entry, reader.text(value.subkey, value.name).value_or(fresh.text(value.entry)));
    const std::optional<int> index = reader.integer(value.subkey, unitName(value.name));
    if (!index || !form.selectUnit(value.unit, *index)) form.selectUnit(value.unit, 0);
}

void restoreMedium(const Reader& reader, MainForm& form, const MainForm& fresh) {
    form.setText(FormField::MediumName, reader.text(medium, "Art").value_or(fresh.text(FormField::MediumName)));
    // The quantity first: it refills the unit list that the stored position refers to.
    form.setFlowQuantity(reader.integerOr(medium, "Vol_Mastrom", 0) == 1 ? model::FlowQuantity::Mass
                                                                          : model::FlowQuantity::Volume);
    restoreEntry(reader, mediumEntries[0], form, fresh);
    restoreEntry(reader, mediumEntries[1], form, fresh);
    form.setViscosityQuantity(reader.integerOr(medium, "Dyn_KinVisko", 0) == 1 ? model::ViscosityQuantity::Kinematic
                                                                              : model::ViscosityQuantity::Dynamic);
    restoreEntry(reader, mediumEntries[2], form, fresh);
    form.setState(reader.text(medium, "fluessig") == "1" ? model::MediumState::Gas : model::MediumState::Liquid);
    for (const EntryValue& value : gasEntries) restoreEntry(reader, value, form, fresh);
}

void restoreKind(const Reader& reader, MainForm& form, const MainForm& fresh) {
    const model::ElementKind stored{reader.integerOr(pipe, "Gruppe", 1), reader.integerOr(pipe, "UGruppe", 1)};
    for (int n = 1; n <= 3; ++n) form.selectUnit(slotUnitField(n), 0);
    try {
        form.setUpKind(stored);
    } catch (const std::invalid_argument&) {
        form.setUpKind(fresh.kind());
    }
    // The slots keep the kind's default texts where nothing is stored.
    for (const EntryValue& value : pipeEntries) {
        if (auto text = reader.text(value.subkey, value.name)) form.setText(value.entry, *text);
        const std::optional<int> index = reader.integer(value.subkey, unitName(value.name));
        if (!index || !form.selectUnit(value.unit, *index)) form.selectUnit(value.unit, 0);
    }
}

void restoreOptions(const Reader& reader, Options& options) {
    if (auto check = reader.text(general, "upgradepruefung")) options.updateCheck = *check == "j";
    options.normalColumnWidths[0] = reader.integerOr(general, "RNormspaltenbreite0", options.normalColumnWidths[0]);
    options.normalColumnWidths[1] = reader.integerOr(general, "RNormspaltenbreite1", options.normalColumnWidths[1]);
    if (auto decimals = reader.integer(general, "Nachkomma"); decimals && *decimals >= 0 && *decimals <= 6)
        options.decimals = *decimals;
    if (auto units = reader.integer(general, "Ben_Daba_Einheit"))
        options.userDatabaseUnits = *units == 1 ? UnitSystem::Us : UnitSystem::Metric;
    options.titleForm = reader.text(general, "Tabellenkopf") == "Pfad" ? TitleForm::FullPath : TitleForm::FileName;
}

WindowLayout restoreWindows(const Reader& reader) {
    WindowLayout layout;
    layout.mainWindow = reader.placement("HF", false);
    layout.resultsWindow = reader.placement("AF", true);
    layout.shortDisplay = reader.placement("KA", true);
    std::array<int, 4> columns{};
    bool all = true;
    for (int i = 0; i < 4 && all; ++i) {
        const auto width = reader.integer(windowsKey, "KA_Grid" + std::to_string(i + 1));
        all = width.has_value();
        if (width) columns[static_cast<std::size_t>(i)] = *width;
    }
    if (all) layout.shortDisplayColumns = columns;
    // An empty record is none: the window keeps its first-start place.
    const auto record = [&reader](std::string_view name) -> std::optional<std::string> {
        auto text = reader.text(windowsKey, name);
        if (text && text->empty()) return std::nullopt;
        return text;
    };
    layout.mainGeometry = record("HF_Geometrie");
    layout.dockLayout = record("HF_Docks");
    return layout;
}

void restoreRecent(const Reader& reader, const SettingsStore& store, RecentProjects& recent) {
    if (!store.hasSubkey(recentKey)) return;
    const int shown = reader.integerOr(recentKey, "fMaxEntries", 0);
    recent.setMaxShown(shown < 1 ? RecentProjects::missingShown : shown);
    recent.setPathFormat(reader.integerOr(recentKey, "fPathFormat", 0));
    recent.clear();
    for (int i = RecentProjects::capacity - 1; i >= 0; --i)
        if (auto path = reader.text(recentKey, "fRecentFile" + std::to_string(i))) recent.add(*path);
}

// ---- writing --------------------------------------------------------------------------------------

void writeEntry(SettingsStore& store, const EntryValue& value, const MainForm& form) {
    store.write(value.subkey, value.name, form.text(value.entry));
    store.write(value.subkey, unitName(value.name), std::to_string(form.unitBox(value.unit).index()));
}

void writePlacement(SettingsStore& store, std::string_view prefix, const std::optional<WindowPlacement>& placement,
                    bool withSize) {
    if (!placement) return;
    const std::string p(prefix);
    store.write(windowsKey, p + "_Left", std::to_string(placement->left));
    store.write(windowsKey, p + "_Top", std::to_string(placement->top));
    if (!withSize) return;
    store.write(windowsKey, p + "_Width", std::to_string(placement->width));
    store.write(windowsKey, p + "_Height", std::to_string(placement->height));
}

void writeAll(SettingsStore& store, const Options& options, const WindowLayout& windows, const MainForm& form,
              const RecentProjects& recent) {
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    store.write(general, "metrisch", options.unitSystem == UnitSystem::Us ? "I" : "M");
    store.write(general, "espeichern", flag(!options.restoreFormAtStart));
    store.write(general, "Nachkomma", std::to_string(options.decimals));
    store.write(general, "Ben_Daba_Einheit", flag(options.userDatabaseUnits == UnitSystem::Us));
    store.write(general, "Tabellenkopf", options.titleForm == TitleForm::FullPath ? "Pfad" : "Datei");
    store.write(general, "RNormspaltenbreite0", std::to_string(options.normalColumnWidths[0]));
    store.write(general, "RNormspaltenbreite1", std::to_string(options.normalColumnWidths[1]));
    store.write(general, "upgradepruefung", options.updateCheck ? "j" : "n");

    writePlacement(store, "HF", windows.mainWindow, false);
    writePlacement(store, "AF", windows.resultsWindow, true);
    writePlacement(store, "KA", windows.shortDisplay, true);
    if (windows.shortDisplayColumns)
        for (std::size_t i = 0; i < 4; ++i)
            store.write(windowsKey, "KA_Grid" + std::to_string(i + 1), std::to_string((*windows.shortDisplayColumns)[i]));
    if (windows.mainGeometry) store.write(windowsKey, "HF_Geometrie", *windows.mainGeometry);
    if (windows.dockLayout) store.write(windowsKey, "HF_Docks", *windows.dockLayout);

    store.write(medium, "Art", form.text(FormField::MediumName));
    store.write(medium, "Vol_Mastrom", flag(form.flowQuantity() == model::FlowQuantity::Mass));
    store.write(medium, "Dyn_KinVisko", flag(form.viscosityQuantity() == model::ViscosityQuantity::Kinematic));
    for (const EntryValue& value : mediumEntries) writeEntry(store, value, form);
    store.write(medium, "fluessig", flag(form.state() == model::MediumState::Gas));
    for (const EntryValue& value : gasEntries) writeEntry(store, value, form);

    store.write(pipe, "Gruppe", std::to_string(form.kind().group));
    store.write(pipe, "UGruppe", std::to_string(form.kind().subgroup));
    for (const EntryValue& value : pipeEntries) writeEntry(store, value, form);

    store.write(recentKey, "fMaxEntries", std::to_string(recent.maxShown()));
    store.write(recentKey, "fPathFormat", std::to_string(recent.pathFormat()));
    // Every position is written, so that a shorter list leaves no older path behind.
    const auto& paths = recent.paths();
    for (std::size_t i = 0; i < RecentProjects::capacity; ++i)
        store.write(recentKey, "fRecentFile" + std::to_string(i), i < paths.size() ? paths[i] : std::string());
}

}  // namespace

RestoredSettings restoreSettings(const SettingsStore& store, MainForm& form, RecentProjects& recent) {
    const Reader reader(store);
    const MainForm fresh(form.texts());
    RestoredSettings restored;
    restored.options = Options::freshStart(form.texts().edition());
    Options& options = restored.options;

    options.unitSystem = reader.text(general, "metrisch") == "I" ? UnitSystem::Us : UnitSystem::Metric;
    options.restoreFormAtStart = reader.text(general, "espeichern").value_or("0") != "1";
    if (options.restoreFormAtStart) {
        restoreOptions(reader, options);
        restored.windows = restoreWindows(reader);
        restoreMedium(reader, form, fresh);
        restoreKind(reader, form, fresh);
    } else {
        form.applyFreshStartDefaults();
        form.setUpKind(fresh.kind());
    }
    restoreRecent(reader, store, recent);
    return restored;
}

std::optional<UserMessage> saveSettings(SettingsStore& store, const Options& options, const WindowLayout& windows,
                                        const MainForm& form, const RecentProjects& recent) {
    try {
        writeAll(store, options, windows, form, recent);
        store.flush();
    } catch (const persist::SettingsError&) {
        const lang::TextCatalogue& texts = form.texts();
        return UserMessage{.icon = MessageIcon::Error,
                           .caption = texts.text(GlobalText::ErrorCaption),
                           .text = texts.text(GlobalText::SettingsSaveFailed)};
    }
    return std::nullopt;
}

}  // namespace velmora::workflow
