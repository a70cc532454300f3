#include "HalfLifeFit.h"

#include "model/common/ChiSquare.h"
#include "model/common/NaN.h"
#include "model/common/Statistics.h"
#include "model/nuclides/ChainRuns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace decay {
namespace {

constexpr int kMostIterations = 200;

// The fit's unknowns: ln S and ln lambda of the first (or only) nuclide, the same of a second,
// and the background rate b, which is fitted only when a measurement constrains it. Logarithms
// keep amplitudes and decay constants above 0.
constexpr std::size_t kLogS = 0, kLogLambda = 1, kLogS2 = 2, kLogLambda2 = 3, kB = 4;
constexpr std::size_t kUnknowns = 5;
using Vector = std::array<double, kUnknowns>;
using Matrix = std::array<Vector, kUnknowns>;

// The chain's decays per interval, for the few decay constants a search asks for at a time.
class ChainCache {
public:
    explicit ChainCache(const FitModel& model) : m_model(model) {}
    const std::vector<double>& at(double logLambda) const
    {
        for (const Entry& e : m_entries)
            if (e.logLambda == logLambda)
                return e.decays;
        Entry& e = m_entries[m_next];
        m_next = (m_next + 1) % m_entries.size();
        e.logLambda = logLambda;
        e.decays = m_model.chainDecays(std::numbers::ln2 / std::exp(logLambda));
        return e.decays;
    }

private:
    struct Entry {
        double logLambda = kNaN;
        std::vector<double> decays;
    };
    const FitModel& m_model;
    mutable std::array<Entry, 4> m_entries{};
    mutable std::size_t m_next = 0;
};
// The step in ln lambda of the chain's derivative by central differences: its error is of order
// h^2 = 10^-10 of it, its rounding 10^-16 / h = 10^-11.
constexpr double kChainStep = 1e-5;

struct Problem {
    const FitData& data;
    FitMethod method = FitMethod::PoissonLikelihood;
    const FitModel& model;
    double origin = 0;               // times are taken from the first interval's start
    std::vector<std::size_t> active; // the unknowns fitted, b last when it is
    ChainCache chain{model};

    bool fitsBackground() const { return active.back() == kB; }
};

// 1/y - 1/(e^y - 1), which goes to 1/2 as y goes to 0, where the difference would cancel.
double lateShare(double y)
{
    return y < 1e-4 ? 0.5 - y / 12 : 1 / y - 1 / std::expm1(y);
}

// One nuclide's counts S * integral of e^(-lambda t) dt over an interval, (e^(-lambda t0) -
// e^(-lambda t1)) / lambda, and their derivative by ln lambda (the same times lambda (-t0 - width *
// lateShare)); by ln S they are their own. S and lambda come from their logarithms once a point,
// what depends on the width alone once a width: the counter's intervals share theirs.
class Exponential {
public:
    Exponential(double logS, double logLambda) : m_s(std::exp(logS)), m_lambda(std::exp(logLambda)) {}

    double counts(double t0, double width, double* byLogLambda)
    {
        if (width != m_width) {
            m_width = width;
            m_rise = -std::expm1(-m_lambda * width) / m_lambda;
            m_late = lateShare(m_lambda * width);
        }
        const double signal = m_s * std::exp(-m_lambda * t0) * m_rise;
        if (byLogLambda)
            *byLogLambda = signal * m_lambda * (-t0 - width * m_late);
        return signal;
    }

private:
    double m_s;
    double m_lambda;
    double m_width = kNaN;
    double m_rise = 0;
    double m_late = 0;
};

// The model at one point x: the counts expected in interval k, and their derivatives by the
// unknowns. With a dead time the counter records width * m(n) of the mean rate n the model
// brings, m' times its derivatives.
class Expected {
public:
    Expected(const Problem& p, const Vector& x)
        : m_p(p), m_x(x), m_first(x[kLogS], x[kLogLambda]), m_second(x[kLogS2], x[kLogLambda2])
    {
        if (p.model.shape == FitShape::Chain) {
            m_chain = &p.chain.at(x[kLogLambda]);
            m_s = std::exp(x[kLogS]);
        }
    }

