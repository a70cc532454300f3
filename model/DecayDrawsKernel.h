#pragma once
// The counting loop, compiled once per instruction set: each DecayDraws*.cpp includes this with
// its own target flags. The unnamed namespace keeps each copy private to its file, so the linker
// never merges a wide-vector copy into code meant for older processors.

#include <cstdint>
#include <cstring>

namespace decay {
namespace {

// GCC vector types of Width 32-bit lanes; the compiler maps them to the file's instruction set.
template <int Width>
struct Vec;
template <>
struct Vec<4> {
    typedef std::uint32_t U32 __attribute__((vector_size(16)));
    typedef std::int32_t I32 __attribute__((vector_size(16)));
};
template <>
struct Vec<8> {
    typedef std::uint32_t U32 __attribute__((vector_size(32)));
    typedef std::int32_t I32 __attribute__((vector_size(32)));
};
template <>
struct Vec<16> {
    typedef std::uint32_t U32 __attribute__((vector_size(64)));
    typedef std::int32_t I32 __attribute__((vector_size(64)));
};

// xoshiro128+ on Width lanes at once; returns the 24-bit draw of each lane.
template <int Width>
inline typename Vec<Width>::U32 nextDraws(typename Vec<Width>::U32& s0, typename Vec<Width>::U32& s1,
                                          typename Vec<Width>::U32& s2, typename Vec<Width>::U32& s3)
{
    const auto result = s0 + s3;
    const auto shifted = s1 << 9;
    s2 ^= s0;
    s3 ^= s1;
    s1 ^= s2;
    s0 ^= s3;
    s2 ^= shifted;
    s3 = (s3 << 11) | (s3 >> 21);
    return result >> 8;
}

template <int Width>
std::int32_t countDecaysKernel(std::uint32_t* state, std::int32_t atoms, std::uint32_t limit)
{
    constexpr int kLanes = 32;
    constexpr int kStreams = kLanes / Width;
    using U32 = typename Vec<Width>::U32;
    using I32 = typename Vec<Width>::I32;

    U32 s0[kStreams], s1[kStreams], s2[kStreams], s3[kStreams];
    for (int i = 0; i < kStreams; ++i) {
        std::memcpy(&s0[i], state + 0 * kLanes + i * Width, sizeof(U32));
        std::memcpy(&s1[i], state + 1 * kLanes + i * Width, sizeof(U32));
        std::memcpy(&s2[i], state + 2 * kLanes + i * Width, sizeof(U32));
        std::memcpy(&s3[i], state + 3 * kLanes + i * Width, sizeof(U32));
    }
    const U32 bound = U32{} + limit;
    I32 decays[kStreams] = {};

    // The comparison yields -1 in every lane whose draw is below the limit.
    for (std::int32_t block = atoms / kLanes; block > 0; --block)
        for (int i = 0; i < kStreams; ++i)
            decays[i] -= nextDraws<Width>(s0[i], s1[i], s2[i], s3[i]) < bound;

    const std::int32_t rest = atoms % kLanes;
    if (rest > 0) {
        U32 lane;
        for (int j = 0; j < Width; ++j)
            lane[j] = static_cast<std::uint32_t>(j);
        for (int i = 0; i < kStreams; ++i) {
            const I32 used = lane + static_cast<std::uint32_t>(i * Width) < U32{} + static_cast<std::uint32_t>(rest);
            decays[i] -= (nextDraws<Width>(s0[i], s1[i], s2[i], s3[i]) < bound) & used;
        }
    }

    for (int i = 0; i < kStreams; ++i) {
        std::memcpy(state + 0 * kLanes + i * Width, &s0[i], sizeof(U32));
        std::memcpy(state + 1 * kLanes + i * Width, &s1[i], sizeof(U32));
        std::memcpy(state + 2 * kLanes + i * Width, &s2[i], sizeof(U32));
        std::memcpy(state + 3 * kLanes + i * Width, &s3[i], sizeof(U32));
    }
    std::int32_t total = 0;
    for (int i = 0; i < kStreams; ++i)
        for (int j = 0; j < Width; ++j)
            total += decays[i][j];
    return total;
}

} // namespace
} // namespace decay
