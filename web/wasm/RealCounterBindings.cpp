// The counting lab's real counter: the pulses the page's detector found handed to the lab, a
// recording's format read before the browser decodes it, and what the window says of the input.

#include "Bindings.h"
#include "CountingBindings.h"

#include "model/counting/PulseRecord.h"
#include "model/counting/PulseTexts.h"
#include "output/WavFile.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace web {
namespace {

// The most pulses a record takes: ten hours at 300 counts a second.
constexpr std::size_t kMostPulses = 11'000'000;
constexpr std::size_t kMostGaps = 100'000;

// The page's pulses as a record: times finite, within the length and in order; a hold-off within
// what the detector takes.
decay::PulseRecord record(const val& times, double seconds, const val& gapStarts, const val& gapSeconds, double holdOff)
{
    decay::PulseRecord r;
    r.seconds = std::isfinite(seconds) && seconds > 0 ? seconds : 0;
    for (const double t : numberList<double>(times, kMostPulses))
        if (std::isfinite(t) && t >= 0 && t <= r.seconds)
            r.times.push_back(t);
    std::sort(r.times.begin(), r.times.end());
    const std::vector<double> starts = numberList<double>(gapStarts, kMostGaps), lengths = numberList<double>(gapSeconds, kMostGaps);
    for (std::size_t i = 0; i < std::min(starts.size(), lengths.size()); ++i)
        if (std::isfinite(starts[i]) && std::isfinite(lengths[i]) && starts[i] >= 0 && lengths[i] > 0)
            r.gaps.push_back({starts[i], lengths[i]});
    r.holdOff = std::isfinite(holdOff) ? std::clamp(holdOff, decay::kShortestHoldOff, decay::kLongestHoldOff) : decay::PulseSettings{}.holdOff;
    return r;
}

val outcome(const decay::Message& refusal)
{
    val result = val::object();
    result.set("ok", refusal.empty());
    if (!refusal.empty())
        result.set("error", message(refusal));
    return result;
}

val useRecording(const val& times, double seconds, const val& gapStarts, const val& gapSeconds, double holdOff, const std::string& interval,
                 const std::string& point)
{
    return outcome(countingSession().useRecording(record(times, seconds, gapStarts, gapSeconds, holdOff), interval, point));
}

void useRecordedBackground(const val& times, double seconds, const val& gapStarts, const val& gapSeconds, double holdOff)
{
    countingSession().useRecordedBackground(record(times, seconds, gapStarts, gapSeconds, holdOff));
}

// {ok, error, warning, sampleRate, channels}: the format of the WAV file whose first bytes are
// `bytes`, read as the desktop reads it; the page names the file.
val wavFormat(const val& bytes)
{
    const std::vector<std::uint8_t> head = numberList<std::uint8_t>(bytes, std::size_t{1} << 20);
    std::istringstream in(std::string(head.begin(), head.end()));
    const decay::WavReader reader(in);
    val result = val::object();
    result.set("ok", reader.ok());
    result.set("error", reader.ok() ? val::null() : message(reader.error()));
    result.set("warning", reader.warning().empty() ? val::null() : message(reader.warning()));
    result.set("sampleRate", reader.format().sampleRate);
    result.set("channels", reader.format().channels);
    return result;
}

decay::Message holdOffText(double holdOff) { return decay::holdOffMessage(std::isfinite(holdOff) ? holdOff : 0); }
decay::Message liveCountText(double pulses, double seconds)
{
    return decay::liveCountMessage(static_cast<std::int64_t>(std::isfinite(pulses) ? std::max(pulses, 0.0) : 0), seconds);
}

// The sentences of the detector's report {clipped, gapStarts, gapSeconds, silent, pumping,
// drifting} and of the processing the browser left on (its names).
val inputWarnings(const val& report, const val& processingOn)
{
    decay::PulseReport r;
    r.clippedSamples = static_cast<std::int64_t>(std::max(number(report, "clipped"), 0.0));
    const std::vector<double> starts = numberList<double>(property(report, "gapStarts"), kMostGaps);
    const std::vector<double> lengths = numberList<double>(property(report, "gapSeconds"), kMostGaps);
    for (std::size_t i = 0; i < std::min(starts.size(), lengths.size()); ++i)
        r.gaps.push_back({starts[i], lengths[i]});
    r.silentBetweenPulses = flag(report, "silent");
    r.noiseFloorPumps = flag(report, "pumping");
    r.heightsDrift = flag(report, "drifting");
    val list = val::array();
    for (const decay::Message& warning : decay::inputWarnings(r, textList(processingOn)))
        list.call<void>("push", message(warning));
    return list;
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_real_counter)
{
    using namespace emscripten;
    function("countingUseRecording", &web::useRecording);
    function("countingUseRecordedBackground", &web::useRecordedBackground);
    function("countingWavFormat", &web::wavFormat);
    function("countingHoldOffText", &web::holdOffText);
    function("countingLiveCountText", &web::liveCountText);
    function("countingInputWarnings", &web::inputWarnings);
}
