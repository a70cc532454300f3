#include "tests/ui/TestProgram.h"
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

    // Labels in their boxes, button captions across their buttons, a line of text in each field.
    static void widgetTextsFit(QWidget* window, QStringList& misfits)
    {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            const QRect box = label->contentsRect();
            const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = label->fontMetrics().boundingRect(box, flags, label->text());
            if (needed.width() > box.width() || needed.height() > box.height())
                misfits.append(QStringLiteral("%1.%2 needs %3 x %4 in %5 x %6")
                                   .arg(window->objectName(), label->objectName())
                                   .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height()));
        }
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 8; // the frame and a little air
            if (needed > button->width())
                misfits.append(QStringLiteral("%1.%2 needs %3 in %4").arg(window->objectName(), button->objectName()).arg(needed).arg(button->width()));
        }
        for (QLineEdit* field : window->findChildren<QLineEdit*>())
            if (field->fontMetrics().height() > field->contentsRect().height())
                misfits.append(field->objectName());
    }

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

    // The painted charts: the title in 15 px bold across the chart, the axis titles in 12 px Arial
    // along the plot area, which leaves 70 + 20 pixels beside it and 36 + 50 above and below.
    static void plotTitlesFit(QWidget* window, QStringList& misfits)
    {
        for (PlotChart* plot : window->findChildren<PlotChart*>()) {
            if (!plot->isVisibleTo(window))
                continue;
            const auto arial = [](int pixels, bool bold) {
                QFont font(QStringLiteral("Arial"));
                font.setPixelSize(pixels);
                font.setBold(bold);
                return font;
            };
            const struct {
                const QString& text;
                QFont font;
                qreal room;
            } titles[] = {{plot->plot().title, arial(15, true), qreal(plot->width())},
                          {plot->plot().xTitle, arial(12, false), qreal(plot->width() - 90)},
                          {plot->plot().yTitle, arial(12, false), qreal(plot->height() - 86)}};
            for (const auto& title : titles) {
                const qreal needed = QFontMetricsF(title.font).horizontalAdvance(title.text);
                if (needed > title.room)
                    misfits.append(QStringLiteral("%1 plot title \"%2\" needs %3 in %4").arg(window->objectName(), title.text).arg(needed).arg(title.room));
            }
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
