#pragma once

#include "Message.h"

#include <vector>

namespace decay {

// What a chart shows, described once for the desktop's chart and the browser's alike. Its texts
// are messages whose patterns are English sources of the translation context `context`: each
// front end translates them and writes their numbers in the user's way, and only draws the layers.
struct PlotColor {
    int red = 0, green = 0, blue = 0, alpha = 255;
};

struct PlotLine {
    std::vector<double> x, y;
};

struct PlotLayer {
    // Lines and Points: one line each, broken where a point is not finite. Band: the lower and the
    // upper edge. Bars: one point (centre, height) per bar of barWidth. Mark: a vertical line from
    // (x, y0) to (x, y1). ErrorBars: one line of two points, (x, low) and (x, high), a bar.
    enum class Kind { Lines, Band, Points, Bars, Mark, ErrorBars };
    Message name; // in the legend; layers of the same name show and hide together
    PlotColor color;
    Kind kind = Kind::Lines;
    double width = 1.5;
    // Lines: the lengths of the dashes and the gaps between them, in line widths; none for a
    // solid line.
    std::vector<double> dash;
    std::vector<PlotLine> lines;
    double barWidth = 1;
    bool inLegend = true;
};

struct Plot {
    const char* context = "";
    Message title, xTitle, yTitle;
    std::vector<PlotLayer> layers;
    bool logX = false; // decades on the axis; points at or below 0 have no place there
    bool logY = false;
    // A logarithmic axis starts no lower than this (0: at the smallest value); what lies below is
    // cut off at the axis's foot, or at its left end.
    double xFloor = 0;
    double yFloor = 0;
};

// The most decades a logarithmic axis spans, from the whole decade at or above its largest value
// down: beyond them a chain's late members (10^-160 Bq of Pb-206's parents at the start of a run)
// only squeeze the curves a class looks at into the top of the chart, and the first microseconds
// of a run over billions of years squeeze its story into the right end.
inline constexpr double kMostDecades = 12;
// Cuts each logarithmic axis whose values reach further kMostDecades below the whole decade at or
// above its largest value, there, on a whole decade, and says so in the axis's title ("%1 (cut 12
// decades below the top)" and "%1 (cut 12 decades before the end)" of the context's own texts).
// Both editions end a logarithmic axis on whole decades, so that it then spans exactly 12.
void cutLogarithmicAxes(Plot& plot);

} // namespace decay
