#include "RunPlot.h"

#include "LnCounts.h"

#include <algorithm>

namespace decay {
namespace {

constexpr PlotColor kRed{192, 0, 0};
constexpr PlotColor kBlue{0, 0, 255};

double yValue(const RunState& state, RunView view, int t)
{
    switch (view) {
    case RunView::DecayedVsTime: return state.dNt[static_cast<std::size_t>(t)];
    case RunView::LnAtomsVsTime: return lnAtoms(state, t).value_or(0); // the line ends before counts without one
    default: return state.Nt[static_cast<std::size_t>(t)];
    }
}

} // namespace

RunViewTitles runViewTitles(RunView view)
{
    switch (view) {
    case RunView::AtomsVsTime: return {{"Atoms vs. time"}, {"Atoms"}, {"Time"}};
    case RunView::DecayedVsTime: return {{"Decayed atoms vs. time"}, {"Decayed atoms"}, {"Time"}};
    case RunView::LnAtomsVsTime: return {{"ln(atoms) vs. time"}, {"ln(atoms)"}, {"Time"}};
    case RunView::NextVsNow: break;
    }
    return {{"N(t+1) vs. N(t) (blue line: y=x)"}, {"N(t+1)"}, {"N(t)"}};
}

int mainViewLastStep(const RunState& state, RunView view)
{
    return view == RunView::LnAtomsVsTime && isYes(state.Extinct) ? state.tzero - 1 : state.tmax;
}

Plot runPlot(const RunState& state, RunView view, int last)
{
    // Every view reads at most Nt(last + 1), so last stays below the series' end.
    last = std::min(last, kLastStepLimit);
    if (view == RunView::LnAtomsVsTime)
        last = lastLogStep(state, last);
    Plot plot{.context = kRunViewContext};
    PlotLine line;
    for (int t = 0; t <= last; ++t) {
        const auto at = static_cast<std::size_t>(t);
        line.x.push_back(view == RunView::NextVsNow ? state.Nt[at] : t);
        line.y.push_back(view == RunView::NextVsNow ? state.Nt[at + 1] : yValue(state, view, t));
    }
    RunViewTitles titles = runViewTitles(view);
    plot.title = std::move(titles.title);
    plot.yTitle = std::move(titles.yTitle);
    plot.xTitle = std::move(titles.xTitle);
    if (view != RunView::NextVsNow) {
        plot.layers.push_back({.name = plot.yTitle, .color = kRed, .width = 2, .lines = {std::move(line)}});
        return plot;
    }
    PlotLine diagonal{.x = line.x, .y = line.x};
    plot.layers.push_back({.name = plot.yTitle, .color = kRed, .kind = PlotLayer::Kind::Points, .width = 2, .lines = {std::move(line)}});
    plot.layers.push_back({.name = {"y = x"}, .color = kBlue, .width = 2, .lines = {std::move(diagonal)}});
    return plot;
}

} // namespace decay
