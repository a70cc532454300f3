#pragma once

#include "Ensemble.h"

#include "model/common/Statistics.h"

#include <span>
#include <vector>

namespace decay {

// Where a count first falls to half the initial count or below, interpolated linearly between the
// two steps around it; NaN when it never does.
double halvingTime(std::span<const std::int16_t> counts);

// The probability that a single-precision draw k / 2^24 is <= p: the number of such draws over 2^24.
double drawProbability(double rate);

// What the class found, beside the theory.
struct EnsembleStats {
    double q = 0;                          // exact decay probability of one draw
    std::vector<double> mean, sd;          // class mean and standard deviation at each step
    std::vector<double> expectation;       // N0 (1 - q)^t, the mean of the discrete process
    std::vector<double> binomialSd;        // sqrt(N0 s (1 - s)), s = (1 - q)^t
    std::vector<double> continuous;        // N0 e^(-r t)
    std::vector<double> halvingTimes;      // per run, NaN where N0/2 was not reached
    std::vector<double> slopes;            // per run, least-squares slope of ln N over N > 0
    std::vector<double> slopeHalfLives;    // per run, ln 2 / -slope; NaN where the slope is not negative
    std::vector<double> intercepts;        // per run, of the same fit
    Spread halving, slopeHalfLife;
    double meanSlope = 0, meanIntercept = 0; // over the runs with a fit: the class's line of ln N
    double continuousHalfLife = 0;         // ln 2 / r
    double discreteHalfLife = 0;           // ln 2 / -ln(1 - q)
};
EnsembleStats ensembleStats(const Ensemble& ensemble);

// ln of each value, NaN for values that have none.
std::vector<double> logarithms(std::span<const double> values);

} // namespace decay
