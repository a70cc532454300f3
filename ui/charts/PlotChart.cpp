#include "ui/charts/PlotChart.h"

#include "ui/AxisRange.h"
#include "ui/Numbers.h"
#include "ui/ModelText.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A mark is a line of two points, and so is each error bar.
PlotChart::Layer::Kind layerKind(decay::PlotLayer::Kind kind)
{
    switch (kind) {
    case decay::PlotLayer::Kind::Band: return PlotChart::Layer::Kind::Band;
    case decay::PlotLayer::Kind::Points: return PlotChart::Layer::Kind::Points;
    case decay::PlotLayer::Kind::Bars: return PlotChart::Layer::Kind::Bars;
    case decay::PlotLayer::Kind::Lines:
    case decay::PlotLayer::Kind::Mark:
    case decay::PlotLayer::Kind::ErrorBars: break;
    }
    return PlotChart::Layer::Kind::Lines;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// One axis: its values as drawn (the plot's own, or their decimal logarithm) and its ticks.
struct Scale {
    bool log = false;
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    double step = 1;

    double toAxis(double v) const { return log ? (v > 0 ? std::log10(v) : kNaN) : v; }

    void add(double v)
    {
        v = toAxis(v);
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }

    // Round numbers at both ends; a logarithmic axis ends on whole decades, a tick on every
    // decade, or on every second or fifth of many.
    void round()
    {
        if (!log) {
            const AxisRange range = niceAxisRange(low, high);
            low = range.min;
            high = range.max;
            step = range.step();
            return;
        }
        if (!(low <= high)) {
            low = 0;
            high = 1;
        }
        // A power of ten that log10 misses by a rounding error is its own decade.
        low = std::floor(low + 1e-9);
        high = std::max(std::ceil(high - 1e-9), low + 1);
        const double decades = high - low;
        step = decades <= 10 ? 1 : decades <= 20 ? 2 : std::ceil(decades / 50) * 5;
        high = low + std::ceil(decades / step) * step; // so that the last tick is the top, not above it
    }

    // In the program's one notation: the locale's digits, powers of ten as "× 10⁻⁴".
    QString label(double axisValue) const
    {
        if (log)
            return numbers::significant(std::pow(10.0, axisValue), 6);
        return numbers::significant(std::fabs(axisValue) < step / 1e6 ? 0.0 : axisValue, 6);
    }

    // The ticks from low to high.
    std::vector<double> ticks() const
    {
        std::vector<double> values;
        for (double v = low; v <= high + step / 2; v += step)
            values.push_back(v);
        return values;
    }
};

// Where the plot goes in a picture and how values map onto it.
struct Frame {
    QRectF area;
    Scale x;
    Scale y;

    QPointF toScreen(QPointF axisPoint) const
    {
        return {area.left() + (axisPoint.x() - x.low) / (x.high - x.low) * area.width(),
                area.bottom() - (axisPoint.y() - y.low) / (y.high - y.low) * area.height()};
    }
    QPointF valueToScreen(QPointF p) const { return toScreen({x.toAxis(p.x()), y.toAxis(p.y())}); }
};

// The finite stretches of a polyline in screen points, with at most about two points per pixel
// of `width`.
std::vector<QPolygonF> drawable(const QPolygonF& line, double width, const Frame& frame)
{
    const auto stride = std::max<qsizetype>(1, line.size() / std::max<qsizetype>(1, static_cast<qsizetype>(2 * width)));
    std::vector<QPolygonF> parts(1);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QPointF p = frame.valueToScreen(line[i]);
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

// Every layer counts for the axes, shown or not, so that hiding one never rescales the rest.
Frame frameFor(const PlotChart::Plot& plot, QSizeF size, double below = 0)
{
    Frame frame;
    frame.x.log = plot.logX;
    frame.y.log = plot.logY;
    for (const PlotChart::Layer& layer : plot.layers)
        for (const QPolygonF& line : layer.lines)
            for (const QPointF& p : line) {
                frame.x.add(p.x());
                frame.y.add(p.y());
                if (layer.kind == PlotChart::Layer::Kind::Bars) {
                    frame.x.add(p.x() - layer.barWidth / 2);
                    frame.x.add(p.x() + layer.barWidth / 2);
                    frame.y.add(0);
                }
            }
    if (plot.logX && plot.xFloor > 0)
        frame.x.low = std::max(frame.x.low, std::log10(plot.xFloor));
    if (plot.logY && plot.yFloor > 0)
        frame.y.low = std::max(frame.y.low, std::log10(plot.yFloor));
    frame.x.round();
    frame.y.round();
    // Room on the left for the y axis's title and its widest number beside it.
    const QFontMetricsF metrics(pixelFont(12));
    double widest = 0;
    for (double v : frame.y.ticks())
        widest = std::max(widest, metrics.horizontalAdvance(frame.y.label(v)));
    const double left = std::max(70.0, 30 + widest);
    frame.area = QRectF(left, 36, std::max(size.width() - left - 20, 10.0), std::max(size.height() - 86 - below, 10.0));
    return frame;
}

// The title, the numbers of the ticks and the axis titles, each where its text goes.
void placeAxisTexts(const Frame& frame, const PlotChart::Plot& plot, QSizeF size, PlotChart::Layout& layout)
{
    const QRectF& area = frame.area;
    const QFontMetricsF titleMetrics(pixelFont(15, true));
    const double titleWidth = titleMetrics.horizontalAdvance(plot.title);
    layout.title = {QRectF((size.width() - titleWidth) / 2, 6, titleWidth, titleMetrics.height()), plot.title};
    const QFontMetricsF metrics(pixelFont(12));
    double taken = -1e300; // the right end of the last number written
    for (double v : frame.x.ticks()) {
        // Centred under its tick, but kept inside the picture: the last number of a wide axis
        // would stand half beyond the right edge. A number that would touch the one before is
        // left out; its tick and grid line stay.
        const QString label = frame.x.label(v);
        const QPointF tick = frame.toScreen({v, frame.y.low});
        const double width = metrics.horizontalAdvance(label) + 2;
        const double left = std::clamp(tick.x() - width / 2, 0.0, std::max(size.width() - width, 0.0));
        if (left < taken + 6)
            continue;
        // Below the y axis's lowest number, which stands half under the axis.
        layout.xTicks.push_back({QRectF(left, tick.y() + 8, width, metrics.height()), label});
        taken = left + width;
    }
    // Right-aligned beside their ticks.
    for (double v : frame.y.ticks()) {
        const QString label = frame.y.label(v);
        const QPointF tick = frame.toScreen({frame.x.low, v});
        const double width = metrics.horizontalAdvance(label);
        layout.yTicks.push_back({QRectF(tick.x() - 6 - width, tick.y() - metrics.height() / 2, width, metrics.height()), label});
    }
    const double xWidth = metrics.horizontalAdvance(plot.xTitle);
    layout.xTitle = {QRectF(area.center().x() - xWidth / 2, area.bottom() + 26, xWidth, metrics.height()), plot.xTitle};
    // Turned to read upwards, centred along the plot's height.
    const double yWidth = metrics.horizontalAdvance(plot.yTitle);
    layout.yTitle = {QRectF(14 - metrics.height() / 2, area.center().y() - yWidth / 2, metrics.height(), yWidth), plot.yTitle};
}

// The grid, the frame and the texts placed.
void paintAxes(QPainter& painter, const Frame& frame, const PlotChart::Layout& layout)
{
    const QRectF& area = frame.area;
    painter.setFont(pixelFont(15, true));
    painter.drawText(layout.title.box, Qt::AlignCenter, layout.title.text);
    painter.setFont(pixelFont(12));
    painter.setPen(QColor(225, 225, 225));
    for (double v : frame.x.ticks())
        painter.drawLine(frame.toScreen({v, frame.y.low}), frame.toScreen({v, frame.y.high}));
    for (double v : frame.y.ticks())
        painter.drawLine(frame.toScreen({frame.x.low, v}), frame.toScreen({frame.x.high, v}));
    painter.setPen(Qt::black);
    painter.drawRect(area);
    for (const auto& ticks : {layout.xTicks, layout.yTicks})
        for (const PlotChart::Layout::Text& tick : ticks)
            painter.drawText(tick.box, Qt::AlignCenter, tick.text);
    painter.drawText(layout.xTitle.box, Qt::AlignCenter, layout.xTitle.text);
    const QRectF& turned = layout.yTitle.box;
    painter.save();
    painter.translate(turned.center());
    painter.rotate(-90);
    painter.drawText(QRectF(-turned.height() / 2, -turned.width() / 2, turned.height(), turned.width()), Qt::AlignCenter, layout.yTitle.text);
    painter.restore();
}

void paintLayer(QPainter& painter, const Frame& frame, const PlotChart::Layer& layer)
{
    using Kind = PlotChart::Layer::Kind;
    // A hundred thin translucent runs draw fast enough only without antialiasing.
    painter.setRenderHint(QPainter::Antialiasing, layer.width > 1);
    switch (layer.kind) {
    case Kind::Lines:
    case Kind::Points:
        painter.setPen(PlotChart::pen(layer, layer.color));
        painter.setBrush(layer.kind == Kind::Points ? QBrush(layer.color) : Qt::NoBrush);
        for (const QPolygonF& line : layer.lines)
            for (const QPolygonF& part : drawable(line, frame.area.width(), frame)) {
                if (layer.kind == Kind::Lines)
                    painter.drawPolyline(part);
                else
                    for (const QPointF& p : part)
                        painter.drawEllipse(p, 3, 3);
            }
        break;
    case Kind::Band:
        if (layer.lines.size() == 2) {
            // Each edge at about two points a pixel, as the lines.
            QPolygonF band;
            for (const QPolygonF& part : drawable(layer.lines[0], frame.area.width(), frame))
                band += part;
            const std::vector<QPolygonF> upper = drawable(layer.lines[1], frame.area.width(), frame);
            for (auto part = upper.crbegin(); part != upper.crend(); ++part)
                for (auto p = part->crbegin(); p != part->crend(); ++p)
                    band.append(*p);
            painter.setPen(Qt::NoPen);
            painter.setBrush(layer.color);
            painter.drawPolygon(band);
        }
        break;
    case Kind::Bars:
        painter.setPen(QPen(layer.color.darker(150), 1));
        painter.setBrush(layer.color);
        for (const QPolygonF& line : layer.lines)
            for (const QPointF& p : line)
                painter.drawRect(QRectF(frame.valueToScreen({p.x() - layer.barWidth / 2, p.y()}),
                                        frame.valueToScreen({p.x() + layer.barWidth / 2, 0})));
        break;
    }
}

// The legend names the layers shown, in rows under the axes, outside the plot so that it hides no
// point: each entry a sample of its line or colour and its name.
struct LegendEntry {
    const PlotChart::Layer* layer;
    QPointF at; // the sample's left end, on the row's middle
};
constexpr double kLegendRow = 18;

std::vector<LegendEntry> legendRows(const std::vector<const PlotChart::Layer*>& layers, double width, double top)
{
    const QFontMetricsF metrics(pixelFont(12));
    std::vector<LegendEntry> entries;
    double x = 0, y = top + kLegendRow / 2;
    for (const PlotChart::Layer* layer : layers) {
        const double entryWidth = 32 + metrics.horizontalAdvance(layer->name) + 16;
        if (x > 0 && x + entryWidth > width) {
            x = 0;
            y += kLegendRow;
        }
        entries.push_back({layer, QPointF(x, y)});
        x += entryWidth;
    }
    return entries;
}

double legendHeight(const std::vector<const PlotChart::Layer*>& layers, double width)
{
    const std::vector<LegendEntry> rows = legendRows(layers, width, 0);
    return rows.empty() ? 0 : rows.back().at.y() + kLegendRow / 2 + 4;
}

void paintLegend(QPainter& painter, const QRectF& band, const std::vector<const PlotChart::Layer*>& layers)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(pixelFont(12));
    for (const LegendEntry& entry : legendRows(layers, band.width(), band.top())) {
        const PlotChart::Layer& layer = *entry.layer;
        const QPointF at = entry.at + QPointF(band.left(), 0);
        QColor swatch = layer.color;
        if (layer.kind == PlotChart::Layer::Kind::Lines) {
            swatch.setAlpha(std::max(swatch.alpha(), 160));
            painter.setPen(PlotChart::pen(layer, swatch, 2.0));
            painter.drawLine(at, at + QPointF(24, 0));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(swatch);
            painter.drawRect(QRectF(at.x() + 2, at.y() - 5, 20, 10));
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at.x() + 30, at.y() - kLegendRow / 2, band.width(), kLegendRow), Qt::AlignLeft | Qt::AlignVCenter, layer.name);
    }
}

