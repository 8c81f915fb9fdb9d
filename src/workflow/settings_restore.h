#pragma once

#include <optional>

#include "persist/settings_store.h"
#include "workflow/app_settings.h"
#include "workflow/main_form.h"
#include "workflow/recent_projects.h"
#include "workflow/user_message.h"

// Restoring the settings when the main window is first shown and saving them when it closes.
// Subkeys and value names are those the program has always used ("Allgemein", "Nachkomma", …),
// so an existing store keeps working.
namespace velmora::workflow {

struct RestoredSettings {
    Options options;
    WindowLayout windows;
};

// Restores in the start-up order: the unit system, the save-at-exit choice, and — when that
// choice is yes — the options, window places, the medium, the gas data and the element kind with
// its entries into `form`; with no, the form gets the fresh-start defaults. Then the recent list,
// when its subkey exists. A value that is missing or not a number falls back to its fresh-start
// default; a stored text, even an empty one, is taken as it is.
RestoredSettings restoreSettings(const persist::SettingsStore& store, MainForm& form, RecentProjects& recent);

// Writes every value from the current state, whatever the save-at-exit choice, then the recent
// list. Returns the message to show when the store could not keep them.
std::optional<UserMessage> saveSettings(persist::SettingsStore& store, const Options& options,
                                        const WindowLayout& windows, const MainForm& form,
                                        const RecentProjects& recent);

}  // namespace velmora::workflow
