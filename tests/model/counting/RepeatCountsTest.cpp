#include "model/random/DecayDraws.h"
#include "model/counting/RepeatCounts.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// The probabilities against their values by hand: P(3; 2) = e^-2 2^3 / 3! = 0.180447..., P(0; 0) = 1,
// and the Gaussian approximation's peak 1 / sqrt(2 pi mean), each to a few units in its last place.
TEST(RepeatCounts, PoissonAndGaussian)
{
    EXPECT_WITHIN(decay::poissonProbability(3, 2), std::exp(-2.0) * 8 / 6, relative(5e-15));
    // 1000^1000 / 1000! e^-1000 to 50 digits; lgamma(1001) = 5912.1 carries the C library's accuracy
    // (MinGW's is off by 1e-12 of it), so 1e-10 of the value.
    EXPECT_WITHIN(decay::poissonProbability(1000, 1000), 0.0126146113487215, relative(9.9e-11));
    EXPECT_EQ(decay::poissonProbability(0, 0), 1);
    EXPECT_EQ(decay::poissonProbability(-1, 3), 0);
    EXPECT_WITHIN(decay::gaussianApproximation(9, 9), 1 / std::sqrt(2 * std::numbers::pi * 9), relative(5e-15));
}

// The dispersion test on counts with a known spread: 5 5 5 5 has D = 0 and p = 0 (far too even);
// 0 10 0 10 has mean 5, s^2 = 100/3, D = 6.67, chi^2 = 20 on 3 degrees of freedom, upper tail
// 1.6974e-4 (for 3 degrees of freedom Q = erfc(sqrt(x/2)) + sqrt(2x/pi) e^(-x/2)), so p = 3.39e-4,
// which the closed form gives to 1e-12 as in ChiSquareTest.
TEST(RepeatCounts, DispersionTestByHand)
{
    const decay::Dispersion even = decay::dispersion({5, 5, 5, 5});
    EXPECT_EQ(even.index, 0);
    EXPECT_EQ(even.pValue, 0);
    const decay::Dispersion spread = decay::dispersion({0, 10, 0, 10});
    EXPECT_DOUBLE_EQ(spread.mean, 5);
    EXPECT_DOUBLE_EQ(spread.variance, 100.0 / 3);
    EXPECT_WITHIN(spread.chiSquare, 20, relative(5e-14));
    EXPECT_EQ(spread.degreesOfFreedom, 3);
    EXPECT_WITHIN(spread.pValue, 2 * (std::erfc(std::sqrt(10.0)) + std::sqrt(40 / std::numbers::pi) * std::exp(-10.0)), relative(kRoundingNoise));
    EXPECT_TRUE(std::isnan(decay::dispersion({0, 0, 0}).index));
    EXPECT_TRUE(std::isnan(decay::dispersion({7}).pValue));
}

// An ideal counter's counts are Poisson: D within five of its standard deviations sqrt(2 / (N - 1))
// of 1, for a small mean and a large one. A Geiger tube at n tau = 0.5 spreads them less: the
// renewal count's variance T n / (1 + n tau)^3 over its mean T n / (1 + n tau) makes
// D = 1 / (1 + n tau)^2 = 0.444 (Knoll, section 4.VII), which the test must then see: 0.05 is 3.5
// of D's standard deviations, 0.444 sqrt(2 / 1999) = 0.014.
TEST(RepeatCounts, IdealCountsArePoissonAndDeadTimeNarrowsThem)
{
    decay::DecayDraws draws(17);
    for (double rate : {3.0, 400.0}) {
        const auto counts = decay::repeatCounts(draws, {.repeats = 2000, .rate = rate, .seconds = 1}, {});
        const decay::Dispersion d = decay::dispersion(counts);
        EXPECT_WITHIN(d.mean, rate, sigmas(kFiveSigma, std::sqrt(rate / 2000)));
        EXPECT_WITHIN(d.index, 1, sigmas(kFiveSigma, std::sqrt(2.0 / 1999))) << rate;
    }
    const auto dead = decay::repeatCounts(draws, {.repeats = 2000, .rate = 5000, .seconds = 0.2}, {.tau = 1e-4});
    const decay::Dispersion d = decay::dispersion(dead);
    EXPECT_WITHIN(d.mean, 0.2 * 5000 / 1.5, sigmas(kFiveSigma, std::sqrt(d.variance / 2000)));
    EXPECT_WITHIN(d.index, 1 / 2.25, relative(0.11));
    EXPECT_LT(d.pValue, 1e-10);
}

TEST(RepeatCounts, EntriesSayWhatTheyTake)
{
    const std::pair<decay::RepeatTexts, const char*> texts[] = {
        {{.repeats = "1"}, "The number of counts must be a whole number from 2 to 100000."},
        {{.rate = "0"}, "The count rate must be a number of events per second above 0 and at most 10000000."},
        {{.seconds = "x"}, "The counting interval must be a number of seconds from 0.001 to 3600."},
        {{.rate = "1e7", .seconds = "10"}, "An interval would bring more than 10000000 counts; count for less time."},
    };
    for (const auto& [entries, error] : texts)
        EXPECT_EQ(decay::readRepeatSettings(entries).error.text(), error);
    // Too long an interval is offered the longest that stays within the counts allowed: 1e7 counts
    // at 3e6 a second take 3.33 s, 3.3 in two digits.
    const auto shorter = decay::readRepeatSettings({.rate = "3e6", .seconds = "10"}).error.remedy;
    ASSERT_TRUE(shorter);
    EXPECT_EQ(shorter->offer.text(), "Count for 3.3 s");
    EXPECT_TRUE(decay::readRepeatSettings({.rate = "3e6", .seconds = "3.3"}).settings);
    const auto read = decay::readRepeatSettings({.repeats = "50", .rate = "2,5", .seconds = "0,1", .decimalPoint = ","});
    ASSERT_TRUE(read.settings);
    EXPECT_EQ(read.settings->repeats, 50);
    EXPECT_EQ(read.settings->rate, 2.5);
}

} // namespace
