#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "persist/file_ops.h"

// The user's own media database "USER.DAT": fixed records of 1537 bytes, no header, no cipher.
// A record: the name as a string field (a length byte and up to 255 bytes, 256 in all) at 0, the
// state byte at 256 (1 liquid, anything else gas), then five string fields at 257, 513, 769, 1025
// and 1281: temperature, pressure, density, dynamic viscosity and notes, each the text as typed.
// The texts are Windows-1252; bytes after a text are kept as read and are zero in a record
// written anew.
namespace velmora::media {

inline constexpr std::size_t userRecordSize = 1537;
inline constexpr std::size_t userTextLength = 255;  // bytes of a string field's text at most
inline constexpr std::string_view userDatabaseFileName = "USER.DAT";

// The five texts after the state byte, in their order in the record.
enum class UserText { Temperature, Pressure, Density, Viscosity, Notes };
inline constexpr int userTextCount = 5;

// What the editor's entries hold, in UTF-8; line breaks of the notes as "\n".
struct UserEntries {
    std::string name;
    bool liquid = true;
    std::array<std::string, userTextCount> texts{};  // by UserText

    friend bool operator==(const UserEntries&, const UserEntries&) = default;
};

// One record as its 1537 bytes.
class UserRecord {
  public:
    UserRecord() : bytes_(userRecordSize, '\0') {}
    // The first 1537 bytes of `bytes` (which must hold at least as many).
    static UserRecord fromBytes(std::string_view bytes);

    const std::string& bytes() const { return bytes_; }
    std::string name() const;  // UTF-8
    bool liquid() const { return static_cast<unsigned char>(bytes_[256]) == 1; }
    std::string text(UserText which) const;  // UTF-8; the notes' CR LF as "\n"
    UserEntries entries() const;

    friend bool operator==(const UserRecord&, const UserRecord&) = default;

  private:
    std::string bytes_;
};

// A character that the file's code page cannot hold, and where it was typed.
struct UnrepresentableCharacter {
    int field = 0;  // 0 the name, 1 … 5 the texts in UserText order
    std::string character;
};

// A record written anew from the entries: each text cut to 255 bytes, zero bytes after it, the
// notes' line breaks as CR LF. A character outside Windows-1252 is refused, not replaced.
std::variant<UserRecord, UnrepresentableCharacter> encodeUserRecord(const UserEntries& entries);

// The complete records of a file's content (a part record at the end is left out).
std::vector<UserRecord> readUserRecords(std::string_view content);
// The file's content for the records in list order.
std::string writeUserRecords(std::span<const UserRecord> records);

// Reads the database; a missing file is an empty database. Throws persist::DataFileError when
// the file exists but cannot be read.
std::vector<UserRecord> loadUserDatabase(const std::filesystem::path& path);
// Writes the database through a temporary file that replaces the old one only when complete and
// flushed: a failed save leaves the old file as it was. Throws persist::FileWriteError.
void saveUserDatabase(const std::filesystem::path& path, std::span<const UserRecord> records,
                      persist::FileOps& ops = persist::systemFileOps());

// Sorts by name, ignoring case; records of equal names keep their order.
void sortUserRecords(std::vector<UserRecord>& records);

}  // namespace velmora::media
