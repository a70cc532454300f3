#pragma once

#include <charconv>

namespace decay {

// std::from_chars for a double in its general format, on every standard library: some (Apple's
// libc++, emscripten's) have only the integer overloads. The text is read by fast_float
// (D. Lemire, "Number parsing at a gigabyte per second", Softw. Pract. Exp. 51, 2021), correctly
// rounded like the standard's. As in the standard: no leading "+", "inf" and "nan" read, and a
// number beyond the double range (its magnitude rounds to infinity, or a non-zero one to 0) gives
// std::errc::result_out_of_range with `value` left as it was, `ptr` past the number.
std::from_chars_result parseDouble(const char* first, const char* last, double& value);

// An ASCII digit, whatever the C locale says.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace decay
