#include "model/counting/DeadTime.h"
#include "model/random/DecayDraws.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>
#include <numbers>
#include <cstdint>
#include <random>

namespace {

using Kind = decay::DeadTime::Kind;

// The test's own counter, independent of the closed forms: an event at t is recorded when the
// counter is live; a paralysable counter's dead time restarts at every arrival, a non-paralysable
// one's only at a recorded event.
struct LiveCounter {
    double tau = 0;
    Kind kind = Kind::NonParalysable;
    double liveFrom = -1;
    std::int64_t recorded = 0;

    void arrive(double t)
    {
        if (t >= liveFrom) {
            ++recorded;
            liveFrom = t + tau;
        } else if (kind == Kind::Paralysable) {
            liveFrom = t + tau;
        }
    }
};

// Exponential gaps of true rate n for `seconds`, through that counter.
std::int64_t simulatedCounts(double n, double tau, Kind kind, double seconds, std::mt19937_64& engine)
{
    std::exponential_distribution<double> gap(n);
    LiveCounter counter{.tau = tau, .kind = kind};
    for (double t = gap(engine); t < seconds; t += gap(engine))
        counter.arrive(t);
    return counter.recorded;
}

// A Geiger tube of 100 us at a true 10^4 per second records 5000 per second; and the
// paralysable counter's peak 1 / (e tau) at n = 1 / tau; to a few units in the last place, and the
// paralysable inverse, found by Newton's method, to rounding.
TEST(DeadTime, ClosedForms)
{
    const decay::DeadTime geiger{.tau = decay::kGeigerDeadTime};
    EXPECT_DOUBLE_EQ(decay::recordedRate(1e4, geiger), 5000);
    EXPECT_WITHIN(decay::trueRate(5000, geiger), 1e4, relative(1e-14));
    const decay::DeadTime paralysable{.tau = 1e-4, .kind = Kind::Paralysable};
    EXPECT_WITHIN(decay::recordedRate(1e4, paralysable), 1e4 / std::numbers::e, relative(1e-14));
    for (double n : {1.0, 300.0, 2000.0, 9000.0})
        EXPECT_WITHIN(decay::trueRate(decay::recordedRate(n, paralysable), paralysable), n, relative(kRoundingNoise)) << n;
    EXPECT_TRUE(std::isnan(decay::trueRate(3700, paralysable))); // above 1 / (e tau) = 3679
    EXPECT_TRUE(std::isnan(decay::trueRate(1e4, geiger)));       // m tau = 1: no true rate
    EXPECT_TRUE(decay::saturated(1.5e4, paralysable));
    EXPECT_FALSE(decay::saturated(1.5e4, geiger));
    EXPECT_EQ(decay::recordedRate(123, {}), 123);
    EXPECT_TRUE(std::isnan(decay::recordedRate(-1, geiger)));
}

// The closed forms against the event-by-event counter: 400 s at each rate gives ~10^6 recorded
// events, whose mean the closed form must meet within 5 standard deviations.
TEST(DeadTime, EventByEventCounterRecordsTheClosedFormRate)
{
    std::mt19937_64 engine(29);
    for (Kind kind : {Kind::NonParalysable, Kind::Paralysable})
        for (double n : {500.0, 3000.0, 8000.0}) {
            const decay::DeadTime deadTime{.tau = 1e-4, .kind = kind};
            const double seconds = 400;
            const auto counts = static_cast<double>(simulatedCounts(n, deadTime.tau, kind, seconds, engine));
            EXPECT_WITHIN(counts / seconds, decay::recordedRate(n, deadTime), sigmas(kFiveSigma, std::sqrt(counts) / seconds)) << n;
        }
}

// A fixed number of events at uniform random times over [0, width), through a counter that is
// live at the start: the test's own timing, for the recorded count's mean and variance.
std::int64_t timedCounts(int arrivals, double width, double tau, Kind kind, std::mt19937_64& engine)
{
    std::uniform_real_distribution<double> when(0, width);
    std::vector<double> times(static_cast<std::size_t>(arrivals));
    for (double& t : times)
        t = when(engine);
    std::sort(times.begin(), times.end());
    LiveCounter counter{.tau = tau, .kind = kind};
    for (const double t : times)
        counter.arrive(t);
    return counter.recorded;
}

// Beyond kMostTimedArrivals a stretch takes the normal approximation. For a paralysable counter
// the recorded count of a fixed number of uniform events has a closed form: event i is recorded
// when the gap before it exceeds tau, and for a points on [0, w) any one gap exceeds tau with
// p1 = (1 - tau/w)^a, any two with p2 = (1 - 2 tau/w)^a (uniform spacings are exchangeable), so
// mean 1 + (a-1) p1, variance (a-1) p1 (1-p1) + (a-1)(a-2)(p2 - p1^2). A non-paralysable counter
// is checked against the test's own timing. 2000 stretches of 5000 events in 0.5 s (n tau = 1 with
// the Geiger tube): means within five standard errors, variances within five of theirs.
TEST(DeadTimeCounter, LongStretchesMatchTimedEvents)
{
    constexpr int kRepeats = 2000;
    constexpr double a = 5000, w = 0.5, tau = 1e-4;
    const auto moments = [](auto draw) {
        double sum = 0, squares = 0;
        for (int r = 0; r < kRepeats; ++r) {
            const auto value = static_cast<double>(draw());
            sum += value;
            squares += value * value;
        }
        const double mean = sum / kRepeats;
        return std::pair{mean, squares / kRepeats - mean * mean};
    };
    decay::DecayDraws draws(3);
    const auto lab = [&](Kind kind) {
        return moments([&] { return decay::DeadTimeCounter({.tau = tau, .kind = kind}).record(draws, 5000, 0, w); });
    };
    const double p1 = std::pow(1 - tau / w, a), p2 = std::pow(1 - 2 * tau / w, a);
    const double exactMean = 1 + (a - 1) * p1, exactVariance = (a - 1) * p1 * (1 - p1) + (a - 1) * (a - 2) * (p2 - p1 * p1);
    const auto [mean, variance] = lab(Kind::Paralysable);
    EXPECT_WITHIN(mean, exactMean, sigmas(kFiveSigma, std::sqrt(exactVariance / kRepeats)));
    EXPECT_WITHIN(variance, exactVariance, sigmas(kFiveSigma, exactVariance * std::sqrt(2.0 / kRepeats)));

    std::mt19937_64 engine(3);
    const auto [timedMean, timedVariance] = moments([&] { return timedCounts(5000, w, tau, Kind::NonParalysable, engine); });
    const auto [labMean, labVariance] = lab(Kind::NonParalysable);
    EXPECT_WITHIN(labMean, timedMean, sigmas(kFiveSigma, std::sqrt(2 * timedVariance / kRepeats)));
    EXPECT_WITHIN(labVariance, timedVariance, sigmas(kFiveSigma, timedVariance * std::sqrt(4.0 / kRepeats)));

    // An ideal counter takes every event, and no event takes no draw.
    decay::DeadTimeCounter ideal;
    EXPECT_EQ(ideal.record(draws, 12345, 0, 1), 12345);
    EXPECT_EQ(ideal.record(draws, 0, 1, 2), 0);
}

} // namespace
