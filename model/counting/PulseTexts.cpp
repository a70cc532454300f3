#include "PulseTexts.h"

#include <numeric>

namespace decay {

Message holdOffMessage(double holdOffSeconds)
{
    return said("The hold-off is the counting chain's dead time: after each pulse nothing is counted for %1 ms "
                "(non-paralysable), so at n counts a second a share n·τ of them is lost, which the lab corrects.",
                numberValue(holdOffSeconds * 1000, 3));
}

Message liveCountMessage(std::int64_t pulses, double seconds)
{
    if (!(seconds >= 1))
        return {};
    return said("%1 pulses in %2 s: %3 a second.", wholeValue(static_cast<double>(pulses)), numberValue(seconds, 4),
                numberValue(static_cast<double>(pulses) / seconds, 4));
}

std::vector<Message> inputWarnings(const PulseReport& report, const std::vector<std::string>& processingOn)
{
    std::vector<Message> warnings;
    if (!processingOn.empty()) {
        std::string names;
        for (const std::string& name : processingOn)
            names += (names.empty() ? "" : ", ") + name;
        warnings.push_back(said("The browser left its sound processing on (%1): pulses may be distorted or missed.", names));
    }
    if (report.processingSuspected())
        warnings.push_back(said("The input seems to be processed (automatic gain or noise suppression): turn that off in the "
                                "system's sound settings."));
    if (report.clippedSamples > 0)
        warnings.push_back(said("%1 samples were at full scale: turn the input level down.", wholeValue(static_cast<double>(report.clippedSamples))));
    if (!report.gaps.empty()) {
        const double lost = std::accumulate(report.gaps.begin(), report.gaps.end(), 0.0,
                                            [](double sum, const InputGap& gap) { return sum + gap.seconds; });
        warnings.push_back(said("%1 s of the input were lost in %2 dropped buffers: no pulse could be counted then, and the "
                                "intervals they touch are left out.",
                                numberValue(lost, 3), wholeValue(static_cast<double>(report.gaps.size()))));
    }
    return warnings;
}

} // namespace decay
