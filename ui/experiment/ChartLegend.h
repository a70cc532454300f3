#pragma once

#include <QStringList>
#include <QWidget>

class ExperimentChart;
class QGridLayout;

// One check box per named layer of a chart, in the layer's colour, `columns` to a row; unticking
// hides the layer in every plot the chart shows until it is ticked again.
class ChartLegend : public QWidget {
    Q_OBJECT

public:
    ChartLegend(ExperimentChart& chart, int columns, QWidget* parent = nullptr);

    // The boxes anew for the chart's plot.
    void refresh();

private:
    ExperimentChart& m_chart;
    int m_columns;
    QStringList m_layers; // the names and colours of the boxes shown
    QGridLayout* m_layout;
};
