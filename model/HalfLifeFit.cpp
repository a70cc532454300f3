#include "HalfLifeFit.h"

#include "ChiSquare.h"
#include "EnsembleStats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace decay {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kMostIterations = 200;

// The fit's unknowns: ln S, ln lambda (which keep both above 0) and the background rate b, which
// is fitted only when a measurement constrains it.
using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

struct Problem {
    const FitData& data;
    FitMethod method = FitMethod::PoissonLikelihood;
    double origin = 0;          // times are taken from the first interval's start
    int unknowns = 2;           // 3 when b is fitted
};

// 1/y - 1/(e^y - 1), which goes to 1/2 as y goes to 0, where the difference would cancel.
double lateShare(double y)
{
    return y < 1e-4 ? 0.5 - y / 12 : 1 / y - 1 / std::expm1(y);
}

// The counts expected in interval k, and their derivatives by ln S, ln lambda and b. The sample
// brings S * integral of e^(-lambda t) dt over the interval, (e^(-lambda t0) - e^(-lambda t1)) /
// lambda, whose derivative by ln lambda is the same times lambda (-t0 - width * lateShare).
double expectedCounts(const Problem& p, std::size_t k, const Vector& x, Vector* gradient = nullptr)
{
    const CountInterval& interval = p.data.intervals[k];
    const double s = std::exp(x[0]), lambda = std::exp(x[1]);
    const double t0 = interval.start - p.origin, width = interval.end - interval.start;
    const double signal = s * std::exp(-lambda * t0) * -std::expm1(-lambda * width) / lambda;
    const double exposure = p.data.exposure[k];
    if (gradient)
        *gradient = {signal, signal * lambda * (-t0 - width * lateShare(lambda * width)), exposure};
    return x[2] * exposure + signal;
}

// The background rate is fitted whenever it was measured. For the likelihood, a measurement of
// n counts in T adds its Poisson likelihood n ln b - b T; one of no count at all says the rate is
// 0 within one count's worth, sigma = 1/T, as its error band shows (BackgroundMeasurement::sigma),
// and adds the Gaussian -(b T)^2 / 2. Least squares takes every measurement as a Gaussian datum
// of the measured rate and its sigma. Each term comes with its score, expected information and
// its share of the goodness of fit (the deviance, or Pearson's chi-square).
bool backgroundFitted(const FitData& data)
{
    return data.backgroundTime > 0;
}

struct BackgroundTerm {
    double logLikelihood = 0;
    double score = 0;
    double information = 0;
    double chiSquare = 0;
};
BackgroundTerm backgroundTerm(const Problem& p, double b)
{
    const FitData& data = p.data;
    const double t = data.backgroundTime;
    if (p.method == FitMethod::WeightedLeastSquares) {
        const double sigma = data.backgroundRateSigma(), z = (b - data.backgroundRate) / sigma;
        return {-0.5 * z * z, -z / sigma, 1 / (sigma * sigma), z * z};
    }
    if (data.backgroundCounts == 0)
        return {-0.5 * b * b * t * t, -b * t * t, t * t, b * b * t * t};
    const auto n = static_cast<double>(data.backgroundCounts);
    return {n * std::log(b) - b * t, n / b - t, t / b, 2 * (n * std::log(n / (b * t)) - (n - b * t))};
}

// Counts expected are kept above this, so that a weight 1 / mu stays finite.
constexpr double kLeastExpected = 1e-300;

// What the search climbs: the log-likelihood, or for least squares -chi^2 / 2 with the weights
// of the expectation `weightsAt` (those of the iteration's start, held while it searches).
double objective(const Problem& p, const Vector& x, const Vector& weightsAt)
{
    if (!(x[2] >= 0))
        return -std::numeric_limits<double>::infinity();
    double sum = 0;
    for (std::size_t k = 0; k < p.data.intervals.size(); ++k) {
        const double mu = expectedCounts(p, k, x);
        const auto counts = static_cast<double>(p.data.intervals[k].counts);
        if (p.method == FitMethod::PoissonLikelihood)
            sum += (counts > 0 ? counts * std::log(mu) : 0.0) - mu;
        else
            sum -= 0.5 * (counts - mu) * (counts - mu) / std::max(expectedCounts(p, k, weightsAt), kLeastExpected);
    }
    if (p.unknowns == 3)
        sum += backgroundTerm(p, x[2]).logLikelihood;
    return std::isnan(sum) ? -std::numeric_limits<double>::infinity() : sum;
}

