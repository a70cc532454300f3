// The counting lab's real counter: a recording's format, read before the browser decodes it, and
// what the window says of the input.

#include "Bindings.h"

#include "model/counting/PulseTexts.h"
#include "output/WavFile.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace web {
namespace {

constexpr std::size_t kMostGaps = 100'000;

// The first bytes of a file that is `size` bytes long, for reading its header: the file's end is
// where the file ends, and what lies past the bytes held cannot be read.
class FileHead : public std::streambuf {
public:
    FileHead(std::vector<char> bytes, std::streamoff size) : m_bytes(std::move(bytes)), m_size(std::max<std::streamoff>(size, 0))
    {
        setg(m_bytes.data(), m_bytes.data(), m_bytes.data() + m_bytes.size());
    }

protected:
    pos_type seekoff(off_type offset, std::ios_base::seekdir from, std::ios_base::openmode) override
    {
        const off_type base = from == std::ios_base::beg ? 0 : from == std::ios_base::end ? m_size : m_at + (gptr() - eback());
        return seekpos(base + offset, std::ios_base::in);
    }
    pos_type seekpos(pos_type position, std::ios_base::openmode) override
    {
        const auto at = static_cast<off_type>(position);
        if (at < 0 || at > m_size)
            return pos_type(off_type(-1));
        const auto held = static_cast<off_type>(m_bytes.size());
        char* begin = m_bytes.data();
        if (at <= held) {
            m_at = 0;
            setg(begin, begin + at, begin + held);
        } else {
            m_at = at; // nothing to read out there
            setg(begin + held, begin + held, begin + held);
        }
        return position;
    }

private:
    std::vector<char> m_bytes;
    std::streamoff m_size;
    off_type m_at = 0; // the file's position of the buffer's start
};

// {ok, error, warning, sampleRate, channels, float, bits, frames, dataStart, blockAlign}: the
// format of the WAV file of `size` bytes whose first bytes are `bytes`, read as the desktop reads
// it, and where its sound is, so that the page can hand the browser a piece at a time; the page
// names the file.
val wavFormat(const val& bytes, double size)
{
    const std::vector<std::uint8_t> head = numberList<std::uint8_t>(bytes, std::size_t{1} << 20);
    FileHead buffer(std::vector<char>(head.begin(), head.end()),
                    std::isfinite(size) && size >= static_cast<double>(head.size()) ? static_cast<std::streamoff>(size) : static_cast<std::streamoff>(head.size()));
    std::istream in(&buffer);
    const decay::WavReader reader(in);
    val result = val::object();
    result.set("ok", reader.ok());
    result.set("error", reader.ok() ? val::null() : message(reader.error()));
    result.set("warning", reader.warning().empty() ? val::null() : message(reader.warning()));
    const decay::WavFormat& format = reader.format();
    result.set("sampleRate", format.sampleRate);
    result.set("channels", format.channels);
    result.set("float", format.encoding == decay::WavFormat::Encoding::Float);
    result.set("bits", format.bitsPerSample);
    result.set("frames", static_cast<double>(format.frames));
    result.set("dataStart", static_cast<double>(reader.dataStart()));
    result.set("blockAlign", reader.blockAlign());
    return result;
}

decay::Message holdOffText(double holdOff) { return decay::holdOffMessage(std::isfinite(holdOff) ? holdOff : 0); }
decay::Message liveCountText(double pulses, double seconds)
{
    return decay::liveCountMessage(static_cast<std::int64_t>(std::isfinite(pulses) ? std::max(pulses, 0.0) : 0), seconds);
}

// The sentences of the detector's report {clipped, gapStarts, gapSeconds, silent, pumping,
// drifting} and of the processing the browser left on (its names).
val inputWarnings(const val& report, const val& processingOn)
{
    decay::PulseReport r;
    r.clippedSamples = static_cast<std::int64_t>(std::max(number(report, "clipped"), 0.0));
    const std::vector<double> starts = numberList<double>(property(report, "gapStarts"), kMostGaps);
    const std::vector<double> lengths = numberList<double>(property(report, "gapSeconds"), kMostGaps);
    for (std::size_t i = 0; i < std::min(starts.size(), lengths.size()); ++i)
        r.gaps.push_back({starts[i], lengths[i]});
    r.silentBetweenPulses = flag(report, "silent");
    r.noiseFloorPumps = flag(report, "pumping");
    r.heightsDrift = flag(report, "drifting");
    val list = val::array();
    for (const decay::Message& warning : decay::inputWarnings(r, textList(processingOn)))
        list.call<void>("push", message(warning));
    return list;
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_real_counter)
{
    using namespace emscripten;
    function("countingWavFormat", &web::wavFormat);
    function("countingHoldOffText", &web::holdOffText);
    function("countingLiveCountText", &web::liveCountText);
    function("countingInputWarnings", &web::inputWarnings);
}
