#include "Runs.h"

#include "model/common/Conversions.h"
#include "model/random/DecayDraws.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace decay {
namespace {

Message resultLabel(std::int16_t tmax)
{
    return {"Number of atoms at t=%1", {std::to_string(tmax)}};
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
    state.Nt[0] = start;
    DecayDraws draws(seed);
    state.Extinct = "No";

    const int end = tmax + 1;
    std::array<std::int16_t, kSeriesSize> left;
    left[0] = atoms;
    const int last = decaySteps(draws, DecayDraws::drawLimit(*p), 0, end, left.data());
    for (int t = 1; t <= last; ++t) {
        state.Nt[t] = left[t];
        state.dNt[t - 1] = state.Nt[t - 1] - state.Nt[t];
    }
    state.t = static_cast<std::int16_t>(last);
    state.Nleft = left[last];
    state.Ndecay = static_cast<std::int16_t>(std::max<std::int16_t>(left[last - 1], 0) - left[last]);
    if (left[last] == 0) {
        state.tzero = static_cast<std::int16_t>(last);
        std::fill(state.Nt.begin() + last, state.Nt.begin() + end + 1, 0.0);
        std::fill(state.dNt.begin() + last, state.dNt.begin() + end + 1, 0.0);
        state.Extinct = "Yes";
    }
    return {.ran = true,
            .label = resultLabel(tmax),
            .box = numberText(state.Nt[tmax]),
            .runEnabled = true,
            .focusDecayedView = true};
}

int decaySteps(DecayDraws& draws, std::uint32_t limit, int from, int to, std::int16_t* left)
{
    for (int t = from + 1; t <= to; ++t) {
        const int rest = left[t - 1] - draws.countDecays(left[t - 1], limit);
        left[t] = static_cast<std::int16_t>(std::max(rest, 0)); // no atoms at all count as run out
        if (left[t] == 0)
            return t;
    }
    return to;
}

} // namespace decay
