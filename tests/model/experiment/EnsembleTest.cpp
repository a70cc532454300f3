#include "model/experiment/EnsembleStats.h"
#include "model/run/Runs.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

using decay::Ensemble;
using decay::EnsembleParams;

// Counts a progress and cancels once `stopAfter` run-steps are done.
class CountingProgress final : public decay::Progress {
public:
    explicit CountingProgress(std::int64_t stopAfter = -1) : m_stopAfter(stopAfter) {}
    void advance(std::int64_t steps) override { m_done += steps; }
    bool cancelled() const override { return m_stopAfter >= 0 && m_done >= m_stopAfter; }
    std::int64_t done() const { return m_done; }

private:
    std::int64_t m_stopAfter;
    std::atomic<std::int64_t> m_done{0};
};

Ensemble run(const EnsembleParams& params, unsigned threads = 0)
{
    CountingProgress progress;
    auto ensemble = decay::runEnsemble(params, progress, threads);
    EXPECT_EQ(progress.done(), decay::ensembleWork(params));
    return *ensemble;
}

// Each run is the main window's random run with the run's own seed; which thread made it and how
// many threads there were changes nothing.
TEST(Ensemble, EveryRunIsTheProgramsRandomRunWhateverTheThreads)
{
    const EnsembleParams params{.atoms = 300, .rate = 0.07, .lastStep = 200, .runs = 7, .seed = 42};
    const Ensemble one = run(params, 1);
    for (unsigned threads : {2u, 3u, 16u})
        EXPECT_EQ(run(params, threads).counts, one.counts) << threads;

    auto state = std::make_unique<decay::RunState>();
    for (int i = 0; i < params.runs; ++i) {
        state->tmax = static_cast<std::int16_t>(params.lastStep);
        decay::runRandom(*state, {"300", "0.07", ""}, decay::runSeed(params.seed, i));
        for (int t = 0; t <= params.lastStep; ++t)
            ASSERT_EQ(one.run(i)[static_cast<std::size_t>(t)], state->Nt[static_cast<std::size_t>(t)]) << i << ' ' << t;
    }
    EXPECT_NE(run({.atoms = 300, .rate = 0.07, .lastStep = 200, .runs = 7, .seed = 43}).counts, one.counts);
}

// A class split into ranges of runs, each made alone as a browser worker makes it, is the class
// the threads make: the ranges side by side give the same counts, also for ranges out of bounds.
TEST(Ensemble, RangesOfRunsMadeAloneAreTheWholeClass)
{
    const EnsembleParams params{.atoms = 250, .rate = 0.1, .lastStep = 43, .runs = 11, .seed = 18446744073709551615ULL};
    const Ensemble whole = run(params, 3);
    const std::vector<std::pair<int, int>> splits[] = {
        {{0, 11}},
        {{0, 4}, {4, 8}, {8, 11}},
        {{0, 1}, {1, 2}, {2, 10}, {10, 11}},
        {{-5, 3}, {3, 3}, {3, 99}},
    };
    for (const auto& split : splits) {
        std::vector<std::int16_t> joined;
        std::int64_t work = 0;
        for (const auto& [first, last] : split) {
            CountingProgress progress;
            const auto part = decay::runEnsembleRuns(params, first, last, progress);
            ASSERT_TRUE(part);
            joined.insert(joined.end(), part->begin(), part->end());
            work += progress.done();
        }
        EXPECT_EQ(joined, whole.counts) << split.size();
        EXPECT_EQ(work, decay::ensembleWork(params));
    }
    CountingProgress stopped(10);
    EXPECT_FALSE(decay::runEnsembleRuns({.atoms = 32767, .rate = 0, .lastStep = 3000, .runs = 2, .seed = 1}, 0, 2, stopped));
}

TEST(Ensemble, CancelStopsSoonAndGivesNothing)
{
    const EnsembleParams params{.atoms = 32767, .rate = 0, .lastStep = 3000, .runs = 50, .seed = 1};
    CountingProgress progress(200);
    EXPECT_FALSE(decay::runEnsemble(params, progress, 2));
    EXPECT_LT(progress.done(), 200 + 2 * 64); // each thread ends its slice of at most 64 steps
}

TEST(Ensemble, ReadsItsParameterTexts)
{
    const auto good = decay::readEnsemble({"1000", "0,25", " 3000", "1000", "18446744073709551615", ","});
    ASSERT_TRUE(good.params) << good.error.text();
    EXPECT_TRUE(good.params->atoms == 1000 && good.params->rate == 0.25 && good.params->lastStep == 3000
                && good.params->runs == 1000 && good.params->seed == 18446744073709551615ULL);
    const std::pair<decay::EnsembleTexts, const char*> bad[] = {
        {{"0", "0.1", "50", "30", "1"}, "The initial number of atoms must be a whole number from 1 to 32767."},
        {{"32768", "0.1", "50", "30", "1"}, "The initial number of atoms must be a whole number from 1 to 32767."},
        {{"100.5", "0.1", "50", "30", "1"}, "The initial number of atoms must be a whole number from 1 to 32767."},
        {{"100", "1.5", "50", "30", "1"}, "The decay rate must be a number from 0 to 1."},
        {{"100", "x", "50", "30", "1"}, "The decay rate must be a number from 0 to 1."},
        {{"100", "0.1", "3001", "30", "1"}, "The last step must be a whole number from 1 to 3000."},
        {{"100", "0.1", "50", "1001", "1"}, "The number of runs must be a whole number from 1 to 1000."},
        {{"100", "0.1", "50", "30", "-1"}, "The seed must be a whole number from 0 to 18446744073709551615."},
        {{"100", "0.1", "50", "30", "18446744073709551616"}, "The seed must be a whole number from 0 to 18446744073709551615."},
        {{"100", "0.1", "50", "30", ""}, "The seed must be a whole number from 0 to 18446744073709551615."},
    };
    for (const auto& [texts, error] : bad)
        EXPECT_EQ(decay::readEnsemble(texts).error.text(), error) << texts.atoms << ' ' << texts.rate << ' ' << texts.seed;
}

