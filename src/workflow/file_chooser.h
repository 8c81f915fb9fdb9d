#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::workflow {

// The extension of project files, without the dot. File names differ by case on this system, so
// it is added in lower case, the case the dialogs' filter "*.vla" lists.
inline constexpr std::string_view kProjectExtension = "vla";

// The open and save dialogs of the File commands. The desktop program shows file dialogs; tests
// answer from a script. Neither choice changes anything on disk.
class FileChooser {
  public:
    virtual ~FileChooser() = default;

    // The project to open, or nothing when the dialog was cancelled. `filter` is the edition's
    // filter text, "Project files (*.vla)|*.vla".
    virtual std::optional<std::filesystem::path> chooseProjectToOpen(const std::string& filter) = 0;

    // The file to save the project to, or nothing when the dialog was cancelled. The dialog
    // starts at `suggestedPath`, adds kProjectExtension to a name typed without one, and has the
    // user confirm replacing an existing file, so that the path returned is the one agreed to.
    virtual std::optional<std::filesystem::path> chooseProjectToSave(
        const std::string& filter, const std::filesystem::path& suggestedPath) = 0;
};

}  // namespace velmora::workflow
