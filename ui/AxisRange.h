#pragma once

// The range an axis shows for the values low..high: widened to round numbers with a fitting
// tick count, as the program's charts all show their axes.
struct AxisRange {
    double min;
    double max;
    int ticks;
    double step() const { return ticks > 1 ? (max - min) / (ticks - 1) : max - min; }
};

AxisRange niceAxisRange(double low, double high);
