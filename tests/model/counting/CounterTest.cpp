#include "tests/model/nuclides/ShippedTable.h"
#include "model/nuclides/ChainActivity.h"
#include "model/random/CountDraws.h"
#include "model/counting/Activation.h"
#include "model/counting/Counter.h"
#include "model/counting/HalfLifeFit.h"
#include "tests/Tolerance.h"
#include "model/common/ChiSquare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <numeric>
#include <tuple>

namespace {

// The sample mean and variance of 4000 draws, each against the Poisson value within 5 standard
// errors (a false alarm about once in 1.7 million): both sides of the switch from inversion to
// rejection, a small mean and a huge one.
TEST(PoissonDraws, HaveThePoissonMeanAndVariance)
{
    constexpr int kDraws = 4000;
    for (const double mu : {0.05, 3.0, 9.99, 10.0, 250.0, 1e12}) {
        decay::DecayDraws draws(20);
        double sum = 0, squares = 0;
        for (int i = 0; i < kDraws; ++i) {
            const auto x = static_cast<double>(decay::poissonDraw(draws, mu));
            sum += x;
            squares += x * x;
        }
        const double mean = sum / kDraws, variance = (squares - kDraws * mean * mean) / (kDraws - 1);
        EXPECT_WITHIN(mean, mu, sigmas(kFiveSigma, std::sqrt(mu / kDraws))) << mu;
        // Variance of the sample variance: mu (1 + 2 mu) / n for a Poisson distribution.
        EXPECT_WITHIN(variance, mu, sigmas(kFiveSigma, std::sqrt(mu * (1 + 2 * mu) / kDraws))) << mu;
    }
}

// Pearson's chi-square of draws against a distribution given by its cumulative probabilities at
// the upper edges of the bins (the last bin open to the right): its p-value.
double fitOfDraws(const std::vector<double>& draws, const std::vector<double>& edges, const std::function<double(double)>& below)
{
    std::vector<double> seen(edges.size() + 1, 0.0);
    for (double x : draws)
        seen[static_cast<std::size_t>(std::lower_bound(edges.begin(), edges.end(), x) - edges.begin())] += 1;
    double chiSquare = 0, before = 0;
    for (std::size_t b = 0; b < seen.size(); ++b) {
        const double upTo = b < edges.size() ? below(edges[b]) : 1.0;
        const double expected = (upTo - before) * static_cast<double>(draws.size());
        chiSquare += (seen[b] - expected) * (seen[b] - expected) / expected;
        before = upTo;
    }
    return decay::chiSquarePValue(chiSquare, static_cast<int>(edges.size()));
}

// Bins of about equal probability of the normal distribution (mean, sd) for a count: the edges
// at whole numbers, the probability below an edge x that of X <= x, with the continuity correction.
// At the spreads tested (10^6 and more) the Poisson and binomial distributions differ from it by
// their skewness over the spread, below 10^-6.
struct NormalBins {
    std::vector<double> edges;
    std::function<double(double)> below;
};
NormalBins normalBins(double mean, double sd)
{
    NormalBins bins{{}, [=](double x) { return 0.5 * std::erfc(-(x + 0.5 - mean) / (sd * std::numbers::sqrt2)); }};
    for (double z = -2.0; z <= 2.0; z += 0.25)
        bins.edges.push_back(std::floor(mean + z * sd));
    return bins;
}

// The binomial probabilities summed from 0 to x, each from ln C(n, k) p^k q^(n-k) with the
// logarithms of the factorials (lgamma) or, for huge n and small k, the product of n - i.
double binomialBelow(double n, double p, double x)
{
    double sum = 0;
    for (double k = 0; k <= x; ++k) {
        double logChoose = -std::lgamma(k + 1);
        for (double i = 0; i < k; ++i)
            logChoose += std::log(n - i);
        sum += std::exp(logChoose + k * std::log(p) + (n - k) * std::log1p(-p));
    }
    return sum;
}

// 20,000 draws of each kind against the distribution, p-value above 10^-6 (a false alarm about
// once in a million runs): BTRD near and far from the mode, inversion for a rare outcome of huge
// numbers of trials, a probability near 1 drawn through its complement, and a sample of 2.5e21
// atoms, 1 g of U-238, far beyond what can be followed atom by atom. Poisson counts at a mean of
// 10^17 keep their shape too, which a rejection test written with terms of the size of the mean
// fails by a p-value of 10^-227.
TEST(CountDraws, FollowTheirDistributionsForAnySize)
{
    constexpr int kDraws = 20000;
    const auto draw = [](const std::function<double(decay::DecayDraws&)>& one) {
        decay::DecayDraws draws(2026);
        std::vector<double> values;
        for (int i = 0; i < kDraws; ++i)
            values.push_back(one(draws));
        return values;
    };
    const auto wholeEdges = [](double from, double to) {
        std::vector<double> edges;
        for (double k = from; k < to; ++k)
            edges.push_back(k);
        return edges;
    };
    struct Small {
        double n, p;
        double from, to; // the bins' edges
    };
    for (const Small c : {Small{40, 0.3, 5, 19}, Small{1000, 0.5, 470, 530}, Small{1e12, 3e-12, 0, 8}}) {
        const auto values = draw([&](decay::DecayDraws& d) { return decay::binomialDraw(d, c.n, c.p, 1 - c.p); });
        EXPECT_GT(fitOfDraws(values, wholeEdges(c.from, c.to), [&](double x) { return binomialBelow(c.n, c.p, x); }), 1e-6) << c.n;
    }
    const double q = 1e-6, n = 1e8; // passing with 1 - q: the failures are binomial (n, q)
    const auto passed = draw([&](decay::DecayDraws& d) { return n - decay::binomialDraw(d, n, 1 - q, q); });
    EXPECT_GT(fitOfDraws(passed, wholeEdges(80, 120), [&](double x) { return binomialBelow(n, q, x); }), 1e-6);

    const double atoms = 2.5e21, p = 1e-9;
    const NormalBins binomial = normalBins(atoms * p, std::sqrt(atoms * p * (1 - p)));
    EXPECT_GT(fitOfDraws(draw([&](decay::DecayDraws& d) { return decay::binomialDraw(d, atoms, p, 1 - p); }), binomial.edges, binomial.below), 1e-6);
    const NormalBins poisson = normalBins(1e17, std::sqrt(1e17));
    EXPECT_GT(fitOfDraws(draw([](decay::DecayDraws& d) { return static_cast<double>(decay::poissonDraw(d, 1e17)); }), poisson.edges, poisson.below), 1e-6);
}

// The times of a run of `count` steps of `step` seconds, as the lab's run has them.
std::vector<double> evenTimes(double step, int count)
{
    return decay::RunSetup{.initial = {}, .step = step, .steps = count, .milk = {}, .grid = {}}.times();
}

// Counts the whole run: the counts of every interval together.
double countedTotal(decay::Counter& counter)
{
    counter.advanceToStep(counter.steps());
    double total = 0;
    for (const auto& interval : counter.intervals())
        total += static_cast<double>(interval.counts);
    return total;
}

decay::SampleRun steadyRun(decay::SampleRun::Kind kind, double perStep, int steps)
{
    return {.kind = kind, .times = evenTimes(0.5, steps), .perStep = std::vector<double>(static_cast<std::size_t>(steps), perStep)};
}

// Random-run decays are thinned with the efficiency, exact-run activity gives Poisson counts of
// mean efficiency * A * step; the background adds its rate either way.
TEST(Counter, CountsWhatTheDetectorSeesPlusBackground)
{
    const decay::CounterSettings settings{.efficiency = 0.2, .background = 3, .stepsPerInterval = 4};
    for (auto kind : {decay::SampleRun::Kind::Decays, decay::SampleRun::Kind::Activity}) {
        const auto run = steadyRun(kind, kind == decay::SampleRun::Kind::Decays ? 500 : 1000, 2000);
        ASSERT_TRUE(decay::countingRefusal(run, settings).empty());
        decay::Counter counter(run, settings, 7);
        const double total = countedTotal(counter), expected = (0.2 * 1000 * 0.5 + 3 * 0.5) * 2000; // per step 101.5
        // Thinning gives less spread than Poisson, so Poisson's bound is the wider one.
        EXPECT_WITHIN(total, expected, sigmas(kFiveSigma, std::sqrt(expected)));
        EXPECT_EQ(counter.intervals().size(), 500U);
    }
}

TEST(Counter, PlayingInTimeCountsAsTheWholeRunDoes)
{
    const auto run = steadyRun(decay::SampleRun::Kind::Decays, 40, 10);
    const decay::CounterSettings settings{.stepsPerInterval = 3};
    decay::Counter whole(run, settings, 11), played(run, settings, 11);
    whole.advanceToStep(whole.steps());

    played.playTo(0.49); // no step has ended yet
    EXPECT_EQ(played.time(), 0);
    played.playTo(1.0); // two steps: inside the first interval
    EXPECT_TRUE(played.intervals().empty());
    EXPECT_EQ(std::pair(played.running().start, played.running().end), std::pair(0.0, 1.0));
    for (double t = 1.0; !played.finished(); t += 0.5)
        played.playTo(t);

    ASSERT_EQ(played.intervals().size(), 4U); // 3 + 3 + 3 + the last step alone
    EXPECT_EQ(std::pair(played.intervals().back().start, played.intervals().back().end), std::pair(4.5, 5.0));
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(played.intervals()[k].counts, whole.intervals()[k].counts);
    EXPECT_EQ(played.endTime(), 5.0);
}

// A step of the run is counted as a whole, by its index: however its time is written in binary
// (0.1 s, 43 y and 570 y are not exact; 570 y is 17987447865.6 s), each advance moves one step, and
// counting, stepped or played in time, reaches the last step. Steps of every offered chain too.
TEST(Counter, CountsWholeStepsWhateverTheirLengthInBinary)
{
    std::vector<std::pair<double, int>> steps{{0.1, 3000}, {43 * decay::kSecondsPerYear, 3000}, {570 * decay::kSecondsPerYear, 3000}};
    for (const std::string& first : shipped().chainStarts) {
        const decay::RunDefaults defaults = decay::runDefaults(tableChain(first.c_str()));
        steps.emplace_back(defaults.step * decay::unitSeconds(defaults.unit), defaults.steps);
    }
    for (const auto& [step, count] : steps) {
        const decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity, .times = evenTimes(step, count),
                                   .perStep = std::vector<double>(static_cast<std::size_t>(count), 0.0)};
        decay::Counter stepped(run, {.efficiency = 0.5, .background = 0, .stepsPerInterval = 7}, 3);
        for (std::size_t k = 1; k <= run.steps(); ++k) {
            stepped.advanceStep();
            ASSERT_EQ(stepped.stepsDone(), k) << step;
            ASSERT_EQ(stepped.time(), run.times[k]) << step;
        }
        EXPECT_TRUE(stepped.finished());
        EXPECT_EQ(stepped.intervals().size(), (run.steps() + 6) / 7);
        EXPECT_EQ(stepped.intervals().back().end, stepped.endTime());

        // Played at a speed where a frame covers a third of a step.
        decay::Counter played(run, {}, 3);
        double t = 0;
        for (std::size_t frame = 0; frame < 4 * run.steps() && !played.finished(); ++frame)
            played.playTo(t += step / 3);
        EXPECT_TRUE(played.finished()) << step;
    }
}

