#include "DeadTime.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace decay {
namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}

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

double twoSourceDeadTime(double a, double ab, double b, double background)
{
    const double x = a * b - ab * background;
    const double y = a * b * (ab + background) - ab * background * (a + b);
    if (!(x != 0) || !(y != 0))
        return kNaN;
    const double z = y * (a + b - ab - background) / (x * x);
    if (!(z <= 1))
        return kNaN;
    // 1 - sqrt(1 - z) written as z / (1 + sqrt(1 - z)), which keeps its digits for small z.
    return x * z / (1 + std::sqrt(1 - z)) / y;
}

} // namespace decay
