#pragma once
// The class the page holds, whose runs the view of the atoms reads.

#include "model/experiment/Ensemble.h"

namespace web {

// None before the first class, or after a class that could not be made.
const decay::Ensemble* classEnsemble();

} // namespace web
