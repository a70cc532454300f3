#pragma once
// The designed run's entries as the page sends them, and the run state the page holds, which the
// view of its atoms reads.

#include "Bindings.h"

#include "model/run/RunState.h"
#include "model/run/Runs.h"

namespace web {

decay::RunTexts runTexts(const val& texts);
const decay::RunState& runState();

} // namespace web
