#include "media/gas_database.h"

#include "media/record_fields.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"
#include "persist/windows1252.h"

namespace velmora::media {

namespace {

Real numberField(const std::string& line, int n, int lineNumber) {
    return requiredNumberField(gasFileName, line, n, lineNumber);
}

}  // namespace

std::vector<GasRecord> parseGasDatabase(const std::vector<std::string>& lines) {
    std::vector<GasRecord> records;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        const int number = static_cast<int>(i + 1);
        GasRecord r;
        r.cas = std::string(persist::field(line, 1));
        r.name = std::string(persist::field(line, 2));
        r.description = std::string(persist::field(line, 4));
        r.critical.molarMass = numberField(line, 5, number);
        r.meltingPoint = std::string(persist::field(line, 6));
        numberField(line, 6, number);
        r.boilingPoint = std::string(persist::field(line, 7));
        r.normalBoilingPoint = numberField(line, 7, number);
        r.critical.criticalTemperature = numberField(line, 8, number);
        r.critical.criticalPressure = numberField(line, 9, number);
        r.critical.acentricFactor = numberField(line, 11, number);
        // Points from field 12 on, up to the end of the line or an empty field.
        for (int n = 12; !persist::field(line, n).empty(); n += 2) {
            const Real t = numberField(line, n, number);
            const Real eta = numberField(line, n + 1, number);
            r.points.push_back(
                {static_cast<int>(model::roundHalfAway(t)), eta, std::string(persist::field(line, n + 1))});
        }
        if (r.points.empty())
            throw persist::DataFileError(std::string(gasFileName), number, "no viscosity point");
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<GasRecord> loadGasDatabase(const persist::DataFileSet& files) {
    // The first line is skipped unread: it need not even be enciphered.
    std::vector<std::string> lines = persist::splitLines(persist::readWholeFile(files.path(gasFileName)));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto plain = persist::LineCipher::decipher(lines[i], persist::LineCipher::propertyTableKey);
        if (!plain)
            throw persist::DataFileError(std::string(gasFileName), static_cast<int>(i + 1),
                                         "the line is not valid hexadecimal");
        lines[i] = persist::windows1252ToUtf8(*plain);
    }
    return parseGasDatabase(lines);
}

const GasRecord* findGasRecord(const std::vector<GasRecord>& records, std::string_view name) {
    for (const GasRecord& r : records)
        if (r.name == name) return &r;
    return nullptr;
}

}  // namespace velmora::media
