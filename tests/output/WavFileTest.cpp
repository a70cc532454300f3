#include "output/WavFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

void put16(std::string& bytes, unsigned value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8 & 0xFF);
}
void put32(std::string& bytes, std::uint32_t value)
{
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

// The test's own WAV writer: a format chunk (extensible when asked), then `before` (other
// chunks), then the data chunk with `dataSize` claimed (the true size unless given).
struct Wav {
    unsigned tag = 1;
    unsigned channels = 1;
    std::uint32_t rate = 48000;
    unsigned bits = 16;
    bool extensible = false;
    std::string before;
    std::int64_t dataSize = -1;
};

std::string wavBytes(const Wav& w, const std::string& data)
{
    std::string fmt;
    put16(fmt, w.extensible ? 0xFFFE : w.tag);
    put16(fmt, w.channels);
    put32(fmt, w.rate);
    put32(fmt, w.rate * w.channels * w.bits / 8);
    put16(fmt, w.channels * w.bits / 8);
    put16(fmt, w.bits);
    if (w.extensible) {
        put16(fmt, 22);
        put16(fmt, w.bits);
        put32(fmt, 3);
        put16(fmt, w.tag);
        fmt += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    std::string bytes = "RIFF";
    put32(bytes, 0); // a size no reader should trust
    bytes += "WAVEfmt ";
    put32(bytes, static_cast<std::uint32_t>(fmt.size()));
    bytes += fmt + w.before + "data";
    put32(bytes, static_cast<std::uint32_t>(w.dataSize >= 0 ? w.dataSize : static_cast<std::int64_t>(data.size())));
    return bytes + data;
}

// Every sample of every channel in the format's encoding: the first channel carries `values`,
// the others their negatives.
std::string samplesBytes(const std::vector<double>& values, unsigned channels, unsigned bits, bool floating)
{
    std::string bytes;
    for (double v : values)
        for (unsigned c = 0; c < channels; ++c) {
            const double x = c == 0 ? v : -v;
            if (floating) {
                const auto f = static_cast<float>(x);
                std::uint32_t raw;
                std::memcpy(&raw, &f, sizeof raw);
                put32(bytes, raw);
            } else if (bits == 8) {
                bytes += static_cast<char>(static_cast<unsigned char>(std::lround(x * 128) + 128));
            } else {
                const auto whole = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(x * std::ldexp(1.0, static_cast<int>(bits) - 1))));
                for (unsigned b = 0; b < bits; b += 8)
                    bytes += static_cast<char>(whole >> b & 0xFF);
            }
        }
    return bytes;
}

