#include "model/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace {

using decay::lenientValue;
using decay::numberText;
using decay::strictValue;

struct TextCase {
    const char* text;
    std::optional<double> value;
};

class Lenient : public testing::TestWithParam<TextCase> {};

TEST_P(Lenient, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(lenientValue(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, Lenient,
    testing::Values(TextCase{"100", 100}, TextCase{"12abc", 12}, TextCase{"abc", 0}, TextCase{"", 0},
                    TextCase{" 1 2\t\n", 12}, TextCase{"-3.5e2x", -350}, TextCase{".5", 0.5}, TextCase{"-", 0},
                    TextCase{"1e", 1}, TextCase{"1e+", 1}, TextCase{"2.5.1", 2.5}, TextCase{"1,5", 1},
                    TextCase{"1e-400", 0}, TextCase{"1e400", std::nullopt}, TextCase{"-1e400", std::nullopt}));

class Strict : public testing::TestWithParam<TextCase> {};

TEST_P(Strict, NeedsTheWholeTextToBeANumber)
{
    EXPECT_EQ(strictValue(GetParam().text, "."), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, Strict,
    testing::Values(TextCase{"0.1", 0.1}, TextCase{" 2.5 ", 2.5}, TextCase{"+4", 4}, TextCase{"-1e3", -1000},
                    TextCase{".5", 0.5}, TextCase{"5.", 5}, TextCase{"", std::nullopt}, TextCase{" ", std::nullopt},
                    TextCase{"abc", std::nullopt}, TextCase{"12abc", std::nullopt}, TextCase{"1.2.3", std::nullopt},
                    TextCase{"nan", std::nullopt}, TextCase{"inf", std::nullopt}, TextCase{"1,5", std::nullopt},
                    TextCase{"1e", std::nullopt}, TextCase{"1e400", std::nullopt}));

TEST(Strict, UsesTheUsersDecimalPointAndStillReadsThePeriod)
{
    EXPECT_EQ(strictValue("1,5", ","), 1.5);
    EXPECT_EQ(strictValue("1.5", ","), 1.5);
    EXPECT_EQ(strictValue("1.234,5", ","), std::nullopt);
    EXPECT_EQ(strictValue("2\u066B5", "\u066B"), 2.5);
}

TEST(Strict, TellsATooLargeNumberFromNoNumber)
{
    EXPECT_TRUE(decay::isNumberText("1e400", "."));
    EXPECT_FALSE(decay::isNumberText("1e4x", "."));
    EXPECT_EQ(decay::strictSingle("1e39", "."), std::nullopt);
    EXPECT_EQ(decay::strictSingle("0.1", "."), 0.1f);
}

TEST(Int16, RoundsHalvesToEvenAndFailsOutsideTheRange)
{
    EXPECT_EQ(decay::toInt16(12.5), 12);
    EXPECT_EQ(decay::toInt16(13.5), 14);
    EXPECT_EQ(decay::toInt16(-12.5), -12);
    EXPECT_EQ(decay::toInt16(32767.4), 32767);
    EXPECT_EQ(decay::toInt16(-32768.5), -32768);
    EXPECT_EQ(decay::toInt16(32767.5), std::nullopt);
    EXPECT_EQ(decay::toInt16(-32768.6), std::nullopt);
    EXPECT_EQ(decay::toInt16(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
    EXPECT_EQ(decay::toInt16(std::numeric_limits<double>::infinity()), std::nullopt);
}

struct NumberCase {
    double value;
    const char* text;
};

class NumberText : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, WritesAtMostFifteenSignificantDigits)
{
    EXPECT_EQ(numberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberText,
    testing::Values(NumberCase{std::numbers::ln2 / 0.1, "6.93147180559945"},
                    NumberCase{std::numbers::ln2 / 5, "0.138629436111989"},
                    NumberCase{100 * std::exp(-5.0), "0.673794699908547"},
                    NumberCase{100 * std::exp(-0.1), "90.4837418035959"},
                    NumberCase{std::numbers::ln2 / 1, "0.693147180559945"},
                    NumberCase{100, "100"}, NumberCase{3000, "3000"}, NumberCase{0.1, "0.1"},
                    NumberCase{-0.0, "0"}, NumberCase{-2.5, "-2.5"}, NumberCase{1e20, "1E+20"},
                    NumberCase{1.5e-7, "1.5E-07"}, NumberCase{123456789012345678.0, "1.23456789012346E+17"}));

// Every text the program writes into a field must read back, whatever the user's decimal point.
TEST(NumberText, ReadsBackThroughBothConversions)
{
    for (double value : {6.93147180559945, 0.138629436111989, 1e20, -1.5e-7, 3000.0, 1e308, 5e-324}) {
        const std::string text = numberText(value);
        for (const char* point : {".", ","}) {
            const auto strict = strictValue(text, point);
            ASSERT_TRUE(strict) << text;
            EXPECT_EQ(numberText(*strict), text);
        }
        EXPECT_EQ(numberText(*lenientValue(text)), text);
    }
}

} // namespace
