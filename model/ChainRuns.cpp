#include "ChainRuns.h"

#include "Conversions.h"
#include "DecayDraws.h"
#include "StagedDraw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace decay {
namespace {

// Between two looks at the cancel flag.
constexpr int kStepsPerSlice = 64;
// A route through the chain, and a member's decays as a member of their own after it.
constexpr int kLongestRoute = kMostChainMembers + 1;

using Matrix = std::vector<double>; // n x n, row after row

// The divided difference g[z_0, ..., z_m] of g = exp over points in ascending order, without
// catastrophic cancellation (after McCurdy, Ng and Parlett, Math. Comp. 43 (1984) 501): a stretch
// of points within 1 of each other by the Taylor series about its midpoint,
//   g[z_i..z_j] = e^c * sum_n h_n(z - c) / (n + j - i)!,   h_n the complete symmetric polynomial,
// whose first term dominates the others (|z - c| <= 1/2); a wider stretch by the recurrence
// (g[z_i+1..z_j] - g[z_i..z_j-1]) / (z_j - z_i), which there loses at most a small factor.
// Equal points are thus exact: g[z, z] = e^z, the limit of equal rates.
class ExpDividedDifference {
public:
    explicit ExpDividedDifference(std::span<const double> z) : m_z(z) { m_known.fill({}); }
    double operator()() { return over(0, static_cast<int>(m_z.size()) - 1); }

private:
    static constexpr int kTerms = 18; // (1/2)^18 / 18! < 1e-21 of the first term

    double taylor(int i, int j) const
    {
        const int order = j - i;
        const double centre = 0.5 * (m_z[static_cast<std::size_t>(i)] + m_z[static_cast<std::size_t>(j)]);
        if (order == 0)
            return std::exp(m_z[static_cast<std::size_t>(i)]);
        std::array<double, kLongestRoute> h;
        h.fill(1.0);
        double factor = 1.0;
        for (int k = 2; k <= order; ++k)
            factor /= k;
        double sum = factor;
        for (int n = 1; n <= kTerms; ++n) {
            h[0] *= m_z[static_cast<std::size_t>(i)] - centre;
            for (int k = 1; k <= order; ++k)
                h[static_cast<std::size_t>(k)] = h[static_cast<std::size_t>(k - 1)] +
                                                 (m_z[static_cast<std::size_t>(i + k)] - centre) * h[static_cast<std::size_t>(k)];
            factor /= n + order;
            sum += h[static_cast<std::size_t>(order)] * factor;
        }
        return std::exp(centre) * sum;
    }

    double over(int i, int j)
    {
        const double spread = m_z[static_cast<std::size_t>(j)] - m_z[static_cast<std::size_t>(i)];
        if (spread <= 1.0)
            return taylor(i, j);
        auto& known = m_known[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        if (!known)
            known = (over(i + 1, j) - over(i, j - 1)) / spread;
        return *known;
    }

    std::span<const double> m_z;
    std::array<std::array<std::optional<double>, kLongestRoute>, kLongestRoute> m_known;
};

// e^(A t) for the chain's rate matrix A (A_ii = -lambda_i, A_di = b * lambda_i for a link i -> d),
// summed over the routes through the chain: a route p_0 -> ... -> p_m adds to F(t)[p_m][p_0]
//   (product of its fractions) * (product of lambda_p_l * t, l < m) * g[-lambda_p_0 t, ..., -lambda_p_m t].
// Every term is positive, so the sum has no cancellation either, and every entry keeps the
// relative accuracy of its divided differences, also beside rates 10^15 times larger (stiff chains).
class Propagator {
public:
    explicit Propagator(const Chain& chain) : m_size(chain.size())
    {
        for (const ChainMember& member : chain.members)
            m_rates.push_back(member.rate());
        for (int source = 0; source < m_size; ++source)
            addRoutes(chain, {source}, 1.0);
    }

