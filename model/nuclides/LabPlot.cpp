#include "LabPlot.h"

#include "ChainRuns.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>

namespace decay {
namespace {

// Okabe and Ito's palette (M. Okabe, K. Ito, Color Universal Design, J*Fly, 2008), its yellow made
// darker to be seen on white and its black left to the total and the levels.
constexpr PlotColor kMemberColors[] = {{213, 94, 0},   {0, 114, 178},   {0, 158, 115},  {230, 159, 0},
                                       {204, 121, 167}, {86, 180, 233}, {110, 110, 110}, {170, 150, 0}};
const std::vector<double> kMemberDashes[] = {{}, {4, 2}, {1, 2}, {4, 2, 1, 2}};
constexpr PlotColor kBlack{0, 0, 0};

// Adds a series of the run, and of the exact solution beside a random run, to the plot.
class SeriesAdder {
public:
    using Values = std::function<std::vector<double>(const ChainSeries&)>;

    SeriesAdder(const LabRun& run, bool activity, Plot& plot) : m_plot(plot), m_times(run.shownTimes())
    {
        m_own = activity ? activities(run.chain, run.atoms) : run.atoms;
        if (run.exact)
            m_exact = activity ? activities(run.chain, *run.exact) : *run.exact;
    }

    // `name` a member's symbol, or a text of the lab when `symbol` is false.
    void add(const std::string& name, bool symbol, const MemberStyle& style, const Values& values)
    {
        layer(symbol ? Message{"%1", {name}} : Message{name}, style.color, style.dash, 2, values(m_own));
        if (m_exact) {
            PlotColor pale = style.color;
            pale.alpha = 150;
            layer(symbol ? Message{"%1 expected", {name}} : Message{name + " expected"}, pale, style.dash, 1, values(*m_exact));
        }
    }
    void level(double value)
    {
        // On a logarithmic time axis from the first time after 0, which has no place there.
        const double from = m_plot.logX && m_times.size() > 1 ? m_times[1] : m_times.front();
        m_plot.layers.push_back({.name = {"Equilibrium"}, .color = kBlack, .width = 1,
                                 .lines = {{.x = {from, m_times.back()}, .y = {value, value}}}});
    }

private:
    void layer(Message name, PlotColor color, const std::vector<double>& dash, double width, std::vector<double> values)
    {
        m_plot.layers.push_back({.name = std::move(name), .color = color, .width = width, .dash = dash,
                                 .lines = {{.x = m_times, .y = std::move(values)}}});
    }

