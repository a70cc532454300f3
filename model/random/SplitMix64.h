#pragma once

#include <cstdint>

namespace decay {

// splitmix64 (Steele, Lea and Flood, "Fast splittable pseudorandom number generators", OOPSLA
// 2014): a Weyl sequence of step kSplitMixGamma, each value mixed to 64 well-spread bits. It turns
// one seed into unrelated seeds and generator states.
inline constexpr std::uint64_t kSplitMixGamma = 0x9E3779B97F4A7C15ULL;

// Moves `state` one step on and returns its mixed value.
inline std::uint64_t splitMix64(std::uint64_t& state)
{
    std::uint64_t z = (state += kSplitMixGamma);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace decay
