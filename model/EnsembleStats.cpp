#include "EnsembleStats.h"

#include "DecayDraws.h"
#include "NaN.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace decay {

void LineFit::add(double x, double y, double weight)
{
    ++m_n;
    m_sw += weight;
    m_sx += weight * x;
    m_sy += weight * y;
    m_sxx += weight * x * x;
    m_sxy += weight * x * y;
}

double LineFit::spreadX() const
{
    const double spread = m_sw * m_sxx - m_sx * m_sx;
    return m_n >= 2 && spread > 0 ? spread : kNaN;
}

double LineFit::slope() const
{
    return (m_sw * m_sxy - m_sx * m_sy) / spreadX();
}

double LineFit::intercept() const
{
    return (m_sy - slope() * m_sx) / m_sw;
}

double LineFit::slopeVariance() const
{
    return m_sw / spreadX();
}

Spread spread(std::span<const double> values)
{
    Spread s;
    double sum = 0;
    for (double v : values)
        if (std::isfinite(v)) {
            sum += v;
            ++s.count;
        }
    if (s.count == 0)
        return {.mean = kNaN, .sd = kNaN};
    s.mean = sum / s.count;
    double squares = 0;
    for (double v : values)
        if (std::isfinite(v))
            squares += (v - s.mean) * (v - s.mean);
    s.sd = s.count > 1 ? std::sqrt(squares / (s.count - 1)) : 0;
    return s;
}

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

Histogram histogram(std::span<const double> values)
{
    double low = std::numeric_limits<double>::infinity(), high = -low;
    int finite = 0;
    for (double v : values)
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
            ++finite;
        }
    Histogram h;
    if (finite == 0)
        return h;
    const int bins = std::clamp(static_cast<int>(std::ceil(std::sqrt(finite))), 5, 25);
    h.low = low;
    h.width = high > low ? (high - low) / bins : 1;
    h.counts.assign(static_cast<std::size_t>(bins), 0);
    for (double v : values)
        if (std::isfinite(v))
            ++h.counts[static_cast<std::size_t>(std::clamp(static_cast<int>((v - low) / h.width), 0, bins - 1))];
    return h;
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
