#include "Plot.h"

#include <algorithm>
#include <cmath>

namespace decay {

namespace {

// The foot of a logarithmic axis over the positive finite values of `values` (x or y of each line),
// 0 when they need no cut.
template <class Values>
double logarithmicFloor(const Plot& plot, Values values)
{
    double largest = 0, smallest = INFINITY;
    for (const PlotLayer& layer : plot.layers)
        for (const PlotLine& line : layer.lines)
            for (double v : values(line))
                if (v > 0 && std::isfinite(v)) {
                    largest = std::max(largest, v);
                    smallest = std::min(smallest, v);
                }
    if (!(largest > 0))
        return 0;
    // The decade at or above the largest value; a power of ten that log10 misses by a rounding
    // error is its own decade.
    const double top = std::ceil(std::log10(largest) - 1e-9);
    const double floor = std::pow(10.0, top - kMostDecades);
    return smallest < floor * (1 - 1e-9) ? floor : 0;
}

} // namespace

void cutLogarithmicAxes(Plot& plot)
{
    if (plot.logY) {
        plot.yFloor = logarithmicFloor(plot, [](const PlotLine& line) -> const std::vector<double>& { return line.y; });
        if (plot.yFloor > 0)
            plot.yTitle = {"%1 (cut 12 decades below the top)", {sentenceValue(plot.yTitle, plot.context)}};
    }
    if (plot.logX) {
        plot.xFloor = logarithmicFloor(plot, [](const PlotLine& line) -> const std::vector<double>& { return line.x; });
        if (plot.xFloor > 0)
            plot.xTitle = {"%1 (cut 12 decades before the end)", {sentenceValue(plot.xTitle, plot.context)}};
    }
}

} // namespace decay
