#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "persist/file_ops.h"
#include "persist/settings_store.h"

namespace velmora::persist {

// The settings in one UTF-8 INI file: a section per subkey, "name=value" lines. Values are kept
// exactly (blanks included); a backslash, a line feed and a carriage return inside a value are
// written as \\, \n and \r. Lines starting with ";" or "#" are comments. Sections and values of
// other programs in the file are kept. The file is replaced as a whole on flush (written beside
// it, flushed to disk, renamed), so a failed save leaves the previous settings readable.
class IniSettingsStore : public SettingsStore {
public:
    // Loads the file; a missing or unreadable file gives an empty store.
    explicit IniSettingsStore(std::filesystem::path file, FileOps& ops = systemFileOps());

    std::optional<std::string> read(std::string_view subkey, std::string_view name) const override;
    bool hasSubkey(std::string_view subkey) const override;
    void write(std::string_view subkey, std::string_view name, std::string_view value) override;
    void flush() override;

    const std::filesystem::path& file() const { return file_; }

    // The file of a settings base key such as "Software\Velmora\Velmora 6\": its last two parts
    // as folder and file name under `configFolder` (".../Velmora/Velmora 6.ini").
    static std::filesystem::path fileForBaseKey(std::string_view baseKey, const std::filesystem::path& configFolder);
    // The user's configuration folder: $XDG_CONFIG_HOME, else $HOME/.config, else the current folder.
    static std::filesystem::path userConfigFolder();

    // The file's text for the values held, and the values of a file's text.
    using Sections = std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>>;
    static std::string format(const Sections& sections);
    static Sections parse(std::string_view text);

private:
    std::filesystem::path file_;
    FileOps* ops_;
    Sections sections_;
};

}  // namespace velmora::persist
