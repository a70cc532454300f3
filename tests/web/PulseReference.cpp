// A real counter's recording as the desktop reads it: a WAV file of clicks (24-bit stereo at
// 44.1 kHz, the counter on the first channel, a decaying source over noise and hum) and the pulse
// times its detector finds, as the lab exports them. The page must find the same times in the same
// file, through the browser's decoder and its own build of the detector.

#include "model/counting/PulseRecord.h"
#include "output/CountsFile.h"
#include "output/WavFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100, kSeconds = 12;

void put(std::string& bytes, std::uint32_t value, int size)
{
    for (int k = 0; k < size; ++k)
        bytes.push_back(static_cast<char>((value >> (8 * k)) & 0xff));
}

std::string clickFile()
{
    std::mt19937_64 engine(20261209);
    std::uniform_real_distribution<double> uniform;
    std::normal_distribution<double> noise(0, 0.004);
    std::vector<double> left(kRate * kSeconds);
    for (std::size_t n = 0; n < left.size(); ++n)
        left[n] = noise(engine) + 0.01 * std::sin(2 * std::numbers::pi * 50 * static_cast<double>(n) / kRate);
    for (double t = 0;;) {
        t += -std::log(1 - uniform(engine)) / 120;
        if (t >= kSeconds - 0.01)
            break;
        if (uniform(engine) >= std::exp2(-t / 5))
            continue;
        const double height = 0.3 + 0.2 * uniform(engine);
        for (int k = 0; k < 100; ++k) {
            const auto n = static_cast<std::size_t>(std::ceil(t * kRate)) + static_cast<std::size_t>(k);
            const double age = static_cast<double>(n) / kRate - t;
            if (n < left.size())
                left[n] += height * (1 - std::exp(-age / 8e-6)) * std::exp(-age / 120e-6);
        }
    }
    std::string data;
    for (double s : left) {
        const auto v = static_cast<std::int32_t>(std::lround(std::clamp(s, -1.0, 1.0) * 8388607));
        put(data, static_cast<std::uint32_t>(v), 3);
        put(data, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(noise(engine) * 8388607))), 3);
    }
    std::string wav = "RIFF";
    put(wav, static_cast<std::uint32_t>(36 + data.size()), 4);
    wav += "WAVEfmt ";
    put(wav, 16, 4), put(wav, 1, 2), put(wav, 2, 2), put(wav, kRate, 4), put(wav, kRate * 6, 4), put(wav, 6, 2), put(wav, 24, 2);
    wav += "data";
    put(wav, static_cast<std::uint32_t>(data.size()), 4);
    return wav + data;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    const std::string wav = clickFile();
    std::ofstream(folder + "/clicks.wav", std::ios::binary) << wav;
    std::istringstream in(wav);
    const decay::PulseSettings settings;
    const decay::RecordedPulses found = decay::detectPulsesInWav(in, settings);
    const decay::PulseRecord record = decay::pulseRecord(found.pulses, found.report, found.seconds, settings.holdOff);
    std::ofstream(folder + "/clicks.pulses.csv", std::ios::binary) << decay::pulseTimesText(record);
    return found.error.empty() && !found.pulses.empty() ? 0 : 1;
}
