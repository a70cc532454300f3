#include "tests/ui/TestProgram.h"
#include "ui/atoms/AtomsWindow.h"
#include "ui/charts/PlotChart.h"

#include <QAction>
#include <QSlider>

// The window of a run's atoms, opened from the main window's chart menu.
class AtomsWindowTest : public QObject {
    Q_OBJECT

    ProgramFixture m_program;

    AtomsWindow& openFromChart()
    {
        m_program->windows.main().MSChart1->findChild<QAction*>(QStringLiteral("actShowAtoms"))->trigger();
        return get<AtomsWindow>(QStringLiteral("AtomsWindow"));
    }

private slots:
    void init() { m_program.restart().showMain(); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("AtomsWindow"))
                delete w;
    }

    // Keys, drags and a click on the chart move the view and choose a patch; the text follows.
    void stepsJumpsAndPatchesAfterARandomRun()
    {
        Form1& form = m_program->windows.main();
        form.txtN0->setText(QStringLiteral("10000"));
        form.Command5->click();
        // The large graph's chart offers the same.
        QVERIFY(m_program->windows.largeGraph().MSChart1->actions().contains(
            m_program->windows.main().MSChart1->findChild<QAction*>(QStringLiteral("actShowAtoms"))));
        AtomsWindow& w = openFromChart();
        QCOMPARE(w.session().atoms(), 10000);
        QVERIFY(w.lblText->text().startsWith(QStringLiteral("t = 0: 10,000 of 10,000 atoms left")));
        QTest::keyClick(&w, Qt::Key_Right);
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.sldTime->value(), 2);
        QVERIFY(w.lblText->text().startsWith(QStringLiteral("t = 2: ")));
        QCOMPARE(w.lblText->accessibleName(), w.lblText->text());

        // A drag over the top left corner: the patch's atoms, its curve and its count in the text.
        QTest::mousePress(w.picAtoms, Qt::LeftButton, {}, QPoint(1, 1)); // (0, 0) would be the centre
        QMouseEvent move(QEvent::MouseMove, QPointF(30, 30), w.picAtoms->mapToGlobal(QPointF(30, 30)), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(w.picAtoms, &move);
        QTest::mouseRelease(w.picAtoms, Qt::LeftButton, {}, QPoint(30, 30));
        QVERIFY(w.session().patch(0));
        QVERIFY(w.lblText->text().contains(QStringLiteral("; patch: ")));

        // A click at the chart's right end shows the last step.
        w.resize(1200, 900);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const PlotChart::Layout layout = w.chartAtoms->layout();
        QTest::mouseClick(w.chartAtoms, Qt::LeftButton, {}, layout.plotArea.topRight().toPoint() + QPoint(-1, 5));
        QCOMPARE(w.sldTime->value(), w.session().steps());
    }

    // Before any run the window says so and offers nothing to do.
    void beforeAnyRunAPlainMessage()
    {
        AtomsWindow& w = openFromChart();
        QCOMPARE(w.picAtoms->text(), QStringLiteral("Make a random run first: its atoms are shown here."));
        QVERIFY(!w.sldTime->isEnabled() && !w.cmdPlay->isEnabled());
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(w.session().step(), 0);
    }
};

QTEST_MAIN(AtomsWindowTest)
#include "AtomsWindowTest.moc"
