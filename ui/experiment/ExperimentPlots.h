#pragma once

#include "ui/charts/PlotChart.h"
#include "model/experiment/ExperimentPlot.h"

using ExperimentView = decay::ExperimentView;

// What the chart shows of a class (either may be missing): in the count views every run up to 100
// (else 100 spread over the class), the class mean, the theory and the class's own data; in the
// half-life view the histogram of the measured half-lives beside the theory.
PlotChart::Plot experimentPlot(ExperimentView view, const decay::Ensemble* ensemble, const decay::EnsembleStats* stats,
                                     const decay::ClassData* data, const decay::DecayFit* fit);