// The expected information and the score at x. Both methods weight by 1 / mu at x: for the
// likelihood that is its score and Fisher information, for least squares the Gauss-Newton normal
// equations with the weights of the expectation at x.
void informationAndScore(const Problem& p, const Vector& x, Matrix& information, Vector& score)
{
    information = {};
    score = {};
    for (std::size_t k = 0; k < p.data.intervals.size(); ++k) {
        Vector g;
        const double mu = std::max(expectedCounts(p, k, x, &g), kLeastExpected);
        const double excess = (static_cast<double>(p.data.intervals[k].counts) - mu) / mu;
        for (int i = 0; i < p.unknowns; ++i) {
            score[i] += excess * g[i];
            for (int j = 0; j < p.unknowns; ++j)
                information[i][j] += g[i] * g[j] / mu;
        }
    }
    if (p.unknowns == 3) {
        const BackgroundTerm term = backgroundTerm(p, x[2]);
        score[2] += term.score;
        information[2][2] += term.information;
    }
}

// Solves a x = b for the first n unknowns by elimination with partial pivoting; NaN when singular.
Vector solve(Matrix a, Vector b, int n)
{
    for (int c = 0; c < n; ++c) {
        int pivot = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        if (!(a[c][c] != 0))
            return {kNaN, kNaN, kNaN};
        for (int r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int j = c; j < n; ++j)
                a[r][j] -= f * a[c][j];
            b[r] -= f * b[c];
        }
    }
    Vector x{};
    for (int r = n - 1; r >= 0; --r) {
        double sum = b[r];
        for (int j = r + 1; j < n; ++j)
            sum -= a[r][j] * x[j];
        x[r] = sum / a[r][r];
    }
    return x;
}

// Where the search starts: the decay constant of a rough line through ln(net rate) when it
// falls, else a half-life of a third of the time covered; S so that the expected net counts
// match the observed ones.
Vector startingPoint(const Problem& p, double span)
{
    LineFit line;
    for (std::size_t k = 0; k < p.data.intervals.size(); ++k) {
        const CountInterval& interval = p.data.intervals[k];
        const double net = static_cast<double>(interval.counts) - p.data.background(k);
        if (net > 0 && interval.end > interval.start)
            line.add((interval.start + interval.end) / 2, std::log(net / (interval.end - interval.start)), net);
    }
    const double slope = line.points() >= 2 ? line.slope() : kNaN;
    const double lambda = slope < 0 && -slope * span < 100 ? -slope : std::numbers::ln2 / (span / 3);
    Vector x{0, std::log(lambda), p.data.backgroundRate};
    double net = 0, signal = 0;
    for (std::size_t k = 0; k < p.data.intervals.size(); ++k) {
        net += static_cast<double>(p.data.intervals[k].counts) - x[2] * p.data.exposure[k];
        signal += expectedCounts(p, k, x) - x[2] * p.data.exposure[k];
    }
    x[0] = std::log(std::max(net, 1.0) / signal);
    return x;
}

// Climbs the objective from the starting point by scoring steps, each halved until the
// objective does not fall; false when it does not settle.
bool search(const Problem& p, Vector& x)
{
    double value = objective(p, x, x);
    Matrix information;
    Vector score;
    bool converged = false;
    for (int iteration = 0; iteration < kMostIterations && !converged && std::isfinite(value); ++iteration) {
        informationAndScore(p, x, information, score);
        const Vector step = solve(information, score, p.unknowns);
        const Vector weightsAt = x;
        value = objective(p, x, weightsAt); // least squares: the new weights change the value
        bool moved = false;
        for (double share = 1; share > 1e-6 && !moved; share /= 2) {
            Vector trial = x;
            for (int i = 0; i < p.unknowns; ++i)
                trial[i] += share * step[i];
            const double trialValue = objective(p, trial, weightsAt);
            if (trialValue >= value - 1e-12 * std::fabs(value)) {
                converged = std::fabs(share * step[0]) < 1e-9 && std::fabs(share * step[1]) < 1e-9;
                x = trial;
                value = trialValue;
                moved = true;
            }
        }
        converged = converged || !moved;
    }
    return converged;
}

