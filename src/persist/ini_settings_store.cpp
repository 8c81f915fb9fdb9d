#include "persist/ini_settings_store.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "persist/data_file_set.h"
#include "persist/replacement_file.h"

namespace velmora::persist {

namespace {

std::string escape(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::string unescape(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path file, FileOps& ops) : file_(std::move(file)), ops_(&ops) {
    std::ifstream in(file_, std::ios::binary);
    if (!in) return;
    std::ostringstream text;
    text << in.rdbuf();
    sections_ = parse(text.str());
}

std::optional<std::string> IniSettingsStore::read(std::string_view subkey, std::string_view name) const {
    const auto section = sections_.find(subkey);
    if (section == sections_.end()) return std::nullopt;
    const auto value = section->second.find(name);
    if (value == section->second.end()) return std::nullopt;
    return value->second;
}

bool IniSettingsStore::hasSubkey(std::string_view subkey) const { return sections_.find(subkey) != sections_.end(); }

void IniSettingsStore::write(std::string_view subkey, std::string_view name, std::string_view value) {
    auto section = sections_.find(subkey);
    if (section == sections_.end()) section = sections_.emplace(std::string(subkey), Sections::mapped_type{}).first;
    section->second.insert_or_assign(std::string(name), std::string(value));
}

void IniSettingsStore::flush() {
    std::error_code ec;
    if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);
    if (ec) throw SettingsError("cannot create " + file_.parent_path().string() + ": " + ec.message());
    try {
        writeFileAtomically(file_, format(sections_), *ops_);
    } catch (const FileWriteError& e) {
        throw SettingsError(e.what());
    }
}

std::string IniSettingsStore::format(const Sections& sections) {
    std::string text;
    for (const auto& [subkey, values] : sections) {
        if (!text.empty()) text += "\n";
        text += "[" + subkey + "]\n";
        for (const auto& [name, value] : values) text += name + "=" + escape(value) + "\n";
    }
    return text;
}

IniSettingsStore::Sections IniSettingsStore::parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    Sections sections;
    Sections::mapped_type* current = nullptr;
    for (const std::string& line : splitLines(text)) {
        const std::string trimmed = trim(line);
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') continue;
        if (trimmed.front() == '[' && trimmed.back() == ']') {
            current = &sections[trimmed.substr(1, trimmed.size() - 2)];
            continue;
        }
        const auto equals = line.find('=');
        if (!current || equals == std::string::npos) continue;
        (*current)[trim(std::string_view(line).substr(0, equals))] = unescape(std::string_view(line).substr(equals + 1));
    }
    return sections;
}

std::filesystem::path IniSettingsStore::fileForBaseKey(std::string_view baseKey, const std::filesystem::path& configFolder) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : baseKey) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    if (parts.empty()) return configFolder / "velmora.ini";
    if (parts.size() == 1) return configFolder / (parts.back() + ".ini");
    return configFolder / parts[parts.size() - 2] / (parts.back() + ".ini");
}

std::filesystem::path IniSettingsStore::userConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) return xdg;
    if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / ".config";
    return std::filesystem::current_path();
}

}  // namespace velmora::persist
