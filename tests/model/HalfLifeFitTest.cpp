#include "model/Counter.h"
#include "model/HalfLifeFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kHalfLife = 20; // seconds

// An exact run of a source of activity `a0` at t = 0: the mean activity over every 1 s step.
decay::SampleRun decayingRun(double a0, int steps)
{
    const double lambda = std::numbers::ln2 / kHalfLife;
    decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity, .times = decay::uniformTimes(1, steps), .perStep = {}};
    for (int k = 0; k < steps; ++k)
        run.perStep.push_back(a0 * std::exp(-lambda * k) * -std::expm1(-lambda) / lambda);
    return run;
}

// Counts that are exactly what the model expects (rounded), intervals `width` s long, with a
// background known from a long measurement.
decay::FitData noiselessData(double a0, double background, double width, int intervals)
{
    const double lambda = std::numbers::ln2 / kHalfLife;
    std::vector<decay::CountInterval> counted;
    for (int k = 0; k < intervals; ++k) {
        const double t0 = k * width, t1 = t0 + width;
        const double mean = a0 * (std::exp(-lambda * t0) - std::exp(-lambda * t1)) / lambda + background * width;
        counted.push_back({t0, t1, std::llround(mean)});
    }
    return decay::countedData(counted, {.counts = std::llround(background * 1e6), .seconds = 1e6});
}

struct Case {
    const char* name;
    double a0;
    double background;
    double width;
};
class NoiselessCounts : public testing::TestWithParam<Case> {};

// Rounding the counts moves the half-life by far less than 1 %.
TEST_P(NoiselessCounts, GiveTheTrueHalfLifeByBothMethods)
{
    const Case& c = GetParam();
    const decay::FitData data = noiselessData(c.a0, c.background, c.width, static_cast<int>(100 / c.width));
    for (const auto& fit : {decay::fitPoissonLikelihood(data), decay::fitWeightedLeastSquares(data)}) {
        SCOPED_TRACE(decay::methodName(fit.method));
        ASSERT_TRUE(fit.fitted()) << fit.note.text();
        EXPECT_NEAR(fit.halfLife, kHalfLife, 0.01 * kHalfLife);
        EXPECT_GT(fit.sigma, 0);
        ASSERT_EQ(fit.residuals.size(), data.intervals.size());
        EXPECT_LT(std::fabs(fit.residuals.front()), 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(, NoiselessCounts, testing::Values(
    Case{"strong_source_no_background", 1e4, 0, 1},
    Case{"with_background", 1e4, 50, 2},
    Case{"intervals_of_a_half_life", 1e5, 5, 20}),
    [](const auto& row) { return std::string(row.param.name); });

// Late intervals where the background exceeds the counts: the likelihood uses them, the line
// cannot and says so.
TEST(HalfLifeFit, IntervalsWithoutNetCounts)
{
    decay::FitData data = noiselessData(1000, 2, 5, 40);
    for (std::size_t k = 30; k < 40; ++k)
        data.intervals[k].counts = k % 2 == 0 ? 0 : 5; // background alone would give 10
    const auto likelihood = decay::fitPoissonLikelihood(data);
    ASSERT_TRUE(likelihood.fitted()) << likelihood.note.text();
    EXPECT_EQ(likelihood.skipped, 0);
    EXPECT_NEAR(likelihood.halfLife, kHalfLife, 0.05 * kHalfLife);

    const auto line = decay::fitWeightedLeastSquares(data);
    ASSERT_TRUE(line.fitted());
    EXPECT_EQ(line.skipped, 10);
    EXPECT_EQ(line.note.text(), "Left out 10 intervals whose net counts are not above 0: they have no logarithm.");
    EXPECT_TRUE(std::isnan(line.residuals[35]));
}

TEST(HalfLifeFit, SaysWhyThereIsNoFit)
{
    const auto one = decay::fitPoissonLikelihood(noiselessData(1000, 0, 1, 1));
    EXPECT_FALSE(one.fitted());
    EXPECT_EQ(one.note.text(), "A half-life needs the counts of two intervals or more.");

    decay::FitData rising = noiselessData(1000, 1, 1, 10);
    for (std::size_t k = 0; k < 10; ++k)
        rising.intervals[k].counts = 100 + 10 * static_cast<std::int64_t>(k);
    EXPECT_EQ(decay::fitWeightedLeastSquares(rising).note.text(), "The net counts do not fall: there is no half-life to fit.");
    EXPECT_EQ(decay::fitPoissonLikelihood(rising).note.text(), "The counts show no decay that a half-life could be fitted to.");

    decay::FitData background = noiselessData(0, 10, 1, 10);
    EXPECT_EQ(decay::fitPoissonLikelihood(background).note.text(), "The counts are too few for a half-life: its uncertainty would exceed it.");
    EXPECT_EQ(decay::fitWeightedLeastSquares(background).note.text(), "A line needs two intervals or more whose net counts are above 0.");
}

// Over 1000 simulated experiments the Poisson likelihood's 1-sigma interval must hold the true
// half-life in 68.3 % of them; with 1000 experiments the binomial spread of that share is 1.5 %,
// so 68 % +- 3 % is a two-sigma band. Each experiment: 60 s of an exact run counted in 2 s
// intervals, a source of 1000 Bq seen with efficiency 0.1, background 0.5 per second measured
// for 600 s.
TEST(HalfLifeFit, OneSigmaIntervalsCoverTheTrueHalfLife)
{
    constexpr int kExperiments = 1000;
    const decay::SampleRun run = decayingRun(1000, 60);
    const decay::CounterSettings settings{.efficiency = 0.1, .background = 0.5, .stepsPerInterval = 2};
    decay::DecayDraws backgroundDraws(2026);
    int covered = 0, fitted = 0;
    for (int experiment = 0; experiment < kExperiments; ++experiment) {
        decay::Counter counter(run, settings, 1000 + static_cast<std::uint64_t>(experiment));
        counter.countAll();
        const auto background = decay::measureBackground(backgroundDraws, settings.background, 600);
        const auto fit = decay::fitPoissonLikelihood(decay::countedData(counter.intervals(), background));
        fitted += fit.fitted();
        covered += std::fabs(fit.halfLife - kHalfLife) <= fit.sigma;
    }
    EXPECT_EQ(fitted, kExperiments);
    const double coverage = static_cast<double>(covered) / kExperiments;
    std::printf("1-sigma coverage over %d experiments: %.1f %%\n", kExperiments, 100 * coverage);
    EXPECT_NEAR(coverage, 0.68, 0.03);
}

} // namespace
