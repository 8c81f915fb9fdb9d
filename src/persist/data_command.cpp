#include "persist/data_command.h"

#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "persist/data_file_error.h"
#include "persist/data_file_set.h"
#include "persist/line_cipher.h"
#include "persist/windows1252.h"

namespace velmora::persist {

namespace {

struct Request {
    std::string verb;
    std::string file;
    std::string output;
    std::optional<std::string_view> key;
};

std::optional<std::string_view> keyNamed(std::string_view name) {
    if (name == "data") return LineCipher::dataKey;
    if (name == "property") return LineCipher::propertyTableKey;
    return std::nullopt;
}

// Throws std::invalid_argument with a message for the user.
Request parse(const std::vector<std::string>& args) {
    Request request;
    for (const std::string& arg : args) {
        if (arg.rfind("--key=", 0) == 0) {
            request.key = keyNamed(std::string_view(arg).substr(6));
            if (!request.key) throw std::invalid_argument("unknown key '" + arg.substr(6) + "' (data or property)");
        } else if (arg.rfind("--output=", 0) == 0) {
            request.output = arg.substr(9);
        } else if (request.verb.empty()) {
            request.verb = arg;
        } else if (request.file.empty()) {
            request.file = arg;
        } else {
            throw std::invalid_argument("unexpected argument '" + arg + "'");
        }
    }
    if (request.verb != "encipher" && request.verb != "decipher" && request.verb != "plain")
        throw std::invalid_argument("usage: data encipher|decipher --key=data|property FILE, or data plain FILE");
    if (request.file.empty()) throw std::invalid_argument("no file given");
    if (request.verb != "plain" && !request.key) throw std::invalid_argument("--key=data or --key=property is needed");
    return request;
}

// UTF-8 source lines to Windows-1252 file lines, enciphered when a key is given, CR LF ended.
std::string buildFile(const Request& request) {
    const std::vector<std::string> lines = splitLines(readWholeFile(request.file));
    std::string content;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto bytes = utf8ToWindows1252(lines[i]);
        if (!bytes)
            throw DataFileError(request.file, static_cast<int>(i + 1),
                                "'" + firstUnrepresentable(lines[i]) + "' cannot be written in Windows-1252");
        try {
            content += request.key ? LineCipher::encipher(*bytes, *request.key) : *bytes;
        } catch (const std::invalid_argument& e) {
            throw DataFileError(request.file, static_cast<int>(i + 1), e.what());
        }
        content += "\r\n";
    }
    return content;
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    file.close();
    if (!file) throw DataFileError(path, 0, "the file cannot be written");
}

}  // namespace

int runDataCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const Request request = parse(args);
        if (request.verb == "decipher") {
            const std::filesystem::path path(request.file);
            DataFileSet folder(path.parent_path().empty() ? "." : path.parent_path());
            for (const std::string& line : folder.readEnciphered(path.filename().string(), *request.key)) out << line << '\n';
            return 0;
        }
        const std::string content = buildFile(request);
        if (request.output.empty())
            out << content;
        else
            writeFile(request.output, content);
        return 0;
    } catch (const std::exception& e) {
        err << "error: " << e.what() << '\n';
        return 2;
    }
}

}  // namespace velmora::persist
