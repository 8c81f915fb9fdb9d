#pragma once

// Where the desktop program keeps its settings: the platform's per-user store of this
// organisation and program (the registry key Software\Velmora\Velmora 6 on Windows).
namespace velmora::ui {

inline constexpr const char* kOrganisation = "Velmora";
inline constexpr const char* kApplication = "Velmora 6";

// The language chosen in the settings dialog for the next start.
inline constexpr const char* kEditionSetting = "Allgemein/Sprache";

}  // namespace velmora::ui
