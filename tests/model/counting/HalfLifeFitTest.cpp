#include "tests/model/nuclides/ShippedTable.h"
#include "model/nuclides/Chain.h"
#include "model/nuclides/ChainRuns.h"
#include "model/counting/Counter.h"
#include "model/counting/HalfLifeFit.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <numbers>
#include <random>

namespace {

constexpr double kHalfLife = 20; // seconds

// Counts of integral_t0^t1 A e^(-lambda t) dt = A (e^(-lambda t0) - e^(-lambda t1)) / lambda.
double exponentialCounts(double rate, double halfLife, double t0, double t1)
{
    const double lambda = std::numbers::ln2 / halfLife;
    return rate * (std::exp(-lambda * t0) - std::exp(-lambda * t1)) / lambda;
}

// Counts that are exactly what the model expects (rounded), intervals `width` s long, with a
// background known from a long measurement.
decay::FitData noiselessData(double a0, double background, double width, int intervals)
{
    std::vector<decay::CountInterval> counted;
    for (int k = 0; k < intervals; ++k)
        counted.push_back({k * width, (k + 1) * width, std::llround(exponentialCounts(a0, kHalfLife, k * width, (k + 1) * width) + background * width)});
    return decay::countedData(counted, {.counts = std::llround(background * 1e6), .seconds = 1e6});
}

// Rounding the counts moves the half-life by far less than 1 %: a strong source without
// background, one with background, and intervals of a half-life.
TEST(HalfLifeFit, NoiselessCountsGiveTheTrueHalfLifeByBothMethods)
{
    const struct {
        double a0, background, width;
    } cases[] = {{1e4, 0, 1}, {1e4, 50, 2}, {1e5, 5, 20}};
    for (const auto& c : cases) {
        const decay::FitData data = noiselessData(c.a0, c.background, c.width, static_cast<int>(100 / c.width));
        for (const auto& fit : {decay::fitPoissonLikelihood(data), decay::fitWeightedLeastSquares(data)}) {
            SCOPED_TRACE(std::string(decay::methodName(fit.method)) + " at " + std::to_string(c.a0) + ", background " + std::to_string(c.background));
            ASSERT_TRUE(fit.fitted()) << fit.note.text();
            EXPECT_WITHIN(fit.halfLife, kHalfLife, relative(0.01));
            EXPECT_GT(fit.sigma, 0);
            ASSERT_EQ(fit.residuals.size(), data.intervals.size());
            EXPECT_WITHIN(fit.residuals.front(), 0, absolute(0.5)); // in standard deviations of the count
        }
    }
}

// Late intervals where the background exceeds the counts: both methods use them as they are.
TEST(HalfLifeFit, IntervalsWithoutNetCounts)
{
    decay::FitData data = noiselessData(1000, 2, 5, 40);
    for (std::size_t k = 30; k < 40; ++k)
        data.intervals[k].counts = k % 2 == 0 ? 0 : 5; // background alone would give 10
    for (const auto& fit : {decay::fitPoissonLikelihood(data), decay::fitWeightedLeastSquares(data)}) {
        SCOPED_TRACE(decay::methodName(fit.method));
        ASSERT_TRUE(fit.fitted()) << fit.note.text();
        EXPECT_TRUE(fit.note.empty());
        EXPECT_WITHIN(fit.halfLife, kHalfLife, relative(0.05));
        EXPECT_TRUE(std::isfinite(fit.residuals[35]));
        EXPECT_LT(fit.residuals[36], 0); // 0 counts where about 10 were expected
    }
}

TEST(HalfLifeFit, SaysWhyThereIsNoFit)
{
    decay::FitData rising = noiselessData(1000, 1, 1, 10);
    for (std::size_t k = 0; k < 10; ++k)
        rising.intervals[k].counts = 100 + 10 * static_cast<std::int64_t>(k);
    decay::FitData background = noiselessData(0, 10, 1, 10);
    for (auto fit : {decay::fitPoissonLikelihood, decay::fitWeightedLeastSquares}) {
        const auto one = fit(noiselessData(1000, 0, 1, 1));
        EXPECT_FALSE(one.fitted());
        EXPECT_TRUE(std::isnan(one.chiSquare) && std::isnan(one.pValue));
        EXPECT_EQ(one.note.text(), "A half-life needs the counts of two intervals or more.");
        EXPECT_EQ(fit(rising).note.text(), "The counts show no decay that a half-life could be fitted to.");
        EXPECT_EQ(fit(background).note.text(), "The counts show too little decay for a half-life: its uncertainty would be more than half of it.");
    }
}

// Counts of a source with `atStart` counts in the first interval: 30 intervals of a tenth of the
// half-life each, background 0.05 per second measured for 2000 s, as a counter draws them.
struct Experiment {
    decay::SampleRun run;
    decay::CounterSettings settings{.efficiency = 1, .background = 0.05, .stepsPerInterval = 1};
};
Experiment experimentWith(double atStart)
{
    const double lambda = std::numbers::ln2 / kHalfLife, width = kHalfLife / 10;
    // The first interval brings A0 (1 - e^(-lambda w)) / lambda counts.
    const double a0 = atStart * lambda / -std::expm1(-lambda * width);
    Experiment e;
    e.run = {.kind = decay::SampleRun::Kind::Activity,
             .times = decay::RunSetup{.initial = {}, .step = width, .steps = 30, .milk = {}, .grid = {}}.times(),
             .perStep = {}};
    for (int k = 0; k < 30; ++k)
        e.run.perStep.push_back(a0 * std::exp(-lambda * k * width) * -std::expm1(-lambda * width) / (lambda * width));
    return e;
}

// The mean deviance of one Poisson count of mean mu, by its series: the deviance follows the
// chi-square law only when counts are many, and at a few counts an interval exceeds 1.
double meanDeviance(double mu)
{
    double sum = 0;
    const double reach = 20 * std::sqrt(mu) + 30; // the terms beyond are below 1e-80
    for (double n = std::max(0.0, std::floor(mu - reach)); n < mu + reach; ++n) {
        const double p = std::exp(n * std::log(mu) - mu - std::lgamma(n + 1));
        sum += p * 2 * (n > 0 ? n * std::log(n / mu) - (n - mu) : mu);
    }
    return sum;
}

// Over 2000 seeded experiments each method's 1-sigma interval must hold the true half-life in
// 68.3 % of them: the binomial spread of that share is 1.04 %, so 68 % +- 3 % is a band of 2.9
// standard deviations. The same experiments check the goodness of fit: Pearson's chi-square of a
// true model has the mean nu (28 here; the spread of the mean of 2000 is sqrt(2 nu / 2000) =
// 0.17) and its p-value falls below 0.05 in 5 % of experiments (spread 0.49 %); the deviance has
// the mean of its series less the two fitted unknowns, which is nu only at many counts, and so
// the 5 % only there. At 20 counts at the start the
// least-squares median is within 1 % of the likelihood's (their difference's spread over 2000
// experiments is far below that, since both see the same counts).
struct Coverage {
    double atStart;
};
class FitCoverage : public testing::TestWithParam<Coverage> {};

TEST_P(FitCoverage, OneSigmaHoldsTheTruthAndChiSquareFollowsItsLaw)
{
    constexpr int kExperiments = 2000;
    const Experiment e = experimentWith(GetParam().atStart);
    decay::DecayDraws backgroundDraws(2026);
    struct Tally {
        int covered = 0, fitted = 0, rejected = 0;
        double chiSquare = 0;
        std::vector<double> halfLives;
    };
    std::array<Tally, 2> tallies;
    for (int experiment = 0; experiment < kExperiments; ++experiment) {
        decay::Counter counter(e.run, e.settings, 5000 + static_cast<std::uint64_t>(experiment));
        counter.advanceToStep(counter.steps());
        const auto data = decay::countedData(counter.intervals(), decay::measureBackground(backgroundDraws, e.settings.background, 2000));
        const std::array fits{decay::fitPoissonLikelihood(data), decay::fitWeightedLeastSquares(data)};
        for (std::size_t m = 0; m < 2; ++m) {
            Tally& t = tallies[m];
            t.fitted += fits[m].fitted();
            t.covered += std::fabs(fits[m].halfLife - kHalfLife) <= fits[m].sigma;
            t.rejected += fits[m].pValue < 0.05;
            t.chiSquare += fits[m].chiSquare / kExperiments;
            t.halfLives.push_back(fits[m].halfLife);
        }
    }
    std::array<double, 2> medians{};
    for (std::size_t m = 0; m < 2; ++m) {
        Tally& t = tallies[m];
        SCOPED_TRACE(m == 0 ? "likelihood" : "least squares");
        EXPECT_EQ(t.fitted, kExperiments);
        const double coverage = static_cast<double>(t.covered) / kExperiments;
        std::printf("%s at %g counts: coverage %.1f %%, mean chi2 %.2f, p < 0.05 in %.1f %%\n", m == 0 ? "likelihood" : "least squares",
                    GetParam().atStart, 100 * coverage, t.chiSquare, 100.0 * t.rejected / kExperiments);
        EXPECT_WITHIN(coverage, 0.683, absolute(0.03)); // 2.9 standard deviations
        double meanChiSquare = 28;
        if (m == 0) {
            meanChiSquare = -2;
            for (std::size_t k = 0; k < e.run.steps(); ++k)
                meanChiSquare += meanDeviance((e.run.perStep[k] + e.settings.background) * e.run.duration(k));
        }
        EXPECT_WITHIN(t.chiSquare, meanChiSquare, absolute(1.0)); // nearly 6 standard deviations
        if (m == 1 || GetParam().atStart >= 1000) {
            EXPECT_WITHIN(static_cast<double>(t.rejected) / kExperiments, 0.05, absolute(0.02)); // 4 standard deviations
        }
        std::nth_element(t.halfLives.begin(), t.halfLives.begin() + kExperiments / 2, t.halfLives.end());
        medians[m] = t.halfLives[kExperiments / 2];
    }
    std::printf("median half-life: likelihood %.4f, least squares %.4f (true %g)\n", medians[0], medians[1], kHalfLife);
    EXPECT_LE(std::fabs(medians[1] - kHalfLife), std::fabs(medians[0] - kHalfLife) + 0.01 * kHalfLife);
}

INSTANTIATE_TEST_SUITE_P(, FitCoverage, testing::Values(Coverage{20}, Coverage{1000}),
                         [](const auto& row) { return "counts_at_start_" + std::to_string(static_cast<int>(row.param.atStart)); });

// A single exponential through the counts of two: 1000 + 1000 counts at the start, half-lives of
// 20 s and 200 s. The fit must say it fails: with 10^3 counts an interval, a wrong shape gives a
// chi-square many times its degrees of freedom.
TEST(HalfLifeFit, WrongModelShowsInItsPValue)
{
    std::vector<decay::CountInterval> counted;
    for (int k = 0; k < 50; ++k) {
        const double t = 4.0 * k;
        counted.push_back({t, t + 4, std::llround(1000 * std::exp2(-t / 20) + 1000 * std::exp2(-t / 200))});
    }
    const decay::FitData data = decay::countedData(counted, {});
    for (const auto& fit : {decay::fitPoissonLikelihood(data), decay::fitWeightedLeastSquares(data)}) {
        ASSERT_TRUE(fit.fitted());
        EXPECT_EQ(fit.degreesOfFreedom, 48);
        EXPECT_GT(fit.reducedChiSquare(), 10);
        EXPECT_LT(fit.pValue, 1e-10);
    }
}

// Poisson counts about expected ones, drawn by the standard library rather than the program.
std::vector<decay::CountInterval> poissonCounts(const std::vector<double>& expected, double width, std::mt19937_64& engine)
{
    std::vector<decay::CountInterval> counted;
    for (std::size_t k = 0; k < expected.size(); ++k) {
        std::poisson_distribution<std::int64_t> draw(expected[k]);
        counted.push_back({static_cast<double>(k) * width, static_cast<double>(k + 1) * width, draw(engine)});
    }
    return counted;
}

// Neutron-activated silver: Ag-110 (24.56 s) and Ag-108 (2.382 min = 142.92 s), NUBASE2020,
// counted at 400 and 100 per second at the start in 5 s intervals for 10 min over a background of
// 0.5 per second measured for 1000 s. Over ten seeds both fitted half-lives lie within 3 sigma of
// the table's, by both methods, and a single exponential fails its chi-square test.
TEST(HalfLifeFit, TwoNuclidesFitBothHalfLives)
{
    constexpr double kAg110 = 24.56, kAg108 = 142.92, width = 5;
    std::vector<double> expected;
    for (int k = 0; k < 120; ++k)
        expected.push_back(exponentialCounts(400, kAg110, k * width, (k + 1) * width) + exponentialCounts(100, kAg108, k * width, (k + 1) * width)
                           + 0.5 * width);
    std::mt19937_64 engine(110);
    int within2 = 0;
    for (int trial = 0; trial < 10; ++trial) {
        std::poisson_distribution<std::int64_t> background(500);
        const decay::FitData data = decay::countedData(poissonCounts(expected, width, engine), {.counts = background(engine), .seconds = 1000});
        for (auto method : {decay::FitMethod::PoissonLikelihood, decay::FitMethod::WeightedLeastSquares}) {
            const decay::HalfLifeFit fit = decay::fitHalfLives(data, method, {.shape = decay::FitShape::TwoNuclides});
            ASSERT_TRUE(fit.fitted()) << fit.note.text();
            EXPECT_EQ(fit.degreesOfFreedom, 116);
            EXPECT_WITHIN(fit.halfLife, kAg110, sigmas(kThreeSigma, fit.sigma)) << trial;
            EXPECT_WITHIN(fit.secondHalfLife, kAg108, sigmas(kThreeSigma, fit.secondSigma)) << trial;
            EXPECT_GT(fit.pValue, 1e-4) << trial;
            within2 += std::fabs(fit.halfLife - kAg110) < 2 * fit.sigma;
        }
        EXPECT_LT(decay::fitPoissonLikelihood(data).pValue, 1e-6);
    }
    EXPECT_GE(within2, 16); // of 20: 2 sigma holds 95 %
    // Four intervals at least, for four unknowns.
    const decay::FitData three = decay::countedData({{0, 1, 50}, {1, 2, 30}, {2, 3, 20}}, {});
    EXPECT_EQ(decay::fitHalfLives(three, decay::FitMethod::PoissonLikelihood, {.shape = decay::FitShape::TwoNuclides}).note.text(),
              "Two half-lives need the counts of four intervals or more.");
}

// Counts of a source of T = 20 s at a true 2 * 10^4 per second through a Geiger tube (100 us,
// non-paralysable), timed event by event here: arrivals of the decaying rate by thinning a steady
// stream of the starting rate (Lewis and Shedler 1979), each recorded when the counter is live.
// The fit that knows the dead time finds T; the one that does not is pulled long by the start's
// losses (a quarter of the counts) and fails its chi-square test.
TEST(HalfLifeFit, KnowsTheCountersDeadTime)
{
    constexpr double n0 = 2e4, tau = 1e-4, width = 2;
    std::mt19937_64 engine(18);
    std::exponential_distribution<double> gap(n0);
    std::uniform_real_distribution<double> keep(0, 1);
    std::vector<decay::CountInterval> counted;
    for (int k = 0; k < 50; ++k)
        counted.push_back({k * width, (k + 1) * width, 0});
    double liveFrom = -1;
    for (double t = gap(engine); t < 100; t += gap(engine))
        if (keep(engine) < std::exp2(-t / kHalfLife) && t >= liveFrom) {
            ++counted[static_cast<std::size_t>(t / width)].counts;
            liveFrom = t + tau;
        }
    decay::FitData data = decay::countedData(counted, {}, {.tau = tau});
    for (auto method : {decay::FitMethod::PoissonLikelihood, decay::FitMethod::WeightedLeastSquares}) {
        const decay::HalfLifeFit fit = decay::fitHalfLives(data, method, {});
        ASSERT_TRUE(fit.fitted());
        EXPECT_WITHIN(fit.halfLife, kHalfLife, sigmas(kThreeSigma, fit.sigma));
        EXPECT_GT(fit.pValue, 1e-3);
    }
    data.deadTime = {};
    const decay::HalfLifeFit ideal = decay::fitPoissonLikelihood(data);
    EXPECT_GT(ideal.halfLife - kHalfLife, 10 * ideal.sigma);
    EXPECT_LT(ideal.pValue, 1e-6);
}

// The Mo-99 chain (Mo-99 -> Tc-99m -> Tc-99, NUBASE2020 and its branch fractions) from 10^6 atoms
// of Mo-99, every member counted with an efficiency of 0.1 in 0.6 h intervals for 5 days. The
// counts come from the closed form of the two-member Bateman solution (Krane, eq. 6.16) with its
// integral over each interval; Tc-99 (211,000 y) adds less than 10^-9 of a count. Over ten seeds
// the chain fit gives Mo-99's half-life within 3 sigma always and 2 sigma mostly, while a single
// exponential fails its chi-square test: the ingrowth of Tc-99m is no exponential.
TEST(HalfLifeFit, ChainFitFollowsTheIngrowth)
{
    const decay::Chain chain = tableChain("Mo-99");
    ASSERT_EQ(chain.members[1].symbol, "Tc-99m");
    const TwoMembers mo{chain.links[0].fraction};
    const double n0 = 1e6, efficiency = 0.1, width = 0.6 * 3600;
    std::vector<double> expected;
    for (int k = 0; k < 200; ++k)
        expected.push_back(static_cast<double>(efficiency * n0 * mo.decays(k * width, (k + 1) * width)) + 0.5 * width);
    std::vector<double> initial(static_cast<std::size_t>(chain.size()), 0.0);
    initial[0] = n0;
    const std::vector<bool> counted(static_cast<std::size_t>(chain.size()), true);
    std::mt19937_64 engine(99);
    int within2 = 0;
    for (int trial = 0; trial < 10; ++trial) {
        std::poisson_distribution<std::int64_t> background(1800);
        const auto intervals = poissonCounts(expected, width, engine);
        const decay::FitData data = decay::countedData(intervals, {.counts = background(engine), .seconds = 3600});
        const decay::FitModel model = decay::chainModel(chain, initial, counted, intervals);
        const decay::HalfLifeFit fit = decay::fitHalfLives(data, decay::FitMethod::PoissonLikelihood, model);
        ASSERT_TRUE(fit.fitted()) << fit.note.text();
        EXPECT_WITHIN(fit.halfLife, chain.members[0].halfLife, sigmas(kThreeSigma, fit.sigma)) << trial;
        within2 += std::fabs(fit.halfLife - chain.members[0].halfLife) < 2 * fit.sigma;
        EXPECT_GT(fit.pValue, 1e-4);
        EXPECT_WITHIN(fit.netRate, (expected[0] - 0.5 * width) / width, relative(0.05)); // the first interval's net rate
        EXPECT_LT(decay::fitPoissonLikelihood(data).pValue, 1e-6) << trial;
    }
    EXPECT_GE(within2, 8);
    // Counts with a gap are not the counter's own.
    const std::vector<decay::CountInterval> gapped{{0, 1, 5}, {2, 3, 4}};
    const decay::FitModel broken = decay::chainModel(chain, initial, counted, gapped);
    EXPECT_FALSE(decay::fitHalfLives(decay::countedData(gapped, {}), decay::FitMethod::PoissonLikelihood, broken).fitted());
}

} // namespace
