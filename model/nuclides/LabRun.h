#pragma once

#include "Chain.h"
#include "ChainRuns.h"
#include "model/common/TimeUnits.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace decay {

// A run of the nuclide lab as its views, its file and the counter take it.
struct LabRun {
    Chain chain;
    RunSetup setup;
    TimeUnit unit = TimeUnit::Second; // of the step entry: the time of the file and the views
    bool random = false;
    ChainSeries atoms;                // of the random run, or the exact solution
    std::optional<ChainSeries> exact; // beside a random run: the exact solution of the same setup
    TimeUnit firstUnit = TimeUnit::Second; // that a logarithmic grid's first time was entered in

    // The run's times in seconds, one per step boundary (RunSetup::times).
    std::vector<double> times() const;
    // The same in `unit`, as the views and the file show them.
    std::vector<double> shownTimes() const;
};

// The exact run of the chain, or a random one from `seed` beside its exact solution; empty when
// the setup is not one readRunSetup could have made (or, for a random run, when randomRunRefusal
// refuses it, or when `progress` cancels it). The random run reports its steps to `progress`.
std::optional<LabRun> runLab(const Chain& chain, const RunSetup& setup, TimeUnit unit, bool random, std::uint64_t seed,
                             Progress* progress = nullptr);

} // namespace decay
