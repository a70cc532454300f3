#pragma once

#include "Counter.h"
#include "DeadTime.h"
#include "PulseDetector.h"
#include "model/common/NumberEntry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace decay {

// What a real counter gave: the time of every pulse the detector counted, how long it listened,
// the stretches it lost, and its hold-off, which is the counting chain's dead time.
struct PulseRecord {
    std::vector<double> times; // seconds from the start, rising
    double seconds = 0;        // from the start to the end, gaps included
    std::vector<InputGap> gaps;
    double holdOff = 0;        // seconds

    DeadTime deadTime() const { return {.tau = holdOff, .kind = DeadTime::Kind::NonParalysable}; }
    // The time the detector listened: the length less the gaps.
    double liveSeconds() const;
    // The counts in intervals of `width` seconds from the start, the last cut short by the end
    // kept as the counter keeps it; an interval a gap reaches into is left out, since its counts
    // cover less than its length. Needs width > 0.
    std::vector<CountInterval> intervals(double width) const;
    // The whole record as a background measurement: its counts in the time it listened.
    BackgroundMeasurement background() const;
};

// The record of a detector's pulses and report after `seconds` of input.
PulseRecord pulseRecord(const std::vector<Pulse>& pulses, const PulseReport& report, double seconds, double holdOff);

// How wide the recorded pulses' counting intervals may be, in seconds.
inline constexpr double kShortestRecordedInterval = 0.01;
inline constexpr double kLongestRecordedInterval = 1e6;
NumberEntry readRecordedInterval(std::string_view text, std::string_view decimalPoint);

} // namespace decay