TEST(Ensemble, TakesTheMainWindowsFieldsWithinItsLimits)
{
    const auto p = [](const char* atoms, const char* rate, const char* halfLife, const char* last) {
        const auto params = decay::paramsFromMainWindow(atoms, rate, halfLife, last, ".");
        return std::to_string(params.atoms) + ' ' + std::to_string(params.rate) + ' ' + std::to_string(params.lastStep);
    };
    EXPECT_EQ(p("100", "0.1", "6.93", "50"), "100 0.100000 50");
    EXPECT_EQ(p("100000", "7", "", "20000"), "32767 1.000000 3000");
    EXPECT_EQ(p("abc", "", "2", "0"), "100 0.346574 50"); // the half-life when the rate field is empty
    EXPECT_EQ(p("-5", "", "", "12.5"), "100 0.100000 12");
}

// Known answers for the measured half-lives.
TEST(EnsembleStats, HalvingTimeAndSlopeOfKnownRuns)
{
    const std::int16_t halvesAtStep2[] = {100, 80, 50, 20};
    const std::int16_t interpolated[] = {100, 80, 40};
    const std::int16_t never[] = {100, 99, 98};
    EXPECT_EQ(decay::halvingTime(halvesAtStep2), 2);
    EXPECT_EQ(decay::halvingTime(interpolated), 1.75); // 80 to 40 crosses 50 three quarters on
    EXPECT_TRUE(std::isnan(decay::halvingTime(never)));

    // 1024 halving every step, then running out: the zero count is left out of the fit.
    Ensemble e{.params = {.atoms = 1024, .rate = 0.5, .lastStep = 5, .runs = 2}};
    e.counts = {1024, 512, 256, 128, 0, 0, 1024, 1024, 1024, 1024, 1024, 1024};
    const auto s = decay::ensembleStats(e);
    EXPECT_WITHIN(s.slopes[0], -std::numbers::ln2, relative(kRoundingNoise));
    EXPECT_WITHIN(s.slopeHalfLives[0], 1, relative(kRoundingNoise));
    EXPECT_EQ(s.slopes[1], 0);
    EXPECT_TRUE(std::isnan(s.slopeHalfLives[1]) && std::isnan(s.halvingTimes[1]));
    EXPECT_EQ(s.halving.count, 1);
    EXPECT_EQ(s.mean[3], (128 + 1024) / 2.0);
    EXPECT_EQ(s.sd[3], std::sqrt(2 * 448.0 * 448.0)); // n - 1 = 1
    EXPECT_EQ(s.q, 0.5 + std::ldexp(1, -24));         // draws 0 .. 2^23 inclusive
    EXPECT_EQ(s.continuousHalfLife, 2 * std::numbers::ln2);
}

// Spread and histogram of the values they are given, of which one is no number and left out.
TEST(EnsembleStats, SpreadAndHistogram)
{
    const double values[] = {2, 4, 4, 4, 5, 5, 7, 9, NAN};
    const auto s = decay::spread(values);
    EXPECT_EQ(s.count, 8);
    EXPECT_EQ(s.mean, 5);
    EXPECT_EQ(s.sd, std::sqrt(32.0 / 7)); // whole squares summed exactly, one division, one root
    const auto h = decay::histogram(values);
    EXPECT_EQ(h.counts, (std::vector<int>{1, 3, 2, 1, 1})); // 5 bins of 1.4 from 2
    EXPECT_EQ(h.low, 2);
}

// With 1000 atoms, rate 0.1 and 400 runs, the class mean at step t has the standard error
// sqrt(N0 s (1 - s) / 400); 5 of those bound it with a false-alarm chance below 1e-6 per step.
// The class's spread estimates the binomial sigma: with 400 runs its relative standard error is
// about 1 / sqrt(800) = 3.5 %, so 20 % (nearly 6 of them) is far outside chance. A run's halving
// time scatters by about sqrt(N0 / 4) / (N0 r / 2) = 0.3 steps, the mean of 400 by 0.015: 0.1
// (1.5 % of 6.58) is over 6 standard errors.
TEST(EnsembleStats, TheClassFollowsTheDiscreteProcess)
{
    const auto e = run({.atoms = 1000, .rate = 0.1, .lastStep = 40, .runs = 400, .seed = 2024});
    const auto s = decay::ensembleStats(e);
    for (std::size_t t = 1; t <= 40; ++t) {
        EXPECT_WITHIN(s.mean[t], s.expectation[t], sigmas(kFiveSigma, s.binomialSd[t] / 20)) << t;
        EXPECT_WITHIN(s.sd[t] / s.binomialSd[t], 1, relative(0.2)) << t;
    }
    EXPECT_GT(s.continuous[20] - s.expectation[20], 10 * s.binomialSd[20] / 20);
    // The discrete half-life, ln 2 / -ln(1 - q) = 6.58, not ln 2 / r = 6.93.
    EXPECT_WITHIN(s.halving.mean, s.discreteHalfLife, relative(0.015));
    EXPECT_WITHIN(s.slopeHalfLife.mean, s.discreteHalfLife, relative(0.015));
}

} // namespace
