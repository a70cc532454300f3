#pragma once

#include "ClassData.h"
#include "EnsembleStats.h"

#include <vector>

namespace decay {

enum class ExperimentView { Counts, LnCounts, HalfLives };

// What the class experiment's chart shows, for the desktop's chart and the browser's alike. Texts
// are English sources of the translation context "ExperimentPlots"; each window translates them.
struct PlotColor {
    int red = 0, green = 0, blue = 0, alpha = 255;
};

struct PlotLine {
    std::vector<double> x, y;
};

struct PlotLayer {
    // Lines and Points: one line each, broken where a point is not finite. Band: the lower and the
    // upper edge. Bars: one point (centre, height) per bar of barWidth. Mark: a vertical line,
    // from (x, 0) to (x, the highest bar).
    enum class Kind { Lines, Band, Points, Bars, Mark };
    const char* name; // in the legend; layers of the same name show and hide together
    PlotColor color;
    Kind kind = Kind::Lines;
    double width = 1.5;
    std::vector<PlotLine> lines;
    double barWidth = 1;
};

struct ExperimentPlot {
    const char* title;
    const char* xTitle;
    const char* yTitle;
    std::vector<PlotLayer> layers;
};

// In the count views every run up to 100 (else 100 spread over the class), the bands, the class
// mean, the theory and the class's own data with its fit; in the half-life view the histogram of
// the measured half-lives beside the theory. Any of the inputs may be missing.
ExperimentPlot plotExperiment(ExperimentView view, const Ensemble* ensemble, const EnsembleStats* stats, const ClassData* data,
                              const DecayFit* fit);

} // namespace decay
