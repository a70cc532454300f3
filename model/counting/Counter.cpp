#include "Counter.h"

#include "model/common/Conversions.h"
#include "model/common/Rounding.h"
#include "model/random/CountDraws.h"

#include <algorithm>
#include <cmath>

namespace decay {

CounterSettingsEntry readCounterSettings(const CounterTexts& texts)
{
    CounterSettings settings;
    const auto efficiency = strictValue(texts.efficiency, texts.decimalPoint);
    if (!efficiency || !(*efficiency > 0 && *efficiency <= 1))
        return {.error = {"The efficiency must be a number above %1 and at most %2.", {0, 1}}};
    const auto background = strictValue(texts.background, texts.decimalPoint);
    if (!background || !(*background >= 0 && *background <= kMostBackgroundRate))
        return {.error = {"The background must be a number of events per second from %1 to %2.", {0, kMostBackgroundRate}}};
    const auto steps = wholeNumber(texts.stepsPerInterval, texts.decimalPoint);
    if (!steps || *steps < 1 || *steps > kMostStepsPerInterval)
        return {.error = {"The counting interval must be a whole number of steps from %1 to %2.", {1, kMostStepsPerInterval}}};
    const auto deadTime = strictValue(texts.deadTime, texts.decimalPoint);
    if (!deadTime || !(*deadTime >= 0 && *deadTime <= kMostDeadTime * 1e6))
        return {.error = {"The dead time must be a number of microseconds from %1 to %2.", {0, kMostDeadTime * 1e6}}};
    settings.deadTime = {.tau = *deadTime * 1e-6, .kind = texts.deadTimeKind};
    settings.efficiency = *efficiency;
    settings.background = *background;
    settings.stepsPerInterval = static_cast<int>(*steps);
    return {.settings = settings};
}

SampleRun countedSample(const ChainSeries& run, const std::vector<bool>& counted, std::vector<double> times, bool random)
{
    SampleRun sample{.kind = random ? SampleRun::Kind::Decays : SampleRun::Kind::Activity, .times = std::move(times), .perStep = {}};
    sample.perStep.assign(static_cast<std::size_t>(run.steps), 0.0);
    for (int i = 0; i < run.members && static_cast<std::size_t>(i) < counted.size(); ++i)
        if (counted[static_cast<std::size_t>(i)])
            for (int k = 1; k <= run.steps; ++k)
                sample.perStep[static_cast<std::size_t>(k - 1)] += run.memberDecays(i)[static_cast<std::size_t>(k)];
    if (!random && sample.times.size() == sample.perStep.size() + 1)
        for (std::size_t k = 0; k < sample.perStep.size(); ++k)
            sample.perStep[k] /= sample.duration(k);
    return sample;
}

Message countingRefusal(const SampleRun& run, const CounterSettings& settings)
{
    if (run.perStep.empty())
        return {"The run has no steps to count.", {}};
    if (run.times.size() != run.perStep.size() + 1)
        return {"The run has no time step to count in.", {}};
    for (std::size_t k = 0; k < run.steps(); ++k)
        if (!(run.duration(k) > 0 && std::isfinite(run.duration(k))))
            return {"The run has no time step to count in.", {}};
    if (!(settings.efficiency > 0 && settings.efficiency <= 1) || !(settings.background >= 0 && std::isfinite(settings.background))
        || settings.stepsPerInterval < 1 || !(settings.deadTime.tau >= 0 && settings.deadTime.tau <= kMostDeadTime))
        return {"The counter's settings are out of range.", {}};
    double decays = 0, background = 0; // over the whole run
    for (std::size_t k = 0; k < run.steps(); ++k) {
        const double value = run.perStep[k];
        if (!(value >= 0 && std::isfinite(value)))
            return {"The run holds a step with no count of decays or activity.", {}};
        if (run.kind == SampleRun::Kind::Decays && value != std::floor(value))
            return {"A random run's decays must be whole numbers.", {}};
        decays += run.kind == SampleRun::Kind::Decays ? value : value * run.duration(k);
        background += settings.background * run.duration(k);
    }
    if (settings.efficiency * decays + background <= kMostMeanCount)
        return {};
    Message refusal{"The sample is too active to count: the run would bring more than %1 counts. Take fewer atoms or a lower efficiency.", {kMostMeanCount}};
    // The efficiency that brings at most that many, in two digits.
    const double efficiency = roundedDown((kMostMeanCount - background) / decays, 2);
    if (!(efficiency > 0))
        return refusal;
    return withRemedy(std::move(refusal), {{{Remedy::Entry::Efficiency, efficiency}}, said("Take an efficiency of %1", numberValue(efficiency, 2))});
}

Counter::Counter(SampleRun run, const CounterSettings& settings, std::uint64_t seed)
    : m_run(std::move(run))
    , m_settings(settings)
    , m_seen(settings.efficiency, 1 - settings.efficiency)
    , m_draws(seed)
    , m_dead(settings.deadTime)
{
}

// One step's counts; in an exact run the sample's and the background's Poisson counts are drawn
// together, as their sum is Poisson with the summed mean. The dead time sees them all.
void Counter::advanceStep()
{
    if (finished())
        return;
    const double value = m_run.perStep[m_stepsDone];
    const double duration = m_run.duration(m_stepsDone);
    const double backgroundMean = m_settings.background * duration;
    const std::int64_t arrivals =
        m_run.kind == SampleRun::Kind::Decays
            ? static_cast<std::int64_t>(m_seen.count(m_draws, value)) + poissonDraw(m_draws, backgroundMean)
            : poissonDraw(m_draws, m_settings.efficiency * value * duration + backgroundMean);
    const double seenRate = m_settings.efficiency * (m_run.kind == SampleRun::Kind::Decays ? value / duration : value);
    const double meanRate = seenRate + m_settings.background;
    m_saturated = m_saturated || decay::saturated(meanRate, m_settings.deadTime);
    m_runningCounts += m_dead.record(m_draws, arrivals, m_run.times[m_stepsDone], m_run.times[m_stepsDone + 1]);
    ++m_stepsDone;
    if (m_stepsDone - m_intervalStart == static_cast<std::size_t>(m_settings.stepsPerInterval) || finished()) {
        m_intervals.push_back(running());
        m_intervalStart = m_stepsDone;
        m_runningCounts = 0;
    }
}

void Counter::advanceToStep(std::size_t steps)
{
    while (!finished() && m_stepsDone < steps)
        advanceStep();
}

void Counter::playTo(double seconds)
{
    while (!finished() && m_run.times[m_stepsDone + 1] <= seconds)
        advanceStep();
}

double Counter::time() const
{
    return m_run.times[m_stepsDone];
}

double Counter::endTime() const
{
    return m_run.times.back();
}

CountInterval Counter::running() const
{
    return {.start = m_run.times[m_intervalStart], .end = time(), .counts = m_runningCounts};
}

double BackgroundMeasurement::sigma() const
{
    return seconds > 0 ? std::sqrt(static_cast<double>(std::max<std::int64_t>(counts, 1))) / seconds : 0.0;
}

BackgroundMeasurement measureBackground(DecayDraws& draws, double rate, double seconds, const DeadTime& deadTime)
{
    if (!(deadTime.tau > 0)) // one draw, as an ideal counter has always taken it
        return {.counts = poissonDraw(draws, rate * seconds), .seconds = seconds};
    return {.counts = countSteady(draws, rate, seconds, deadTime), .seconds = seconds};
}

NumberEntry readBackgroundTime(std::string_view text, std::string_view decimalPoint)
{
    return readNumberIn(text, decimalPoint, kShortestBackgroundTime, kLongestBackgroundTime,
                        "The background counting time must be a number of seconds from %1 to %2.");
}

} // namespace decay
