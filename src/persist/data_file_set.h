#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::persist {

// The data folder of the program and reading its files. Files are Windows-1252 on disk; every
// line handed out is UTF-8. Enciphered files are deciphered line by line on loading.
class DataFileSet {
public:
    explicit DataFileSet(std::filesystem::path folder);

    // The executable's folder if it holds "varglob.gru", else ../share/velmora beside it.
    static std::filesystem::path locate(const std::filesystem::path& executableFolder);
    // Where the user guide's pages are: the data folder of a build, ../doc/velmora beside the data
    // folder of an installation.
    static std::filesystem::path locateUserGuide(const std::filesystem::path& dataFolder);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path path(std::string_view fileName) const { return folder_ / fileName; }
    bool exists(std::string_view fileName) const;

    // Lines of a plain file (CR LF or LF). Throws DataFileError when it cannot be read.
    std::vector<std::string> readPlain(std::string_view fileName) const;

    // Lines of an enciphered file, deciphered with `key`. Throws DataFileError naming the file and
    // line when a line is not valid hexadecimal.
    std::vector<std::string> readEnciphered(std::string_view fileName, std::string_view key) const;

private:
    std::filesystem::path folder_;
};

// Splits raw file content into lines at LF, dropping a CR before it; no empty last line for a
// final line break.
std::vector<std::string> splitLines(std::string_view content);

// Reads a whole file in binary mode; throws DataFileError when it cannot.
std::string readWholeFile(const std::filesystem::path& path);

}  // namespace velmora::persist
