#include "model/random/DecayDraws.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using decay::DecayDraws;

constexpr const char* kIsaNames[] = {"Generic", "Avx2", "Avx512"};

// The limit must match u <= p evaluated in single precision, for u = k / 2^24.
TEST(DrawLimit, IsTheExactSinglePrecisionComparison)
{
    EXPECT_EQ(DecayDraws::drawLimit(-0.5f), 0u);
    EXPECT_EQ(DecayDraws::drawLimit(0.0f), 1u); // only a draw of exactly 0
    EXPECT_EQ(DecayDraws::drawLimit(7.0f), 1u << 24);
    for (float p : {0.1f, 0.5f, 0.001f, 0.9f, 0.3333333f, 1e-9f, 0.99999994f}) {
        const std::uint32_t limit = DecayDraws::drawLimit(p);
        EXPECT_LE(std::ldexp(static_cast<float>(limit - 1), -24), p) << p;
        EXPECT_GT(std::ldexp(static_cast<float>(limit), -24), p) << p;
    }
}

// Every instruction set makes the documented draws (DecayDraws.h), so a seed gives the same counts
// everywhere and in every version, whatever the block remainder. The known answers come from a
// plain scalar implementation of the documentation, one generator at a time. The limits reach
// into the draws' last bits, and a limit of 0 still advances the generators.
class InstructionSet : public testing::TestWithParam<DecayDraws::Isa> {};

TEST_P(InstructionSet, MakesTheDocumentedDraws)
{
    if (!DecayDraws::supported(GetParam()))
        GTEST_SKIP() << "this processor or target lacks the instruction set";
    constexpr std::uint32_t kLimits[] = {1u << 24, 0, 6207570, (1u << 23) + 1, 12345, 1};
    const std::pair<int, std::array<int, 6>> calls[] = { // atoms, then the decays for each limit in turn, seed 99
        {1, {1, 0, 0, 1, 0, 0}}, {3, {3, 0, 1, 2, 0, 0}}, {4, {4, 0, 2, 2, 0, 0}}, {5, {5, 0, 2, 2, 0, 0}},
        {383, {383, 0, 139, 187, 0, 0}}, {384, {384, 0, 139, 189, 0, 0}}, {385, {385, 0, 144, 199, 1, 0}},
        {1000, {1000, 0, 377, 502, 1, 0}}, {32767, {32767, 0, 12250, 16245, 16, 0}}, {0, {}}, {-4, {}},
        {97, {97, 0, 39, 52, 0, 0}}, {1536, {1536, 0, 589, 740, 1, 0}}, {7, {7, 0, 2, 4, 0, 0}}};
    DecayDraws draws(99);
    for (const auto& [atoms, decays] : calls)
        for (std::size_t i = 0; i < decays.size(); ++i)
            ASSERT_EQ(draws.countDecays(atoms, kLimits[i], GetParam()), decays[i]) << "atoms " << atoms << ", limit " << kLimits[i];
}

INSTANTIATE_TEST_SUITE_P(DecayDraws, InstructionSet,
                         testing::Values(DecayDraws::Isa::Generic, DecayDraws::Isa::Avx2, DecayDraws::Isa::Avx512),
                         [](const auto& row) { return std::string(kIsaNames[static_cast<int>(row.param)]); });

// One generator's rounds alone, as DrawStream writes them, are the documented draws (seed 5), and
// the other generators keep their state meanwhile.
TEST(DecayDraws, OneGeneratorsRoundsAreTheDocumentedDraws)
{
    DecayDraws draws(5);
    const std::pair<int, std::array<std::uint32_t, 4>> rounds[] = {
        {0, {8155529, 8844995, 12467414, 597898}}, {1, {11728307, 9729884, 2662754, 3867376}},
        {95, {216470, 9607519, 523052, 16443159}}, {95, {10958244, 12264564, 9423433, 1466116}},
        {0, {11734361, 10373520, 9814497, 7918682}}};
    for (const auto& [lane, draw] : rounds)
        ASSERT_EQ(draws.nextRound(lane), draw) << lane;
    EXPECT_EQ(draws.countDecays(32767, 1u << 23), 16467);
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

