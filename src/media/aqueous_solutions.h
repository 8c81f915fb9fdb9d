#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/outcome.h"
#include "model/real.h"
#include "persist/data_file_set.h"

namespace velmora::media {

using model::Real;

inline constexpr std::string_view solutionFileName = "WAESSRIG.STW";

// One solute of "WAESSRIG.STW": with t in °C and w in mass %,
//   log10(ρ/ρw) = w/100·(a1/10⁴ − a2/10⁶·t + a3/10⁸·t²),
//   log10(η/ηw) = w/100·(b1/100 + b2/10⁴·t + b3/10⁵·t²).
struct SoluteRecord {
    std::string name;
    std::string description;
    std::array<Real, 3> density{};    // a1, a2, a3
    std::array<Real, 3> viscosity{};  // b1, b2, b3
};

// The solutes of the file's lines after the first two; empty lines skipped. Throws
// persist::DataFileError naming the line when a number field is not a number.
std::vector<SoluteRecord> parseSolutes(const std::vector<std::string>& lines);
std::vector<SoluteRecord> loadSolutes(const persist::DataFileSet& files);

enum class SolutionRefusal {
    BelowRange,            // below 273.15 K
    AboveRange,            // above 473.15 K
    ConcentrationTooHigh,  // 100 % or more
    TooFewSubstances,      // a mixture of fewer than two solutes
    SumTooHigh,            // the mixture's concentrations add up to 100 % or more
    OutsideValidity,       // an arithmetic failure
};

struct SolutionState {
    Real density = 0;    // kg/m³
    Real viscosity = 0;  // 10⁻⁶ kg/(m·s)
};

struct SoluteShare {
    const SoluteRecord* solute = nullptr;
    Real concentration = 0;  // mass %
};

// Below 273.15 K or above 473.15 K: the refusal; none inside.
std::optional<SolutionRefusal> solutionTemperatureRefusal(Real temperatureK);

// Water at (T, 1.013 bar) after IAPWS-IF97 region 1, with each solute's logarithmic terms added:
// one solute, or a mixture of two to four (the same terms summed).
Outcome<SolutionState, SolutionRefusal> computeSolution(const SoluteRecord& solute, Real concentration,
                                                        Real temperatureK);
Outcome<SolutionState, SolutionRefusal> computeSolutionMixture(std::span<const SoluteShare> shares,
                                                               Real temperatureK);

}  // namespace velmora::media
