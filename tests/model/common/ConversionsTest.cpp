#include "model/common/Conversions.h"
#include "model/common/ParseDouble.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>

namespace {

using decay::lenientValue;
using decay::numberText;
using decay::strictValue;

using TextCase = std::pair<const char*, std::optional<double>>;
constexpr std::nullopt_t none = std::nullopt;

TEST(Lenient, ReadsTheNumberAtTheStart)
{
    const TextCase cases[] = {{"100", 100}, {"12abc", 12}, {"abc", 0}, {"", 0}, {" 1 2\t\n", 12}, {"-3.5e2x", -350},
                              {".5", 0.5}, {"-", 0}, {"1e", 1}, {"1e+", 1}, {"2.5.1", 2.5}, {"1,5", 1},
                              {"1e-400", 0}, {"1e400", none}, {"-1e400", none}, {"1e-99999999999999999999", 0},
                              {"1e99999999999999999999", none}, {"0.001e9223372036854775807", none}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(lenientValue(text), value) << '"' << text << '"';
}

TEST(Strict, NeedsTheWholeTextToBeANumber)
{
    const TextCase cases[] = {{"0.1", 0.1}, {" 2.5 ", 2.5}, {"+4", 4}, {"-1e3", -1000}, {".5", 0.5}, {"5.", 5},
                              {"", none}, {" ", none}, {"abc", none}, {"12abc", none}, {"1.2.3", none},
                              {"nan", none}, {"inf", none}, {"1,5", none}, {"1e", none}, {"1e400", none}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(strictValue(text, "."), value) << '"' << text << '"';
    // The user's decimal point and the program's own; a number too large for a double is still a number.
    EXPECT_EQ(strictValue("1,5", ","), 1.5);
    EXPECT_EQ(strictValue("1.5", ","), 1.5); // what the program writes itself
    EXPECT_EQ(strictValue("1.234,5", ","), none);
    EXPECT_EQ(strictValue("2\u066B5", "\u066B"), 2.5);
    EXPECT_TRUE(decay::isNumberText("1e400", "."));
    EXPECT_FALSE(decay::isNumberText("1e4x", "."));
    EXPECT_EQ(decay::strictSingle("1e39", "."), none);
    EXPECT_EQ(decay::strictSingle("0.1", "."), 0.1f);
}

// ConversionsFuzz checks the conversion of every finite value against nearbyint.
TEST(Int16, FailsForWhatIsNoNumber)
{
    for (double outside : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(decay::toInt16(outside), none) << outside;
}

TEST(NumberText, WritesAtMostFifteenSignificantDigits)
{
    const std::pair<double, const char*> cases[] = {
        {std::numbers::ln2 / 0.1, "6.93147180559945"}, {std::numbers::ln2 / 5, "0.138629436111989"},
        {100 * std::exp(-5.0), "0.673794699908547"}, {100 * std::exp(-0.1), "90.4837418035959"},
        {100, "100"}, {0.1, "0.1"}, {-0.0, "0"}, {-2.5, "-2.5"}, {1e20, "1E+20"}, {1.5e-7, "1.5E-07"},
        {123456789012345678.0, "1.23456789012346E+17"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(numberText(value), text);
}

// Doubles read as std::from_chars reads them, on every standard library. The values are the
// compiler's own hexadecimal literals; the range ends are the halfway points of the IEEE 754
// binary64 format: below half the least subnormal 2^-1074 a number rounds to 0, at or beyond
// DBL_MAX plus half its unit in the last place to infinity (both out of range).
TEST(ParseDouble, ReadsAsTheStandardDoes)
{
    struct Case {
        const char* text;
        std::errc ec;
        std::size_t used;
        double value; // -1 where the value stays as it was
    };
    const Case cases[] = {
        {"0.1", {}, 3, 0x1.999999999999ap-4}, {"-43e0", {}, 5, -43}, {"570y", {}, 3, 570}, {".5", {}, 2, 0.5},
        {"5.", {}, 2, 5}, {"1e", {}, 1, 1}, {"0x1p3", {}, 1, 0}, {"1e-310", {}, 6, 1e-310},
        {"2.4703282292062328e-324", {}, 23, 0x1p-1074}, {"1.7976931348623158e308", {}, 22, 0x1.fffffffffffffp1023},
        {"0e999999", {}, 8, 0}, {"-inf", {}, 4, -std::numeric_limits<double>::infinity()}, {"2.4703282292062327e-324", std::errc::result_out_of_range, 23, -1},
        {"1e-400", std::errc::result_out_of_range, 6, -1}, {"-1e400", std::errc::result_out_of_range, 6, -1},
        {"1.7976931348623159e308", std::errc::result_out_of_range, 22, -1}, {"+1", std::errc::invalid_argument, 0, -1},
        {"", std::errc::invalid_argument, 0, -1}, {"e5", std::errc::invalid_argument, 0, -1}};
    for (const auto& c : cases) {
        const char* end = c.text + std::strlen(c.text);
        double value = -1;
        const auto read = decay::parseDouble(c.text, end, value);
        EXPECT_EQ(read.ec, c.ec) << c.text;
        EXPECT_EQ(static_cast<std::size_t>(read.ptr - c.text), c.used) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
#if defined(__cpp_lib_to_chars) // where the library has its own, the two agree
        double standard = -1;
        const auto own = std::from_chars(c.text, end, standard);
        EXPECT_EQ(own.ec, read.ec) << c.text;
        EXPECT_EQ(own.ptr, read.ptr) << c.text;
        EXPECT_EQ(standard, value) << c.text;
#endif
    }
}

} // namespace
