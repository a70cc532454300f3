#pragma once
// The counting loop, compiled once per instruction set: each DecayDraws*.cpp includes this with
// its own target flags. The unnamed namespace keeps each copy private to its file, so the linker
// never merges a wide-vector copy into code meant for older processors.

#include "DecayDraws.h"
#include "Xoshiro128Plus.h"

#include <cstdint>
#include <cstring>

namespace decay {
namespace {

constexpr int kLanes = DecayDraws::kLanes;
constexpr int kBlock = DecayDraws::kBlock;

// GCC vector types of Width 32-bit lanes; the compiler maps them to the file's instruction set.
template <int Width>
struct Vec {
    typedef std::uint32_t U32 __attribute__((vector_size(4 * Width)));
    typedef std::int32_t I32 __attribute__((vector_size(4 * Width)));
};

// The four state words of Width neighbouring lanes.
template <int Width>
struct Streams {
    using U32 = typename Vec<Width>::U32;
    U32 s0, s1, s2, s3;

    void load(const std::uint32_t* state, int lane)
    {
        std::memcpy(&s0, state + 0 * kLanes + lane, sizeof(U32));
        std::memcpy(&s1, state + 1 * kLanes + lane, sizeof(U32));
        std::memcpy(&s2, state + 2 * kLanes + lane, sizeof(U32));
        std::memcpy(&s3, state + 3 * kLanes + lane, sizeof(U32));
    }

    void store(std::uint32_t* state, int lane) const
    {
        std::memcpy(state + 0 * kLanes + lane, &s0, sizeof(U32));
        std::memcpy(state + 1 * kLanes + lane, &s1, sizeof(U32));
        std::memcpy(state + 2 * kLanes + lane, &s2, sizeof(U32));
        std::memcpy(state + 3 * kLanes + lane, &s3, sizeof(U32));
    }

    U32 next() { return xoshiro128Plus(s0, s1, s2, s3); }
};

// Counts, in each lane, the draws of one round that are at most `bound`.
template <int Width>
inline typename Vec<Width>::I32 countRound(Streams<Width>& s, typename Vec<Width>::U32 bound)
{
    using I32 = typename Vec<Width>::I32;
    const auto o0 = s.next();
    const auto o1 = s.next();
    const auto o2 = s.next();
    const auto o3 = s.next();
    // A comparison gives -1 in every lane where it holds.
    return -((I32)(o0 <= bound) + (I32)(o1 <= bound) + (I32)(o2 <= bound) + (I32)(o3 <= bound));
}

// The draws after the last full block: four to a lane from lane 0 up, the last lane's round used
// perhaps only in part; the lanes beyond keep their state.
template <int Width>
std::int32_t countRest(std::uint32_t* state, std::int32_t rest, std::uint32_t bound)
{
    using U32 = typename Vec<Width>::U32;
    using I32 = typename Vec<Width>::I32;
    I32 lane;
    for (int j = 0; j < Width; ++j)
        lane[j] = j;
    const U32 limit = U32{} + bound;
    I32 decays = {};
    for (int first = 0; 4 * first < rest; first += Width) {
        Streams<Width> s;
        s.load(state, first);
        const Streams<Width> before = s;
        const I32 used = (I32{} + (rest - 4 * first)) - 4 * lane; // draws this lane gives, where below 4
        for (int draw = 0; draw < 4; ++draw)
            decays -= (I32)(s.next() <= limit) & (used > draw);
        const auto keep = used <= 0;
        s.s0 = keep ? before.s0 : s.s0;
        s.s1 = keep ? before.s1 : s.s1;
        s.s2 = keep ? before.s2 : s.s2;
        s.s3 = keep ? before.s3 : s.s3;
        s.store(state, first);
    }
    std::int32_t total = 0;
    for (int j = 0; j < Width; ++j)
        total += decays[j];
    return total;
}

// Counts the draws of `atoms` atoms that are at most `bound`. The lanes are independent streams,
// so Chains vectors of Width lanes at a time run all full blocks, which keeps that many
// independent dependency chains in flight, before the next lanes start.
template <int Width, int Chains>
std::int32_t countDecaysKernel(std::uint32_t* state, std::int32_t atoms, std::uint32_t bound)
{
    static_assert(kLanes % (Width * Chains) == 0);
    using I32 = typename Vec<Width>::I32;
    const auto limit = typename Vec<Width>::U32{} + bound;
    const std::int32_t blocks = atoms / kBlock;
    std::int32_t total = 0;
    for (int group = 0; group < kLanes; group += Width * Chains) {
        Streams<Width> s[Chains];
        I32 decays[Chains] = {};
#pragma GCC unroll 8
        for (int c = 0; c < Chains; ++c)
            s[c].load(state, group + c * Width);
        for (std::int32_t block = 0; block < blocks; ++block)
#pragma GCC unroll 8
            for (int c = 0; c < Chains; ++c)
                decays[c] += countRound(s[c], limit);
#pragma GCC unroll 8
        for (int c = 0; c < Chains; ++c) {
            s[c].store(state, group + c * Width);
            for (int j = 0; j < Width; ++j)
                total += decays[c][j];
        }
    }
    return total + countRest<Width>(state, atoms % kBlock, bound);
}

} // namespace
} // namespace decay
