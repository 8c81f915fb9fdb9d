#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/outcome.h"
#include "model/real.h"
#include "persist/data_file_set.h"

namespace velmora::media {

using model::Real;

inline constexpr std::string_view oilFileName = "WT.STW";

// One oil of "WT.STW": t in °C, density ρ = A + B·t + C·t² + D·t³ (kg/m³), kinematic viscosity
// ν = exp(E + F/(G + t)) (mm²/s), none where E is 0.
struct OilRecord {
    int kind = 1;  // 1 mineral, 2 synthetic, 3 and 4 other fluids
    std::string name;
    std::array<Real, 4> density{};    // A, B, C, D
    std::array<Real, 3> viscosity{};  // E, F, G
};

// The oils of the file's lines after the first (deciphered); empty lines are skipped. Throws
// persist::DataFileError naming the line when a number field is not a number.
std::vector<OilRecord> parseOils(const std::vector<std::string>& lines);
// "WT.STW" of the data folder; throws persist::DataFileError when it cannot be read.
std::vector<OilRecord> loadOils(const persist::DataFileSet& files);

enum class OilRefusal { BelowRange, AboveRange, OutsideValidity };

struct OilState {
    int temperature = 0;            // °C, the entry rounded to whole degrees
    Real density = 0;               // kg/m³; negative: no value
    std::optional<Real> viscosity;  // 10⁻⁶ kg/(m·s); none where the oil has no law
};

// The oil at T (K): t rounded to whole °C (half away from zero), 0 … 300 °C.
Outcome<OilState, OilRefusal> computeOil(const OilRecord& oil, Real temperatureK);

}  // namespace velmora::media
