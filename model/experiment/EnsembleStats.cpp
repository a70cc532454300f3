#include "EnsembleStats.h"

#include "model/common/NaN.h"
#include "model/random/DecayDraws.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace decay {

double halvingTime(std::span<const std::int16_t> counts)
{
    const double half = counts.empty() ? 0 : counts[0] / 2.0;
    for (std::size_t t = 1; t < counts.size(); ++t)
        if (counts[t] <= half) {
            const double before = counts[t - 1];
            return static_cast<double>(t - 1) + (before - half) / (before - counts[t]);
        }
    return kNaN;
}

double drawProbability(double rate)
{
    return std::ldexp(static_cast<double>(DecayDraws::drawLimit(static_cast<float>(rate))), -24);
}

EnsembleStats ensembleStats(const Ensemble& ensemble)
{
    const EnsembleParams& p = ensemble.params;
    const auto steps = static_cast<std::size_t>(ensemble.steps());
    const auto runs = static_cast<std::size_t>(p.runs);
    const double N0 = p.atoms;
    EnsembleStats s;
    s.q = drawProbability(p.rate);

    // Counts are whole numbers below 2^15, so these sums stay exact in double precision.
    std::vector<double> sum(steps), squares(steps);
    // ln of every count a run can have, looked up instead of computed for each of up to 3 million counts.
    std::vector<double> ln(static_cast<std::size_t>(p.atoms) + 1, kNaN);
    for (std::size_t k = 1; k < ln.size(); ++k)
        ln[k] = std::log(static_cast<double>(k));
    s.halvingTimes.resize(runs);
    s.slopes.resize(runs);
    s.slopeHalfLives.resize(runs);
    s.intercepts.resize(runs);
    for (std::size_t i = 0; i < runs; ++i) {
        const auto run = ensemble.run(static_cast<int>(i));
        LineFit fit;
        for (std::size_t t = 0; t < steps; ++t) {
            const double n = run[t];
            sum[t] += n;
            squares[t] += n * n;
            if (run[t] > 0)
                fit.add(static_cast<double>(t), ln[static_cast<std::size_t>(run[t])]);
        }
        s.halvingTimes[i] = halvingTime(run);
        s.slopes[i] = fit.slope();
        s.intercepts[i] = fit.intercept();
        s.slopeHalfLives[i] = s.slopes[i] < 0 ? std::numbers::ln2 / -s.slopes[i] : kNaN;
    }

    s.mean.resize(steps);
    s.sd.resize(steps);
    s.expectation.resize(steps);
    s.binomialSd.resize(steps);
    s.continuous.resize(steps);
    for (std::size_t t = 0; t < steps; ++t) {
        const double n = static_cast<double>(runs);
        s.mean[t] = sum[t] / n;
        s.sd[t] = runs > 1 ? std::sqrt(std::max(squares[t] - sum[t] * sum[t] / n, 0.0) / (n - 1)) : 0;
        const double survive = std::pow(1 - s.q, static_cast<double>(t));
        s.expectation[t] = N0 * survive;
        s.binomialSd[t] = std::sqrt(N0 * survive * (1 - survive));
        s.continuous[t] = N0 * std::exp(-p.rate * static_cast<double>(t));
    }
    s.halving = spread(s.halvingTimes);
    s.slopeHalfLife = spread(s.slopeHalfLives);
    s.meanSlope = spread(s.slopes).mean;
    s.meanIntercept = spread(s.intercepts).mean;
    s.continuousHalfLife = std::numbers::ln2 / p.rate;
    s.discreteHalfLife = std::numbers::ln2 / -std::log1p(-s.q);
    return s;
}

std::vector<double> logarithms(std::span<const double> values)
{
    std::vector<double> result(values.size());
    std::transform(values.begin(), values.end(), result.begin(), [](double v) { return v > 0 ? std::log(v) : kNaN; });
    return result;
}

} // namespace decay
