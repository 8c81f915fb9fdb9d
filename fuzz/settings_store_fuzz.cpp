// The settings file (INI): parsed, written, and parsed again to the same values, so that a
// program start after any file keeps every setting it read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "persist/ini_settings_store.h"

using namespace velmora;
using persist::IniSettingsStore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniSettingsStore::Sections sections =
        IniSettingsStore::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string written = IniSettingsStore::format(sections);
    fuzz::require(IniSettingsStore::parse(written) == sections, "the settings written read back as they were");
    return 0;
}
