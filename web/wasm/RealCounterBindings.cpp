// The counting lab's real counter: a recording's format, read before the browser decodes it, and
// what the window says of the input.

#include "Bindings.h"

#include "model/counting/PulseTexts.h"
#include "output/WavFile.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace web {
namespace {

constexpr std::size_t kMostGaps = 100'000;

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
    function("countingWavFormat", &web::wavFormat);
    function("countingHoldOffText", &web::holdOffText);
    function("countingLiveCountText", &web::liveCountText);
    function("countingInputWarnings", &web::inputWarnings);
}
