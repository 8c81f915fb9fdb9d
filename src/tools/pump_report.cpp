#include "tools/pump_report.h"

namespace velmora::tools {

std::string pumpCopyText(const PumpReport& report) {
    std::string text;
    for (const auto& fields : report.lines) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) text += '\t';
            text += fields[i];
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace velmora::tools
