#include "DecayChart.h"

#include "ui/AxisRange.h"
#include "ui/Look.h"

#include <QGraphicsLayout>
#include <QImage>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Automatic colours: the y = x reference line of series 3 is blue, as its view's title says.
const QColor kSeriesColors[2] = {QColor(192, 0, 0), QColor(0, 0, 255)};

// One marker drawn as an image, which Qt Charts stamps onto every point in a single paint; a
// scatter series would build, place and paint a graphics item per point instead.
QImage markerImage(const DecayChart::MarkerStyle& style)
{
    const int size = std::max(look::tw(style.size), 2);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int width = std::max(look::tw(style.outlineWidth), 1);
    painter.setPen(style.outline == Qt::NoPen ? QPen(Qt::NoPen) : QPen(style.outlineColor, width, style.outline, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(style.fillColor);
    const QRectF box = QRectF(0, 0, size, size).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    if (style.shape == QScatterSeries::MarkerShapeCircle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
    }
    return image;
}

void applyRange(QValueAxis* axis, const AxisRange& range)
{
    axis->setTickCount(range.ticks);
    axis->setRange(range.min, range.max);
}

} // namespace

DecayChart::DecayChart(QWidget* parent)
    : QChartView(new QChart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    viewport()->setFocusPolicy(Qt::NoFocus); // the chart itself takes the focus and carries the name
    setBackgroundBrush(Qt::white);
    chart()->setBackgroundRoundness(0);
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    m_axisX = new QValueAxis(this);
    m_axisY = new QValueAxis(this);
    for (QValueAxis* axis : {m_axisX, m_axisY})
        axis->setLabelFormat(QStringLiteral("%g"));
    chart()->addAxis(m_axisX, Qt::AlignBottom);
    chart()->addAxis(m_axisY, Qt::AlignLeft);
    for (int i = 0; i < 2; ++i) {
        Series& s = m_series[i];
        s.line = new QLineSeries(this);
        s.line->setPen(QPen(kSeriesColors[i], 2));
        s.markers = new QLineSeries(this); // draws no line, only the markers' image
        s.markers->setPen(Qt::NoPen);
        for (QXYSeries* series : {s.line, s.markers}) {
            chart()->addSeries(series);
            series->attachAxis(m_axisX);
            series->attachAxis(m_axisY);
        }
    }
    chart()->legend()->hide();
}

void DecayChart::setGridShape(int columns, int rows)
{
    m_columns = std::max(columns, 0);
    m_rows = std::max(rows, 0);
    m_grid.assign(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), 0.0);
    scheduleSync();
}

void DecayChart::setData(int row, int column, double value)
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return;
    m_grid[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column - 1)] = value;
    scheduleSync();
}

double DecayChart::data(int row, int column) const
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return std::numeric_limits<double>::quiet_NaN();
    return m_grid[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column - 1)];
}

void DecayChart::setLegendVisible(bool visible)
{
    chart()->legend()->setVisible(visible);
}

// Qt Charts lays a title out anew on every font or text it is given, even an unchanged one.
void DecayChart::setTitle(const QString& text, const QString& fontName, float fontSize)
{
    m_title = text;
    QFont font(fontName);
    font.setPointSizeF(fontSize);
    if (chart()->titleFont() != font)
        chart()->setTitleFont(font);
    if (chart()->title() != text)
        chart()->setTitle(text);
}

DecayChart::Series& DecayChart::seriesAt(int series)
{
    return m_series[series >= 3 ? 1 : 0];
}

void DecayChart::setSeriesLine(int series, bool shown)
{
    seriesAt(series).lineShown = shown;
    scheduleSync();
}

void DecayChart::setSeriesMarkers(int series, const MarkerStyle& style)
{
    seriesAt(series).markerStyle = style;
    scheduleSync();
}

void DecayChart::setAxis(Axis axis, const AxisStyle& style)
{
    m_axes[static_cast<int>(axis)] = style;
    QValueAxis* target = axis == Axis::X ? m_axisX : m_axisY;
    QFont font(style.fontName);
    font.setPointSizeF(style.fontSize);
    if (target->titleFont() != font)
        target->setTitleFont(font);
    if (target->titleText() != style.title)
        target->setTitleText(style.title);
    target->setTitleVisible(style.titleVisible);
    const QPen grid(style.gridColor, 1, Qt::SolidLine);
    if (style.gridColor.isValid() && target->gridLinePen() != grid)
        target->setGridLinePen(grid);
}

QLineSeries* DecayChart::lineSeries(int series)
{
    sync();
    return seriesAt(series).line;
}

QXYSeries* DecayChart::markerSeries(int series)
{
    sync();
    return seriesAt(series).markers;
}

QValueAxis* DecayChart::valueAxis(Axis axis)
{
    sync();
    return axis == Axis::X ? m_axisX : m_axisY;
}

void DecayChart::scheduleSync()
{
    if (m_syncPending)
        return;
    m_syncPending = true;
    QMetaObject::invokeMethod(this, &DecayChart::sync, Qt::QueuedConnection);
}

// Hands the grid to Qt Charts: each series gets all its points in one replace(), and both axes
// are scaled to the points drawn. Qt Charts lays out every series with points again on each
// change of an axis range, so the old points go first, then the axes change once each, and only
// then do the new points arrive.
void DecayChart::sync()
{
    if (!m_syncPending)
        return;
    m_syncPending = false;

    double low[2] = {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    double high[2] = {-low[0], -low[1]};
    QList<QPointF> points[2];
    for (int i = 0; i < 2; ++i) {
        const int xColumn = 2 * i + 1;
        if (xColumn + 1 > m_columns)
            continue;
        points[i].reserve(m_rows);
        for (int row = 1; row <= m_rows; ++row) {
            const double x = data(row, xColumn);
            const double y = data(row, xColumn + 1);
            points[i].append(QPointF(x, y));
            if (std::isfinite(x) && std::isfinite(y)) {
                low[0] = std::min(low[0], x);
                high[0] = std::max(high[0], x);
                low[1] = std::min(low[1], y);
                high[1] = std::max(high[1], y);
            }
        }
    }

    for (Series& s : m_series)
        for (QXYSeries* series : {s.line, s.markers})
            if (series->count() > 0)
                series->clear();
    applyRange(m_axisX, niceAxisRange(low[0], high[0]));
    applyRange(m_axisY, niceAxisRange(low[1], high[1]));

    for (int i = 0; i < 2; ++i) {
        Series& s = m_series[i];
        const MarkerStyle& m = s.markerStyle;
        s.line->setVisible(s.lineShown);
        s.markers->setVisible(m.visible);
        if (m.visible) {
            const QImage marker = markerImage(m);
            s.markers->setMarkerSize(marker.width()); // the size Qt Charts draws the image at
            s.markers->setLightMarker(marker);
        }
        if (s.lineShown && !points[i].isEmpty())
            s.line->replace(points[i]);
        if (m.visible && !points[i].isEmpty())
            s.markers->replace(points[i]);
    }
}

void DecayChart::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QChartView::mousePressEvent(event);
}

void DecayChart::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QChartView::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
