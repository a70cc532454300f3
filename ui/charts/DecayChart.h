#pragma once

#include <QChartView>
#include <QColor>
#include <QScatterSeries>

#include <vector>

class QLineSeries;
class QValueAxis;

// The chart component: an XY chart drawn from a grid of doubles, as the view procedures describe
// it. Rows and columns count from 1; columns go in (x, y) pairs, series 1 in columns 1 and 2 and
// series 3 in columns 3 and 4. Every setting and cell write is kept here and reaches Qt Charts
// once, on the next repaint, as one replace() per series.
class DecayChart : public QChartView {
    Q_OBJECT

public:
    enum class Axis { X, Y };

    struct AxisStyle {
        QString title;
        QString fontName = QStringLiteral("Arial");
        float fontSize = 10;
        bool titleVisible = true;
        QColor gridColor;       // major gridlines; invalid keeps the automatic colour
    };

    // How the points of a series are marked; sizes in twips.
    struct MarkerStyle {
        bool visible = false;
        QScatterSeries::MarkerShape shape = QScatterSeries::MarkerShapeRectangle; // circle, or else a square
        int size = 100;
        Qt::PenStyle outline = Qt::SolidLine;
        int outlineWidth = 5;
        QColor outlineColor = Qt::black;
        QColor fillColor = Qt::red;
    };

    explicit DecayChart(QWidget* parent = nullptr);

    void setGridShape(int columns, int rows);
    int columnCount() const { return m_columns; }
    int rowCount() const { return m_rows; }
    // Cells outside the grid are ignored.
    void setData(int row, int column, double value);
    double data(int row, int column) const;

    void setLegendVisible(bool visible);
    void setTitle(const QString& text, const QString& fontName, float fontSize);
    QString title() const { return m_title; }
    // Series n = 1 or 3: the line joining its points, and the markers of all its points.
    void setSeriesLine(int series, bool shown);
    void setSeriesMarkers(int series, const MarkerStyle& style);
    void setAxis(Axis axis, const AxisStyle& style);
    AxisStyle axis(Axis axis) const { return m_axes[static_cast<int>(axis)]; }

    // The series as Qt Charts draws them: brought up to date first when writes are pending.
    QLineSeries* lineSeries(int series);
    // The markers are stamped as one image per point by a series with no line of its own.
    QXYSeries* markerSeries(int series);
    QValueAxis* valueAxis(Axis axis);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Series {
        QLineSeries* line = nullptr;
        QLineSeries* markers = nullptr;
        bool lineShown = true;
        MarkerStyle markerStyle;
    };

    void scheduleSync();
    void sync();
    Series& seriesAt(int series);

    int m_columns = 0;
    int m_rows = 0;
    std::vector<double> m_grid;  // row-major, m_rows x m_columns
    QString m_title;
    Series m_series[2];          // series 1 and series 3
    AxisStyle m_axes[2];
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    bool m_syncPending = false;
    bool m_pressed = false;
};
