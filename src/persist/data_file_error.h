#pragma once

#include <stdexcept>
#include <string>

namespace velmora::persist {

// A data file that cannot be read: missing, short, or holding a line that is not valid.
class DataFileError : public std::runtime_error {
public:
    // line is 1-based; 0 when the fault concerns the whole file.
    DataFileError(std::string file, int line, const std::string& reason);

    const std::string& file() const { return file_; }
    int line() const { return line_; }

private:
    std::string file_;
    int line_;
};

}  // namespace velmora::persist
