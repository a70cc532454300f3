#include "DecayDraws.h"

#include "SplitMix64.h"
#include "Xoshiro128Plus.h"

#include <atomic>
#include <cmath>

namespace decay {
namespace {

using Kernel = std::int32_t (*)(std::uint32_t*, std::int32_t, std::uint32_t);

// The wide-vector loops exist on x86 only; elsewhere the compiler vectorises the generic loop for
// the target's own vector unit (NEON, wasm SIMD), and an Isa that is not supported falls back to it.
Kernel kernelFor(DecayDraws::Isa isa)
{
#if ATOMDRIFT_X86
    switch (isa) {
    case DecayDraws::Isa::Avx512: return kernels::countDecaysAvx512;
    case DecayDraws::Isa::Avx2: return kernels::countDecaysAvx2;
    case DecayDraws::Isa::Generic: break;
    }
#else
    (void)isa;
#endif
    return kernels::countDecaysGeneric;
}

DecayDraws::Isa bestIsa()
{
    if (DecayDraws::supported(DecayDraws::Isa::Avx512))
        return DecayDraws::Isa::Avx512;
    if (DecayDraws::supported(DecayDraws::Isa::Avx2))
        return DecayDraws::Isa::Avx2;
    return DecayDraws::Isa::Generic;
}

// A draw k sits in the top 24 bits of a 32-bit word w, so k < limit becomes w <= limit * 2^8 - 1
// (2^32 - 1 for the limit 2^24). A limit of 0 counts nothing, yet the draws are still made, so
// the generators advance alike whatever the rate.
std::int32_t count(Kernel kernel, std::uint32_t* state, std::int32_t atoms, std::uint32_t limit)
{
    if (atoms <= 0)
        return 0;
    const std::int32_t decays = kernel(state, atoms, (limit << 8) - 1);
    return limit == 0 ? 0 : decays;
}

std::atomic<DecayDraws::Isa>& chosenIsa()
{
    static std::atomic<DecayDraws::Isa> isa{bestIsa()};
    return isa;
}

} // namespace

DecayDraws::DecayDraws(std::uint64_t seed)
{
    for (int lane = 0; lane < kLanes; ++lane) {
        std::uint32_t any = 0;
        for (int word = 0; word < 4; ++word) {
            const auto value = static_cast<std::uint32_t>(splitMix64(seed) >> 32);
            m_state[static_cast<std::size_t>(word * kLanes + lane)] = value;
            any |= value;
        }
        if (any == 0) // the all-zero state would only ever give zeros
            m_state[static_cast<std::size_t>(lane)] = 1;
    }
}

bool DecayDraws::supported(Isa isa)
{
    switch (isa) {
#if ATOMDRIFT_X86
    case Isa::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("popcnt");
    case Isa::Avx2: return __builtin_cpu_supports("avx2");
#else
    case Isa::Avx512:
    case Isa::Avx2: return false;
#endif
    case Isa::Generic: break;
    }
    return true;
}

DecayDraws::Isa DecayDraws::preferred()
{
    return chosenIsa().load(std::memory_order_relaxed);
}

bool DecayDraws::prefer(Isa isa)
{
    if (!supported(isa))
        return false;
    chosenIsa().store(isa, std::memory_order_relaxed);
    return true;
}

std::int32_t DecayDraws::countDecays(std::int32_t atoms, std::uint32_t limit)
{
    return count(kernelFor(preferred()), m_state.data(), atoms, limit);
}

std::int32_t DecayDraws::countDecays(std::int32_t atoms, std::uint32_t limit, Isa isa)
{
    return count(kernelFor(isa), m_state.data(), atoms, limit);
}

std::array<std::uint32_t, 4> DecayDraws::nextRound(int lane)
{
    auto word = [&](int w) -> std::uint32_t& { return m_state[static_cast<std::size_t>(w * kLanes + lane)]; };
    std::array<std::uint32_t, 4> k;
    for (auto& draw : k)
        draw = xoshiro128Plus(word(0), word(1), word(2), word(3)) >> 8;
    return k;
}

std::uint32_t DecayDraws::drawLimit(float p)
{
    constexpr double kDraws = 16777216.0; // 2^24
    if (!(p >= 0.0f))
        return 0;
    if (p >= 1.0f)
        return static_cast<std::uint32_t>(kDraws);
    // p * 2^24 is exact: scaling by a power of two keeps every bit of a float.
    return static_cast<std::uint32_t>(std::floor(static_cast<double>(p) * kDraws)) + 1;
}

} // namespace decay