// sign(n - mu) sqrt(2 (n ln(n / mu) - (n - mu))): the interval's share of the deviance.
double devianceResidual(double counts, double mu)
{
    const double term = counts > 0 ? counts * std::log(counts / mu) - (counts - mu) : mu;
    return std::copysign(std::sqrt(std::max(2 * term, 0.0)), counts - mu);
}

HalfLifeFit noFit(FitMethod method, std::size_t intervals, Message note)
{
    return {.method = method, .halfLife = kNaN, .sigma = kNaN, .netRate = kNaN, .expected = std::vector<double>(intervals, kNaN),
            .residuals = std::vector<double>(intervals, kNaN), .note = std::move(note), .chiSquare = kNaN, .pValue = kNaN};
}

double span(const FitData& data)
{
    double first = data.intervals.front().start, last = data.intervals.front().end;
    for (const CountInterval& interval : data.intervals) {
        first = std::min(first, interval.start);
        last = std::max(last, interval.end);
    }
    return last - first;
}

const char* const kTooFew = "A half-life needs the counts of two intervals or more.";

} // namespace

FitData countedData(const std::vector<CountInterval>& intervals, const BackgroundMeasurement& background)
{
    FitData data{.intervals = intervals, .backgroundRate = background.rate(), .backgroundCounts = background.counts,
                 .backgroundTime = background.seconds};
    for (const CountInterval& interval : intervals)
        data.exposure.push_back(interval.end - interval.start);
    return data;
}

double FitData::backgroundRateSigma() const
{
    return backgroundTime > 0 ? BackgroundMeasurement{backgroundCounts, backgroundTime}.sigma() : 0.0;
}

std::string_view methodName(FitMethod method)
{
    return method == FitMethod::PoissonLikelihood ? "Poisson maximum likelihood" : "Weighted least squares on the counts";
}

bool HalfLifeFit::fitted() const
{
    return std::isfinite(halfLife);
}

namespace {

HalfLifeFit fitCounts(const FitData& data, FitMethod method)
{
    const std::size_t n = data.intervals.size();
    if (n < 2)
        return noFit(method, n, {kTooFew, {}});
    const Problem p{.data = data, .method = method, .origin = data.intervals.front().start, .unknowns = backgroundFitted(data) ? 3 : 2};
    Vector x = startingPoint(p, span(data));
    const bool converged = search(p, x);
    Matrix information;
    Vector score;
    informationAndScore(p, x, information, score);
    Vector unitLambda{0, 1, 0};
    const double varianceLogLambda = solve(information, unitLambda, p.unknowns)[1];
    const double lambda = std::exp(x[1]);
    if (!converged || !(varianceLogLambda > 0) || !std::isfinite(varianceLogLambda) || lambda * span(data) < 1e-6
        || !std::isfinite(lambda))
        return noFit(method, n, {"The counts show no decay that a half-life could be fitted to.", {}});
    if (varianceLogLambda > 1)
        return noFit(method, n, {"The counts are too few for a half-life: its uncertainty would exceed it.", {}});

    HalfLifeFit fit{.method = method, .halfLife = std::numbers::ln2 / lambda};
    fit.sigma = fit.halfLife * std::sqrt(varianceLogLambda);
    fit.netRate = std::exp(x[0]);
    fit.chiSquare = p.unknowns == 3 ? backgroundTerm(p, x[2]).chiSquare : 0.0;
    for (std::size_t k = 0; k < n; ++k) {
        const double mu = expectedCounts(p, k, x);
        const auto counts = static_cast<double>(data.intervals[k].counts);
        const double residual = method == FitMethod::PoissonLikelihood ? devianceResidual(counts, mu) : (counts - mu) / std::sqrt(mu);
        fit.expected.push_back(mu);
        fit.residuals.push_back(mu > 0 ? residual : kNaN);
        fit.chiSquare += residual * residual;
    }
    fit.degreesOfFreedom = static_cast<int>(n) - 2;
    fit.pValue = chiSquarePValue(fit.chiSquare, fit.degreesOfFreedom);
    return fit;
}

} // namespace

HalfLifeFit fitPoissonLikelihood(const FitData& data)
{
    return fitCounts(data, FitMethod::PoissonLikelihood);
}

HalfLifeFit fitWeightedLeastSquares(const FitData& data)
{
    return fitCounts(data, FitMethod::WeightedLeastSquares);
}

} // namespace decay
