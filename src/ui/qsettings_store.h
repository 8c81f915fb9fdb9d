#pragma once

#include <QSettings>

#include "persist/settings_store.h"

namespace velmora::ui {

// The desktop program's settings in the platform's per-user store (the registry on Windows, an
// INI file under ~/.config on Linux), one group per subkey below the catalogue's base key.
class QSettingsStore : public persist::SettingsStore {
public:
    // The application's store: organisation and program name as set on the application object.
    QSettingsStore() = default;

    std::optional<std::string> read(std::string_view subkey, std::string_view name) const override;
    bool hasSubkey(std::string_view subkey) const override;
    void write(std::string_view subkey, std::string_view name, std::string_view value) override;
    void flush() override;

private:
    static QString key(std::string_view subkey, std::string_view name);
    mutable QSettings settings_;
};

}  // namespace velmora::ui
