#pragma once

#include <cstdint>

namespace decay {

class DecayDraws;
class StagedDraw;

// The counter's random numbers, all from the program's generator. One call of countDecays for a
// single atom with the limit 2^23 is a fair coin; a uniform number is made of 32 of them.

// Uniform in (0, 1): 32 fair bits and half a unit of the last, so never 0 or 1.
double uniformDraw(DecayDraws& draws);

// The most counts a Poisson draw may be asked to expect; a counter would not get near it.
inline constexpr double kMostMeanCount = 1e15;

// A Poisson number of mean `mean` (0 when the mean is not above 0; at most kMostMeanCount): by
// inversion below a mean of 10, by Hoermann's transformed rejection (PTRS) from there.
std::int64_t poissonDraw(DecayDraws& draws, double mean);

// How many of `events` pass a staged probability: binomial thinning of any number of events.
std::int64_t thinnedDraw(DecayDraws& draws, const StagedDraw& pass, std::int64_t events);

} // namespace decay
