#include "CountingPlot.h"

#include "model/common/Conversions.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace decay {
namespace {

// More intervals than a chart shows apart as points with error bars: drawn as a line, with the
// error bars of evenly spaced intervals among them.
constexpr std::size_t kMostMarkedIntervals = 300;

constexpr PlotColor kCountColor{0, 70, 170};
constexpr PlotColor kBackgroundColor{150, 150, 150, 110};
constexpr PlotColor kFitColor{200, 30, 30};
constexpr PlotColor kModernColor{0, 130, 60};
constexpr PlotColor kBlack{0, 0, 0};

// An error bar from `low` to `high` at `x`.
PlotLine bar(double x, double low, double high)
{
    return {.x = {x, x}, .y = {low, high}};
}

void append(PlotLine& line, double x, double y)
{
    line.x.push_back(x);
    line.y.push_back(y);
}

// The background band, as counts per unit of time: its steps only where its rate changes, and
// at both ends.
PlotLayer backgroundBand(const RatePlotData& shown)
{
    const FitData& measured = shown.data;
    const double sigma = measured.backgroundRateSigma();
    const auto rateAt = [&](std::size_t k) {
        const CountInterval& interval = measured.intervals[k];
        return measured.background(k) / (interval.end - interval.start);
    };
    PlotLine low, high;
    for (std::size_t k = 0; k < measured.intervals.size(); ++k) {
        const double b = rateAt(k);
        if (k == 0 || k + 1 == measured.intervals.size() || b != rateAt(k - 1) || b != rateAt(k + 1))
            for (double t : {measured.intervals[k].start * shown.toShown, measured.intervals[k].end * shown.toShown}) {
                append(low, t, b - sigma);
                append(high, t, b + sigma);
            }
    }
    return {.name = {"Background"}, .color = kBackgroundColor, .kind = PlotLayer::Kind::Band, .lines = {low, high}};
}

void addResiduals(const RatePlotData& shown, PlotLine points, Plot& residuals)
{
    const FitData& measured = shown.data;
    residuals.layers.push_back({.name = {"Zero"}, .color = kBlack, .width = 1,
                                .lines = {{.x = {measured.intervals.front().start * shown.toShown, measured.intervals.back().end * shown.toShown},
                                           .y = {0, 0}}},
                                .inLegend = false});
    residuals.layers.push_back(
        {.name = {"Residuals"}, .color = kFitColor, .kind = PlotLayer::Kind::Points, .lines = {std::move(points)}, .inLegend = false});
}

MessageValue unitOf(const RatePlotData& shown)
{
    return shown.timeUnit ? unitValue(shown.unit) : MessageValue(shown.unit);
}

} // namespace

Plot ratePlot(const RatePlotData& shown, Plot* residuals)
{
    Plot plot{.context = kCountingContext, .logY = shown.logY};
    const FitData& measured = shown.data;
    plot.title = {measured.intervals.empty() ? (shown.hasSample ? "Press Start to count the sample" : "No counts yet")
                                             : "Count rate with \u221AN error bars"};
    plot.xTitle = shown.unit.empty() ? Message{"t"} : Message{"t [%1]", {unitOf(shown)}};
    plot.yTitle = shown.perSecond ? Message{"Count rate [per second]"}
                  : shown.unit.empty() ? Message{"Count rate [per unit of time]"}
                                       : Message{"Count rate [per %1]", {unitOf(shown)}};
    if (residuals) {
        *residuals = Plot{.context = kCountingContext, .title = {"Residuals of the fit"}, .xTitle = plot.xTitle};
        // In the units of the fit shown: the signed root of each interval's deviance for the
        // likelihood, Pearson's (n - mu) / sqrt(mu) for least squares; short, as the axis is.
        if (!shown.fit)
            residuals->yTitle = {"(counts \u2212 fit) / \u03C3"};
        else if (shown.fit->method == FitMethod::PoissonLikelihood)
            residuals->yTitle = {"±√deviance"};
        else
            residuals->yTitle = {"(n \u2212 \u03BC)/\u221A\u03BC"};
    }
    const std::size_t barEvery = (measured.intervals.size() + kMostMarkedIntervals - 1) / kMostMarkedIntervals;
    PlotLayer counts{.name = {"Counts"}, .color = kCountColor, .kind = barEvery <= 1 ? PlotLayer::Kind::Points : PlotLayer::Kind::Lines,
                     .width = barEvery <= 1 ? 1.5 : 1};
    PlotLayer bars{.name = counts.name, .color = kCountColor, .kind = PlotLayer::Kind::ErrorBars, .width = 1, .inLegend = false};
    PlotLine points, fitLine, residualPoints;
    const HalfLifeFit* fit = shown.fit && shown.fit->fitted() && shown.fit->expected.size() == measured.intervals.size() ? shown.fit : nullptr;
    for (std::size_t k = 0; k < measured.intervals.size(); ++k) {
        const CountInterval& interval = measured.intervals[k];
        const double length = interval.end - interval.start;
        const double x = (interval.start + interval.end) / 2 * shown.toShown;
        const double n = static_cast<double>(interval.counts);
        append(points, x, n / length);
        if (k % barEvery == 0)
            bars.lines.push_back(bar(x, (n - std::sqrt(n)) / length, (n + std::sqrt(n)) / length));
        if (fit) {
            append(fitLine, x, fit->expected[k] / length);
            append(residualPoints, x, fit->residuals[k]);
        }
    }
    counts.lines.push_back(std::move(points));
    plot.layers.push_back(std::move(bars));
    plot.layers.push_back(std::move(counts));
    if (!measured.intervals.empty() && (measured.backgroundRate > 0 || measured.backgroundTime > 0))
        plot.layers.push_back(backgroundBand(shown));
    if (fit) {
        plot.layers.push_back({.name = {"Fit"}, .color = kFitColor, .width = 2, .lines = {std::move(fitLine)}});
        if (residuals)
            addResiduals(shown, std::move(residualPoints), *residuals);
    }
    cutLogarithmicAxes(plot);
    return plot;
}

