#include "input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>

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
    // Read in pieces up to one byte past the limit, so that a file of any size (or a device
    // without end) is read no further than needed to refuse it.
    std::string text;
    char piece[1 << 16];
    while (text.size() <= kMaxInputBytes && in.read(piece, sizeof piece).gcount() > 0)
        text.append(piece, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        err << "error: cannot read " << path << "\n";
        return std::nullopt;
    }
    if (text.size() > kMaxInputBytes) {
        err << "error: cannot read " << path << ": it is larger than " << (kMaxInputBytes >> 20) << " MB\n";
        return std::nullopt;
    }
    return text;
}

}  // namespace velmora::cli
