#pragma once

#include "model/common/Plot.h"

#include <QColor>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QWidget>

#include <vector>

// The chart of the class experiment and the labs, painted by hand: a hundred runs of 3001 points are too many
// series for a chart component, and the same painting goes to the screen, the image files and
// the worksheet.
class PlotChart : public QWidget {
    Q_OBJECT

public:
    struct Layer {
        enum class Kind { Lines, Band, Points, Bars };
        QString name;   // in the legend; layers of the same name show and hide together
        QColor color;
        Kind kind = Kind::Lines;
        qreal width = 1.5;
        QList<qreal> dash; // Lines: dashes and gaps in line widths; empty for a solid line
        // Lines and Points: one polyline each, broken where a point is not finite. Band: the lower
        // and the upper edge. Bars: one point (centre, height) per bar of barWidth.
        std::vector<QPolygonF> lines;
        qreal barWidth = 1;
        bool inLegend = true;
    };
    struct Plot {
        QString title;
        QString xTitle;
        QString yTitle;
        std::vector<Layer> layers;
        bool logX = false; // decades on the axis; points at or below 0 leave a gap
        bool logY = false;
        // A logarithmic axis starts no lower; 0 for the smallest value.
        double xFloor = 0;
        double yFloor = 0;
    };

    // Where the painting puts everything, in the picture's pixels: what paint() draws is drawn
    // from this, so a look at it is a look at the chart.
    struct Layout {
        struct Text {
            QRectF box; // the text's own extent, not the room it was given
            QString text;
        };
        struct Series {
            QString name;
            QColor color;
            Layer::Kind kind;
            QList<qreal> dash;
            std::vector<QPointF> points; // those within the plot area
        };
        QSizeF size;
        QRectF plotArea;
        Text title, xTitle, yTitle;
        std::vector<Text> xTicks, yTicks; // the numbers written under and beside the axes
        std::vector<Text> legend;         // each entry, its sample and its name
        double xDecades = 0, yDecades = 0; // the decades a logarithmic axis spans; 0 when linear
        std::vector<Series> series;        // the layers shown, in the order they are drawn
    };

    explicit PlotChart(QWidget* parent = nullptr);

    // A plot of the model, its texts in the user's language.
    static Plot fromModel(const decay::Plot& plot);
    // The pen of a layer's lines in `color`, at least `thinnest` wide, dashed as the layer is.
    static QPen pen(const Layer& layer, const QColor& color, qreal thinnest = 0);

    void setPlot(Plot plot);
    const Plot& plot() const { return m_plot; }
    // Layers hidden by name, in every plot until shown again.
    void setHidden(const QStringList& names);
    const QStringList& hidden() const { return m_hidden; }
    bool isShown(const Layer& layer) const;

    // Paints the chart into a picture of `size` pixels at the painter's origin, with a legend
    // under the axes unless a list beside the chart is its legend.
    void paint(QPainter& painter, QSizeF size, bool withLegend = true) const;
    Layout layout(QSizeF size, bool withLegend = true) const;
    // The layout of the chart as it shows on screen.
    Layout layout() const { return layout(size(), m_ownLegend); }
    // Whether the chart on screen draws its own legend: not where a list of the layers is shown.
    void setOwnLegend(bool own);
    // The layers of that name drawn thicker over the others, which fade; none for an empty name.
    void setHighlighted(const QString& name);
    const QString& highlighted() const { return m_highlighted; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Plot m_plot;
    QStringList m_hidden;
    bool m_ownLegend = true;
    QString m_highlighted;
};
