#include "LabPlots.h"

#include "model/common/Conversions.h"
#include "ui/Look.h"
#include "ui/Numbers.h"
#include "ui/TimeText.h"

#include <algorithm>
#include <cmath>
#include <functional>

using look::qtext;

namespace {

// Colours a chart can tell apart, one per member in the chain's order.
const QColor kMemberColors[] = {QColor(192, 0, 0), QColor(0, 90, 200), QColor(0, 140, 60), QColor(200, 120, 0),
                                QColor(120, 40, 160), QColor(0, 150, 160), QColor(150, 90, 40), QColor(90, 90, 90)};

QPolygonF line(const std::vector<double>& times, const std::vector<double>& values)
{
    QPolygonF points(static_cast<qsizetype>(times.size()));
    for (std::size_t k = 0; k < times.size(); ++k)
        points[static_cast<qsizetype>(k)] = QPointF(times[k], values[k]);
    return points;
}

// "Mo-99 (2.747 d)".
QString withHalfLife(const decay::ChainMember& member)
{
    return QStringLiteral("%1 (%2)").arg(qtext(member.symbol), durationText(member.halfLife));
}

// Adds a series of the run, and of the exact solution beside a random run, to the plot.
class SeriesAdder {
public:
    using Values = std::function<std::vector<double>(const decay::ChainSeries&)>;

    SeriesAdder(const decay::LabRun& run, bool activity, PlotChart::Plot& plot) : m_plot(plot)
    {
        const std::vector<double> seconds = run.times();
        for (double t : seconds)
            m_times.push_back(t / decay::unitSeconds(run.unit));
        m_own = activity ? decay::activities(run.chain, run.atoms) : run.atoms;
        if (run.exact)
            m_exact = activity ? decay::activities(run.chain, *run.exact) : *run.exact;
    }

    void add(const QString& name, const QColor& color, const Values& values)
    {
        layer(name, color, 2, values(m_own));
        if (m_exact) {
            QColor pale = color;
            pale.setAlpha(150);
            layer(name + LabPlots::tr(" expected"), pale, 1, values(*m_exact));
        }
    }
    void level(double value)
    {
        PlotChart::Layer layer{LabPlots::tr("Equilibrium"), Qt::black};
        layer.width = 1;
        // On a logarithmic time axis from the first time after 0, which has no place there.
        const double from = m_plot.logX && m_times.size() > 1 ? m_times[1] : m_times.front();
        layer.lines.push_back(QPolygonF{QPointF(from, value), QPointF(m_times.back(), value)});
        m_plot.layers.push_back(std::move(layer));
    }

private:
    void layer(const QString& name, const QColor& color, qreal width, const std::vector<double>& values)
    {
        PlotChart::Layer layer{name, color};
        layer.width = width;
        layer.lines.push_back(line(m_times, values));
        m_plot.layers.push_back(std::move(layer));
    }

    PlotChart::Plot& m_plot;
    std::vector<double> m_times;
    decay::ChainSeries m_own;
    std::optional<decay::ChainSeries> m_exact;
};

std::vector<double> scaled(std::span<const double> values, double per)
{
    std::vector<double> out(values.begin(), values.end());
    for (double& v : out)
        v /= per;
    return out;
}

} // namespace

QColor LabPlots::memberColor(int member)
{
    return kMemberColors[static_cast<std::size_t>(member) % std::size(kMemberColors)];
}

PlotChart::Plot LabPlots::plot(const decay::LabRun* run, const LabView& view)
{
    PlotChart::Plot plot;
    plot.logY = view.logY;
    if (!run) {
        plot.title = tr("Press Exact or Random to run the chain");
        return plot;
    }
    const decay::Chain& chain = run->chain;
    plot.xTitle = tr("t [%1]").arg(unitText(run->unit));
    plot.logX = !run->setup.grid.empty(); // a logarithmic grid's decades, each as wide
    const auto symbol = [&](int member) { return qtext(chain.members[static_cast<std::size_t>(member)].symbol); };
    SeriesAdder series(*run, view.kind != LabView::Kind::Atoms, plot);
    switch (view.kind) {
    case LabView::Kind::Ratio: {
        if (view.daughter <= 0 || view.daughter >= chain.size() || view.over < 0 || view.over >= view.daughter) {
            plot.title = tr("No radioactive daughter to compare with its parent");
            break;
        }
        const int d = view.daughter, u = view.over;
        plot.title = tr("Activity of %1 over that of %2").arg(symbol(d), symbol(u));
        plot.yTitle = tr("A(%1) / A(%2)").arg(symbol(d), symbol(u));
        series.add(tr("Ratio"), memberColor(d), [&](const decay::ChainSeries& a) { return decay::activityRatio(a, d, u); });
        const decay::Equilibrium eq = decay::equilibrium(chain, run->setup.initial, d, u);
        if (eq.kind != decay::EquilibriumKind::None)
            series.level(eq.ratio);
        break;
    }
    case LabView::Kind::Activity: {
        const double per = decay::becquerelPer(view.activityUnit);
        plot.title = tr("Activity of every member");
        plot.yTitle = tr("A(t) [%1]").arg(qtext(std::string(decay::activityUnitName(view.activityUnit))));
        for (int i = 0; i < chain.size(); ++i)
            if (!chain.members[static_cast<std::size_t>(i)].stable())
                series.add(symbol(i), memberColor(i), [&](const decay::ChainSeries& a) { return scaled(a.member(i), per); });
        series.add(tr("Total"), Qt::black, [&](const decay::ChainSeries& a) { return scaled(decay::totalActivity(a), per); });
        break;
    }
    case LabView::Kind::Atoms:
        plot.title = tr("Atoms of every member");
        plot.yTitle = QStringLiteral("N(t)");
        for (int i = 0; i < chain.size(); ++i)
            series.add(symbol(i), memberColor(i), [&](const decay::ChainSeries& atoms) { return scaled(atoms.member(i), 1); });
        break;
    }
    return plot;
}

