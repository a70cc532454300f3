#pragma once

#include "ClassData.h"
#include "EnsembleStats.h"

#include "model/common/Plot.h"

#include <vector>

namespace decay {

enum class ExperimentView { Counts, LnCounts, HalfLives };

// The class experiment's chart: its texts are English sources of the translation context
// "ExperimentPlots".
using ExperimentPlot = Plot;

// In the count views every run up to 100 (else 100 spread over the class), the bands, the class
// mean, the theory and the class's own data with its fit; in the half-life view the histogram of
// the measured half-lives beside the theory. Any of the inputs may be missing.
ExperimentPlot plotExperiment(ExperimentView view, const Ensemble* ensemble, const EnsembleStats* stats, const ClassData* data,
                              const DecayFit* fit);

} // namespace decay
