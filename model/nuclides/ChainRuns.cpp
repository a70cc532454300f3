#include "ChainRuns.h"

#include "model/common/Conversions.h"
#include "model/random/DecayDraws.h"
#include "model/random/StagedDraw.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
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
    explicit ExpDividedDifference(std::span<const double> z) : m_z(z)
    {
        // Only the stretches of these points: a route is mostly far shorter than the longest.
        std::fill_n(m_known.begin(), z.size() * z.size(), kUnknown);
    }
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
        double& known = m_known[static_cast<std::size_t>(i) * m_z.size() + static_cast<std::size_t>(j)];
        if (std::isnan(known))
            known = (over(i + 1, j) - over(i, j - 1)) / spread;
        return known;
    }

    std::span<const double> m_z;
    static constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();
    std::array<double, kLongestRoute * kLongestRoute> m_known; // g[z_i..z_j] at i * size + j, once computed
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

    struct Route {
        std::vector<int> members;
        double fraction = 1;
    };

    Matrix at(double t) const
    {
        Matrix f(static_cast<std::size_t>(m_size * m_size), 0.0);
        const std::vector<double> values = routeValues(t);
        for (std::size_t r = 0; r < m_routes.size(); ++r)
            f[static_cast<std::size_t>(m_routes[r].members.back() * m_size + m_routes[r].members.front())] += values[r];
        return f;
    }

    // For every route, the probability that an atom of its first member at 0 has followed it by t
    // and is its last member then.
    std::vector<double> routeValues(double t) const
    {
        std::vector<double> values;
        for (const Route& route : m_routes)
            values.push_back(routeValue(route, t));
        return values;
    }
    // N(t) of one member from the atoms at 0.
    double memberAt(int member, std::span<const double> initial, double t) const
    {
        double sum = 0;
        for (const Route& route : m_routes)
            if (route.members.back() == member && initial[static_cast<std::size_t>(route.members.front())] > 0)
                sum += initial[static_cast<std::size_t>(route.members.front())] * routeValue(route, t);
        return sum;
    }
    const std::vector<Route>& routes() const { return m_routes; }

private:
    // The probability that an atom of the route's first member at 0 has followed it by t and is its
    // last member then.
    double routeValue(const Route& route, double t) const
    {
        std::array<double, kLongestRoute> points;
        const std::size_t length = route.members.size();
        for (std::size_t l = 0; l < length; ++l)
            points[l] = -m_rates[static_cast<std::size_t>(route.members[l])] * t;
        std::sort(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(length));
        // Growing from the small divided difference keeps the partial products in range.
        double value = ExpDividedDifference(std::span(points.data(), length))() * route.fraction;
        for (std::size_t l = 0; l + 1 < length && value != 0.0; ++l)
            value *= m_rates[static_cast<std::size_t>(route.members[l])] * t;
        return value;
    }

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

bool gridRunnable(const RunSetup& setup)
{
    if (setup.grid.empty())
        return setup.step >= kShortestLabStep && setup.step <= kLongestLabStep;
    if (setup.grid.size() != static_cast<std::size_t>(setup.steps) + 1 || setup.grid[0] != 0 || setup.grid.back() > kLongestLabStep)
        return false;
    for (std::size_t k = 1; k < setup.grid.size(); ++k)
        if (!(setup.grid[k] - setup.grid[k - 1] >= kShortestLabStep))
            return false;
    return true;
}

// The chain with a stable tally after every member, fed by all its decays: the tallies count the
// decays, as positive sums where the balance of the members before and after would cancel.
Chain talliedChain(const Chain& chain)
{
    Chain tallied = chain;
    for (int i = 0; i < chain.size(); ++i) {
        tallied.members.push_back({});
        tallied.links.push_back({i, chain.size() + i, 1.0});
    }
    return tallied;
}

// a b of two lower triangular n x n matrices.
Matrix product(const Matrix& a, const Matrix& b, std::size_t n)
{
    Matrix c(n * n, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k <= i; ++k)
            for (std::size_t j = 0; j <= k; ++j)
                c[i * n + j] += a[i * n + k] * b[k * n + j];
    return c;
}

