#pragma once

#include <QString>

#include "model/run/RunPlot.h"

class DecayChart;

// The four views of a run, laid out by the model, drawn in every window that shows them.
using ChartView = decay::RunView;

struct ViewTitles {
    QString chart;
    QString yAxis;
    QString xAxis;
};

// The titles the main window uses for each view.
ViewTitles defaultTitles(ChartView view);

// Draws a view from scratch: the chart's look, a grid of a row a point of the model's view to
// `last` (none when last is negative), then every cell. Point t goes into row t + 1; the
// time-based views write (t, y) into columns 1 and 2, the next-step view (Nt(t), Nt(t+1)) into
// columns 1 and 2 and the y = x line (Nt(t), Nt(t)) into columns 3 and 4.
void drawView(DecayChart& chart, const decay::RunState& state, ChartView view, int last, const ViewTitles& titles);

inline void drawView(DecayChart& chart, const decay::RunState& state, ChartView view, int last)
{
    drawView(chart, state, view, last, defaultTitles(view));
}
