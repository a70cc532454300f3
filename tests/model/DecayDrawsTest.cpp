#include "model/DecayDraws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using decay::DecayDraws;

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

// Every instruction set walks the same 32 streams and counts only the atoms asked for, so a seed
// gives the same counts everywhere, whatever the block remainder.
TEST(DecayDraws, InstructionSetsAgree)
{
    for (auto isa : {DecayDraws::Isa::Generic, DecayDraws::Isa::Avx2, DecayDraws::Isa::Avx512}) {
        if (!DecayDraws::supported(isa))
            continue;
        DecayDraws reference(99);
        DecayDraws draws(99);
        for (int atoms : {1, 31, 32, 33, 95, 1000, 32767, 0, -4, 5}) {
            EXPECT_EQ(draws.countDecays(atoms, 1u << 24, isa), std::max(atoms, 0));
            EXPECT_EQ(reference.countDecays(atoms, 1u << 24, DecayDraws::Isa::Generic), std::max(atoms, 0));
            const auto limit = DecayDraws::drawLimit(0.37f);
            ASSERT_EQ(draws.countDecays(atoms, limit, isa), reference.countDecays(atoms, limit, DecayDraws::Isa::Generic))
                << atoms;
        }
    }
}

} // namespace