    double operator()(std::size_t k, Vector* gradient = nullptr)
    {
        const CountInterval& interval = m_p.data.intervals[k];
        const double t0 = interval.start - m_p.origin, width = interval.end - interval.start;
        const double exposure = m_p.data.exposure[k];
        Vector g{};
        double signal = 0;
        switch (m_p.model.shape) {
        case FitShape::TwoNuclides:
            signal = m_second.counts(t0, width, &g[kLogLambda2]);
            g[kLogS2] = signal;
            [[fallthrough]];
        case FitShape::OneNuclide: {
            const double first = m_first.counts(t0, width, &g[kLogLambda]);
            g[kLogS] = first;
            signal += first;
            break;
        }
        case FitShape::Chain:
            signal = m_s * (*m_chain)[k];
            g[kLogS] = signal;
            if (gradient) {
                const double up = m_p.chain.at(m_x[kLogLambda] + kChainStep)[k], down = m_p.chain.at(m_x[kLogLambda] - kChainStep)[k];
                m_chain = &m_p.chain.at(m_x[kLogLambda]); // still cached: the cache holds four
                g[kLogLambda] = m_s * (up - down) / (2 * kChainStep);
            }
            break;
        }
        g[kB] = exposure;
        double mu = m_x[kB] * exposure + signal;
        const DeadTime& dead = m_p.data.deadTime;
        if (dead.tau > 0 && width > 0) {
            const double n = mu / width, y = n * dead.tau;
            const double slope = dead.kind == DeadTime::Kind::NonParalysable ? 1 / ((1 + y) * (1 + y)) : std::exp(-y) * (1 - y);
            mu = width * recordedRate(n, dead);
            for (double& d : g)
                d *= slope;
        }
        if (gradient)
            *gradient = g;
        return mu;
    }

private:
    const Problem& m_p;
    Vector m_x;
    Exponential m_first;
    Exponential m_second;
    const std::vector<double>* m_chain = nullptr;
    double m_s = 0;
};

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
    if (!(x[kB] >= 0))
        return -std::numeric_limits<double>::infinity();
    double sum = 0;
    Expected expected(p, x), weights(p, weightsAt);
    for (std::size_t k = 0; k < p.data.intervals.size(); ++k) {
        const double mu = expected(k);
        const auto counts = static_cast<double>(p.data.intervals[k].counts);
        if (p.method == FitMethod::PoissonLikelihood)
            sum += (counts > 0 ? counts * std::log(mu) : 0.0) - mu;
        else
            sum -= 0.5 * (counts - mu) * (counts - mu) / std::max(weights(k), kLeastExpected);
    }
    if (p.fitsBackground())
        sum += backgroundTerm(p, x[kB]).logLikelihood;
    return std::isnan(sum) ? -std::numeric_limits<double>::infinity() : sum;
}

// The expected information and the score at x, over the unknowns fitted in their order in
// p.active. Both methods weight by 1 / mu at x: for the likelihood that is its score and Fisher
// information, for least squares the Gauss-Newton normal equations with the weights of the
// expectation at x.
void informationAndScore(const Problem& p, const Vector& x, Matrix& information, Vector& score)
{
    information = {};
    score = {};
    const std::size_t m = p.active.size();
    Expected expected(p, x);
    for (std::size_t k = 0; k < p.data.intervals.size(); ++k) {
        Vector g;
        const double mu = std::max(expected(k, &g), kLeastExpected);
        const double excess = (static_cast<double>(p.data.intervals[k].counts) - mu) / mu;
        for (std::size_t i = 0; i < m; ++i) {
            const double gi = g[p.active[i]];
            score[i] += excess * gi;
            for (std::size_t j = 0; j < m; ++j)
                information[i][j] += gi * g[p.active[j]] / mu;
        }
    }
    if (p.fitsBackground()) {
        const BackgroundTerm term = backgroundTerm(p, x[kB]);
        score[m - 1] += term.score;
        information[m - 1][m - 1] += term.information;
    }
}

// Solves a x = b for the first n unknowns by elimination with partial pivoting; NaN when singular.
Vector solve(Matrix a, Vector b, std::size_t n)
{
    Vector x;
    x.fill(kNaN);
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        if (!(a[c][c] != 0))
            return x;
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (std::size_t j = c; j < n; ++j)
                a[r][j] -= f * a[c][j];
            b[r] -= f * b[c];
        }
    }
    for (std::size_t r = n; r-- > 0;) {
        double sum = b[r];
        for (std::size_t j = r + 1; j < n; ++j)
            sum -= a[r][j] * x[j];
        x[r] = sum / a[r][r];
    }
    return x;
}

