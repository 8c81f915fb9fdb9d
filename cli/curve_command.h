#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"

namespace velmora::cli {

// `velmora-cli curve PIPELINE.json --from=A --to=B [--unit=U] [--points=N] [--pump=FILE]
// [--head-unit=m|ft] [--size=WxH] [--svg=OUT] [--png=OUT] [--pdf=OUT]`: the pipeline calculated as
// `calc` does, then the system characteristic curve over its table with the main form's medium,
// printed as the plot window's copied values (with the pump column and the operating point when
// a pump file is given); the diagram written as pictures when asked. Exit status: 0, or 1 when an
// element of the pipeline was refused, the curve was refused (gas, empty table, the range, an
// element the curve cannot compute, no pressure loss) or the pump file holds no usable curve;
// 2 for arguments or files that cannot be used. `programFolder` is where the picture helper for
// PNG and PDF lies.
int runCurve(const std::vector<std::string>& args, const lang::TextCatalogue& texts,
             const std::filesystem::path& programFolder, std::ostream& out, std::ostream& err);

extern const char* const curveUsage;

}  // namespace velmora::cli
