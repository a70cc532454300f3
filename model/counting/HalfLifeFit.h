#pragma once

#include "model/nuclides/Chain.h"
#include "Counter.h"
#include "DeadTime.h"
#include "model/common/Message.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// Counts to fit, with what the background brings to each interval: the background rate times
// the interval's exposure to it. Times are in any one unit; the half-life comes out in it.
struct FitData {
    std::vector<CountInterval> intervals;
    std::vector<double> exposure; // per interval; its length, for a counter's own counts
    double backgroundRate = 0;
    // The measurement the rate comes from, so that its uncertainty enters the fit (one count's
    // worth when it counted none, as BackgroundMeasurement::sigma says); with no time, the rate is
    // taken as known.
    std::int64_t backgroundCounts = 0;
    double backgroundTime = 0;
    // The counter's dead time, in the data's unit of time: each interval expects what the counter
    // records of the events the model brings, at their mean rate over the interval.
    DeadTime deadTime;

    // The background counts expected in interval k: the rate times the interval's exposure.
    double background(std::size_t k) const { return backgroundRate * exposure[k]; }
    // One standard deviation of the background rate: that of its measurement, 0 with none.
    double backgroundRateSigma() const;
};
// A counter's intervals with the background measured for them, and the counter's dead time.
FitData countedData(const std::vector<CountInterval>& intervals, const BackgroundMeasurement& background,
                    const DeadTime& deadTime = {});

enum class FitMethod { PoissonLikelihood, WeightedLeastSquares };
// The method's name, which the window shows beside the result.
std::string_view methodName(FitMethod method);

// What the sample is taken to be: one nuclide; two independent ones, both half-lives fitted; or
// the chain that was counted, whose counted members' decays come from the exact solution with the
// first member's half-life fitted and the others the table's, so that ingrowth fits too.
enum class FitShape { OneNuclide, TwoNuclides, Chain };
std::string_view shapeName(FitShape shape);
struct FitModel {
    FitShape shape = FitShape::OneNuclide;
    // For the chain: the counted members' decays in every interval, per atom of the sample at the
    // start, for a first half-life in the data's unit of time; and that half-life from the table,
    // where the search starts.
    std::function<std::vector<double>(double firstHalfLife)> chainDecays;
    double tableHalfLife = 0;
};

// The chain model for counts of the `counted` members of a run of `chain` from `initial` atoms, in
// contiguous intervals in seconds from the run's start (the counter's own); decays per atom of the
// start, the first half-life the table's. For intervals with gaps, chainDecays gives nothing.
FitModel chainModel(const Chain& chain, std::span<const double> initial, const std::vector<bool>& counted,
                    const std::vector<CountInterval>& intervals);

struct HalfLifeFit {
    FitMethod method = FitMethod::PoissonLikelihood;
    FitShape shape = FitShape::OneNuclide;
    double halfLife = 0; // NaN when there is no fit, which `note` then explains; the shorter of two
    double sigma = 0;    // one standard deviation of the half-life
    double secondHalfLife = 0; // the longer of two nuclides; NaN for the other shapes
    double secondSigma = 0;
    double netRate = 0;  // the sample's count rate at the start of the first interval
    std::vector<double> expected;  // counts the fit expects in every interval, background included
    std::vector<double> residuals; // (counts - expected) in standard deviations; NaN where not fitted
    Message note;                  // what was left out, or why there is no fit; empty otherwise
    // How well the fit fits: Pearson's chi-square for least squares, the deviance for the
    // likelihood, over the intervals and the background measurement; NaN with no fit.
    double chiSquare = 0;
    int degreesOfFreedom = 0; // the intervals less the half-lives and the amplitudes
    double pValue = 0;        // the chance of a chi-square as large if the model is right

    bool fitted() const;
    double reducedChiSquare() const { return chiSquare / degreesOfFreedom; }
};

// Poisson maximum likelihood: counts_k ~ Poisson(b e_k + S * integral of e^(-lambda t) over the
// interval), with b constrained by its own measurement; the uncertainty is that of the expected
// (Fisher) information, which includes the background's. Intervals with no or negative net counts
// take part like all others.
HalfLifeFit fitPoissonLikelihood(const FitData& data);

// Least squares on the counts themselves: each interval's expectation is the same integral as the
// likelihood's, each weighted by 1 / expected counts, the weights taken again from every
// iteration's expectation; the background enters through its measurement as one more datum of
// its own standard deviation. Every interval takes part, those with no net counts too.
HalfLifeFit fitWeightedLeastSquares(const FitData& data);

// Either method with any shape; the two above fit one nuclide.
HalfLifeFit fitHalfLives(const FitData& data, FitMethod method, const FitModel& model);

} // namespace decay
