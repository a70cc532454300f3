#include "ChainRuns.h"

#include "Propagator.h"

#include <cmath>

using namespace decay::chainrun;

namespace decay {
namespace {

// The exact run on a grid of unequal steps: each step's matrix of the tallied chain gives the state
// after the step (its first n rows) and the step's decays (its tallies' rows) from the state
// before. Equal steps share their matrix.
std::optional<ChainSeries> gridRun(const Chain& chain, const Chain& tallied, const RunSetup& setup, Progress* progress)
{
    const Propagator propagator(tallied);
    const std::size_t n = static_cast<std::size_t>(chain.size());
    double lastStep = -1;
    Matrix f;
    std::vector<double> before(2 * n, 0.0), after(2 * n);
    return runSteps(
        chain, setup, progress,
        [&](int k, std::vector<double>& state, std::vector<double>& decays) {
            const double step = setup.grid[static_cast<std::size_t>(k)] - setup.grid[static_cast<std::size_t>(k) - 1];
            if (step != lastStep) {
                f = propagator.at(step);
                lastStep = step;
            }
            std::copy(state.begin(), state.end(), before.begin());
            multiply(f, before, after);
            std::copy(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(n), state.begin());
            std::copy(after.begin() + static_cast<std::ptrdiff_t>(n), after.end(), decays.begin());
        },
        [](int, const std::vector<double>&) {});
}

} // namespace

std::optional<ChainSeries> exactRun(const Chain& chain, const RunSetup& setup, Progress* progress)
{
    if (!runnable(chain, setup))
        return std::nullopt;
    // N(t_s + (qB + r) step) = F(step)^r F(B step)^q N(t_s) with B about sqrt(steps): two matrices
    // from the routes, F(step) and F(B step), the powers of F(step) up to B as products, and the
    // far state carried over q products of F(B step). Every entry of these matrices and states is a
    // sum of positive terms, so each product adds no more than about n units in the last place to
    // its relative error, and no step's state has passed more than B + steps / B of them: 200 for
    // 10,000 steps, some 10^-13.
    const Propagator propagator(chain);
    const std::size_t n = static_cast<std::size_t>(chain.size());
    // The decays of a step from the state at its start: the tallies' rows of the step's matrix.
    const Chain tallied = talliedChain(chain);
    if (!setup.grid.empty())
        return gridRun(chain, tallied, setup, progress);
    const Matrix stepTallies = Propagator(tallied).at(setup.step);
    const int block = static_cast<int>(std::ceil(std::sqrt(setup.steps)));
    Matrix step(n * n);
    for (std::size_t i = 0; i < n; ++i) // the chain's own block of the tallied chain's matrix
        std::copy_n(&stepTallies[i * 2 * n], n, &step[i * n]);
    std::vector<Matrix> near{propagator.at(0), step};
    while (near.size() < static_cast<std::size_t>(block))
        near.push_back(product(near.back(), step, n));
    const Matrix farStep = propagator.at(block * setup.step);
    std::vector<double> start = setup.initial, far(n), farther(n);
    start.resize(n, 0.0);
    int from = 0, farBlock = -1;
    return runSteps(
        chain, setup, progress,
        [&](int k, std::vector<double>& state, std::vector<double>& decays) {
            for (std::size_t i = 0; i < n; ++i) {
                const double* row = &stepTallies[(n + i) * 2 * n];
                decays[i] = std::inner_product(state.begin(), state.end(), row, 0.0);
            }
            const int blockIndex = (k - from) / block;
            if (blockIndex != farBlock) { // one block on, or the start again
                if (blockIndex == 0) {
                    std::copy(start.begin(), start.end(), far.begin());
                } else {
                    multiply(farStep, far, farther);
                    far.swap(farther);
                }
                farBlock = blockIndex;
            }
            multiply(near[static_cast<std::size_t>((k - from) % block)], far, state);
        },
        [&](int k, const std::vector<double>& state) {
            start = state;
            from = k;
            farBlock = -1;
        });
}

double activityPeak(const Chain& chain, std::span<const double> initial, int member)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (member < 0 || member >= chain.size() || chain.members[static_cast<std::size_t>(member)].stable() ||
        initial.size() != static_cast<std::size_t>(chain.size()))
        return nan;
    // Searched on a logarithmic scale from far below the shortest half-life to far beyond the
    // longest, ten points a decade, then narrowed by golden sections of ln t around the highest.
    double shortest = kLongestHalfLife, longest = kShortestHalfLife;
    for (const ChainMember& m : chain.members)
        if (!m.stable()) {
            shortest = std::min(shortest, m.halfLife);
            longest = std::max(longest, m.halfLife);
        }
    const Propagator propagator(chain);
    const auto atoms = [&](double lnT) { return propagator.memberAt(member, initial, std::exp(lnT)); };
    constexpr double kPerDecade = 10;
    const double from = std::log(shortest * 1e-3), to = std::log(longest * 1e2), step = std::log(10.0) / kPerDecade;
    const int points = static_cast<int>(std::ceil((to - from) / step));
    int best = 0;
    double highest = -1;
    for (int j = 0; j <= points; ++j)
        if (const double value = atoms(from + j * step); value > highest) {
            highest = value;
            best = j;
        }
    if (best == 0 || best == points || !(highest > 0))
        return nan; // only falling, or still rising at the end
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double a = from + (best - 1) * step, b = from + (best + 1) * step;
    double c = b - golden * (b - a), d = a + golden * (b - a), fc = atoms(c), fd = atoms(d);
    for (int i = 0; i < 100 && b - a > 1e-13 * std::max(1.0, std::fabs(a)); ++i) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - golden * (b - a), fc = atoms(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + golden * (b - a), fd = atoms(d);
        }
    }
    return std::exp((a + b) / 2);
}

std::vector<double> countedDecays(const Chain& chain, std::span<const double> initial, const std::vector<bool>& counted,
                                  std::span<const double> boundaries)
{
    const std::size_t n = static_cast<std::size_t>(chain.size());
    if (boundaries.size() < 2 || initial.size() != n)
        return {};
    const Chain tallied = talliedChain(chain);
    const Propagator propagator(tallied);
    std::vector<double> state(2 * n, 0.0), after(2 * n);
    std::copy(initial.begin(), initial.end(), state.begin());
    // The atoms at the first boundary, then one step's matrix an interval.
    if (boundaries[0] > 0) {
        multiply(propagator.at(boundaries[0]), state, after);
        std::copy(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(n), state.begin());
    }
    std::vector<double> decays(boundaries.size() - 1, 0.0);
    double width = -1;
    Matrix f;
    for (std::size_t k = 0; k + 1 < boundaries.size(); ++k) {
        const double w = boundaries[k + 1] - boundaries[k];
        if (!(w > 0))
            continue; // an empty interval has no decays
        if (!(std::fabs(w - width) <= 1e-12 * w)) {
            f = propagator.at(w);
            width = w;
        }
        std::fill(state.begin() + static_cast<std::ptrdiff_t>(n), state.end(), 0.0);
        multiply(f, state, after);
        std::copy(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(n), state.begin());
        for (std::size_t i = 0; i < n && i < counted.size(); ++i)
            if (counted[i])
                decays[k] += after[n + i];
    }
    return decays;
}

} // namespace decay
