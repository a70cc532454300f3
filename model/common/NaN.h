#pragma once

#include <limits>

namespace decay {

// What a quantity is where it has none: too few values, no fit, no logarithm.
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace decay
