#pragma once
// A chart of the model as the page's one chart component takes it.

#include "model/common/Plot.h"

#include <emscripten/val.h>

#include <string>

namespace web {

// {context, title, xTitle, yTitle, logX, logY, layers}: the texts as messages whose patterns are
// English sources of `context`, each layer {name, color (CSS), kind (PlotLayerKind), width,
// barWidth, inLegend, lines: [{x, y}]}.
emscripten::val plotValue(const decay::Plot& plot);
// "rgba(213,94,0,1)".
std::string cssColor(const decay::PlotColor& color);

} // namespace web
