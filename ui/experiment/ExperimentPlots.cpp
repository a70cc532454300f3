#include "ExperimentPlots.h"

#include <QCoreApplication>

namespace {

// The chart's texts come from the model as English sources of this context; lupdate finds them
// here. The layers' names are also the legend's check boxes.
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("ExperimentPlots", "Half-lives where N first falls to N0/2"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Half-life (steps)"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln N(t) of the class"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Atoms left in each run"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Step t"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln N"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Atoms N(t)"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Runs"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class mean"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class ±1σ"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Expectation N0·(1−q)^t"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Binomial ±1σ"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Continuous law N0·e^(−r·t)"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Fitted line"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class data"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class data fit"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Measured half-lives"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln 2 / r"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln 2 / −ln(1−q)"),
};

} // namespace

PlotChart::Plot experimentPlot(ExperimentView view, const decay::Ensemble* ensemble, const decay::EnsembleStats* stats,
                               const decay::ClassData* data, const decay::DecayFit* fit)
{
    return PlotChart::fromModel(decay::plotExperiment(view, ensemble, stats, data, fit));
}