// A -> B (1 h, 30 min), counted from an exact run: A's mean activity in each step is
// N0 e^(-lambda (k-1) step) (1 - e^(-lambda step)) / step; with B counted too, the decays add up to
// A's losses twice less the B left at the end, to rounding (5e-13 of some 1.7e6). A random run's
// counts are its whole decays.
TEST(Counter, SampleOfALabRunCountsTheChosenMembers)
{
    decay::CustomChainTexts texts{{{"A", "1", decay::TimeUnit::Hour}, {"B", "30", decay::TimeUnit::Minute}}, {{0, 1, "1"}}};
    const decay::Chain chain = *decay::readCustomChain(texts).chain;
    const decay::RunSetup setup{{1e6, 0}, 600, 20, {}};
    const auto exact = *decay::exactRun(chain, setup);
    const double lambda = chain.members[0].rate();
    const auto parent = decay::countedSample(exact, {true, false}, setup.times(), false);
    ASSERT_EQ(parent.perStep.size(), 20U);
    EXPECT_EQ(parent.kind, decay::SampleRun::Kind::Activity);
    for (int k = 1; k <= 20; ++k) {
        const double mean = 1e6 * std::exp(-lambda * (k - 1) * 600) * -std::expm1(-lambda * 600) / 600;
        EXPECT_WITHIN(parent.perStep[static_cast<std::size_t>(k - 1)], mean, relative(kRoundingNoise)) << k;
    }
    const auto both = decay::countedSample(exact, {true, true}, setup.times(), false);
    EXPECT_WITHIN(std::accumulate(both.perStep.begin(), both.perStep.end(), 0.0) * 600, 2 * (1e6 - exact.at(0, 20)) - exact.at(1, 20),
                  relative(5e-13));

    decay::DecayDraws draws(5);
    const auto random = *decay::randomRun(chain, setup, draws);
    const auto counted = decay::countedSample(random, {false, true}, setup.times(), true);
    EXPECT_EQ(counted.kind, decay::SampleRun::Kind::Decays);
    for (int k = 1; k <= 20; ++k)
        EXPECT_EQ(counted.perStep[static_cast<std::size_t>(k - 1)], random.at(1, k - 1) + random.memberDecays(0)[static_cast<std::size_t>(k)] - random.at(1, k));
}

