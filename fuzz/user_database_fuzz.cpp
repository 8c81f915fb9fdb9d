// The user's media database USER.DAT: its records read, each field taken as the editor shows it,
// and the records written again, which must read back byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "media/user_database.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::vector<media::UserRecord> records = media::readUserRecords(content);
    fuzz::require(records.size() == size / media::userRecordSize, "every whole record is read");
    for (const media::UserRecord& record : records) {
        const media::UserEntries entries = record.entries();
        fuzz::require(entries.name == record.name(), "the entries hold the record's name");
    }
    const std::string written = media::writeUserRecords(records);
    fuzz::require(written == content.substr(0, records.size() * media::userRecordSize), "records are written as read");
    fuzz::require(media::readUserRecords(written) == records, "written records read back");
    return 0;
}
