#include "ParseDouble.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>

namespace decay {
namespace {

// fast_float rounds a magnitude beyond the range to infinity or zero and reports success; the
// standard calls both out of range. A spelt-out infinity starts with a letter, and only a
// mantissa with a non-zero digit can underflow.
bool outOfRange(const char* first, const char* end, double value)
{
    if (first != end && *first == '-')
        ++first;
    if (first == end || !(isDigit(*first) || *first == '.'))
        return false;
    if (std::isinf(value))
        return true;
    if (value != 0)
        return false;
    const char* mantissaEnd = std::find_if(first, end, [](char c) { return c == 'e' || c == 'E'; });
    return std::any_of(first, mantissaEnd, [](char c) { return c >= '1' && c <= '9'; });
}

} // namespace

std::from_chars_result parseDouble(const char* first, const char* last, double& value)
{
    double read = 0;
    const auto [ptr, ec] = fast_float::from_chars(first, last, read);
    if (ec != std::errc())
        return {ptr, ec};
    if (outOfRange(first, ptr, read))
        return {ptr, std::errc::result_out_of_range};
    value = read;
    return {ptr, std::errc()};
}

} // namespace decay
