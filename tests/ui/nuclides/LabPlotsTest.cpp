#include "model/nuclides/ChainActivity.h"
#include "model/counting/HalfLifeFit.h"
#include "model/nuclides/LabRun.h"
#include "ui/ModelText.h"
#include "ui/Numbers.h"
#include "ui/counting/CountingPlots.h"
#include "ui/nuclides/LabPlots.h"
#include "tests/Tolerance.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <numbers>

// The labs' plots and numbers, built without a window.
class LabPlotsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Mo-99 at random with its exact solution beside it: a thick and a thin line per member; the
    // ratio view draws the equilibrium's level, b lambda_B / (lambda_B - lambda_A) with b = 0.875
    // (NUBASE2020 half-lives 65.932 h and 6.0066 h).
    void drawsTheLabsRunWithItsExactSolution()
    {
        const decay::Chain chain{{{"Mo-99", "", 65.932 * 3600}, {"Tc-99m", "", 6.0066 * 3600}, {"Tc-99", "", 0}},
                                 {{0, 1, 0.875}, {0, 2, 0.125}, {1, 2, 1}}};
        const decay::RunSetup setup{.initial = {10000, 0, 0}, .step = 3600, .steps = 200, .milk = {}};
        const auto run = decay::runLab(chain, setup, decay::TimeUnit::Hour, true, 7);
        QVERIFY(run && run->exact);
        const PlotChart::Plot atoms = LabPlots::plot(&*run, {});
        QCOMPARE(atoms.layers.size(), std::size_t{6});
        QCOMPARE(atoms.layers[1].name, QStringLiteral("Mo-99 expected"));
        QCOMPARE(atoms.layers[0].lines[0].size(), 201);
        QCOMPARE(atoms.layers[0].lines[0].last().x(), 200.0); // hours
        QCOMPARE(atoms.xTitle, QStringLiteral("t [h]"));

        decay::LabView ratio{.kind = decay::LabView::Kind::Ratio, .daughter = 1, .over = 0};
        const PlotChart::Plot plot = LabPlots::plot(&*run, ratio);
        const PlotChart::Layer& level = plot.layers.back();
        QCOMPARE(level.name, QStringLiteral("Equilibrium"));
        const double lambdaA = std::numbers::ln2 / 65.932, lambdaB = std::numbers::ln2 / 6.0066;
        QVERIFY_WITHIN(level.lines[0][0].y(), 0.875 * lambdaB / (lambdaB - lambdaA), relative(1e-9)); // hours typed here, the table's seconds
        QVERIFY(LabPlots::description(plot, &*run).contains(QStringLiteral("from t = 0 to 200 h")));
        QCOMPARE(LabPlots::plot(nullptr, {}).title, QStringLiteral("Press Exact or Random to run the chain"));

        // On a logarithmic grid the time axis is logarithmic, and the level starts where it can be drawn.
        decay::RunSetup log = setup;
        log.grid = decay::logarithmicTimes(360, 720000, 5);
        log.steps = static_cast<int>(log.grid.size()) - 1;
        const auto logRun = decay::runLab(chain, log, decay::TimeUnit::Hour, false, 7);
        QVERIFY(logRun);
        const PlotChart::Plot logPlot = LabPlots::plot(&*logRun, ratio);
        QVERIFY(logPlot.logX);
        QCOMPARE(logPlot.layers.back().lines[0][0].x(), 0.1);
    }

    // 1000 intervals: a line with the error bars of every fourth; the background band steps only
    // where its rate changes; residuals come with a fit of these very counts.
    void drawsTheCountsTheirBackgroundAndFit()
    {
        decay::FitData data;
        for (int k = 0; k < 1000; ++k) {
            data.intervals.push_back({static_cast<double>(k), k + 1.0, static_cast<std::int64_t>(200 * std::exp2(-k / 300.0)) + 5});
            data.exposure.push_back(1);
        }
        data.backgroundRate = 5;
        data.backgroundCounts = 500;
        data.backgroundTime = 100;
        const decay::HalfLifeFit fit = decay::fitPoissonLikelihood(data);
        QVERIFY(fit.fitted());
        PlotChart::Plot residuals;
        const PlotChart::Plot plot = CountingPlots::rates({.data = data, .fit = &fit, .toShown = 1, .unit = "s"}, &residuals);
        QCOMPARE(plot.layers[0].lines.size(), std::size_t{250}); // error bars
        QCOMPARE(plot.layers[1].kind, PlotChart::Layer::Kind::Lines);
        const PlotChart::Layer& band = plot.layers[2];
        QCOMPARE(band.name, QStringLiteral("Background"));
        QCOMPARE(band.lines[0].size(), 4); // both ends of the first and the last interval
        QCOMPARE(band.lines[1][0].y(), 5 + std::sqrt(500.0) / 100);
        QCOMPARE(residuals.layers.size(), std::size_t{2});
        QCOMPARE(residuals.yTitle, QStringLiteral("±√deviance")); // the likelihood's own residuals
        QCOMPARE(residuals.layers[1].lines[0].size(), 1000);

        PlotChart::Plot none;
        CountingPlots::rates({.data = data, .fit = nullptr}, &none);
        QVERIFY(none.layers.empty());
        // 34 counts in 14 ms: 2,429 ± 416 a second, rounded as an uncertainty leading with 416 is.
        QCOMPARE(numbers::withUncertainty(34 / 0.014, std::sqrt(34.0) / 0.014), QStringLiteral("2,400 \u00B1 400"));
    }

    // One wording of each age, in the legend as in the text.
    void namesTheAgesOneWay()
    {
        decay::DatingMeasurement d;
        d.count = {.counts = 9000, .seconds = 3600};
        d.result.ages = {decay::DatedAge{.halfLife = decay::kLibbyHalfLife, .age = 5490, .minus = 43.2, .plus = 45.6},
                         decay::DatedAge{.halfLife = decay::kTextbookHalfLife, .age = 31000, .minus = 3440, .plus = 6140},
                         decay::DatedAge{.halfLife = decay::kModernHalfLife, .halfLifeSigma = 30, .age = 31000, .minus = std::nan(""),
                                         .plus = std::nan(""), .lowerLimit = true}};
        const PlotChart::Plot plot = CountingPlots::dating({d}, 5700.0);
        QCOMPARE(plot.layers[1].name, QStringLiteral("Conventional radiocarbon age (Libby half-life, 5568 y)"));
        QCOMPARE(plot.layers[3].name, QStringLiteral("Age with the textbooks' half-life 5730 y"));
        QCOMPARE(plot.layers[5].name, QStringLiteral("Age with the half-life 5700 \u00B1 30 y"));
        QCOMPARE(plot.layers.back().name, QStringLiteral("True age"));
        // Rounded as an uncertainty by its smaller side: 43.2 leads with 432, so one digit.
        QCOMPARE(modelText(decay::ageText(d.result.ages[0]), decay::kCountingContext), QStringLiteral("5,490 (\u221240/+50) y BP"));
        QCOMPARE(modelText(decay::ageText(d.result.ages[1]), decay::kCountingContext), QStringLiteral("31,000 (\u22123,400/+6,100) y BP"));
        QCOMPARE(modelText(decay::ageText(d.result.ages[2]), decay::kCountingContext), QStringLiteral("older than 31,000 y BP (95 %)"));
    }
};

QTEST_MAIN(LabPlotsTest)
#include "LabPlotsTest.moc"
