#include "ChartViews.h"

#include "DecayChart.h"
#include "model/run/LnCounts.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The context of this file's texts in the translations.
struct ChartViews {
    Q_DECLARE_TR_FUNCTIONS(ChartViews)
};

} // namespace

ViewTitles defaultTitles(ChartView view)
{
    switch (view) {
    case ChartView::AtomsVsTime:
        return {ChartViews::tr("Atoms vs. time"), ChartViews::tr("Atoms"), ChartViews::tr("Time")};
    case ChartView::DecayedVsTime:
        return {ChartViews::tr("Decayed atoms vs. time"), ChartViews::tr("Decayed atoms"), ChartViews::tr("Time")};
    case ChartView::LnAtomsVsTime:
        return {ChartViews::tr("ln(atoms) vs. time"), ChartViews::tr("ln(atoms)"), ChartViews::tr("Time")};
    case ChartView::NextVsNow:
        break;
    }
    return {ChartViews::tr("N(t+1) vs. N(t) (blue line: y=x)"), ChartViews::tr("N(t+1)"), ChartViews::tr("N(t)")};
}

namespace {

// The look every view shares: XY chart without legend, Arial 10 titles, black y gridlines.
void applyTemplate(DecayChart& chart, int columns, int rows, const ViewTitles& titles)
{
    chart.setGridShape(columns, rows);
    chart.setLegendVisible(false);
    chart.setTitle(titles.chart, QStringLiteral("Arial"), 10);
    chart.setAxis(DecayChart::Axis::Y, {.title = titles.yAxis, .gridColor = QColor(0, 0, 0)});
    chart.setAxis(DecayChart::Axis::X, {.title = titles.xAxis});
}

double yValue(const decay::RunState& state, ChartView view, int t)
{
    switch (view) {
    case ChartView::DecayedVsTime: return state.dNt[t];
    case ChartView::LnAtomsVsTime: return decay::lnAtoms(state, t).value_or(0); // drawView stops before counts without one
    default: return state.Nt[t];
    }
}

// What a screen reader tells of the view: its titles, the number of points, the first and last.
void describe(DecayChart& chart, const ViewTitles& titles)
{
    const int rows = chart.rowCount();
    QString text = ChartViews::tr("%1. Y axis: %2. X axis: %3. %4 points").arg(titles.chart, titles.yAxis, titles.xAxis).arg(rows);
    const auto point = [&](int row) {
        return QStringLiteral("(%1, %2)").arg(QString::number(chart.data(row, 1), 'g', 6), QString::number(chart.data(row, 2), 'g', 6));
    };
    if (rows > 0)
        text += ChartViews::tr(", from %1 to %2").arg(point(1), point(rows));
    chart.setAccessibleDescription(text + QLatin1Char('.'));
}

} // namespace

void drawView(DecayChart& chart, const decay::RunState& state, ChartView view, int last, const ViewTitles& titles)
{
    // Every view reads at most Nt(last + 1), so last stays below the series' end; the ln view
    // ends before the first count that has no logarithm.
    last = std::min(last, decay::kLastStepLimit);
    if (view == ChartView::LnAtomsVsTime)
        last = decay::lastLogStep(state, last);
    const int rows = std::max(last + 1, 0);

    if (view != ChartView::NextVsNow) {
        applyTemplate(chart, 2, rows, titles);
        chart.setSeriesLine(1, true);
        chart.setSeriesMarkers(1, {.visible = false});
        for (int t = 0; t <= last; ++t) {
            chart.setData(t + 1, 1, t);
            chart.setData(t + 1, 2, yValue(state, view, t));
        }
        describe(chart, titles);
        return;
    }

    applyTemplate(chart, 4, rows, titles);
    chart.setSeriesLine(1, false);
    chart.setSeriesMarkers(1, {.visible = true,
                               .shape = QScatterSeries::MarkerShapeRectangle,
                               .size = 100,
                               .outline = Qt::SolidLine,
                               .outlineWidth = 5,
                               .outlineColor = QColor(0, 0, 0),
                               .fillColor = QColor(255, 0, 0)});
    chart.setSeriesLine(3, true);
    chart.setSeriesMarkers(3, {.visible = false});
    for (int t = 0; t <= last; ++t) {
        chart.setData(t + 1, 1, state.Nt[t]);
        chart.setData(t + 1, 2, state.Nt[t + 1]);
    }
    for (int t = 0; t <= last; ++t) {
        chart.setData(t + 1, 3, state.Nt[t]);
        chart.setData(t + 1, 4, state.Nt[t]);
    }
    describe(chart, titles);
}