// Each entry's sample and name, where paintLegend puts them.
std::vector<PlotChart::Layout::Text> legendTexts(const QRectF& band, const std::vector<const PlotChart::Layer*>& layers)
{
    const QFontMetricsF metrics(pixelFont(12));
    std::vector<PlotChart::Layout::Text> texts;
    for (const LegendEntry& entry : legendRows(layers, band.width(), band.top()))
        texts.push_back({QRectF(band.left() + entry.at.x(), entry.at.y() - metrics.height() / 2, 30 + metrics.horizontalAdvance(entry.layer->name),
                                metrics.height()),
                         entry.layer->name});
    return texts;
}

// The screen points of a layer that lie in the plot: each point of a line, both edges of a band,
// the top corners of each bar.
std::vector<QPointF> plottedPoints(const Frame& frame, const PlotChart::Layer& layer)
{
    std::vector<QPointF> points;
    const QRectF inside = frame.area.adjusted(-0.5, -0.5, 0.5, 0.5);
    const auto take = [&](QPointF value) {
        const QPointF p = frame.valueToScreen(value);
        if (inside.contains(p))
            points.push_back(p);
    };
    for (const QPolygonF& line : layer.lines)
        for (const QPointF& p : line) {
            if (layer.kind != PlotChart::Layer::Kind::Bars) {
                take(p);
                continue;
            }
            take({p.x() - layer.barWidth / 2, p.y()});
            take({p.x() + layer.barWidth / 2, p.y()});
        }
    return points;
}

} // namespace

