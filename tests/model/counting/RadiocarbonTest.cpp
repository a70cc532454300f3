#include "model/random/DecayDraws.h"
#include "model/counting/CountingPlot.h"
#include "model/counting/Radiocarbon.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

TEST(Radiocarbon, TextbookAges)
{
    const struct {
        double ratio, halfLife, age;
        Tolerance bound;
    } cases[] = {
        // Whole half-lives, to rounding.
        {0.5, 5730, 5730, relative(5e-14)},  // one half-life, as the textbooks' 5730 y
        {0.5, 5700, 5700, relative(5e-14)},  // and with NUBASE2020's
        {0.25, 5730, 11460, relative(5e-14)}, // a quarter of modern activity: two half-lives
        {0.25, 5568, 11136, relative(5e-14)},
        // OpenStax, College Physics (2012), section 31.5, Example 31.4 "How Old Is the Shroud of
        // Turin?": 92 % of the carbon-14 of living tissue, T = 5730 y, gives 690 y (rounded; 689.3).
        {0.92, 5730, 690, absolute(1)},
    };
    for (const auto& c : cases)
        EXPECT_WITHIN(decay::radiocarbonAge(c.ratio, c.halfLife), c.age, c.bound) << c.ratio << " " << c.halfLife;
}

// Counts exactly as expected: 10 g of carbon at a quarter of modern activity, efficiency 0.5, for
// `hours`, against a background of 0.01 per second measured for 10^6 s.
decay::DatingResult noiselessDating(double hours)
{
    const decay::DatingSample sample{.age = 2 * decay::kModernHalfLife, .carbonGrams = 10};
    const double seconds = hours * 3600;
    const double counts = (0.5 * decay::sampleActivity(sample) + 0.01) * seconds;
    return decay::dateSample({.counts = std::llround(counts), .seconds = seconds}, {.counts = 10000, .seconds = 1e6}, 10, 0.5);
}

TEST(Radiocarbon, DatesThreeWaysAndNarrowsWithCountingTime)
{
    // The sample's some 24,000 counts a day are rounded to whole ones: 2e-5 of the ratio, a year
    // of the age at most.
    const decay::DatingResult day = noiselessDating(24);
    EXPECT_WITHIN(day.ratio, 0.25, relative(1e-4));
    EXPECT_WITHIN(day.ages[0].age, 2 * 5568, relative(1e-4));
    EXPECT_WITHIN(day.ages[1].age, 2 * 5730, relative(1e-4));
    EXPECT_WITHIN(day.ages[2].age, 2 * 5700, relative(1e-4));
    EXPECT_FALSE(day.ages[2].lowerLimit);
    EXPECT_TRUE(day.note.empty());
    // Four times the counting time, half the interval, but for the background's share; the
    // 30 y of NUBASE2020's half-life stay: 2 * 30 y in quadrature.
    const decay::DatingResult fourDays = noiselessDating(96);
    EXPECT_WITHIN(fourDays.ages[1].minus, 0.5 * day.ages[1].minus, relative(0.04));
    EXPECT_WITHIN(fourDays.ages[2].minus, std::hypot(fourDays.ages[1].minus * 5700 / 5730, 60), absolute(1));
}

// The interval against a brute-force profile of the likelihood written out here: -2 ln L of both
// Poisson counts on a fine grid of net and background rates, minimised over the background, and
// the net rates within 1 of the minimum. 100 g of carbon, 30,000 years old, counted for an hour
// against an hour of background at the counter's defaults (efficiency 0.1, 0.5 s^-1): the
// counts as expected. The interval is lopsided: longer towards the old side.
TEST(Radiocarbon, AgeIntervalIsTheLikelihoodsOwn)
{
    const decay::DatingSample sample{.age = 30000, .carbonGrams = 100};
    const double t = 3600, n = std::round((0.1 * decay::sampleActivity(sample) + 0.5) * t), m = 0.5 * t;
    const auto result = decay::dateSample({.counts = static_cast<std::int64_t>(n), .seconds = t}, {.counts = static_cast<std::int64_t>(m), .seconds = t}, 100, 0.1);
    const auto deviance = [&](double s, double b) {
        const double mu = (s + b) * t, nu = b * t;
        return 2 * (mu - n + n * std::log(n / mu)) + 2 * (nu - m + m * std::log(m / nu));
    };
    double lowest = 1e300;
    std::vector<std::pair<double, double>> profile;
    for (double s = 0.02; s < 0.12; s += 2e-5) {
        double lo = 0.3, hi = 0.7; // the deviance is convex in b: thirds close in on its minimum
        for (int i = 0; i < 100; ++i) {
            const double b1 = lo + (hi - lo) / 3, b2 = hi - (hi - lo) / 3;
            (deviance(s, b1) < deviance(s, b2) ? hi : lo) = deviance(s, b1) < deviance(s, b2) ? b2 : b1;
        }
        profile.emplace_back(s, deviance(s, lo));
        lowest = std::min(lowest, deviance(s, lo));
    }
    double low = 1e300, high = 0;
    for (const auto& [s, d] : profile)
        if (d - lowest <= 1) {
            low = std::min(low, s);
            high = std::max(high, s);
        }
    const double modern = 0.1 * decay::kModernBqPerGram * 100;
    // The grid's step is 2e-5 per second; the ages it brackets lie some 30 y apart.
    EXPECT_WITHIN(result.ratioLow * modern, low, absolute(5e-5));
    EXPECT_WITHIN(result.ratioHigh * modern, high, absolute(5e-5));
    const decay::DatedAge& textbook = result.ages[1];
    EXPECT_WITHIN(textbook.minus, textbook.age - decay::radiocarbonAge(high / modern, 5730), absolute(30));
    EXPECT_WITHIN(textbook.plus, decay::radiocarbonAge(low / modern, 5730) - textbook.age, absolute(30));
    EXPECT_GT(textbook.plus, 1.3 * textbook.minus);
}

