#pragma once

#include "model/nuclides/ChainRuns.h"
#include "DeadTime.h"
#include "model/common/Message.h"
#include "model/common/NumberEntry.h"
#include "model/random/DecayDraws.h"
#include "model/random/StagedDraw.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

struct CounterSettings {
    double efficiency = 0.1;  // the share of the decays the detector sees, 0 < efficiency <= 1
    double background = 0.5;  // background events per second
    int stepsPerInterval = 1; // the counting interval, in whole steps of the run
    DeadTime deadTime;        // the detector's, applied to every event it sees, background too
};

// What the counter's entries accept; the checks and their messages share them.
inline constexpr double kMostBackgroundRate = 1e9;        // events per second
inline constexpr int kMostStepsPerInterval = 1000000;
inline constexpr double kMostDeadTime = 0.01;             // seconds; a Geiger tube's is 1e-4

// The counter's entries as typed: efficiency, background per second, steps per interval, and the
// dead time in microseconds with its kind.
struct CounterTexts {
    std::string efficiency = "0.1";
    std::string background = "0.5";
    std::string stepsPerInterval = "1";
    std::string decimalPoint = ".";
    std::string deadTime = "0";
    DeadTime::Kind deadTimeKind = DeadTime::Kind::NonParalysable;
};
struct CounterSettingsEntry {
    std::optional<CounterSettings> settings;
    Message error;
};
CounterSettingsEntry readCounterSettings(const CounterTexts& texts);

// What the sample does in each step of a run, step k lasting from times[k] to times[k + 1] (in
// seconds): the whole number of decays of the counted members (a random run), or their mean
// activity in becquerel over the step (an exact run).
struct SampleRun {
    enum class Kind { Decays, Activity };
    Kind kind = Kind::Activity;
    std::vector<double> times; // one more than the steps, rising
    std::vector<double> perStep;

    std::size_t steps() const { return perStep.size(); }
    double duration(std::size_t k) const { return times[k + 1] - times[k]; }
};

// The sample a lab run makes of the members marked in `counted`: their decays in every step of a
// random run, their mean activity in every step of an exact one. `times` are the run's.
SampleRun countedSample(const ChainSeries& run, const std::vector<bool>& counted, std::vector<double> times, bool random);

// Why the counter cannot count this run with these settings; empty when it can.
Message countingRefusal(const SampleRun& run, const CounterSettings& settings);

// Counts gathered from `start` to `end`, in seconds from the start of the run.
struct CountInterval {
    double start = 0;
    double end = 0;
    std::int64_t counts = 0;
};

// A detector beside the sample. Each decay of a random run is seen with the efficiency (binomial
// thinning); an exact run gives Poisson counts of mean efficiency * activity * duration; background
// events come as a Poisson process at their rate. The detector's dead time then takes its share of
// all the events it sees (DeadTimeCounter). Counting goes by whole steps of the run, as far
// as asked, so that a run can be played in time; a last interval cut short by the end of the run
// is kept.
class Counter {
public:
    // Needs countingRefusal(run, settings) empty.
    Counter(SampleRun run, const CounterSettings& settings, std::uint64_t seed);

    // Counts the next step, if there is one.
    void advanceStep();
    // Counts on until `steps` steps are counted (or the run ends).
    void advanceToStep(std::size_t steps);
    // Counts every step that has ended by `seconds` of the run: for playing in time. The steps'
    // ends are the run's own times, so no sum of times decides whether a step has ended.
    void playTo(double seconds);

    std::size_t stepsDone() const { return m_stepsDone; }
    std::size_t steps() const { return m_run.steps(); }
    double time() const; // the end of the last step counted
    double endTime() const;
    bool finished() const { return m_stepsDone == m_run.steps(); }

    const std::vector<CountInterval>& intervals() const { return m_intervals; } // the complete ones
    CountInterval running() const; // the interval being gathered, up to time()
    const CounterSettings& settings() const { return m_settings; }
    // Whether a step brought a paralysable counter more events than it can tell apart: a mean rate
    // n with n tau > 1, past which it records fewer the more arrive.
    bool saturated() const { return m_saturated; }

private:
    SampleRun m_run;
    CounterSettings m_settings;
    StagedDraw m_seen;
    DecayDraws m_draws;
    DeadTimeCounter m_dead;
    bool m_saturated = false;
    std::size_t m_stepsDone = 0;
    std::size_t m_intervalStart = 0; // the first step of the running interval
    std::int64_t m_runningCounts = 0;
    std::vector<CountInterval> m_intervals;
};

// Counts with the sample taken away: background alone for a time.
struct BackgroundMeasurement {
    std::int64_t counts = 0;
    double seconds = 0;

    // counts / seconds; 0 for no measurement at all, which the fits take as no background.
    double rate() const { return seconds > 0 ? static_cast<double>(counts) / seconds : 0.0; }
    // sqrt(counts) / seconds; with no count at all, that of one count, since 0 would claim
    // the rate is known exactly.
    double sigma() const;
};
// Background alone for `seconds`, through the counter's dead time.
BackgroundMeasurement measureBackground(DecayDraws& draws, double rate, double seconds, const DeadTime& deadTime = {});

// How long the background may be counted, in seconds.
inline constexpr double kShortestBackgroundTime = 1;
inline constexpr double kLongestBackgroundTime = 1e7;
inline constexpr double kFirstBackgroundTime = 600; // the entry's own, ten minutes
NumberEntry readBackgroundTime(std::string_view text, std::string_view decimalPoint);

} // namespace decay