// Milked atoms are taken away at the end of their step, not decayed: the counted decays of the
// milked member are those of the run without milking up to that step, and then only what grows
// back.
TEST(Counter, MilkedAtomsAreNotCountedAsDecays)
{
    const decay::Chain chain = tableChain("Mo-99");
    decay::RunSetup setup{.initial = {1e5, 0, 0}, .step = 3600, .steps = 80, .milk = {}};
    const auto plain = *decay::exactRun(chain, setup);
    setup.milk = decay::Milking{40, 1};
    const auto milked = *decay::exactRun(chain, setup);
    const auto times = setup.times();
    const auto plainSample = decay::countedSample(plain, {false, true, false}, times, false);
    const auto milkedSample = decay::countedSample(milked, {false, true, false}, times, false);
    for (std::size_t k = 0; k < 40; ++k)
        EXPECT_EQ(milkedSample.perStep[k], plainSample.perStep[k]) << k;
    EXPECT_LT(milkedSample.perStep[40], 0.1 * plainSample.perStep[40]); // step 41 starts with no Tc-99m

    // In a random run, a step of 1 h takes about 11 % of the Tc-99m there (6.0066 h): the milked
    // rest is not among the decays.
    decay::DecayDraws draws(8);
    setup.initial = {2e4, 0, 0};
    const auto random = *decay::randomRun(chain, setup, draws);
    EXPECT_EQ(random.at(1, 40), 0);
    EXPECT_LT(random.memberDecays(1)[40], 0.2 * random.at(1, 39));
}

