#include "tests/ui/TestProgram.h"
#include "tests/ui/TextFit.h"
#include "ui/Look.h"
#include "ui/Translations.h"
#include "ui/charts/PlotChart.h"

#include <QChart>
#include <QGraphicsLayout>

// Every text fits the box the layout gives it, chart and axis titles included, in the language the
// desktop asks for and at whatever scale the screen has (ctest runs this in every language at the
// scale factors 1, 1.5 and 2).
class TextFitTest : public QObject {
    Q_OBJECT

    // A chart component's title across the chart, its axis titles along the plot area.
    static void chartTitlesFit(const QString& window, DecayChart* view, QStringList& misfits)
    {
        view->valueAxis(DecayChart::Axis::X); // the pending settings reach Qt Charts
        QChart* chart = view->chart();
        chart->resize(view->size());
        chart->layout()->activate();
        const QRectF area = chart->plotArea();
        if (QFontMetricsF(chart->titleFont()).horizontalAdvance(chart->title()) > chart->size().width())
            misfits.append(QStringLiteral("%1 chart title \"%2\"").arg(window, chart->title()));
        for (QAbstractAxis* axis : chart->axes()) {
            const qreal room = axis->orientation() == Qt::Horizontal ? area.width() : area.height();
            const qreal needed = QFontMetricsF(axis->titleFont()).horizontalAdvance(axis->titleText());
            if (axis->isTitleVisible() && needed > room)
                misfits.append(QStringLiteral("%1 axis title \"%2\" needs %3 in %4").arg(window, axis->titleText()).arg(needed).arg(room));
        }
    }

    // The painted charts: the title across the chart, the axis titles along the plot area, as the
    // chart lays them out.
    static void plotTitlesFit(QWidget* window, QStringList& misfits)
    {
        for (PlotChart* plot : window->findChildren<PlotChart*>()) {
            if (!plot->isVisibleTo(window))
                continue;
            const PlotChart::Layout layout = plot->layout();
            const struct {
                const PlotChart::Layout::Text& title;
                qreal needed, room;
            } titles[] = {{layout.title, layout.title.box.width(), layout.size.width()},
                          {layout.xTitle, layout.xTitle.box.width(), layout.plotArea.width()},
                          {layout.yTitle, layout.yTitle.box.height(), layout.plotArea.height()}};
            for (const auto& [title, needed, room] : titles)
                if (needed > room)
                    misfits.append(QStringLiteral("%1 plot title \"%2\" needs %3 in %4").arg(window->objectName(), title.text).arg(needed).arg(room));
        }
    }

private slots:
    void initTestCase()
    {
        installTranslations(*qApp);
        // Each language but English must have come in, or the boxes would be measured in English.
        const bool english = qgetenv("LANGUAGE").isEmpty() || qgetenv("LANGUAGE").startsWith("en");
        QCOMPARE(QCoreApplication::translate("Form1", "Data and run") == QLatin1String("Data and run"), english);
    }

    void everyTextFitsItsBox()
    {
        TestProgram program;
        ProgramWindows& windows = program.windows;
        Form1& main = windows.main();
        main.simut->setText(QStringLiteral("3000")); // the longest result label
        main.Command2_Click();
        main.Timer1_Timer();
        QStringList misfits; // every text that does not fit, so that one run names them all
        const QList<QWidget*> all = {&main, &windows.title(), &windows.largeGraph(), &windows.introduction(),
                                     &windows.references(), &windows.quiz(), &windows.citation(), &windows.dedication()};
        for (QWidget* window : all)
            widgetTextsFit(window, misfits);
        // Every view of the two chart windows: the chart title and both axis titles.
        larggraf& large = windows.largeGraph();
        const std::tuple<QString, DecayChart*, QList<QPushButton*>> charts[] = {
            {"Form1", main.MSChart1, {main.Command3, main.Command6, main.Command4, main.Command9}},
            {"larggraf", large.MSChart1, {large.Command1, large.Command2, large.Command3, large.Command7}}};
        for (const auto& [name, chart, buttons] : charts)
            for (QPushButton* view : buttons) {
                view->click();
                chartTitlesFit(name, chart, misfits);
            }
        // The class experiment and the lab lay themselves out: their texts fit when they need no more
        // than their size, also once a run has named every curve in the legend and the lab's
        // equilibrium is put in words, and the counter has counted.
        ClassExperiment& experiment = windows.classExperiment();
        experiment.cmdRun->click();
        QTRY_VERIFY(!experiment.running());
        NuclideLab& lab = windows.nuclideLab();
        lab.cboNuclide->setCurrentIndex(lab.cboNuclide->findText(QStringLiteral("(Mo-99)"), Qt::MatchEndsWith));
        lab.cmdExact->click();
        QVERIFY(lab.result());
        lab.cmdCounter->click();
        CountingLab& counter = windows.countingLab();
        counter.counting->cmdStep->click();
        counter.counting->cmdStep->click();
        for (QWidget* window : std::initializer_list<QWidget*>{&experiment, &lab, &counter}) {
            const QSize needed = window->minimumSizeHint();
            if (needed.width() > window->width() || needed.height() > window->height())
                misfits.append(QStringLiteral("%1 needs %2 x %3").arg(window->objectName()).arg(needed.width()).arg(needed.height()));
        }
        // Their hand-painted charts in every view the window offers.
        const std::pair<QWidget*, QList<QRadioButton*>> views[] = {
            {&experiment, {experiment.optCounts, experiment.optLog, experiment.optHalfLives}},
            {&lab, {lab.optAtoms, lab.optActivity, lab.optRatio}}};
        for (const auto& [window, buttons] : views)
            for (QRadioButton* view : buttons) {
                view->click();
                plotTitlesFit(window, misfits);
            }
        plotTitlesFit(&counter, misfits);
        counter.tabLab->setCurrentIndex(1);
        counter.dating->cmdNewSample->click();
        counter.dating->cmdCountSample->click();
        plotTitlesFit(&counter, misfits);
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QStringLiteral("; "))));
    }

    void handCursorIsDrawnForTheScreen()
    {
        const QPixmap hand = look::handCursor().pixmap();
        QCOMPARE(hand.devicePixelRatio(), qApp->devicePixelRatio());
        QCOMPARE(hand.deviceIndependentSize().toSize(), QSize(32, 32));
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
