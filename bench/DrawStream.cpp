// Writes the random draws of a decay run to standard output for outside test batteries
// (dieharder, PractRand), one 24-bit draw k per little-endian 32-bit word:
//   DrawStream --seed S --lane L --count N   the first N draws of generator L, in its own order
//   DrawStream --seed S --count N            the first N draws in the order a call of whole
//                                            rounds uses them: round by round, generators 0 up
#include "model/random/DecayDraws.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using decay::DecayDraws;

constexpr const char* kUsage = "usage: DrawStream --seed S [--lane 0..95] --count N\n";

struct Options {
    std::uint64_t seed = 0;
    std::optional<int> lane;
    std::uint64_t count = 0;
};

std::optional<std::uint64_t> number(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Each option once, with a whole number; --seed and --count are needed.
std::optional<Options> parse(int argc, char* argv[])
{
    std::optional<std::uint64_t> seed, lane, count;
    if (argc % 2 == 0)
        return std::nullopt;
    for (int i = 1; i < argc; i += 2) {
        const std::string_view name = argv[i];
        auto* const option = name == "--seed" ? &seed : name == "--lane" ? &lane : name == "--count" ? &count : nullptr;
        if (!option || *option || !(*option = number(argv[i + 1])))
            return std::nullopt;
    }
    if (!seed || !count || (lane && *lane >= DecayDraws::kLanes))
        return std::nullopt;
    return Options{*seed, lane ? std::optional<int>(static_cast<int>(*lane)) : std::nullopt, *count};
}

// Collects words and writes them in blocks; false once standard output fails.
class WordWriter {
public:
    bool put(std::uint32_t word)
    {
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.push_back(static_cast<unsigned char>(word >> shift));
        return m_bytes.size() < kBlockBytes || flush();
    }

    bool flush()
    {
        const bool written = std::fwrite(m_bytes.data(), 1, m_bytes.size(), stdout) == m_bytes.size();
        m_bytes.clear();
        return written;
    }

private:
    static constexpr std::size_t kBlockBytes = 1 << 16;
    std::vector<unsigned char> m_bytes;
};

bool writeDraws(const Options& options)
{
    DecayDraws draws(options.seed);
    WordWriter out;
    std::uint64_t left = options.count;
    for (int lane = 0; left > 0; lane = (lane + 1) % DecayDraws::kLanes) {
        for (std::uint32_t k : draws.nextRound(options.lane.value_or(lane))) {
            if (left == 0)
                break;
            if (!out.put(k))
                return false;
            --left;
        }
    }
    return out.flush() && std::fflush(stdout) == 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const auto options = parse(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!writeDraws(*options)) {
        std::perror("DrawStream: standard output");
        return 1;
    }
    return 0;
}
