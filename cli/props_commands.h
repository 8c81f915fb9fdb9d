#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// `velmora-cli props ...`: one property state, printed as `key: value` lines in internal units.
// Each returns the exit status: 0 printed, 1 the state is refused (message on `err`), 2 unusable arguments.
namespace velmora::cli {

using Arguments = std::vector<std::string>;  // the words after the props subcommand

int propsWater(const Arguments& args, std::ostream& out, std::ostream& err);          // P T
int propsSaturation(const Arguments& args, std::ostream& out, std::ostream& err);     // --temperature=T | --pressure=P
int propsAir(const Arguments& args, std::ostream& out, std::ostream& err);            // P T
int propsHumidAir(const Arguments& args, std::ostream& out, std::ostream& err);       // P T RH
int propsSaturatedAir(const Arguments& args, std::ostream& out, std::ostream& err);   // TK

}  // namespace velmora::cli
