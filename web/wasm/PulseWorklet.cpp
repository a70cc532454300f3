// The pulse detector alone, for the page's AudioWorklet: a WebAssembly module without glue, which
// the worklet instantiates from its bytes on the audio thread, so that every sample passes the
// detector there, block by block as the sound arrives, never on the page's frames. The same
// functions serve a recording on the page, so both give one list of pulses for one sound.
//
// One detector at a time. The worklet writes samples where pulsesInput points, calls
// pulsesProcess, and reads the times (and heights) of the pulses found from pulsesTimes.

#include "model/counting/PulseDetector.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

struct Worklet {
    decay::PulseDetector detector;
    std::vector<float> input;
    std::vector<decay::Pulse> found;
    std::vector<double> times, heights;
};

std::unique_ptr<Worklet>& worklet()
{
    static std::unique_ptr<Worklet> one;
    return one;
}

double within(double value, double low, double high, double otherwise)
{
    return std::isfinite(value) ? std::clamp(value, low, high) : otherwise;
}

} // namespace

extern "C" {

// A new detector for a stream at `sampleRate`, its threshold `factor` times the noise floor, its
// hold-off `holdOff` seconds; each kept within what the detector takes.
EMSCRIPTEN_KEEPALIVE void pulsesStart(double sampleRate, double factor, double holdOff)
{
    decay::PulseSettings settings;
    settings.sampleRate = within(sampleRate, decay::kLowestSampleRate, decay::kHighestSampleRate, settings.sampleRate);
    settings.thresholdFactor = within(factor, decay::kLeastThresholdFactor, decay::kGreatestThresholdFactor, settings.thresholdFactor);
    settings.holdOff = within(holdOff, decay::kShortestHoldOff, decay::kLongestHoldOff, settings.holdOff);
    worklet() = std::make_unique<Worklet>(Worklet{decay::PulseDetector(settings), {}, {}, {}, {}});
}

EMSCRIPTEN_KEEPALIVE void pulsesSettings(double factor, double holdOff)
{
    if (!worklet())
        return;
    decay::PulseDetector& detector = worklet()->detector;
    detector.setThresholdFactor(within(factor, decay::kLeastThresholdFactor, decay::kGreatestThresholdFactor, detector.settings().thresholdFactor));
    detector.setHoldOff(within(holdOff, decay::kShortestHoldOff, decay::kLongestHoldOff, detector.settings().holdOff));
}

// Room for `count` samples, to be written before pulsesProcess; null without a detector.
EMSCRIPTEN_KEEPALIVE float* pulsesInput(int count)
{
    if (!worklet())
        return nullptr;
    worklet()->input.resize(static_cast<std::size_t>(std::max(count, 0)));
    return worklet()->input.data();
}

// The samples written, the first of them the stream's `firstSample` (a later one than expected
// is a buffer the sound system dropped), or the end of the stream (flush); the pulses found.
EMSCRIPTEN_KEEPALIVE int pulsesProcess(double firstSample, int flush)
{
    if (!worklet())
        return 0;
    Worklet& w = *worklet();
    w.found.clear();
    if (flush)
        w.detector.flush(w.found);
    else if (std::isfinite(firstSample) && firstSample >= 0)
        w.detector.process(w.input, static_cast<std::int64_t>(firstSample), w.found);
    else
        w.detector.process(w.input, w.found);
    w.times.clear();
    w.heights.clear();
    for (const decay::Pulse& p : w.found) {
        w.times.push_back(p.time);
        w.heights.push_back(static_cast<double>(p.height) * p.polarity);
    }
    return static_cast<int>(w.found.size());
}

// The `i`th stretch the input lost: its start and its length in seconds.
EMSCRIPTEN_KEEPALIVE double pulsesGapStart(int i)
{
    const auto& gaps = worklet() ? worklet()->detector.report().gaps : std::vector<decay::InputGap>{};
    return i >= 0 && static_cast<std::size_t>(i) < gaps.size() ? gaps[static_cast<std::size_t>(i)].start : 0;
}
EMSCRIPTEN_KEEPALIVE double pulsesGapSeconds(int i)
{
    const auto& gaps = worklet() ? worklet()->detector.report().gaps : std::vector<decay::InputGap>{};
    return i >= 0 && static_cast<std::size_t>(i) < gaps.size() ? gaps[static_cast<std::size_t>(i)].seconds : 0;
}

EMSCRIPTEN_KEEPALIVE const double* pulsesTimes() { return worklet() ? worklet()->times.data() : nullptr; }
EMSCRIPTEN_KEEPALIVE const double* pulsesHeights() { return worklet() ? worklet()->heights.data() : nullptr; }

// What the detector noticed, by number: 0 samples, 1 clipped samples, 2 gaps, 3 seconds lost in
// them, 4 silent between pulses, 5 noise floor pumping, 6 heights drifting, 7 noise floor, 8
// threshold, 9 hold-off (s), 10 time (s).
EMSCRIPTEN_KEEPALIVE double pulsesReport(int what)
{
    if (!worklet())
        return 0;
    const decay::PulseDetector& d = worklet()->detector;
    const decay::PulseReport& r = d.report();
    double lost = 0;
    for (const decay::InputGap& gap : r.gaps)
        lost += gap.seconds;
    switch (what) {
    case 0: return static_cast<double>(r.samples);
    case 1: return static_cast<double>(r.clippedSamples);
    case 2: return static_cast<double>(r.gaps.size());
    case 3: return lost;
    case 4: return r.silentBetweenPulses ? 1 : 0;
    case 5: return r.noiseFloorPumps ? 1 : 0;
    case 6: return r.heightsDrift ? 1 : 0;
    case 7: return r.noiseFloor;
    case 8: return r.threshold;
    case 9: return d.settings().holdOff;
    case 10: return d.time();
    default: return 0;
    }
}

} // extern "C"
