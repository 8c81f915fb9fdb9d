#pragma once

#include <stdexcept>
#include <string>

namespace velmora::engine {

// An arithmetic failure inside an engine: a root or logarithm of a negative number, a division by
// zero, a non-finite intermediate or result. The calculation driver turns it into the
// calculation-error message and adds no column; the text says what failed, for logs and tests.
class CalcError : public std::runtime_error {
  public:
    explicit CalcError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace velmora::engine
