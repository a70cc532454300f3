#pragma once

#include "RunState.h"

#include "model/common/Plot.h"

namespace decay {

// The four views of a run.
enum class RunView { AtomsVsTime, DecayedVsTime, LnAtomsVsTime, NextVsNow };

// The translation context of the views' texts.
inline constexpr const char* kRunViewContext = "ChartViews";

// A view's title and axes.
struct RunViewTitles {
    Message title, yTitle, xTitle;
};
RunViewTitles runViewTitles(RunView view);

// The last step the main window's view shows: the run's, and for the ln view, after a random run
// that ran out of atoms, the step before its zero counts.
int mainViewLastStep(const RunState& state, RunView view);

// The view of the run from step 0 to `last` (kept within what the series hold): the time views
// one line over the steps, the ln view ending before the first count without a logarithm; the
// next-step view the points (N(t), N(t+1)) beside the line y = x.
Plot runPlot(const RunState& state, RunView view, int last);

} // namespace decay