// The variance of unknown `which` (one of p.active) from the inverse of the information.
double variance(const Problem& p, const Matrix& information, std::size_t which)
{
    Vector unit{};
    std::size_t at = 0;
    while (at < p.active.size() && p.active[at] != which)
        ++at;
    if (at == p.active.size())
        return kNaN;
    unit[at] = 1;
    return solve(information, unit, p.active.size())[at];
}

// A rough line through ln(net rate) of the intervals from `first` to before `last`: its decay
// constant when it falls, else NaN.
double lineDecayConstant(const Problem& p, std::size_t first, std::size_t last, const std::vector<double>& less)
{
    LineFit line;
    for (std::size_t k = first; k < last; ++k) {
        const CountInterval& interval = p.data.intervals[k];
        const double net = static_cast<double>(interval.counts) - p.data.background(k) - (less.empty() ? 0.0 : less[k]);
        if (net > 0 && interval.end > interval.start)
            line.add((interval.start + interval.end) / 2, std::log(net / (interval.end - interval.start)), net);
    }
    const double slope = line.points() >= 2 ? line.slope() : kNaN;
    return slope < 0 ? -slope : kNaN;
}

// ln S so that the expected net counts match the observed ones, the other unknowns as in x.
double matchedLogS(const Problem& p, Vector x)
{
    x[kLogS] = 0;
    double net = 0, signal = 0;
    Expected expected(p, x);
    for (std::size_t k = 0; k < p.data.intervals.size(); ++k) {
        net += static_cast<double>(p.data.intervals[k].counts) - x[kB] * p.data.exposure[k];
        signal += expected(k) - x[kB] * p.data.exposure[k];
    }
    return std::log(std::max(net, 1.0) / signal);
}

