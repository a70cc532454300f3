#pragma once

#include "model/common/NumberEntry.h"
#include "model/nuclides/Chain.h"
#include "model/nuclides/LabRun.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace decay {

// A gram of natural silver left in a neutron source, as a counting practical activates it: both
// stable isotopes capture thermal neutrons, Ag-107 (51.839 %) into Ag-108 and Ag-109 (48.161 %)
// into Ag-110, so the sample decays with two half-lives at once.
//   Half-lives: Ag-110 24.56 s, Ag-108 2.382 min (NUBASE2020; the tests check them against the
//   table the program ships). Abundances: IUPAC 2013 (J. Meija et al., Pure Appl. Chem. 88 (2016)
//   293). Capture cross sections 37 b (Ag-107) and 86 b (Ag-109 to the ground state of Ag-110),
//   as silver practicals quote them; evaluations differ by a few per cent, which changes the mix of
//   the two activities a little and neither half-life.
//   The flux, 10^4 neutrons per cm^2 and second, is that of a small americium-beryllium source's
//   moderator; with it the gram reaches some 1000 and 2300 Bq.
inline constexpr double kAg110HalfLife = 24.56;       // seconds
inline constexpr double kAg108HalfLife = 2.382 * 60;  // seconds
inline constexpr double kSilverFlux = 1e4;             // per cm^2 and second
inline constexpr double kShortestActivation = 1;       // seconds
inline constexpr double kLongestActivation = 86400;

// Atoms made per second while in the source: flux * cross section * atoms of the isotope.
struct SilverProduction {
    double ag110 = 0;
    double ag108 = 0;
};
SilverProduction silverProduction();

// The atoms of Ag-110 and Ag-108 after `seconds` in the source, N = (R / lambda)(1 - e^(-lambda t)):
// production against decay, which saturates after a few half-lives.
std::array<double, 2> activatedSilver(double seconds);

// The two nuclides as a chain of two unlinked members, Ag-110 first.
Chain silverChain();

// The activated gram counted: a random run of its two nuclides from the atoms of `activation`
// seconds (rounded to whole atoms), in 1 s steps for 10 minutes.
std::optional<LabRun> silverRun(double activationSeconds, std::uint64_t seed);

NumberEntry readActivationTime(std::string_view text, std::string_view decimalPoint);

} // namespace decay