QPen PlotChart::pen(const Layer& layer, const QColor& color, qreal thinnest)
{
    QPen pen(color, std::max(layer.width, thinnest));
    if (layer.kind == Layer::Kind::Lines && !layer.dash.isEmpty())
        pen.setDashPattern(layer.dash);
    return pen;
}

PlotChart::Plot PlotChart::fromModel(const decay::Plot& source)
{
    const auto text = [&](const decay::Message& message) { return modelText(message, source.context); };
    Plot plot{text(source.title), text(source.xTitle), text(source.yTitle), {}, source.logX, source.logY, source.xFloor, source.yFloor};
    for (const decay::PlotLayer& layer : source.layers) {
        Layer out{.name = text(layer.name),
                  .color = QColor(layer.color.red, layer.color.green, layer.color.blue, layer.color.alpha),
                  .kind = layerKind(layer.kind),
                  .width = layer.width,
                  .dash = QList<qreal>(layer.dash.begin(), layer.dash.end()),
                  .barWidth = layer.barWidth,
                  .inLegend = layer.inLegend};
        for (const decay::PlotLine& line : layer.lines) {
            QPolygonF polygon;
            polygon.reserve(static_cast<qsizetype>(line.x.size()));
            for (std::size_t i = 0; i < line.x.size(); ++i)
                polygon.append(QPointF(line.x[i], line.y[i]));
            out.lines.push_back(std::move(polygon));
        }
        plot.layers.push_back(std::move(out));
    }
    return plot;
}

