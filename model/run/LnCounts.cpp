#include "LnCounts.h"

#include <algorithm>
#include <cmath>

namespace decay {

std::optional<double> lnAtoms(const RunState& state, int t)
{
    const double count = state.Nt[static_cast<std::size_t>(t)];
    if (!(count > 0))
        return std::nullopt;
    return std::log(count);
}

int lastLogStep(const RunState& state, int last)
{
    last = std::min(last, kSeriesSize - 1);
    for (int t = 0; t <= last; ++t)
        if (!(state.Nt[static_cast<std::size_t>(t)] > 0))
            return t - 1;
    return last;
}

} // namespace decay
