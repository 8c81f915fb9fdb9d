#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::persist {

// The settings could not be written.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The per-user settings: string values by subkey ("Allgemein", "Fenster", "Medium", "Gasdaten",
// "Rohr", "RecentFiles") and value name, under one base key that the store itself knows. The
// desktop program keeps them in the platform's settings; the command line and the tests in an
// INI file.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the value has never been written.
    virtual std::optional<std::string> read(std::string_view subkey, std::string_view name) const = 0;
    virtual bool hasSubkey(std::string_view subkey) const = 0;

    // Sets a value, creating its subkey; the value is kept only once flush() succeeds.
    virtual void write(std::string_view subkey, std::string_view name, std::string_view value) = 0;

    // Makes every write since the last flush permanent; SettingsError when it cannot, in which
    // case the values kept before stay as they were.
    virtual void flush() = 0;
};

}  // namespace velmora::persist
