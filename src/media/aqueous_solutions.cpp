#include "media/aqueous_solutions.h"

#include <cmath>

#include "media/water_regions.h"
#include "media/water_viscosity.h"
#include "model/number_text.h"
#include "persist/data_file_error.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::media {

namespace {

constexpr Real ambientPressure = 1.013L;  // bar

Real numberField(const std::string& line, int n, int lineNumber) {
    const std::optional<Real> value = model::readNumber(persist::field(line, n));
    if (!value)
        throw persist::DataFileError(std::string(solutionFileName), lineNumber,
                                     "field " + std::to_string(n) + " is not a number");
    return *value;
}

// w/100 times the bracket of log10(ρ/ρw) and of log10(η/ηw).
Real densityTerm(const SoluteRecord& s, Real w, Real t) {
    return w / 100 * (s.density[0] / 1e4L - s.density[1] / 1e6L * t + s.density[2] / 1e8L * t * t);
}
Real viscosityTerm(const SoluteRecord& s, Real w, Real t) {
    return w / 100 * (s.viscosity[0] / 100 + s.viscosity[1] / 1e4L * t + s.viscosity[2] / 1e5L * t * t);
}

Outcome<SolutionState, SolutionRefusal> solution(std::span<const SoluteShare> shares, Real temperatureK) {
    const Real t = temperatureK - 273.15L;
    const Real waterDensity = region1Density(temperatureK, ambientPressure);
    const Real waterViscosityValue = waterViscosity(temperatureK, waterDensity);
    Real logDensity = std::log10(waterDensity);
    Real logViscosity = std::log10(waterViscosityValue);
    for (const SoluteShare& share : shares) {
        logDensity += densityTerm(*share.solute, share.concentration, t);
        logViscosity += viscosityTerm(*share.solute, share.concentration, t);
    }
    SolutionState state{std::pow(10.0L, logDensity), std::pow(10.0L, logViscosity)};
    if (!std::isfinite(state.density) || !std::isfinite(state.viscosity))
        return SolutionRefusal::OutsideValidity;
    return state;
}

}  // namespace

std::optional<SolutionRefusal> solutionTemperatureRefusal(Real temperatureK) {
    if (temperatureK < 273.15L) return SolutionRefusal::BelowRange;
    if (temperatureK > 473.15L) return SolutionRefusal::AboveRange;
    return std::nullopt;
}

std::vector<SoluteRecord> parseSolutes(const std::vector<std::string>& lines) {
    std::vector<SoluteRecord> solutes;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty()) continue;
        const int number = static_cast<int>(i + 1);
        SoluteRecord s;
        s.name = std::string(persist::field(line, 1));
        s.description = std::string(persist::field(line, 3));
        for (int k = 0; k < 3; ++k) {
            s.density[static_cast<std::size_t>(k)] = numberField(line, 4 + k, number);
            s.viscosity[static_cast<std::size_t>(k)] = numberField(line, 7 + k, number);
        }
        solutes.push_back(std::move(s));
    }
    return solutes;
}

std::vector<SoluteRecord> loadSolutes(const persist::DataFileSet& files) {
    return parseSolutes(files.readEnciphered(solutionFileName, persist::LineCipher::propertyTableKey));
}

Outcome<SolutionState, SolutionRefusal> computeSolution(const SoluteRecord& solute, Real concentration,
                                                        Real temperatureK) {
    if (auto refusal = solutionTemperatureRefusal(temperatureK)) return *refusal;
    if (!(concentration < 100)) return SolutionRefusal::ConcentrationTooHigh;
    const SoluteShare share{&solute, concentration};
    return solution({&share, 1}, temperatureK);
}

Outcome<SolutionState, SolutionRefusal> computeSolutionMixture(std::span<const SoluteShare> shares,
                                                               Real temperatureK) {
    if (auto refusal = solutionTemperatureRefusal(temperatureK)) return *refusal;
    if (shares.size() < 2) return SolutionRefusal::TooFewSubstances;
    Real sum = 0;
    for (const SoluteShare& share : shares) sum += share.concentration;
    if (!(sum < 100)) return SolutionRefusal::SumTooHigh;
    return solution(shares, temperatureK);
}

}  // namespace velmora::media
