// The number reader of every entry and cell, and the table's number writer: the first byte gives
// the decimals (0 … 6) and the separator, the rest is the text typed. A text that reads is
// written back in every form the table uses, and each of those texts must read again, near the
// value written.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "model/number_text.h"
#include "workflow/result_number_format.h"

using namespace velmora;
using model::Real;

namespace {

void requireReadsBack(const std::string& text, Real value) {
    if (text.empty()) {
        fuzz::require(!std::isfinite(value), "only a value that is not finite has no text");
        return;
    }
    const auto read = model::readNumber(text);
    fuzz::require(read.has_value(), "a written number reads back");
    // Three significant digits in the scientific form (cut, not rounded, at the end of the range:
    // 1.1897E+4932 is written 1.18E+4932); the decimals in the fixed form.
    fuzz::require(std::fabs(*read - value) <= std::fabs(value) * 0.01L + 0.5L, "it reads back near its value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int decimals = data[0] % 7;
    const bool comma = (data[0] & 0x80) != 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto value = model::readNumber(text);
    if (!value) return 0;
    fuzz::require(std::isfinite(*value), "a number read is finite");
    requireReadsBack(workflow::formatFixed(*value, decimals, comma), *value);
    requireReadsBack(workflow::formatLoss(*value, decimals, comma), *value);
    requireReadsBack(workflow::formatReynolds(std::fabs(*value), comma), std::fabs(*value));
    requireReadsBack(workflow::formatScientific(*value, comma), *value);
    requireReadsBack(model::writeNumber(*value, decimals, comma), *value);
    return 0;
}