Plot datingPlot(const std::vector<DatingMeasurement>& datings, std::optional<double> trueAge)
{
    Plot plot{.context = kCountingContext,
              .title = {datings.empty() ? "Press Count sample to date the sample" : "Age from each count of the sample"},
              .xTitle = {"Counting time [min]"},
              .yTitle = {"Age [years]"},
              .logX = true};
    double shortest = 1e300, longest = 0;
    constexpr PlotColor colors[] = {kCountColor, {170, 90, 0}, kModernColor};
    static_assert(std::size(colors) == kDatingHalfLives.size());
    for (std::size_t a = 0; a < kDatingHalfLives.size(); ++a) {
        const Message name = datings.empty() ? Message{} : ageLabel(datings.front().result.ages[a]);
        PlotLayer ages{.name = name, .color = colors[a], .kind = PlotLayer::Kind::Points};
        PlotLayer bars{.name = name, .color = colors[a], .kind = PlotLayer::Kind::ErrorBars, .inLegend = false};
        // A lower limit is no age: an arrow up from it, a fifth of the limit long, with its head.
        PlotLayer limits{.name = name, .color = colors[a], .width = 2, .inLegend = false};
        PlotLine points;
        for (const DatingMeasurement& d : datings) {
            const DatedAge& age = d.result.ages[a];
            const double x = d.count.seconds / 60 * (0.96 + 0.04 * static_cast<double>(a)); // side by side
            shortest = std::min(shortest, x);
            longest = std::max(longest, x);
            if (age.lowerLimit) {
                const double tip = age.age * 1.2, base = age.age * 1.12;
                limits.lines.push_back({.x = {x, x}, .y = {age.age, tip}});
                limits.lines.push_back({.x = {x * 0.98, x, x * 1.02}, .y = {base, tip, base}});
                continue;
            }
            append(points, x, age.age);
            bars.lines.push_back(bar(x, age.age - age.minus, age.age + std::min(age.plus, 10 * age.minus))); // an endless side drawn long
        }
        ages.lines.push_back(std::move(points));
        plot.layers.push_back(std::move(bars));
        if (!limits.lines.empty())
            plot.layers.push_back(std::move(limits));
        plot.layers.push_back(std::move(ages));
    }
    if (trueAge && !datings.empty())
        plot.layers.push_back({.name = {"True age"}, .color = kBlack, .width = 1,
                               .lines = {{.x = {shortest * 0.8, longest * 1.25}, .y = {*trueAge, *trueAge}}}});
    return plot;
}

Message ageLabel(const DatedAge& age)
{
    if (age.halfLife == kLibbyHalfLife)
        return {"Conventional radiocarbon age (Libby half-life, %1 y)", {numberText(age.halfLife)}};
    if (age.halfLifeSigma > 0)
        return {"Age with the half-life %1 \u00B1 %2 y", {numberText(age.halfLife), numberText(age.halfLifeSigma)}};
    return {"Age with the textbooks' half-life %1 y", {numberText(age.halfLife)}};
}

Message ageText(const DatedAge& age)
{
    if (age.lowerLimit)
        return {"older than %1 y BP (95 %)", {numberValue(age.age, 2)}};
    return {"%1 y BP", {intervalValue(age.age, age.minus, age.plus)}};
}

Plot repeatPlot(const std::vector<std::int64_t>& counts)
{
    Plot plot{.context = kCountingContext, .title = {"Repeat counts"}, .xTitle = {"Counts in an interval"}, .yTitle = {"How often"}};
    if (counts.empty())
        return plot;
    const auto [low, high] = std::minmax_element(counts.begin(), counts.end());
    const Dispersion d = dispersion(counts);
    // One bar a count while they are few; wider bins of a whole number of counts beyond 60.
    const std::int64_t span = *high - *low + 1;
    const std::int64_t bin = std::max<std::int64_t>(1, (span + 59) / 60);
    std::vector<double> heights(static_cast<std::size_t>((span + bin - 1) / bin), 0.0);
    for (const std::int64_t c : counts)
        heights[static_cast<std::size_t>((c - *low) / bin)] += 1;
    PlotLine barPoints, poisson, gauss;
    const auto n = static_cast<double>(counts.size());
    for (std::size_t b = 0; b < heights.size(); ++b) {
        const std::int64_t first = *low + static_cast<std::int64_t>(b) * bin;
        const double centre = static_cast<double>(first) + static_cast<double>(bin - 1) / 2;
        append(barPoints, centre, heights[b]);
        double p = 0;
        for (std::int64_t k = first; k < first + bin; ++k)
            p += poissonProbability(k, d.mean);
        append(poisson, centre, n * p);
    }
    const double from = static_cast<double>(*low) - 0.5, to = static_cast<double>(*high) + 0.5;
    for (int i = 0; i <= 200; ++i) {
        const double x = from + (to - from) * i / 200;
        append(gauss, x, n * static_cast<double>(bin) * gaussianApproximation(x, d.mean));
    }
    plot.layers = {{.name = {"Counted"}, .color = kCountColor, .kind = PlotLayer::Kind::Bars, .lines = {std::move(barPoints)},
                    .barWidth = static_cast<double>(bin) * 0.9},
                   {.name = {"Poisson"}, .color = kFitColor, .kind = PlotLayer::Kind::Points, .lines = {std::move(poisson)}},
                   {.name = {"Gaussian approximation"}, .color = kModernColor, .lines = {std::move(gauss)}}};
    return plot;
}

} // namespace decay
