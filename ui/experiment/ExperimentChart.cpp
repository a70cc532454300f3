#include "ExperimentChart.h"

#include <QPainter>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void add(double v)
    {
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
};

// The smallest tick step of 1, 2 or 5 times a power of ten that gives at most eight ticks.
double tickStep(double span)
{
    double step = 1;
    while (span / step >= 10)
        step *= 10;
    while (span / step < 1)
        step /= 10;
    for (double factor : {0.1, 0.2, 0.5})
        if (span / (step * factor) <= 8)
            return step * factor;
    return step;
}

// Widens the range to whole ticks; an empty or flat range gets some room.
void niceRange(Range& r)
{
    if (!(r.low <= r.high)) {
        r.low = 0;
        r.high = 1;
    }
    if (r.low == r.high) {
        r.low -= r.low == 0 ? 1 : std::fabs(r.low) * 0.1;
        r.high += r.high == 0 ? 1 : std::fabs(r.high) * 0.1;
    }
    const double step = tickStep(r.high - r.low);
    r.low = std::floor(r.low / step) * step;
    r.high = std::ceil(r.high / step) * step;
}

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The finite stretches of a polyline, with at most about two points per pixel of `width`.
std::vector<QPolygonF> drawable(const QPolygonF& line, double width)
{
    const auto stride = std::max<qsizetype>(1, line.size() / std::max<qsizetype>(1, static_cast<qsizetype>(2 * width)));
    std::vector<QPolygonF> parts(1);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QPointF& p = line[i];
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
            if (!parts.back().isEmpty())
                parts.emplace_back();
            continue;
        }
        if (i % stride == 0 || i + 1 == line.size() || parts.back().isEmpty())
            parts.back().append(p);
    }
    return parts;
}

} // namespace

ExperimentChart::ExperimentChart(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(400, 280);
}

void ExperimentChart::setPlot(Plot plot)
{
    m_plot = std::move(plot);
    update();
}

void ExperimentChart::setHidden(const QStringList& names)
{
    m_hidden = names;
    update();
}

bool ExperimentChart::isShown(const Layer& layer) const
{
    return !m_hidden.contains(layer.name);
}

void ExperimentChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paint(painter, size());
}

