#include "input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace velmora::cli {

std::optional<std::string> readInputFile(const std::string& path, std::ostream& err) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        err << "error: cannot read " << path << ": it is a folder\n";
        return std::nullopt;
    }
    if (!std::filesystem::exists(path, ec)) {
        err << "error: cannot read " << path << ": no such file\n";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err << "error: cannot read " << path << ": " << std::strerror(errno) << "\n";
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        err << "error: cannot read " << path << "\n";
        return std::nullopt;
    }
    return text.str();
}

}  // namespace velmora::cli
