#include "persist/data_file_error.h"

namespace velmora::persist {

namespace {
std::string describe(const std::string& file, int line, const std::string& reason) {
    return line > 0 ? file + ", line " + std::to_string(line) + ": " + reason : file + ": " + reason;
}
}  // namespace

DataFileError::DataFileError(std::string file, int line, const std::string& reason)
    : std::runtime_error(describe(file, line, reason)), file_(std::move(file)), line_(line) {}

}  // namespace velmora::persist
