#include "tools/curve_settings.h"

#include <charconv>
#include <optional>
#include <string>

namespace velmora::tools {

namespace {

constexpr const char* kSubkey = "Kennlinie";

std::optional<int> integer(const persist::SettingsStore& store, const std::string& name) {
    const auto text = store.read(kSubkey, name);
    if (!text) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc{} || end != text->data() + text->size()) return std::nullopt;
    return value;
}

void readText(const persist::SettingsStore& store, const std::string& name, std::string& target) {
    if (auto text = store.read(kSubkey, name)) target = std::move(*text);
}

void readInteger(const persist::SettingsStore& store, const std::string& name, int& target, int low,
                 int high) {
    if (const auto value = integer(store, name); value && *value >= low && *value <= high) target = *value;
}

}  // namespace

SystemCurveSettings readSystemCurveSettings(const persist::SettingsStore& store, model::UnitSystem units) {
    SystemCurveSettings s;
    s.pump.headUnit = CurvePlotPresenter::defaultHeadUnit(units);
    readText(store, "Von", s.range.from);
    readText(store, "Bis", s.range.to);
    readInteger(store, "Einheit", s.range.unitIndex, 0, 12);
    readText(store, "Anzahl", s.range.points);
    for (int row = 0; row < kMaxPumpPoints; ++row) {
        auto& [flow, head] = s.pump.rows[static_cast<std::size_t>(row)];
        readText(store, "Pumpe_Q" + std::to_string(row + 1), flow);
        readText(store, "Pumpe_H" + std::to_string(row + 1), head);
    }
    readInteger(store, "Pumpe_Einheit", s.pump.headUnit, 0, 1);
    readInteger(store, "Pumpe_Volumenstrom_Einheit", s.pump.flowUnit, 0, 12);
    int shown = 0;
    readInteger(store, "Pumpe_Anzeigen", shown, 0, 1);
    s.pump.shown = shown == 1;
    readInteger(store, "Bild_Breite", s.pictureWidth, 100, 20000);
    readInteger(store, "Bild_Hoehe", s.pictureHeight, 100, 20000);
    return s;
}

void writeSystemCurveSettings(persist::SettingsStore& store, const SystemCurveSettings& s) {
    store.write(kSubkey, "Von", s.range.from);
    store.write(kSubkey, "Bis", s.range.to);
    store.write(kSubkey, "Einheit", std::to_string(s.range.unitIndex));
    store.write(kSubkey, "Anzahl", s.range.points);
    for (int row = 0; row < kMaxPumpPoints; ++row) {
        const auto& [flow, head] = s.pump.rows[static_cast<std::size_t>(row)];
        store.write(kSubkey, "Pumpe_Q" + std::to_string(row + 1), flow);
        store.write(kSubkey, "Pumpe_H" + std::to_string(row + 1), head);
    }
    store.write(kSubkey, "Pumpe_Einheit", std::to_string(s.pump.headUnit));
    store.write(kSubkey, "Pumpe_Volumenstrom_Einheit", std::to_string(s.pump.flowUnit));
    store.write(kSubkey, "Pumpe_Anzeigen", s.pump.shown ? "1" : "0");
    store.write(kSubkey, "Bild_Breite", std::to_string(s.pictureWidth));
    store.write(kSubkey, "Bild_Hoehe", std::to_string(s.pictureHeight));
}

}  // namespace velmora::tools
