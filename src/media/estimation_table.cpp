#include "media/estimation_table.h"

#include <optional>

#include "model/number_text.h"
#include "persist/data_file_error.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::media {

namespace {

[[noreturn]] void fail(int line, int n, std::string_view what) {
    throw persist::DataFileError(std::string(estimationFileName), line,
                                 "field " + std::to_string(n) + " " + std::string(what));
}

Real numberField(const std::string& line, int n, int lineNumber) {
    const std::optional<Real> value = model::readNumber(persist::field(line, n));
    if (!value) fail(lineNumber, n, "is not a number");
    return *value;
}

// An empty field is none; anything else must be a number.
std::optional<Real> optionalField(const std::string& line, int n, int lineNumber) {
    if (persist::field(line, n).empty()) return std::nullopt;
    return numberField(line, n, lineNumber);
}

LiquidViscosityForm viscosityForm(std::string_view code, int lineNumber) {
    if (code == "0" || code.empty()) return LiquidViscosityForm::None;
    if (code == "1") return LiquidViscosityForm::PowerLaw;
    if (code == "2") return LiquidViscosityForm::Andrade;
    if (code == "3") return LiquidViscosityForm::AndradeExtended;
    if (code == "5") return LiquidViscosityForm::Vogel;
    if (code == "6") return LiquidViscosityForm::LogarithmicCubic;
    fail(lineNumber, 15, "is not a viscosity form");
}

}  // namespace

std::vector<EstimationRecord> parseEstimationRecords(const std::vector<std::string>& lines) {
    std::vector<EstimationRecord> records;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        const int n = static_cast<int>(i + 1);
        EstimationRecord r;
        r.cas = std::string(persist::field(line, 1));
        r.name = std::string(persist::field(line, 2));
        r.formula = std::string(persist::field(line, 4));
        r.refrigerant = std::string(persist::field(line, 22));
        EstimationSubstance& s = r.substance;
        s.molarMass = numberField(line, 5, n);
        s.meltingPoint = numberField(line, 6, n);
        s.normalBoilingPoint = numberField(line, 7, n);
        s.criticalTemperature = numberField(line, 8, n);
        s.criticalPressure = numberField(line, 9, n);
        s.criticalVolume = numberField(line, 10, n);
        s.referenceLiquidDensity = numberField(line, 11, n);
        s.referenceTemperature = numberField(line, 12, n);
        s.rackettParameter = optionalField(line, 13, n);
        s.acentricFactor = optionalField(line, 14, n);
        s.viscosityForm = viscosityForm(persist::field(line, 15), n);
        if (s.viscosityForm != LiquidViscosityForm::None) {
            for (int k = 0; k < 4; ++k)
                s.viscosityCoefficients[static_cast<std::size_t>(k)] = numberField(line, 16 + k, n);
            s.viscosityLowestTemperature = numberField(line, 20, n);
            s.viscosityHighestTemperature = numberField(line, 21, n);
        }
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<EstimationRecord> loadEstimationRecords(const persist::DataFileSet& files) {
    return parseEstimationRecords(
        files.readEnciphered(estimationFileName, persist::LineCipher::propertyTableKey));
}

int findSubstance(const std::vector<EstimationRecord>& records, SearchKey key, std::string_view text) {
    int found = -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const EstimationRecord& r = records[i];
        const std::string& value = key == SearchKey::Formula ? r.formula
                                   : key == SearchKey::Cas   ? r.cas
                                                             : r.refrigerant;
        if (!value.empty() && value == text) found = static_cast<int>(i);
    }
    return found;
}

}  // namespace velmora::media
