#pragma once

#include <cstdint>

namespace decay {

class DecayDraws;

// The counter's random numbers, all from the program's generator. One call of countDecays for a
// single atom with the limit 2^23 is a fair coin; a uniform number is made of 32 of them.

// Uniform in (0, 1): 32 fair bits and half a unit of the last, so never 0 or 1.
double uniformDraw(DecayDraws& draws);

// The most counts a Poisson draw may be asked to expect, and a counter to record in a run: a tenth
// of the largest 64-bit count, so that no sum of counts can overflow.
inline constexpr double kMostMeanCount = 1e18;

// A Poisson number of mean `mean` (0 when the mean is not above 0; at most kMostMeanCount): by
// inversion below a mean of 10, by Hoermann's transformed rejection (PTRS) from there.
std::int64_t poissonDraw(DecayDraws& draws, double mean);

// A binomial number of `trials` (a whole number, up to 2^53 exactly and beyond to the precision of
// a double) each passing with `p`, whose complement `notP` is given exactly: by inversion below
// ten expected of the rarer outcome, by Hoermann's transformed rejection with decomposition (BTRD)
// from there, drawn for the rarer outcome so that a probability near 1 keeps its accuracy.
double binomialDraw(DecayDraws& draws, double trials, double p, double notP);

} // namespace decay
