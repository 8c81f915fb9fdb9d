#pragma once

// All engine and unit arithmetic runs in extended precision (80-bit on x86-64).
namespace velmora::model {
using Real = long double;
}  // namespace velmora::model
