#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace decay {

// Round to the nearest whole number, a half going to the even neighbour (12.5 -> 12, 13.5 -> 14).
double roundHalfEven(double value);

// The number at the start of the text, "." as decimal point, after dropping every blank, tab and
// line feed; 0 when the text does not start with a number. Empty only when the number is beyond
// the range of a double.
std::optional<double> lenientValue(std::string_view text);

// The whole text (surrounding blanks allowed) must be a number. The decimal point is the user's
// (`decimalPoint`, UTF-8) or "."; empty when the text is no number or beyond the double range.
std::optional<double> strictValue(std::string_view text, std::string_view decimalPoint);
// As strictValue, for a whole number of at most 10^15 in size; empty for any other.
std::optional<long long> wholeNumber(std::string_view text, std::string_view decimalPoint);
// Whether the whole text reads as a number for strictValue, whatever its size.
bool isNumberText(std::string_view text, std::string_view decimalPoint);
// As strictValue, for single precision: empty also beyond the float range.
std::optional<float> strictSingle(std::string_view text, std::string_view decimalPoint);

// A field the user left empty: nothing but blanks and tabs.
bool isBlank(std::string_view text);
// The text without its leading and trailing blanks and tabs.
std::string_view trimmed(std::string_view text);

// Nearest 16-bit integer, halves to even; empty outside -32768..32767 or for NaN.
std::optional<std::int16_t> toInt16(double value);

// At most 15 significant digits, no trailing zeros, "." as decimal point; exponent form
// ("1E+20", "1E-05") from 15 integer digits on and below 0.0001.
std::string numberText(double value);
// At most `digits` significant digits (1 to 17), no trailing zeros, "." as decimal point, exponent
// form ("4.463E+09") far from 1, whatever the user's locale.
std::string significantDigits(double value, int digits);
// The significant digits a value was printed with, leading zeros not counted: 65.932 has five,
// 4.463 four, 1600 four, 0.0017 two; at least one.
int printedDigits(double value);

} // namespace decay
