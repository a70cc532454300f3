// The pulse detector against the time it has: one second of 48 kHz sound, clicks at 100 a second
// in noise and hum, as a live input hands it over in 10 ms buffers; and a one-hour recording,
// written as a 16-bit WAV file to the temporary folder, read and analysed as the lab opens one.
#include "output/WavFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr double kRate = 48000;

// Clicks of 100 us at Poisson times, 100 a second, 30 dB above white noise, with 50 Hz hum.
std::vector<float> clicks(std::size_t count, std::uint64_t seed)
{
    std::mt19937_64 engine(seed);
    std::normal_distribution<double> noise(0, 0.003);
    std::exponential_distribution<double> gap(100.0 / kRate);
    std::vector<float> sound(count);
    double next = gap(engine), decay = 0;
    for (std::size_t n = 0; n < count; ++n) {
        if (static_cast<double>(n) >= next) {
            decay = 0.1;
            next += gap(engine);
        }
        sound[n] = static_cast<float>(decay + noise(engine) + 0.05 * std::sin(2 * std::numbers::pi * 50 * static_cast<double>(n) / kRate));
        decay *= std::exp(-1 / (100e-6 * kRate));
    }
    return sound;
}

void LiveSecondAt48kHz(benchmark::State& state)
{
    const std::vector<float> second = clicks(48000, 1);
    decay::PulseDetector detector({.sampleRate = kRate});
    std::vector<decay::Pulse> pulses;
    for (auto _ : state) {
        for (std::size_t at = 0; at < second.size(); at += 480)
            detector.process(std::span<const float>(second).subspan(at, 480), pulses);
        benchmark::DoNotOptimize(pulses.data());
        pulses.clear();
    }
    // The share of one core that real time takes: seconds of work per second of sound.
    state.counters["core_percent"] = benchmark::Counter(static_cast<double>(state.iterations()) / 100, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(LiveSecondAt48kHz)->Unit(benchmark::kMillisecond);

void put(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int b = 0; b < bytes; ++b)
        out.put(static_cast<char>(value >> (8 * b) & 0xFF));
}

void OneHourRecording(benchmark::State& state)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "atomdrift-pulse-bench.wav";
    const std::vector<float> minute = clicks(48000 * 60, 2);
    {
        std::ofstream out(path, std::ios::binary);
        const auto bytes = static_cast<std::uint32_t>(minute.size() * 60 * 2);
        out.write("RIFF", 4);
        put(out, 36 + bytes, 4);
        out.write("WAVEfmt ", 8);
        for (const auto& [value, size] : {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {48000u, 4}, {96000u, 4}, {2u, 2}, {16u, 2}})
            put(out, value, size);
        out.write("data", 4);
        put(out, bytes, 4);
        std::vector<char> pcm;
        for (float x : minute) {
            const auto whole = static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(x * 32767)));
            pcm.push_back(static_cast<char>(whole & 0xFF));
            pcm.push_back(static_cast<char>(whole >> 8));
        }
        for (int m = 0; m < 60; ++m)
            out.write(pcm.data(), static_cast<std::streamsize>(pcm.size()));
    }
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const decay::RecordedPulses recorded = decay::detectPulsesInWav(in, {});
        state.counters["pulses"] = static_cast<double>(recorded.pulses.size());
        state.counters["seconds_of_sound"] = recorded.seconds;
    }
    std::filesystem::remove(path);
}
BENCHMARK(OneHourRecording)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
