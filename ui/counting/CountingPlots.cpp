#include "CountingPlots.h"

#include "ui/ModelText.h"


namespace {

// The charts' texts come from the model as English sources of this context; lupdate finds them
// here.
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("CountingLab", "Press Start to count the sample"),
    QT_TRANSLATE_NOOP("CountingLab", "No counts yet"),
    //: %1 the axis's title
    QT_TRANSLATE_NOOP("CountingLab", "%1 (cut 12 decades below the top)"),
    //: %1 the axis's title
    QT_TRANSLATE_NOOP("CountingLab", "%1 (cut 12 decades before the end)"),
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
    // What the lab says of its sample, counter, fit, dating and repeat counts.
    QT_TRANSLATE_NOOP("CountingLab", "No run to count yet."),
    //: %1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the step and its unit.
    QT_TRANSLATE_NOOP("CountingLab", "Sample: %1, %2 run of %3 steps of %4 %5."),
    //: %1 the sample, %2 exact or random, %3 the number of steps, %4 and %5 the last time and its unit.
    QT_TRANSLATE_NOOP("CountingLab", "Sample: %1, %2 run of %3 steps growing tenfold a decade, to %4 %5."),
    QT_TRANSLATE_NOOP("CountingLab", "random"),
    QT_TRANSLATE_NOOP("CountingLab", "exact"),
    QT_TRANSLATE_NOOP("CountingLab", "1 g of silver after %1 s in a neutron source"),
    QT_TRANSLATE_NOOP("CountingLab", "Background: %1 counts in %2 s, %3 per second."),
    QT_TRANSLATE_NOOP("CountingLab", "Counts imported from %1."),
    QT_TRANSLATE_NOOP("CountingLab", "Press Start to count the sample."),
    QT_TRANSLATE_NOOP("CountingLab", "No run to count: run a chain in the nuclide lab and press Counter there, or import counts."),
    QT_TRANSLATE_NOOP("CountingLab", "Count rate: not yet known."),
    QT_TRANSLATE_NOOP("CountingLab", "Count rate: %1 per second in the last interval."),
    //: %1 pulses counted, %2 the seconds listened, %3 the hold-off in milliseconds.
    QT_TRANSLATE_NOOP("CountingLab", "Real counter: %1 pulses in %2 s; the hold-off of %3 ms is its dead time."),
    QT_TRANSLATE_NOOP("CountingLab", "%1 stretches of the input were lost; the intervals they reach into are left out."),
    //: %1 pulses, %2 seconds, %3 the interval in seconds, %4 the hold-off in milliseconds, %5 the background sentence.
    QT_TRANSLATE_NOOP("CountingLab", "Pulses of a real counter: %1 in %2 s, counted in intervals of %3 s, the hold-off of %4 ms taken as a non-paralysable dead time. %5"),
    QT_TRANSLATE_NOOP("CountingLab", "Corrected for the dead time: %1 per second."),
    QT_TRANSLATE_NOOP("CountingLab", "Too many counts for the dead time to correct."),
    QT_TRANSLATE_NOOP("CountingLab", "The counter is saturated: more than 1/\u03C4 events a second reach it."),
    QT_TRANSLATE_NOOP("CountingLab", "t = %1 of %2 %3; %4 intervals counted."),
    QT_TRANSLATE_NOOP("CountingLab", "The half-life is fitted when the counting stops or pauses."),
    QT_TRANSLATE_NOOP("CountingLab", "A fit needs the counts of two intervals or more."),
    QT_TRANSLATE_NOOP("CountingLab", "No half-life is fitted: the paralysable counter was saturated, so that more events made it record fewer, "
                                     "and its counts no longer say how many arrived. Count with a weaker sample or a shorter dead time."),
    QT_TRANSLATE_NOOP("CountingLab", "No half-life could be fitted (%1): %2"),
    //: %1 and %3 the two half-lives, %2 their unit, %4 the method.
    QT_TRANSLATE_NOOP("CountingLab", "T\u00BD = %1 %2 and %3 %2 (%4)"),
    //: %1 the chain's first member, %2 its half-life, %3 the unit, %4 the method.
    QT_TRANSLATE_NOOP("CountingLab", "T\u00BD of %1 = %2 %3 (%4)"),
    QT_TRANSLATE_NOOP("CountingLab", "T\u00BD = %1 %2 (%3)"),
    //: %1 the chi-square, %2 the degrees of freedom, %3 their quotient, %4 the p-value.
    QT_TRANSLATE_NOOP("CountingLab", "\u03C7\u00B2/\u03BD = %1/%2 = %3, p = %4"),
    QT_TRANSLATE_NOOP("CountingLab", "Press New sample for a piece of old carbon, then Count sample. Longer counting gives a smaller "
                                     "uncertainty."),
    QT_TRANSLATE_NOOP("CountingLab", "A sample of %1 g of carbon, of unknown age."),
    QT_TRANSLATE_NOOP("CountingLab", "A sample of %1 g of carbon."),
    QT_TRANSLATE_NOOP("CountingLab", "Counted for %1 min: %2 counts, and %3 of background in as long; %4 % of the "
                                     "activity of modern carbon."),
    //: %1 grams of carbon, %2 the counter's efficiency (a fraction), %3 and %4 the sample's counts and minutes,
    //: %5 and %6 the background's, %7 the percentage of modern carbon's activity with its interval.
    QT_TRANSLATE_NOOP("CountingLab", "The real counter's recording, %1 g of carbon counted with an efficiency of %2: %3 counts in %4 min, and %5 of "
                                     "background in %6 min, each in the time the counter was live; %7 % of the activity of modern carbon."),
    QT_TRANSLATE_NOOP("CountingLab", "%1: %2"),
    //: An age in years before 1950 (BP) that the sample is older than, at 95 % confidence.
    QT_TRANSLATE_NOOP("CountingLab", "older than %1 y BP (95 %)"),
    //: An age in years before 1950 (BP) with its interval below and above.
    QT_TRANSLATE_NOOP("CountingLab", "%1 y BP"),
    QT_TRANSLATE_NOOP("CountingLab", "BP: before the present, that is before 1950, the year the activity of modern carbon refers to."),
    QT_TRANSLATE_NOOP("CountingLab", "True age: %1 y."),
    QT_TRANSLATE_NOOP("CountingLab", "A long-lived source counted for the same time, again and again: do the counts spread as "
                                     "the Poisson distribution says?"),
    //: %1 the number of counts, %2 their mean, %3 their variance, %4 the index of dispersion, %5 the chi-square,
    //: %6 its degrees of freedom, %7 the p-value.
    QT_TRANSLATE_NOOP("CountingLab", "%1 counts: mean %2, variance %3.\nIndex of dispersion D = variance / mean = %4; "
                                     "\u03C7\u00B2 = (N \u2212 1) D = %5 on %6 degrees of freedom, p = %7 (two-sided).\n"
                                     "For Poisson counts D is near 1; a counter's dead time makes it smaller."),
    //: %1 the sample, %2 the efficiency, %3 the background, %4 the dead time in microseconds, %5 its kind,
    //: %6 the fit model, %7 the background measurement.
    QT_TRANSLATE_NOOP("CountingLab", "%1 Efficiency %2, background %3 per second, dead time %4 \u00B5s (%5). Fit model: %6. %7"),
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
