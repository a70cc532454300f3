#include "CountingSession.h"

#include "Activation.h"
#include "DeadTime.h"

#include "model/common/Conversions.h"
#include "model/common/TimeUnits.h"
#include "model/random/DecayDraws.h"

#include <cmath>

namespace decay {

namespace {

Message sentence(std::string pattern, std::vector<MessageValue> values = {})
{
    return {std::move(pattern), std::move(values)};
}

// A word of the lab's, in the user's language.
MessageValue word(std::string english)
{
    return sentenceValue(sentence(std::move(english)), kCountingContext);
}

MessageValue modelWord(std::string_view english)
{
    return sentenceValue(sentence(std::string(english)), "ModelText");
}

// The count rate of an interval to the precision its counts carry: "2,400 ± 400".
MessageValue rateValue(const CountInterval& interval)
{
    const double length = interval.end - interval.start;
    const auto n = static_cast<double>(interval.counts);
    return uncertainValue(n / length, std::sqrt(std::max(n, 1.0)) / length);
}

// The ages a dating gives, with what BP means and why an age is only a limit.
void agesOf(Report& report, const DatingResult& result)
{
    for (const DatedAge& age : result.ages)
        report.line(sentence("%1: %2", {sentenceValue(ageLabel(age), kCountingContext), sentenceValue(ageText(age), kCountingContext)}));
    report.line(sentence("BP: before the present, that is before 1950, the year the activity of modern carbon refers to."));
    if (!result.note.empty())
        report.line(result.note);
}

} // namespace

void CountingSession::setSample(LabRun run)
{
    m_silverSeconds.reset();
    m_sample = std::move(run);
    m_counter.reset();
    m_imported.reset();
    m_recording.reset();
    m_fit.reset();
}

std::vector<CountingSession::Member> CountingSession::countable() const
{
    std::vector<Member> members;
    if (m_sample)
        for (std::size_t i = 0; i < m_sample->chain.members.size(); ++i)
            if (!m_sample->chain.members[i].stable())
                members.push_back({m_sample->chain.members[i].symbol, static_cast<int>(i)});
    return members;
}

Message CountingSession::activateSilver(std::string_view seconds, std::string_view decimalPoint, std::uint64_t seed)
{
    const NumberEntry activation = readActivationTime(seconds, decimalPoint);
    if (!activation.value)
        return activation.error;
    std::optional<LabRun> run = silverRun(*activation.value, seed);
    if (!run)
        return {};
    setSample(std::move(*run));
    m_silverSeconds = activation.value;
    return {};
}

Message CountingSession::start(const CounterSettings& settings, std::vector<bool> counted, std::uint64_t seed,
                               std::uint64_t backgroundSeed, std::string_view backgroundSeconds, std::string_view decimalPoint)
{
    if (!m_sample)
        return {};
    counted.resize(m_sample->chain.members.size(), false);
    SampleRun sample = countedSample(m_sample->atoms, counted, m_sample->times(), m_sample->random);
    if (Message refusal = countingRefusal(sample, settings); !refusal.empty())
        return refusal;
    if (!m_background) {
        const NumberEntry time = readBackgroundTime(backgroundSeconds, decimalPoint);
        measureBackground(settings, time.value.value_or(kFirstBackgroundTime), backgroundSeed);
    }
    m_counter.emplace(std::move(sample), settings, seed);
    m_counted = std::move(counted);
    m_imported.reset();
    m_recording.reset();
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
std::optional<CountingSession::CounterProgress> CountingSession::progress() const
{
    if (!m_counter)
        return std::nullopt;
    return CounterProgress{.running = static_cast<double>(m_counter->running().counts), .time = m_counter->time(),
                           .finished = m_counter->finished(), .intervals = static_cast<int>(m_counter->intervals().size())};
}

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
    m_backgroundHoldOff.reset();
    return *m_background;
}

Message CountingSession::measureBackground(const CounterSettings& settings, std::string_view seconds, std::string_view decimalPoint,
                                           std::uint64_t seed)
{
    const NumberEntry time = readBackgroundTime(seconds, decimalPoint);
    if (!time.value)
        return time.error;
    measureBackground(settings, *time.value, seed);
    return {};
}

Message CountingSession::importCounts(std::string_view text, std::string_view decimalPoint, std::string fileName)
{
    CountsImport read = readCounts(text, decimalPoint);
    if (!read.counts)
        return read.error;
    m_importedName = std::move(fileName);
    m_counter.reset();
    m_recording.reset();
    m_fit.reset();
    m_imported = std::move(read.counts);
    return {};
}

Message CountingSession::useRecording(PulseRecord record, std::string_view intervalSeconds, std::string_view decimalPoint)
{
    const NumberEntry width = readRecordedInterval(intervalSeconds, decimalPoint);
    if (!width.value)
        return width.error;
    m_recordedIntervals = record.intervals(*width.value);
    m_recordedWidth = *width.value;
    m_recording = std::move(record);
    m_counter.reset();
    m_imported.reset();
    m_fit.reset();
    return {};
}

void CountingSession::useRecordedBackground(const PulseRecord& record)
{
    m_background = record.background();
    m_backgroundHoldOff = record.holdOff;
}

void CountingSession::repeatRecording()
{
    m_repeats.clear();
    for (const CountInterval& interval : m_recordedIntervals)
        m_repeats.push_back(interval.counts);
}

FitData CountingSession::shownData() const
{
    if (m_imported)
        return m_imported->data;
    if (m_recording)
        return countedData(m_recordedIntervals, m_background.value_or(BackgroundMeasurement{}), m_recording->deadTime());
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

FitShape CountingSession::defaultShape() const
{
    if (m_silverSeconds)
        return FitShape::TwoNuclides;
    return countable().size() > 1 ? FitShape::Chain : FitShape::OneNuclide;
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
    if (m_recording)
        return {.unit = "s", .timeUnit = true};
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
    m_ageHidden = !age;
    m_ageShown = false;
    m_datings.clear();
    m_recordingDated.reset();
}

Message CountingSession::newDatingSample(std::string_view grams, std::string_view age, std::string_view decimalPoint, std::uint64_t seed)
{
    const NumberEntry carbon = readCarbon(grams, decimalPoint);
    if (!carbon.value)
        return carbon.error;
    const bool hidden = isBlank(age);
    const NumberEntry typed = hidden ? NumberEntry{} : readAge(age, decimalPoint);
    if (!hidden && !typed.value)
        return typed.error;
    newDatingSample(*carbon.value, typed.value, seed);
    return {};
}

Message CountingSession::countDatingSample(const CounterSettings& settings, std::string_view minutes, std::string_view decimalPoint,
                                           std::uint64_t seed)
{
    const NumberEntry time = readDatingMinutes(minutes, decimalPoint);
    if (!time.value)
        return time.error;
    countDatingSample(settings, *time.value * 60, seed);
    return {};
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

Message CountingSession::dateRecording(std::string_view grams, double efficiency, std::string_view decimalPoint)
{
    if (!m_recording)
        return {"Count the sample with the real counter first (listen, then stop, or open a recording), then date it."};
    if (!m_background || !m_backgroundHoldOff)
        return {"Count the background with the real counter too: listen with the sample away, stop, and take the counts as the background."};
    const NumberEntry carbon = readCarbon(grams, decimalPoint);
    if (!carbon.value)
        return carbon.error;
    if (!(efficiency > 0 && efficiency <= 1))
        return {"The efficiency must be a number above %1 and at most %2.", {0, 1}};
    // A non-paralysable counter is dead for the hold-off after each pulse it counts: its pulses
    // are those of the rate it is live for.
    const auto live = [](std::int64_t counts, double seconds, double holdOff) {
        return BackgroundMeasurement{counts, std::max(seconds - static_cast<double>(counts) * holdOff, 0.0)};
    };
    const auto n = static_cast<std::int64_t>(m_recording->times.size());
    const BackgroundMeasurement sample = live(n, m_recording->liveSeconds(), m_recording->holdOff);
    const BackgroundMeasurement background = live(m_background->counts, m_background->seconds, *m_backgroundHoldOff);
    if (sample.counts == background.counts && m_background->seconds == m_recording->liveSeconds())
        return {"The background and the sample are the same recording: count the sample in its place, then date it."};
    if (!(sample.seconds > 0) || !(background.seconds > 0))
        return {"The recording or the background lasted no time at all."};
    const DatingCount count{.counts = sample.counts, .seconds = sample.seconds};
    m_datingSample.reset();
    m_ageShown = false;
    m_datings = {{count, background, dateSample(count, background, *carbon.value, efficiency)}};
    m_recordingDated = std::pair(*carbon.value, efficiency);
    return {};
}

Message CountingSession::repeat(const RepeatTexts& texts, const DeadTime& deadTime, std::uint64_t seed)
{
    const RepeatSettingsEntry entry = readRepeatSettings(texts);
    if (!entry.settings)
        return entry.error;
    repeat(*entry.settings, deadTime, seed);
    return {};
}

void CountingSession::repeat(const RepeatSettings& settings, const DeadTime& deadTime, std::uint64_t seed)
{
    DecayDraws draws(seed);
    m_repeats = repeatCounts(draws, settings, deadTime);
}

Message CountingSession::sampleMessage(const MessageValue& chainName) const
{
    if (!m_sample)
        return sentence("No run to count yet.");
    const ShownTime time = shownTime();
    const MessageValue name = m_silverSeconds
                                  ? sentenceValue(sentence("1 g of silver after %1 s in a neutron source", {numberValue(*m_silverSeconds, 6)}), kCountingContext)
                                  : chainName;
    const MessageValue kind = word(m_sample->random ? "random" : "exact");
    if (m_sample->setup.grid.empty())
        return sentence("Sample: %1, %2 run of %3 steps of %4 %5.",
                    {name, kind, m_sample->setup.steps, numberValue(m_sample->setup.step * time.toShown, 6), unitValue(time.unit)});
    return sentence("Sample: %1, %2 run of %3 steps growing tenfold a decade, to %4 %5.",
                {name, kind, m_sample->setup.steps, numberValue(m_sample->setup.grid.back() * time.toShown, 6), unitValue(time.unit)});
}

Message CountingSession::backgroundMessage() const
{
    if (!m_background)
        return {};
    return sentence("Background: %1 counts in %2 s, %3 per second.",
                {wholeValue(static_cast<double>(m_background->counts)), numberValue(m_background->seconds, 6),
                 uncertainValue(m_background->rate(), m_background->sigma())});
}

Report CountingSession::counterReport() const
{
    Report report;
    if (m_recording) {
        const PulseRecord& r = *m_recording;
        report.line(sentence("Real counter: %1 pulses in %2 s; the hold-off of %3 ms is its dead time.",
                             {wholeValue(static_cast<double>(r.times.size())), numberValue(r.seconds, 6), numberValue(r.holdOff * 1e3, 3)}));
        if (!m_recordedIntervals.empty()) {
            const CountInterval& last = m_recordedIntervals.back();
            report.line(sentence("Count rate: %1 per second in the last interval.", {rateValue(last)}));
            const double corrected = trueRate(static_cast<double>(last.counts) / (last.end - last.start), r.deadTime());
            report.then(std::isfinite(corrected) ? sentence("Corrected for the dead time: %1 per second.", {numberValue(corrected, 4)})
                                                 : sentence("Too many counts for the dead time to correct."));
        }
        if (!r.gaps.empty())
            report.line(sentence("%1 stretches of the input were lost; the intervals they reach into are left out.",
                                 {wholeValue(static_cast<double>(r.gaps.size()))}));
        return report;
    }
    if (!m_counter) {
        report.line(m_imported  ? sentence("Counts imported from %1.", {m_importedName})
                    : m_sample ? sentence("Press Start to count the sample.")
                               : sentence("No run to count: run a chain in the nuclide lab and press Counter there, or import counts."));
        return report;
    }
    if (m_counter->intervals().empty()) {
        report.line(sentence("Count rate: not yet known."));
    } else {
        const CountInterval& last = m_counter->intervals().back();
        report.line(sentence("Count rate: %1 per second in the last interval.", {rateValue(last)}));
        const DeadTime& dead = m_counter->settings().deadTime;
        const double seconds = last.end - last.start;
        if (dead.tau > 0 && seconds > 0) {
            const double corrected = trueRate(static_cast<double>(last.counts) / seconds, dead);
            report.then(std::isfinite(corrected) ? sentence("Corrected for the dead time: %1 per second.", {numberValue(corrected, 4)})
                                                 : sentence("Too many counts for the dead time to correct."));
        }
        if (m_counter->saturated())
            report.then(sentence("The counter is saturated: more than 1/\u03C4 events a second reach it."));
    }
    const ShownTime time = shownTime();
    report.line(sentence("t = %1 of %2 %3; %4 intervals counted.",
                     {numberValue(m_counter->time() * time.toShown, 6), numberValue(m_counter->endTime() * time.toShown, 6),
                      unitValue(time.unit), wholeValue(static_cast<double>(m_counter->intervals().size()))}));
    return report;
}

Report CountingSession::fitReport(FitMethod method, FitShape shape, bool playing)
{
    clearFit();
    Report report;
    if (playing)
        return report.line(sentence("The half-life is fitted when the counting stops or pauses."));
    // The intervals shown, counted without building their data, which the fit builds once.
    const std::size_t intervals = m_imported    ? m_imported->data.intervals.size()
                                  : m_recording ? m_recordedIntervals.size()
                                  : m_counter   ? m_counter->intervals().size()
                                                : 0;
    if (intervals < 2)
        return report.line(sentence("A fit needs the counts of two intervals or more."));
    if (!m_imported && m_counter && m_counter->saturated())
        return report.line(sentence("No half-life is fitted: the paralysable counter was saturated, so that more events made it record fewer, "
                                "and its counts no longer say how many arrived. Count with a weaker sample or a shorter dead time."));
    const HalfLifeFit& fitted = fit(method, shape);
    const MessageValue methodWord = modelWord(methodName(method));
    if (!fitted.fitted()) {
        report.line(sentence("No half-life could be fitted (%1): %2", {methodWord, sentenceValue(fitted.note, "ModelText")}));
    } else {
        const ShownTime time = shownTime();
        const MessageValue unit = time.timeUnit ? unitValue(time.unit) : MessageValue(time.unit);
        const MessageValue first = uncertainValue(fitted.halfLife * time.toShown, fitted.sigma * time.toShown);
        if (fitted.shape == FitShape::TwoNuclides)
            report.line(sentence("T\u00BD = %1 %2 and %3 %2 (%4)",
                             {first, unit, uncertainValue(fitted.secondHalfLife * time.toShown, fitted.secondSigma * time.toShown), methodWord}));
        else if (fitted.shape == FitShape::Chain && m_sample)
            report.line(sentence("T\u00BD of %1 = %2 %3 (%4)", {m_sample->chain.members[0].symbol, first, unit, methodWord}));
        else
            report.line(sentence("T\u00BD = %1 %2 (%3)", {first, unit, methodWord}));
        if (fitted.degreesOfFreedom > 0)
            report.line(sentence("\u03C7\u00B2/\u03BD = %1/%2 = %3, p = %4",
                             {numberValue(fitted.chiSquare, 4), fitted.degreesOfFreedom, numberValue(fitted.reducedChiSquare(), 3),
                              numberValue(fitted.pValue, 2)}));
        if (!fitted.note.empty())
            report.line(fitted.note);
    }
    return report;
}

Report CountingSession::datingReport() const
{
    Report report;
    if (m_recordingDated && !m_datings.empty()) {
        const DatingMeasurement& dated = m_datings.back();
        const DatingResult& result = dated.result;
        report.line(sentence("The real counter's recording, %1 g of carbon counted with an efficiency of %2: %3 counts in %4 min, and %5 of background in %6 min, "
                             "each in the time the counter was live; %7 % of the activity of modern carbon.",
                             {numberValue(m_recordingDated->first, 6), numberValue(m_recordingDated->second, 4),
                              wholeValue(static_cast<double>(dated.count.counts)), numberValue(dated.count.seconds / 60, 4),
                              wholeValue(static_cast<double>(dated.background.counts)), numberValue(dated.background.seconds / 60, 4),
                              intervalValue(100 * result.ratio, 100 * (result.ratio - result.ratioLow), 100 * (result.ratioHigh - result.ratio))}));
        agesOf(report, result);
        return report;
    }
    if (!m_datingSample)
        return report.line(sentence("Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller uncertainty."));
    const MessageValue grams = numberValue(m_datingSample->carbonGrams, 6);
    report.line(m_ageHidden ? sentence("A sample of %1 g of carbon, of unknown age.", {grams}) : sentence("A sample of %1 g of carbon.", {grams}));
    if (!m_datings.empty()) {
        const DatingMeasurement& last = m_datings.back();
        const DatingResult& result = last.result;
        report.line(sentence("Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the activity of modern carbon.",
                         {numberValue(last.count.seconds / 60, 6), wholeValue(static_cast<double>(last.count.counts)),
                          wholeValue(static_cast<double>(last.background.counts)),
                          intervalValue(100 * result.ratio, 100 * (result.ratio - result.ratioLow), 100 * (result.ratioHigh - result.ratio))}));
        agesOf(report, result);
    }
    if (m_ageShown)
        report.line(sentence("True age: %1 y.", {numberValue(m_datingSample->age, 6)}));
    return report;
}

Message CountingSession::repeatMessage() const
{
    if (m_repeats.empty())
        return sentence("A long-lived source counted for the same time, again and again: do the counts spread as the Poisson distribution says?");
    const Dispersion d = dispersion(m_repeats);
    return sentence("%1 counts: mean %2, variance %3.\nIndex of dispersion D = variance / mean = %4; "
                "\u03C7\u00B2 = (N \u2212 1) D = %5 on %6 degrees of freedom, p = %7 (two-sided).\n"
                "For Poisson counts D is near 1; a counter's dead time makes it smaller.",
                {wholeValue(d.n), numberValue(d.mean, 5), numberValue(d.variance, 5), numberValue(d.index, 3), numberValue(d.chiSquare, 4),
                 d.degreesOfFreedom, numberValue(d.pValue, 2)});
}

Message CountingSession::worksheetMessage(const MessageValue& chainName, FitShape shape) const
{
    const MessageValue source = sentenceValue(m_imported ? sentence("Counts imported from %1.", {m_importedName}) : sampleMessage(chainName), kCountingContext);
    const MessageValue background = sentenceValue(backgroundMessage(), kCountingContext);
    if (m_recording)
        return sentence("Pulses of a real counter: %1 in %2 s, counted in intervals of %3 s, the hold-off of %4 ms taken as a non-paralysable dead time. %5",
                        {wholeValue(static_cast<double>(m_recording->times.size())), numberValue(m_recording->seconds, 6),
                         numberValue(m_recordedWidth, 6),
                         numberValue(m_recording->holdOff * 1e3, 3), background});
    if (!m_counter || m_imported)
        return sentence("%1 %2", {source, background});
    const CounterSettings& counted = m_counter->settings();
    return sentence("%1 Efficiency %2, background %3 per second, dead time %4 \u00B5s (%5). Fit model: %6. %7",
                {source, numberValue(counted.efficiency, 6), numberValue(counted.background, 6), numberValue(counted.deadTime.tau * 1e6, 6),
                 word(counted.deadTime.kind == DeadTime::Kind::Paralysable ? "paralysable" : "non-paralysable"), modelWord(shapeName(shape)),
                 background});
}

} // namespace decay
