#include "DecayDraws.h"
#include "DecayDrawsKernel.h"

#include <immintrin.h>

namespace decay::kernels {
namespace {

constexpr int kChains = 6; // enough independent generators to hide the xor chain's latency
constexpr int kXor3 = 0x96; // ternary-logic truth table of a ^ b ^ c

struct Chain {
    __m512i s0, s1, s2, s3;
};

// One xoshiro128+ step of 16 lanes, the two three-input xors as one instruction each.
inline __m512i next(Chain& c)
{
    const __m512i result = _mm512_add_epi32(c.s0, c.s3);
    const __m512i t = _mm512_xor_si512(c.s3, c.s1);
    const __m512i s1 = _mm512_ternarylogic_epi32(c.s1, c.s2, c.s0, kXor3);
    const __m512i s2 = _mm512_ternarylogic_epi32(c.s2, c.s0, _mm512_slli_epi32(c.s1, 9), kXor3);
    c.s0 = _mm512_xor_si512(c.s0, t);
    c.s1 = s1;
    c.s2 = s2;
    c.s3 = _mm512_rol_epi32(t, 11);
    return result;
}

} // namespace

std::int32_t countDecaysAvx512(std::uint32_t* state, std::int32_t atoms, std::uint32_t bound)
{
    static_assert(DecayDraws::kLanes % (16 * kChains) == 0);
    const __m512i limit = _mm512_set1_epi32(static_cast<int>(bound));
    const std::int32_t blocks = atoms / DecayDraws::kBlock;
    std::uint64_t total = 0;
    for (int group = 0; group < DecayDraws::kLanes; group += 16 * kChains) {
        Chain c[kChains];
#pragma GCC unroll 8
        for (int i = 0; i < kChains; ++i) {
            const std::uint32_t* lanes = state + group + 16 * i;
            c[i] = {_mm512_loadu_si512(lanes), _mm512_loadu_si512(lanes + kLanes), _mm512_loadu_si512(lanes + 2 * kLanes),
                    _mm512_loadu_si512(lanes + 3 * kLanes)};
        }
        for (std::int32_t block = 0; block < blocks; ++block) {
#pragma GCC unroll 8
            for (int i = 0; i < kChains; ++i) {
                const __mmask16 m0 = _mm512_cmple_epu32_mask(next(c[i]), limit);
                const __mmask16 m1 = _mm512_cmple_epu32_mask(next(c[i]), limit);
                const __mmask16 m2 = _mm512_cmple_epu32_mask(next(c[i]), limit);
                const __mmask16 m3 = _mm512_cmple_epu32_mask(next(c[i]), limit);
                total += static_cast<std::uint64_t>(__builtin_popcount(_cvtmask16_u32(m0)) + __builtin_popcount(_cvtmask16_u32(m1))
                                                    + __builtin_popcount(_cvtmask16_u32(m2)) + __builtin_popcount(_cvtmask16_u32(m3)));
            }
        }
#pragma GCC unroll 8
        for (int i = 0; i < kChains; ++i) {
            std::uint32_t* lanes = state + group + 16 * i;
            _mm512_storeu_si512(lanes, c[i].s0);
            _mm512_storeu_si512(lanes + kLanes, c[i].s1);
            _mm512_storeu_si512(lanes + 2 * kLanes, c[i].s2);
            _mm512_storeu_si512(lanes + 3 * kLanes, c[i].s3);
        }
    }
    return static_cast<std::int32_t>(total) + countRest<16>(state, atoms % DecayDraws::kBlock, bound);
}

} // namespace decay::kernels
