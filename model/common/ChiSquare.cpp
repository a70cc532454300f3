#include "ChiSquare.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decay {
namespace {

constexpr double kEpsilon = 1e-15;
constexpr int kMostTerms = 100000; // the series needs about sqrt(a) terms, the fraction fewer

// P(a, x) by its series e^-x x^a / Gamma(a + 1) * sum x^n / ((a + 1) ... (a + n)).
double lowerBySeries(double a, double x)
{
    double term = 1 / a, sum = term;
    for (int n = 1; n < kMostTerms && std::fabs(term) > std::fabs(sum) * kEpsilon; ++n) {
        term *= x / (a + n);
        sum += term;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by the continued fraction of Gamma(a, x), evaluated by the modified Lentz method.
double upperByFraction(double a, double x)
{
    constexpr double tiny = std::numeric_limits<double>::min() / kEpsilon;
    double b = x + 1 - a, c = 1 / tiny, d = 1 / b, h = d;
    for (int i = 1; i < kMostTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < kEpsilon)
            break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

} // namespace

double upperRegularizedGamma(double a, double x)
{
    if (!(a > 0) || !(x >= 0) || !std::isfinite(a))
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0)
        return 1;
    if (std::isinf(x))
        return 0;
    return x < a + 1 ? 1 - lowerBySeries(a, x) : upperByFraction(a, x);
}

double chiSquarePValue(double chiSquare, int degreesOfFreedom)
{
    if (degreesOfFreedom < 1 || std::isnan(chiSquare))
        return std::numeric_limits<double>::quiet_NaN();
    return upperRegularizedGamma(degreesOfFreedom / 2.0, std::max(chiSquare, 0.0) / 2);
}

} // namespace decay