PlotChart::PlotChart(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(400, 280);
}

void PlotChart::setPlot(Plot plot)
{
    m_plot = std::move(plot);
    update();
}

void PlotChart::setHidden(const QStringList& names)
{
    m_hidden = names;
    update();
}

bool PlotChart::isShown(const Layer& layer) const
{
    return !m_hidden.contains(layer.name);
}

void PlotChart::setOwnLegend(bool own)
{
    m_ownLegend = own;
    update();
}

void PlotChart::setHighlighted(const QString& name)
{
    if (name == m_highlighted)
        return;
    m_highlighted = name;
    update();
}

void PlotChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paint(painter, size(), m_ownLegend);
}

// The frame, the texts, the legend's layers and its band under the plot, in a picture of `size`.
static PlotChart::Layout place(const PlotChart& chart, QSizeF size, bool withLegend, Frame& frame,
                                std::vector<const PlotChart::Layer*>& legend, QRectF& band)
{
    using Layout = PlotChart::Layout;
    const PlotChart::Plot& plot = chart.plot();
    QStringList named;
    for (const PlotChart::Layer& layer : plot.layers)
        if (withLegend && chart.isShown(layer) && layer.inLegend && !named.contains(layer.name)) {
            named.append(layer.name);
            legend.push_back(&layer);
        }
    // As wide as the plot, whose left edge makes room for the y axis's numbers: where they need
    // more than the usual room, the legend's rows are laid out again in the narrower width.
    double legendWidth = std::max(size.width() - 90, 10.0);
    double below = legendHeight(legend, legendWidth);
    frame = frameFor(plot, size, below);
    if (frame.area.width() < legendWidth) {
        legendWidth = frame.area.width();
        below = legendHeight(legend, legendWidth);
        frame = frameFor(plot, size, below);
    }
    band = QRectF(frame.area.left(), size.height() - below - 4, legendWidth, below);
    Layout layout;
    layout.size = size;
    layout.plotArea = frame.area;
    placeAxisTexts(frame, plot, size, layout);
    layout.legend = legendTexts(band, legend);
    layout.xDecades = frame.x.log ? frame.x.high - frame.x.low : 0;
    layout.yDecades = frame.y.log ? frame.y.high - frame.y.low : 0;
    return layout;
}

