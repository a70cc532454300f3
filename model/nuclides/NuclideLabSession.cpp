#include "NuclideLabSession.h"

#include "model/random/DecayDraws.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace decay {

std::string NuclideLabSession::loadTable(std::string_view text)
{
    auto parsed = parseNuclideTable(text);
    m_table = parsed.table ? std::move(*parsed.table) : NuclideTable{};
    return parsed.table ? std::string() : parsed.error;
}

NumberEntry NuclideLabSession::setThreshold(std::string_view percent, std::string_view decimalPoint)
{
    const NumberEntry entry = readBranchThreshold(percent, decimalPoint);
    if (entry.value)
        m_threshold = *entry.value / 100;
    return entry;
}

std::optional<std::size_t> NuclideLabSession::offer(std::string_view symbol)
{
    const Nuclide* nuclide = m_table.find(symbol);
    if (!nuclide || nuclide->stable())
        return std::nullopt;
    auto& starts = m_table.chainStarts;
    auto at = std::find(starts.begin(), starts.end(), nuclide->symbol);
    if (at == starts.end())
        at = starts.insert(starts.end(), nuclide->symbol);
    return static_cast<std::size_t>(at - starts.begin());
}

void NuclideLabSession::setThreshold(double fraction)
{
    if (fraction >= 0 && fraction <= 1)
        m_threshold = fraction;
}

TableChain NuclideLabSession::chooseTable(std::string_view start)
{
    TableChain entry = chainFromTable(m_table, start, {.threshold = m_threshold});
    m_shown = entry.chain;
    m_result.reset();
    return entry;
}

ChainEntry NuclideLabSession::chooseCustom(const CustomChainTexts& texts)
{
    ChainEntry entry = readCustomChain(texts);
    m_shown = entry.chain;
    m_result.reset();
    return entry;
}

const Chain* NuclideLabSession::currentChain() const
{
    if (m_result)
        return &m_result->chain;
    return m_shown ? &*m_shown : nullptr;
}

std::optional<NuclideLabSession::Defaults> NuclideLabSession::defaults() const
{
    if (!m_shown)
        return std::nullopt;
    const RunDefaults d = runDefaults(*m_shown);
    const int steps = d.grid == GridKind::Logarithmic
                          ? static_cast<int>(logarithmicTimes(d.step * unitSeconds(d.unit), d.last * unitSeconds(d.lastUnit), d.perDecade).size()) - 1
                          : d.steps;
    LabView view;
    if (d.daughters) {
        view.kind = LabView::Kind::Activity;
        view.logY = d.grid == GridKind::Logarithmic;
    }
    return Defaults{.entries = defaultEntries(*m_shown, d), .milkStep = std::max(steps / 2, 1), .view = view};
}

std::variant<NuclideLabSession::Prepared, Message> NuclideLabSession::prepare(const RunSetupTexts& texts, bool random) const
{
    if (!m_shown)
        return Message{};
    return prepare(*m_shown, texts, random);
}

std::variant<NuclideLabSession::Prepared, Message> NuclideLabSession::prepare(const Chain& chain, const RunSetupTexts& texts, bool random)
{
    const RunSetupEntry entry = readRunSetup(chain, texts);
    if (!entry.setup)
        return entry.error;
    if (random)
        if (Message refusal = randomRunRefusal(*entry.setup); !refusal.empty())
            return refusal;
    const TimeUnit unit = entry.setup->grid.empty() ? texts.unit : texts.lastUnit;
    return Prepared{.chain = chain, .setup = *entry.setup, .unit = unit, .firstUnit = texts.firstUnit, .random = random};
}

Message NuclideLabSession::refusal(const RunSetupTexts& texts, bool random) const
{
    const auto prepared = prepare(texts, random);
    const auto* refused = std::get_if<Message>(&prepared);
    return refused ? *refused : Message{};
}

