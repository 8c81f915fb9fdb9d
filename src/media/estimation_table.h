#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "media/estimation_substance.h"
#include "persist/data_file_set.h"

namespace velmora::media {

inline constexpr std::string_view estimationFileName = "STBERE.STW";

// One substance of "STBERE.STW": its names and the constants of the estimation.
struct EstimationRecord {
    std::string cas;          // field 1
    std::string name;         // field 2, shown in the list
    std::string formula;      // field 4
    std::string refrigerant;  // field 22, e.g. "R290"; empty for most
    EstimationSubstance substance;
};

// The substances of the file's lines after the first; empty lines skipped. Throws
// persist::DataFileError naming the line when a number field is not a number or the viscosity
// form is not one of "0", "1", "2", "3", "5", "6".
std::vector<EstimationRecord> parseEstimationRecords(const std::vector<std::string>& lines);
std::vector<EstimationRecord> loadEstimationRecords(const persist::DataFileSet& files);

// How the search entry is compared (exactly) with a substance.
enum class SearchKey { Formula, Cas, Refrigerant };

// The position of the last substance whose key equals `text`; -1 when none does.
int findSubstance(const std::vector<EstimationRecord>& records, SearchKey key, std::string_view text);

}  // namespace velmora::media
