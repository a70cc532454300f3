#include "CountingPlots.h"

#include "model/common/Rounding.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

// The charts' texts come from the model as English sources of this context; lupdate finds them
// here.
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("CountingLab", "Press Start to count the sample"),
    QT_TRANSLATE_NOOP("CountingLab", "No counts yet"),
    QT_TRANSLATE_NOOP("CountingLab", "Count rate with \u221AN error bars"),
    QT_TRANSLATE_NOOP("CountingLab", "t"),
    QT_TRANSLATE_NOOP("CountingLab", "t [%1]"),
    QT_TRANSLATE_NOOP("CountingLab", "Count rate [per second]"),
    QT_TRANSLATE_NOOP("CountingLab", "Count rate [per unit of time]"),
    QT_TRANSLATE_NOOP("CountingLab", "Count rate [per %1]"),
    QT_TRANSLATE_NOOP("CountingLab", "Residuals of the fit"),
    QT_TRANSLATE_NOOP("CountingLab", "(counts \u2212 fit) / \u03C3"),
    //: The deviance residual: the signed square root of an interval's deviance.
    QT_TRANSLATE_NOOP("CountingLab", "±√deviance"),
    QT_TRANSLATE_NOOP("CountingLab", "Counts"),
    QT_TRANSLATE_NOOP("CountingLab", "Background"),
    QT_TRANSLATE_NOOP("CountingLab", "Zero"),
    QT_TRANSLATE_NOOP("CountingLab", "Residuals"),
    QT_TRANSLATE_NOOP("CountingLab", "Fit"),
    QT_TRANSLATE_NOOP("CountingLab", "Press Count sample to date the sample"),
    QT_TRANSLATE_NOOP("CountingLab", "Age from each count of the sample"),
    QT_TRANSLATE_NOOP("CountingLab", "Counting time [min]"),
    QT_TRANSLATE_NOOP("CountingLab", "Age [years]"),
    QT_TRANSLATE_NOOP("CountingLab", "True age"),
    QT_TRANSLATE_NOOP("CountingLab", "Conventional radiocarbon age (Libby half-life, %1 y)"),
    QT_TRANSLATE_NOOP("CountingLab", "Age with the half-life %1 \u00B1 %2 y"),
    QT_TRANSLATE_NOOP("CountingLab", "Age with the textbooks' half-life %1 y"),
    QT_TRANSLATE_NOOP("CountingLab", "Repeat counts"),
    QT_TRANSLATE_NOOP("CountingLab", "Counts in an interval"),
    QT_TRANSLATE_NOOP("CountingLab", "How often"),
    QT_TRANSLATE_NOOP("CountingLab", "Counted"),
    QT_TRANSLATE_NOOP("CountingLab", "Poisson"),
    QT_TRANSLATE_NOOP("CountingLab", "Gaussian approximation"),
};

} // namespace

PlotChart::Plot CountingPlots::rates(const decay::RatePlotData& shown, PlotChart::Plot* residuals)
{
    decay::Plot modelResiduals;
    PlotChart::Plot plot = PlotChart::fromModel(decay::ratePlot(shown, residuals ? &modelResiduals : nullptr));
    if (residuals)
        *residuals = PlotChart::fromModel(modelResiduals);
    return plot;
}

PlotChart::Plot CountingPlots::dating(const std::vector<decay::DatingMeasurement>& datings, std::optional<double> trueAge)
{
    return PlotChart::fromModel(decay::datingPlot(datings, trueAge));
}

PlotChart::Plot CountingPlots::repeats(const std::vector<std::int64_t>& counts)
{
    return PlotChart::fromModel(decay::repeatPlot(counts));
}

QString CountingPlots::ageLabel(const decay::DatedAge& age)
{
    return modelText(decay::ageLabel(age), decay::kCountingContext);
}

QString CountingPlots::ageText(const decay::DatedAge& age)
{
    if (age.lowerLimit)
        //: An age in years before 1950 (BP) that the sample is older than, at 95 % confidence.
        return tr("older than %1 y BP (95 %)").arg(numbers::significant(age.age, 2));
    //: An age in years before 1950 (BP) with its interval below and above.
    return tr("%1 y BP").arg(interval(age.age, age.minus, age.plus));
}

// Rounded as an uncertainty is, by the smaller side: "31,000 (−3,400/+6,100)".
QString CountingPlots::interval(double value, double minus, double plus)
{
    const double least = std::min(minus, plus);
    if (!(least > 0) || !std::isfinite(value))
        return numbers::significant(value, 3);
    const double place = std::pow(10.0, decay::roundToUncertainty(value, least).place);
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