TEST(Counter, RefusesWhatItCannotCount)
{
    const decay::CounterSettings fine;
    const std::pair<decay::SampleRun, const char*> runs[] = {
        {{.times = {0, 0}, .perStep = {1}}, "The run has no time step to count in."},
        {{.times = {0, 1}, .perStep = {1}}, ""},
        {{.times = {0}, .perStep = {}}, "The run has no steps to count."},
        {{.times = {0, 1, 2}, .perStep = {1, -1}}, "The run holds a step with no count of decays or activity."},
        {{.kind = decay::SampleRun::Kind::Decays, .times = {0, 1}, .perStep = {2.5}}, "A random run's decays must be whole numbers."},
        {{.times = {0, 1, 2}, .perStep = {6e18, 6e18}}, "The sample is too active to count: the run would bring more than 1e+18 counts. Take fewer atoms or a lower efficiency."},
    };
    for (const auto& [run, error] : runs)
        EXPECT_EQ(decay::countingRefusal(run, fine).text(), error);
    // Too active a sample is offered the efficiency that counts it: 1.2e19 decays and 2 s of
    // 1e17 a second of background leave 8e17 counts to the decays, 0.0666... of them.
    decay::CounterSettings noisy;
    noisy.background = 1e17;
    const auto lower = decay::countingRefusal({.times = {0, 1, 2}, .perStep = {6e18, 6e18}}, noisy).remedy;
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->offer.text(), "Take an efficiency of 0.066");
    noisy.efficiency = lower->changes.at(0).value;
    EXPECT_TRUE(decay::countingRefusal({.times = {0, 1, 2}, .perStep = {6e18, 6e18}}, noisy).empty());

    const std::pair<decay::CounterTexts, const char*> texts[] = {
        {{.efficiency = "0"}, "The efficiency must be a number above 0 and at most 1."},
        {{.background = "-1"}, "The background must be a number of events per second from 0 to 1000000000."},
        {{.stepsPerInterval = "2.5"}, "The counting interval must be a whole number of steps from 1 to 1000000."},
        {{.deadTime = "-1"}, "The dead time must be a number of microseconds from 0 to 10000."},
        {{.deadTime = "10001"}, "The dead time must be a number of microseconds from 0 to 10000."},
    };
    for (const auto& [entries, error] : texts)
        EXPECT_EQ(decay::readCounterSettings(entries).error.text(), error);
    const auto read = decay::readCounterSettings({.efficiency = "0,25", .background = "0", .stepsPerInterval = "5", .decimalPoint = ","});
    ASSERT_TRUE(read.settings);
    EXPECT_EQ(std::tuple(read.settings->efficiency, read.settings->stepsPerInterval, read.settings->deadTime.tau), std::tuple(0.25, 5, 0.0));
    const auto geiger = decay::readCounterSettings({.deadTime = "100", .deadTimeKind = decay::DeadTime::Kind::Paralysable});
    ASSERT_TRUE(geiger.settings);
    EXPECT_DOUBLE_EQ(geiger.settings->deadTime.tau, 1e-4); // 100 us in seconds
    EXPECT_EQ(geiger.settings->deadTime.kind, decay::DeadTime::Kind::Paralysable);
}

