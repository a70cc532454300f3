#include "model/counting/CountingSession.h"
#include "model/counting/DeadTime.h"
#include "model/counting/PulseDetector.h"
#include "model/counting/PulseRecord.h"
#include "tests/Tolerance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

namespace {

// A counter's clicks as a sound card hears them: a rise of 5 us and an exponential decay, of one
// sign, at Poisson times; pink noise (the -3 dB an octave of a room and a microphone preamplifier)
// whose standard deviation is the pulse height less `snrDecibels` (20 log10 of height over noise);
// and mains hum of 50 Hz with its odd harmonics, as loud as the clicks themselves.
struct Clicks {
    double sampleRate = 48000;
    double seconds = 60;
    double rate = 10;           // true pulses per second
    double decay = 100e-6;      // seconds
    double height = 0.1;        // full scale 1
    int polarity = 1;
    double snrDecibels = 20;
    double hum = 1;             // relative to the height
    std::uint64_t seed = 1;
    bool soundCard = false;     // through a sound card's anti-aliasing filter
};

struct Signal {
    std::vector<float> samples;
    std::vector<double> times; // of the true pulses
};

std::vector<double> pinkNoise(std::size_t count, std::mt19937_64& engine)
{
    // Three one-pole sections and white noise: within 0.5 dB of -3 dB an octave over the audio band.
    std::normal_distribution<double> white;
    std::vector<double> noise(count);
    double b0 = 0, b1 = 0, b2 = 0, power = 0;
    for (double& value : noise) {
        const double w = white(engine);
        b0 = 0.99765 * b0 + w * 0.0990460;
        b1 = 0.96300 * b1 + w * 0.2965164;
        b2 = 0.57000 * b2 + w * 1.0526913;
        value = b0 + b1 + b2 + w * 0.1848;
        power += value * value;
    }
    const double scale = 1 / std::sqrt(power / static_cast<double>(count));
    for (double& value : noise)
        value *= scale;
    return noise;
}

// A sound card's anti-aliasing filter: linear phase and steep, a sinc to 0.45 of the sample rate,
// which rings before a click's fast edge as much as after it (9 %, as a brick wall does).
void soundCardFilter(std::vector<float>& samples)
{
    constexpr int half = 64;
    std::vector<double> taps(2 * half + 1);
    double sum = 0;
    for (int k = -half; k <= half; ++k) {
        const double x = 2 * 0.45 * k;
        const double sinc = k == 0 ? 1 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
        sum += taps[static_cast<std::size_t>(k + half)] = sinc;
    }
    const std::vector<float> in = samples;
    for (std::size_t n = 0; n < in.size(); ++n) {
        double y = 0;
        for (int k = -half; k <= half; ++k) {
            const auto m = static_cast<std::ptrdiff_t>(n) - k;
            if (m >= 0 && m < static_cast<std::ptrdiff_t>(in.size()))
                y += taps[static_cast<std::size_t>(k + half)] / sum * in[static_cast<std::size_t>(m)];
        }
        samples[n] = static_cast<float>(y);
    }
}

Signal clicks(const Clicks& c)
{
    std::mt19937_64 engine(c.seed);
    const auto count = static_cast<std::size_t>(c.seconds * c.sampleRate);
    std::vector<double> sound = pinkNoise(count, engine);
    const double sigma = c.height * std::pow(10.0, -c.snrDecibels / 20);
    for (double& value : sound)
        value *= sigma;
    for (int harmonic : {1, 3, 5}) {
        const std::complex<double> turn = std::polar(1.0, 2 * std::numbers::pi * 50 * harmonic / c.sampleRate);
        std::complex<double> phasor = std::polar(c.hum * c.height / harmonic, 0.7 * harmonic);
        for (double& value : sound) {
            value += phasor.imag();
            phasor *= turn;
        }
    }
    Signal signal;
    std::exponential_distribution<double> gap(c.rate);
    const auto span = static_cast<std::ptrdiff_t>(12 * c.decay * c.sampleRate);
    for (double t = gap(engine); t < c.seconds - 0.01; t += gap(engine)) {
        signal.times.push_back(t);
        const auto first = static_cast<std::ptrdiff_t>(std::ceil(t * c.sampleRate));
        for (std::ptrdiff_t n = first; n < std::min(first + span, static_cast<std::ptrdiff_t>(count)); ++n) {
            const double age = static_cast<double>(n) / c.sampleRate - t;
            sound[static_cast<std::size_t>(n)] += c.polarity * c.height * (1 - std::exp(-age / 5e-6)) * std::exp(-age / c.decay);
        }
    }
    signal.samples.assign(sound.begin(), sound.end());
    if (c.soundCard)
        soundCardFilter(signal.samples);
    return signal;
}

struct Detected {
    std::vector<decay::Pulse> pulses;
    decay::PulseReport report;
};

// The pulses found in buffers of an awkward size, as a sound card hands them over.
Detected detect(const std::vector<float>& samples, const decay::PulseSettings& settings)
{
    decay::PulseDetector detector(settings);
    Detected d;
    const std::span<const float> all(samples);
    for (std::size_t at = 0; at < all.size(); at += 441)
        detector.process(all.subspan(at, std::min<std::size_t>(441, all.size() - at)), d.pulses);
    detector.flush(d.pulses);
    d.report = detector.report();
    return d;
}

// The true pulses that a non-paralysable dead time of `tau` lets through: the test's own counter.
std::vector<double> throughDeadTime(const std::vector<double>& times, double tau)
{
    std::vector<double> kept;
    for (double t : times)
        if (kept.empty() || t >= kept.back() + tau)
            kept.push_back(t);
    return kept;
}

// Whether a pulse was found within half a millisecond of each of `times`, both in time order.
std::size_t pairedWithin(const std::vector<double>& times, const std::vector<double>& found)
{
    std::size_t paired = 0, k = 0;
    for (double t : times) {
        while (k < found.size() && found[k] < t - 0.5e-3)
            ++k;
        paired += k < found.size() && found[k] <= t + 0.5e-3;
    }
    return paired;
}

struct FindCase {
    const char* name;
    Clicks clicks;
};

class PulseDetection : public testing::TestWithParam<FindCase> {};

// 99.5 % of the pulses that the hold-off lets through are found within 0.5 ms of their time, and
// at most 0.1 % of those found are more than 0.5 ms from every true pulse.
TEST_P(PulseDetection, FindsClicksInNoiseAndHum)
{
    const Clicks& c = GetParam().clicks;
    const Signal signal = clicks(c);
    const decay::PulseSettings settings{.sampleRate = c.sampleRate, .holdOff = 0.5e-3};
    const Detected detected = detect(signal.samples, settings);
    const std::vector<decay::Pulse>& pulses = detected.pulses;
    const std::vector<double> expected = throughDeadTime(signal.times, settings.holdOff);
    std::vector<double> found;
    for (const decay::Pulse& pulse : pulses)
        found.push_back(pulse.time);
    ASSERT_GE(expected.size(), 50u);
    EXPECT_GE(static_cast<double>(pairedWithin(expected, found)), 0.995 * static_cast<double>(expected.size())) << expected.size();
    const std::size_t falses = found.size() - pairedWithin(found, signal.times);
    EXPECT_LE(static_cast<double>(falses), 0.001 * static_cast<double>(found.size()));
    for (const decay::Pulse& pulse : pulses)
        ASSERT_EQ(pulse.polarity, c.polarity) << pulse.time;
    EXPECT_FALSE(detected.report.processingSuspected());
    EXPECT_EQ(detected.report.clippedSamples, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, PulseDetection,
    testing::Values(FindCase{"slow_48kHz", {.seconds = 600, .rate = 0.1, .seed = 2}},
                    FindCase{"slow_44k1Hz_negative", {.sampleRate = 44100, .seconds = 600, .rate = 0.1, .polarity = -1, .seed = 3}},
                    FindCase{"1_per_s_44k1Hz_short_clicks", {.sampleRate = 44100, .seconds = 200, .rate = 1, .decay = 50e-6, .seed = 4}},
                    FindCase{"10_per_s_long_clicks_negative", {.seconds = 100, .rate = 10, .decay = 200e-6, .polarity = -1, .seed = 5}},
                    FindCase{"100_per_s_44k1Hz", {.sampleRate = 44100, .seconds = 30, .rate = 100, .seed = 6}},
                    FindCase{"100_per_s_48kHz_negative_loud", {.seconds = 30, .rate = 100, .height = 0.3, .polarity = -1, .seed = 7}},
                    // A clean cable, whose low threshold sees the high-pass swing back after the
                    // undershoot; and the same through a sound card's filter, which rings before the edge.
                    FindCase{"20_per_s_clean", {.seconds = 120, .rate = 20, .snrDecibels = 40, .hum = 0.03, .seed = 9}},
                    FindCase{"20_per_s_clean_sound_card", {.seconds = 120, .rate = 20, .snrDecibels = 40, .hum = 0.03, .seed = 9, .soundCard = true}}),
    [](const testing::TestParamInfo<FindCase>& row) { return std::string(row.param.name); });

// At 100 to 300 true pulses a second the detector records what a non-paralysable counter of the
// hold-off records, m = n / (1 + n tau) of the n that arrived, within 1 %. Given the number N of
// arrivals, the recorded count's standard deviation is sqrt(N (1/(1+x)^3 - 1/(1+x)^4)), x = n tau;
// each signal is long enough that 1 % is at least 4 of them (its count in brackets: 300 per second
// and 2 ms need 37,000 arrivals).
TEST(PulseDetector, LosesWhatTheHoldOffsDeadTimeLoses)
{
    struct Row {
        double rate, holdOff, seconds, sampleRate;
    };
    for (const Row row : {Row{100, 0.3e-3, 80, 48000}, Row{300, 0.5e-3, 70, 44100}, Row{300, 2e-3, 130, 48000}}) {
        const Clicks c{.sampleRate = row.sampleRate, .seconds = row.seconds, .rate = row.rate, .seed = 11};
        const Signal signal = clicks(c);
        const auto arrivals = static_cast<double>(signal.times.size());
        const double n = arrivals / c.seconds, x = n * row.holdOff;
        const double expected = arrivals / (1 + x);
        const double sd = std::sqrt(arrivals * (1 / std::pow(1 + x, 3) - 1 / std::pow(1 + x, 4)));
        ASSERT_LE(4 * sd, 0.01 * expected) << row.rate;
        const Detected detected = detect(signal.samples, {.sampleRate = row.sampleRate, .holdOff = row.holdOff});
        EXPECT_WITHIN(static_cast<double>(detected.pulses.size()), expected, relative(0.01)) << row.rate << " " << row.holdOff;
        EXPECT_WITHIN(static_cast<double>(detected.pulses.size()) / c.seconds,
                      decay::recordedRate(n, {.tau = row.holdOff}), relative(0.01));
    }
}

// Noise and hum alone, ten minutes at each rate: at most one false pulse.
TEST(PulseDetector, NoiseAndHumAloneGiveNoPulses)
{
    for (double rate : {44100.0, 48000.0}) {
        Clicks c{.sampleRate = rate, .seconds = 600, .rate = 1e-9, .seed = 13};
        const Signal signal = clicks(c);
        ASSERT_TRUE(signal.times.empty());
        EXPECT_LE(detect(signal.samples, {.sampleRate = rate}).pulses.size(), 1u) << rate;
    }
}

// What the sound system may do to the input before the detector hears it.
void clip(std::vector<float>& samples)
{
    for (float& x : samples)
        x = std::clamp(12 * x, -1.0f, 1.0f);
}

// Automatic gain: the gain brings the envelope (instant attack, 1 s release) to half full scale,
// up to 40 dB, so that the noise swells between clicks.
void automaticGain(std::vector<float>& samples)
{
    const double release = std::exp(-1 / 48000.0);
    double envelope = 0;
    for (float& x : samples) {
        envelope = std::max<double>(std::fabs(x), envelope * release);
        x = static_cast<float>(x * std::min(100.0, 0.5 / envelope));
    }
}

// Noise suppression at its crudest: a gate that silences everything 2 ms after the last loud sample.
void noiseGate(std::vector<float>& samples)
{
    int open = 0;
    for (float& x : samples) {
        open = std::fabs(x) > 0.05f ? 96 : std::max(open - 1, 0);
        if (open == 0)
            x = 0;
    }
}

struct InputCase {
    const char* name;
    void (*spoil)(std::vector<float>&);
    bool clipped, processing;
};

// Clicks 30 dB above the noise, 2 a second, at 48 kHz; hum as loud as the noise.
TEST(PulseDetector, ReportsClippingAndProcessing)
{
    const Clicks c{.seconds = 30, .rate = 2, .snrDecibels = 30, .hum = 0.03};
    const Signal clean = clicks(c);
    for (const InputCase& row : {InputCase{"as it came", nullptr, false, false}, InputCase{"clipped", clip, true, false},
                                 InputCase{"automatic gain", automaticGain, false, true}, InputCase{"noise gate", noiseGate, false, true}}) {
        std::vector<float> samples = clean.samples;
        if (row.spoil)
            row.spoil(samples);
        const decay::PulseReport report = detect(samples, {}).report;
        EXPECT_EQ(report.clippedSamples > 0, row.clipped) << row.name;
        EXPECT_EQ(report.processingSuspected(), row.processing) << row.name;
    }
}

// A live input that begins with digital silence, as a browser's may for its first buffers: the
// silence sets no threshold, so the noise after it gives no pulses and nothing looks processed.
TEST(PulseDetector, AStreamThatStartsSilentCountsOnlyItsClicks)
{
    const Clicks c{.seconds = 20, .rate = 50, .snrDecibels = 30, .hum = 0.03, .seed = 5};
    Signal signal = clicks(c);
    const std::size_t silent = 1778; // 37 ms at 48 kHz
    std::fill_n(signal.samples.begin(), silent, 0.0f);
    const Detected d = detect(signal.samples, {});
    std::vector<double> found;
    for (const decay::Pulse& p : d.pulses)
        found.push_back(p.time);
    const std::vector<double> kept = throughDeadTime(signal.times, decay::PulseSettings{}.holdOff);
    EXPECT_FALSE(d.report.processingSuspected());
    EXPECT_LE(found.size(), kept.size());
    // Only the clicks of the stream's first block, before any threshold, may be missed.
    EXPECT_GE(pairedWithin(kept, found) + 2 * static_cast<std::size_t>(c.rate * decay::PulseDetector::kBlock / c.sampleRate) + 2, kept.size());
}

// A buffer lost, and one handed over twice: the gap is reported as dead time (with the 5 ms the
// high-pass takes to settle), the repeated samples are skipped, and the pulses after keep their times.
TEST(PulseDetector, ReportsADroppedBuffer)
{
    const Clicks c{.seconds = 20, .rate = 20};
    const Signal signal = clicks(c);
    decay::PulseDetector detector;
    std::vector<decay::Pulse> pulses;
    const std::span<const float> all(signal.samples);
    constexpr std::size_t kBuffer = 480;
    for (std::size_t at = 0; at + kBuffer <= all.size(); at += kBuffer) {
        if (at == 500 * kBuffer)
            continue;
        detector.process(all.subspan(at, kBuffer), static_cast<std::int64_t>(at), pulses);
        if (at == 900 * kBuffer)
            detector.process(all.subspan(at, kBuffer), static_cast<std::int64_t>(at), pulses);
    }
    detector.flush(pulses);
    ASSERT_EQ(detector.report().gaps.size(), 1u);
    EXPECT_DOUBLE_EQ(detector.report().gaps[0].start, 5.0);
    EXPECT_DOUBLE_EQ(detector.report().gaps[0].seconds, 0.015);
    std::vector<double> found, kept;
    for (const decay::Pulse& pulse : pulses)
        found.push_back(pulse.time);
    for (double t : throughDeadTime(signal.times, detector.settings().holdOff))
        if (t < 5 || t > 5.015)
            kept.push_back(t);
    EXPECT_EQ(pairedWithin(kept, found), kept.size());
    EXPECT_EQ(found.size(), kept.size());
}

// A source of 60 s half-life at 400 arrivals a second, and 1 a second of background, through a
// 1 ms hold-off (a third of the counts lost at first), as a real counter's pulse times: the lab
// counts them in 5 s intervals, takes a background recording, and the dead-time-corrected fit
// finds the half-life within 4 of its standard deviations (seed fixed); intervals a lost stretch
// reaches into are left out.
TEST(PulseRecord, FitsTheHalfLifeOfARecordedSource)
{
    constexpr double kHalfLife = 60, kRate = 400, kBackground = 1, kHoldOff = 1e-3, kSeconds = 300;
    std::mt19937_64 engine(17);
    std::exponential_distribution<double> gap(kRate + kBackground);
    std::uniform_real_distribution<double> uniform;
    std::vector<double> arrivals;
    for (double t = gap(engine); t < kSeconds; t += gap(engine))
        if (uniform(engine) * (kRate + kBackground) < kRate * std::exp2(-t / kHalfLife) + kBackground)
            arrivals.push_back(t);
    decay::PulseRecord record{.times = throughDeadTime(arrivals, kHoldOff), .seconds = kSeconds, .gaps = {{101, 0.02}}, .holdOff = kHoldOff};
    std::vector<double> backgroundTimes;
    std::exponential_distribution<double> quiet(kBackground);
    for (double t = quiet(engine); t < 600; t += quiet(engine))
        backgroundTimes.push_back(t);
    decay::CountingSession lab;
    lab.useRecordedBackground({.times = backgroundTimes, .seconds = 600, .holdOff = kHoldOff});
    ASSERT_TRUE(lab.useRecording(record, "5", ".").empty());
    ASSERT_EQ(lab.recordedIntervals().size(), 59u); // 100 to 105 s is left out
    std::int64_t counted = 0;
    for (const decay::CountInterval& interval : lab.recordedIntervals())
        counted += interval.counts;
    EXPECT_LT(counted, static_cast<std::int64_t>(record.times.size()));
    const decay::HalfLifeFit& fit = lab.fit(decay::FitMethod::PoissonLikelihood, decay::FitShape::OneNuclide);
    ASSERT_TRUE(fit.fitted()) << fit.note.text();
    EXPECT_WITHIN(fit.halfLife, kHalfLife, sigmas(4, fit.sigma));
    EXPECT_LT(fit.sigma, 1.0);
    EXPECT_NE(lab.counterReport().text().find("Corrected for the dead time"), std::string::npos);
    EXPECT_FALSE(lab.useRecording(record, "0", ".").empty());
}

// A real sample of 500 g of carbon 3,000 years old, counted for an hour with an efficiency of
// 0.4 through a 2 ms hold-off (31 counts a second and 2 of background: 7 % of them lost), and
// the background for half an hour: the age with NUBASE2020's half-life, from the counts in the
// time the counter was live, is within 4 of its standard deviations of the true one. Dated
// without the dead time it would come out 530 years, some 20 of them, too young.
TEST(PulseRecord, DatesARecordedSample)
{
    constexpr double kGrams = 500, kAge = 3000, kEfficiency = 0.4, kBackground = 2, kHoldOff = 2e-3;
    // 0.226 Bq a gram of modern carbon, decayed with a half-life of 5,700 years.
    const double sampleRate = kEfficiency * 0.226 * kGrams * std::exp2(-kAge / 5700);
    std::mt19937_64 engine(23);
    const auto poisson = [&engine](double rate, double seconds) {
        std::exponential_distribution<double> gap(rate);
        std::vector<double> times;
        for (double t = gap(engine); t < seconds; t += gap(engine))
            times.push_back(t);
        return throughDeadTime(times, kHoldOff);
    };
    const decay::PulseRecord sample{.times = poisson(sampleRate + kBackground, 3600), .seconds = 3600, .holdOff = kHoldOff};
    const decay::PulseRecord background{.times = poisson(kBackground, 1800), .seconds = 1800, .holdOff = kHoldOff};

    decay::CountingSession lab;
    EXPECT_FALSE(lab.dateRecording("500", kEfficiency, ".").empty()); // nothing recorded yet
    ASSERT_TRUE(lab.useRecording(sample, "10", ".").empty());
    EXPECT_FALSE(lab.dateRecording("500", kEfficiency, ".").empty()); // no background recorded
    lab.useRecordedBackground(sample);
    EXPECT_EQ(lab.dateRecording("500", kEfficiency, ".").text(), "The background and the sample are the same recording: count the sample in its place, then date it.");
    lab.useRecordedBackground(background);
    EXPECT_FALSE(lab.dateRecording("-1", kEfficiency, ".").empty());
    ASSERT_EQ(lab.dateRecording("500", kEfficiency, ".").text(), "");
    ASSERT_EQ(lab.datings().size(), 1u);
    const decay::DatedAge& age = lab.datings()[0].result.ages[2];
    ASSERT_FALSE(age.lowerLimit);
    EXPECT_WITHIN(age.age, kAge, sigmas(4, std::max(age.minus, age.plus)));
    EXPECT_LT(age.plus, 40.0);
    EXPECT_NE(lab.datingReport().text().find("in the time the counter was live"), std::string::npos);
    // Dated as 5 g of carbon, the sample is 70 times as active as modern carbon: no age before the present.
    ASSERT_EQ(lab.dateRecording("5", kEfficiency, ".").text(), "");
    EXPECT_LT(lab.datings()[0].result.ages[2].age, 0);
    EXPECT_EQ(lab.datings()[0].result.note.text(), "The sample counts as more active than modern carbon of its mass. Carbon that grew after 1950 is; otherwise the net counts rose above the background by chance, or the carbon or the efficiency is not the sample's.");
    // A simulated background is not the real counter's.
    lab.measureBackground(decay::CounterSettings{}, 60, 1);
    EXPECT_FALSE(lab.dateRecording("500", kEfficiency, ".").empty());
}

} // namespace
