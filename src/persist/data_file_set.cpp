#include "persist/data_file_set.h"

#include <fstream>
#include <sstream>

#include "persist/data_file_error.h"
#include "persist/line_cipher.h"
#include "persist/windows1252.h"

namespace velmora::persist {

DataFileSet::DataFileSet(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path DataFileSet::locate(const std::filesystem::path& executableFolder) {
    if (std::filesystem::exists(executableFolder / "varglob.gru")) return executableFolder;
    return (executableFolder / ".." / "share" / "velmora").lexically_normal();
}

std::filesystem::path DataFileSet::locateUserGuide(const std::filesystem::path& dataFolder) {
    if (std::filesystem::exists(dataFolder / "velmora_en.html")) return dataFolder;
    return (dataFolder / ".." / "doc" / "velmora").lexically_normal();
}

bool DataFileSet::exists(std::string_view fileName) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(path(fileName), ec);
}

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DataFileError(path.filename().string(), 0, "the file cannot be opened");
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw DataFileError(path.filename().string(), 0, "the file cannot be read");
    return std::move(content).str();
}

std::vector<std::string> DataFileSet::readPlain(std::string_view fileName) const {
    std::vector<std::string> lines = splitLines(readWholeFile(path(fileName)));
    for (std::string& line : lines) line = windows1252ToUtf8(line);
    return lines;
}

std::vector<std::string> DataFileSet::readEnciphered(std::string_view fileName, std::string_view key) const {
    std::vector<std::string> lines = splitLines(readWholeFile(path(fileName)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto plain = LineCipher::decipher(lines[i], key);
        if (!plain)
            throw DataFileError(std::string(fileName), static_cast<int>(i + 1), "the line is not valid hexadecimal");
        lines[i] = windows1252ToUtf8(*plain);
    }
    return lines;
}

}  // namespace velmora::persist
