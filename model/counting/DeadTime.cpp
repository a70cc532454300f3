#include "DeadTime.h"

#include "model/common/NaN.h"
#include "model/random/CountDraws.h"
#include "model/random/DecayDraws.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace decay {

double recordedRate(double trueRate, const DeadTime& deadTime)
{
    if (!(trueRate >= 0) || !(deadTime.tau >= 0))
        return kNaN;
    return deadTime.kind == DeadTime::Kind::NonParalysable ? trueRate / (1 + trueRate * deadTime.tau)
                                                           : trueRate * std::exp(-trueRate * deadTime.tau);
}

double trueRate(double recordedRate, const DeadTime& deadTime)
{
    const double mt = recordedRate * deadTime.tau;
    if (!(recordedRate >= 0) || !(deadTime.tau >= 0))
        return kNaN;
    if (deadTime.tau == 0)
        return recordedRate;
    if (deadTime.kind == DeadTime::Kind::NonParalysable)
        return mt < 1 ? recordedRate / (1 - mt) : kNaN;
    if (!(mt < 1 / std::numbers::e))
        return kNaN;
    // Newton on y e^(-y) = mt for y = n tau below 1, from y = mt, where the function is concave and
    // rising, so the iterates rise to the root without overshooting it.
    double y = mt;
    for (int i = 0; i < 100; ++i) {
        const double step = (y * std::exp(-y) - mt) / ((1 - y) * std::exp(-y));
        y -= step;
        if (std::fabs(step) <= 1e-16 * y)
            break;
    }
    return y / deadTime.tau;
}

bool saturated(double trueRate, const DeadTime& deadTime)
{
    return deadTime.kind == DeadTime::Kind::Paralysable && trueRate * deadTime.tau > 1;
}

double DeadTimeCounter::uniform(DecayDraws& draws)
{
    // Two 24-bit draws of one generator make 48 bits; half a unit of the last keeps it off 0 and 1.
    const std::array<std::uint32_t, 4> k = draws.nextRound(m_lane);
    m_lane = (m_lane + 1) % DecayDraws::kLanes;
    return (static_cast<double>(k[0]) * 16777216.0 + static_cast<double>(k[1]) + 0.5) / 281474976710656.0; // 2^48
}

std::int64_t DeadTimeCounter::record(DecayDraws& draws, std::int64_t arrivals, double start, double end)
{
    const double tau = m_deadTime.tau, width = end - start;
    const bool paralysable = m_deadTime.kind == DeadTime::Kind::Paralysable;
    if (arrivals <= 0 || !(width > 0))
        return 0;
    if (!(tau > 0))
        return arrivals;
    if (arrivals > kMostTimedArrivals) {
        const auto a = static_cast<double>(arrivals);
        const double x = a * tau / width;
        const double mean = a * (paralysable ? std::exp(-x) : 1 / (1 + x));
        const double variance = paralysable ? a * (std::exp(-x) - std::exp(-2 * x) * (1 + x * x))
                                            : a * (std::pow(1 + x, -3) - std::pow(1 + x, -4));
        // Box and Muller's normal deviate.
        const double normal = std::sqrt(-2 * std::log(uniform(draws))) * std::cos(2 * std::numbers::pi * uniform(draws));
        const double drawn = std::round(mean + std::sqrt(std::max(variance, 0.0)) * normal);
        m_liveFrom = end; // the stretch ends on a counter about to be live again; tau is far below it
        return static_cast<std::int64_t>(std::clamp(drawn, 0.0, a));
    }
    m_times.resize(static_cast<std::size_t>(arrivals));
    for (double& t : m_times)
        t = start + width * uniform(draws);
    std::sort(m_times.begin(), m_times.end());
    std::int64_t recorded = 0;
    for (const double t : m_times) {
        if (t >= m_liveFrom) {
            ++recorded;
            m_liveFrom = t + tau;
        } else if (paralysable) {
            m_liveFrom = t + tau;
        }
    }
    return recorded;
}

std::int64_t countSteady(DecayDraws& draws, double rate, double seconds, const DeadTime& deadTime)
{
    DeadTimeCounter counter(deadTime);
    const double stretches = std::ceil(std::clamp(rate * seconds / 1000, 1.0, 1e6));
    std::int64_t recorded = 0;
    for (double k = 0; k < stretches; ++k) {
        const double start = seconds * k / stretches, end = seconds * (k + 1) / stretches;
        recorded += counter.record(draws, poissonDraw(draws, rate * (end - start)), start, end);
    }
    return recorded;
}

} // namespace decay
