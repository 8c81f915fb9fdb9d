#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"

// `velmora-cli calc PIPELINE.json [--project=OUT.vla]` and `velmora-cli show PROJECT.vla`: the
// results table of a pipeline description, respectively of a project file, printed as the
// clipboard copy of the table gives it. Exit status of calc: 0 every element gave a column, 1 one
// or more were refused (their messages on `err`), 2 the input cannot be used or the project file
// asked for could not be written.
namespace velmora::cli {

int runCalc(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err);

// `velmora-cli show PROJECT.vla`: a project file of any format. Its messages (an older format
// converted, an invalid file) go to `err`; an invalid or unreadable file exits 2.
int runShow(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err);

}  // namespace velmora::cli
