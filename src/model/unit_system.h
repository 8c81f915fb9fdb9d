#pragma once

namespace velmora::model {

// The units the results table writes its values in; stored in the settings as "M" or "I".
enum class UnitSystem { Metric, Us };

}  // namespace velmora::model
