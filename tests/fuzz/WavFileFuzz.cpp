// Any bytes at all as a WAV file: the reader reads it through or says why not, never more frames
// than its header promised, every sample within full scale (or a float's finite value), and the
// detector takes whatever it read.
#include "FuzzProperties.h"
#include "output/WavFile.h"

#include <cmath>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(bytes), size));
    decay::WavReader reader(in);
    fuzz::require(reader.ok() != !reader.error().text().empty(), "a reader or an error");
    if (!reader.ok())
        return 0;
    const std::int64_t promised = reader.format().frames;
    fuzz::require(promised >= 0 && reader.format().channels >= 1, "a format that adds up");
    decay::PulseDetector detector({.sampleRate = reader.format().sampleRate});
    std::vector<decay::Pulse> pulses;
    std::vector<float> samples;
    std::int64_t frames = 0;
    for (reader.read(samples, 97); !samples.empty(); reader.read(samples, 97)) {
        frames += static_cast<std::int64_t>(samples.size());
        for (float x : samples)
            fuzz::require(std::isfinite(x) && (reader.format().encoding == decay::WavFormat::Encoding::Float || std::fabs(x) <= 1), "samples in range");
        detector.process(samples, pulses);
    }
    detector.flush(pulses);
    fuzz::require(frames <= promised, "no more frames than promised");
    for (const decay::Pulse& pulse : pulses)
        fuzz::require(pulse.time >= 0 && pulse.time <= detector.time(), "pulses within the sound");
    return 0;
}
