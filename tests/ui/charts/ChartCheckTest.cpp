#include "tests/ui/TestProgram.h"
#include "tests/ui/TextFit.h"
#include "ui/charts/PlotChart.h"
#include "ui/charts/PlotLegend.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLineSeries>

#include <map>
#include <set>
#include <tuple>

// Every part's charts as a teacher first meets them, before and after the first button pressed,
// on a phone-sized and on a projector-sized window, looked at from the geometry the chart draws
// by: no number of an axis touches another, no legend hides a point, no logarithmic axis spans
// more than 12 decades, no two series shown look alike, and no text or control is cut. One run
// names every fault.
class ChartCheckTest : public QObject {
    Q_OBJECT

    using Text = PlotChart::Layout::Text;

    // Texts that share a pixel, the tolerance of their rounding aside.
    static bool touch(const QRectF& a, const QRectF& b) { return a.adjusted(0.5, 0.5, -0.5, -0.5).intersects(b.adjusted(0.5, 0.5, -0.5, -0.5)); }

    static void ticksApart(const QString& where, const std::vector<Text>& ticks, QStringList& faults)
    {
        for (std::size_t i = 0; i < ticks.size(); ++i)
            for (std::size_t j = i + 1; j < ticks.size(); ++j)
                if (touch(ticks[i].box, ticks[j].box))
                    faults.append(QStringLiteral("%1: tick labels \"%2\" and \"%3\" overlap").arg(where, ticks[i].text, ticks[j].text));
    }

    static void textWhole(const QString& where, const Text& text, const QRectF& room, QStringList& faults)
    {
        if (text.text.isEmpty())
            return;
        if (!room.adjusted(-0.5, -0.5, 0.5, 0.5).contains(text.box) || text.text.contains(QStringLiteral("...")) || text.text.contains(QChar(0x2026)))
            faults.append(QStringLiteral("%1: \"%2\" is cut (%3,%4 %5 x %6 in %7 x %8)")
                              .arg(where, text.text)
                              .arg(text.box.x()).arg(text.box.y()).arg(text.box.width()).arg(text.box.height())
                              .arg(room.width()).arg(room.height()));
    }

    // A series' look: its colour and, for a line, its dashes; points and filled shapes by kind.
    struct Look {
        QString color, style;
        bool operator<(const Look& other) const { return std::tie(color, style) < std::tie(other.color, other.style); }
    };

    static void looksDistinct(const QString& where, const std::vector<std::pair<QString, Look>>& series, QStringList& faults)
    {
        std::map<Look, QString> seen; // the first name of each look
        std::set<QString> named;
        for (const auto& [name, look] : series) {
            if (!named.insert(name).second)
                continue; // layers of one name are one series
            const auto [first, fresh] = seen.emplace(look, name);
            if (!fresh)
                faults.append(QStringLiteral("%1: \"%2\" and \"%3\" are both drawn %4 %5").arg(where, first->second, name, look.color, look.style));
        }
    }

    static void legendClear(const QString& where, const QRectF& box, const QString& entry, const std::vector<QPointF>& points, const QString& series,
                            QStringList& faults)
    {
        for (const QPointF& p : points)
            if (box.contains(p)) {
                faults.append(QStringLiteral("%1: the legend's \"%2\" covers a point of \"%3\"").arg(where, entry, series));
                return;
            }
    }

