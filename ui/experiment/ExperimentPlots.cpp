#include "ExperimentPlots.h"

#include <QCoreApplication>

#include <cmath>

using Layer = PlotChart::Layer;

namespace {

constexpr int kMostRunsDrawn = 100;

// The context of this file's texts in the translations.
struct ExperimentPlots {
    Q_DECLARE_TR_FUNCTIONS(ExperimentPlots)
};

// The names of the chart's layers, which the legend's check boxes carry too.
const char* const kRuns = QT_TRANSLATE_NOOP("ExperimentPlots", "Runs");
const char* const kClassMean = QT_TRANSLATE_NOOP("ExperimentPlots", "Class mean");
const char* const kClassBand = QT_TRANSLATE_NOOP("ExperimentPlots", "Class ±1σ");
const char* const kExpectation = QT_TRANSLATE_NOOP("ExperimentPlots", "Expectation N0·(1−q)^t");
const char* const kBinomialBand = QT_TRANSLATE_NOOP("ExperimentPlots", "Binomial ±1σ");
const char* const kContinuous = QT_TRANSLATE_NOOP("ExperimentPlots", "Continuous law N0·e^(−r·t)");
const char* const kFittedLine = QT_TRANSLATE_NOOP("ExperimentPlots", "Fitted line");
const char* const kData = QT_TRANSLATE_NOOP("ExperimentPlots", "Class data");
const char* const kDataFit = QT_TRANSLATE_NOOP("ExperimentPlots", "Class data fit");
const char* const kHalfLives = QT_TRANSLATE_NOOP("ExperimentPlots", "Measured half-lives");
const char* const kLnTwoOverR = QT_TRANSLATE_NOOP("ExperimentPlots", "ln 2 / r");
const char* const kLnTwoOverQ = QT_TRANSLATE_NOOP("ExperimentPlots", "ln 2 / −ln(1−q)");

// Points (t, values[t]), or (steps[i], values[i]) when steps are given.
QPolygonF curve(const std::vector<double>& values, const std::vector<double>* steps = nullptr)
{
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        line.append(QPointF(steps ? (*steps)[i] : static_cast<double>(i), values[i]));
    return line;
}

// values + sign * by, never below 0: a count band ends at no atoms.
QPolygonF offset(const std::vector<double>& values, const std::vector<double>& by, double sign)
{
    std::vector<double> shifted(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        shifted[i] = std::max(values[i] + sign * by[i], 0.0);
    return curve(shifted);
}

Layer lines(const char* name, const QColor& color, qreal width, std::vector<QPolygonF> polylines)
{
    return {.name = ExperimentPlots::tr(name), .color = color, .width = width, .lines = std::move(polylines)};
}

Layer band(const char* name, const QColor& color, const std::vector<double>& centre, const std::vector<double>& sd)
{
    return {.name = ExperimentPlots::tr(name), .color = color, .kind = Layer::Kind::Band, .lines = {offset(centre, sd, -1), offset(centre, sd, 1)}};
}

// The runs drawn: all up to 100, else 100 spread evenly over the class.
std::vector<int> drawnRuns(int runs)
{
    std::vector<int> drawn;
    const int count = std::min(runs, kMostRunsDrawn);
    for (int i = 0; i < count; ++i)
        drawn.push_back(static_cast<int>(static_cast<long long>(i) * runs / count));
    return drawn;
}

std::vector<double> runCounts(const decay::Ensemble& ensemble, int run)
{
    const auto counts = ensemble.run(run);
    return {counts.begin(), counts.end()};
}

} // namespace

PlotChart::Plot experimentPlot(ExperimentView view, const decay::Ensemble* ensemble, const decay::EnsembleStats* stats,
                                     const decay::ClassData* data, const decay::DecayFit* fit)
{
    PlotChart::Plot plot;
    const bool log = view == ExperimentView::LnCounts;
    const auto values = [log](const std::vector<double>& v) { return log ? decay::logarithms(v) : v; };

    if (view == ExperimentView::HalfLives) {
        plot = {ExperimentPlots::tr("Half-lives where N first falls to N0/2"), ExperimentPlots::tr("Half-life (steps)"), ExperimentPlots::tr("Runs")};
        if (stats) {
            const decay::EnsembleStats& s = *stats;
            const decay::Histogram h = decay::histogram(s.halvingTimes);
            Layer bars{.name = ExperimentPlots::tr(kHalfLives), .color = QColor(90, 140, 220), .kind = Layer::Kind::Bars, .lines = {{}}, .barWidth = h.width};
            int highest = 1;
            for (std::size_t i = 0; i < h.counts.size(); ++i) {
                bars.lines[0].append(QPointF(h.low + (static_cast<double>(i) + 0.5) * h.width, h.counts[i]));
                highest = std::max(highest, h.counts[i]);
            }
            plot.layers.push_back(bars);
            const auto mark = [&](const char* name, const QColor& color, double at) {
                if (std::isfinite(at))
                    plot.layers.push_back(lines(name, color, 2.5, {QPolygonF({QPointF(at, 0), QPointF(at, highest)})}));
            };
            mark(kClassMean, QColor(230, 120, 0), s.halving.mean);
            mark(kLnTwoOverQ, QColor(0, 130, 60), s.discreteHalfLife);
            mark(kLnTwoOverR, QColor(200, 0, 90), s.continuousHalfLife);
        }
    } else {
        plot = log ? PlotChart::Plot{ExperimentPlots::tr("ln N(t) of the class"), ExperimentPlots::tr("Step t"), ExperimentPlots::tr("ln N")}
                   : PlotChart::Plot{ExperimentPlots::tr("Atoms left in each run"), ExperimentPlots::tr("Step t"),
                                           ExperimentPlots::tr("Atoms N(t)")};
        if (ensemble && stats) {
            const decay::Ensemble& e = *ensemble;
            const decay::EnsembleStats& s = *stats;
            if (!log) {
                plot.layers.push_back(band(kBinomialBand, QColor(0, 150, 70, 50), s.expectation, s.binomialSd));
                plot.layers.push_back(band(kClassBand, QColor(240, 140, 0, 60), s.mean, s.sd));
            }
            std::vector<QPolygonF> runs;
            for (int run : drawnRuns(e.params.runs))
                runs.push_back(curve(values(runCounts(e, run))));
            plot.layers.push_back(lines(kRuns, QColor(40, 80, 200, 45), 1, std::move(runs)));
            plot.layers.push_back(lines(kClassMean, QColor(230, 120, 0), 2.5, {curve(values(s.mean))}));
            plot.layers.push_back(lines(kExpectation, QColor(0, 130, 60), 2, {curve(values(s.expectation))}));
            plot.layers.push_back(lines(kContinuous, QColor(200, 0, 90), 2, {curve(values(s.continuous))}));
            if (log) {
                const double last = e.params.lastStep;
                plot.layers.push_back(lines(kFittedLine, Qt::black, 1.5,
                                            {QPolygonF({QPointF(0, s.meanIntercept), QPointF(last, s.meanIntercept + s.meanSlope * last)})}));
            }
        }
        if (data) {
            Layer points{.name = ExperimentPlots::tr(kData), .color = QColor(60, 60, 60), .kind = Layer::Kind::Points, .width = 1};
            if (log)
                points.lines.push_back(curve(decay::logarithms(decay::meanCounts(*data)), &data->steps));
            else
                for (const auto& group : data->counts)
                    points.lines.push_back(curve(group, &data->steps));
            plot.layers.push_back(points);
            if (fit)
                plot.layers.push_back(lines(kDataFit, QColor(60, 60, 60), 1.5, {curve(values(decay::fittedCounts(*fit, data->steps)), &data->steps)}));
        }
    }
    return plot;
}