// A Geiger tube beside 8000 events per second of the sample and 2000 of background records
// 10^4 / (1 + 10^4 * 100 us) = 5000 per second, sample and background alike, in steps of 0.1 s
// (events timed one by one) and of 0.5 s (5000 events a step, the normal approximation); a
// paralysable tube records 10^4 / e and says it is not saturated, at n tau = 1 exactly.
TEST(Counter, DeadTimeTakesItsShareOfEveryEvent)
{
    for (const double step : {0.1, 0.5})
        for (auto kind : {decay::DeadTime::Kind::NonParalysable, decay::DeadTime::Kind::Paralysable}) {
            const decay::CounterSettings settings{.efficiency = 1, .background = 2000, .stepsPerInterval = 10,
                                                  .deadTime = {.tau = decay::kGeigerDeadTime, .kind = kind}};
            decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity, .times = evenTimes(step, 400),
                                 .perStep = std::vector<double>(400, 8000)};
            decay::Counter counter(run, settings, 3);
            const double expected = (kind == decay::DeadTime::Kind::NonParalysable ? 5000 : 1e4 / std::numbers::e) * 400 * step;
            EXPECT_WITHIN(countedTotal(counter), expected, sigmas(kFiveSigma, std::sqrt(expected))) << step;
            EXPECT_FALSE(counter.saturated());
        }
    // Past n tau = 1 a paralysable tube records fewer the more events come, and says so.
    const decay::SampleRun run{.kind = decay::SampleRun::Kind::Activity, .times = evenTimes(0.1, 3), .perStep = {5000, 12000, 5000}};
    for (auto kind : {decay::DeadTime::Kind::NonParalysable, decay::DeadTime::Kind::Paralysable}) {
        decay::Counter counter(run, {.efficiency = 1, .background = 0, .deadTime = {.tau = 1e-4, .kind = kind}}, 1);
        counter.advanceStep();
        EXPECT_FALSE(counter.saturated());
        counter.advanceToStep(counter.steps());
        EXPECT_EQ(counter.saturated(), kind == decay::DeadTime::Kind::Paralysable);
    }
}

