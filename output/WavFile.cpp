#include "WavFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace decay {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The extensible format's sub-format is a GUID whose first two bytes are the plain format's tag
// and whose other fourteen are always these (KSDATAFORMAT_SUBTYPE_PCM and _IEEE_FLOAT).
constexpr std::array<unsigned char, 14> kGuidTail{0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr int kMostChannels = 64;

std::uint32_t little32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 | static_cast<std::uint32_t>(p[2]) << 16 |
           static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t little16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

Message sentence(std::string pattern, std::vector<MessageValue> values = {})
{
    return {std::move(pattern), std::move(values)};
}

// One sample of the first channel at `p`, full scale +-1.
float sampleAt(const unsigned char* p, WavFormat::Encoding encoding, int bits)
{
    if (encoding == WavFormat::Encoding::Float) {
        float value;
        const std::uint32_t raw = little32(p);
        std::memcpy(&value, &raw, sizeof value);
        return std::isfinite(value) ? value : 0.0f;
    }
    switch (bits) {
    case 8: return static_cast<float>(static_cast<int>(p[0]) - 128) / 128.0f; // unsigned, 128 the middle
    case 16: return static_cast<float>(static_cast<std::int16_t>(little16(p))) / 32768.0f;
    case 24: {
        const std::uint32_t raw = static_cast<std::uint32_t>(p[0]) << 8 | static_cast<std::uint32_t>(p[1]) << 16 | static_cast<std::uint32_t>(p[2]) << 24;
        return static_cast<float>(static_cast<double>(static_cast<std::int32_t>(raw)) / 2147483648.0);
    }
    default: return static_cast<float>(static_cast<double>(static_cast<std::int32_t>(little32(p))) / 2147483648.0);
    }
}

} // namespace

WavReader::WavReader(std::istream& in) : m_in(in)
{
    readHeader();
}

WavReader::WavReader(const std::string& path) : m_file(path, std::ios::binary), m_in(m_file)
{
    if (!m_file)
        m_error = sentence("The file cannot be opened.");
    else
        readHeader();
}