// What readRunSetup guarantees, checked again for a setup made by hand.
bool runnable(const Chain& chain, const RunSetup& setup)
{
    return setup.steps >= 1 && setup.steps <= kMostLabSteps && gridRunnable(setup) &&
           (!setup.milk || (setup.milk->member >= 0 && setup.milk->member < chain.size()));
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

// The draws of one step of the random run, exact in distribution for any step: an atom that starts
// the step as member i ends it where the exact solution puts it, still i, any member it reaches
// through one or more decays, or out of the chain, by the route it took. The routes from i form a
// tree; node n (a route p_0 -> ... -> p_m) ends the step with probability S(n), the route's term of
// e^(A step) (Propagator), and is passed through with R(n) = S(n) + sum of R over its children.
// The atoms reaching a node are split by binomial draws of the conditional probabilities: S / R
// stay, then each child takes R(child) / (the R of the children still open). All are sums of
// positive terms, so every probability and its complement keep their accuracy, and StagedDraw
// honours the smallest of them; most atoms take one draw, to stay. An atom leaves member p_m on
// its way to a child: one decay of p_m in the step. What a member's links leave of 1 goes to an
// "out" sink of its own, so atoms that leave the chain have a route too.
class RouteDraws {
public:
    RouteDraws(const Chain& chain, double step)
    {
        Chain sinks = chain;
        for (int i = 0; i < chain.size(); ++i) {
            double kept = 0;
            for (const ChainLink& link : chain.links)
                if (link.parent == i)
                    kept += link.fraction;
            if (!chain.members[static_cast<std::size_t>(i)].stable() && kept < 1) {
                sinks.members.push_back({});
                sinks.links.push_back({i, sinks.size() - 1, 1 - kept});
            }
        }
        const Propagator propagator(sinks);
        const std::vector<double> stays = propagator.routeValues(step);
        const auto& routes = propagator.routes();
        // Node r is route r. Routes come depth first, every route after its extensions, so a
        // route's children come before it: R is summed in the routes' order.
        std::map<std::vector<int>, int> routeIndex;
        m_nodes.resize(routes.size());
        for (std::size_t r = 0; r < routes.size(); ++r)
            routeIndex[routes[r].members] = static_cast<int>(r);
        m_roots.assign(static_cast<std::size_t>(chain.size()), -1);
        for (std::size_t r = 0; r < routes.size(); ++r) {
            const std::vector<int>& members = routes[r].members;
            Node& node = m_nodes[r];
            node.member = members.back();
            node.inChain = node.member < chain.size();
            node.through += stays[r];
            if (members.size() == 1) {
                if (node.inChain) // a sink starts no atoms
                    m_roots[static_cast<std::size_t>(node.member)] = static_cast<int>(r);
                continue;
            }
            const int parent = routeIndex.at(std::vector<int>(members.begin(), members.end() - 1));
            m_nodes[static_cast<std::size_t>(parent)].children.push_back(static_cast<int>(r));
            m_nodes[static_cast<std::size_t>(parent)].through += node.through;
        }
        for (std::size_t r = 0; r < routes.size(); ++r) {
            Node& node = m_nodes[r];
            const double moves = node.through - stays[r];
            node.stay = node.through > 0 ? StagedDraw(stays[r] / node.through, moves / node.through) : StagedDraw();
            double open = moves;
            for (int child : node.children) {
                const double taken = m_nodes[static_cast<std::size_t>(child)].through;
                node.split.push_back(open > 0 ? StagedDraw(taken / open, std::max(open - taken, 0.0) / open) : StagedDraw());
                open -= taken;
            }
        }
    }

    // Moves `atoms` of `member` through the step: adds where they end to `end` and their decays
    // on the way to `decays`.
    void move(DecayDraws& draws, int member, std::int32_t atoms, std::vector<std::int32_t>& end,
              std::vector<std::int32_t>& decays) const
    {
        if (atoms > 0)
            visit(draws, m_roots[static_cast<std::size_t>(member)], atoms, end, decays);
    }

private:
    struct Node {
        int member = 0;
        bool inChain = true; // false for an out-of-the-chain sink
        std::vector<int> children;
        double through = 0;             // R: the probability of passing this node
        StagedDraw stay;                // of those passing: the ones that end the step here
        std::vector<StagedDraw> split;  // per child, of those not yet given to earlier children
    };

    void visit(DecayDraws& draws, int index, std::int32_t atoms, std::vector<std::int32_t>& end,
               std::vector<std::int32_t>& decays) const
    {
        const Node& node = m_nodes[static_cast<std::size_t>(index)];
        const std::int32_t stayed = node.stay.count(draws, atoms);
        if (node.inChain)
            end[static_cast<std::size_t>(node.member)] += stayed;
        std::int32_t left = atoms - stayed;
        if (node.inChain)
            decays[static_cast<std::size_t>(node.member)] += left;
        for (std::size_t c = 0; c < node.children.size() && left > 0; ++c) {
            const std::int32_t taken = c + 1 == node.children.size() ? left : node.split[c].count(draws, left);
            visit(draws, node.children[c], taken, end, decays);
            left -= taken;
        }
    }

    std::vector<Node> m_nodes;
    std::vector<int> m_roots; // the node of every member's route of one
};

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

Message readLogarithmicGrid(const RunSetupTexts& texts, RunSetup& setup)
{
    const auto first = strictValue(texts.first, texts.decimalPoint);
    const double from = first ? *first * unitSeconds(texts.firstUnit) : 0;
    if (!(from >= kShortestLabStep && from <= kLongestLabStep))
        return {"The first time must be a number from 1 ns to 1E+12 y.", {}};
    const auto last = strictValue(texts.last, texts.decimalPoint);
    const double to = last ? *last * unitSeconds(texts.lastUnit) : 0;
    if (!(to > from && to <= kLongestLabStep))
        return {"The last time must be after the first time, at most 1E+12 y.", {}};
    const auto perDecade = wholeNumber(texts.perDecade, texts.decimalPoint);
    if (!perDecade || *perDecade < 1 || *perDecade > kMostPointsPerDecade)
        return {"The points per decade must be a whole number from 1 to %1.", {std::to_string(kMostPointsPerDecade)}};
    setup.grid = logarithmicTimes(from, to, static_cast<int>(*perDecade));
    if (setup.grid.size() > static_cast<std::size_t>(kMostLabSteps) + 1)
        return {"The grid has more than %1 steps: take fewer points per decade or a shorter span.", {std::to_string(kMostLabSteps)}};
    for (std::size_t k = 1; k < setup.grid.size(); ++k)
        if (!(setup.grid[k] - setup.grid[k - 1] >= kShortestLabStep))
            return {"The grid's steps must be at least 1 ns: take fewer points per decade or a later first time.", {}};
    setup.steps = static_cast<int>(setup.grid.size()) - 1;
    setup.step = setup.grid[1];
    return {};
}

std::optional<long long> wholeAtoms(double value)
{
    if (value != std::floor(value) || value < 0 || value > kMostRandomAtoms)
        return std::nullopt;
    return static_cast<long long>(value);
}

} // namespace

