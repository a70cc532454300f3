#pragma once

#include <QString>

class DecayChart;
class Platform;
class QLocale;
class QWidget;
class Windows;

// The chart's context menu, on the right button (the left button's click stays the chart's own):
// "Class experiment...", "Nuclide lab..." and "Counting lab...", "Save chart as image..." and "Copy data".
// `window` holds the first three as its own actions too: their shortcuts Ctrl+E, Ctrl+L and Ctrl+K
// work anywhere in it, and a menu of the window's actions offers them.
void addChartActions(DecayChart& chart, QWidget& window, Platform& platform, Windows& windows);

// The chart's points for a spreadsheet: the axis titles, then one line per point, x and y
// separated by a tab, with the locale's decimal point.
QString chartDataText(const DecayChart& chart, const QLocale& locale);
