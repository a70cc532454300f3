#include "model/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
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
}

TEST(Strict, UsesTheUsersDecimalPointAndTellsATooLargeNumberFromNoNumber)
{
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

} // namespace
