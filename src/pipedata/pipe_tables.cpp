#include "pipedata/pipe_tables.h"

#include <algorithm>

#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::pipedata {

namespace {

using L = PipeLayout;
using M = PipeMaterial;

// The European page: steel 1 to 16, plastics 17 to 35, non-ferrous metals 36 and 37.
constexpr std::array<PipeStandard, 37> kEuropean{{
    {1, 503, 583, L::OdAndSeries, 7850, M::Steel},      {2, 590, 670, L::OdAndSeries, 7850, M::Steel},
    {3, 677, 725, L::OdAndWalls, 7850, M::Steel},       {4, 731, 771, L::OdAndWalls, 7850, M::Steel},
    {5, 442, 494, L::OdAndSeries, 7970, M::Steel},      {6, 778, 791, L::NominalOd, 7850, M::Steel},
    {7, 797, 810, L::NominalOd, 7850, M::Steel},        {8, 10, 39, L::NominalPressure, 7850, M::Steel},
    {9, 44, 58, L::WallOnly, 7850, M::Steel},           {10, 63, 77, L::WallOnly, 7850, M::Steel},
    {11, 81, 101, L::WallOnly, 7850, M::Steel},         {12, 106, 114, L::WallOnly, 7850, M::Steel},
    {13, 383, 396, L::WallOnly, 7850, M::Steel},        {14, 815, 830, L::WallOnly, 7970, M::Steel},
    {15, 835, 850, L::WallOnly, 7970, M::Steel},        {16, 855, 866, L::WallOnly, 7970, M::Steel},
    {17, 948, 980, L::NominalPressure, 950, M::Plastic}, {18, 986, 1017, L::NominalPressure, 950, M::Plastic},
    {19, 1023, 1055, L::NominalPressure, 950, M::Plastic}, {20, 1061, 1093, L::NominalPressure, 950, M::Plastic},
    {21, 401, 435, L::Sdr, 950, M::Plastic},            {22, 155, 168, L::NominalPressure, 950, M::Plastic},
    {23, 172, 186, L::WallOnly, 950, M::Plastic},       {24, 190, 198, L::WallOnly, 950, M::Plastic},
    {25, 203, 212, L::NominalPressure, 950, M::Plastic}, {26, 216, 247, L::NominalPressure, 910, M::Plastic},
    {27, 912, 942, L::NominalPressure, 1400, M::Plastic}, {28, 252, 289, L::NominalPressure, 1400, M::Plastic},
    {29, 294, 310, L::NominalPressure, 910, M::Plastic}, {30, 314, 319, L::WallOnly, 1400, M::Plastic},
    {31, 323, 329, L::WallOnly, 1400, M::Plastic},      {32, 333, 341, L::WallOnly, 1400, M::Plastic},
    {33, 872, 882, L::NominalPressure, 1700, M::Plastic}, {34, 888, 894, L::NominalPressure, 1700, M::Plastic},
    {35, 900, 905, L::NominalPressure, 1700, M::Plastic}, {36, 345, 360, L::WallOnly, 8900, M::NonFerrous},
    {37, 364, 379, L::WallOnly, 8900, M::NonFerrous},
}};

// The American page, dimensions in inches: steel 1 to 3, plastics 4 to 11, copper 12.
constexpr std::array<PipeStandard, 12> kAmerican{{
    {1, 5, 30, L::Schedule, 7850, M::Steel},        {2, 35, 65, L::Schedule, 7850, M::Steel},
    {3, 69, 105, L::Schedule, 7850, M::Steel},      {4, 109, 126, L::Schedule, 1400, M::Plastic},
    {5, 129, 139, L::Schedule, 1400, M::Plastic},   {6, 143, 149, L::WallOnly, 1400, M::Plastic},
    {7, 153, 176, L::Schedule, 910, M::Plastic},    {8, 180, 195, L::Schedule, 910, M::Plastic},
    {9, 199, 217, L::Schedule, 1040, M::Plastic},   {10, 221, 239, L::Schedule, 1040, M::Plastic},
    {11, 243, 249, L::Schedule, 1040, M::Plastic},  {12, 253, 271, L::Schedule, 8900, M::NonFerrous},
}};

constexpr std::array<PipeStandard, 3> kOther{{
    {1, 3, 20, L::WallOnly, 8900, M::NonFerrous},
    {2, 25, 41, L::WallOnly, 8900, M::NonFerrous},
    {3, 46, 60, L::WallOnly, 8900, M::NonFerrous},
}};

const std::string kEmpty;

}  // namespace

