#pragma once

#include "Counter.h"
#include "CountingPlot.h"
#include "CountsImport.h"
#include "HalfLifeFit.h"
#include "PulseRecord.h"
#include "Radiocarbon.h"
#include "RepeatCounts.h"

#include "model/nuclides/LabRun.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace decay {

// The counting lab's state and what a window or a page does with it: the run counted (the nuclide
// lab's own), the counter, the background, counts imported from a file, the fit, the dating of a
// carbon sample and the repeat counts. A front end reads its controls, calls the session and
// shows what comes back.
class CountingSession {
public:
    // The run to count; counting starts again from nothing.
    void setSample(LabRun run);
    const std::optional<LabRun>& sample() const { return m_sample; }
    // The members of the sample that decay, which the counter may count: their symbols and places in the chain.
    struct Member {
        std::string symbol;
        int place = 0;
    };
    std::vector<Member> countable() const;
    // A gram of silver activated for the time typed, as the sample; why not when the time is no
    // good, and the sample before stays.
    Message activateSilver(std::string_view seconds, std::string_view decimalPoint, std::uint64_t seed);

    // A counter for the sample counting the members marked in `counted`; why not when it cannot
    // (no sample, or too active a one), an empty message when it started. Imported counts and the
    // fit go. With no background measured yet, it is measured first, for `backgroundSeconds` as
    // typed (kFirstBackgroundTime when they cannot be read), with `backgroundSeed`, as a lab does
    // before it counts a sample: a fit never takes the background as nothing unless it was
    // measured as nothing. A lesson's student who starts at once thus measures the same background
    // as one who measures it first.
    Message start(const CounterSettings& settings, std::vector<bool> counted, std::uint64_t seed, std::uint64_t backgroundSeed,
                  std::string_view backgroundSeconds = {}, std::string_view decimalPoint = ".");
    const std::optional<Counter>& counter() const { return m_counter; }
    const std::vector<bool>& counted() const { return m_counted; }
    // Counts of the intervals done and of the one running.
    std::int64_t totalCounts() const;
    // How far the counter is: the counts of the running interval, the time and the intervals done.
    struct CounterProgress {
        double running = 0;
        double time = 0;
        bool finished = false;
        int intervals = 0;
    };
    std::optional<CounterProgress> progress() const;
    // The counter on by a step, or to `seconds` of the run: the counts it recorded on the way.
    std::int64_t advanceStep();
    std::int64_t playTo(double seconds);

    // The background counted for `seconds` with the sample away.
    const BackgroundMeasurement& measureBackground(const CounterSettings& settings, double seconds, std::uint64_t seed);
    // The same for the time as typed; why not when it is no good.
    Message measureBackground(const CounterSettings& settings, std::string_view seconds, std::string_view decimalPoint, std::uint64_t seed);
    const std::optional<BackgroundMeasurement>& background() const { return m_background; }

    // Counts from a file in its own time unit, shown and fitted instead of the counter's; why not
    // when the file cannot be read, and the counts before stay.
    Message importCounts(std::string_view text, std::string_view decimalPoint, std::string fileName);
    const std::optional<ImportedCounts>& imported() const { return m_imported; }
    // The pulses of a real counter, counted in intervals of `intervalSeconds` as typed, shown and
    // fitted instead of the simulated counter's, through the hold-off as their dead time; why not
    // when the width is no good, and what was shown stays.
    Message useRecording(PulseRecord record, std::string_view intervalSeconds, std::string_view decimalPoint);
    const std::optional<PulseRecord>& recording() const { return m_recording; }
    const std::vector<CountInterval>& recordedIntervals() const { return m_recordedIntervals; }
    // A real counter's pulses with the source taken away, as the background.
    void useRecordedBackground(const PulseRecord& record);
    // The recording's counts in its intervals as repeat counts, which the dispersion test takes.
    void repeatRecording();

    // Counts of the counter to save: there are some, of the sample's run.
    bool hasOwnCounts() const { return m_counter && m_sample && !m_counter->intervals().empty(); }

