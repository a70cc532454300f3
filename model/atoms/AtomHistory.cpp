#include "AtomHistory.h"

#include "model/experiment/Ensemble.h"
#include "model/nuclides/LabPlot.h"
#include "model/nuclides/LabRun.h"
#include "model/random/DecayDraws.h"
#include "model/common/Conversions.h"
#include "model/run/Runs.h"

#include <cmath>
#include <numbers>
#include <numeric>

namespace decay {
namespace {

// The colours of the lab's chart before they repeat.
constexpr int kPlainMemberColors = 8;

AtomHistory refused(Message why)
{
    AtomHistory history;
    history.refusal = std::move(why);
    return history;
}

Message notRandom()
{
    return {"Only the atoms of a random run can be shown."};
}

// Whether the atoms and steps are few enough to follow one by one; the refusal if not.
Message tooLarge(double atoms, int steps)
{
    if (atoms <= 0)
        return {"The run has no atoms to show."};
    if (atoms > kMostFollowedAtoms)
        return said("The atoms can be shown one by one for runs of at most %1 atoms.", wholeValue(kMostFollowedAtoms));
    if (steps > kMostFollowedSteps)
        return said("The atoms can be shown one by one for runs of at most %1 steps.", wholeValue(kMostFollowedSteps));
    return {};
}

// A single nuclide whose atoms left at every step are `left`, each decaying with the probability
// `p` per step: "not yet decayed" and "decayed".
template <class Count>
AtomHistory singleNuclide(const Count* left, int steps, double p)
{
    for (int t = 0; t <= steps; ++t) {
        const double n = static_cast<double>(left[t]);
        if (!(n >= 0) || n != std::floor(n) || (t > 0 && n > static_cast<double>(left[t - 1])))
            return refused(notRandom());
    }
    if (Message why = tooLarge(static_cast<double>(left[0]), steps); !why.empty())
        return refused(std::move(why));
    AtomHistory history;
    history.states = {Message{"Not yet decayed"}, Message{"Decayed"}};
    // Blue and yellow of Okabe and Ito's palette, the pair told apart with every common colour-vision deficiency.
    history.colors = {{0, 114, 178}, {240, 228, 66}};
    history.steps = steps;
    const auto length = static_cast<std::size_t>(steps) + 1;
    history.counts.resize(2 * length);
    const auto first = static_cast<std::int64_t>(left[0]);
    for (int t = 0; t <= steps; ++t) {
        const auto n = static_cast<std::int64_t>(left[t]);
        history.counts[static_cast<std::size_t>(t)] = n;
        history.counts[length + static_cast<std::size_t>(t)] = first - n;
        if (t > 0 && n < static_cast<std::int64_t>(left[t - 1]))
            history.flows.push_back({.step = t, .from = 0, .to = 1, .atoms = static_cast<std::int64_t>(left[t - 1]) - n});
        history.times.push_back(t);
    }
    // An atom survives a step with 1 - p, so half of them are left after ln 2 / -ln(1 - p) steps.
    history.halfLife = p > 0 ? std::numbers::ln2 / -std::log1p(-std::min(p, 1.0)) : 0;
    return history;
}

// The probability with which the draws decay an atom in a step at the rate `rate`: a draw k/2^24
// decays it when k < drawLimit.
double drawnProbability(double rate)
{
    return DecayDraws::drawLimit(static_cast<float>(rate)) / 16777216.0;
}

} // namespace

std::int64_t AtomHistory::atoms() const
{
    std::int64_t all = 0;
    for (int s = 0; s < stateCount() && steps >= 0 && !counts.empty(); ++s)
        all += count(s, 0);
    return all;
}

AtomHistory atomsOfRun(const RunState& state, const RunTexts& texts)
{
    const auto rate = strictSingle(texts.rate, texts.decimalPoint);
    if (!isYes(state.RunValid) || !rate)
        return refused({"Make a random run first: its atoms are shown here."});
    return singleNuclide(state.Nt.data(), state.tmax, drawnProbability(*rate));
}

AtomHistory atomsOfExperiment(const Ensemble* ensemble, int run)
{
    if (!ensemble || run < 0 || run >= ensemble->params.runs || ensemble->counts.empty())
        return refused({"Make a random run first: its atoms are shown here."});
    return singleNuclide(ensemble->run(run).data(), ensemble->params.lastStep, drawnProbability(ensemble->params.rate));
}

AtomHistory atomsOfLab(const LabRun* run)
{
    if (!run)
        return refused({"Make a random run first: its atoms are shown here."});
    const ChainSeries& series = run->atoms;
    if (!run->random || series.members != run->chain.size())
        return refused(notRandom());
    double all = 0;
    for (int i = 0; i < series.members; ++i)
        all += series.at(i, 0);
    if (Message why = tooLarge(all, series.steps); !why.empty())
        return refused(std::move(why));

    AtomHistory history;
    const int members = series.members;
    const int left = members, takenAway = members + 1;
    // The radioactive members in the colours of the lab's chart, which repeat after eight where
    // the chart dashes its lines: on the square the repeats are paler. Stable members are grey,
    // atoms gone out of the chain black, those taken away white like the empty square.
    for (int i = 0; i < members; ++i) {
        const ChainMember& member = run->chain.members[static_cast<std::size_t>(i)];
        history.states.push_back(Message{"%1", {member.symbol}});
        if (member.stable()) {
            history.colors.push_back({185, 185, 185});
            continue;
        }
        PlotColor color = memberStyle(i).color;
        for (int round = 0; round < i / kPlainMemberColors; ++round) {
            color.red = (color.red + 255) / 2;
            color.green = (color.green + 255) / 2;
            color.blue = (color.blue + 255) / 2;
        }
        history.colors.push_back(color);
    }
    history.states.push_back(Message{"Left the chain"});
    history.colors.push_back({0, 0, 0});
    history.states.push_back(Message{"Taken away"});
    history.colors.push_back({255, 255, 255});
    history.steps = series.steps;
    const auto length = static_cast<std::size_t>(series.steps) + 1;
    history.counts.assign(static_cast<std::size_t>(members + 2) * length, 0);
    for (int i = 0; i < members; ++i)
        for (int t = 0; t <= series.steps; ++t)
            history.counts[static_cast<std::size_t>(i) * length + static_cast<std::size_t>(t)] = static_cast<std::int64_t>(series.at(i, t));
    // The atoms that left the chain or were taken away are what the members lost to them so far.
    std::vector<std::int64_t> out(2 * length, 0);
    for (const ChainFlow& flow : series.flows) {
        const int to = flow.to == ChainFlow::kLeftChain ? left : flow.to == ChainFlow::kTakenAway ? takenAway : flow.to;
        history.flows.push_back({.step = flow.step,
                                 .from = flow.from,
                                 .to = to,
                                 .decays = flow.decays,
                                 .atoms = static_cast<std::int64_t>(flow.atoms),
                                 .afterMoves = flow.to == ChainFlow::kTakenAway});
        if (to >= members)
            out[static_cast<std::size_t>(to - members) * length + static_cast<std::size_t>(flow.step)] += static_cast<std::int64_t>(flow.atoms);
    }
    for (int sink = 0; sink < 2; ++sink) {
        std::int64_t sum = 0;
        for (std::size_t t = 0; t < length; ++t) {
            sum += out[static_cast<std::size_t>(sink) * length + t];
            history.counts[static_cast<std::size_t>(members + sink) * length + t] = sum;
        }
    }
    history.times = run->shownTimes();
    history.timeInSteps = false;
    history.unitSymbol = std::string(unitName(run->unit));
    while (history.tracked + 1 < members && history.count(history.tracked, 0) == 0)
        ++history.tracked;
    const ChainMember& tracked = run->chain.members[static_cast<std::size_t>(history.tracked)];
    history.halfLife = tracked.halfLife / unitSeconds(run->unit);
    return history;
}

} // namespace decay
