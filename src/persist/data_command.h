#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::persist {

// The data-file tool, shared by the build step and `velmora-cli data`:
//   encipher --key=data|property FILE [--output=OUT]   UTF-8 lines → Windows-1252, enciphered
//   decipher --key=data|property FILE                  enciphered lines → UTF-8 on `out`
//   plain FILE [--output=OUT]                          UTF-8 lines → Windows-1252, not enciphered
// Without --output the result goes to `out`. Returns 0, or 2 with a message on `err`.
int runDataCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora::persist
