#include "PlotBindings.h"

#include "Bindings.h"
#include "model/common/Conversions.h"

#include <emscripten/bind.h>

namespace web {

std::string cssColor(const decay::PlotColor& c)
{
    return "rgba(" + std::to_string(c.red) + ',' + std::to_string(c.green) + ',' + std::to_string(c.blue) + ','
           + decay::numberText(c.alpha / 255.0) + ')';
}

namespace {

val layerValue(const decay::PlotLayer& layer)
{
    val lines = val::array();
    for (const decay::PlotLine& line : layer.lines) {
        val item = val::object();
        item.set("x", numbers(std::span<const double>(line.x)));
        item.set("y", numbers(std::span<const double>(line.y)));
        lines.call<void>("push", item);
    }
    val result = val::object();
    result.set("name", message(layer.name));
    result.set("color", cssColor(layer.color));
    result.set("width", layer.width);
    result.set("dash", numbers(std::span<const double>(layer.dash)));
    result.set("kind", layer.kind);
    result.set("barWidth", layer.barWidth);
    result.set("inLegend", layer.inLegend);
    result.set("lines", lines);
    return result;
}

} // namespace

val plotValue(const decay::Plot& plot)
{
    val layers = val::array();
    for (const decay::PlotLayer& layer : plot.layers)
        layers.call<void>("push", layerValue(layer));
    val result = val::object();
    result.set("context", std::string(plot.context));
    result.set("title", message(plot.title));
    result.set("xTitle", message(plot.xTitle));
    result.set("yTitle", message(plot.yTitle));
    result.set("logX", plot.logX);
    result.set("logY", plot.logY);
    result.set("xFloor", plot.xFloor);
    result.set("yFloor", plot.yFloor);
    result.set("layers", layers);
    return result;
}

} // namespace web

EMSCRIPTEN_BINDINGS(plots)
{
    using namespace emscripten;
    enum_<decay::PlotLayer::Kind>("PlotLayerKind")
        .value("Lines", decay::PlotLayer::Kind::Lines)
        .value("Band", decay::PlotLayer::Kind::Band)
        .value("Points", decay::PlotLayer::Kind::Points)
        .value("Bars", decay::PlotLayer::Kind::Bars)
        .value("Mark", decay::PlotLayer::Kind::Mark)
        .value("ErrorBars", decay::PlotLayer::Kind::ErrorBars);
}