void WavReader::readHeader()
{
    m_in.seekg(0, std::ios::end);
    const std::streamoff end = m_in.tellg();
    m_in.seekg(0);
    std::array<unsigned char, 12> riff{};
    if (end < 12 || !m_in.read(reinterpret_cast<char*>(riff.data()), riff.size()) || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
        std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
        m_error = sentence("This is not a WAV file.");
        return;
    }
    bool haveFormat = false;
    std::streamoff data = -1, dataSize = 0, at = 12;
    std::uint16_t tag = 0;
    while (at + 8 <= end && (!haveFormat || data < 0)) {
        std::array<unsigned char, 8> head{};
        m_in.clear();
        m_in.seekg(at);
        if (!m_in.read(reinterpret_cast<char*>(head.data()), head.size()))
            break;
        const std::streamoff size = little32(head.data() + 4), body = at + 8;
        if (std::memcmp(head.data(), "data", 4) == 0) {
            data = body;
            dataSize = std::min(size, end - body);
            if (size > end - body)
                m_warning = sentence("The WAV file's header gives a wrong length for its sound; the sound is read to the end of the file.");
        } else if (std::memcmp(head.data(), "fmt ", 4) == 0 && !haveFormat) {
            std::array<unsigned char, 40> fmt{};
            if (size < 16 || body + 16 > end) {
                m_error = sentence("The WAV file is damaged: its format description is cut short.");
                return;
            }
            const auto length = static_cast<std::size_t>(std::min<std::streamoff>({size, 40, end - body}));
            m_in.read(reinterpret_cast<char*>(fmt.data()), static_cast<std::streamsize>(length));
            tag = little16(fmt.data());
            m_format.channels = little16(fmt.data() + 2);
            m_format.sampleRate = little32(fmt.data() + 4);
            m_blockAlign = little16(fmt.data() + 12);
            m_format.bitsPerSample = little16(fmt.data() + 14);
            if (tag == kFormatExtensible) {
                if (length < 40 || std::memcmp(fmt.data() + 26, kGuidTail.data(), kGuidTail.size()) != 0) {
                    m_error = sentence("The WAV file is damaged: its format description is cut short.");
                    return;
                }
                tag = little16(fmt.data() + 24);
            }
            haveFormat = true;
        }
        // A chunk runs to the end of the file at most; an odd size is followed by a pad byte.
        at = body + std::min(size + (size & 1), end - body);
    }
    if (!haveFormat) {
        m_error = sentence("The WAV file is damaged: it describes no sound format.");
        return;
    }
    if (data < 0) {
        m_error = sentence("The WAV file is damaged: it holds no sound.");
        return;
    }
    const int bits = m_format.bitsPerSample;
    const bool pcm = tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = tag == kFormatFloat && bits == 32;
    if (!pcm && !floating) {
        m_error = sentence("This WAV file's encoding (format %1, %2 bits) cannot be read: only PCM of 8, 16, 24 or 32 bits and 32-bit float can.",
                           {MessageValue(static_cast<double>(tag)), MessageValue(static_cast<double>(bits))});
        return;
    }
    m_format.encoding = floating ? WavFormat::Encoding::Float : WavFormat::Encoding::Pcm;
    if (m_format.channels < 1 || m_format.channels > kMostChannels || m_blockAlign != m_format.channels * bits / 8) {
        m_error = sentence("The WAV file is damaged: its format description does not add up.");
        return;
    }
    if (m_format.sampleRate < kLowestSampleRate || m_format.sampleRate > kHighestSampleRate) {
        m_error = sentence("This WAV file's sample rate of %1 Hz cannot be analysed: the detector takes 8,000 to 384,000 Hz.",
                           {MessageValue(m_format.sampleRate)});
        return;
    }
    m_format.frames = dataSize / m_blockAlign;
    m_dataStart = data;
    m_in.clear();
    m_in.seekg(data);
}

void WavReader::read(std::vector<float>& samples, std::size_t frames)
{
    samples.clear();
    if (!ok())
        return;
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(frames), m_format.frames - m_position));
    m_bytes.resize(wanted * static_cast<std::size_t>(m_blockAlign));
    m_in.read(reinterpret_cast<char*>(m_bytes.data()), static_cast<std::streamsize>(m_bytes.size()));
    const auto got = static_cast<std::size_t>(m_in.gcount()) / static_cast<std::size_t>(m_blockAlign);
    samples.resize(got);
    for (std::size_t k = 0; k < got; ++k)
        samples[k] = sampleAt(m_bytes.data() + k * static_cast<std::size_t>(m_blockAlign), m_format.encoding, m_format.bitsPerSample);
    m_position += static_cast<std::int64_t>(got);
    if (got < wanted)
        m_format.frames = m_position; // the file ended early after all
}

RecordedPulses detectPulsesInWav(std::istream& in, PulseSettings settings, const std::function<bool(double)>& going)
{
    RecordedPulses recorded;
    WavReader reader(in);
    recorded.error = reader.error();
    recorded.warning = reader.warning();
    if (!reader.ok())
        return recorded;
    settings.sampleRate = reader.format().sampleRate;
    PulseDetector detector(settings);
    std::vector<float> samples;
    constexpr std::size_t kPiece = 1 << 16;
    for (;;) {
        reader.read(samples, kPiece);
        if (samples.empty())
            break;
        detector.process(samples, recorded.pulses);
        if (going && !going(static_cast<double>(reader.position()) / static_cast<double>(std::max<std::int64_t>(reader.format().frames, 1))))
            break;
    }
    detector.flush(recorded.pulses);
    recorded.report = detector.report();
    recorded.seconds = detector.time();
    return recorded;
}

} // namespace decay