TEST(Counter, BackgroundMeasurementCarriesItsUncertainty)
{
    decay::DecayDraws draws(5);
    const auto measured = decay::measureBackground(draws, 0.5, 4000);
    EXPECT_WITHIN(measured.rate(), 0.5, sigmas(kFiveSigma, std::sqrt(0.5 / 4000)));
    // No count at all still leaves the rate uncertain by one count's worth.
    EXPECT_DOUBLE_EQ((decay::BackgroundMeasurement{.counts = 0, .seconds = 20}.sigma()), 0.05);
    // None measured is none to subtract, not a rate of 0/0.
    EXPECT_EQ(decay::BackgroundMeasurement{}.rate(), 0);
    EXPECT_EQ(decay::BackgroundMeasurement{}.sigma(), 0);
}

// Activated silver: its half-lives are the table's; activation grows as R t at first and
// saturates at R / lambda (N' = R - lambda N), R t to the 1.4e-4 that decay takes of it in 0.01 s;
// and the counter's counts of the gram after 5 min, fitted with two nuclides, give both
// half-lives back within three standard deviations.
TEST(Counter, ActivatedSilverDecaysWithTwoHalfLives)
{
    EXPECT_EQ(shipped().find("Ag-110")->halfLife, decay::kAg110HalfLife);
    EXPECT_EQ(shipped().find("Ag-108")->halfLife, decay::kAg108HalfLife);
    const decay::SilverProduction r = decay::silverProduction();
    EXPECT_WITHIN(r.ag108, 1e4 * 37e-24 * 0.51839 * 6.022e23 / 107.87, relative(1e-3)); // figures of four and five digits
    const auto early = decay::activatedSilver(0.01), late = decay::activatedSilver(3600);
    EXPECT_WITHIN(early[0], r.ag110 * 0.01, relative(1e-3));
    EXPECT_WITHIN(late[1], r.ag108 * decay::kAg108HalfLife / std::numbers::ln2, relative(1e-6)); // 25 half-lives: 3e-8 short

    const auto run = decay::silverRun(300, 41);
    ASSERT_TRUE(run);
    EXPECT_FALSE(decay::silverRun(0.5, 41));
    decay::SampleRun sample = decay::countedSample(run->atoms, {true, true}, run->times(), true);
    decay::Counter counter(sample, {.efficiency = 0.1, .background = 0.5, .stepsPerInterval = 5}, 42);
    counter.advanceToStep(counter.steps());
    decay::DecayDraws draws(43);
    const decay::FitData data = decay::countedData(counter.intervals(), decay::measureBackground(draws, 0.5, 600));
    const decay::HalfLifeFit fit = decay::fitHalfLives(data, decay::FitMethod::PoissonLikelihood, {.shape = decay::FitShape::TwoNuclides});
    ASSERT_TRUE(fit.fitted()) << fit.note.text();
    EXPECT_WITHIN(fit.halfLife, decay::kAg110HalfLife, sigmas(kThreeSigma, fit.sigma));
    EXPECT_WITHIN(fit.secondHalfLife, decay::kAg108HalfLife, sigmas(kThreeSigma, fit.secondSigma));
    EXPECT_EQ(decay::readActivationTime("300", ".").value, 300);
    EXPECT_EQ(decay::readActivationTime("0", ".").error.text(), "The activation time must be a number of seconds from 1 to 86400.");
}

} // namespace
