#include "model/DecayDraws.h"
#include "model/SplitMix64.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using decay::DecayDraws;

constexpr const char* kIsaNames[] = {"Generic", "Avx2", "Avx512"};

// The draws as documented, one generator at a time in plain scalar code, seeded like DecayDraws
// (splitmix64, the high half of each output for one state word).
class ReferenceDraws {
public:
    explicit ReferenceDraws(std::uint64_t seed) : m_state(DecayDraws::kLanes)
    {
        for (auto& s : m_state) {
            for (auto& word : s)
                word = static_cast<std::uint32_t>(decay::splitMix64(seed) >> 32);
            if ((s[0] | s[1] | s[2] | s[3]) == 0)
                s[0] = 1;
        }
    }

    int countDecays(int atoms, std::uint32_t limit)
    {
        int decays = 0;
        auto round = [&](std::array<std::uint32_t, 4>& s, int used) {
            std::uint32_t o[3];
            for (auto& out : o) {
                out = s[0] + s[3];
                const std::uint32_t t = s[1] << 9;
                s[2] ^= s[0];
                s[3] ^= s[1];
                s[1] ^= s[2];
                s[0] ^= s[3];
                s[2] ^= t;
                s[3] = (s[3] << 11) | (s[3] >> 21);
            }
            const std::uint32_t k[4] = {o[0] >> 8, o[1] >> 8, o[2] >> 8, (o[0] & 255) << 16 | (o[1] & 255) << 8 | (o[2] & 255)};
            for (int q = 0; q < std::min(used, 4); ++q)
                decays += k[q] < limit;
        };
        atoms = std::max(atoms, 0);
        for (auto& s : m_state)
            for (int block = 0; block < atoms / DecayDraws::kBlock; ++block)
                round(s, 4);
        const int rest = atoms % DecayDraws::kBlock;
        for (int lane = 0; 4 * lane < rest; ++lane)
            round(m_state[static_cast<std::size_t>(lane)], rest - 4 * lane);
        return decays;
    }

private:
    std::vector<std::array<std::uint32_t, 4>> m_state;
};

// The limit must match u <= p evaluated in single precision, for u = k / 2^24.
TEST(DrawLimit, IsTheExactSinglePrecisionComparison)
{
    EXPECT_EQ(DecayDraws::drawLimit(-0.5f), 0u);
    EXPECT_EQ(DecayDraws::drawLimit(0.0f), 1u); // only a draw of exactly 0
    EXPECT_EQ(DecayDraws::drawLimit(7.0f), 1u << 24);
    for (float p : {0.1f, 0.5f, 0.3333333f, 1e-9f, 0.99999994f}) {
        const std::uint32_t limit = DecayDraws::drawLimit(p);
        EXPECT_LE(std::ldexp(static_cast<float>(limit - 1), -24), p) << p;
        EXPECT_GT(std::ldexp(static_cast<float>(limit), -24), p) << p;
    }
}

// Every instruction set makes the documented draws, so a seed gives the same counts everywhere,
// whatever the block remainder. The limits reach into the low-byte draw's last bits, and a limit
// of 0 still advances the generators.
class InstructionSet : public testing::TestWithParam<DecayDraws::Isa> {};

TEST_P(InstructionSet, MakesTheDocumentedDraws)
{
    if (!DecayDraws::supported(GetParam()))
        GTEST_SKIP() << "this processor lacks the instruction set";
    constexpr std::uint32_t kLimits[] = {1u << 24, 0, 6207570, (1u << 23) + 1, 12345, 1};
    ReferenceDraws reference(99);
    DecayDraws draws(99);
    int call = 0;
    for (int atoms : {1, 3, 4, 5, 383, 384, 385, 1000, 32767, 0, -4, 97, 1536, 7}) {
        for (std::uint32_t limit : kLimits) {
            ASSERT_EQ(draws.countDecays(atoms, limit, GetParam()), reference.countDecays(atoms, limit))
                << "call " << call << ", atoms " << atoms << ", limit " << limit;
            ++call;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DecayDraws, InstructionSet,
                         testing::Values(DecayDraws::Isa::Generic, DecayDraws::Isa::Avx2, DecayDraws::Isa::Avx512),
                         [](const auto& row) { return std::string(kIsaNames[static_cast<int>(row.param)]); });

} // namespace
