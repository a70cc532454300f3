#include "model/run/RunState.h"
#include "ui/charts/ChartViews.h"
#include "ui/charts/DecayChart.h"

#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <memory>

class ChartViewsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<decay::RunState> m_state;
    std::unique_ptr<DecayChart> m_chart;

private slots:
    void init()
    {
        m_state = std::make_unique<decay::RunState>();
        for (int t = 0; t < decay::kSeriesSize; ++t)
            m_state->Nt[t] = 1000.0 / (t + 1);
        m_chart = std::make_unique<DecayChart>();
    }

    void gridReachesQtChartsOnceAfterTheWrites()
    {
        QLineSeries* line = m_chart->lineSeries(1);
        QSignalSpy replaced(line, &QXYSeries::pointsReplaced);
        drawView(*m_chart, *m_state, ChartView::AtomsVsTime, 3000);
        QCOMPARE(replaced.count(), 0);
        QTRY_COMPARE(replaced.count(), 1);
        QCOMPARE(line->count(), 3001);
        QCOMPARE(line->at(3000), QPointF(3000, m_state->Nt[3000]));
        QValueAxis* y = m_chart->valueAxis(DecayChart::Axis::Y);
        QVERIFY(y->min() <= m_state->Nt[3000] && y->max() >= 1000);
    }

    void nextStepViewMarksPointsAndDrawsABlueLine()
    {
        drawView(*m_chart, *m_state, ChartView::NextVsNow, 2, {"N(t+1) vs. N(t) (Blue line: y=x)", "N(t+1)", "N(t)"});
        QCOMPARE(m_chart->title(), QStringLiteral("N(t+1) vs. N(t) (Blue line: y=x)"));
        QVERIFY(m_chart->markerSeries(1)->isVisible() && !m_chart->lineSeries(1)->isVisible());
        QCOMPARE(m_chart->markerSeries(1)->count(), 3);
        // The marker images are drawn at their own size.
        QCOMPARE(m_chart->markerSeries(1)->markerSize(), qreal(m_chart->markerSeries(1)->lightMarker().width()));
        QCOMPARE(m_chart->lineSeries(3)->at(2), QPointF(m_state->Nt[2], m_state->Nt[2]));

        drawView(*m_chart, *m_state, ChartView::DecayedVsTime, 2);
        QCOMPARE(m_chart->lineSeries(3)->count(), 0); // a time view draws series 1 only
        QVERIFY(!m_chart->markerSeries(1)->isVisible());
    }

    // A negative tmax draws nothing, and no view reads past the end of the series.
    void rowsStayWithinTheSeries()
    {
        for (ChartView view : {ChartView::AtomsVsTime, ChartView::DecayedVsTime, ChartView::LnAtomsVsTime, ChartView::NextVsNow}) {
            drawView(*m_chart, *m_state, view, -5);
            QCOMPARE(m_chart->rowCount(), 0);
            drawView(*m_chart, *m_state, view, 32767);
            QCOMPARE(m_chart->rowCount(), decay::kLastStepLimit + 1);
        }
        m_state->Nt.fill(0); // all zero before any run: still a sensible range
        drawView(*m_chart, *m_state, ChartView::AtomsVsTime, 50);
        QVERIFY(m_chart->valueAxis(DecayChart::Axis::Y)->min() < m_chart->valueAxis(DecayChart::Axis::Y)->max());
    }

    // Every span of values, out to the extremes of a double, gets an axis with a finite range around them.
    void axesFitTheExtremesOfADouble()
    {
        QTest::failOnWarning(QRegularExpression(".")); // such as "Ignored NaN, Inf, or -Inf value."
        for (const auto& [first, last] : {std::pair{4.9e-324, 0.0}, {1e-300, 2e-300}, {1.7e308, 0.0}, {-1.7e308, 1.7e308}}) {
            init();
            m_state->Nt[0] = first;
            m_state->Nt[1] = last;
            drawView(*m_chart, *m_state, ChartView::AtomsVsTime, 1);
            const QValueAxis* y = m_chart->valueAxis(DecayChart::Axis::Y);
            QVERIFY2(std::isfinite(y->min()) && std::isfinite(y->max()) && y->min() < y->max()
                         && y->min() <= std::min(first, last) && y->max() >= std::max(first, last),
                     qPrintable(QStringLiteral("%1, %2: %3 .. %4").arg(first).arg(last).arg(y->min()).arg(y->max())));
        }
    }
};

QTEST_MAIN(ChartViewsTest)
#include "ChartViewsTest.moc"
