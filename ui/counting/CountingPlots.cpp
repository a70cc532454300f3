#include "CountingPlots.h"

#include "ui/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

// More intervals than a chart shows apart as points with error bars: drawn as a line, with the
// error bars of evenly spaced intervals among them.
constexpr std::size_t kMostMarkedIntervals = 300;

const QColor kCountColor(0, 70, 170);
const QColor kBackgroundColor(150, 150, 150, 110);
const QColor kFitColor(200, 30, 30);
const QColor kModernColor(0, 130, 60);

// An error bar from `low` to `high` at `x`.
QPolygonF bar(double x, double low, double high)
{
    return QPolygonF{QPointF(x, low), QPointF(x, high)};
}

// The background band, as counts per unit of time: its steps only where its rate changes, and
// at both ends.
PlotChart::Layer backgroundBand(const RatePlotData& shown)
{
    const decay::FitData& measured = shown.data;
    const double sigma = measured.backgroundRateSigma();
    const auto rateAt = [&](std::size_t k) {
        const decay::CountInterval& interval = measured.intervals[k];
        return measured.background(k) / (interval.end - interval.start);
    };
    QPolygonF low, high;
    for (std::size_t k = 0; k < measured.intervals.size(); ++k) {
        const double b = rateAt(k);
        if (k == 0 || k + 1 == measured.intervals.size() || b != rateAt(k - 1) || b != rateAt(k + 1))
            for (double t : {measured.intervals[k].start * shown.toShown, measured.intervals[k].end * shown.toShown}) {
                low.append(QPointF(t, b - sigma));
                high.append(QPointF(t, b + sigma));
            }
    }
    PlotChart::Layer band{CountingPlots::tr("Background"), kBackgroundColor, PlotChart::Layer::Kind::Band};
    band.lines = {low, high};
    return band;
}

void addResiduals(const RatePlotData& shown, const QPolygonF& points, PlotChart::Plot& residuals)
{
    const decay::FitData& measured = shown.data;
    PlotChart::Layer zero{CountingPlots::tr("Zero"), Qt::black};
    zero.width = 1;
    zero.inLegend = false;
    zero.lines.push_back(QPolygonF{QPointF(measured.intervals.front().start * shown.toShown, 0),
                                   QPointF(measured.intervals.back().end * shown.toShown, 0)});
    PlotChart::Layer spread{CountingPlots::tr("Residuals"), kFitColor, PlotChart::Layer::Kind::Points};
    spread.inLegend = false;
    spread.lines.push_back(points);
    residuals.layers.push_back(std::move(zero));
    residuals.layers.push_back(std::move(spread));
}

} // namespace