std::vector<float> readAll(decay::WavReader& reader)
{
    std::vector<float> all, piece;
    for (reader.read(piece, 333); !piece.empty(); reader.read(piece, 333))
        all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

struct RoundTrip {
    const char* name;
    Wav wav;
};

// Values each encoding holds exactly, full scale down included, read back exactly from the first
// channel in pieces that end inside a frame's worth of the reader's buffer.
TEST(WavReader, ReadsBackWhatWasWritten)
{
    std::vector<double> values;
    for (int k = 0; k < 1000; ++k)
        values.push_back(std::round(std::sin(k * 0.37) * 127) / 128);
    values.push_back(-1);
    for (const RoundTrip& row : {RoundTrip{"16-bit mono", {}}, RoundTrip{"24-bit stereo at 44.1 kHz", {.channels = 2, .rate = 44100, .bits = 24}},
                                 RoundTrip{"32-bit float", {.tag = 3, .bits = 32}}, RoundTrip{"8-bit", {.bits = 8}},
                                 RoundTrip{"32-bit PCM, 3 channels", {.channels = 3, .bits = 32}},
                                 RoundTrip{"extensible 24-bit stereo", {.channels = 2, .bits = 24, .extensible = true}},
                                 RoundTrip{"extensible float", {.tag = 3, .bits = 32, .extensible = true}},
                                 RoundTrip{"odd chunk padded before the data", {.before = std::string("LIST\x03\x00\x00\x00" "abc\x00", 12)}}}) {
        std::istringstream in(wavBytes(row.wav, samplesBytes(values, row.wav.channels, row.wav.bits, row.wav.tag == 3)));
        decay::WavReader reader(in);
        ASSERT_TRUE(reader.ok()) << row.name << ": " << reader.error().text();
        EXPECT_TRUE(reader.warning().empty()) << row.name;
        EXPECT_EQ(reader.format().sampleRate, row.wav.rate) << row.name;
        EXPECT_EQ(reader.format().frames, static_cast<std::int64_t>(values.size())) << row.name;
        const std::vector<float> read = readAll(reader);
        ASSERT_EQ(read.size(), values.size()) << row.name;
        for (std::size_t k = 0; k < values.size(); ++k)
            ASSERT_EQ(read[k], static_cast<float>(values[k])) << row.name << " sample " << k;
    }
}

struct Damaged {
    const char* name;
    std::string bytes;
    const char* error;   // the start of the message; empty for a file that is read
    std::int64_t frames; // read from a file that can be
    bool warned = false; // that the header's length is wrong
};

std::string cut(std::string bytes, std::size_t length)
{
    bytes.resize(length);
    return bytes;
}

TEST(WavReader, SaysWhatIsWrongWithADamagedFile)
{
    const std::string sound = samplesBytes(std::vector<double>(100, 0.5), 1, 16, false);
    const std::string good = wavBytes({}, sound);
    std::string noData = good;
    noData.replace(good.find("data"), 4, "junk");
    const std::vector<Damaged> rows{
        {"empty", "", "This is not a WAV file.", 0},
        {"big-endian RIFX", "RIFX" + good.substr(4), "This is not a WAV file.", 0},
        {"format cut short", cut(good, 30), "The WAV file is damaged: its format description is cut short.", 0},
        {"no format", std::string("RIFF\x04\x00\x00\x00WAVEdata\x02\x00\x00\x00\x01\x02", 22), "The WAV file is damaged: it describes no sound format.", 0},
        {"no data", noData, "The WAV file is damaged: it holds no sound.", 0},
        {"ADPCM", wavBytes({.tag = 2, .bits = 4}, sound), "This WAV file's encoding (format 2, 4 bits) cannot be read", 0},
        {"64-bit float", wavBytes({.tag = 3, .bits = 64}, sound), "This WAV file's encoding (format 3, 64 bits)", 0},
        {"no channels", wavBytes({.channels = 0}, sound), "The WAV file is damaged: its format description does not add up.", 0},
        {"sample rate 0", wavBytes({.rate = 0}, sound), "This WAV file's sample rate of 0 Hz cannot be analysed", 0},
        {"extensible without its GUID", cut(wavBytes({.extensible = true}, sound), 50), "The WAV file is damaged: its format description is cut short.", 0},
        {"data longer than the file", wavBytes({.dataSize = 1000000}, sound), "", 100, true},
        {"data size unknown (0xFFFFFFFF)", wavBytes({.dataSize = 0xFFFFFFFF}, sound), "", 100, true},
        {"a half frame at the end", wavBytes({}, sound + "x"), "", 100},
        {"cut inside the data", cut(good, good.size() - 51), "", 74, true},
    };
    for (const Damaged& row : rows) {
        std::istringstream in(row.bytes);
        decay::WavReader reader(in);
        EXPECT_EQ(reader.error().text().substr(0, std::strlen(row.error)), row.error) << row.name;
        EXPECT_EQ(static_cast<std::int64_t>(readAll(reader).size()), row.frames) << row.name;
        EXPECT_EQ(!reader.warning().empty(), row.warned) << row.name;
    }
}

// A recording analysed from its file finds what the detector finds in its samples handed over live.
TEST(WavReader, RecordingGivesTheLiveDetectorsPulses)
{
    std::vector<double> values(48000 * 3);
    for (std::size_t n = 0; n < values.size(); ++n)
        values[n] = 0.001 * std::sin(static_cast<double>(n) * 1.7) + (n % 4800 < 8 && n % 4800 > 0 ? 0.5 * std::exp(-static_cast<double>(n % 4800) / 5) : 0);
    std::istringstream in(wavBytes({}, samplesBytes(values, 1, 16, false)));
    const decay::RecordedPulses recorded = decay::detectPulsesInWav(in, {});
    ASSERT_TRUE(recorded.error.empty());
    EXPECT_DOUBLE_EQ(recorded.seconds, 3);
    std::vector<float> samples;
    for (double v : values)
        samples.push_back(static_cast<float>(std::lround(v * 32768)) / 32768.0f);
    decay::PulseDetector live;
    std::vector<decay::Pulse> pulses;
    live.process(samples, pulses);
    live.flush(pulses);
    ASSERT_EQ(recorded.pulses.size(), 30u);
    ASSERT_EQ(pulses.size(), recorded.pulses.size());
    for (std::size_t k = 0; k < pulses.size(); ++k)
        EXPECT_EQ(pulses[k].time, recorded.pulses[k].time) << k;
}

} // namespace
