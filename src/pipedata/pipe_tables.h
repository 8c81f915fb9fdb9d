#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "persist/data_file_set.h"

// The pipe dimension tables: which lines of which file belong to which standard, how a standard's
// lines are laid out, and the material density for its mass per metre.
namespace velmora::pipedata {

// How a standard's block of lines is laid out (fields are tab-separated, counted from 1).
enum class PipeLayout {
    NominalPressure,  // "Nenndruck": heading line with pressure classes in fields 3…; then DN, Do, s per class
    Sdr,              // "SDR": as NominalPressure, the heading values being SDR classes
    WallOnly,         // "nur_s": heading line (not shown); then DN, Do, s
    OdAndSeries,      // "AD_und_Reihe": Do, series, the thicknesses offered
    OdAndWalls,       // "AD_und_s": Do, the thicknesses offered
    NominalOd,        // "Nenn_Da": nominal outside diameter, s
    Schedule,         // American page: heading with schedules in fields 3…; then NPS, Do (in), s (in) per schedule
};

enum class PipePage { European, American, Other };

enum class PipeMaterial { Steel, Plastic, NonFerrous };

// One standard of a page: its block of lines (1-based, inclusive), layout and density (kg/m³).
struct PipeStandard {
    int number;  // 1 … on its page
    int first;
    int last;
    PipeLayout layout;
    double density;
    PipeMaterial material;
};

std::span<const PipeStandard> pipeStandards(PipePage page);
// The data file of a page: "rohre.nfk", "rohrea.nfk", "rohreo.nfk".
std::string_view pipeFileName(PipePage page);
inline constexpr std::string_view rectangularFileName = "rechteck.nfk";

// Whether the size list starts at the block's second line (a heading line first).
bool hasHeadingLine(PipeLayout layout);
// Whether the layout offers a second list (pressure classes, SDR, series thicknesses, schedules).
bool hasSecondList(PipeLayout layout);

// The lines of a standard's block as kept from its file. Lines beyond the file's end read as empty;
// the unused lines at the end of a block (empty lines) are not part of it.
class PipeBlock {
public:
    PipeBlock(const std::vector<std::string>& fileLines, const PipeStandard& standard);

    const PipeStandard& standard() const { return standard_; }
    bool empty() const { return sizes_.empty(); }

    // The size list's texts ("-" for an empty size field).
    std::vector<std::string> sizeItems() const;
    // The second list's texts for a size: the heading's classes, or the line's thicknesses.
    std::vector<std::string> classItems(int size) const;
    // The series of an "AD_und_Reihe" line (field 2), else empty.
    std::string series(int size) const;

    // The outside diameter and wall thickness texts of a size and class, as in the file; the
    // thickness is empty when the class is not made in that size.
    std::string outsideDiameter(int size) const;
    std::string wallThickness(int size, int classIndex) const;

private:
    const std::string& line(int size) const { return sizes_.at(static_cast<std::size_t>(size)); }

    PipeStandard standard_;
    std::string heading_;
    std::vector<std::string> sizes_;
};

// Reads a page's file (or the rectangular one) with the data key; in the English edition every
// comma becomes a point. Throws persist::DataFileError when the file cannot be read.
std::vector<std::string> readPipeFile(const persist::DataFileSet& files, std::string_view fileName, bool decimalComma);

}  // namespace velmora::pipedata
