#pragma once

#include "ChainRuns.h"
#include "DecayDraws.h"
#include "StagedDraw.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace decay {

struct CounterSettings {
    double efficiency = 0.1;  // the share of the decays the detector sees, 0 < efficiency <= 1
    double background = 0.5;  // background events per second
    int stepsPerInterval = 1; // the counting interval, in whole steps of the run
};

// The counter's entries as typed: efficiency, background per second, steps per interval.
struct CounterTexts {
    std::string efficiency = "0.1";
    std::string background = "0.5";
    std::string stepsPerInterval = "1";
    std::string decimalPoint = ".";
};
struct CounterSettingsEntry {
    std::optional<CounterSettings> settings;
    std::string error;
};
CounterSettingsEntry readCounterSettings(const CounterTexts& texts);

// What the sample does in each step of a run, step k lasting from k * step to (k + 1) * step:
// the whole number of decays of the counted members (a random run), or their mean activity in
// becquerel over the step (an exact run).
struct SampleRun {
    enum class Kind { Decays, Activity };
    Kind kind = Kind::Activity;
    double step = 1; // seconds
    std::vector<double> perStep;
};

// The sample a lab run makes of the members marked in `counted`: their decays in every step of a
// random run, their mean activity in every step of an exact one.
SampleRun countedSample(const ChainSeries& run, const std::vector<bool>& counted, double step, bool random);

// Why the counter cannot count this run with these settings; empty when it can.
std::string countingRefusal(const SampleRun& run, const CounterSettings& settings);

// Counts gathered from `start` to `end`, in seconds from the start of the run.
struct CountInterval {
    double start = 0;
    double end = 0;
    std::int64_t counts = 0;
};

// A detector beside the sample. Each decay of a random run is seen with the efficiency (binomial
// thinning); an exact run gives Poisson counts of mean efficiency * activity * step; background
// events come as a Poisson process at their rate. Counting goes step by step, as far as asked, so
// that a run can be played in time; a last interval cut short by the end of the run is kept.
class Counter {
public:
    // Needs countingRefusal(run, settings) empty.
    Counter(SampleRun run, const CounterSettings& settings, std::uint64_t seed);

    // Counts every step that has ended by `seconds`.
    void advanceTo(double seconds);
    void countAll();

    double time() const; // the end of the last step counted
    double endTime() const;
    bool finished() const { return m_stepsDone == m_run.perStep.size(); }

    const std::vector<CountInterval>& intervals() const { return m_intervals; } // the complete ones
    CountInterval running() const; // the interval being gathered, up to time()

private:
    void countStep();

    SampleRun m_run;
    CounterSettings m_settings;
    StagedDraw m_seen;
    DecayDraws m_draws;
    std::size_t m_stepsDone = 0;
    int m_stepsInInterval = 0;
    std::int64_t m_runningCounts = 0;
    std::vector<CountInterval> m_intervals;
};

// Counts with the sample taken away: background alone for a time.
struct BackgroundMeasurement {
    std::int64_t counts = 0;
    double seconds = 0;

    double rate() const { return static_cast<double>(counts) / seconds; }
    // sqrt(counts) / seconds; with no count at all, that of one count, since 0 would claim
    // the rate is known exactly.
    double sigma() const;
};
BackgroundMeasurement measureBackground(DecayDraws& draws, double rate, double seconds);

} // namespace decay
