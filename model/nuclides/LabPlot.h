#pragma once

#include "ChainActivity.h"
#include "LabRun.h"

#include "model/common/Plot.h"

#include <array>

namespace decay {

// What the lab's chart shows of a run.
struct LabView {
    enum class Kind { Atoms, Activity, Ratio };
    Kind kind = Kind::Atoms;
    bool logY = false;
    ActivityUnit activityUnit = ActivityUnit::Bq;
    int daughter = -1; // the ratio view's: the daughter's activity over that of a member upstream; -1 for none
    int over = -1;
};
inline constexpr std::array<LabView::Kind, 3> kLabViewKinds{LabView::Kind::Atoms, LabView::Kind::Activity, LabView::Kind::Ratio};

// The translation context of the lab's texts.
inline constexpr const char* kNuclideLabContext = "NuclideLab";

// A colour and a dash a member, in the chain's order, that a chart can tell apart: the eight
// colours of a palette made to be told apart with every common colour-vision deficiency, solid
// for the first eight members, then dashed, dotted and dash-dotted, so that up to 32 members
// (kMostChainMembers) never share a pair.
struct MemberStyle {
    PlotColor color;
    std::vector<double> dash;
};
MemberStyle memberStyle(int member);

// The run as the view shows it, a random run with its exact solution thin and pale beside it;
// without a run, a prompt to run the chain. A logarithmic grid's times are on a logarithmic axis.
Plot labPlot(const LabRun* run, const LabView& view);

// Which equilibrium the activity of the daughter settles into against that of the member upstream,
// for a run from `initial` atoms, in words of the lab's context.
Message equilibriumMessage(const Chain& chain, std::span<const double> initial, int daughter, int over);

} // namespace decay
