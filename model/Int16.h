#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace decay {

// 16-bit signed arithmetic that reports leaving the range instead of wrapping.
inline std::optional<std::int16_t> checkedInt16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

inline std::optional<std::int16_t> add16(std::int16_t a, std::int16_t b)
{
    return checkedInt16(static_cast<long long>(a) + b);
}

} // namespace decay
