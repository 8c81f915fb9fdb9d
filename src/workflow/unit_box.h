#pragma once

#include "model/unit_box.h"

namespace velmora::workflow {
using model::UnitBox;
}  // namespace velmora::workflow
