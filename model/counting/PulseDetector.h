#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace decay {

// One click of a counter found in the sound: its time in seconds from the first sample (the
// threshold crossing, interpolated between samples), its height after the high-pass in full-scale
// units, and its sign.
struct Pulse {
    double time = 0;
    float height = 0;
    std::int8_t polarity = 1;
};

// A stretch of the input that never arrived (a buffer the sound system dropped): no pulse could be
// counted in it, so it is dead time as well.
struct InputGap {
    double start = 0;   // seconds
    double seconds = 0;
};

// What the detector can be told. The threshold is a multiple of the noise floor (its standard
// deviation, estimated robustly from the median absolute deviation), so that the same setting
// serves a quiet cable and a microphone beside a loudspeaker.
struct PulseSettings {
    double sampleRate = 48000;
    double thresholdFactor = 6;  // times the noise floor
    double holdOff = 0.5e-3;     // seconds: no pulse is counted this long after a counted one
};
inline constexpr double kShortestHoldOff = 0.3e-3;
inline constexpr double kLongestHoldOff = 2e-3;
inline constexpr double kLeastThresholdFactor = 3;
inline constexpr double kGreatestThresholdFactor = 100;
inline constexpr double kLowestSampleRate = 8000;
inline constexpr double kHighestSampleRate = 384000;

// What the detector noticed about the input besides the pulses.
struct PulseReport {
    std::int64_t samples = 0;        // taken in, gaps not included
    std::int64_t clippedSamples = 0; // at full scale: pulses may be cut and the level should come down
    std::vector<InputGap> gaps;
    // Signs that the sound system processes the input (automatic gain, noise suppression):
    bool silentBetweenPulses = false; // the noise floor below one 16-bit step while pulses come
    bool noiseFloorPumps = false;     // the noise floor changing more than fourfold (12 dB) within three seconds
    bool heightsDrift = false;        // pulse heights spreading more than fourfold (90th to 10th percentile)
    double noiseFloor = 0;            // its standard deviation now, full-scale units
    double threshold = 0;             // full-scale units, after the high-pass

    bool processingSuspected() const { return silentBetweenPulses || noiseFloorPumps || heightsDrift; }
};

// Finds the clicks of a Geiger-Mueller counter in sound, sample by sample, whatever the size of the
// buffers it is handed:
// - a high-pass (two first-order sections at 1 kHz, critically damped, so that a click leaves one
//   undershoot and no ringing) takes away the baseline and the mains hum, 50 Hz by 52 dB, while a
//   click's fast rise passes whole;
// - a pulse is counted where the filtered signal's magnitude crosses the threshold, either sign;
//   the signal must have been below half the threshold on that side since the last crossing
//   there (hysteresis), or have risen by the threshold from its lowest since, which is a click
//   arriving on the tail of the one before: a click in the hold-off does not hide the next;
// - the hold-off is the chain's dead time, non-paralysable: for holdOff seconds after a counted
//   pulse nothing is counted, and a pulse arriving in that time neither counts nor prolongs it;
// - a crossing of the opposite sign within a millisecond of a counted pulse is that click's
//   undershoot or ringing, not a pulse, and so is one below a tenth of its height within two
//   milliseconds (its late lobe), or one of either sign within a millisecond of its peak that rises
//   to less than a quarter of its height; a click's height and sign are those of its largest
//   excursion in that millisecond (a sound card's filter may ring before the edge);
// - the noise floor is the median absolute deviation of each block of 2048 filtered samples,
//   divided by 0.6745 (a Gaussian's), and the threshold follows the median of the last 16 blocks,
//   so that a burst of clicks or a thump does not move it. The detector runs a block behind the
//   input, so that the first block has its threshold too; flush() at the end of a stream.
class PulseDetector {
public:
    explicit PulseDetector(const PulseSettings& settings = {});

    // Takes the next samples (full scale +-1), appending the pulses found to `pulses`.
    void process(std::span<const float> samples, std::vector<Pulse>& pulses);
    // The same, where the caller knows the index of the first sample in the stream: a later index
    // than the one expected is a dropped buffer, reported and counted as a gap; an earlier one
    // repeats samples already taken, which are skipped.
    void process(std::span<const float> samples, std::int64_t firstSample, std::vector<Pulse>& pulses);
    // A stretch of `samples` that was lost.
    void gap(std::int64_t samples, std::vector<Pulse>& pulses);
    // The samples still held back, examined: the end of a stream.
    void flush(std::vector<Pulse>& pulses);

    // Takes effect from the next block.
    void setThresholdFactor(double factor);
    void setHoldOff(double seconds);
    const PulseSettings& settings() const { return m_settings; }
    const PulseReport& report() const { return m_report; }
    // Seconds taken in, gaps included.
    double time() const { return static_cast<double>(m_next) / m_settings.sampleRate; }

    static constexpr std::size_t kBlock = 2048;
    static constexpr std::size_t kHistory = 16;

private:
    struct Biquad {
        double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
        double z1 = 0, z2 = 0;
        double run(double x)
        {
            const double y = b0 * x + z1;
            z1 = b1 * x - a1 * y + z2;
            z2 = b2 * x - a2 * y;
            return y;
        }
    };

    void take(float sample);
    void examineBlock(std::vector<Pulse>& pulses);
    void updateThreshold();
    void checkProcessing();
    void emitPending(std::vector<Pulse>& pulses);
    bool ringing(std::size_t at, int sign, std::int64_t n) const;

    PulseSettings m_settings;
    PulseReport m_report;
    std::array<Biquad, 2> m_highPass;
    std::vector<float> m_block;     // filtered samples not yet examined
    std::vector<float> m_scratch;   // their magnitudes, for the median
    std::int64_t m_blockStart = 0;  // the stream index of m_block[0]
    std::int64_t m_next = 0;        // the stream index of the next sample
    std::vector<double> m_floors;   // the last blocks' noise floors, oldest first
    std::vector<double> m_recentFloors; // a longer history for the pumping check
    std::vector<float> m_heights;   // of the last pulses
    double m_high = 0, m_low = 0;   // the threshold and the level that re-arms
    std::int64_t m_holdOff = 0;     // samples
    std::int64_t m_ringing = 0;     // samples within which an opposite crossing is the same click
    std::array<bool, 2> m_armed{true, true}; // for negative and positive crossings
    std::array<float, 2> m_trough{};         // the least value on that side since it crossed
    bool m_startPending = false;
    std::int64_t m_liveFrom = 0;    // the first sample a pulse may be counted at
    std::int64_t m_lastCounted = -(std::int64_t{1} << 40);
    int m_lastSign = 0;
    std::int64_t m_lastPeak = -(std::int64_t{1} << 40); // of the last click
    float m_lastHeight = 0;         // of the last pulse counted
    float m_previous = 0;           // the filtered sample before the one examined
    std::optional<Pulse> m_pending; // counted, not yet below the re-arming level
};

} // namespace decay
