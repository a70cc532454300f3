#pragma once

#include "model/common/Message.h"
#include "model/counting/PulseDetector.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace decay {

// What a WAV file holds, as its format chunk says.
struct WavFormat {
    enum class Encoding { Pcm, Float };
    Encoding encoding = Encoding::Pcm;
    int channels = 0;
    double sampleRate = 0;
    int bitsPerSample = 0;
    std::int64_t frames = 0; // a sample of every channel each
};

// Reads a WAV file's sound a piece at a time, so that a recording of hours never has to fit in
// memory: 8-, 16-, 24- and 32-bit PCM and 32-bit float, any number of channels, plain or in the
// extensible format. The chunks are walked by their sizes, each padded to an even length; chunks
// it does not know are skipped. A data chunk whose size runs past the end of the file (a recorder
// that stopped before writing the header again) is read to the end of the file, and the warning
// says so. Of several channels the first is taken: a mono cable in a stereo socket carries the
// counter on it alone, and mixing would add the other channel's noise.
class WavReader {
public:
    // Reads the header from `in`, which must outlive the reader and be able to seek.
    explicit WavReader(std::istream& in);
    // Opens the file at `path`.
    explicit WavReader(const std::string& path);

    bool ok() const { return m_error.empty(); }
    // Why the file cannot be read; empty when it can.
    const Message& error() const { return m_error; }
    // What was wrong with a file that can still be read; empty when nothing was.
    const Message& warning() const { return m_warning; }
    const WavFormat& format() const { return m_format; }

    // The next samples of the first channel, full scale +-1, up to `frames` of them, in place of
    // what `samples` held; none at the end.
    void read(std::vector<float>& samples, std::size_t frames);
    // Frames read so far.
    std::int64_t position() const { return m_position; }
    // Where the sound starts in the file, and the bytes of a frame (a sample of every channel).
    std::int64_t dataStart() const { return m_dataStart; }
    int blockAlign() const { return m_blockAlign; }

private:
    void readHeader();

    std::ifstream m_file;
    std::istream& m_in;
    Message m_error;
    Message m_warning;
    WavFormat m_format;
    int m_blockAlign = 0;
    std::int64_t m_dataStart = 0;
    std::int64_t m_position = 0;
    std::vector<unsigned char> m_bytes;
};

// A recording's pulses, as the detector finds them reading it through.
struct RecordedPulses {
    std::vector<Pulse> pulses;
    PulseReport report;
    double seconds = 0; // the length of the sound
    Message error;      // why the file could not be read; the pulses up to there are kept
    Message warning;
};

// Reads the WAV file from `in` and hands its samples to a detector of `settings` (whose sample
// rate the file's replaces). `going`, when given, is asked between pieces whether to go on, with
// the share done, 0 to 1.
RecordedPulses detectPulsesInWav(std::istream& in, PulseSettings settings, const std::function<bool(double)>& going = {});

} // namespace decay
