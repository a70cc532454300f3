#pragma once

#include <QString>

class DecayChart;
class Platform;
class QLocale;
class QWidget;
class Windows;

// The chart's context menu, on the right button (the left button's click stays the chart's own):
// "Class experiment..." and "Nuclide lab..." (also Ctrl+E and Ctrl+L anywhere in `window`), "Save chart as image..." and
// "Copy data".
void addChartActions(DecayChart& chart, QWidget& window, Platform& platform, Windows& windows);

// The chart's points for a spreadsheet: the axis titles, then one line per point, x and y
// separated by a tab, with the locale's decimal point.
QString chartDataText(const DecayChart& chart, const QLocale& locale);