PlotChart::Layout PlotChart::layout(QSizeF size, bool withLegend) const
{
    Frame frame;
    std::vector<const Layer*> legend;
    QRectF band;
    Layout layout = place(*this, size, withLegend, frame, legend, band);
    for (const Layer& layer : m_plot.layers)
        if (isShown(layer))
            layout.series.push_back({layer.name, layer.color, layer.kind, layer.dash, plottedPoints(frame, layer)});
    return layout;
}

void PlotChart::paint(QPainter& painter, QSizeF size, bool withLegend) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    Frame frame;
    std::vector<const Layer*> legend;
    QRectF band;
    const Layout layout = place(*this, size, withLegend, frame, legend, band);
    paintAxes(painter, frame, layout);
    painter.setClipRect(frame.area);
    // A highlighted layer over the others, thicker; the others faded. Only then are layers copied
    // to be drawn otherwise: a chart played in time is painted every frame.
    const bool highlighting = !m_highlighted.isEmpty() && std::any_of(m_plot.layers.begin(), m_plot.layers.end(), [&](const Layer& layer) {
        return layer.name == m_highlighted;
    });
    for (const Layer& layer : m_plot.layers) {
        if (!isShown(layer) || (highlighting && layer.name == m_highlighted))
            continue;
        if (!highlighting) {
            paintLayer(painter, frame, layer);
            continue;
        }
        Layer faded = layer;
        faded.color.setAlpha(faded.color.alpha() / 4);
        paintLayer(painter, frame, faded);
    }
    for (const Layer& layer : m_plot.layers)
        if (highlighting && layer.name == m_highlighted && isShown(layer)) {
            Layer strong = layer;
            strong.width += 1.5;
            paintLayer(painter, frame, strong);
        }
    painter.setClipping(false);
    paintLegend(painter, band, legend);
    painter.restore();
}
