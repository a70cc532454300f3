#include "CountingSession.h"

#include "model/random/DecayDraws.h"

namespace decay {

void CountingSession::setSample(LabRun run)
{
    m_sample = std::move(run);
    m_counter.reset();
    m_imported.reset();
    m_fit.reset();
}

Message CountingSession::start(const CounterSettings& settings, std::vector<bool> counted, std::uint64_t seed)
{
    if (!m_sample)
        return {};
    counted.resize(m_sample->chain.members.size(), false);
    SampleRun sample = countedSample(m_sample->atoms, counted, m_sample->times(), m_sample->random);
    if (Message refusal = countingRefusal(sample, settings); !refusal.empty())
        return refusal;
    m_counter.emplace(std::move(sample), settings, seed);
    m_counted = std::move(counted);
    m_imported.reset();
    m_fit.reset();
    return {};
}

std::int64_t CountingSession::totalCounts() const
{
    if (!m_counter)
        return 0;
    std::int64_t sum = m_counter->running().counts;
    for (const CountInterval& interval : m_counter->intervals())
        sum += interval.counts;
    return sum;
}

// What the counter recorded since it had `done` intervals and `running` counts in the one running:
// the intervals completed since, which hold those counts, and the one running now. Only the new
// intervals are summed, so that a frame of many steps costs no more than its steps.
std::int64_t CountingSession::recordedSince(std::size_t done, std::int64_t running) const
{
    std::int64_t sum = m_counter->running().counts - running;
    const std::vector<CountInterval>& intervals = m_counter->intervals();
    for (std::size_t k = done; k < intervals.size(); ++k)
        sum += intervals[k].counts;
    return sum;
}

std::int64_t CountingSession::advanceStep()
{
    if (!m_counter)
        return 0;
    const std::size_t done = m_counter->intervals().size();
    const std::int64_t running = m_counter->running().counts;
    m_counter->advanceStep();
    return recordedSince(done, running);
}

std::int64_t CountingSession::playTo(double seconds)
{
    if (!m_counter)
        return 0;
    const std::size_t done = m_counter->intervals().size();
    const std::int64_t running = m_counter->running().counts;
    m_counter->playTo(seconds);
    return recordedSince(done, running);
}

const BackgroundMeasurement& CountingSession::measureBackground(const CounterSettings& settings, double seconds, std::uint64_t seed)
{
    DecayDraws draws(seed);
    m_background = decay::measureBackground(draws, settings.background, seconds, settings.deadTime);
    return *m_background;
}

Message CountingSession::importCounts(std::string_view text, std::string_view decimalPoint)
{
    CountsImport read = readCounts(text, decimalPoint);
    if (!read.counts)
        return read.error;
    m_counter.reset();
    m_fit.reset();
    m_imported = std::move(read.counts);
    return {};
}

FitData CountingSession::shownData() const
{
    if (m_imported)
        return m_imported->data;
    if (!m_counter)
        return {};
    return countedData(m_counter->intervals(), m_background.value_or(BackgroundMeasurement{}), m_counter->settings().deadTime);
}

FitModel CountingSession::fitModel(FitShape shape) const
{
    switch (shape) {
    case FitShape::TwoNuclides: return {.shape = shape};
    case FitShape::Chain:
        if (m_sample && m_counter && !m_imported)
            return chainModel(m_sample->chain, m_sample->setup.initial, m_counted, m_counter->intervals());
        return {.shape = shape};
    case FitShape::OneNuclide: break;
    }
    return {};
}

const HalfLifeFit& CountingSession::fit(FitMethod method, FitShape shape)
{
    m_fit = fitHalfLives(shownData(), method, fitModel(shape));
    return *m_fit;
}

CountingSession::ShownTime CountingSession::shownTime() const
{
    if (m_imported)
        return {.unit = m_imported->timeUnit};
    if (m_sample)
        return {.toShown = 1 / unitSeconds(m_sample->unit), .unit = std::string(unitName(m_sample->unit)), .timeUnit = true};
    return {};
}

RatePlotData CountingSession::rateData(bool fitShown, bool hasSample, bool logY) const
{
    ShownTime time = shownTime();
    return {.data = shownData(), .fit = fitShown && m_fit ? &*m_fit : nullptr, .toShown = time.toShown, .unit = std::move(time.unit),
            .timeUnit = time.timeUnit, .perSecond = !m_imported, .hasSample = hasSample, .logY = logY};
}

void CountingSession::newDatingSample(double grams, std::optional<double> age, std::uint64_t seed)
{
    DecayDraws draws(seed);
    m_datingSample = age ? DatingSample{*age, grams} : hiddenSample(draws, grams);
    m_datings.clear();
}

bool CountingSession::countDatingSample(const CounterSettings& settings, double seconds, std::uint64_t seed)
{
    if (!m_datingSample)
        return false;
    DecayDraws draws(seed);
    const DatingCount count = countSample(draws, *m_datingSample, settings, seconds);
    const BackgroundMeasurement background = decay::measureBackground(draws, settings.background, count.seconds);
    m_datings.push_back({count, background, dateSample(count, background, m_datingSample->carbonGrams, settings.efficiency)});
    return true;
}

void CountingSession::repeat(const RepeatSettings& settings, const DeadTime& deadTime, std::uint64_t seed)
{
    DecayDraws draws(seed);
    m_repeats = repeatCounts(draws, settings, deadTime);
}

} // namespace decay
