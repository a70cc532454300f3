#include "Radiocarbon.h"

#include "CountDraws.h"
#include "DecayDraws.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace decay {

double radiocarbonAge(double ratio, double halfLife)
{
    return -halfLife / std::numbers::ln2 * std::log(ratio);
}

DatingSample hiddenSample(DecayDraws& draws, double carbonGrams)
{
    return {.age = kOldestHiddenAge * uniformDraw(draws), .carbonGrams = carbonGrams};
}

double sampleActivity(const DatingSample& sample)
{
    return kModernBqPerGram * sample.carbonGrams * std::exp2(-sample.age / kModernHalfLife);
}

DatingCount countSample(DecayDraws& draws, const DatingSample& sample, const CounterSettings& counter, double seconds)
{
    const double mean = (counter.efficiency * sampleActivity(sample) + counter.background) * seconds;
    return {.counts = poissonDraw(draws, mean), .seconds = seconds};
}

DatingResult dateSample(const DatingCount& count, const BackgroundMeasurement& background, double carbonGrams, double efficiency)
{
    const double modernRate = efficiency * kModernBqPerGram * carbonGrams;
    const double counted = static_cast<double>(count.counts);
    const double netRate = counted / count.seconds - background.rate();
    const double netSigma = std::hypot(std::sqrt(counted) / count.seconds, background.sigma());
    DatingResult result{.ratio = netRate / modernRate, .ratioSigma = netSigma / modernRate};
    const bool lowerLimit = !(result.ratio > 2 * result.ratioSigma);
    if (lowerLimit)
        result.note = {"The counts are not two standard deviations above the background: the sample is at least this old.", {}};
    const std::array<double, 2> halfLives{kLibbyHalfLife, kModernHalfLife};
    for (std::size_t i = 0; i < halfLives.size(); ++i) {
        const double halfLife = halfLives[i];
        DatedAge& age = result.ages[i];
        age = {.halfLife = halfLife, .lowerLimit = lowerLimit};
        if (lowerLimit) {
            age.age = radiocarbonAge(std::max(result.ratio, 0.0) + 2 * result.ratioSigma, halfLife);
            age.sigma = std::numeric_limits<double>::quiet_NaN();
        } else {
            age.age = radiocarbonAge(result.ratio, halfLife);
            age.sigma = halfLife / std::numbers::ln2 * result.ratioSigma / result.ratio;
        }
    }
    return result;
}

NumberEntry readCarbon(std::string_view text, std::string_view decimalPoint)
{
    return readNumberIn(text, decimalPoint, kLeastCarbon, kMostCarbon, "The carbon must be a number of grams from %1 to %2.");
}

NumberEntry readAge(std::string_view text, std::string_view decimalPoint)
{
    return readNumberIn(text, decimalPoint, 0, kOldestTypedAge,
                        "The age must be a number of years from %1 to %2, or empty for a hidden one.");
}

NumberEntry readDatingMinutes(std::string_view text, std::string_view decimalPoint)
{
    return readNumberIn(text, decimalPoint, kShortestDatingCount, kLongestDatingCount,
                        "The counting time must be a number of minutes from %1 to %2.");
}

} // namespace decay