    Plot& m_plot;
    std::vector<double> m_times;
    ChainSeries m_own;
    std::optional<ChainSeries> m_exact;
};

std::vector<double> scaled(std::span<const double> values, double per)
{
    std::vector<double> out(values.begin(), values.end());
    for (double& v : out)
        v /= per;
    return out;
}

// "Mo-99 (2.747 d)": a member and its half-life in a fitting unit, as three values.
void addWithHalfLife(std::vector<MessageValue>& values, const ChainMember& member)
{
    const TimeUnit unit = fittingUnit(member.halfLife);
    values.emplace_back(member.symbol);
    values.push_back(numberValue(member.halfLife / unitSeconds(unit), 4));
    values.push_back(unitValue(unitName(unit)));
}

} // namespace

Message equilibriumMessage(const Chain& chain, std::span<const double> initial, int daughter, int over)
{
    const auto member = [&](int i) -> const ChainMember& { return chain.members[static_cast<std::size_t>(i)]; };
    const Equilibrium eq = equilibrium(chain, initial, daughter, over);
    const std::string ratio = "A(" + member(daughter).symbol + ")/A(" + member(over).symbol + ")";
    Message message;
    const auto setterFirst = [&](const char* pattern) {
        message.pattern = pattern;
        addWithHalfLife(message.values, member(eq.setter));
    };
    // The reason holds over the members it names, those on the routes from the setter to the
    // daughter, whatever follows elsewhere in the chain: each lives shorter than the setter, and in
    // a secular equilibrium those after `over` a hundred times shorter, as the limit's factors
    // lambda_j / (lambda_j - lambda_s) are within 1 % of 1.
    const auto settles = [&](const char* pattern) {
        setterFirst(pattern);
        message.values.insert(message.values.end(), {member(daughter).symbol, ratio, numberValue(eq.ratio, 4)});
    };
    switch (eq.kind) {
    case EquilibriumKind::Secular:
        if (eq.setter == over) {
            settles("Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member on its way to %4, so %5 settles at %6.");
            return message;
        }
        // Only the members after `over` are far shorter-lived: those before it share the ratio's
        // numerator and denominator (Bi-212 lives a tenth of Pb-212, Tl-208 a two-hundredth).
        setterFirst("Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member after %4 on its way to %5, so %6 "
                    "settles at %7.");
        message.values.insert(message.values.end(), {member(over).symbol, member(daughter).symbol, ratio, numberValue(eq.ratio, 4)});
        return message;
    case EquilibriumKind::Transient: {
        const double peak = activityPeak(chain, initial, daughter);
        if (std::isnan(peak)) {
            settles("Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6.");
            return message;
        }
        const TimeUnit unit = fittingUnit(peak);
        settles("Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so %5 settles at %6; "
                "the activity of %7 peaks at %8 %9.");
        message.values.insert(message.values.end(),
                              {member(daughter).symbol, numberValue(peak / unitSeconds(unit), 4), unitValue(unitName(unit))});
        return message;
    }
    case EquilibriumKind::None:
        break;
    }
    if (eq.setter < 0)
        return {"No equilibrium: %1 is stable and has no activity.", {member(daughter).symbol}};
    if (eq.setter == daughter) {
        setterFirst("No equilibrium: %1 (%2 %3) lives at least as long as the members before it, so %4 keeps growing.");
        message.values.emplace_back(ratio);
        return message;
    }
    const std::vector<int> aboveOver = upstreamMembers(chain, over);
    if (eq.setter != over && std::count(aboveOver.begin(), aboveOver.end(), eq.setter) == 0) {
        setterFirst("No equilibrium: %1 (%2 %3) lives longer than %4 (%5 %6), so %7 keeps growing.");
        addWithHalfLife(message.values, member(over));
        message.values.emplace_back(ratio);
        return message;
    }
    return {"No equilibrium: members as long-lived as the one that sets the pace follow it, so %1 keeps growing.", {ratio}};
}

MemberStyle memberStyle(int member)
{
    const auto m = static_cast<std::size_t>(std::max(member, 0));
    return {kMemberColors[m % std::size(kMemberColors)], kMemberDashes[m / std::size(kMemberColors) % std::size(kMemberDashes)]};
}

Plot labPlot(const LabRun* run, const LabView& view)
{
    Plot plot{.context = kNuclideLabContext, .logY = view.logY};
    if (!run) {
        plot.title = {"Press Exact or Random to run the chain"};
        return plot;
    }
    const Chain& chain = run->chain;
    plot.xTitle = {"t [%1]", {unitValue(unitName(run->unit))}};
    plot.logX = !run->setup.grid.empty(); // a logarithmic grid's decades, each as wide
    const auto symbol = [&](int member) { return chain.members[static_cast<std::size_t>(member)].symbol; };
    SeriesAdder series(*run, view.kind != LabView::Kind::Atoms, plot);
    switch (view.kind) {
    case LabView::Kind::Ratio: {
        if (view.daughter <= 0 || view.daughter >= chain.size() || view.over < 0 || view.over >= view.daughter) {
            plot.title = {"No radioactive daughter to compare with its parent"};
            break;
        }
        const int d = view.daughter, u = view.over;
        plot.title = {"Activity of %1 over that of %2", {symbol(d), symbol(u)}};
        plot.yTitle = {"A(%1) / A(%2)", {symbol(d), symbol(u)}};
        series.add("Ratio", false, memberStyle(d), [&](const ChainSeries& a) { return activityRatio(a, d, u); });
        const Equilibrium eq = equilibrium(chain, run->setup.initial, d, u);
        if (eq.kind != EquilibriumKind::None)
            series.level(eq.ratio);
        break;
    }
    case LabView::Kind::Activity: {
        const double per = becquerelPer(view.activityUnit);
        plot.title = {"Activity of every member"};
        plot.yTitle = {"A(t) [%1]", {std::string(activityUnitName(view.activityUnit))}};
        for (int i = 0; i < chain.size(); ++i)
            if (!chain.members[static_cast<std::size_t>(i)].stable())
                series.add(symbol(i), true, memberStyle(i), [&](const ChainSeries& a) { return scaled(a.member(i), per); });
        series.add("Total", false, MemberStyle{kBlack, {}}, [&](const ChainSeries& a) { return scaled(totalActivity(a), per); });
        break;
    }
    case LabView::Kind::Atoms:
        plot.title = {"Atoms of every member"};
        plot.yTitle = {"N(t)"};
        for (int i = 0; i < chain.size(); ++i)
            series.add(symbol(i), true, memberStyle(i), [&](const ChainSeries& atoms) { return scaled(atoms.member(i), 1); });
        break;
    }
    cutLogarithmicAxes(plot);
    return plot;
}

} // namespace decay
