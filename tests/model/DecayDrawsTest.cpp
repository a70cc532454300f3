#include "model/DecayDraws.h"
#include "model/SplitMix64.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
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

    // The next round of generator `lane`: four xoshiro128+ 1.0 steps, each output's top 24 bits.
    std::array<std::uint32_t, 4> round(int lane)
    {
        auto& s = m_state[static_cast<std::size_t>(lane)];
        std::array<std::uint32_t, 4> k;
        for (auto& draw : k) {
            draw = (s[0] + s[3]) >> 8;
            const std::uint32_t t = s[1] << 9;
            s[2] ^= s[0];
            s[3] ^= s[1];
            s[1] ^= s[2];
            s[0] ^= s[3];
            s[2] ^= t;
            s[3] = (s[3] << 11) | (s[3] >> 21);
        }
        return k;
    }

    int countDecays(int atoms, std::uint32_t limit)
    {
        int decays = 0;
        auto count = [&](int lane, int used) {
            const auto k = round(lane);
            for (int q = 0; q < std::min(used, 4); ++q)
                decays += k[static_cast<std::size_t>(q)] < limit;
        };
        atoms = std::max(atoms, 0);
        for (int lane = 0; lane < DecayDraws::kLanes; ++lane)
            for (int block = 0; block < atoms / DecayDraws::kBlock; ++block)
                count(lane, 4);
        const int rest = atoms % DecayDraws::kBlock;
        for (int lane = 0; 4 * lane < rest; ++lane)
            count(lane, rest - 4 * lane);
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
// whatever the block remainder. The limits reach into the draws' last bits, and a limit of 0 still
// advances the generators.
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

// One generator's rounds alone, as DrawStream writes them, are the documented draws, and the
// other generators keep their state meanwhile.
TEST(DecayDraws, OneGeneratorsRoundsAreTheDocumentedDraws)
{
    ReferenceDraws reference(5);
    DecayDraws draws(5);
    for (int lane : {0, 1, 95, 95, 0})
        ASSERT_EQ(draws.nextRound(lane), reference.round(lane)) << lane;
    EXPECT_EQ(draws.countDecays(32767, 1u << 23), reference.countDecays(32767, 1u << 23));
}

// Linear complexity over GF(2) of a bit sequence: the length of the shortest linear recurrence
// that makes it, by the Berlekamp-Massey algorithm (J. L. Massey, IEEE Trans. Inf. Theory 15, 1969).
int linearComplexity(const std::vector<int>& bits)
{
    const int n = static_cast<int>(bits.size());
    std::vector<int> c(bits.size() + 1), b(bits.size() + 1), before;
    c[0] = b[0] = 1;
    int length = 0, last = -1;
    for (int i = 0; i < n; ++i) {
        int discrepancy = bits[i];
        for (int j = 1; j <= length; ++j)
            discrepancy ^= c[j] & bits[i - j];
        if (discrepancy == 0)
            continue;
        before = c;
        for (int j = 0; j + i - last <= n; ++j)
            c[j + i - last] ^= b[j];
        if (2 * length <= i) {
            length = i + 1 - length;
            last = i;
            b = before;
        }
    }
    return length;
}

// Every bit of every draw position of a generator's rounds has the linear complexity of random
// bits, about n / 2. For random bits it falls below n / 2 - k with a probability of about 4^-k
// (NIST SP 800-22 Rev. 1a, section 3.10), so 0.45 n for n = 1024 fails a good generator with a
// probability below 10^-28 over all 96 sequences. A bit that is a linear function of the
// 128-bit state has a complexity of at most 128.
TEST(DecayDraws, EveryDrawBitHasTheLinearComplexityOfRandomBits)
{
    constexpr int kRounds = 1024;
    DecayDraws draws(2026);
    std::vector<std::array<std::uint32_t, 4>> rounds(kRounds);
    for (auto& round : rounds)
        round = draws.nextRound(5);
    for (int position = 0; position < 4; ++position) {
        for (int bit = 0; bit < 24; ++bit) {
            std::vector<int> bits;
            for (const auto& round : rounds)
                bits.push_back(static_cast<int>(round[static_cast<std::size_t>(position)] >> bit & 1));
            EXPECT_GE(linearComplexity(bits), 0.45 * kRounds) << "draw " << position << ", bit " << bit;
        }
    }
}

// The decays of a step follow the binomial law of the draws' exact probability limit / 2^24:
// Pearson's chi-square over cells of consecutive counts that each expect at least 5 stays below
// the 99.9 % quantile of its distribution (E. B. Wilson and M. M. Hilferty, Proc. Natl. Acad. Sci.
// 17, 684, 1931; z = 3.0902 is the normal 99.9 % quantile), so a good generator fails one of the
// four laws with a probability of 0.4 %.
TEST(DecayDraws, DecayCountsFollowTheBinomialLaw)
{
    constexpr int kAtoms = 1000, kSteps = 100000;
    for (float p : {0.001f, 0.01f, 0.1f, 0.5f}) {
        const std::uint32_t limit = DecayDraws::drawLimit(p);
        const double q = std::ldexp(static_cast<double>(limit), -24);
        DecayDraws draws(7);
        std::vector<int> steps(kAtoms + 1);
        for (int step = 0; step < kSteps; ++step)
            ++steps[draws.countDecays(kAtoms, limit)];
        double chiSquare = 0, expected = 0, below = 0;
        int observed = 0, cells = 0;
        for (int k = 0; k <= kAtoms; ++k) {
            const double share = std::exp(std::lgamma(kAtoms + 1.0) - std::lgamma(k + 1.0) - std::lgamma(kAtoms - k + 1.0)
                                          + k * std::log(q) + (kAtoms - k) * std::log1p(-q));
            expected += kSteps * share;
            below += share;
            observed += steps[k];
            if ((expected >= 5 && kSteps * (1 - below) >= 5) || k == kAtoms) {
                chiSquare += (observed - expected) * (observed - expected) / expected;
                expected = observed = 0;
                ++cells;
            }
        }
        const double freedom = cells - 1, spread = 2 / (9 * freedom);
        EXPECT_LT(chiSquare, freedom * std::pow(1 - spread + 3.0902 * std::sqrt(spread), 3)) << "p " << p << ", " << cells << " cells";
    }
}

} // namespace

