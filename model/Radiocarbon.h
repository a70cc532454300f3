#pragma once

#include "Counter.h"
#include "Message.h"
#include "NumberEntry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace decay {

class DecayDraws;

// Modern carbon's specific activity, 13.56 dpm per gram = 0.226 Bq per gram: the absolute
// radiocarbon standard (1890 wood, decay-corrected to 1950) as measured by Karlen, Olsson, Kallberg
// and Kilicci, Arkiv foer Geofysik 4 (1968) 465-471, and used in W. G. Mook and J. van der Plicht,
// "Reporting 14C activities and concentrations", Radiocarbon 41 (1999) 227-239.
inline constexpr double kModernBqPerGram = 0.226;
// The Libby half-life, with which conventional radiocarbon ages are given: M. Stuiver and
// H. A. Polach, "Discussion: Reporting of 14C data", Radiocarbon 19 (1977) 355-363.
inline constexpr double kLibbyHalfLife = 5568; // years
// NUBASE2020 (Kondev et al., Chinese Physics C 45 (2021) 030001): 5.70(3) ky.
inline constexpr double kModernHalfLife = 5700; // years

// The age, in years, of carbon whose activity is `ratio` of modern carbon's: T / ln 2 * ln(1 / ratio).
double radiocarbonAge(double ratio, double halfLife);

// A sample to date: its true age in years and its carbon in grams. Its carbon-14 has decayed with
// the modern half-life.
struct DatingSample {
    double age = 0;
    double carbonGrams = 1;
};
inline constexpr double kOldestHiddenAge = 40000; // years
// An age for a hidden sample, uniform from 0 to kOldestHiddenAge years.
DatingSample hiddenSample(DecayDraws& draws, double carbonGrams);
// Its activity in becquerel.
double sampleActivity(const DatingSample& sample);

// Counting the sample for `seconds`: its decays seen with the counter's efficiency, and the
// counter's background.
struct DatingCount {
    std::int64_t counts = 0;
    double seconds = 0;
};
DatingCount countSample(DecayDraws& draws, const DatingSample& sample, const CounterSettings& counter, double seconds);

struct DatedAge {
    double halfLife = 0; // years: kLibbyHalfLife for the conventional age, else kModernHalfLife
    double age = 0;      // years; a lower limit when `lowerLimit`
    double sigma = 0;    // years; NaN for a lower limit
    bool lowerLimit = false;
};
struct DatingResult {
    double ratio = 0;      // the net activity against modern carbon's
    double ratioSigma = 0;
    std::array<DatedAge, 2> ages; // the conventional age (Libby half-life), then with the modern one
    Message note;                 // for a lower limit: why
};
// One count of a dating sample with the background counted for as long, and what it dates.
struct DatingMeasurement {
    DatingCount count;
    BackgroundMeasurement background;
    DatingResult result;
};

// The dating entries: the sample's carbon, its age (empty for a hidden one) and the counting time.
inline constexpr double kLeastCarbon = 0.001;  // grams
inline constexpr double kMostCarbon = 10000;   // grams
inline constexpr double kOldestTypedAge = 100000; // years
inline constexpr double kShortestDatingCount = 0.1; // minutes
inline constexpr double kLongestDatingCount = 1e6;  // minutes
NumberEntry readCarbon(std::string_view text, std::string_view decimalPoint);
NumberEntry readAge(std::string_view text, std::string_view decimalPoint); // needs a text that is not blank
NumberEntry readDatingMinutes(std::string_view text, std::string_view decimalPoint);

// The age from the counts, less the measured background, against the counts modern carbon of the
// same mass would give. When the net ratio is not two standard deviations above 0, the ages are
// lower limits from the ratio plus two standard deviations.
DatingResult dateSample(const DatingCount& count, const BackgroundMeasurement& background, double carbonGrams, double efficiency);

} // namespace decay
