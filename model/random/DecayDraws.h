#pragma once

#include <array>
#include <cstdint>

// The processor family with the AVX2 and AVX-512 counting loops.
#if defined(__x86_64__) || defined(__i386__)
#define ATOMDRIFT_X86 1
#else
#define ATOMDRIFT_X86 0
#endif

namespace decay {

// Uniform single-precision draws u = k / 2^24, k uniform in 0..2^24-1, from kLanes independent
// xoshiro128+ generators, each seeded from splitmix64. A draw k is the top 24 bits of one 32-bit
// output, o >> 8: the lowest bits of xoshiro128+ are weak (its lowest four have a low linear
// complexity, bit 0 is a linear function of the state), the upper ones pass every test its
// authors know of, and they recommend them for single-precision numbers. A round of a generator
// is four outputs, four draws. A call of n draws runs n / kBlock rounds of every generator; the
// n % kBlock draws left go four to a generator from generator 0 up, and the draws of a last round
// that are not needed are discarded. In a call of whole rounds, round r of generator l gives the
// draws r * kBlock + 4 l to r * kBlock + 4 l + 3. Since the generators are independent, the
// vector units may run them in whatever order and grouping suits them.
class DecayDraws {
public:
    static constexpr int kLanes = 96;
    static constexpr int kBlock = 4 * kLanes; // draws of one round of every generator

    // Instruction sets the counting loop is compiled for; on x86 the fastest one the processor
    // supports is chosen at run time, elsewhere only Generic is supported. Every one gives the
    // same draws.
    enum class Isa { Generic, Avx2, Avx512 };

    explicit DecayDraws(std::uint64_t seed);

    // Draws `atoms` numbers and counts those with u <= p, for the `limit` of drawLimit(p).
    std::int32_t countDecays(std::int32_t atoms, std::uint32_t limit);
    std::int32_t countDecays(std::int32_t atoms, std::uint32_t limit, Isa isa);

    static bool supported(Isa isa);

    // The loop that countDecays(atoms, limit) uses, in every thread: the fastest supported one
    // unless prefer() chose another, which benchmarks do to set the loops side by side. prefer()
    // keeps the choice and returns false for an instruction set the processor lacks.
    static Isa preferred();
    static bool prefer(Isa isa);

    // The four draws k of the next round of generator `lane` (0..kLanes-1) alone, in the order
    // above, for outside test batteries; the other generators keep their state.
    std::array<std::uint32_t, 4> nextRound(int lane);

    // Number of 24-bit draws k with k / 2^24 <= p, that is floor(p * 2^24) + 1 clamped to
    // 0..2^24: u <= p in single precision becomes k < limit on integers.
    static std::uint32_t drawLimit(float p);

private:
    alignas(64) std::array<std::uint32_t, 4 * kLanes> m_state; // word w of lane l at w * kLanes + l
};

namespace kernels {
// Counting loops, one per instruction set (DecayDraws*.cpp), all on the state layout above. Each
// counts the draws k, held in the top 24 bits of a 32-bit word w, with w <= bound.
std::int32_t countDecaysGeneric(std::uint32_t* state, std::int32_t atoms, std::uint32_t bound);
#if ATOMDRIFT_X86
std::int32_t countDecaysAvx2(std::uint32_t* state, std::int32_t atoms, std::uint32_t bound);
std::int32_t countDecaysAvx512(std::uint32_t* state, std::int32_t atoms, std::uint32_t bound);
#endif
} // namespace kernels

} // namespace decay
