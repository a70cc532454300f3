#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace decay {

class DecayDraws;

// A counter that is blind for tau seconds after each event it records (non-paralysable), or after
// every event that arrives, recorded or not (paralysable).
struct DeadTime {
    enum class Kind { NonParalysable, Paralysable };
    double tau = 0; // seconds; 0 for an ideal counter
    Kind kind = Kind::NonParalysable;
};
inline constexpr double kGeigerDeadTime = 100e-6; // seconds, a typical Geiger-Mueller tube

// The mean recorded rate m of a Poisson stream of true rate n (per second): n / (1 + n tau)
// non-paralysable, n e^(-n tau) paralysable (G. F. Knoll, Radiation Detection and Measurement,
// 4th ed. (2010), section 4.VII).
double recordedRate(double trueRate, const DeadTime& deadTime);

// The true rate back from a recorded one: m / (1 - m tau) non-paralysable (NaN from m tau >= 1);
// the root below 1 / tau of m = n e^(-n tau) paralysable, NaN from the counter's most rate
// 1 / (e tau) on, where the recorded rate no longer says which of two true rates it came from.
double trueRate(double recordedRate, const DeadTime& deadTime);

// Whether a paralysable counter at this true rate is past its peak, n tau > 1: more events make
// it record fewer, and its counts cannot be corrected or fitted.
bool saturated(double trueRate, const DeadTime& deadTime);

// A counter with a dead time, fed stretch after stretch with the events that arrive in each. The
// events of a stretch come at random times over it, as a Poisson process spreads a given number of
// events; the counter is dead for tau after each event it records (after every event,
// paralysable), also across the stretches' ends. Up to kMostTimedArrivals events a stretch are
// timed one by one; more take the normal approximation of the recorded count for that many
// arrivals, mean T m(a / T) and variance a * (1/(1 + x)^3 - 1/(1 + x)^4) with x = a tau / T
// non-paralysable, a * (e^-x - e^-2x (1 + x^2)) paralysable: the spread of the renewal count
// (variance T n / (1 + x)^3, and T n (e^-x - 2x e^-2x), Knoll 4.VII) less what the fixed number
// of arrivals leaves out of it, to first order. There a timed counter and the approximation agree
// to far less than their spread.
inline constexpr std::int64_t kMostTimedArrivals = 2000;
class DeadTimeCounter {
public:
    explicit DeadTimeCounter(const DeadTime& deadTime = {}) : m_deadTime(deadTime) {}

    // The events recorded of `arrivals` from `start` to `end` (seconds, after the stretch before).
    std::int64_t record(DecayDraws& draws, std::int64_t arrivals, double start, double end);
    const DeadTime& deadTime() const { return m_deadTime; }

private:
    double uniform(DecayDraws& draws);

    DeadTime m_deadTime;
    double m_liveFrom = -std::numeric_limits<double>::infinity();
    int m_lane = 0; // the generator whose draws time the events next
    std::vector<double> m_times;
};

// What the counter records of a steady Poisson stream of `rate` per second in `seconds`, counted
// in stretches of about a thousand events, which are timed one by one.
std::int64_t countSteady(DecayDraws& draws, double rate, double seconds, const DeadTime& deadTime);

} // namespace decay
