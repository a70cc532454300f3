#include "Runs.h"

#include "Conversions.h"
#include "DecayDraws.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decay {
namespace {

std::string resultLabel(std::int16_t tmax)
{
    return "Number of atoms at t=" + std::to_string(tmax);
}

std::int16_t clampedLastStep(double simulationTime)
{
    return static_cast<std::int16_t>(std::clamp(roundHalfEven(simulationTime), 0.0, double(kLastStepLimit)));
}

} // namespace

RunOutcome runDeterministic(RunState& state, const RunTexts& texts)
{
    const auto N0 = lenientValue(texts.N0);
    const auto r = strictValue(texts.rate, texts.decimalPoint);
    const auto simulationTime = lenientValue(texts.simulationTime);
    if (!N0 || !r || !simulationTime)
        return {};
    const std::int16_t tmax = clampedLastStep(*simulationTime);
    const int end = tmax + 1;
    // e^(-r t) is monotone in t, so the ends of the range bound every value of the series.
    if (!std::isfinite(std::exp(-*r * end) * *N0))
        return {};

    state.Extinct = "No";
    state.tmax = tmax;
    state.Nt[0] = *N0;
    for (int t = 0; t <= end; ++t) {
        state.Nt[t] = std::exp(-*r * t) * state.Nt[0];
        if (t >= 1)
            state.dNt[t - 1] = state.Nt[t - 1] - state.Nt[t];
    }
    state.t = static_cast<std::int16_t>(end);
    state.RunValid = "Yes";
    return {.ran = true, .label = resultLabel(tmax), .box = numberText(state.Nt[tmax]), .lnViewEnabled = true};
}

RunOutcome runRandom(RunState& state, const RunTexts& texts, std::uint64_t seed)
{
    const auto N0 = lenientValue(texts.N0);
    const auto p = strictSingle(texts.rate, texts.decimalPoint);
    const std::int16_t tmax = state.tmax;
    if (!N0 || !p || tmax < 0 || tmax > kLastStepLimit)
        return {};

    double start = *N0;
    std::int16_t atoms = 0;
    if (const auto whole = toInt16(start))
        atoms = *whole;
    else if (start > 0) // more atoms than a 16-bit count holds: run the most it can
        start = atoms = std::numeric_limits<std::int16_t>::max();

    state.RunValid = "Yes";
    state.Nleft = atoms;
    state.Nt[0] = start;
    DecayDraws draws(seed);
    const std::uint32_t limit = DecayDraws::drawLimit(*p);
    state.Extinct = "No";

    const int end = tmax + 1;
    for (int t = 1; t <= end; ++t) {
        state.t = static_cast<std::int16_t>(t);
        state.Ndecay = static_cast<std::int16_t>(draws.countDecays(state.Nleft, limit));
        state.Nleft = static_cast<std::int16_t>(state.Nleft - state.Ndecay);
        if (state.Nleft <= 0) {
            state.Nleft = 0;
            state.Nt[t] = 0;
            state.dNt[t - 1] = state.Nt[t - 1];
            state.tzero = static_cast<std::int16_t>(t);
            std::fill(state.Nt.begin() + t, state.Nt.begin() + end + 1, 0.0);
            std::fill(state.dNt.begin() + t, state.dNt.begin() + end + 1, 0.0);
            state.Extinct = "Yes";
            break;
        }
        state.Nt[t] = state.Nleft;
        state.dNt[t - 1] = state.Nt[t - 1] - state.Nt[t];
    }
    return {.ran = true,
            .label = resultLabel(tmax),
            .box = numberText(state.Nt[tmax]),
            .runEnabled = true,
            .focusDecayedView = true};
}

} // namespace decay
