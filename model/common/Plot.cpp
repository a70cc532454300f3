#include "Plot.h"

#include <algorithm>
#include <cmath>

namespace decay {

void cutLogarithmicAxis(Plot& plot)
{
    if (!plot.logY)
        return;
    double largest = 0, smallest = INFINITY;
    for (const PlotLayer& layer : plot.layers)
        for (const PlotLine& line : layer.lines)
            for (double y : line.y)
                if (y > 0 && std::isfinite(y)) {
                    largest = std::max(largest, y);
                    smallest = std::min(smallest, y);
                }
    const double floor = largest * std::pow(10.0, -kMostDecades);
    if (!(largest > 0) || smallest >= floor)
        return;
    plot.yFloor = floor;
    plot.yTitle = {"%1 (cut 12 decades below the largest)", {sentenceValue(plot.yTitle, plot.context)}};
}

} // namespace decay
