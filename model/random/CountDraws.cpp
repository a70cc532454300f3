#include "CountDraws.h"

#include "DecayDraws.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace decay {
namespace {

// Below this mean the inversion search is short; from it on PTRS accepts most of its tries.
constexpr double kRejectionFrom = 10;

std::int64_t byInversion(DecayDraws& draws, double mean)
{
    const double u = uniformDraw(draws);
    double term = std::exp(-mean);
    double below = term; // P(X <= k)
    std::int64_t k = 0;
    // The sum stops short of 1 only by rounding, far beyond where u can lie; the bound keeps a
    // loop from running on regardless.
    while (u > below && k < 1000) {
        ++k;
        term *= mean / static_cast<double>(k);
        below += term;
    }
    return k;
}

// The remainder of Stirling's series, ln k! - (k + 1/2) ln(k + 1) + (k + 1) - ln(2 pi) / 2, tabulated
// below 10 (Hoermann 1993, table 1) and summed from its series above.
double stirlingTail(double k)
{
    static constexpr double kTable[10] = {0.08106146679532726, 0.04134069595540929, 0.02767792568499834,
                                          0.02079067210376509, 0.01664469118982119, 0.01387612882307075,
                                          0.01189670994589177, 0.01041126526197209, 0.009255462182712733,
                                          0.008330563433362871};
    if (k < 10)
        return kTable[static_cast<int>(k)];
    const double r = 1 / (k + 1), r2 = r * r;
    return (1.0 / 12 - (1.0 / 360 - r2 / 1260) * r2) * r;
}

// Binomial(n, p) with p <= 1/2 and n p < 10, by a search from 0 that multiplies the terms.
double binomialByInversion(DecayDraws& draws, double n, double p)
{
    const double ratio = p / (1 - p);
    double term = std::exp(n * std::log1p(-p)); // P(X = 0)
    double u = uniformDraw(draws);
    double k = 0;
    while (u > term && k < n && k < 1000) {
        u -= term;
        ++k;
        term *= (n + 1 - k) / k * ratio;
    }
    return k;
}

// W. Hoermann, "The generation of binomial random variates", Journal of Statistical Computation
// and Simulation 46 (1993) 101-110, algorithm BTRD with its constants; p <= 1/2, n p >= 10. The
// acceptance test compares logarithms of ratios of the probabilities, so it keeps its accuracy for
// any n.
double binomialByRejection(DecayDraws& draws, double n, double p)
{
    const double q = 1 - p;
    const double mode = std::floor((n + 1) * p);
    const double r = p / q, nr = (n + 1) * r, npq = n * p * q, spread = std::sqrt(npq);
    const double b = 1.15 + 2.53 * spread;
    const double a = -0.0873 + 0.0248 * b + 0.01 * p;
    const double c = n * p + 0.5;
    const double alpha = (2.83 + 5.1 / b) * spread;
    const double vr = 0.92 - 4.2 / b;
    const double acceptBelow = 0.86 * vr;
    for (;;) {
        double v = uniformDraw(draws), u = 0;
        if (v <= acceptBelow) {
            u = v / vr - 0.43;
            return std::floor((2 * a / (0.5 - std::fabs(u)) + b) * u + c);
        }
        if (v >= vr) {
            u = uniformDraw(draws) - 0.5;
        } else {
            u = v / vr - 0.93;
            u = (u < 0 ? -0.5 : 0.5) - u;
            v = vr * uniformDraw(draws);
        }
        const double us = 0.5 - std::fabs(u);
        const double k = std::floor((2 * a / us + b) * u + c);
        if (k < 0 || k > n)
            continue;
        v = v * alpha / (a / (us * us) + b);
        const double km = std::fabs(k - mode);
        if (km <= 15) {
            // f(k) / f(mode) as a product of the terms between them.
            double f = 1;
            if (mode < k)
                for (double i = mode + 1; i <= k; ++i)
                    f *= nr / i - r;
            else
                for (double i = k + 1; i <= mode; ++i)
                    v *= nr / i - r;
            if (v <= f)
                return k;
            continue;
        }
        v = std::log(v);
        const double rho = km / npq * (((km / 3 + 0.625) * km + 1.0 / 6) / npq + 0.5);
        const double t = -km * km / (2 * npq);
        if (v < t - rho)
            return k;
        if (v > t + rho)
            continue;
        const double nm = n - mode + 1, nk = n - k + 1;
        const double h = (mode + 0.5) * std::log((mode + 1) / (r * nm)) + stirlingTail(mode) + stirlingTail(n - mode);
        if (v <= h + (n + 1) * std::log(nm / nk) + (k + 0.5) * std::log(nk * r / (k + 1)) - stirlingTail(k) - stirlingTail(n - k))
            return k;
    }
}

// W. Hoermann, "The transformed rejection method for generating Poisson random variables",
// Insurance: Mathematics and Economics 12 (1993) 39-45, algorithm PTRS with its constants.
std::int64_t byTransformedRejection(DecayDraws& draws, double mean)
{
    // ln P(X = k). Written as -mean + k ln mean - ln k!, its terms grow like the mean and cancel to
    // a few units: at a mean of 10^17 rounding alone moves the test far off. With ln k! in Stirling's
    // form and e = k + 1 - mean it is e - (k + 1/2) ln(1 + e / mean) - ln(2 pi mean) / 2 - tail(k),
    // whose terms are of the size of the spread: exact to rounding for any mean.
    const double logNorm = 0.5 * std::log(2 * std::numbers::pi * mean);
    const auto logProbability = [&](double k) {
        const double e = k + 1 - mean;
        return e - (k + 0.5) * std::log1p(e / mean) - logNorm - stirlingTail(k);
    };
    const double b = 0.931 + 2.53 * std::sqrt(mean);
    const double a = -0.059 + 0.02483 * b;
    const double inverseAlpha = 1.1239 + 1.1328 / (b - 3.4);
    const double acceptBelow = 0.9277 - 3.6224 / (b - 2);
    for (;;) {
        const double u = uniformDraw(draws) - 0.5;
        const double v = uniformDraw(draws);
        const double us = 0.5 - std::fabs(u);
        const double k = std::floor((2 * a / us + b) * u + mean + 0.43);
        if (us >= 0.07 && v <= acceptBelow)
            return static_cast<std::int64_t>(k);
        if (k < 0 || (us < 0.013 && v > us))
            continue;
        if (std::log(v * inverseAlpha / (a / (us * us) + b)) <= logProbability(k))
            return static_cast<std::int64_t>(k);
    }
}

} // namespace

double uniformDraw(DecayDraws& draws)
{
    const std::uint32_t half = DecayDraws::drawLimit(1.0f) / 2;
    std::uint32_t bits = 0;
    for (int i = 0; i < 32; ++i)
        bits = bits << 1 | static_cast<std::uint32_t>(draws.countDecays(1, half));
    return (bits + 0.5) / 4294967296.0; // 2^32
}

std::int64_t poissonDraw(DecayDraws& draws, double mean)
{
    if (!(mean > 0))
        return 0;
    mean = std::min(mean, kMostMeanCount);
    return mean < kRejectionFrom ? byInversion(draws, mean) : byTransformedRejection(draws, mean);
}

double binomialDraw(DecayDraws& draws, double trials, double p, double notP)
{
    if (!(trials > 0) || !(p > 0))
        return 0;
    if (!(notP > 0))
        return trials;
    const bool rarer = p <= notP;
    const double q = rarer ? p : notP;
    const double drawn = trials * q < 10 ? binomialByInversion(draws, trials, q) : binomialByRejection(draws, trials, q);
    return rarer ? drawn : trials - drawn;
}

} // namespace decay
