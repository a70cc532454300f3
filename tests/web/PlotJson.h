#pragma once
// A plot of the model as JSON, in the shape the page's module hands it to the page's chart, so
// that a browser test can hold the two side by side; a layer's kind is the value of PlotLayerKind.

#include "model/common/Plot.h"

#include <string>

namespace webref {

// {"pattern", "values": [{"text"} | {"number", "digits", "form"?, "minus"?, "plus"?} | {"message", "context"}, "unit"?]}
std::string messageValues(const decay::Message& message);
std::string reportJson(const decay::Report& report); // [[message, ...], ...]: the lines and their sentences
std::string plotJson(const decay::Plot& plot);

} // namespace webref
