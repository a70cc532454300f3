#include "CountDraws.h"

#include "DecayDraws.h"
#include "StagedDraw.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// W. Hoermann, "The transformed rejection method for generating Poisson random variables",
// Insurance: Mathematics and Economics 12 (1993) 39-45, algorithm PTRS with its constants.
std::int64_t byTransformedRejection(DecayDraws& draws, double mean)
{
    const double logMean = std::log(mean);
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
        if (std::log(v * inverseAlpha / (a / (us * us) + b)) <= -mean + k * logMean - std::lgamma(k + 1))
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

std::int64_t thinnedDraw(DecayDraws& draws, const StagedDraw& pass, std::int64_t events)
{
    constexpr std::int64_t kChunk = std::numeric_limits<std::int32_t>::max();
    std::int64_t passed = 0;
    for (; events > 0; events -= kChunk)
        passed += pass.count(draws, static_cast<std::int32_t>(std::min(events, kChunk)));
    return passed;
}

} // namespace decay
