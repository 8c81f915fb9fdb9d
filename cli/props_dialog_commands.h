#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "persist/data_file_set.h"

// `velmora-cli props brine | oil | solution | estimate` and the lists of their dialogs: each runs
// the dialog's presenter as a user would (entries typed, "&Berechnen" pressed) and prints the
// values behind its result. Messages of the dialog go to `err`; exit 0, 1 refused, 2 unusable.
namespace velmora::cli {

struct PropsContext {
    const lang::TextCatalogue& texts;
    persist::DataFileSet files;  // the data folder (WT.STW, WAESSRIG.STW, STBERE.STW)
};

using Arguments = std::vector<std::string>;

int propsBrine(const Arguments& args, const PropsContext& context, std::ostream& out,
               std::ostream& err);  // N C T
int propsOil(const Arguments& args, const PropsContext& context, std::ostream& out,
             std::ostream& err);  // NAME T
int propsSolution(const Arguments& args, const PropsContext& context, std::ostream& out,
                  std::ostream& err);  // NAME W T
int propsEstimate(const Arguments& args, const PropsContext& context, std::ostream& out,
                  std::ostream& err);  // NAME P T

// `props list brines|oils|solutions|substances`: one name a line as the dialog lists it; none when
// the kind is not one of these four (another list command may know it).
std::optional<int> propsListMediaDialogs(const std::string& kind, const PropsContext& context,
                                         std::ostream& out, std::ostream& err);

}  // namespace velmora::cli
