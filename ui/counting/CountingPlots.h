#pragma once

#include "model/counting/CountingPlot.h"
#include "model/counting/HalfLifeFit.h"
#include "model/counting/Radiocarbon.h"
#include "model/counting/RepeatCounts.h"
#include "ui/charts/PlotChart.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

// The counting lab's plots and words, built from its counts without a window.
class CountingPlots {
    Q_DECLARE_TR_FUNCTIONS(CountingLab)

public:
    // The count rate of every interval with its error bar, the background band and the fit; the
    // fit's residuals go to `residuals`.
    static PlotChart::Plot rates(const decay::RatePlotData& shown, PlotChart::Plot* residuals);
    // Both ages from every count of the dating sample against the counting time, with the true age
    // once shown: longer counts narrow the error bars.
    static PlotChart::Plot dating(const std::vector<decay::DatingMeasurement>& datings, std::optional<double> trueAge);
    // How often each count came in the repeat counts, with the Poisson distribution of their mean
    // and its Gaussian approximation over the bars, both scaled to the number of counts.
    static PlotChart::Plot repeats(const std::vector<std::int64_t>& counts);
};