void ExperimentChart::paint(QPainter& painter, QSizeF size) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);

    // Every layer counts for the axes, shown or not, so that hiding one never rescales the rest.
    Range x, y;
    for (const Layer& layer : m_plot.layers)
        for (const QPolygonF& line : layer.lines)
            for (const QPointF& p : line) {
                x.add(p.x());
                y.add(p.y());
                if (layer.kind == Layer::Kind::Bars) {
                    x.add(p.x() - layer.barWidth / 2);
                    x.add(p.x() + layer.barWidth / 2);
                    y.add(0);
                }
            }
    niceRange(x);
    niceRange(y);

    const QRectF area(70, 36, std::max(size.width() - 90, 10.0), std::max(size.height() - 86, 10.0));
    const auto toScreen = [&](QPointF p) {
        return QPointF(area.left() + (p.x() - x.low) / (x.high - x.low) * area.width(),
                       area.bottom() - (p.y() - y.low) / (y.high - y.low) * area.height());
    };

    painter.setFont(pixelFont(15, true));
    painter.drawText(QRectF(0, 6, size.width(), 24), Qt::AlignHCenter, m_plot.title);
    painter.setFont(pixelFont(12));
    const double xStep = tickStep(x.high - x.low), yStep = tickStep(y.high - y.low);
    painter.setPen(QColor(225, 225, 225));
    for (double v = x.low; v <= x.high + xStep / 2; v += xStep)
        painter.drawLine(toScreen({v, y.low}), toScreen({v, y.high}));
    for (double v = y.low; v <= y.high + yStep / 2; v += yStep)
        painter.drawLine(toScreen({x.low, v}), toScreen({x.high, v}));
    painter.setPen(Qt::black);
    painter.drawRect(area);
    const QLocale locale;
    const auto tick = [&](double v, double step) { return locale.toString(std::fabs(v) < step / 1e6 ? 0.0 : v, 'g', 6); };
    for (double v = x.low; v <= x.high + xStep / 2; v += xStep)
        painter.drawText(QRectF(toScreen({v, y.low}) - QPointF(40, -4), QSizeF(80, 16)), Qt::AlignHCenter | Qt::AlignTop, tick(v, xStep));
    for (double v = y.low; v <= y.high + yStep / 2; v += yStep)
        painter.drawText(QRectF(toScreen({x.low, v}) - QPointF(66, 8), QSizeF(60, 16)), Qt::AlignRight | Qt::AlignVCenter, tick(v, yStep));
    painter.drawText(QRectF(area.left(), area.bottom() + 22, area.width(), 18), Qt::AlignHCenter, m_plot.xTitle);
    painter.save();
    painter.translate(14, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -9, area.height(), 18), Qt::AlignHCenter, m_plot.yTitle);
    painter.restore();

    painter.setClipRect(area);
    for (const Layer& layer : m_plot.layers) {
        if (!isShown(layer))
            continue;
        QPen pen(layer.color, layer.width);
        // A hundred thin translucent runs draw fast enough only without antialiasing.
        painter.setRenderHint(QPainter::Antialiasing, layer.width > 1);
        switch (layer.kind) {
        case Layer::Kind::Lines:
        case Layer::Kind::Points:
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            for (const QPolygonF& line : layer.lines)
                for (QPolygonF part : drawable(line, area.width())) {
                    for (QPointF& p : part)
                        p = toScreen(p);
                    if (layer.kind == Layer::Kind::Lines) {
                        painter.drawPolyline(part);
                        continue;
                    }
                    painter.setBrush(layer.color);
                    for (const QPointF& p : part)
                        painter.drawEllipse(p, 3, 3);
                }
            break;
        case Layer::Kind::Band:
            if (layer.lines.size() == 2) {
                QPolygonF band;
                for (const QPointF& p : layer.lines[0])
                    band.append(toScreen(p));
                for (auto p = layer.lines[1].crbegin(); p != layer.lines[1].crend(); ++p)
                    band.append(toScreen(*p));
                painter.setPen(Qt::NoPen);
                painter.setBrush(layer.color);
                painter.drawPolygon(band);
            }
            break;
        case Layer::Kind::Bars:
            painter.setPen(QPen(layer.color.darker(150), 1));
            painter.setBrush(layer.color);
            for (const QPolygonF& line : layer.lines)
                for (const QPointF& p : line)
                    painter.drawRect(QRectF(toScreen({p.x() - layer.barWidth / 2, p.y()}), toScreen({p.x() + layer.barWidth / 2, 0})));
            break;
        }
    }
    painter.setClipping(false);

    // The legend names the layers shown, top right inside the plot.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(pixelFont(12));
    QStringList names;
    std::vector<const Layer*> entries;
    for (const Layer& layer : m_plot.layers)
        if (layer.inLegend && isShown(layer) && !names.contains(layer.name)) {
            names.append(layer.name);
            entries.push_back(&layer);
        }
    if (entries.empty()) {
        painter.restore();
        return;
    }
    const QFontMetricsF metrics(painter.font());
    double textWidth = 0;
    for (const QString& name : names)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(name));
    const QRectF box(area.right() - textWidth - 46, area.top() + 8, textWidth + 38, 18.0 * static_cast<double>(entries.size()) + 8);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Layer& layer = *entries[i];
        const double rowY = box.top() + 13 + 18.0 * static_cast<double>(i);
        QColor swatch = layer.color;
        if (layer.kind == Layer::Kind::Lines)
            swatch.setAlpha(std::max(swatch.alpha(), 160));
        if (layer.kind == Layer::Kind::Lines) {
            painter.setPen(QPen(swatch, std::max(layer.width, 2.0)));
            painter.drawLine(QPointF(box.left() + 6, rowY), QPointF(box.left() + 26, rowY));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(swatch);
            painter.drawRect(QRectF(box.left() + 6, rowY - 5, 20, 10));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left() + 32, rowY - 9, textWidth + 4, 18), Qt::AlignLeft | Qt::AlignVCenter, layer.name);
    }
    painter.restore();
}