std::span<const PipeStandard> pipeStandards(PipePage page) {
    switch (page) {
    case PipePage::European: return kEuropean;
    case PipePage::American: return kAmerican;
    case PipePage::Other: return kOther;
    }
    return {};
}

std::string_view pipeFileName(PipePage page) {
    switch (page) {
    case PipePage::European: return "rohre.nfk";
    case PipePage::American: return "rohrea.nfk";
    case PipePage::Other: return "rohreo.nfk";
    }
    return {};
}

bool hasHeadingLine(PipeLayout layout) {
    return layout == L::NominalPressure || layout == L::Sdr || layout == L::WallOnly || layout == L::Schedule;
}

bool hasSecondList(PipeLayout layout) { return layout != L::WallOnly && layout != L::NominalOd; }

PipeBlock::PipeBlock(const std::vector<std::string>& fileLines, const PipeStandard& standard) : standard_(standard) {
    const auto at = [&](int number) -> const std::string& {
        return number >= 1 && number <= static_cast<int>(fileLines.size()) ? fileLines[number - 1] : kEmpty;
    };
    int first = standard.first;
    if (hasHeadingLine(standard.layout)) heading_ = at(first++);
    int last = standard.last;
    while (last >= first && at(last).find_first_not_of(" \t") == std::string::npos) --last;
    for (int n = first; n <= last; ++n) sizes_.push_back(at(n));
}

std::vector<std::string> PipeBlock::sizeItems() const {
    std::vector<std::string> items;
    for (const std::string& l : sizes_) {
        const std::string_view f = persist::field(l, 1);
        items.emplace_back(f.empty() ? "-" : std::string(f));
    }
    return items;
}

namespace {
// Fields `from`, from + 1, … of a line up to its last non-empty one.
std::vector<std::string> fieldsFrom(const std::string& line, int from) {
    std::vector<std::string> items;
    const int count = static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
    for (int n = from; n <= count; ++n) items.emplace_back(persist::field(line, n));
    while (!items.empty() && items.back().empty()) items.pop_back();
    return items;
}
}  // namespace

std::vector<std::string> PipeBlock::classItems(int size) const {
    switch (standard_.layout) {
    case L::NominalPressure:
    case L::Sdr:
    case L::Schedule: return fieldsFrom(heading_, 3);
    case L::OdAndSeries: return fieldsFrom(line(size), 3);
    case L::OdAndWalls: return fieldsFrom(line(size), 2);
    case L::WallOnly:
    case L::NominalOd: return {};
    }
    return {};
}

std::string PipeBlock::series(int size) const {
    return standard_.layout == L::OdAndSeries ? std::string(persist::field(line(size), 2)) : std::string();
}

std::string PipeBlock::outsideDiameter(int size) const {
    const bool first = standard_.layout == L::OdAndSeries || standard_.layout == L::OdAndWalls ||
                       standard_.layout == L::NominalOd;
    return std::string(persist::field(line(size), first ? 1 : 2));
}

std::string PipeBlock::wallThickness(int size, int classIndex) const {
    switch (standard_.layout) {
    case L::NominalPressure:
    case L::Sdr:
    case L::Schedule:
    case L::OdAndSeries: return std::string(persist::field(line(size), 3 + classIndex));
    case L::OdAndWalls: return std::string(persist::field(line(size), 2 + classIndex));
    case L::WallOnly: return std::string(persist::field(line(size), 3));
    case L::NominalOd: return std::string(persist::field(line(size), 2));
    }
    return {};
}

std::vector<std::string> readPipeFile(const persist::DataFileSet& files, std::string_view fileName, bool decimalComma) {
    std::vector<std::string> lines = files.readEnciphered(fileName, persist::LineCipher::dataKey);
    if (!decimalComma)
        for (std::string& l : lines) std::replace(l.begin(), l.end(), ',', '.');
    return lines;
}

}  // namespace velmora::pipedata
