#include "model/DecayDraws.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using decay::DecayDraws;

// The limit must match u <= p evaluated in single precision, for u = k / 2^24.
TEST(DrawLimit, IsTheExactSinglePrecisionComparison)
{
    EXPECT_EQ(DecayDraws::drawLimit(-0.5f), 0u);
    EXPECT_EQ(DecayDraws::drawLimit(0.0f), 1u); // only a draw of exactly 0
    EXPECT_EQ(DecayDraws::drawLimit(1.0f), 1u << 24);
    EXPECT_EQ(DecayDraws::drawLimit(7.0f), 1u << 24);
    for (float p : {0.1f, 0.5f, 0.3333333f, 1e-9f, 0.99999994f, 0.693147f}) {
        const std::uint32_t limit = DecayDraws::drawLimit(p);
        ASSERT_GE(limit, 1u);
        EXPECT_LE(std::ldexp(static_cast<float>(limit - 1), -24), p) << p;
        if (limit < (1u << 24)) {
            EXPECT_GT(std::ldexp(static_cast<float>(limit), -24), p) << p;
        }
    }
}

// Every instruction set walks the same 32 streams, so a seed gives the same counts everywhere.
TEST(DecayDraws, InstructionSetsAgree)
{
    for (auto isa : {DecayDraws::Isa::Avx2, DecayDraws::Isa::Avx512}) {
        if (!DecayDraws::supported(isa))
            continue;
        DecayDraws generic(99);
        DecayDraws wide(99);
        for (int atoms : {1, 31, 32, 33, 95, 1000, 32767, 0, 5}) {
            const auto limit = DecayDraws::drawLimit(0.37f);
            ASSERT_EQ(wide.countDecays(atoms, limit, isa), generic.countDecays(atoms, limit, DecayDraws::Isa::Generic))
                << atoms;
        }
    }
}

// The fraction of draws below p is binomial: 5 standard deviations bound it for honest draws.
TEST(DecayDraws, DrawsAreUniform)
{
    DecayDraws draws(2024);
    constexpr int kAtoms = 32000;
    constexpr int kCalls = 100;
    for (float p : {0.01f, 0.25f, 0.5f, 0.9f}) {
        long long total = 0;
        for (int i = 0; i < kCalls; ++i)
            total += draws.countDecays(kAtoms, DecayDraws::drawLimit(p));
        const double n = double(kAtoms) * kCalls;
        const double sd = std::sqrt(n * p * (1 - p));
        EXPECT_LT(std::fabs(double(total) - n * p), 5 * sd) << p;
    }
}

TEST(DecayDraws, CountsOnlyTheAtomsAsked)
{
    DecayDraws draws(5);
    const auto all = DecayDraws::drawLimit(1.0f);
    for (int atoms : {-4, 0, 1, 17, 32, 33, 32767})
        EXPECT_EQ(draws.countDecays(atoms, all), std::max(atoms, 0));
}

} // namespace