    Matrix at(double t) const
    {
        Matrix f(static_cast<std::size_t>(m_size * m_size), 0.0);
        std::vector<double> points(kLongestRoute);
        for (const Route& route : m_routes) {
            const std::size_t length = route.members.size();
            for (std::size_t l = 0; l < length; ++l)
                points[l] = -m_rates[static_cast<std::size_t>(route.members[l])] * t;
            std::sort(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(length));
            // Growing from the small divided difference keeps the partial products in range.
            double value = ExpDividedDifference(std::span(points.data(), length))() * route.fraction;
            for (std::size_t l = 0; l + 1 < length && value != 0.0; ++l)
                value *= m_rates[static_cast<std::size_t>(route.members[l])] * t;
            f[static_cast<std::size_t>(route.members.back() * m_size + route.members.front())] += value;
        }
        return f;
    }

private:
    struct Route {
        std::vector<int> members;
        double fraction = 1;
    };

    void addRoutes(const Chain& chain, std::vector<int> members, double fraction)
    {
        for (const ChainLink& link : chain.links)
            if (link.parent == members.back()) {
                std::vector<int> longer = members;
                longer.push_back(link.daughter);
                addRoutes(chain, std::move(longer), fraction * link.fraction);
            }
        m_routes.push_back({std::move(members), fraction});
    }

    int m_size;
    std::vector<double> m_rates;
    std::vector<Route> m_routes;
};

void multiply(const Matrix& m, std::span<const double> v, std::span<double> out)
{
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        double sum = 0;
        for (std::size_t j = 0; j <= i; ++j) // lower triangular
            sum += m[i * n + j] * v[j];
        out[i] = sum;
    }
}

// What readRunSetup guarantees, checked again for a setup made by hand.
bool runnable(const Chain& chain, const RunSetup& setup)
{
    return setup.steps >= 1 && setup.steps <= kMostLabSteps && setup.step >= kShortestLabStep &&
           setup.step <= kLongestLabStep && (!setup.milk || (setup.milk->member >= 0 && setup.milk->member < chain.size()));
}

// The state after every step, with the milking and the progress: `advance(k, state, decays)` turns
// the state of step k - 1 into that of step k and says how many atoms of each member decayed on the
// way; the milking comes after those decays. `restart(k, state)` tells it the run goes on from a
// state that was changed by hand.
template <class Advance, class Restart>
std::optional<ChainSeries> runSteps(const Chain& chain, const RunSetup& setup, Progress* progress, Advance advance,
                                    Restart restart)
{
    ChainSeries series{.members = chain.size(), .steps = setup.steps};
    const auto length = static_cast<std::size_t>(setup.steps) + 1;
    series.values.assign(static_cast<std::size_t>(chain.size()) * length, 0.0);
    series.decays = series.values;
    std::vector<double> state = setup.initial, decays(state.size());
    state.resize(static_cast<std::size_t>(chain.size()), 0.0);
    decays.resize(state.size(), 0.0);
    auto record = [&](int k) {
        for (std::size_t i = 0; i < state.size(); ++i) {
            series.values[i * length + static_cast<std::size_t>(k)] = state[i];
            series.decays[i * length + static_cast<std::size_t>(k)] = decays[i];
        }
    };
    record(0);
    for (int k = 1; k <= setup.steps; ++k) {
        if (k % kStepsPerSlice == 0 && progress) {
            progress->advance(kStepsPerSlice);
            if (progress->cancelled())
                return std::nullopt;
        }
        advance(k, state, decays);
        if (setup.milk && setup.milk->step == k) {
            state[static_cast<std::size_t>(setup.milk->member)] = 0;
            restart(k, state);
        }
        record(k);
    }
    if (progress)
        progress->advance(setup.steps % kStepsPerSlice);
    return series;
}

// Hands the decays of every parent to its links in turn: `take(l, left)` is what link l passes to
// its daughter of the decays that the parent's earlier links left; what the last one leaves goes
// out of the chain.
template <class Count, class Take>
void feedDaughters(const Chain& chain, const std::vector<Count>& decays, std::vector<Count>& state, Take take)
{
    Count left = 0;
    for (std::size_t l = 0; l < chain.links.size(); ++l) {
        const ChainLink& link = chain.links[l];
        if (l == 0 || link.parent != chain.links[l - 1].parent)
            left = decays[static_cast<std::size_t>(link.parent)];
        const Count taken = take(l, left);
        state[static_cast<std::size_t>(link.daughter)] += taken;
        left -= taken;
    }
}

// The draws of one step of the random run: whether each member's atoms decay, and how each
// link's share is split off what its parent's decays leave.
struct StepDraws {
    std::vector<StagedDraw> decay; // per member
    std::vector<StagedDraw> split; // per link: of the decays not yet given to an earlier link

