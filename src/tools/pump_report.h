#pragma once

#include <string>
#include <vector>

// What the pump design's output window shows, copies and prints, as finished texts.
namespace velmora::tools {

struct PumpReportRow {
    std::string label;
    std::string suction;
    std::string discharge;
};

struct PumpReportTotal {
    std::string label;
    std::string value;
};

struct PumpReport {
    std::string suctionHeading;  // the two page captions above the value columns
    std::string dischargeHeading;
    std::vector<PumpReportRow> sides;     // the fourteen rows of the first table
    std::vector<PumpReportTotal> totals;  // dp, H, NPSH, P
    bool negativeSuctionPressure = false;
    // The copy text's lines, each a list of tab-separated fields; an empty list is an empty line.
    std::vector<std::vector<std::string>> lines;
    std::vector<std::size_t> boldLines;  // the head and NPSH lines, bold in the printout
};

// The clipboard text: the lines' fields joined by tabs, every line ending CR LF.
std::string pumpCopyText(const PumpReport& report);

}  // namespace velmora::tools