    // A hand-painted chart, from the layout its painting uses.
    static void checkPlot(const QString& where, const PlotChart& chart, QStringList& faults)
    {
        const PlotChart::Layout layout = chart.layout();
        ticksApart(where + " x axis", layout.xTicks, faults);
        ticksApart(where + " y axis", layout.yTicks, faults);
        for (const Text& x : layout.xTicks)
            for (const Text& y : layout.yTicks)
                if (touch(x.box, y.box))
                    faults.append(QStringLiteral("%1: tick labels \"%2\" and \"%3\" overlap").arg(where, x.text, y.text));
        for (const Text& entry : layout.legend)
            for (const PlotChart::Layout::Series& series : layout.series)
                legendClear(where, entry.box, entry.text, series.points, series.name, faults);
        for (const auto& [axis, decades] : {std::pair{"x", layout.xDecades}, {"y", layout.yDecades}})
            if (decades > decay::kMostDecades + 1e-9)
                faults.append(QStringLiteral("%1: the logarithmic %2 axis spans %3 decades").arg(where, QLatin1String(axis)).arg(decades));
        std::vector<std::pair<QString, Look>> looks;
        for (const PlotChart::Layout::Series& series : layout.series) {
            QStringList dash;
            for (qreal d : series.dash)
                dash.append(QString::number(d));
            const QString style = series.kind == PlotChart::Layer::Kind::Lines   ? QStringLiteral("line ") + dash.join(' ')
                                  : series.kind == PlotChart::Layer::Kind::Points ? QStringLiteral("points")
                                                                                  : QStringLiteral("filled");
            looks.push_back({series.name, {series.color.name(QColor::HexArgb), style}});
        }
        looksDistinct(where, looks, faults);
        const QRectF picture(QPointF(0, 0), layout.size);
        for (const Text* text : {&layout.title, &layout.xTitle, &layout.yTitle})
            textWhole(where, *text, picture, faults);
        for (const auto* texts : {&layout.xTicks, &layout.yTicks, &layout.legend})
            for (const Text& text : *texts)
                textWhole(where, text, picture, faults);
    }

    // The decay run's chart, from the items Qt Charts has laid out.
    static void checkDecayChart(const QString& where, DecayChart& view, QStringList& faults)
    {
        view.valueAxis(DecayChart::Axis::X); // the pending settings reach Qt Charts
        QChart* chart = view.chart();
        chart->layout()->activate();
        QStringList titles = {chart->title()};
        for (QAbstractAxis* axis : chart->axes())
            titles.append(axis->titleText());
        std::vector<Text> texts, ticks;
        for (QGraphicsItem* item : view.scene()->items()) {
            auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            if (!text || !text->isVisible() || text->toPlainText().isEmpty())
                continue;
            const qreal margin = text->document()->documentMargin();
            const QRectF box = view.mapFromScene(text->sceneBoundingRect()).boundingRect();
            const Text placed{box.adjusted(margin, margin, -margin, -margin), text->toPlainText()};
            texts.push_back(placed);
            if (!titles.contains(placed.text))
                ticks.push_back(placed);
        }
        ticksApart(where, ticks, faults);
        for (const Text& text : texts)
            textWhole(where, text, QRectF(view.rect()), faults);
        std::vector<std::pair<QString, Look>> looks;
        std::vector<QPointF> points;
        for (QAbstractSeries* series : chart->series()) {
            auto* line = qobject_cast<QXYSeries*>(series);
            if (!line || !line->isVisible() || line->count() == 0)
                continue;
            for (const QPointF& p : line->points())
                points.push_back(view.mapFromScene(chart->mapToScene(chart->mapToPosition(p, line))));
            const QString name = QString::number(looks.size() + 1);
            if (line->pen().style() != Qt::NoPen)
                looks.push_back({name, {line->pen().color().name(), QStringLiteral("line %1").arg(int(line->pen().style()))}});
            if (!line->lightMarker().isNull()) {
                const QImage& marker = line->lightMarker();
                looks.push_back({name + QStringLiteral(" markers"), {marker.pixelColor(marker.rect().center()).name(), QStringLiteral("markers")}});
            }
        }
        looksDistinct(where, looks, faults);
        if (chart->legend()->isVisible())
            legendClear(where, view.mapFromScene(chart->legend()->sceneBoundingRect()).boundingRect(), QStringLiteral("legend"), points,
                        QStringLiteral("a series"), faults);
    }

    // Every chart shown in `window`, and its controls; a list of layers beside a chart stays off it.
    static void checkWindow(const QString& where, QWidget& window, QStringList& faults)
    {
        QCoreApplication::sendPostedEvents(); // the layout a changed text asks for
        widgetTextsFit(&window, faults);
        for (PlotChart* chart : window.findChildren<PlotChart*>())
            if (chart->isVisibleTo(&window))
                checkPlot(QStringLiteral("%1 %2").arg(where, chart->objectName()), *chart, faults);
        for (DecayChart* chart : window.findChildren<DecayChart*>())
            if (chart->isVisibleTo(&window))
                checkDecayChart(QStringLiteral("%1 %2 \"%3\"").arg(where, chart->objectName(), chart->title()), *chart, faults);
        for (PlotLegend* legend : window.findChildren<PlotLegend*>())
            for (PlotChart* chart : window.findChildren<PlotChart*>())
                if (legend->isVisibleTo(&window) && chart->isVisibleTo(&window)
                    && QRect(legend->mapTo(&window, QPoint()), legend->size()).intersects(QRect(chart->mapTo(&window, QPoint()), chart->size())))
                    faults.append(QStringLiteral("%1: the legend %2 lies over the chart %3").arg(where, legend->objectName(), chart->objectName()));
    }

