#pragma once

#include "model/nuclides/ChainActivity.h"
#include "model/nuclides/LabPlot.h"
#include "model/nuclides/LabRun.h"
#include "model/nuclides/NuclideTable.h"
#include "ui/charts/PlotChart.h"

#include <QCoreApplication>
#include <QString>

// The nuclide lab's plots and words, built from a run without a window.
class LabPlots {
    Q_DECLARE_TR_FUNCTIONS(NuclideLab)

public:
    // The run as the view shows it, a random run with its exact solution thin and pale beside it;
    // without a run, a prompt to run the chain.
    static PlotChart::Plot plot(const decay::LabRun* run, const decay::LabView& view);
    // What a screen reader says of the chart.
    static QString description(const PlotChart::Plot& plot, const decay::LabRun* run);
    // Which equilibrium the activity of the daughter settles into against that of the member
    // upstream, for a run from `initial` atoms, in words.
    static QString equilibriumText(const decay::Chain& chain, std::span<const double> initial, int daughter, int over);
    // "Molybdenum-99 (Mo-99)" in the user's language, with a capital, as it stands alone in a list.
    static QString nuclideTitle(const decay::Nuclide& nuclide);
    // A half-life as a class reads it, with the digits the evaluation gives: "65.932" and "h",
    // "4.463 × 10⁹" and "y" (not "Gy"); "stable" and nothing.
    static QString halfLifeValue(const decay::Nuclide& nuclide);
    static QString halfLifeUnit(const decay::Nuclide& nuclide);
    // The value as the evaluation prints it, with its uncertainty and source, for a tool tip.
    static QString halfLifeSource(const decay::Nuclide& nuclide);
};
