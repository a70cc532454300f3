#pragma once

// The tests' one way to compare floating results: |actual - expected| may be at most a fraction
// of |expected|, or an absolute floor where that is less (an expected 0, a sum that cancels). A
// statistical bound is a number of standard deviations, an absolute floor of its own.
//
//   EXPECT_WITHIN(fit.halfLife, 3.8018, relative(1e-4));     // GoogleTest; ASSERT_WITHIN stops
//   EXPECT_WITHIN(mean, mu, sigmas(kFiveSigma, sd)) << seed;
//   QVERIFY_WITHIN(ratio, 0.9627, relative(1e-3));          // QtTest

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

struct Tolerance {
    double relative = 0; // of |expected|
    double floor = 0;    // the difference always allowed

    double allowed(double expected) const { return std::max(relative * std::fabs(expected), floor); }
};

constexpr Tolerance relative(double fraction, double floor = 0)
{
    return {fraction, floor};
}
constexpr Tolerance sigmas(double count, double sigma)
{
    return {0, count * sigma};
}
// A published figure rounded to `place` (0.001 for 0.992) holds the true value within half of it.
constexpr Tolerance roundedTo(double place)
{
    return {0, place / 2};
}
// Where no fraction of the expected value fits: a difference of counts, of values that cancel.
constexpr Tolerance absolute(double difference)
{
    return {0, difference};
}

// A result of a few dozen floating operations, each off by at most half a unit in the last
// place (1.1e-16), is off by far less than this.
inline constexpr double kRoundingNoise = 1e-12;
// Normal tails beyond 5 and 3 standard deviations: 5.7e-7 (a false alarm once in 1.7 million
// runs) and 0.27 %.
inline constexpr double kFiveSigma = 5;
inline constexpr double kThreeSigma = 3;

// Empty when `actual` is within `bound` of `expected`, else what the failure says: both values in
// full, their difference, absolute and relative, and what was allowed. NaN is never within, and
// an infinite value only of itself.
inline std::string outsideTolerance(double actual, double expected, Tolerance bound, const char* actualText,
                                    const char* expectedText)
{
    const double difference = std::fabs(actual - expected);
    if (actual == expected || (std::isfinite(difference) && difference <= bound.allowed(expected)))
        return {};
    const auto number = [](const char* format, double value) {
        char text[40];
        std::snprintf(text, sizeof text, format, value);
        return std::string(text);
    };
    return std::string(actualText) + " is " + number("%.17g", actual) + "\n  expected " + expectedText + " = "
         + number("%.17g", expected) + "\n  differ by " + number("%.3g", difference) + ", "
         + number("%.3g", expected != 0 ? difference / std::fabs(expected) : INFINITY) + " of the expected value;"
         + " allowed " + number("%.3g", bound.allowed(expected)) + " (relative " + number("%.3g", bound.relative)
         + ", floor " + number("%.3g", bound.floor) + ")";
}

#define ATOMDRIFT_WITHIN_(actual, expected, bound, fail)                                                                    \
    if (const std::string toleranceFailure_ = outsideTolerance((actual), (expected), (bound), #actual, #expected);         \
        toleranceFailure_.empty()) {                                                                                        \
    } else                                                                                                                  \
        fail << toleranceFailure_

#define EXPECT_WITHIN(actual, expected, bound) ATOMDRIFT_WITHIN_(actual, expected, bound, ADD_FAILURE())
#define ASSERT_WITHIN(actual, expected, bound) ATOMDRIFT_WITHIN_(actual, expected, bound, GTEST_FAIL())
#define QVERIFY_WITHIN(actual, expected, bound)                                                                             \
    do {                                                                                                                    \
        const std::string toleranceFailure_ = outsideTolerance((actual), (expected), (bound), #actual, #expected);          \
        QVERIFY2(toleranceFailure_.empty(), toleranceFailure_.c_str());                                                     \
    } while (false)
