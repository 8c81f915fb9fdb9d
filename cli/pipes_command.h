#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "persist/data_file_set.h"

namespace velmora::cli {

// `velmora-cli pipes list` and `velmora-cli pipes show STANDARD` over the circular pipe dialog's
// presenter: the standards by page with their designations, and one standard's sizes with outside
// diameter, class, wall and inside diameter. STANDARD is the page letter and number of `list`
// (E8, A2, O1) or the standard's name as listed. Exit 0, 2 for an unknown standard or a data file
// that cannot be read.
int runPipes(const std::vector<std::string>& args, const lang::TextCatalogue& texts,
             const persist::DataFileSet& files, std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
