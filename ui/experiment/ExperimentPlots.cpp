#include "ExperimentPlots.h"

#include <QCoreApplication>

namespace {

// The chart's texts come from the model as English sources of this context; lupdate finds them
// here. The layers' names are also the legend's check boxes.
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("ExperimentPlots", "Half-lives where N first falls to N0/2"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Half-life (steps)"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln N(t) of the class"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Atoms left in each run"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Step t"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln N"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Atoms N(t)"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Runs"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class mean"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class ±1σ"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Expectation N0·(1−q)^t"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Binomial ±1σ"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Continuous law N0·e^(−r·t)"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Fitted line"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class data"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Class data fit"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "Measured half-lives"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln 2 / r"),
    QT_TRANSLATE_NOOP("ExperimentPlots", "ln 2 / −ln(1−q)"),
};

QString translated(const char* text)
{
    return QCoreApplication::translate("ExperimentPlots", text);
}

PlotChart::Layer::Kind kind(decay::PlotLayer::Kind kind)
{
    switch (kind) {
    case decay::PlotLayer::Kind::Band: return PlotChart::Layer::Kind::Band;
    case decay::PlotLayer::Kind::Points: return PlotChart::Layer::Kind::Points;
    case decay::PlotLayer::Kind::Bars: return PlotChart::Layer::Kind::Bars;
    case decay::PlotLayer::Kind::Lines:
    case decay::PlotLayer::Kind::Mark: break; // a mark is a line of two points
    }
    return PlotChart::Layer::Kind::Lines;
}

} // namespace

PlotChart::Plot experimentPlot(ExperimentView view, const decay::Ensemble* ensemble, const decay::EnsembleStats* stats,
                               const decay::ClassData* data, const decay::DecayFit* fit)
{
    const decay::ExperimentPlot source = decay::plotExperiment(view, ensemble, stats, data, fit);
    PlotChart::Plot plot{translated(source.title), translated(source.xTitle), translated(source.yTitle)};
    for (const decay::PlotLayer& layer : source.layers) {
        PlotChart::Layer out{.name = translated(layer.name),
                             .color = QColor(layer.color.red, layer.color.green, layer.color.blue, layer.color.alpha),
                             .kind = kind(layer.kind),
                             .width = layer.width,
                             .barWidth = layer.barWidth};
        for (const decay::PlotLine& line : layer.lines) {
            QPolygonF polygon;
            polygon.reserve(static_cast<qsizetype>(line.x.size()));
            for (std::size_t i = 0; i < line.x.size(); ++i)
                polygon.append(QPointF(line.x[i], line.y[i]));
            out.lines.push_back(std::move(polygon));
        }
        plot.layers.push_back(std::move(out));
    }
    return plot;
}
