#include "RepeatCounts.h"

#include "model/common/ChiSquare.h"
#include "model/common/Conversions.h"
#include "model/common/NaN.h"
#include "model/common/Rounding.h"
#include "model/random/CountDraws.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace decay {

RepeatSettingsEntry readRepeatSettings(const RepeatTexts& texts)
{
    const auto repeats = wholeNumber(texts.repeats, texts.decimalPoint);
    if (!repeats || *repeats < kFewestRepeats || *repeats > kMostRepeats)
        return {.error = {"The number of counts must be a whole number from %1 to %2.", {kFewestRepeats, kMostRepeats}}};
    const auto rate = strictValue(texts.rate, texts.decimalPoint);
    if (!rate || !(*rate > 0 && *rate <= kMostRepeatRate))
        return {.error = {"The count rate must be a number of events per second above %1 and at most %2.", {0, kMostRepeatRate}}};
    const auto seconds = strictValue(texts.seconds, texts.decimalPoint);
    if (!seconds || !(*seconds >= kShortestRepeat && *seconds <= kLongestRepeat))
        return {.error = {"The counting interval must be a number of seconds from %1 to %2.", {kShortestRepeat, kLongestRepeat}}};
    if (*rate * *seconds > kMostRepeatMean) {
        Message refusal{"An interval would bring more than %1 counts; count for less time.", {kMostRepeatMean}};
        const double shorter = roundedDown(kMostRepeatMean / *rate, 2);
        if (!(shorter >= kShortestRepeat))
            return {.error = std::move(refusal)};
        return {.error = withRemedy(std::move(refusal), {{{Remedy::Entry::RepeatSeconds, shorter}}, said("Count for %1 s", numberValue(shorter, 2))})};
    }
    return {.settings = RepeatSettings{.repeats = static_cast<int>(*repeats), .rate = *rate, .seconds = *seconds}};
}

std::vector<std::int64_t> repeatCounts(DecayDraws& draws, const RepeatSettings& settings, const DeadTime& deadTime)
{
    std::vector<std::int64_t> counts;
    counts.reserve(static_cast<std::size_t>(std::max(settings.repeats, 0)));
    for (int r = 0; r < settings.repeats; ++r)
        counts.push_back(deadTime.tau > 0 ? countSteady(draws, settings.rate, settings.seconds, deadTime)
                                          : poissonDraw(draws, settings.rate * settings.seconds));
    return counts;
}

Dispersion dispersion(const std::vector<std::int64_t>& counts)
{
    Dispersion d{.n = static_cast<int>(counts.size()), .index = kNaN, .chiSquare = kNaN, .pValue = kNaN};
    if (counts.empty())
        return d;
    // Two passes: the mean, then the squares about it, which keep their digits for large counts.
    double sum = 0;
    for (const std::int64_t c : counts)
        sum += static_cast<double>(c);
    d.mean = sum / d.n;
    if (d.n < 2)
        return d;
    double squares = 0;
    for (const std::int64_t c : counts)
        squares += (static_cast<double>(c) - d.mean) * (static_cast<double>(c) - d.mean);
    d.variance = squares / (d.n - 1);
    if (!(d.mean > 0))
        return d;
    d.index = d.variance / d.mean;
    d.degreesOfFreedom = d.n - 1;
    d.chiSquare = d.degreesOfFreedom * d.index;
    const double upper = chiSquarePValue(d.chiSquare, d.degreesOfFreedom);
    d.pValue = std::min(1.0, 2 * std::min(upper, 1 - upper));
    return d;
}

double poissonProbability(std::int64_t k, double mean)
{
    if (k < 0 || !(mean >= 0))
        return 0;
    if (mean == 0)
        return k == 0 ? 1 : 0;
    const auto kd = static_cast<double>(k);
    return std::exp(kd * std::log(mean) - mean - std::lgamma(kd + 1));
}

double gaussianApproximation(double x, double mean)
{
    if (!(mean > 0))
        return 0;
    return std::exp(-(x - mean) * (x - mean) / (2 * mean)) / std::sqrt(2 * std::numbers::pi * mean);
}

} // namespace decay
