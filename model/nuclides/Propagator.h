#pragma once

// What the exact and the random run of a chain share: the exponential of the chain's rate matrix,
// summed over the routes through the chain, and the loop over the steps.

#include "ChainRuns.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <span>
#include <vector>

namespace decay::chainrun {

// Between two looks at the cancel flag.
inline constexpr int kStepsPerSlice = 64;
// A route through the chain, and a member's decays as a member of their own after it.
inline constexpr int kLongestRoute = kMostChainMembers + 1;

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

inline void multiply(const Matrix& m, std::span<const double> v, std::span<double> out)
{
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        double sum = 0;
        for (std::size_t j = 0; j <= i; ++j) // lower triangular
            sum += m[i * n + j] * v[j];
        out[i] = sum;
    }
}

inline bool gridRunnable(const RunSetup& setup)
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
inline Chain talliedChain(const Chain& chain)
{
    Chain tallied = chain;
    for (int i = 0; i < chain.size(); ++i) {
        tallied.members.push_back({});
        tallied.links.push_back({i, chain.size() + i, 1.0});
    }
    return tallied;
}

// a b of two lower triangular n x n matrices.
inline Matrix product(const Matrix& a, const Matrix& b, std::size_t n)
{
    Matrix c(n * n, 0.0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k <= i; ++k)
            for (std::size_t j = 0; j <= k; ++j)
                c[i * n + j] += a[i * n + k] * b[k * n + j];
    return c;
}

// What readRunSetup guarantees, checked again for a setup made by hand.
inline bool runnable(const Chain& chain, const RunSetup& setup)
{
    return setup.steps >= 1 && setup.steps <= kMostLabSteps && gridRunnable(setup) &&
           (!setup.milk || (setup.milk->member >= 0 && setup.milk->member < chain.size()));
}

// The state after every step, with the milking and the progress: `advance(k, state, decays)` turns
// the state of step k - 1 into that of step k and says how many atoms of each member decayed on the
// way; the milking comes after those decays. `restart(k, state)` tells it the run goes on from a
// state that was changed by hand. The progress hears of the steps `slice` at a time, and a cancel
// takes effect at the next slice.
template <class Advance, class Restart>
std::optional<ChainSeries> runSteps(const Chain& chain, const RunSetup& setup, Progress* progress, Advance advance,
                                    Restart restart, int slice = kStepsPerSlice)
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
        if (k % slice == 0 && progress) {
            progress->advance(slice);
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
        progress->advance(setup.steps % slice);
    return series;
}

} // namespace decay::chainrun