std::vector<double> RunSetup::times() const
{
    if (!grid.empty())
        return grid;
    std::vector<double> times;
    for (int k = 0; k <= steps; ++k)
        times.push_back(k * step);
    return times;
}

std::vector<double> logarithmicTimes(double first, double last, int perDecade)
{
    std::vector<double> times{0};
    if (!(first > 0 && last >= first && perDecade >= 1))
        return times;
    // The last as typed, not a power that rounds near it; no more points than a run may have.
    for (int j = 0; times.size() <= static_cast<std::size_t>(kMostLabSteps); ++j) {
        const double t = first * std::pow(10.0, static_cast<double>(j) / perDecade);
        if (t >= last * (1 - 1e-12))
            break;
        times.push_back(t);
    }
    times.push_back(last);
    return times;
}

std::optional<double> atomsOf(const ChainMember& member, double amount, AmountUnit unit)
{
    switch (unit) {
    case AmountUnit::Atoms:
        return amount;
    case AmountUnit::Grams:
        return member.molarMass > 0 ? std::optional(amount / member.molarMass * kAvogadro) : std::nullopt;
    case AmountUnit::Becquerel:
        return member.stable() ? std::nullopt : std::optional(amount / member.rate());
    }
    return std::nullopt;
}

RunSetupEntry readRunSetup(const Chain& chain, const RunSetupTexts& texts)
{
    RunSetup setup;
    for (int i = 0; i < chain.size(); ++i) {
        const std::string text = static_cast<std::size_t>(i) < texts.initial.size() ? texts.initial[static_cast<std::size_t>(i)] : "";
        const ChainMember& member = chain.members[static_cast<std::size_t>(i)];
        const auto value = text.find_first_not_of(' ') == std::string::npos ? std::optional(0.0) : strictValue(text, texts.decimalPoint);
        if (texts.amountUnit == AmountUnit::Atoms && (!value || !(*value >= 0 && *value <= kMostLabAtoms)))
            return {.error = {"The initial number of atoms of %1 must be a number from 0 to 1E+30.", {member.symbol}}};
        if (!value || !(*value >= 0 && std::isfinite(*value)))
            return {.error = {"The initial amount of %1 must be a number of at least 0.", {member.symbol}}};
        const auto atoms = atomsOf(member, *value, texts.amountUnit);
        if (!atoms && texts.amountUnit == AmountUnit::Grams)
            return {.error = {"%1 has no molar mass here: give its amount in atoms.", {member.symbol}}};
        if (!atoms)
            return {.error = {"%1 is stable and has no activity: give its amount in atoms or grams.", {member.symbol}}};
        if (!(*atoms <= kMostLabAtoms))
            return {.error = {"The initial amount of %1 is more than 1E+30 atoms.", {member.symbol}}};
        setup.initial.push_back(*atoms);
    }
    if (std::accumulate(setup.initial.begin(), setup.initial.end(), 0.0) <= 0)
        return {.error = {"At least one member needs atoms at the start.", {}}};
    if (texts.grid == GridKind::Logarithmic) {
        if (Message error = readLogarithmicGrid(texts, setup); !error.empty())
            return {.error = std::move(error)};
    } else {
        const auto step = strictValue(texts.step, texts.decimalPoint);
        setup.step = step ? *step * unitSeconds(texts.unit) : 0;
        if (!(setup.step >= kShortestLabStep && setup.step <= kLongestLabStep))
            return {.error = {"The time step must be a number from 1 ns to 1E+12 y.", {}}};
        const auto steps = wholeNumber(texts.steps, texts.decimalPoint);
        if (!steps || *steps < 1 || *steps > kMostLabSteps)
            return {.error = {"The number of steps must be a whole number from 1 to %1.", {std::to_string(kMostLabSteps)}}};
        setup.steps = static_cast<int>(*steps);
    }
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

std::optional<ChainSeries> randomRun(const Chain& chain, const RunSetup& setup, DecayDraws& generator, Progress* progress)
{
    if (!runnable(chain, setup) || !randomRunRefusal(setup).empty())
        return std::nullopt;
    std::optional<RouteDraws> draws;
    double lastStep = -1;
    const std::vector<double> times = setup.times();
    std::vector<std::int32_t> end(static_cast<std::size_t>(chain.size())), decayed(end.size());
    return runSteps(
        chain, setup, progress,
        [&](int k, std::vector<double>& state, std::vector<double>& decays) {
            // A uniform grid's steps are all `step`; a logarithmic one's each their own.
            const double step = setup.grid.empty() ? setup.step : times[static_cast<std::size_t>(k)] - times[static_cast<std::size_t>(k) - 1];
            if (step != lastStep) {
                draws.emplace(chain, step);
                lastStep = step;
            }
            std::fill(end.begin(), end.end(), 0);
            std::fill(decayed.begin(), decayed.end(), 0);
            for (std::size_t i = 0; i < state.size(); ++i)
                draws->move(generator, static_cast<int>(i), static_cast<std::int32_t>(state[i]), end, decayed);
            std::copy(end.begin(), end.end(), state.begin());
            std::copy(decayed.begin(), decayed.end(), decays.begin());
        },
        [](int, const std::vector<double>&) {});
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

} // namespace decay

namespace decay {

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
