#include "LabPlots.h"

#include "model/common/Conversions.h"
#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/TimeText.h"

#include <algorithm>
#include <cmath>
#include <functional>

using look::qtext;

namespace {

// The chart's texts come from the model as English sources of this context; lupdate finds them
// here.
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("NuclideLab", "Press Exact or Random to run the chain"),
    // The status line after a run.
    //: %1 Exact or Random, %2 the number of times, %3 and %4 the first time and its unit, %5 and %6 the last.
    QT_TRANSLATE_NOOP("NuclideLab", "%1 run: %2 times on a logarithmic grid from %3 %4 to %5 %6."),
    QT_TRANSLATE_NOOP("NuclideLab", "%1 run: %2 steps of %3 %4."),
    QT_TRANSLATE_NOOP("NuclideLab", "All %1 milked after step %2."),
    QT_TRANSLATE_NOOP("NuclideLab", "t [%1]"),
    QT_TRANSLATE_NOOP("NuclideLab", "No radioactive daughter to compare with its parent"),
    QT_TRANSLATE_NOOP("NuclideLab", "Activity of %1 over that of %2"),
    QT_TRANSLATE_NOOP("NuclideLab", "A(%1) / A(%2)"),
    QT_TRANSLATE_NOOP("NuclideLab", "Ratio"),
    QT_TRANSLATE_NOOP("NuclideLab", "Ratio expected"),
    QT_TRANSLATE_NOOP("NuclideLab", "Equilibrium"),
    QT_TRANSLATE_NOOP("NuclideLab", "Activity of every member"),
    QT_TRANSLATE_NOOP("NuclideLab", "A(t) [%1]"),
    QT_TRANSLATE_NOOP("NuclideLab", "Total"),
    QT_TRANSLATE_NOOP("NuclideLab", "Total expected"),
    QT_TRANSLATE_NOOP("NuclideLab", "%1 expected"),
    QT_TRANSLATE_NOOP("NuclideLab", "Atoms of every member"),
    //: %1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member
    //: upstream), %6 a number.
    QT_TRANSLATE_NOOP("NuclideLab", "Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member on its way to %4, so "
                                    "%5 settles at %6."),
    //: %1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the member upstream compared with, %5 the
    //: daughter, %6 is A(daughter)/A(member upstream), %7 a number.
    QT_TRANSLATE_NOOP("NuclideLab", "Secular equilibrium: %1 (%2 %3) sets the pace, living far longer than every member after %4 on its way "
                                    "to %5, so %6 settles at %7."),
    //: %1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member
    //: upstream), %6 a number.
    QT_TRANSLATE_NOOP("NuclideLab", "Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so "
                                    "%5 settles at %6."),
    //: %1 the member that sets the pace, %2 and %3 its half-life and unit, %4 the daughter, %5 is A(daughter)/A(member
    //: upstream), %6 a number, %7 the daughter again, %8 and %9 a time and its unit.
    QT_TRANSLATE_NOOP("NuclideLab", "Transient equilibrium: %1 (%2 %3) sets the pace, living longer than every member on its way to %4, so "
                                    "%5 settles at %6; the activity of %7 peaks at %8 %9."),
    QT_TRANSLATE_NOOP("NuclideLab", "No equilibrium: %1 is stable and has no activity."),
    //: %1 the axis's title
    QT_TRANSLATE_NOOP("NuclideLab", "%1 (cut 12 decades below the top)"),
    //: %1 the axis's title
    QT_TRANSLATE_NOOP("NuclideLab", "%1 (cut 12 decades before the end)"),
    //: %1 the daughter, %2 and %3 its half-life and unit, %4 is A(daughter)/A(member upstream).
    QT_TRANSLATE_NOOP("NuclideLab", "No equilibrium: %1 (%2 %3) lives at least as long as the members before it, so %4 keeps growing."),
    //: %1 the member that sets the pace and %4 the member upstream, each followed by its half-life and unit, %7 is
    //: A(daughter)/A(member upstream).
    QT_TRANSLATE_NOOP("NuclideLab", "No equilibrium: %1 (%2 %3) lives longer than %4 (%5 %6), so %7 keeps growing."),
    //: %1 is A(daughter)/A(member upstream).
    QT_TRANSLATE_NOOP("NuclideLab", "No equilibrium: members as long-lived as the one that sets the pace follow it, so %1 keeps growing."),
};

} // namespace

PlotChart::Plot LabPlots::plot(const decay::LabRun* run, const decay::LabView& view)
{
    return PlotChart::fromModel(decay::labPlot(run, view));
}

QString LabPlots::description(const PlotChart::Plot& plot, const decay::LabRun* run)
{
    if (!run)
        return plot.title;
    const std::vector<double> times = run->shownTimes();
    return tr("%1. Across: %2; up: %3%4. %5 series of %6 points from t = 0 to %7 %8.")
        .arg(plot.title, plot.xTitle, plot.yTitle, plot.logY ? tr(", logarithmic") : QString())
        .arg(plot.layers.size())
        .arg(times.size())
        .arg(numbers::significant(times.back(), 6), unitText(run->unit));
}

QString LabPlots::equilibriumText(const decay::Chain& chain, std::span<const double> initial, int daughter, int over)
{
    return modelText(decay::equilibriumMessage(chain, initial, daughter, over), decay::kNuclideLabContext);
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
    return numbers::significant(nuclide.shownHalfLife(), nuclide.shownDigits());
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
