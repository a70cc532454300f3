#pragma once

namespace decay {

// One step of xoshiro128+ 1.0 (Blackman and Vigna, "Scrambled linear pseudorandom number
// generators", ACM Trans. Math. Softw. 47(4), 2021): returns the output s0 + s3 and moves the state
// on. U32 is a 32-bit word or a GCC vector of them, so scalar and vector code share one definition.
template <class U32>
inline U32 xoshiro128Plus(U32& s0, U32& s1, U32& s2, U32& s3)
{
    const U32 result = s0 + s3;
    const U32 shifted = s1 << 9;
    s2 ^= s0;
    s3 ^= s1;
    s1 ^= s2;
    s0 ^= s3;
    s2 ^= shifted;
    s3 = (s3 << 11) | (s3 >> 21);
    return result;
}

} // namespace decay
