#pragma once
// A plot of the model as JSON, in the shape the page's module hands it to the page's chart, so
// that a browser test can hold the two side by side; a layer's kind is the value of PlotLayerKind.

#include "model/common/Plot.h"

#include <string>

namespace webref {

std::string messageValues(const decay::Message& message); // {"pattern", "values": [{"text"} | {"number", "digits"}, "unit"?]}
std::string plotJson(const decay::Plot& plot);

} // namespace webref