    // The window shown at `size`, or as near to it as its least size allows, laid out.
    static void showAt(QWidget& window, QSize size)
    {
        window.show();
        window.resize(size);
        QCoreApplication::sendPostedEvents(); // layouts and the charts' pending settings
        QCoreApplication::processEvents();
    }

private slots:
    void everyPartsFirstChartsAreWhole_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("phone") << QSize(390, 844);
        QTest::newRow("projector") << QSize(1920, 1080);
    }

    void everyPartsFirstChartsAreWhole()
    {
        QFETCH(QSize, size);
        const QString screen = QString::fromLatin1(QTest::currentDataTag());
        TestProgram program;
        ProgramWindows& windows = program.windows;
        QStringList faults; // every fault, so that one run names them all
        // ATOMDRIFT_CHART_SHOTS names a folder for a picture of each view looked at.
        const QString shots = qEnvironmentVariable("ATOMDRIFT_CHART_SHOTS");
        const auto check = [&](const QString& part, const QString& view, QWidget& window) {
            checkWindow(QStringLiteral("%1 %2 (%3)").arg(part, view, screen), window, faults);
            if (!shots.isEmpty())
                window.grab().save(QStringLiteral("%1/%2-%3-%4.png").arg(shots, part, QString(view).replace(QRegularExpression("\\W+"), "_"), screen));
        };

        // The decay run: the main window opens with its chart hidden; RUN draws the atoms, and the
        // view buttons the other three views.
        Form1& main = program.showMain();
        showAt(main, size);
        check("run", "default", main);
        main.Command2->click();
        check("run", "after RUN", main);
        for (QPushButton* view : {main.Command6, main.Command3, main.Command9}) {
            view->click();
            check("run", view->text(), main);
        }
        main.hide();

        // The class experiment: its runs, in each of its views.
        ClassExperiment& experiment = windows.classExperiment();
        showAt(experiment, size);
        check("experiment", "default", experiment);
        experiment.cmdRun->click();
        QTRY_VERIFY_WITH_TIMEOUT(!experiment.running(), 30000);
        for (QRadioButton* view : {experiment.optCounts, experiment.optLog, experiment.optHalfLives}) {
            view->click();
            check("experiment", "run, " + view->text(), experiment);
        }
        experiment.hide();

        // The nuclide lab: the exact run of the first nuclide, U-238's chain, in each view.
        NuclideLab& lab = windows.nuclideLab();
        showAt(lab, size);
        check("nuclides", "default", lab);
        lab.cmdExact->click();
        QVERIFY(lab.result());
        check("nuclides", "exact run", lab);
        for (QRadioButton* view : {lab.optAtoms, lab.optActivity, lab.optRatio}) {
            view->click();
            check("nuclides", "exact run, " + view->text(), lab);
        }
        lab.hide();

        // The counting lab's pages: activated silver counted to the end, repeat counts, and a
        // carbon sample made and counted.
        CountingLab& counter = windows.countingLab();
        showAt(counter, size);
        check("counting", "default", counter);
        counter.counting->cmdSilver->click();
        counter.counting->cboSpeed->setCurrentIndex(counter.counting->cboSpeed->count() - 1);
        counter.counting->cmdStart->click();
        while (counter.counting->playing())
            counter.counting->playFor(0.1);
        check("counting", "silver counted", counter);
        counter.tabLab->setCurrentWidget(counter.repeat);
        check("counting", "repeat counts", counter);
        counter.repeat->cmdRepeat->click();
        check("counting", "repeat counts, counted", counter);
        counter.tabLab->setCurrentWidget(counter.dating);
        check("counting", "dating", counter);
        counter.dating->cmdNewSample->click();
        counter.dating->cmdCountSample->click();
        check("counting", "dating, counted", counter);
        for (const QString& fault : faults) // one line each: a failure's own message is cut short
            qInfo().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
    }
};

QTEST_MAIN(ChartCheckTest)
#include "ChartCheckTest.moc"
