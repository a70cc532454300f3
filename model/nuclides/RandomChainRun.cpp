#include "ChainRuns.h"

#include "Propagator.h"

#include "model/random/DecayDraws.h"
#include "model/random/StagedDraw.h"

#include <cmath>
#include <map>

using namespace decay::chainrun;

namespace decay {
namespace {

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

    // Moves `atoms` of `member` through step `step`: adds where they end to `end`, their decays
    // on the way to `decays`, and those that end elsewhere to `flows`.
    void move(DecayDraws& draws, int step, int member, double atoms, std::vector<double>& end,
              std::vector<double>& decays, std::vector<ChainFlow>& flows) const
    {
        if (atoms > 0) {
            const Start start{step, member, &flows};
            visit(draws, start, m_roots[static_cast<std::size_t>(member)], 0, atoms, end, decays);
        }
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

    // Where the atoms being moved began the step.
    struct Start {
        int step;
        int member;
        std::vector<ChainFlow>* flows;
    };

    // `depth` is the number of decays on the route to node `index`.
    void visit(DecayDraws& draws, const Start& start, int index, int depth, double atoms, std::vector<double>& end,
               std::vector<double>& decays) const
    {
        const Node& node = m_nodes[static_cast<std::size_t>(index)];
        const double stayed = node.stay.count(draws, atoms);
        if (node.inChain)
            end[static_cast<std::size_t>(node.member)] += stayed;
        if (depth > 0 && stayed > 0)
            start.flows->push_back({.step = start.step,
                                    .from = start.member,
                                    .to = node.inChain ? node.member : ChainFlow::kLeftChain,
                                    .decays = depth,
                                    .atoms = stayed});
        double left = atoms - stayed;
        if (node.inChain)
            decays[static_cast<std::size_t>(node.member)] += left;
        for (std::size_t c = 0; c < node.children.size() && left > 0; ++c) {
            const double taken = c + 1 == node.children.size() ? left : node.split[c].count(draws, left);
            visit(draws, start, node.children[c], depth + 1, taken, end, decays);
            left -= taken;
        }
    }

    std::vector<Node> m_nodes;
    std::vector<int> m_roots; // the node of every member's route of one
};

} // namespace

std::optional<ChainSeries> randomRun(const Chain& chain, const RunSetup& setup, DecayDraws& generator, Progress* progress)
{
    if (!runnable(chain, setup) || !randomRunRefusal(setup).empty())
        return std::nullopt;
    std::optional<RouteDraws> draws;
    double lastStep = -1;
    const std::vector<double> times = setup.times();
    std::vector<double> end(static_cast<std::size_t>(chain.size())), decayed(end.size());
    RunSetup whole = setup;
    for (double& atoms : whole.initial)
        atoms = std::round(atoms);
    std::vector<ChainFlow> flows;
    std::optional<ChainSeries> series = runSteps(
        chain, whole, progress,
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
                draws->move(generator, k, static_cast<int>(i), state[i], end, decayed, flows);
            // runSteps empties the milked member after this step; the flows say where its atoms went.
            if (setup.milk && setup.milk->step == k && end[static_cast<std::size_t>(setup.milk->member)] > 0)
                flows.push_back({.step = k,
                                 .from = setup.milk->member,
                                 .to = ChainFlow::kTakenAway,
                                 .decays = 0,
                                 .atoms = end[static_cast<std::size_t>(setup.milk->member)]});
            std::copy(end.begin(), end.end(), state.begin());
            std::copy(decayed.begin(), decayed.end(), decays.begin());
        },
        [](int, const std::vector<double>&) {},
        // A step of a million atoms takes about a millisecond: a cancel is heard after every one,
        // so that it takes effect within a frame.
        1);
    if (series)
        series->flows = std::move(flows);
    return series;
}

} // namespace decay
