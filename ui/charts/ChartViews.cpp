#include "ChartViews.h"

#include "DecayChart.h"
#include "ui/ModelText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The context of this file's texts in the translations.
struct ChartViews {
    Q_DECLARE_TR_FUNCTIONS(ChartViews)
};

// The views' texts come from the model as English sources of this context; lupdate finds them
// here.
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("ChartViews", "Atoms vs. time"),
    QT_TRANSLATE_NOOP("ChartViews", "Atoms"),
    QT_TRANSLATE_NOOP("ChartViews", "Time"),
    QT_TRANSLATE_NOOP("ChartViews", "Decayed atoms vs. time"),
    QT_TRANSLATE_NOOP("ChartViews", "Decayed atoms"),
    QT_TRANSLATE_NOOP("ChartViews", "ln(atoms) vs. time"),
    QT_TRANSLATE_NOOP("ChartViews", "ln(atoms)"),
    QT_TRANSLATE_NOOP("ChartViews", "N(t+1) vs. N(t) (blue line: y=x)"),
    QT_TRANSLATE_NOOP("ChartViews", "N(t+1)"),
    QT_TRANSLATE_NOOP("ChartViews", "N(t)"),
};

} // namespace

ViewTitles defaultTitles(ChartView view)
{
    const decay::RunViewTitles titles = decay::runViewTitles(view);
    const auto text = [](const decay::Message& message) { return modelText(message, decay::kRunViewContext); };
    return {text(titles.title), text(titles.yTitle), text(titles.xTitle)};
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
    const decay::Plot plot = decay::runPlot(state, view, last);
    const decay::PlotLine& points = plot.layers[0].lines[0];
    const int rows = static_cast<int>(points.x.size());

    if (view != ChartView::NextVsNow) {
        applyTemplate(chart, 2, rows, titles);
        chart.setSeriesLine(1, true);
        chart.setSeriesMarkers(1, {.visible = false});
        for (int row = 1; row <= rows; ++row) {
            chart.setData(row, 1, points.x[static_cast<std::size_t>(row - 1)]);
            chart.setData(row, 2, points.y[static_cast<std::size_t>(row - 1)]);
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
    const decay::PlotLine& diagonal = plot.layers[1].lines[0];
    for (int row = 1; row <= rows; ++row) {
        chart.setData(row, 1, points.x[static_cast<std::size_t>(row - 1)]);
        chart.setData(row, 2, points.y[static_cast<std::size_t>(row - 1)]);
    }
    for (int row = 1; row <= rows; ++row) {
        chart.setData(row, 3, diagonal.x[static_cast<std::size_t>(row - 1)]);
        chart.setData(row, 4, diagonal.y[static_cast<std::size_t>(row - 1)]);
    }
    describe(chart, titles);
}
