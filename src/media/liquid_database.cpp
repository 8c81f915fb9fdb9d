#include "media/liquid_database.h"

#include "media/record_fields.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::media {

namespace {

Real numberField(const std::string& line, int n, int lineNumber) {
    return requiredNumberField(liquidFileName, line, n, lineNumber);
}

}  // namespace

std::vector<LiquidRecord> parseLiquidDatabase(const std::vector<std::string>& lines) {
    std::vector<LiquidRecord> records;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        const int number = static_cast<int>(i + 1);
        LiquidRecord r;
        r.name = std::string(persist::field(line, 1));
        r.description = std::string(persist::field(line, 2));
        r.meltingPoint = std::string(persist::field(line, 3));
        r.boilingPoint = std::string(persist::field(line, 4));
        numberField(line, 3, number);
        numberField(line, 4, number);
        for (int n = 5; !persist::field(line, n).empty(); n += 3) {
            const Real t = numberField(line, n, number);
            LiquidPoint point{static_cast<int>(model::roundHalfAway(t)),
                              std::string(persist::field(line, n + 1)),
                              std::string(persist::field(line, n + 2)), numberField(line, n + 1, number),
                              numberField(line, n + 2, number)};
            r.points.push_back(std::move(point));
        }
        if (r.points.empty())
            throw persist::DataFileError(std::string(liquidFileName), number, "no measuring point");
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<LiquidRecord> loadLiquidDatabase(const persist::DataFileSet& files) {
    return parseLiquidDatabase(files.readEnciphered(liquidFileName, persist::LineCipher::propertyTableKey));
}

const LiquidRecord* findLiquidRecord(const std::vector<LiquidRecord>& records, std::string_view name) {
    for (const LiquidRecord& r : records)
        if (r.name == name) return &r;
    return nullptr;
}

}  // namespace velmora::media
