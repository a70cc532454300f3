// A real counter's clicks for an AudioWorklet: the module instance in the worklet's scope holds one
// detector, which takes every block of samples the audio thread hands it, so that detection never
// waits for the page's frames. What comes back is plain numbers the worklet can post to the page.

#include "Bindings.h"

#include "model/counting/PulseDetector.h"

#include <emscripten/bind.h>

#include <optional>

namespace web {
namespace {

std::optional<decay::PulseDetector>& detector()
{
    static std::optional<decay::PulseDetector> held;
    return held;
}

// A detector for the sample rate, the threshold (times the noise floor) and the hold-off in
// milliseconds the page asks for; counting starts again from nothing.
void start(const val& settings)
{
    detector().emplace(decay::PulseSettings{.sampleRate = number(settings, "sampleRate", 48000),
                                            .thresholdFactor = number(settings, "thresholdFactor", decay::PulseSettings{}.thresholdFactor),
                                            .holdOff = number(settings, "holdOffMs", decay::PulseSettings{}.holdOff * 1e3) / 1e3});
}

// The pulses found and what the detector reports: times in seconds from the first sample.
val found(const std::vector<decay::Pulse>& pulses)
{
    std::vector<double> times, heights, polarities, gaps;
    for (const decay::Pulse& pulse : pulses) {
        times.push_back(pulse.time);
        heights.push_back(pulse.height);
        polarities.push_back(pulse.polarity);
    }
    val result = val::object();
    result.set("times", value(times));
    result.set("heights", value(heights));
    result.set("polarities", value(polarities));
    if (!detector())
        return result;
    const decay::PulseReport& report = detector()->report();
    for (const decay::InputGap& gap : report.gaps) {
        gaps.push_back(gap.start);
        gaps.push_back(gap.seconds);
    }
    result.set("gaps", value(gaps));
    result.set("seconds", detector()->time());
    result.set("noiseFloor", report.noiseFloor);
    result.set("threshold", report.threshold);
    result.set("clippedSamples", static_cast<double>(report.clippedSamples));
    result.set("silentBetweenPulses", report.silentBetweenPulses);
    result.set("noiseFloorPumps", report.noiseFloorPumps);
    result.set("heightsDrift", report.heightsDrift);
    return result;
}

// A block of samples (a Float32Array) that starts at `firstSample` of the stream: a later start
// than the detector expects is a dropped block, reported as a gap.
val process(const val& block, double firstSample)
{
    std::vector<decay::Pulse> pulses;
    if (!detector())
        start(val::object());
    const std::vector<float> samples = numberList<float>(block, std::size_t{1} << 20);
    detector()->process(samples, clamped<std::int64_t>(finite(firstSample, static_cast<double>(detector()->report().samples)), 0), pulses);
    return found(pulses);
}

// The samples still held back, examined: the end of the input.
val flush()
{
    std::vector<decay::Pulse> pulses;
    if (detector())
        detector()->flush(pulses);
    return found(pulses);
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_pulses)
{
    using namespace emscripten;
    function("pulsesStart", &web::start);
    function("pulsesProcess", &web::process);
    function("pulsesFlush", &web::flush);
}