// Net counts below Currie's critical level: older than the age at the detection limit. Here
// B = 100 counts of background in the counting time, its estimate from a count ten times as long,
// so the net count's spread without a sample is sqrt(100 * 1.1): L_C = 1.645 * 10.49 = 17.25
// and L_D = 2.71 + 3.29 * 10.49 = 37.2 counts.
TEST(Radiocarbon, CountsNotAboveTheBackgroundGiveALowerLimit)
{
    const auto result = decay::dateSample({.counts = 110, .seconds = 1000}, {.counts = 1000, .seconds = 10000}, 100, 0.1);
    const double detectable = 37.208 / 1000 / (0.1 * 0.226 * 100);
    for (const auto& age : result.ages) {
        EXPECT_TRUE(age.lowerLimit);
        EXPECT_TRUE(std::isnan(age.minus));
        EXPECT_WITHIN(age.age, age.halfLife / std::log(2.0) * std::log(1 / detectable), absolute(0.5));
    }
    EXPECT_EQ(result.note.text(), "The net counts are below the critical level of this counting time: the sample is older than the age at its detection limit (95 %).");
    // The activity's interval stops at nothing: 110 counts against 100 expected put the net rate
    // at 0.010 per second, and the profiled likelihood is within 1 of its best down to 0.
    EXPECT_EQ(result.ratioLow, 0.0);
    EXPECT_GT(result.ratioHigh, result.ratio);
    // 90 counts against 100: no net count at all, and no interval below it.
    const auto below = decay::dateSample({.counts = 90, .seconds = 1000}, {.counts = 1000, .seconds = 10000}, 100, 0.1);
    EXPECT_EQ(std::pair(below.ratio, below.ratioLow), std::pair(0.0, 0.0));
    // The chart draws a limit as an arrow up from it, never as a point.
    const decay::DatingMeasurement measured{.count = {.counts = 110, .seconds = 1000}, .background = {.counts = 1000, .seconds = 10000}, .result = result};
    const decay::Plot plot = decay::datingPlot({measured}, std::nullopt);
    int arrows = 0;
    for (const auto& layer : plot.layers) {
        if (layer.kind == decay::PlotLayer::Kind::Points) {
            EXPECT_TRUE(layer.lines[0].y.empty());
        }
        if (layer.kind == decay::PlotLayer::Kind::Lines) {
            EXPECT_EQ(layer.lines[0].y[0], result.ages[static_cast<std::size_t>(arrows)].age);
            EXPECT_GT(layer.lines[0].y[1], layer.lines[0].y[0]);
            ++arrows;
        }
    }
    EXPECT_EQ(arrows, 3);
    // Either side of L_C: 17 net counts are a limit, 18 a date.
    EXPECT_TRUE(decay::dateSample({.counts = 117, .seconds = 1000}, {.counts = 1000, .seconds = 10000}, 100, 0.1).ages[0].lowerLimit);
    EXPECT_FALSE(decay::dateSample({.counts = 118, .seconds = 1000}, {.counts = 1000, .seconds = 10000}, 100, 0.1).ages[0].lowerLimit);
    // With the background counted as long, Currie's paired levels: L_C = 2.33 sqrt(B) = 23.3,
    // L_D = 2.71 + 4.65 sqrt(B) = 49.2 counts.
    const auto paired = [](std::int64_t n) { return decay::dateSample({.counts = n, .seconds = 1000}, {.counts = 100, .seconds = 1000}, 100, 0.1); };
    EXPECT_TRUE(paired(123).ages[0].lowerLimit);
    EXPECT_FALSE(paired(124).ages[0].lowerLimit);
    EXPECT_WITHIN(paired(110).ages[0].age, 5568 / std::log(2.0) * std::log(1000 * 0.1 * 0.226 * 100 / 49.2), absolute(5)); // his factors, rounded
}

TEST(Radiocarbon, SimulatedCountingFindsTheHiddenAge)
{
    decay::DecayDraws draws(14);
    const decay::DatingSample sample = decay::hiddenSample(draws, 5);
    ASSERT_TRUE(sample.age >= 0 && sample.age < decay::kOldestHiddenAge);
    const decay::CounterSettings counter{.efficiency = 0.5, .background = 0.01};
    const auto count = decay::countSample(draws, sample, counter, 7 * 86400);
    const auto background = decay::measureBackground(draws, counter.background, 1e6);
    const auto result = decay::dateSample(count, background, 5, counter.efficiency);
    const decay::DatedAge& age = result.ages[2];
    if (age.lowerLimit)
        EXPECT_LT(age.age, sample.age);
    else
        EXPECT_WITHIN(age.age, sample.age, sigmas(kFiveSigma, std::max(age.minus, age.plus)));
}

} // namespace
