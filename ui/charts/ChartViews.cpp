#include "ChartViews.h"

#include "DecayChart.h"
#include "model/LnCounts.h"

#include <algorithm>

ViewTitles defaultTitles(ChartView view)
{
    switch (view) {
    case ChartView::AtomsVsTime:
        return {QStringLiteral("Atoms vs. time"), QStringLiteral("Atoms"), QStringLiteral("Time")};
    case ChartView::DecayedVsTime:
        return {QStringLiteral("Decayed atoms vs. time"), QStringLiteral("Decayed atoms"), QStringLiteral("Time")};
    case ChartView::LnAtomsVsTime:
        return {QStringLiteral("ln(atoms) vs. time"), QStringLiteral("ln(atoms)"), QStringLiteral("Time")};
    case ChartView::NextVsNow:
        break;
    }
    return {QStringLiteral("N(t+1) vs. N(t) (blue line: y=x)"), QStringLiteral("N(t+1)"), QStringLiteral("N(t)")};
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
    QString text = QStringLiteral("%1. Y axis: %2. X axis: %3. %4 points").arg(titles.chart, titles.yAxis, titles.xAxis).arg(rows);
    const auto point = [&](int row) {
        return QStringLiteral("(%1, %2)").arg(QString::number(chart.data(row, 1), 'g', 6), QString::number(chart.data(row, 2), 'g', 6));
    };
    if (rows > 0)
        text += QStringLiteral(", from %1 to %2").arg(point(1), point(rows));
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