QString LabPlots::description(const PlotChart::Plot& plot, const decay::LabRun* run)
{
    if (!run)
        return plot.title;
    const std::vector<double> times = run->times();
    return tr("%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.")
        .arg(plot.title, plot.xTitle, plot.yTitle, plot.logY ? tr(", logarithmic") : QString())
        .arg(plot.layers.size())
        .arg(times.size())
        .arg(numbers::significant(times.back() / decay::unitSeconds(run->unit), 6), unitText(run->unit));
}

QString LabPlots::equilibriumText(const decay::Chain& chain, std::span<const double> initial, int daughter, int over)
{
    const auto member = [&](int i) -> const decay::ChainMember& { return chain.members[static_cast<std::size_t>(i)]; };
    const decay::Equilibrium equilibrium = decay::equilibrium(chain, initial, daughter, over);
    const QString ratio = QStringLiteral("A(%1)/A(%2)").arg(qtext(member(daughter).symbol), qtext(member(over).symbol));
    const QString limit = numbers::significant(equilibrium.ratio, 4);
    switch (equilibrium.kind) {
    case decay::EquilibriumKind::Secular:
        //: %1 the member that sets the pace with its half-life, %2 is A(daughter)/A(member upstream), %3 a number.
        return tr("Secular equilibrium: %1 sets the pace, living far longer than the members after it, so %2 settles at %3.")
            .arg(withHalfLife(member(equilibrium.setter)), ratio, limit);
    case decay::EquilibriumKind::Transient: {
        const double peak = decay::activityPeak(chain, initial, daughter);
        if (std::isnan(peak))
            //: %1 the member that sets the pace with its half-life, %2 is A(daughter)/A(member upstream), %3 a number.
            return tr("Transient equilibrium: %1 sets the pace, living longer than the members after it, so %2 settles at %3.")
                .arg(withHalfLife(member(equilibrium.setter)), ratio, limit);
        const decay::TimeUnit unit = decay::fittingUnit(peak);
        //: %1 the member that sets the pace with its half-life, %2 is A(daughter)/A(member upstream), %3 a
        //: number, %4 the daughter, %5 and %6 a time and its unit.
        return tr("Transient equilibrium: %1 sets the pace, living longer than the members after it, so %2 settles at %3; "
                  "the activity of %4 peaks at %5 %6.")
            .arg(withHalfLife(member(equilibrium.setter)), ratio, limit, qtext(member(daughter).symbol),
                 numbers::significant(peak / decay::unitSeconds(unit), 4), unitText(unit));
    }
    case decay::EquilibriumKind::None:
        break;
    }
    if (equilibrium.setter < 0)
        return tr("No equilibrium: %1 is stable and has no activity.").arg(qtext(member(daughter).symbol));
    if (equilibrium.setter == daughter)
        //: %1 the daughter with its half-life, %2 is A(daughter)/A(member upstream).
        return tr("No equilibrium: %1 lives at least as long as the members before it, so %2 keeps growing.")
            .arg(withHalfLife(member(daughter)), ratio);
    const std::vector<int> aboveOver = decay::upstreamMembers(chain, over);
    if (equilibrium.setter != over && std::ranges::count(aboveOver, equilibrium.setter) == 0)
        //: %1 the member that sets the pace, %2 the member upstream, both with their half-lives, %3 is A(daughter)/A(member upstream).
        return tr("No equilibrium: %1 lives longer than %2, so %3 keeps growing.")
            .arg(withHalfLife(member(equilibrium.setter)), withHalfLife(member(over)), ratio);
    //: %1 is A(daughter)/A(member upstream).
    return tr("No equilibrium: members as long-lived as the one that sets the pace follow it, so %1 keeps growing.").arg(ratio);
}

QString LabPlots::nuclideTitle(const decay::Nuclide& nuclide)
{
    const QString symbol = qtext(nuclide.symbol);
    //: A nuclide: %1 the element's name, %2 the mass number with an "m" for an isomer, %3 the symbol.
    QString title = tr("%1-%2 (%3)").arg(QCoreApplication::translate("Element", nuclide.element.c_str()),
                                         symbol.mid(symbol.indexOf(QLatin1Char('-')) + 1), symbol);
    title[0] = title[0].toUpper();
    return title;
}

QString LabPlots::halfLifeValue(const decay::Nuclide& nuclide)
{
    if (nuclide.stable())
        return tr("stable");
    const double shown = nuclide.halfLife / *decay::symbolSeconds(nuclide.shownUnit());
    return numbers::significant(shown, decay::printedDigits(nuclide.halfLifeValue));
}

QString LabPlots::halfLifeUnit(const decay::Nuclide& nuclide)
{
    return nuclide.stable() ? QString() : unitText(nuclide.shownUnit());
}

QString LabPlots::halfLifeSource(const decay::Nuclide& nuclide)
{
    if (nuclide.stable())
        return qtext(nuclide.source);
    //: %1 the half-life as the evaluation prints it, %2 its uncertainty, %3 the unit, %4 the source.
    return tr("%1 \u00B1 %2 %3 (%4)")
        .arg(numbers::significant(nuclide.halfLifeValue, 15), numbers::significant(nuclide.uncertainty, 15), unitText(nuclide.unit),
             qtext(nuclide.source));
}
