#include "media/user_database.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "persist/data_file_error.h"
#include "persist/replacement_file.h"
#include "persist/windows1252.h"

namespace velmora::media {

namespace {

constexpr std::size_t nameOffset = 0;
constexpr std::size_t stateOffset = 256;
constexpr std::array<std::size_t, userTextCount> textOffsets{257, 513, 769, 1025, 1281};

std::string field(const std::string& bytes, std::size_t offset) {
    const std::size_t length = static_cast<unsigned char>(bytes[offset]);
    return persist::windows1252ToUtf8(std::string_view(bytes).substr(offset + 1, length));
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

UserRecord UserRecord::fromBytes(std::string_view bytes) {
    UserRecord record;
    record.bytes_.assign(bytes.substr(0, userRecordSize));
    return record;
}

std::string UserRecord::name() const {
    return field(bytes_, nameOffset);
}

std::string UserRecord::text(UserText which) const {
    std::string value = field(bytes_, textOffsets[static_cast<std::size_t>(which)]);
    return which == UserText::Notes ? replaceAll(std::move(value), "\r\n", "\n") : value;
}

UserEntries UserRecord::entries() const {
    UserEntries entries{name(), liquid(), {}};
    for (int k = 0; k < userTextCount; ++k)
        entries.texts[static_cast<std::size_t>(k)] = text(static_cast<UserText>(k));
    return entries;
}

std::variant<UserRecord, UnrepresentableCharacter> encodeUserRecord(const UserEntries& entries) {
    std::string bytes(userRecordSize, '\0');
    const auto put = [&](std::size_t offset, const std::string& utf8,
                         int number) -> std::optional<UnrepresentableCharacter> {
        const std::optional<std::string> encoded = persist::utf8ToWindows1252(utf8);
        if (!encoded) return UnrepresentableCharacter{number, persist::firstUnrepresentable(utf8)};
        const std::size_t length = std::min(encoded->size(), userTextLength);
        bytes[offset] = static_cast<char>(length);
        std::copy_n(encoded->begin(), length, bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1));
        return std::nullopt;
    };
    if (auto failure = put(nameOffset, entries.name, 0)) return *failure;
    bytes[stateOffset] = entries.liquid ? 1 : 0;
    for (int k = 0; k < userTextCount; ++k) {
        std::string text = entries.texts[static_cast<std::size_t>(k)];
        if (k == static_cast<int>(UserText::Notes))
            text = replaceAll(replaceAll(text, "\r\n", "\n"), "\n", "\r\n");
        if (auto failure = put(textOffsets[static_cast<std::size_t>(k)], text, k + 1)) return *failure;
    }
    return UserRecord::fromBytes(bytes);
}

std::vector<UserRecord> readUserRecords(std::string_view content) {
    std::vector<UserRecord> records;
    for (std::size_t at = 0; at + userRecordSize <= content.size(); at += userRecordSize)
        records.push_back(UserRecord::fromBytes(content.substr(at, userRecordSize)));
    return records;
}

std::string writeUserRecords(std::span<const UserRecord> records) {
    std::string content;
    content.reserve(records.size() * userRecordSize);
    for (const UserRecord& record : records) content += record.bytes();
    return content;
}

std::vector<UserRecord> loadUserDatabase(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) return {};
    const std::string name = path.filename().string();
    if (!std::filesystem::is_regular_file(path, ec))
        throw persist::DataFileError(name, 0, "not a readable file");
    try {
        std::ifstream file(path, std::ios::binary);
        if (!file) throw persist::DataFileError(name, 0, "the file cannot be opened");
        std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (file.bad()) throw persist::DataFileError(name, 0, "the file cannot be read");
        return readUserRecords(content);
    } catch (const std::ios_base::failure& e) {
        throw persist::DataFileError(name, 0, e.what());
    }
}

void saveUserDatabase(const std::filesystem::path& path, std::span<const UserRecord> records,
                      persist::FileOps& ops) {
    persist::writeFileAtomically(path, writeUserRecords(records), ops);
}

void sortUserRecords(std::vector<UserRecord>& records) {
    const auto folded = [](std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    std::stable_sort(records.begin(), records.end(), [&](const UserRecord& a, const UserRecord& b) {
        return folded(a.name()) < folded(b.name());
    });
}

}  // namespace velmora::media
