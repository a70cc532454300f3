#include "PulseRecord.h"

#include <algorithm>
#include <cmath>

namespace decay {

double PulseRecord::liveSeconds() const
{
    double lost = 0;
    for (const InputGap& gap : gaps)
        lost += std::min(gap.seconds, std::max(seconds - gap.start, 0.0));
    return std::max(seconds - lost, 0.0);
}

std::vector<CountInterval> PulseRecord::intervals(double width) const
{
    std::vector<CountInterval> counted;
    if (!(width > 0) || !(seconds > 0))
        return counted;
    // Each boundary k * width, not a running sum, so that 0.1 s intervals do not drift.
    const auto count = static_cast<std::size_t>(std::ceil(seconds / width - 1e-9));
    std::size_t next = 0; // the first time not yet counted
    for (std::size_t k = 0; k < count; ++k) {
        const double start = static_cast<double>(k) * width, end = std::min(static_cast<double>(k + 1) * width, seconds);
        const auto first = next;
        while (next < times.size() && times[next] < end)
            ++next;
        const bool broken = std::any_of(gaps.begin(), gaps.end(),
                                        [start, end](const InputGap& gap) { return gap.start < end && gap.start + gap.seconds > start; });
        if (!broken && end > start)
            counted.push_back({start, end, static_cast<std::int64_t>(next - first)});
    }
    return counted;
}

BackgroundMeasurement PulseRecord::background() const
{
    return {static_cast<std::int64_t>(times.size()), liveSeconds()};
}

PulseRecord pulseRecord(const std::vector<Pulse>& pulses, const PulseReport& report, double seconds, double holdOff)
{
    PulseRecord record{.seconds = seconds, .gaps = report.gaps, .holdOff = holdOff};
    record.times.reserve(pulses.size());
    for (const Pulse& pulse : pulses)
        record.times.push_back(pulse.time);
    return record;
}

NumberEntry readRecordedInterval(std::string_view text, std::string_view decimalPoint)
{
    return readNumberIn(text, decimalPoint, kShortestRecordedInterval, kLongestRecordedInterval,
                        "The counting interval must be a number of seconds from %1 to %2.");
}

} // namespace decay
