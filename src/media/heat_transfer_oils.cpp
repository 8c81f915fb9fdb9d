#include "media/heat_transfer_oils.h"

#include <cmath>

#include "model/number_text.h"
#include "persist/data_file_error.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::media {

namespace {

// Field n of the line as a number (decimal comma or point); DataFileError when it is not one.
Real numberField(const std::string& line, int n, int lineNumber) {
    const std::optional<Real> value = model::readNumber(persist::field(line, n));
    if (!value)
        throw persist::DataFileError(std::string(oilFileName), lineNumber,
                                     "field " + std::to_string(n) + " is not a number");
    return *value;
}

}  // namespace

std::vector<OilRecord> parseOils(const std::vector<std::string>& lines) {
    std::vector<OilRecord> oils;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        const int number = static_cast<int>(i + 1);
        OilRecord oil;
        oil.kind = static_cast<int>(numberField(line, 1, number));
        oil.name = std::string(persist::field(line, 2));
        for (int k = 0; k < 4; ++k)
            oil.density[static_cast<std::size_t>(k)] = numberField(line, 5 + k, number);
        for (int k = 0; k < 3; ++k)
            oil.viscosity[static_cast<std::size_t>(k)] = numberField(line, 14 + k, number);
        oils.push_back(std::move(oil));
    }
    return oils;
}

std::vector<OilRecord> loadOils(const persist::DataFileSet& files) {
    return parseOils(files.readEnciphered(oilFileName, persist::LineCipher::propertyTableKey));
}

Outcome<OilState, OilRefusal> computeOil(const OilRecord& oil, Real temperatureK) {
    const long long t = model::roundHalfAway(temperatureK - 273.15L);
    if (t < 0) return OilRefusal::BelowRange;
    if (t > 300) return OilRefusal::AboveRange;
    const Real x = static_cast<Real>(t);
    const auto& [a, b, c, d] = oil.density;
    OilState state;
    state.temperature = static_cast<int>(t);
    state.density = a + x * (b + x * (c + x * d));
    const auto& [e, f, g] = oil.viscosity;
    if (e != 0) state.viscosity = std::exp(e + f / (g + x)) * state.density;
    if (!std::isfinite(state.density) || (state.viscosity && !std::isfinite(*state.viscosity)))
        return OilRefusal::OutsideValidity;
    return state;
}

}  // namespace velmora::media
