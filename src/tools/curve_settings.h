#pragma once

#include "persist/settings_store.h"
#include "tools/curve_plot_presenter.h"
#include "tools/curve_range_presenter.h"

namespace velmora::tools {

// What the system curve keeps in the settings (subkey "Kennlinie"): the range entries, the pump
// points with their units and whether the pump curve was shown, and the size last chosen for a
// saved picture.
struct SystemCurveSettings {
    CurveRangeEntries range;
    PumpEntries pump;
    int pictureWidth = 1200;  // pixels
    int pictureHeight = 800;

    friend bool operator==(const SystemCurveSettings&, const SystemCurveSettings&) = default;
};

// Missing values and indexes that are no numbers keep the defaults; `units` decides the head unit
// of a first start (m or ft).
SystemCurveSettings readSystemCurveSettings(const persist::SettingsStore& store, model::UnitSystem units);

// Writes every value; the caller flushes the store.
void writeSystemCurveSettings(persist::SettingsStore& store, const SystemCurveSettings& settings);

}  // namespace velmora::tools
