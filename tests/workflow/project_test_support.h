#pragma once

#include <initializer_list>
#include <ostream>
#include <optional>
#include <string>
#include <utility>

#include "workflow/results_table.h"

namespace velmora::workflow::testing {

// A column from its non-empty cells: {row, text} pairs.
inline ResultColumn columnOf(std::initializer_list<std::pair<int, const char*>> cells,
                             std::optional<GasInfos> gas = std::nullopt) {
    ResultColumn column;
    for (const auto& [r, text] : cells) column.cells[static_cast<std::size_t>(r)] = text;
    column.gas = std::move(gas);
    return column;
}

// The cells that differ, "row n: "a" != "b"", for readable failures of whole columns.
inline std::string cellDifferences(const ResultColumn& actual, const ResultColumn& expected) {
    std::string out;
    for (std::size_t r = 0; r < actual.cells.size(); ++r)
        if (actual.cells[r] != expected.cells[r])
            out += "row " + std::to_string(r) + ": \"" + actual.cells[r] + "\" but expected \"" + expected.cells[r] + "\"\n";
    if (actual.gas != expected.gas) out += "gas entries differ\n";
    return out;
}

inline const GasInfos airEntries{"2,5", "20", "15", "bar", "°C", "°C"};

// A small project (a liquid pipe and a gas inlet) as the German edition shows it.
inline std::vector<ResultColumn> germanProjectColumns() {
    return {
        columnOf({{0, "1"}, {1, "Wasser/flü."}, {2, "1,000"}, {3, "998,200"}, {4, "1002,000"}, {6, "Saugleitung"},
                  {7, "Kreisrohr/1"}, {8, "Durchmesser D in mm: 25,000"}, {9, "Rohrlänge L in m: 10,000"},
                  {14, "0,566"}, {15, "1,41E+0004"}, {18, "turbulent"}, {19, "0,100"}, {20, "0,031"},
                  {24, "39,123"}, {25, "0,039"}}),
        columnOf({{0, "2"}, {1, "Luft/gasf."}, {2, "100,000"}, {3, "1,205"}, {4, "18,100"},
                  {7, "Kantiger Einlauf/2"}, {8, "Durchmesser D in mm: 50,000"},
                  {13, "Kante des Einlaufs:  scharfkantig"}, {14, "14,147"}, {15, "1800"}, {18, "laminar"},
                  {21, "0,500"}, {24, "1,234"}, {25, "0,001"}},
                 airEntries),
    };
}

}  // namespace velmora::workflow::testing

namespace velmora::workflow {
// A column as its non-empty cells, for readable failures.
inline void PrintTo(const ResultColumn& column, std::ostream* out) {
    *out << "{";
    for (std::size_t r = 0; r < column.cells.size(); ++r)
        if (!column.cells[r].empty()) *out << r << ": \"" << column.cells[r] << "\", ";
    if (column.gas)
        *out << "gas: " << column.gas->inletPressure << " " << column.gas->inletPressureUnit << ", "
             << column.gas->inletTemperature << " " << column.gas->inletTemperatureUnit << ", "
             << column.gas->outletTemperature << " " << column.gas->outletTemperatureUnit;
    *out << "}";
}
}  // namespace velmora::workflow
