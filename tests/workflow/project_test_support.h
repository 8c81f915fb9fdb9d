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
