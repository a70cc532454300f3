#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace decay {

// Indices 0..10000 of the result series.
inline constexpr int kSeriesSize = 10001;
// Largest tmax the series can hold: a run writes Nt up to tmax + 1.
inline constexpr int kLastStepLimit = kSeriesSize - 2;

// The program-wide results of the last run. Plain data: the runs, the chart views and the
// data-file writer read and write it directly. Everything starts zeroed and empty.
struct RunState {
    std::array<double, kSeriesSize> Nt{};   // atoms at step t
    std::array<double, kSeriesSize> dNt{};  // atoms decayed from t to t + 1
    std::int16_t tmax = 0;                  // last step shown and saved
    std::int16_t t = 0;                     // shared time-step counter
    std::int16_t tzero = 0;                 // step at which a random run ran out of atoms
    std::int16_t Nleft = 0;                 // atoms not yet decayed (random run)
    std::int16_t Ndecay = 0;                // atoms decayed in the current interval (random run)
    std::string RunValid;                   // "Yes" once a run completed, "No" after an entry changed
    std::string Extinct;                    // "Yes" when a random run ran out of atoms
};

// Flags are texts: only the exact text "Yes" counts as set.
inline bool isYes(const std::string& flag) { return flag == "Yes"; }

} // namespace decay