// Where the search starts. One nuclide: the decay constant of a rough line through ln(net rate)
// when it falls, else a half-life of a third of the time covered. Two: that line through the later
// half for the longer-lived, through what it leaves of the first third for the shorter-lived (or
// five times faster). The chain: the table's half-life. S matches the expected net counts to the
// observed ones.
Vector startingPoint(const Problem& p, double span)
{
    const std::size_t n = p.data.intervals.size();
    Vector x{0, 0, 0, 0, p.data.backgroundRate};
    const auto fallback = [&](double lambda) { return std::isfinite(lambda) && lambda * span < 100 ? lambda : std::numbers::ln2 / (span / 3); };
    if (p.model.shape == FitShape::Chain) {
        x[kLogLambda] = std::log(std::numbers::ln2 / p.model.tableHalfLife);
    } else if (p.model.shape == FitShape::OneNuclide) {
        x[kLogLambda] = std::log(fallback(lineDecayConstant(p, 0, n, {})));
    } else {
        // The slow nuclide alone first, as the only one (the second's amplitude left far below).
        const double slow = fallback(lineDecayConstant(p, n / 2, n, {}));
        Vector late{0, std::log(slow), -1e3, std::log(slow), x[kB]};
        // Its amplitude matches the later half's counts; continued back, it gives the start's.
        double lateNet = 0, lateSignal = 0;
        Expected before(p, late);
        for (std::size_t k = n / 2; k < n; ++k) {
            lateNet += static_cast<double>(p.data.intervals[k].counts) - x[kB] * p.data.exposure[k];
            lateSignal += before(k) - x[kB] * p.data.exposure[k];
        }
        late[kLogS] += std::log(std::max(lateNet, 1.0) / lateSignal);
        std::vector<double> slowCounts(n);
        Expected slowOnly(p, late);
        for (std::size_t k = 0; k < n; ++k)
            slowCounts[k] = slowOnly(k) - x[kB] * p.data.exposure[k];
        double fast = lineDecayConstant(p, 0, std::max<std::size_t>(n / 3, 2), slowCounts);
        if (!(fast > 1.5 * slow))
            fast = 5 * slow;
        x = {0, std::log(fast), late[kLogS], std::log(slow), x[kB]};
        x[kLogS] = matchedLogS(p, x);
        return x;
    }
    x[kLogS] = matchedLogS(p, x);
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
        const Vector step = solve(information, score, p.active.size());
        const Vector weightsAt = x;
        value = objective(p, x, weightsAt); // least squares: the new weights change the value
        bool moved = false;
        for (double share = 1; share > 1e-6 && !moved; share /= 2) {
            Vector trial = x;
            bool small = true;
            for (std::size_t i = 0; i < p.active.size(); ++i) {
                trial[p.active[i]] += share * step[i];
                small = small && (p.active[i] == kB || std::fabs(share * step[i]) < 1e-9);
            }
            const double trialValue = objective(p, trial, weightsAt);
            if (trialValue >= value - 1e-12 * std::fabs(value)) {
                converged = small;
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
    return {.method = method, .halfLife = kNaN, .sigma = kNaN, .secondHalfLife = kNaN, .secondSigma = kNaN, .netRate = kNaN, .expected = std::vector<double>(intervals, kNaN),
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

FitData countedData(const std::vector<CountInterval>& intervals, const BackgroundMeasurement& background, const DeadTime& deadTime)
{
    FitData data{.intervals = intervals, .backgroundRate = background.rate(), .backgroundCounts = background.counts,
                 .backgroundTime = background.seconds, .deadTime = deadTime};
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

FitModel chainModel(const Chain& chain, std::span<const double> initial, const std::vector<bool>& counted,
                    const std::vector<CountInterval>& intervals)
{
    FitModel model{.shape = FitShape::Chain, .chainDecays = {}, .tableHalfLife = chain.members.empty() ? 0.0 : chain.members[0].halfLife};
    std::vector<double> boundaries;
    for (const CountInterval& interval : intervals) {
        if (!boundaries.empty() && interval.start != boundaries.back())
            return model; // not contiguous
        if (boundaries.empty())
            boundaries.push_back(interval.start);
        boundaries.push_back(interval.end);
    }
    double atoms = 0;
    for (const double n : initial)
        atoms += n;
    if (boundaries.empty() || !(atoms > 0) || model.tableHalfLife <= 0)
        return model;
    std::vector<double> perAtom(initial.begin(), initial.end());
    for (double& n : perAtom)
        n /= atoms;
    model.chainDecays = [chain, perAtom, counted, boundaries](double firstHalfLife) {
        Chain fitted = chain;
        fitted.members[0].halfLife = firstHalfLife;
        return countedDecays(fitted, perAtom, counted, boundaries);
    };
    return model;
}

std::string_view shapeName(FitShape shape)
{
    switch (shape) {
    case FitShape::TwoNuclides: return "Two nuclides";
    case FitShape::Chain: return "The chain counted";
    case FitShape::OneNuclide: break;
    }
    return "One nuclide";
}

bool HalfLifeFit::fitted() const
{
    return std::isfinite(halfLife);
}

namespace {

std::vector<std::size_t> activeUnknowns(FitShape shape, bool background)
{
    std::vector<std::size_t> active{kLogS, kLogLambda};
    if (shape == FitShape::TwoNuclides)
        active.insert(active.end(), {kLogS2, kLogLambda2});
    if (background)
        active.push_back(kB);
    return active;
}

// The half-life of ln lambda and its standard deviation; NaN for one the counts do not show.
struct HalfLife {
    double value = kNaN;
    double sigma = kNaN;
    Message problem;
};
HalfLife halfLifeOf(const Problem& p, const Matrix& information, std::size_t logLambda, double logLambdaValue, double span)
{
    const double varianceLogLambda = variance(p, information, logLambda);
    const double lambda = std::exp(logLambdaValue);
    if (!(varianceLogLambda > 0) || !std::isfinite(varianceLogLambda) || lambda * span < 1e-6 || !std::isfinite(lambda))
        return {.problem = {"The counts show no decay that a half-life could be fitted to.", {}}};
    // Beyond half of it the likelihood of the half-life is far from a normal curve: a decay
    // constant one or two deviations above nothing would read as a short half-life. The decay
    // constant's own likelihood is near normal, and T = ln 2 / lambda then has a deviation of T
    // times that of ln lambda.
    if (varianceLogLambda > 0.25)
        return {.problem = {"The counts show too little decay for a half-life: its uncertainty would be more than half of it.", {}}};
    const double value = std::numbers::ln2 / lambda;
    return {value, value * std::sqrt(varianceLogLambda), {}};
}

HalfLifeFit fitCounts(const FitData& data, FitMethod method, const FitModel& model)
{
    const std::size_t n = data.intervals.size();
    const std::size_t shapeUnknowns = model.shape == FitShape::TwoNuclides ? 4 : 2;
    if (n < shapeUnknowns)
        return noFit(method, n, {n < 2 ? kTooFew : "Two half-lives need the counts of four intervals or more.", {}});
    const Problem p{.data = data, .method = method, .model = model, .origin = data.intervals.front().start,
                    .active = activeUnknowns(model.shape, backgroundFitted(data))};
    // The chain's decays at the table's half-life, where the search starts, so kept for it.
    if (model.shape == FitShape::Chain
        && (!model.chainDecays || !(model.tableHalfLife > 0)
            || p.chain.at(std::log(std::numbers::ln2 / model.tableHalfLife)).size() != n))
        return noFit(method, n, {"The counts are not those of the chain counted, so the chain cannot be fitted to them.", {}});
    Vector x = startingPoint(p, span(data));
    const bool converged = search(p, x);
    if (model.shape == FitShape::TwoNuclides && x[kLogLambda] < x[kLogLambda2]) { // the shorter-lived first
        std::swap(x[kLogS], x[kLogS2]);
        std::swap(x[kLogLambda], x[kLogLambda2]);
    }
    Matrix information;
    Vector score;
    informationAndScore(p, x, information, score);
    const HalfLife first = halfLifeOf(p, information, kLogLambda, x[kLogLambda], span(data));
    const HalfLife second = model.shape == FitShape::TwoNuclides ? halfLifeOf(p, information, kLogLambda2, x[kLogLambda2], span(data)) : HalfLife{};
    if (!converged)
        return noFit(method, n, {"The counts show no decay that a half-life could be fitted to.", {}});
    if (!first.problem.empty() || !second.problem.empty())
        return noFit(method, n, first.problem.empty() ? second.problem : first.problem);

    HalfLifeFit fit{.method = method, .shape = model.shape, .halfLife = first.value, .sigma = first.sigma,
                    .secondHalfLife = second.value, .secondSigma = second.sigma};
    fit.chiSquare = p.fitsBackground() ? backgroundTerm(p, x[kB]).chiSquare : 0.0;
    Expected expected(p, x);
    for (std::size_t k = 0; k < n; ++k) {
        const double mu = expected(k);
        const auto counts = static_cast<double>(data.intervals[k].counts);
        const double residual = method == FitMethod::PoissonLikelihood ? devianceResidual(counts, mu) : (counts - mu) / std::sqrt(mu);
        fit.expected.push_back(mu);
        fit.residuals.push_back(mu > 0 ? residual : kNaN);
        fit.chiSquare += residual * residual;
    }
    // The rate at the first interval's start: the amplitudes, or the chain's first interval's mean.
    const CountInterval& front = data.intervals.front();
    fit.netRate = model.shape == FitShape::Chain
                      ? std::exp(x[kLogS]) * p.chain.at(x[kLogLambda])[0] / std::max(front.end - front.start, 1e-300)
                      : std::exp(x[kLogS]) + (model.shape == FitShape::TwoNuclides ? std::exp(x[kLogS2]) : 0.0);
    fit.degreesOfFreedom = static_cast<int>(n - shapeUnknowns);
    fit.pValue = chiSquarePValue(fit.chiSquare, fit.degreesOfFreedom);
    return fit;
}

} // namespace

HalfLifeFit fitHalfLives(const FitData& data, FitMethod method, const FitModel& model)
{
    return fitCounts(data, method, model);
}

HalfLifeFit fitPoissonLikelihood(const FitData& data)
{
    return fitCounts(data, FitMethod::PoissonLikelihood, {});
}

HalfLifeFit fitWeightedLeastSquares(const FitData& data)
{
    return fitCounts(data, FitMethod::WeightedLeastSquares, {});
}

} // namespace decay