    // The counts shown, with their background: the file's, or the counter's with its dead time.
    FitData shownData() const;
    // The model a shape asks for: the chain's own needs the sample counted by the counter.
    FitModel fitModel(FitShape shape) const;
    const HalfLifeFit& fit(FitMethod method, FitShape shape);
    // The model a fit of the sample starts with: the activated silver's two nuclides; the chain,
    // whose daughters grow in, when more than one of its members decays; else one nuclide.
    FitShape defaultShape() const;
    void clearFit() { m_fit.reset(); }
    const std::optional<HalfLifeFit>& lastFit() const { return m_fit; }
    // The unit of time the counts are shown in: the run's for own counts (shown units per second of
    // the counter), the file's for imported ones (as the file names it, perhaps not at all).
    struct ShownTime {
        double toShown = 1;
        std::string unit;
        bool timeUnit = false; // one of the lab's units, written in the user's language
    };
    ShownTime shownTime() const;
    // The count rates as the chart shows them, in the shown unit of time; the fit with them when
    // `fitShown`.
    RatePlotData rateData(bool fitShown, bool hasSample, bool logY) const;

    // A carbon sample to date, of `grams` of carbon: its age given, or hidden (drawn from `seed`).
    void newDatingSample(double grams, std::optional<double> age, std::uint64_t seed);
    // The same as typed, a blank age for a hidden one; why not when an entry is no good.
    Message newDatingSample(std::string_view grams, std::string_view age, std::string_view decimalPoint, std::uint64_t seed);
    const std::optional<DatingSample>& datingSample() const { return m_datingSample; }
    // The sample's age shown, hidden or not, until the next sample.
    void revealAge() { m_ageShown = m_datingSample.has_value(); }
    bool ageShown() const { return m_ageShown; }
    // One count of the sample, with the background counted for as long, as a dating laboratory
    // does, so that a longer count narrows both. False without a sample.
    bool countDatingSample(const CounterSettings& settings, double seconds, std::uint64_t seed);
    // The same for the minutes as typed; why not when they are no good.
    Message countDatingSample(const CounterSettings& settings, std::string_view minutes, std::string_view decimalPoint, std::uint64_t seed);
    const std::vector<DatingMeasurement>& datings() const { return m_datings; }
    // The real counter's recording as the count of a carbon sample of `grams` as typed, seen with
    // `efficiency`, against the background the real counter recorded: both counts in the time the
    // counter was live, the gaps and the hold-off after every pulse taken off. Replaces the
    // simulated sample; why not when there is no such recording or background, or an entry is no good.
    Message dateRecording(std::string_view grams, double efficiency, std::string_view decimalPoint);

    // A long-lived source counted again and again through the counter's dead time.
    void repeat(const RepeatSettings& settings, const DeadTime& deadTime, std::uint64_t seed);
    // The same as typed; why not when an entry is no good.
    Message repeat(const RepeatTexts& texts, const DeadTime& deadTime, std::uint64_t seed);
    const std::vector<std::int64_t>& repeats() const { return m_repeats; }

    // What the lab says of all this, in the context "CountingLab". `chainName` names the run of the
    // nuclide lab as the window titles it.
    Message sampleMessage(const MessageValue& chainName) const;
    Message backgroundMessage() const; // empty before a measurement
    // What the counter is counting, or why it is not: the rate of the last interval and how far the run is.
    Report counterReport() const;
    // The fit of the counts shown, once the counting stops or pauses (not while `playing`), or why
    // there is none.
    Report fitReport(FitMethod method, FitShape shape, bool playing);
    Report datingReport() const;
    Message repeatMessage() const;
    // What was counted and how, for the worksheet.
    Message worksheetMessage(const MessageValue& chainName, FitShape shape) const;

private:
    std::int64_t recordedSince(std::size_t done, std::int64_t running) const;

    std::optional<LabRun> m_sample;
    std::optional<double> m_silverSeconds; // of activation, when the sample is the silver
    std::optional<Counter> m_counter;
    std::vector<bool> m_counted; // the members the counter counts
    std::optional<BackgroundMeasurement> m_background;
    std::optional<ImportedCounts> m_imported;
    std::string m_importedName; // of the file
    std::optional<HalfLifeFit> m_fit;
    std::optional<DatingSample> m_datingSample;
    std::vector<DatingMeasurement> m_datings;
    bool m_ageHidden = false, m_ageShown = false;
    // Of the recording dated instead: its carbon and the efficiency it was dated with.
    std::optional<std::pair<double, double>> m_recordingDated;
    // The hold-off the real counter recorded the background through; none for a simulated one.
    std::optional<double> m_backgroundHoldOff;
    std::vector<std::int64_t> m_repeats;
    std::optional<PulseRecord> m_recording;
    std::vector<CountInterval> m_recordedIntervals;
    double m_recordedWidth = 0; // seconds
};

} // namespace decay
