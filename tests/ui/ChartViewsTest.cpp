#include "model/RunState.h"
#include "ui/charts/ChartViews.h"
#include "ui/charts/DecayChart.h"

#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

#include <memory>

class ChartViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void gridReachesQtChartsOnceAfterTheWrites();
    void nextStepViewMarksPointsAndDrawsABlueLine();
    void rowsFollowTheLastStep_data();
    void rowsFollowTheLastStep();
    void lnViewEndsBeforeCountsWithoutLogarithm();
    void axesScaleToThePoints();
    void clickIsReported();

private:
    std::unique_ptr<decay::RunState> m_state;
    std::unique_ptr<DecayChart> m_chart;
};

void ChartViewsTest::init()
{
    m_state = std::make_unique<decay::RunState>();
    for (int t = 0; t < decay::kSeriesSize; ++t)
        m_state->Nt[t] = 1000.0 / (t + 1);
    m_chart = std::make_unique<DecayChart>();
    m_chart->resize(420, 300);
}

void ChartViewsTest::gridReachesQtChartsOnceAfterTheWrites()
{
    QLineSeries* line = m_chart->lineSeries(1);
    QSignalSpy replaced(line, &QXYSeries::pointsReplaced);
    drawView(*m_chart, *m_state, ChartView::AtomsVsTime, 3000);
    QCOMPARE(replaced.count(), 0);
    QCOMPARE(m_chart->rowCount(), 3001);
    QTRY_COMPARE(replaced.count(), 1);
    QCOMPARE(line->count(), 3001);
    QCOMPARE(line->at(3000), QPointF(3000, m_state->Nt[3000]));
}

void ChartViewsTest::nextStepViewMarksPointsAndDrawsABlueLine()
{
    drawView(*m_chart, *m_state, ChartView::NextVsNow, 2, {"N(t+1) vs. N(t) (Blue line: y=x)", "N(t+1)", "N(t)"});
    QCOMPARE(m_chart->title(), QStringLiteral("N(t+1) vs. N(t) (Blue line: y=x)"));
    QScatterSeries* points = m_chart->markerSeries(1);
    QVERIFY(points->isVisible());
    QCOMPARE(points->count(), 3);
    QCOMPARE(points->brush().color(), QColor(255, 0, 0));
    QVERIFY(!m_chart->lineSeries(1)->isVisible());
    QLineSeries* reference = m_chart->lineSeries(3);
    QVERIFY(reference->isVisible());
    QCOMPARE(reference->pen().color(), QColor(0, 0, 255));
    QCOMPARE(reference->at(2), QPointF(m_state->Nt[2], m_state->Nt[2]));

    drawView(*m_chart, *m_state, ChartView::DecayedVsTime, 2);
    QCOMPARE(m_chart->lineSeries(3)->count(), 0); // a time view draws series 1 only
    QVERIFY(!m_chart->markerSeries(1)->isVisible());
}

void ChartViewsTest::rowsFollowTheLastStep_data()
{
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("rows");
    QTest::newRow("negative tmax draws nothing") << -5 << 0;
    QTest::newRow("tmax 0 draws one point") << 0 << 1;
    QTest::newRow("beyond the series stops at its end") << 32767 << decay::kLastStepLimit + 1;
}

void ChartViewsTest::rowsFollowTheLastStep()
{
    QFETCH(int, last);
    QFETCH(int, rows);
    for (ChartView view : {ChartView::AtomsVsTime, ChartView::DecayedVsTime, ChartView::LnAtomsVsTime, ChartView::NextVsNow}) {
        drawView(*m_chart, *m_state, view, last);
        QCOMPARE(m_chart->rowCount(), rows);
        QCOMPARE(m_chart->lineSeries(view == ChartView::NextVsNow ? 3 : 1)->count(), rows);
    }
}

void ChartViewsTest::lnViewEndsBeforeCountsWithoutLogarithm()
{
    m_state->Nt[5] = 0;
    QCOMPARE(lastLogStep(*m_state, 50), 4);
    drawView(*m_chart, *m_state, ChartView::LnAtomsVsTime, 50);
    QCOMPARE(m_chart->rowCount(), 5);
    QCOMPARE(m_chart->data(5, 2), std::log(m_state->Nt[4]));
    m_state->Nt[0] = -2;
    drawView(*m_chart, *m_state, ChartView::LnAtomsVsTime, 50);
    QCOMPARE(m_chart->rowCount(), 0);
}

void ChartViewsTest::axesScaleToThePoints()
{
    drawView(*m_chart, *m_state, ChartView::AtomsVsTime, 50);
    QValueAxis* y = m_chart->valueAxis(DecayChart::Axis::Y);
    QVERIFY(y->min() <= m_state->Nt[50] && y->max() >= 1000);
    QCOMPARE(m_chart->axis(DecayChart::Axis::Y).gridColor, QColor(0, 0, 0));
    QCOMPARE(y->titleText(), QStringLiteral("Atoms"));
    QCOMPARE(y->titleFont().pointSizeF(), 10.0);

    m_state->Nt.fill(0); // all zero before any run: still a sensible range
    drawView(*m_chart, *m_state, ChartView::AtomsVsTime, 50);
    QVERIFY(y->min() < y->max());
}

void ChartViewsTest::clickIsReported()
{
    m_chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_chart.get()));
    QSignalSpy clicked(m_chart.get(), &DecayChart::clicked);
    QTest::mouseClick(m_chart->viewport(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(ChartViewsTest)
#include "ChartViewsTest.moc"
