#include "media/vapour_pressure_database.h"

#include "media/record_fields.h"
#include "persist/fields.h"

namespace velmora::media {

namespace {

constexpr int fieldCount = 17;

int countFields(std::string_view line) {
    int count = 1;
    for (char c : line) count += c == '\t';
    return count;
}

Real numberField(const std::string& line, int n, int lineNumber) {
    return requiredNumberField(vapourPressureFileName, line, n, lineNumber);
}

}  // namespace

std::vector<VapourPressureRecord> parseVapourPressureDatabase(const std::vector<std::string>& lines) {
    std::vector<VapourPressureRecord> records;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        const int number = static_cast<int>(i + 1);
        if (countFields(line) < fieldCount)
            throw persist::DataFileError(std::string(vapourPressureFileName), number,
                                         "fewer than " + std::to_string(fieldCount) + " fields");
        VapourPressureRecord r;
        r.name = std::string(persist::field(line, 1));
        r.description = std::string(persist::field(line, 2));
        r.molarMass = std::string(persist::field(line, 3));
        r.meltingPoint = std::string(persist::field(line, 4));
        r.boilingPoint = std::string(persist::field(line, 5));
        const std::string_view equation = persist::field(line, 6);
        if (equation != "1" && equation != "2" && equation != "3")
            throw persist::DataFileError(std::string(vapourPressureFileName), number,
                                         "the equation number is not 1, 2 or 3");
        r.correlation.equation = static_cast<VapourPressureEquation>(equation[0] - '0');
        r.correlation.a = numberField(line, 7, number);
        r.correlation.b = numberField(line, 8, number);
        r.correlation.c = numberField(line, 9, number);
        r.correlation.d = numberField(line, 10, number);
        r.lowestK = static_cast<int>(model::roundHalfAway(numberField(line, 11, number)));
        r.highestK = static_cast<int>(model::roundHalfAway(numberField(line, 12, number)));
        r.correlation.criticalTemperature = numberField(line, 13, number);
        r.correlation.criticalPressure = numberField(line, 14, number);
        r.rackett.criticalTemperature = r.correlation.criticalTemperature;
        r.rackett.referenceDensity = numberField(line, 15, number);
        r.rackett.referenceTemperature = numberField(line, 16, number);
        r.rackett.rackettParameter = numberField(line, 17, number);
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<VapourPressureRecord> loadVapourPressureDatabase(const persist::DataFileSet& files) {
    return parseVapourPressureDatabase(files.readPlain(vapourPressureFileName));
}

const VapourPressureRecord* findVapourPressureRecord(const std::vector<VapourPressureRecord>& records,
                                                     std::string_view name) {
    for (const VapourPressureRecord& record : records)
        if (record.name == name) return &record;
    return nullptr;
}

WholeDegreeRange offeredRange(const VapourPressureRecord& record) {
    return vapourPressureTemperatureRange(record.lowestK, record.highestK);
}

Outcome<VapourPressurePoint, WaterSteamRefusal> vapourPressureAtKelvin(const VapourPressureRecord& record,
                                                                       Real temperatureK) {
    const VapourPressureOutcome pressure = vapourPressure(record.correlation, temperatureK);
    if (!pressure) return pressure.reason();
    const VapourPressureOutcome density = rackettDensity(record.rackett, temperatureK);
    if (!density) return density.reason();
    return VapourPressurePoint{*pressure, *density};
}

Outcome<VapourPressurePoint, WaterSteamRefusal> vapourPressureAt(const VapourPressureRecord& record,
                                                                 int celsius) {
    return vapourPressureAtKelvin(record, celsius + 273.15L);
}

}  // namespace velmora::media
