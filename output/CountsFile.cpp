#include "CountsFile.h"

#include "DataFile.h"
#include "model/common/Conversions.h"

#include <cstdio>

namespace decay {

std::string countsFileText(const FitData& data, TimeUnit unit)
{
    const std::string unitText(unitName(unit));
    std::string text = "\"t_start [" + unitText + "]\",\"t_end [" + unitText + "]\",\"counts\",\"background\"";
    text += kLineEnd;
    const double seconds = unitSeconds(unit);
    for (std::size_t k = 0; k < data.intervals.size(); ++k) {
        const CountInterval& interval = data.intervals[k];
        text.append(significantDigits(interval.start / seconds, 10)).append(",").append(significantDigits(interval.end / seconds, 10));
        text.append(",").append(std::to_string(interval.counts));
        text.append(",").append(significantDigits(data.background(k), 10));
        text += kLineEnd;
    }
    return text;
}

std::string pulseTimesText(const PulseRecord& record)
{
    std::string text = "\"t [s]\"";
    text += kLineEnd;
    char number[32];
    for (double t : record.times) {
        std::snprintf(number, sizeof number, "%.6f", t);
        text.append(number) += kLineEnd;
    }
    return text;
}

} // namespace decay
