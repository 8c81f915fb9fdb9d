#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "props_dialog_commands.h"

// `velmora-cli props liquid | gas | vapour-pressure` and the lists of the liquids, gas and
// vapour-pressure databases: the dialogs' presenters driven as a user would drive them. Messages of the
// dialog go to `err`; exit 0, 1 refused, 2 unusable.
namespace velmora::cli {

int propsLiquid(const Arguments& args, const PropsContext& context, std::ostream& out,
                std::ostream& err);  // NAME T
int propsGas(const Arguments& args, const PropsContext& context, std::ostream& out,
             std::ostream& err);  // NAME P T
int propsVapourPressure(const Arguments& args, const PropsContext& context, std::ostream& out,
                        std::ostream& err);  // NAME T

// `props list liquids|gases|vapour-pressure`; none for another kind.
std::optional<int> propsListDatabases(const std::string& kind, const PropsContext& context, std::ostream& out,
                                      std::ostream& err);

}  // namespace velmora::cli
