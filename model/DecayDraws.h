#pragma once

#include <array>
#include <cstdint>

namespace decay {

// Uniform single-precision draws u = k / 2^24, k uniform in 0..2^24-1, from 32 interleaved
// xoshiro128+ generators (the top 24 bits of each output). The draws of one call are taken a
// block of 32 at a time, one per generator, so the vector units work on independent streams;
// the unused draws of a call's last block are discarded.
class DecayDraws {
public:
    static constexpr int kLanes = 32;

    // Instruction sets the counting loop is compiled for; the fastest one the processor
    // supports is chosen at run time, and every one gives the same draws.
    enum class Isa { Generic, Avx2, Avx512 };

    explicit DecayDraws(std::uint64_t seed);

    // Draws `atoms` numbers and counts those with u <= p, for the `limit` of drawLimit(p).
    std::int32_t countDecays(std::int32_t atoms, std::uint32_t limit);
    std::int32_t countDecays(std::int32_t atoms, std::uint32_t limit, Isa isa);

    static bool supported(Isa isa);

    // Number of 24-bit draws k with k / 2^24 <= p, that is floor(p * 2^24) + 1 clamped to
    // 0..2^24: u <= p in single precision becomes k < limit on integers.
    static std::uint32_t drawLimit(float p);

private:
    alignas(64) std::array<std::uint32_t, 4 * kLanes> m_state; // word w of lane l at w * kLanes + l
};

namespace kernels {
// Counting loops, one per instruction set (DecayDraws*.cpp), all on the state layout above.
std::int32_t countDecaysGeneric(std::uint32_t* state, std::int32_t atoms, std::uint32_t limit);
std::int32_t countDecaysAvx2(std::uint32_t* state, std::int32_t atoms, std::uint32_t limit);
std::int32_t countDecaysAvx512(std::uint32_t* state, std::int32_t atoms, std::uint32_t limit);
} // namespace kernels

} // namespace decay
