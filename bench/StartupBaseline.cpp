// The yardstick for start-up: a bare Qt program that shows one line chart of 3001 points, as
// plain as Qt Charts makes it. bench/startup-time times it beside the program itself.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>

#include <cmath>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto* series = new QLineSeries;
    QList<QPointF> points;
    for (int t = 0; t <= 3000; ++t)
        points.append(QPointF(t, 100 * std::exp(-0.001 * t)));
    series->replace(points);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->createDefaultAxes();
    QChartView view(chart);
    view.setWindowTitle(QStringLiteral("Start-up baseline"));
    view.resize(640, 480);
    view.show();
    return QApplication::exec();
}