PlotChart::Plot CountingPlots::rates(const RatePlotData& shown, PlotChart::Plot* residuals)
{
    PlotChart::Plot plot;
    plot.logY = shown.logY;
    const decay::FitData& measured = shown.data;
    const QString perTime = shown.perSecond ? tr("per second") : shown.unit.isEmpty() ? tr("per unit of time") : tr("per %1").arg(shown.unit);
    plot.title = measured.intervals.empty() ? (shown.hasSample ? tr("Press Start to count the sample") : tr("No counts yet"))
                                            : tr("Count rate with \u221AN error bars");
    plot.xTitle = shown.unit.isEmpty() ? tr("t") : tr("t [%1]").arg(shown.unit);
    plot.yTitle = tr("Count rate [%1]").arg(perTime);
    if (residuals) {
        residuals->title = tr("Residuals of the fit");
        residuals->xTitle = plot.xTitle;
        // In the units of the fit shown: the signed root of each interval's deviance for the
        // likelihood, Pearson's (n - mu) / sqrt(mu) for least squares; short, as the axis is.
        if (!shown.fit)
            residuals->yTitle = tr("(counts \u2212 fit) / \u03C3");
        else if (shown.fit->method == decay::FitMethod::PoissonLikelihood)
            //: The deviance residual: the signed square root of an interval's deviance.
            residuals->yTitle = tr("±√deviance");
        else
            residuals->yTitle = QStringLiteral("(n \u2212 \u03BC)/\u221A\u03BC");
    }
    const std::size_t barEvery = (measured.intervals.size() + kMostMarkedIntervals - 1) / kMostMarkedIntervals;
    PlotChart::Layer counts{tr("Counts"), kCountColor, barEvery <= 1 ? PlotChart::Layer::Kind::Points : PlotChart::Layer::Kind::Lines};
    counts.width = barEvery <= 1 ? 1.5 : 1;
    PlotChart::Layer bars{counts.name, kCountColor};
    bars.inLegend = false;
    bars.width = 1;
    QPolygonF points, fitLine, residualPoints;
    const decay::HalfLifeFit* fit = shown.fit && shown.fit->fitted() && shown.fit->expected.size() == measured.intervals.size() ? shown.fit : nullptr;
    for (std::size_t k = 0; k < measured.intervals.size(); ++k) {
        const decay::CountInterval& interval = measured.intervals[k];
        const double length = interval.end - interval.start;
        const double x = (interval.start + interval.end) / 2 * shown.toShown;
        const double n = static_cast<double>(interval.counts);
        points.append(QPointF(x, n / length));
        if (k % barEvery == 0)
            bars.lines.push_back(bar(x, (n - std::sqrt(n)) / length, (n + std::sqrt(n)) / length));
        if (fit) {
            fitLine.append(QPointF(x, fit->expected[k] / length));
            residualPoints.append(QPointF(x, fit->residuals[k]));
        }
    }
    counts.lines.push_back(points);
    plot.layers.push_back(std::move(bars));
    plot.layers.push_back(std::move(counts));
    if (!measured.intervals.empty() && (measured.backgroundRate > 0 || measured.backgroundTime > 0))
        plot.layers.push_back(backgroundBand(shown));
    if (fit) {
        PlotChart::Layer line{tr("Fit"), kFitColor};
        line.width = 2;
        line.lines.push_back(fitLine);
        plot.layers.push_back(std::move(line));
        if (residuals)
            addResiduals(shown, residualPoints, *residuals);
    }
    return plot;
}

PlotChart::Plot CountingPlots::dating(const std::vector<decay::DatingMeasurement>& datings, std::optional<double> trueAge)
{
    PlotChart::Plot plot;
    plot.title = datings.empty() ? tr("Press Count sample to date the sample") : tr("Age from each count of the sample");
    plot.xTitle = tr("Counting time [min]");
    plot.yTitle = tr("Age [years]");
    plot.logX = true;
    double shortest = 1e300, longest = 0;
    const QColor colors[] = {kCountColor, QColor(170, 90, 0), kModernColor};
    static_assert(std::size(colors) == decay::kDatingHalfLives.size());
    for (std::size_t a = 0; a < decay::kDatingHalfLives.size(); ++a) {
        const QString name = datings.empty() ? QString() : ageLabel(datings.front().result.ages[a]);
        PlotChart::Layer ages{name, colors[a], PlotChart::Layer::Kind::Points};
        PlotChart::Layer bars{ages.name, ages.color};
        bars.inLegend = false;
        QPolygonF points;
        for (const decay::DatingMeasurement& d : datings) {
            const decay::DatedAge& age = d.result.ages[a];
            const double x = d.count.seconds / 60 * (0.96 + 0.04 * static_cast<double>(a)); // side by side
            shortest = std::min(shortest, x);
            longest = std::max(longest, x);
            points.append(QPointF(x, age.age));
            if (!age.lowerLimit)
                bars.lines.push_back(bar(x, age.age - age.minus, age.age + std::min(age.plus, 10 * age.minus))); // an endless side drawn long
        }
        ages.lines.push_back(points);
        plot.layers.push_back(std::move(bars));
        plot.layers.push_back(std::move(ages));
    }
    if (trueAge && !datings.empty()) {
        PlotChart::Layer truth{tr("True age"), Qt::black};
        truth.width = 1;
        truth.lines.push_back(QPolygonF{QPointF(shortest * 0.8, *trueAge), QPointF(longest * 1.25, *trueAge)});
        plot.layers.push_back(std::move(truth));
    }
    return plot;
}

QString CountingPlots::ageLabel(const decay::DatedAge& age)
{
    // The half-life names the convention, written as the literature writes it: "5568 y".
    if (age.halfLife == decay::kLibbyHalfLife)
        return tr("Conventional radiocarbon age (Libby half-life, %1 y)").arg(age.halfLife);
    if (age.halfLifeSigma > 0)
        return tr("Age with the half-life %1 \u00B1 %2 y").arg(age.halfLife).arg(age.halfLifeSigma);
    return tr("Age with the textbooks' half-life %1 y").arg(age.halfLife);
}