std::optional<LabRun> NuclideLabSession::run(const Prepared& prepared, std::uint64_t seed, Progress* progress)
{
    std::optional<LabRun> ran = runLab(prepared.chain, prepared.setup, prepared.unit, prepared.random, seed, progress);
    if (ran)
        ran->firstUnit = prepared.firstUnit;
    return ran;
}

NuclideLabSession::Outcome NuclideLabSession::runNow(const RunSetupTexts& texts, bool random, std::uint64_t seed)
{
    const auto prepared = prepare(texts, random);
    if (const auto* refused = std::get_if<Message>(&prepared))
        return {.error = *refused};
    std::optional<LabRun> ran = run(std::get<Prepared>(prepared), seed);
    if (!ran)
        return {};
    m_result = std::move(ran);
    return {.ran = true};
}

bool NuclideLabSession::adopt(const RunSetupTexts& texts, std::vector<double> atoms, std::vector<double> decays,
                               std::vector<ChainFlow> flows)
{
    m_result.reset();
    const auto prepared = prepare(texts, false);
    if (!std::holds_alternative<Prepared>(prepared))
        return false;
    std::optional<LabRun> exact = run(std::get<Prepared>(prepared), 0);
    if (!exact || atoms.size() != exact->atoms.values.size() || decays.size() != exact->atoms.decays.size())
        return false;
    exact->exact = exact->atoms;
    exact->atoms.values = std::move(atoms);
    exact->atoms.decays = std::move(decays);
    exact->atoms.flows = std::move(flows);
    exact->random = true;
    m_result = std::move(exact);
    return true;
}

std::optional<NuclideLabSession::Summary> NuclideLabSession::summary() const
{
    if (!m_result)
        return std::nullopt;
    const RunSetup& setup = m_result->setup;
    Summary summary{.random = m_result->random, .steps = setup.steps, .unit = m_result->unit, .milk = setup.milk};
    // A logarithmic grid's first time after 0, and its last.
    if (!setup.grid.empty()) {
        summary.grid = GridKind::Logarithmic;
        summary.first = setup.grid[1] / unitSeconds(m_result->firstUnit);
        summary.firstUnit = m_result->firstUnit;
        summary.last = setup.grid.back() / unitSeconds(m_result->unit);
    }
    return summary;
}

Report NuclideLabSession::statusReport(const std::string& typedStep) const
{
    const std::optional<Summary> ran = summary();
    Report report;
    if (!ran)
        return report;
    const MessageValue kind = sentenceValue({ran->random ? "Random" : "Exact", {}}, kNuclideLabContext);
    if (ran->grid == GridKind::Logarithmic)
        report.line({"%1 run: %2 times on a logarithmic grid from %3 %4 to %5 %6.",
                     {kind, ran->steps, numberValue(ran->first, 4), unitValue(unitName(ran->firstUnit)), numberValue(ran->last, 4),
                      unitValue(unitName(ran->unit))}});
    else
        report.line({"%1 run: %2 steps of %3 %4.", {kind, ran->steps, typedStep, unitValue(unitName(ran->unit))}});
    if (ran->milk)
        report.then({"All %1 milked after step %2.", {m_result->chain.members[static_cast<std::size_t>(ran->milk->member)].symbol, ran->milk->step}});
    return report;
}

Plot NuclideLabSession::plot(const LabView& view) const
{
    return labPlot(m_result ? &*m_result : nullptr, view);
}

std::vector<int> NuclideLabSession::upstream(int daughter) const
{
    const Chain* chain = currentChain();
    if (!chain || daughter < 0 || daughter >= chain->size())
        return {};
    return upstreamMembers(*chain, daughter);
}

Message NuclideLabSession::equilibriumText(int daughter, int over) const
{
    const Chain* chain = currentChain();
    if (!chain || daughter < 0 || over < 0 || daughter >= chain->size() || over >= chain->size())
        return {};
    return equilibriumMessage(*chain, m_result ? m_result->setup.initial : pureStart(*chain), daughter, over);
}

} // namespace decay
