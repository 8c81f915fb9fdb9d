#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "media/vapour_pressure.h"
#include "persist/data_file_set.h"

// The vapour-pressure database "DADRU.DAD": a plain text file beside the program, one substance a
// line, TAB-separated: name, description, molar mass (kg/kmol), melting and boiling point (°C),
// the equation number 1, 2 or 3, its coefficients A … D, the lowest and highest temperature of
// validity (whole K), Tc (K), pc (bar), the Rackett reference density (g/cm³) at its reference
// temperature (K) and ZRA. Fields after the seventeenth (the record's sources) are not read.
namespace velmora::media {

inline constexpr std::string_view vapourPressureFileName = "DADRU.DAD";

struct VapourPressureRecord {
    std::string name;
    std::string description;
    std::string molarMass;     // kg/kmol, as the file writes it
    std::string meltingPoint;  // °C, as the file writes it
    std::string boilingPoint;  // °C, as the file writes it
    VapourPressureCorrelation correlation;
    int lowestK = 0;   // lowest temperature of validity, K
    int highestK = 0;  // highest temperature of validity, K
    RackettParameters rackett;
};

// Vapour pressure (bar) and saturated-liquid density (kg/m³) of one substance.
struct VapourPressurePoint {
    Real pressure;  // bar
    Real density;   // kg/m³
};

// The records of the file's lines in file order; empty lines are passed over. Throws
// persist::DataFileError naming the line when a line lacks a field or holds a number that is not
// one (or an equation other than 1, 2 or 3).
std::vector<VapourPressureRecord> parseVapourPressureDatabase(const std::vector<std::string>& lines);

// Reads DADRU.DAD from the data folder; persist::DataFileError when it cannot be read or parsed.
std::vector<VapourPressureRecord> loadVapourPressureDatabase(const persist::DataFileSet& files);

// The record whose name is `name` exactly, or nullptr.
const VapourPressureRecord* findVapourPressureRecord(const std::vector<VapourPressureRecord>& records,
                                                     std::string_view name);

// The offered whole-degree range of a record (vapourPressureTemperatureRange).
WholeDegreeRange offeredRange(const VapourPressureRecord& record);

// Vapour pressure and density at the whole-degree temperature t (°C), that is at t + 273.15 K.
// Refused where the equation has no value.
Outcome<VapourPressurePoint, WaterSteamRefusal> vapourPressureAt(const VapourPressureRecord& record,
                                                                 int celsius);

// The same at any temperature T (K), for callers that work in kelvin (NPSH, pump design).
Outcome<VapourPressurePoint, WaterSteamRefusal> vapourPressureAtKelvin(const VapourPressureRecord& record,
                                                                       Real temperatureK);

}  // namespace velmora::media