QString CountingPlots::ageText(const decay::DatedAge& age)
{
    if (age.lowerLimit)
        //: An age in years before 1950 (BP) that the sample is older than, at 95 % confidence.
        return tr("older than %1 y BP (95 %)").arg(numbers::significant(age.age, 2));
    //: An age in years before 1950 (BP) with its interval below and above.
    return tr("%1 y BP").arg(interval(age.age, age.minus, age.plus));
}

// Rounded to the second significant digit of the smaller side: "31,000 (−3,400/+6,100)".
QString CountingPlots::interval(double value, double minus, double plus)
{
    const double least = std::min(minus, plus);
    if (!(least > 0) || !std::isfinite(value))
        return numbers::significant(value, 3);
    const double place = std::pow(10.0, std::floor(std::log10(least)) - 1);
    const auto shown = [&](double x) {
        if (std::isinf(x))
            return QStringLiteral("\u221E");
        const double rounded = std::round(x / place) * place;
        const int digits = rounded == 0 ? 1 : static_cast<int>(std::floor(std::log10(std::fabs(rounded)) - std::log10(place))) + 1;
        return numbers::significant(rounded, std::max(digits, 1));
    };
    return QStringLiteral("%1 (\u2212%2/+%3)").arg(shown(value), shown(minus), shown(plus));
}

QString CountingPlots::rateText(const decay::CountInterval& interval)
{
    const double length = interval.end - interval.start;
    const auto n = static_cast<double>(interval.counts);
    return numbers::withUncertainty(n / length, std::sqrt(std::max(n, 1.0)) / length);
}

PlotChart::Plot CountingPlots::repeats(const std::vector<std::int64_t>& counts)
{
    PlotChart::Plot plot{tr("Repeat counts"), tr("Counts in an interval"), tr("How often"), {}, false, false};
    if (counts.empty())
        return plot;
    const auto [low, high] = std::minmax_element(counts.begin(), counts.end());
    const decay::Dispersion d = decay::dispersion(counts);
    // One bar a count while they are few; wider bins of a whole number of counts beyond 60.
    const std::int64_t span = *high - *low + 1;
    const std::int64_t bin = std::max<std::int64_t>(1, (span + 59) / 60);
    PlotChart::Layer bars{tr("Counted"), kCountColor, PlotChart::Layer::Kind::Bars};
    bars.barWidth = static_cast<qreal>(bin) * 0.9;
    std::vector<double> heights(static_cast<std::size_t>((span + bin - 1) / bin), 0.0);
    for (const std::int64_t c : counts)
        heights[static_cast<std::size_t>((c - *low) / bin)] += 1;
    QPolygonF barPoints, poisson, gauss;
    const auto n = static_cast<double>(counts.size());
    for (std::size_t b = 0; b < heights.size(); ++b) {
        const std::int64_t first = *low + static_cast<std::int64_t>(b) * bin;
        const double centre = static_cast<double>(first) + static_cast<double>(bin - 1) / 2;
        barPoints << QPointF(centre, heights[b]);
        double p = 0;
        for (std::int64_t k = first; k < first + bin; ++k)
            p += decay::poissonProbability(k, d.mean);
        poisson << QPointF(centre, n * p);
    }
    const double from = static_cast<double>(*low) - 0.5, to = static_cast<double>(*high) + 0.5;
    for (int i = 0; i <= 200; ++i) {
        const double x = from + (to - from) * i / 200;
        gauss << QPointF(x, n * static_cast<double>(bin) * decay::gaussianApproximation(x, d.mean));
    }
    bars.lines.push_back(barPoints);
    PlotChart::Layer poissonLayer{tr("Poisson"), kFitColor, PlotChart::Layer::Kind::Points};
    poissonLayer.lines.push_back(poisson);
    PlotChart::Layer gaussLayer{tr("Gaussian approximation"), kModernColor, PlotChart::Layer::Kind::Lines};
    gaussLayer.lines.push_back(gauss);
    plot.layers = {bars, poissonLayer, gaussLayer};
    return plot;
}
