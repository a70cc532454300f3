#include "PulseDetector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace decay {

namespace {

constexpr double kCutoff = 1000; // Hz, of each section of the high-pass
// A Gaussian's median absolute deviation is 0.6745 of its standard deviation.
constexpr double kMadToSigma = 1 / 0.6744897501960817;
// The largest sample of 16-bit audio, 32767/32768: at or beyond it the input is clipped.
constexpr float kFullScale = 32767.0f / 32768.0f;
// Float samples beyond full scale are kept up to 60 dB over it, and nonsense beyond is held
// there, so that no filtered value leaves a float's range.
constexpr float kLoudest = 1000;
// A noise floor below this (-120 dBFS) is no analogue input's: it is digital silence.
constexpr double kSilence = 1e-6;
// The least noise floor the threshold takes, one 16-bit step, so that silence does not set it to 0.
constexpr double kLeastFloor = 1.0 / 32768;
// A crossing of the opposite sign this soon after a counted pulse is its undershoot or ringing.
constexpr double kRingingSeconds = 1e-3;
// A click reaches its peak this soon after it crosses the threshold; ringing reaches less than
// this share of the click's height.
constexpr double kRiseSeconds = 0.1e-3;
constexpr float kRingingShare = 0.25f;
// A crossing this small against the last click, within two milliseconds of it, is its late lobe;
// a new click's first sample past the threshold is this small only when it started just before
// that sample, and then its next sample is counted.
constexpr float kLateLobe = 0.1f;
// After a gap the high-pass settles on the jump in the signal before anything is counted.
constexpr double kSettleSeconds = 5e-3;
// A gap longer than a year of samples is a caller's mistake; taking it whole would overflow the count.
constexpr std::int64_t kLongestGap = std::int64_t{1} << 45;
// The checks for processing left on: blocks and pulses they look at, and the ratios they allow.
constexpr std::size_t kPumpBlocks = 64;
constexpr double kPumpRatio = 4;
constexpr std::size_t kHeightPulses = 64;
constexpr std::size_t kLeastHeightPulses = 32;
constexpr double kHeightRatio = 4;

double median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

PulseDetector::PulseDetector(const PulseSettings& settings) : m_settings(settings)
{
    m_settings.sampleRate = std::clamp(std::isfinite(settings.sampleRate) ? settings.sampleRate : 48000.0, kLowestSampleRate, kHighestSampleRate);
    setThresholdFactor(settings.thresholdFactor);
    setHoldOff(settings.holdOff);
    // s / (s + w) through the bilinear transform, its cutoff prewarped.
    const double k = std::tan(std::numbers::pi * kCutoff / m_settings.sampleRate);
    for (Biquad& section : m_highPass) {
        section.b0 = 1 / (1 + k);
        section.b1 = -section.b0;
        section.a1 = (k - 1) / (k + 1);
    }
    // A high-pass at rest on the first sample, as if the input had held it: no step at the start.
    m_startPending = true;
    m_ringing = std::llround(kRingingSeconds * m_settings.sampleRate);
    m_block.reserve(kBlock);
    m_scratch.reserve(kBlock);
}

void PulseDetector::setThresholdFactor(double factor)
{
    m_settings.thresholdFactor = std::clamp(std::isfinite(factor) ? factor : 6.0, kLeastThresholdFactor, kGreatestThresholdFactor);
}

void PulseDetector::setHoldOff(double seconds)
{
    m_settings.holdOff = std::clamp(std::isfinite(seconds) ? seconds : kShortestHoldOff, kShortestHoldOff, kLongestHoldOff);
    m_holdOff = std::llround(m_settings.holdOff * m_settings.sampleRate);
}

void PulseDetector::process(std::span<const float> samples, std::vector<Pulse>& pulses)
{
    for (float sample : samples) {
        take(sample);
        if (m_block.size() == kBlock)
            examineBlock(pulses);
    }
}

void PulseDetector::process(std::span<const float> samples, std::int64_t firstSample, std::vector<Pulse>& pulses)
{
    if (firstSample > m_next)
        gap(firstSample - m_next, pulses);
    const std::int64_t repeated = std::min(m_next - firstSample, static_cast<std::int64_t>(samples.size()));
    process(samples.subspan(static_cast<std::size_t>(std::max<std::int64_t>(repeated, 0))), pulses);
}

void PulseDetector::gap(std::int64_t samples, std::vector<Pulse>& pulses)
{
    if (samples <= 0)
        return;
    samples = std::min(samples, kLongestGap);
    flush(pulses);
    const std::int64_t settle = std::llround(kSettleSeconds * m_settings.sampleRate);
    m_report.gaps.push_back({static_cast<double>(m_next) / m_settings.sampleRate,
                             static_cast<double>(samples + settle) / m_settings.sampleRate});
    m_next += samples;
    m_blockStart = m_next;
    m_liveFrom = std::max(m_liveFrom, m_next + settle);
    m_armed = {false, false};
}

void PulseDetector::flush(std::vector<Pulse>& pulses)
{
    if (!m_block.empty())
        examineBlock(pulses);
    emitPending(pulses);
}

void PulseDetector::take(float sample)
{
    if (!std::isfinite(sample))
        sample = 0;
    if (std::fabs(sample) >= kFullScale)
        ++m_report.clippedSamples;
    sample = std::clamp(sample, -kLoudest, kLoudest);
    // Digital silence before the stream's first sound (the first buffers of a browser's input) is
    // no part of the noise the clicks stand on: it would set the threshold to the least there is,
    // and the noise after it would count. The stream starts at its first sound.
    if (m_startPending && sample == 0) {
        ++m_next;
        ++m_report.samples;
        m_blockStart = m_next;
        m_liveFrom = std::max(m_liveFrom, m_next);
        return;
    }
    if (m_startPending) {
        m_startPending = false;
        Biquad& first = m_highPass[0];
        first.z2 = first.b2 * sample;
        first.z1 = (first.b1 + first.b2) * sample;
    }
    double y = sample;
    for (Biquad& section : m_highPass)
        y = section.run(y);
    m_block.push_back(static_cast<float>(y));
    ++m_next;
    ++m_report.samples;
}

// The median of the magnitudes is the median absolute deviation about 0, the high-pass's mean.
void PulseDetector::updateThreshold()
{
    if (m_block.size() >= kBlock / 8 || m_floors.empty()) {
        m_scratch.resize(m_block.size());
        std::transform(m_block.begin(), m_block.end(), m_scratch.begin(), [](float y) { return std::fabs(y); });
        const auto middle = m_scratch.begin() + static_cast<std::ptrdiff_t>(m_scratch.size() / 2);
        std::nth_element(m_scratch.begin(), middle, m_scratch.end());
        const double floor = kMadToSigma * *middle;
        m_floors.push_back(floor);
        if (m_floors.size() > kHistory)
            m_floors.erase(m_floors.begin());
        m_recentFloors.push_back(floor);
        if (m_recentFloors.size() > kPumpBlocks)
            m_recentFloors.erase(m_recentFloors.begin());
    }
    m_report.noiseFloor = median(m_floors);
    m_high = m_settings.thresholdFactor * std::max(m_report.noiseFloor, kLeastFloor);
    m_low = m_high / 2;
    m_report.threshold = m_high;
}

void PulseDetector::examineBlock(std::vector<Pulse>& pulses)
{
    updateThreshold();
    bool pulsesCame = m_pending.has_value();
    const auto high = static_cast<float>(m_high), low = static_cast<float>(m_low);
    for (std::size_t i = 0; i < m_block.size(); ++i) {
        const std::int64_t n = m_blockStart + static_cast<std::int64_t>(i);
        const float y = m_block[i];
        // A click's height and sign are those of its largest excursion within the ringing time of its
        // crossing: a sound card's decimation filter rings before a fast edge, and that ringing may
        // cross the threshold first, with the other sign. Its undershoot is then told by the sign
        // of the click itself.
        if (m_pending) {
            if (std::fabs(y) > m_pending->height) {
                m_pending->height = std::fabs(y);
                m_pending->polarity = static_cast<std::int8_t>(y < 0 ? -1 : 1);
                m_lastSign = m_pending->polarity;
                m_lastPeak = n;
                m_lastHeight = m_pending->height;
            }
            if (n - m_lastCounted >= m_ringing)
                emitPending(pulses);
        }
        for (std::size_t side = 0; side < 2; ++side) {
            const int sign = side == 1 ? 1 : -1;
            const float v = static_cast<float>(sign) * y;
            if (v < low) {
                m_armed[side] = true;
                continue;
            }
            const bool crossing = v >= high && (m_armed[side] || v - m_trough[side] >= high);
            if (!crossing) {
                if (!m_armed[side])
                    m_trough[side] = std::min(m_trough[side], v);
                continue;
            }
            m_armed[side] = false;
            m_trough[side] = v;
            // The high-pass leaves a click an undershoot and, past it, a late lobe of a few per cent
            // of its height: neither is a pulse of its own.
            const bool undershoot = sign != m_lastSign && n - m_lastCounted < m_ringing;
            const bool lateLobe = n - m_lastCounted < 2 * m_ringing && v < kLateLobe * m_lastHeight;
            if (undershoot || lateLobe || n < m_liveFrom || ringing(i, sign, n))
                continue;
            emitPending(pulses);
            const float previous = static_cast<float>(sign) * m_previous;
            const double fraction = previous < high ? (high - previous) / (v - previous) : 1.0;
            // A crossing at the very first sample has no sample before it to interpolate from.
            m_pending = Pulse{.time = std::max(static_cast<double>(n - 1) + fraction, 0.0) / m_settings.sampleRate, .height = v,
                              .polarity = static_cast<std::int8_t>(sign)};
            m_lastSign = sign;
            m_lastCounted = n;
            m_lastPeak = n;
            m_lastHeight = v;
            m_liveFrom = n + m_holdOff;
            pulsesCame = true;
        }
        m_previous = y;
    }
    if (pulsesCame && m_report.noiseFloor < kSilence)
        m_report.silentBetweenPulses = true;
    checkProcessing();
    m_blockStart += static_cast<std::int64_t>(m_block.size());
    m_block.clear();
}

// The filtered click rings on after its hold-off: the high-pass's two sections swing back above
// the baseline a little after the undershoot, which a clean input's low threshold can see. A
// crossing within the ringing time after a click's peak is that ringing when it rises (within a
// tenth of a millisecond, as far as the block reaches) to less than a quarter of the click's
// height; a second click is as tall as the first.
bool PulseDetector::ringing(std::size_t at, int sign, std::int64_t n) const
{
    if (n - m_lastPeak >= m_ringing)
        return false;
    const std::size_t ahead = std::min(m_block.size(), at + 1 + static_cast<std::size_t>(std::llround(kRiseSeconds * m_settings.sampleRate)));
    float peak = 0;
    for (std::size_t k = at; k < ahead; ++k)
        peak = std::max(peak, static_cast<float>(sign) * m_block[k]);
    return peak < kRingingShare * m_lastHeight;
}

// A pulse is handed on once its ringing time has passed, its height known.
void PulseDetector::emitPending(std::vector<Pulse>& pulses)
{
    if (!m_pending)
        return;
    pulses.push_back(*m_pending);
    m_heights.push_back(m_pending->height);
    if (m_heights.size() > kHeightPulses)
        m_heights.erase(m_heights.begin());
    m_pending.reset();
}

void PulseDetector::checkProcessing()
{
    if (m_recentFloors.size() == kPumpBlocks) {
        const auto [least, most] = std::minmax_element(m_recentFloors.begin(), m_recentFloors.end());
        if (*least >= kSilence && *most > kPumpRatio * *least)
            m_report.noiseFloorPumps = true;
    }
    if (m_heights.size() >= kLeastHeightPulses) {
        std::vector<float> sorted = m_heights;
        std::sort(sorted.begin(), sorted.end());
        const float tenth = sorted[sorted.size() / 10], ninetieth = sorted[sorted.size() * 9 / 10];
        if (ninetieth > kHeightRatio * tenth)
            m_report.heightsDrift = true;
    }
}

} // namespace decay
