#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/real.h"
#include "persist/data_file_set.h"

// The liquids database "MEDIEN.STW": one liquid a line, each enciphered with the property-table
// key, TAB-separated: 1 name, 2 description, 3 melting point °C, 4 boiling point °C, then triples
// of a whole temperature °C, the density kg/m³ and the dynamic viscosity 10⁻⁶ kg/(m·s), ascending
// in temperature. The points end at the end of the line or at an empty field (our files name the
// record's source after it).
namespace velmora::media {

using model::Real;

inline constexpr std::string_view liquidFileName = "MEDIEN.STW";

struct LiquidPoint {
    int temperature;        // °C
    std::string density;    // kg/m³, as the file writes it
    std::string viscosity;  // 10⁻⁶ kg/(m·s), as the file writes it
    Real densityValue;
    Real viscosityValue;
};

struct LiquidRecord {
    std::string name;
    std::string description;
    std::string meltingPoint;  // °C, as the file writes it
    std::string boilingPoint;  // °C, as the file writes it
    std::vector<LiquidPoint> points;
};

// Throws persist::DataFileError naming the line when a number is not one, a group is incomplete or
// a line has no point.
std::vector<LiquidRecord> parseLiquidDatabase(const std::vector<std::string>& lines);
std::vector<LiquidRecord> loadLiquidDatabase(const persist::DataFileSet& files);
const LiquidRecord* findLiquidRecord(const std::vector<LiquidRecord>& records, std::string_view name);

}  // namespace velmora::media
