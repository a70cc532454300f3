#pragma once

#include "ui/charts/PlotChart.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QGridLayout;

// One check box per named layer of a chart, in the layer's colour, `columns` to a row; unticking
// hides the layer in every plot the chart shows until it is ticked again.
class PlotLegend : public QWidget {
    Q_OBJECT

public:
    PlotLegend(PlotChart& chart, int columns, QWidget* parent = nullptr);

    // The boxes anew for the chart's plot.
    void refresh();
    // A sample of a layer as the legend shows it: a short line in its colour and dash, or a
    // square of its colour for bands and bars.
    static QPixmap swatch(const PlotChart::Layer& layer);
    // A chain member's sample, in the colour and dash its curves have in every view.
    static QPixmap memberSwatch(int member);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PlotChart& m_chart;
    int m_columns;
    QStringList m_layers; // the names and colours of the boxes shown
    QGridLayout* m_layout;
};
