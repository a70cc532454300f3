#pragma once

#include "DeadTime.h"
#include "model/common/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

class DecayDraws;

// The first exercise of a counting practical: the same interval of a long-lived source counted
// again and again, to see that the counts spread as a Poisson distribution says.
inline constexpr int kFewestRepeats = 2;
inline constexpr int kMostRepeats = 100000;
inline constexpr double kMostRepeatRate = 1e7;    // events per second
inline constexpr double kShortestRepeat = 1e-3;   // seconds
inline constexpr double kLongestRepeat = 3600;
inline constexpr double kMostRepeatMean = 1e7;    // counts an interval

struct RepeatSettings {
    int repeats = 100;
    double rate = 5;    // events per second reaching the counter, background included
    double seconds = 1; // each interval
};
struct RepeatTexts {
    std::string repeats = "100";
    std::string rate = "5";
    std::string seconds = "1";
    std::string decimalPoint = ".";
};
struct RepeatSettingsEntry {
    std::optional<RepeatSettings> settings;
    Message error;
};
RepeatSettingsEntry readRepeatSettings(const RepeatTexts& texts);

// The counts of every interval through the counter's dead time, each interval after the one
// before with the counter live again (a practical's counter rests between counts).
std::vector<std::int64_t> repeatCounts(DecayDraws& draws, const RepeatSettings& settings, const DeadTime& deadTime);

// What the counts say of their spread: the mean, the sample variance (over N - 1), the index of
// dispersion D = s^2 / mean, and the dispersion test: (N - 1) D follows a chi-square of N - 1
// degrees of freedom when the counts are Poisson; the p-value is two-sided, since a counter with a
// dead time spreads its counts less than Poisson does (D < 1), and a changing source more.
struct Dispersion {
    int n = 0;
    double mean = 0;
    double variance = 0;
    double index = 0;     // NaN with a mean of 0
    double chiSquare = 0; // (N - 1) D
    int degreesOfFreedom = 0;
    double pValue = 0;    // two-sided; NaN where there is no test
};
Dispersion dispersion(const std::vector<std::int64_t>& counts);

// The Poisson probability of k counts for this mean, e^(-mean) mean^k / k!, by logarithms.
double poissonProbability(std::int64_t k, double mean);
// The normal density of mean and variance `mean`, the Poisson distribution's Gaussian approximation.
double gaussianApproximation(double x, double mean);

} // namespace decay
