#pragma once

#include "HalfLifeFit.h"
#include "Radiocarbon.h"
#include "RepeatCounts.h"

#include "model/common/Plot.h"

#include <optional>
#include <string>
#include <vector>

namespace decay {

// The translation context of the counting lab's texts.
inline constexpr const char* kCountingContext = "CountingLab";

// The counts a rate plot shows, in the unit it shows them.
struct RatePlotData {
    FitData data;                   // times in the data's own unit
    const HalfLifeFit* fit = nullptr; // drawn with its residuals when it fits these counts
    double toShown = 1;             // shown time units per unit of the data's time
    std::string unit;               // the shown unit; empty when the data name none
    bool timeUnit = false;          // the unit is one of the lab's time units, written in the user's language
    bool perSecond = true;          // rates per second (own counts) or per shown unit
    bool hasSample = false;         // a run waits to be counted
    bool logY = false;
};

// The count rate of every interval with its √N error bar, the background band and the fit; the
// fit's residuals go to `residuals`.
Plot ratePlot(const RatePlotData& shown, Plot* residuals);
// Both ages from every count of the dating sample against the counting time, with the true age
// once shown: longer counts narrow the error bars.
Plot datingPlot(const std::vector<DatingMeasurement>& datings, std::optional<double> trueAge);
// How often each count came in the repeat counts, with the Poisson distribution of their mean
// and its Gaussian approximation over the bars, both scaled to the number of counts.
Plot repeatPlot(const std::vector<std::int64_t>& counts);
// "Conventional radiocarbon age (Libby half-life, 5568 y)": the one wording of an age's kind, the
// half-life written as the literature writes it.
Message ageLabel(const DatedAge& age);
// An age and its interval, or its lower limit: "12,300 (−400/+500) y BP", "older than 31,000 y BP (95 %)".
Message ageText(const DatedAge& age);

} // namespace decay
