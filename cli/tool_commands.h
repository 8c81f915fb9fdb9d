#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"

namespace velmora::cli {

// `velmora-cli tool NAME KEY=TEXT... [--units=metric|US] [--decimals=N]`: one engineering tool
// computed as its dialog computes it, the entries typed as texts and the choices given by their
// label or position; prints the dialog's results as `key: value` lines. Exit status: 0 with a
// result, 1 when the tool refused (its message on `err`), 2 for unusable arguments.
int runTool(const std::vector<std::string>& args, const lang::TextCatalogue& texts, std::ostream& out,
            std::ostream& err);

}  // namespace velmora::cli
