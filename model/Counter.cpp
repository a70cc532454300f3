#include "Counter.h"

#include "Conversions.h"
#include "CountDraws.h"

#include <algorithm>
#include <cmath>

namespace decay {
namespace {

// Each decay takes one draw; a random run of the lab has far fewer.
constexpr double kMostDecaysPerStep = 1e9;

} // namespace

CounterSettingsEntry readCounterSettings(const CounterTexts& texts)
{
    CounterSettings settings;
    const auto efficiency = strictValue(texts.efficiency, texts.decimalPoint);
    if (!efficiency || !(*efficiency > 0 && *efficiency <= 1))
        return {.error = "The efficiency must be a number above 0 and at most 1."};
    const auto background = strictValue(texts.background, texts.decimalPoint);
    if (!background || !(*background >= 0 && *background <= 1e9))
        return {.error = "The background must be a number of events per second from 0 to 1e9."};
    const auto steps = wholeNumber(texts.stepsPerInterval, texts.decimalPoint);
    if (!steps || *steps < 1 || *steps > 1000000)
        return {.error = "The counting interval must be a whole number of steps from 1 to 1000000."};
    settings.efficiency = *efficiency;
    settings.background = *background;
    settings.stepsPerInterval = static_cast<int>(*steps);
    return {.settings = settings};
}

SampleRun countedSample(const ChainSeries& run, const std::vector<bool>& counted, double step, bool random)
{
    SampleRun sample{.kind = random ? SampleRun::Kind::Decays : SampleRun::Kind::Activity, .step = step, .perStep = {}};
    sample.perStep.assign(static_cast<std::size_t>(run.steps), 0.0);
    for (int i = 0; i < run.members && static_cast<std::size_t>(i) < counted.size(); ++i)
        if (counted[static_cast<std::size_t>(i)])
            for (int k = 1; k <= run.steps; ++k)
                sample.perStep[static_cast<std::size_t>(k - 1)] += run.memberDecays(i)[static_cast<std::size_t>(k)];
    if (!random)
        for (double& decays : sample.perStep)
            decays /= step;
    return sample;
}

std::string countingRefusal(const SampleRun& run, const CounterSettings& settings)
{
    if (!(run.step > 0 && std::isfinite(run.step)))
        return "The run has no time step to count in.";
    if (run.perStep.empty())
        return "The run has no steps to count.";
    if (!(settings.efficiency > 0 && settings.efficiency <= 1) || !(settings.background >= 0 && std::isfinite(settings.background))
        || settings.stepsPerInterval < 1)
        return "The counter's settings are out of range.";
    for (double value : run.perStep) {
        if (!(value >= 0 && std::isfinite(value)))
            return "The run holds a step with no count of decays or activity.";
        if (run.kind == SampleRun::Kind::Decays && (value != std::floor(value) || value > kMostDecaysPerStep))
            return "A random run's decays must be whole numbers from 0 to 1e9.";
        if ((settings.efficiency * value / (run.kind == SampleRun::Kind::Decays ? run.step : 1) + settings.background) * run.step
            > kMostMeanCount)
            return "The sample is too active to count: a step would bring more than 1e15 counts.";
    }
    return {};
}

Counter::Counter(SampleRun run, const CounterSettings& settings, std::uint64_t seed)
    : m_run(std::move(run))
    , m_settings(settings)
    , m_seen(settings.efficiency, 1 - settings.efficiency)
    , m_draws(seed)
{
}

void Counter::advanceTo(double seconds)
{
    while (!finished() && (static_cast<double>(m_stepsDone) + 1) * m_run.step <= seconds)
        countStep();
}

void Counter::countAll()
{
    while (!finished())
        countStep();
}

double Counter::time() const
{
    return static_cast<double>(m_stepsDone) * m_run.step;
}

double Counter::endTime() const
{
    return static_cast<double>(m_run.perStep.size()) * m_run.step;
}

CountInterval Counter::running() const
{
    // From whole steps, so that it starts exactly where the interval before it ended.
    return {.start = static_cast<double>(m_stepsDone - static_cast<std::size_t>(m_stepsInInterval)) * m_run.step, .end = time(),
            .counts = m_runningCounts};
}

// One step's counts; in an exact run the sample's and the background's Poisson counts are drawn
// together, as their sum is Poisson with the summed mean.
void Counter::countStep()
{
    const double value = m_run.perStep[m_stepsDone];
    const double backgroundMean = m_settings.background * m_run.step;
    if (m_run.kind == SampleRun::Kind::Decays)
        m_runningCounts += thinnedDraw(m_draws, m_seen, static_cast<std::int64_t>(value)) + poissonDraw(m_draws, backgroundMean);
    else
        m_runningCounts += poissonDraw(m_draws, m_settings.efficiency * value * m_run.step + backgroundMean);
    ++m_stepsDone;
    ++m_stepsInInterval;
    if (m_stepsInInterval == m_settings.stepsPerInterval || finished()) {
        m_intervals.push_back(running());
        m_stepsInInterval = 0;
        m_runningCounts = 0;
    }
}

double BackgroundMeasurement::sigma() const
{
    return std::sqrt(static_cast<double>(std::max<std::int64_t>(counts, 1))) / seconds;
}

BackgroundMeasurement measureBackground(DecayDraws& draws, double rate, double seconds)
{
    return {.counts = poissonDraw(draws, rate * seconds), .seconds = seconds};
}

} // namespace decay
