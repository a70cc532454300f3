#pragma once

#include "RunState.h"

#include <optional>

namespace decay {

// ln Nt(t), which the ln views and the data file show; only a count above 0 has one.
std::optional<double> lnAtoms(const RunState& state, int t);

// The last step up to `last` before the first count that has no logarithm; -1 when Nt(0) has
// none. The ln views end their line there.
int lastLogStep(const RunState& state, int last);

} // namespace decay