    StepDraws(const Chain& chain, double step)
    {
        for (const ChainMember& member : chain.members)
            decay.emplace_back(-std::expm1(-member.rate() * step), std::exp(-member.rate() * step));
        std::vector<double> whole(chain.members.size(), 1.0), ignored(chain.members.size());
        feedDaughters(chain, whole, ignored, [&](std::size_t l, double left) {
            const double fraction = std::min(chain.links[l].fraction, left);
            split.push_back(left > 0 ? StagedDraw(fraction / left, std::max(left - fraction, 0.0) / left) : StagedDraw());
            return fraction;
        });
    }
};

std::optional<long long> wholeAtoms(double value)
{
    if (value != std::floor(value) || value < 0 || value > kMostRandomAtoms)
        return std::nullopt;
    return static_cast<long long>(value);
}

} // namespace

RunSetupEntry readRunSetup(const Chain& chain, const RunSetupTexts& texts)
{
    RunSetup setup;
    for (int i = 0; i < chain.size(); ++i) {
        const std::string text = static_cast<std::size_t>(i) < texts.initial.size() ? texts.initial[static_cast<std::size_t>(i)] : "";
        const auto value = text.find_first_not_of(' ') == std::string::npos ? std::optional(0.0) : strictValue(text, texts.decimalPoint);
        if (!value || !(*value >= 0 && *value <= kMostLabAtoms))
            return {.error = {"The initial number of atoms of %1 must be a number from 0 to 1E+30.",
                              {chain.members[static_cast<std::size_t>(i)].symbol}}};
        setup.initial.push_back(*value);
    }
    if (std::accumulate(setup.initial.begin(), setup.initial.end(), 0.0) <= 0)
        return {.error = {"At least one member needs atoms at the start.", {}}};
    const auto step = strictValue(texts.step, texts.decimalPoint);
    setup.step = step ? *step * unitSeconds(texts.unit) : 0;
    if (!(setup.step >= kShortestLabStep && setup.step <= kLongestLabStep))
        return {.error = {"The time step must be a number from 1 ns to 1E+12 y.", {}}};
    const auto steps = wholeNumber(texts.steps, texts.decimalPoint);
    if (!steps || *steps < 1 || *steps > kMostLabSteps)
        return {.error = {"The number of steps must be a whole number from 1 to %1.", {std::to_string(kMostLabSteps)}}};
    setup.steps = static_cast<int>(*steps);
    if (texts.milkStep.find_first_not_of(' ') != std::string::npos) {
        const auto milkStep = wholeNumber(texts.milkStep, texts.decimalPoint);
        if (!milkStep || *milkStep < 1 || *milkStep > setup.steps)
            return {.error = {"The milking step must be a whole number from 1 to %1.", {std::to_string(setup.steps)}}};
        if (texts.milkMember < 0 || texts.milkMember >= chain.size())
            return {.error = {"Choose the member to milk.", {}}};
        setup.milk = Milking{static_cast<int>(*milkStep), texts.milkMember};
    }
    return {.setup = std::move(setup)};
}

Message randomRunRefusal(const RunSetup& setup)
{
    const Message refusal{"The random run follows whole atoms, at most %1 in all.", {std::to_string(kMostRandomAtoms)}};
    long long total = 0;
    for (double atoms : setup.initial) {
        const auto whole = wholeAtoms(atoms);
        if (!whole)
            return refusal;
        total += *whole;
    }
    return total > kMostRandomAtoms ? refusal : Message{};
}

