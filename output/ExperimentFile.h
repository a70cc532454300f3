#pragma once

#include "model/experiment/EnsembleStats.h"

#include <string>

namespace decay {

// The runs of a class experiment as a comma-separated file: a header line, then one line per step
// with t, every run's count, the class mean, its standard deviation and the expectation
// N0 (1 - q)^t, numbers written as in the data file, every line ending in CR LF.
std::string experimentFileText(const Ensemble& ensemble, const EnsembleStats& stats);

} // namespace decay
