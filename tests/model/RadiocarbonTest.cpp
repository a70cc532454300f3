#include "model/DecayDraws.h"
#include "model/Radiocarbon.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Radiocarbon, TextbookAges)
{
    const struct {
        double ratio, halfLife, age, tolerance;
    } cases[] = {
        {0.5, 5730, 5730, 1e-9},  // one half-life, as the textbooks' 5730 y
        {0.5, 5700, 5700, 1e-9},  // and with NUBASE2020's
        {0.25, 5730, 11460, 1e-9}, // a quarter of modern activity: two half-lives
        {0.25, 5568, 11136, 1e-9},
        // OpenStax, College Physics (2012), section 31.5, Example 31.4 "How Old Is the Shroud of
        // Turin?": 92 % of the carbon-14 of living tissue, T = 5730 y, gives 690 y (rounded).
        {0.92, 5730, 690, 1},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(decay::radiocarbonAge(c.ratio, c.halfLife), c.age, c.tolerance) << c.ratio << " " << c.halfLife;
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

TEST(Radiocarbon, DatesBothWaysAndNarrowsWithCountingTime)
{
    const decay::DatingResult day = noiselessDating(24);
    EXPECT_NEAR(day.ratio, 0.25, 1e-4);
    EXPECT_NEAR(day.ages[0].age, 2 * 5568, 5);
    EXPECT_NEAR(day.ages[1].age, 2 * 5700, 5);
    EXPECT_FALSE(day.ages[1].lowerLimit);
    EXPECT_TRUE(day.note.empty());
    // Four times the counting time, half the uncertainty, but for the background's share.
    const decay::DatingResult fourDays = noiselessDating(96);
    EXPECT_NEAR(fourDays.ages[1].sigma / day.ages[1].sigma, 0.5, 0.02);
}

TEST(Radiocarbon, CountsNotAboveTheBackgroundGiveALowerLimit)
{
    const auto result = decay::dateSample({.counts = 100, .seconds = 1000}, {.counts = 1000, .seconds = 10000}, 1, 0.1);
    EXPECT_EQ(result.ratio, 0);
    for (const auto& age : result.ages) {
        EXPECT_TRUE(age.lowerLimit);
        EXPECT_TRUE(std::isnan(age.sigma));
        EXPECT_DOUBLE_EQ(age.age, decay::radiocarbonAge(2 * result.ratioSigma, age.halfLife));
    }
    EXPECT_EQ(result.note.text(), "The counts are not two standard deviations above the background: the sample is at least this old.");
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
    if (result.ages[1].lowerLimit)
        EXPECT_LT(result.ages[1].age, sample.age);
    else
        EXPECT_NEAR(result.ages[1].age, sample.age, 5 * result.ages[1].sigma); // 5 sigma: a false alarm once in 1.7 million
}

} // namespace
