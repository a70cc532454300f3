#include "ChainRuns.h"

#include "model/common/Conversions.h"
#include "model/common/Rounding.h"

#include <cmath>
#include <numeric>

namespace decay {
namespace {

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
    const auto fits = [](const std::vector<double>& grid) { return grid.size() <= static_cast<std::size_t>(kMostLabSteps) + 1; };
    if (!fits(setup.grid)) {
        Message refusal{"The grid has more than %1 steps: take fewer points per decade or a shorter span.", {std::to_string(kMostLabSteps)}};
        // The grid's points grow with the points per decade: their share of the steps allowed,
        // then one fewer until they fit.
        auto fewer = static_cast<int>(static_cast<double>(*perDecade) * kMostLabSteps / static_cast<double>(setup.grid.size() - 1));
        while (fewer >= 1 && !fits(logarithmicTimes(from, to, fewer)))
            --fewer;
        if (fewer < 1)
            return refusal;
        return withRemedy(std::move(refusal), {{{Remedy::Entry::PointsPerDecade, static_cast<double>(fewer)}},
                                               {"Take %1 points per decade", {wholeValue(fewer)}}});
    }
    for (std::size_t k = 1; k < setup.grid.size(); ++k)
        if (!(setup.grid[k] - setup.grid[k - 1] >= kShortestLabStep))
            return {"The grid's steps must be at least 1 ns: take fewer points per decade or a later first time.", {}};
    setup.steps = static_cast<int>(setup.grid.size()) - 1;
    setup.step = setup.grid[1];
    return {};
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

std::vector<AmountUnit> amountUnitsOf(const ChainMember& member)
{
    std::vector<AmountUnit> units{AmountUnit::Atoms};
    if (member.molarMass > 0)
        units.push_back(AmountUnit::Grams);
    if (!member.stable())
        units.push_back(AmountUnit::Becquerel);
    return units;
}

RunSetupEntry readRunSetup(const Chain& chain, const RunSetupTexts& texts)
{
    RunSetup setup;
    for (int i = 0; i < chain.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const std::string text = at < texts.initial.size() ? texts.initial[at] : "";
        const AmountUnit unit = at < texts.amountUnits.size() ? texts.amountUnits[at] : AmountUnit::Atoms;
        const ChainMember& member = chain.members[at];
        const auto value = text.find_first_not_of(' ') == std::string::npos ? std::optional(0.0) : strictValue(text, texts.decimalPoint);
        if (unit == AmountUnit::Atoms && (!value || !(*value >= 0 && *value <= kMostLabAtoms)))
            return {.error = {"The initial number of atoms of %1 must be a number from 0 to 1E+30.", {member.symbol}}};
        if (!value || !(*value >= 0 && std::isfinite(*value)))
            return {.error = {"The initial amount of %1 must be a number of at least 0.", {member.symbol}}};
        // None is none in every unit, a stable member's becquerel too.
        const auto atoms = *value == 0 ? std::optional(0.0) : atomsOf(member, *value, unit);
        if (!atoms && unit == AmountUnit::Grams)
            return {.error = {"%1 has no molar mass here: give its amount in atoms.", {member.symbol}}};
        if (!atoms)
            return {.error = {"%1 is stable and has no activity: give its amount in atoms or grams.", {member.symbol}}};
        if (!(*atoms <= kMostLabAtoms))
            return {.error = {"The initial amount of %1 is more than 1E+30 atoms.", {member.symbol}}};
        setup.initial.push_back(*atoms);
        setup.countedAtoms.push_back(unit == AmountUnit::Atoms);
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
        if (!steps || *steps < 1 || *steps > kMostLabSteps) {
            Message refusal{"The number of steps must be a whole number from 1 to %1.", {std::to_string(kMostLabSteps)}};
            if (!steps || *steps < 1)
                return {.error = std::move(refusal)};
            // The same span in the steps allowed, each as long as that takes, in two digits.
            const double span = setup.step * static_cast<double>(*steps);
            const double longer = roundedUp(span / kMostLabSteps / unitSeconds(texts.unit), 2);
            if (!(longer * unitSeconds(texts.unit) <= kLongestLabStep))
                return {.error = std::move(refusal)};
            const double fewer = std::round(span / (longer * unitSeconds(texts.unit)));
            return {.error = withRemedy(std::move(refusal), {{{Remedy::Entry::Step, longer}, {Remedy::Entry::Steps, fewer}},
                                                             said("Take %1 steps of %2 %3", wholeValue(fewer), numberValue(longer, 2),
                                                                  unitValue(unitName(texts.unit)))})};
        }
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
    for (std::size_t i = 0; i < setup.initial.size(); ++i)
        if ((i >= setup.countedAtoms.size() || setup.countedAtoms[i]) && setup.initial[i] != std::floor(setup.initial[i]))
            return {"The random run follows whole atoms: give whole numbers of atoms.", {}};
    return {};
}

} // namespace decay
