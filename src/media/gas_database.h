#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "media/srk_density.h"
#include "persist/data_file_set.h"

// The gas database "GASE.STW": its first line is skipped, every further line is enciphered with
// the property-table key and holds, TAB-separated: 1 CAS number, 2 name, 3 (not read; our files
// name the record's source there), 4 description, 5 molar mass g/mol, 6 melting point °C,
// 7 normal boiling point °C, 8 Tc K, 9 pc bar, 10 (not read), 11 acentric factor, then pairs of
// a whole temperature °C and the viscosity at normal pressure in 10⁻⁶ kg/(m·s), ascending.
namespace velmora::media {

inline constexpr std::string_view gasFileName = "GASE.STW";

struct GasViscosityPoint {
    int temperature;            // °C
    Real viscosity;             // 10⁻⁶ kg/(m·s), at normal pressure
    std::string viscosityText;  // as the file writes it
};

struct GasRecord {
    std::string cas;
    std::string name;
    std::string description;
    std::string meltingPoint;     // °C, as the file writes it
    std::string boilingPoint;     // °C, as the file writes it
    Real normalBoilingPoint = 0;  // °C
    GasCriticalData critical;     // Tc K, pc bar, ω, M g/mol
    std::vector<GasViscosityPoint> points;
};

// The records of the deciphered lines after the first, in file order; empty lines are passed over.
// Throws persist::DataFileError naming the line when a field is missing or not a number, or when
// a line has no viscosity point.
std::vector<GasRecord> parseGasDatabase(const std::vector<std::string>& lines);

// Reads and deciphers GASE.STW from the data folder; persist::DataFileError when it cannot.
std::vector<GasRecord> loadGasDatabase(const persist::DataFileSet& files);

const GasRecord* findGasRecord(const std::vector<GasRecord>& records, std::string_view name);

}  // namespace velmora::media
