#include "Conversions.h"

#include "ParseDouble.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace decay {
namespace {

// printf's "%.*g" in the C locale, whatever locale the program runs in. std::to_chars does this
// exactly; where the standard library lacks it for doubles (emscripten's libc++, Apple's before
// macOS 13.3), a stream with the classic locale prints the same "%.*g".
std::string generalFormat(double value, int digits)
{
#if ATOMDRIFT_HAS_DOUBLE_TO_CHARS
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
    return std::string(buffer, end);
#else
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::setprecision(digits) << value;
    return stream.str();
#endif
}

// The longest prefix of `text` that reads as [sign] digits [. digits] [e|E [sign] digits] with at
// least one mantissa digit; 0 when there is none.
std::size_t numberPrefix(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t expStart = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > expStart)
            i = j;
    }
    return i;
}

// Converts a text that numberPrefix accepted whole. Out-of-range results are split by the
// decimal exponent: underflow reads as a signed zero, overflow as no value.
std::optional<double> parseNumber(std::string_view number)
{
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative)
        number.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = parseDouble(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Decimal exponent of the first significant digit decides between the two ends.
        // Any exponent beyond a million is as good as infinite; clamping keeps the sum in range.
        constexpr long long kFar = 1'000'000;
        long long exponent = 0;
        const auto e = number.find_first_of("eE");
        if (e != std::string_view::npos) {
            const char* digits = number.data() + e + 1 + (number[e + 1] == '+');
            if (std::from_chars(digits, number.data() + number.size(), exponent).ec != std::errc())
                exponent = *digits == '-' ? -kFar : kFar;
            exponent = std::clamp(exponent, -kFar, kFar);
        }
        const auto mantissa = number.substr(0, e);
        const auto point = std::min(mantissa.find('.'), mantissa.size());
        const auto first = mantissa.find_first_of("123456789");
        exponent += first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
        if (exponent > 0)
            return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// The trimmed text with the user's decimal point turned into "."; empty when it is no number.
std::optional<std::string> strictNumber(std::string_view text, std::string_view decimalPoint)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    std::string number(text.substr(first, text.find_last_not_of(" \t") - first + 1));
    if (!decimalPoint.empty() && decimalPoint != ".") {
        const auto at = number.find(decimalPoint);
        if (at != std::string::npos) {
            if (number.find('.') != std::string::npos)
                return std::nullopt;
            number = number.substr(0, at) + '.' + number.substr(at + decimalPoint.size());
        }
    }
    if (numberPrefix(number) != number.size())
        return std::nullopt;
    return number;
}

} // namespace

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

std::optional<double> lenientValue(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    const std::size_t length = numberPrefix(compact);
    if (length == 0)
        return 0.0;
    return parseNumber(std::string_view(compact).substr(0, length));
}

bool isNumberText(std::string_view text, std::string_view decimalPoint)
{
    return strictNumber(text, decimalPoint).has_value();
}

std::optional<double> strictValue(std::string_view text, std::string_view decimalPoint)
{
    const auto number = strictNumber(text, decimalPoint);
    return number ? parseNumber(*number) : std::nullopt;
}

std::optional<float> strictSingle(std::string_view text, std::string_view decimalPoint)
{
    const auto value = strictValue(text, decimalPoint);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<std::int16_t> toInt16(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<long long> wholeNumber(std::string_view text, std::string_view decimalPoint)
{
    const auto value = strictValue(text, decimalPoint);
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e15)
        return std::nullopt;
    return static_cast<long long>(*value);
}

std::string numberText(double value)
{
    if (value == 0.0)
        return "0"; // also for -0
    // From here to the largest double, 15 digits round up to a number beyond the range, which
    // would not read back; the largest that does is written instead.
    if (std::fabs(value) > 1.79769313486231e308)
        return value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
    return significantDigits(value, 15);
}

int printedDigits(double value)
{
    const std::string text = significantDigits(value, 15);
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c == 'E')
            break;
        if (c >= '0' && c <= '9') {
            leading = leading && c == '0';
            digits += leading ? 0 : 1;
        }
    }
    return std::max(digits, 1);
}

std::string significantDigits(double value, int digits)
{
    std::string text = generalFormat(value, digits);
    const auto e = text.find('e');
    if (e != std::string::npos)
        text[e] = 'E';
    return text;
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace decay
