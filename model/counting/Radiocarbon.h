#pragma once

#include "Counter.h"
#include "model/common/Message.h"
#include "model/common/NumberEntry.h"

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
inline constexpr double kModernHalfLifeSigma = 30;
// The half-life of most textbooks, the Cambridge value: H. Godwin, "Half-life of radiocarbon",
// Nature 195 (1962) 984.
inline constexpr double kTextbookHalfLife = 5730; // years

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

// An age in years before 1950 (BP), the year the modern standard's activity refers to.
struct DatedAge {
    double halfLife = 0;      // years
    double halfLifeSigma = 0; // years; 0 for a half-life taken as exact
    double age = 0;           // years; for a lower limit the age the sample is older than
    double minus = 0;         // years below and above the age: the likelihood interval of the net
    double plus = 0;          //   count (68.3 %) with the half-life's uncertainty in quadrature; NaN for a limit
    bool lowerLimit = false;  // at 95 % confidence, from the detection limit of the counting time
};
inline constexpr std::array<double, 3> kDatingHalfLives{kLibbyHalfLife, kTextbookHalfLife, kModernHalfLife};
struct DatingResult {
    double ratio = 0;      // the net activity against modern carbon's, at the likelihood's maximum
    double ratioLow = 0;   // its likelihood interval, 68.3 %
    double ratioHigh = 0;
    std::array<DatedAge, 3> ages; // with the half-lives of kDatingHalfLives: the conventional age first
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
// same mass would give. The ratio's interval is where the Poisson likelihood of both counts,
// profiled over the background rate, is within -2 ln L + 1 of its maximum; the ages' interval is its
// image. When the net counts are not above Currie's critical level L_C = 1.645 sigma_0, the ages
// are lower limits at 95 %: those of a net count at the detection limit L_D = 2.71 + 3.29 sigma_0
// (L. A. Currie, Anal. Chem. 40 (1968) 586-593). sigma_0 = sqrt(B (1 + t / u)) is the net count's
// spread without a sample, B the background counts expected in the counting time t, u the
// background's: for a background counted as long, L_C = 2.33 sqrt(B) and L_D = 2.71 + 4.65 sqrt(B).
DatingResult dateSample(const DatingCount& count, const BackgroundMeasurement& background, double carbonGrams, double efficiency);

} // namespace decay
