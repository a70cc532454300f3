#include "model/DeadTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <cstdint>
#include <random>

namespace {

using Kind = decay::DeadTime::Kind;

// An event-by-event counter, independent of the closed forms: exponential gaps of true rate n
// for `seconds`, each event recorded when the counter is live; a paralysable counter's dead time
// restarts at every arrival, a non-paralysable one's only at a recorded event.
std::int64_t simulatedCounts(double n, double tau, Kind kind, double seconds, std::mt19937_64& engine)
{
    std::exponential_distribution<double> gap(n);
    std::int64_t recorded = 0;
    double t = 0, liveFrom = 0;
    for (t = gap(engine); t < seconds; t += gap(engine)) {
        if (t >= liveFrom) {
            ++recorded;
            liveFrom = t + tau;
        } else if (kind == Kind::Paralysable) {
            liveFrom = t + tau;
        }
    }
    return recorded;
}

// The Geiger tube: 100 us at a true 10^4 per second records 5000 per second; and the
// paralysable counter's peak 1 / (e tau) at n = 1 / tau.
TEST(DeadTime, ClosedForms)
{
    const decay::DeadTime geiger{.tau = decay::kGeigerDeadTime};
    EXPECT_DOUBLE_EQ(decay::recordedRate(1e4, geiger), 5000);
    EXPECT_NEAR(decay::trueRate(5000, geiger), 1e4, 1e-9);
    const decay::DeadTime paralysable{.tau = 1e-4, .kind = Kind::Paralysable};
    EXPECT_NEAR(decay::recordedRate(1e4, paralysable), 1e4 / std::numbers::e, 1e-9);
    for (double n : {1.0, 300.0, 2000.0, 9000.0})
        EXPECT_NEAR(decay::trueRate(decay::recordedRate(n, paralysable), paralysable), n, 1e-9 * n) << n;
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
            EXPECT_NEAR(counts / seconds, decay::recordedRate(n, deadTime), 5 * std::sqrt(counts) / seconds) << n;
        }
}

// The two-source method on simulated counts: A at 4000 per second, B at 5000, background 2, a
// counter of 120 us, each counted for 600 s. Knoll's exact solution gives tau back; its
// uncertainty from the four counts' Poisson spread (propagated numerically) bounds the error.
TEST(DeadTime, TwoSourceMethodGivesTheDeadTimeBack)
{
    std::mt19937_64 engine(7);
    const double tau = 120e-6, seconds = 600, background = 2;
    auto rate = [&](double n) { return static_cast<double>(simulatedCounts(n, tau, Kind::NonParalysable, seconds, engine)) / seconds; };
    const double a = rate(4000 + background), ab = rate(9000 + background), b = rate(5000 + background), bg = rate(background);
    const double found = decay::twoSourceDeadTime(a, ab, b, bg);
    double variance = 0;
    const double rates[] = {a, ab, b, bg};
    for (int i = 0; i < 4; ++i) {
        double shifted[4] = {a, ab, b, bg};
        const double h = 1e-3 * rates[i];
        shifted[i] += h;
        const double derivative = (decay::twoSourceDeadTime(shifted[0], shifted[1], shifted[2], shifted[3]) - found) / h;
        variance += derivative * derivative * rates[i] / seconds; // Poisson: var(m) = m / t, an upper bound
    }
    EXPECT_NEAR(found, tau, 3 * std::sqrt(variance));
    EXPECT_LT(std::sqrt(variance), 0.2 * tau);
    // Exact rates give tau to rounding.
    auto m = [&](double n) { return n / (1 + n * tau); };
    EXPECT_NEAR(decay::twoSourceDeadTime(m(4002), m(9002), m(5002), m(2)), tau, 1e-12);
    EXPECT_TRUE(std::isnan(decay::twoSourceDeadTime(0, 0, 0, 0)));
}

} // namespace