std::optional<ChainSeries> exactRun(const Chain& chain, const RunSetup& setup, Progress* progress)
{
    if (!runnable(chain, setup))
        return std::nullopt;
    // N(t_s + (qB + r) step) = F(r step) F(qB step) N(t_s): two products of accurate matrices per
    // step, so no error builds up over the steps, and only about 2 sqrt(steps) matrices to make.
    const Propagator propagator(chain);
    const std::size_t n = static_cast<std::size_t>(chain.size());
    // The decays of a step from the state at its start: in a chain where every member also feeds a
    // stable tally of its own decays, the tallies' rows of the step's matrix. They are positive
    // sums too, where the balance of the members before and after would cancel.
    Chain tallied = chain;
    for (int i = 0; i < chain.size(); ++i) {
        tallied.members.push_back({});
        tallied.links.push_back({i, chain.size() + i, 1.0});
    }
    const Matrix stepTallies = Propagator(tallied).at(setup.step);
    const int block = static_cast<int>(std::ceil(std::sqrt(setup.steps)));
    std::vector<Matrix> near;
    for (int r = 0; r < block; ++r)
        near.push_back(propagator.at(r * setup.step));
    std::vector<double> start = setup.initial, far(n);
    start.resize(n, 0.0);
    int from = 0, farBlock = -1;
    return runSteps(
        chain, setup, progress,
        [&](int k, std::vector<double>& state, std::vector<double>& decays) {
            for (std::size_t i = 0; i < n; ++i) {
                const double* row = &stepTallies[(n + i) * 2 * n];
                decays[i] = std::inner_product(state.begin(), state.end(), row, 0.0);
            }
            const int q = (k - from) / block;
            if (q != farBlock) {
                multiply(propagator.at(static_cast<double>(q) * block * setup.step), start, far);
                farBlock = q;
            }
            multiply(near[static_cast<std::size_t>((k - from) % block)], far, state);
        },
        [&](int k, const std::vector<double>& state) {
            start = state;
            from = k;
            farBlock = -1;
        });
}

std::optional<ChainSeries> expectedRun(const Chain& chain, const RunSetup& setup, Progress* progress)
{
    if (!runnable(chain, setup))
        return std::nullopt;
    const StepDraws draws(chain, setup.step);
    return runSteps(
        chain, setup, progress,
        [&](int, std::vector<double>& state, std::vector<double>& decays) {
            for (std::size_t i = 0; i < state.size(); ++i) {
                decays[i] = state[i] * draws.decay[i].probability();
                state[i] -= decays[i];
            }
            feedDaughters(chain, decays, state, [&](std::size_t l, double left) { return left * draws.split[l].probability(); });
        },
        [](int, const std::vector<double>&) {});
}

std::optional<ChainSeries> randomRun(const Chain& chain, const RunSetup& setup, DecayDraws& generator, Progress* progress)
{
    if (!runnable(chain, setup) || !randomRunRefusal(setup).empty())
        return std::nullopt;
    const StepDraws draws(chain, setup.step);
    std::vector<std::int32_t> atoms(static_cast<std::size_t>(chain.size())), decayed(atoms.size());
    return runSteps(
        chain, setup, progress,
        [&](int, std::vector<double>& state, std::vector<double>& decays) {
            for (std::size_t i = 0; i < state.size(); ++i) {
                atoms[i] = static_cast<std::int32_t>(state[i]);
                decayed[i] = draws.decay[i].count(generator, atoms[i]);
                atoms[i] -= decayed[i];
            }
            feedDaughters(chain, decayed, atoms, [&](std::size_t l, std::int32_t left) { return draws.split[l].count(generator, left); });
            std::copy(atoms.begin(), atoms.end(), state.begin());
            std::copy(decayed.begin(), decayed.end(), decays.begin());
        },
        [](int, const std::vector<double>&) {});
}

} // namespace decay
