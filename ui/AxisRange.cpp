#include "AxisRange.h"

#include <QValueAxis>

#include <cmath>

// The rounding is worked out on a scratch axis outside any chart, so that a chart's own axis
// changes only once.
AxisRange niceAxisRange(double low, double high)
{
    if (!(low <= high)) { // no finite point at all
        low = 0;
        high = 1;
    }
    // A span too narrow to divide into ticks, a single value or a few subnormal ones, gets a
    // margin around its middle.
    if (high - low < 1e-250) {
        const double middle = low / 2 + high / 2;
        const double margin = std::fabs(middle) > 1e-250 ? std::fabs(middle) * 0.1 : 1;
        low = middle - margin;
        high = middle + margin;
    }
    QValueAxis scratch;
    scratch.setRange(low, high);
    // Nice tick numbers need a little more than the span as a finite double.
    if (std::isfinite((high - low) * 4))
        scratch.applyNiceNumbers();
    return {scratch.min(), scratch.max(), scratch.tickCount()};
}
