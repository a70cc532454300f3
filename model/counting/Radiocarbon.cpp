#include "Radiocarbon.h"

#include "model/random/CountDraws.h"
#include "model/random/DecayDraws.h"

#include <algorithm>
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

namespace {

// The standard normal quantile of 95 %, one-sided.
constexpr double kOneSided95 = 1.6448536269514722;

// -2 ln L of a sample count n in t at net rate s, and a background count m in u, the background
// rate b taken where it is most likely for this s: the positive root of
// (t + u) b^2 + ((t + u) s - n - m) b - m s = 0, where t + u = n / (s + b) + m / b.
double profiledDeviance(double s, double n, double t, double m, double u)
{
    const double a = t + u, bHalf = 0.5 * (a * s - n - m);
    const double b = m > 0 ? (-bHalf + std::sqrt(bHalf * bHalf + a * m * s)) / a : std::max(0.0, n / a - s);
    const auto term = [](double mean, double count) { return count > 0 ? 2 * (mean - count + count * std::log(count / mean)) : 2 * mean; };
    return term((s + b) * t, n) + term(b * u, m);
}

// Where the profiled deviance rises by 1 from its minimum at `best`, on one side of it.
double devianceBound(double best, double towards, double n, double t, double m, double u)
{
    const double floor = profiledDeviance(best, n, t, m, u);
    if (profiledDeviance(towards, n, t, m, u) - floor < 1) // it rises less all the way
        return towards;
    double inside = best, outside = towards;
    for (int i = 0; i < 200 && outside - inside != 0; ++i) {
        const double middle = 0.5 * (inside + outside);
        (profiledDeviance(middle, n, t, m, u) - floor < 1 ? inside : outside) = middle;
    }
    return 0.5 * (inside + outside);
}

} // namespace

DatingResult dateSample(const DatingCount& count, const BackgroundMeasurement& background, double carbonGrams, double efficiency)
{
    const double modernRate = efficiency * kModernBqPerGram * carbonGrams;
    const double n = static_cast<double>(count.counts), t = count.seconds;
    const double m = static_cast<double>(background.counts), u = background.seconds;
    // An activity is not below nothing: the net rate's interval stops at 0, its lower side where
    // the likelihood puts it above that.
    const double best = std::max(n / t - m / u, 0.0);
    const double spread = 10 * (std::sqrt(n + 1) / t + std::sqrt(m + 1) / u);
    const double low = best > 0 ? devianceBound(best, 0.0, n, t, m, u) : 0.0;
    const double high = devianceBound(best, best + spread, n, t, m, u);
    DatingResult result{.ratio = best / modernRate, .ratioLow = low / modernRate, .ratioHigh = high / modernRate};
    const double expectedBackground = (u > 0 ? m / u : 0) * t;
    // The net count's spread with no sample activity at all: the background's counts in t, and
    // those of its estimate, scaled from u to t.
    const double nullSpread = std::sqrt(expectedBackground * (1 + (u > 0 ? t / u : 0)));
    const bool lowerLimit = !(n - expectedBackground > kOneSided95 * nullSpread);
    if (lowerLimit)
        result.note = {"The net counts are below the critical level of this counting time: the sample is older than the age at its detection limit (95 %).", {}};
    else if (result.ratioLow > 1)
        result.note = {"The sample counts as more active than modern carbon of its mass. Carbon that grew after 1950 is; otherwise the net counts rose above the background by chance, or the carbon or the efficiency is not the sample's.", {}};
    const double detectable = (kOneSided95 * kOneSided95 + 2 * kOneSided95 * nullSpread) / t / modernRate;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (std::size_t i = 0; i < kDatingHalfLives.size(); ++i) {
        DatedAge& age = result.ages[i];
        age.halfLife = kDatingHalfLives[i];
        age.halfLifeSigma = age.halfLife == kModernHalfLife ? kModernHalfLifeSigma : 0;
        age.lowerLimit = lowerLimit;
        if (lowerLimit) {
            age.age = std::max(radiocarbonAge(detectable, age.halfLife), 0.0); // a detection limit above modern carbon tells no age
            age.minus = age.plus = nan;
            continue;
        }
        age.age = radiocarbonAge(result.ratio, age.halfLife);
        // The age is proportional to the half-life: its share of the uncertainty is age * sigma_T / T.
        const double fromHalfLife = age.age * age.halfLifeSigma / age.halfLife;
        age.minus = std::hypot(age.age - radiocarbonAge(result.ratioHigh, age.halfLife), fromHalfLife);
        age.plus = result.ratioLow > 0 ? std::hypot(radiocarbonAge(result.ratioLow, age.halfLife) - age.age, fromHalfLife)
                                       : std::numeric_limits<double>::infinity();
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
