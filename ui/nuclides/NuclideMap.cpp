#include "NuclideMap.h"

#include "model/nuclides/DecayModes.h"
#include "model/nuclides/Elements.h"
#include "model/nuclides/LabPlot.h"
#include "ui/Look.h"
#include "ui/TimeText.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using look::qtext;

namespace {

// Below this many pixels per cell the chart leaves out the cell borders and the names.
constexpr double kBorderedCell = 5;
constexpr double kNamedCell = 26;
// The axes' numbers, the magic ones in bold and red like their lines.
constexpr int kAxisPixels = 11;
const QColor kAxisColour(60, 60, 60);
const QColor kMagicColour(160, 30, 30);
const QColor kBackground(250, 250, 246);

} // namespace

QString nuclideName(const decay::Nuclide& nuclide)
{
    const QString symbol = qtext(nuclide.symbol);
    //: A nuclide: %1 the element's name, %2 the mass number with an "m" for an isomer, %3 the symbol.
    return QCoreApplication::translate("NuclideLab", "%1-%2 (%3)").arg(chart::elementText(nuclide.z), symbol.mid(symbol.indexOf(QLatin1Char('-')) + 1), symbol);
}

QString halfLifeShown(const decay::Nuclide& nuclide)
{
    if (nuclide.stable())
        return NuclideMap::tr("stable");
    return chart::halfLifeText(nuclide, [](const std::string& unit) { return unitText(unit); });
}

// The map

NuclideMap::NuclideMap(const decay::NuclideTable& table, QWidget* parent)
    : QWidget(parent)
    , m_table(table)
    , m_grid(table)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumSize(400, 300);
    // Until a nuclide is chosen, the middle of the chart.
    m_areaSize = area().size();
    m_view = decay::centredOn({}, m_grid.maxN() / 2, m_grid.maxZ() / 2, m_areaSize.width(), m_areaSize.height());
}

QFont NuclideMap::axisFont(bool magic) const
{
    QFont axis = font();
    axis.setPixelSize(kAxisPixels);
    axis.setBold(magic);
    return axis;
}

// The Z numbers take the widest one's width on the left, the N numbers a line at the bottom, and
// a line at the top leaves room for the Z axis's name.
QRectF NuclideMap::area(QSizeF size) const
{
    const QFontMetricsF metrics(axisFont(true));
    const double left = metrics.horizontalAdvance(QStringLiteral("888")) + 10;
    const double band = metrics.height() + 6;
    return {left, band, std::max(0.0, size.width() - left), std::max(0.0, size.height() - 2 * band)};
}

QRectF NuclideMap::cellRect(int n, int z) const
{
    return chart::cellRect(n, z, m_view).translated(area().topLeft());
}

std::pair<int, int> NuclideMap::cellAt(QPointF point) const
{
    return chart::cellAt(point - area().topLeft(), m_view);
}

void NuclideMap::setColouring(chart::Colouring colouring)
{
    m_colouring = colouring;
    update();
}

void NuclideMap::setChain(const std::optional<decay::Chain>& chain)
{
    m_chain = chain;
    m_chainCells.clear();
    m_lit.clear();
    if (m_chain)
        for (const decay::ChainMember& member : m_chain->members)
            m_chainCells.push_back(m_table.position(member.symbol));
    update();
}

void NuclideMap::setLit(const std::vector<double>& shares)
{
    m_lit = shares;
    update();
}

void NuclideMap::select(int position)
{
    m_selected = position;
    if (position >= 0)
        centreOn(position);
    update();
    emit selectionChanged();
}

void NuclideMap::setView(const decay::MapView& view)
{
    m_view = view;
    update();
    emit viewChanged();
}

void NuclideMap::showWhole()
{
    setView(chart::whole(m_grid, area().size()));
}

// The arrows keep the chosen cell in sight without moving the chart at every step.
void NuclideMap::keepInView(int position)
{
    const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(position)];
    if (!area().contains(cellRect(nuclide.a - nuclide.z, nuclide.z)))
        centreOn(position);
}

void NuclideMap::centreOn(int position)
{
    const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(position)];
    setView(decay::centredOn(m_view, nuclide.a - nuclide.z, nuclide.z, m_areaSize.width(), m_areaSize.height()));
}

// The cells, the shells and the chain in the chart's area, clipped to it; the axes around it.
void NuclideMap::paint(QPainter& painter, QSizeF size) const
{
    painter.fillRect(QRectF(QPointF(), size), kBackground);
    const QRectF shown = area(size);
    painter.save();
    painter.setClipRect(shown);
    painter.translate(shown.topLeft());
    paintCells(painter, shown.size());
    paintMagicNumbers(painter, shown.size());
    paintChain(painter);
    painter.restore();
    paintAxes(painter, size);
    paintLegend(painter, size);
}

// One pass over the cells inside the area: N and Z from the view, nothing drawn outside.
void NuclideMap::paintCells(QPainter& painter, QSizeF size) const
{
    const decay::MapRange range = decay::shownRange(m_view, size.width(), size.height(), m_grid.maxN(), m_grid.maxZ());
    const auto [firstN, lastN, firstZ, lastZ] = range;
    const bool bordered = m_view.cell >= kBorderedCell;
    const bool named = m_view.cell >= kNamedCell;
    QFont font = painter.font();
    font.setPixelSize(std::max(7, static_cast<int>(m_view.cell / 3.2)));
    painter.setFont(font);
    painter.setPen(bordered ? QPen(QColor(255, 255, 255), 1) : Qt::NoPen);
    for (int z = firstZ; z <= lastZ; ++z)
        for (int n = firstN; n <= lastN; ++n) {
            const int at = m_grid.at(n, z);
            if (at < 0)
                continue;
            const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(at)];
            const QRectF cell = chart::cellRect(n, z, m_view);
            const QColor colour = chart::cellColor(nuclide, m_colouring);
            painter.setBrush(colour);
            painter.drawRect(cell);
            if (named) {
                painter.setPen(colour.lightness() < 110 ? Qt::white : Qt::black);
                painter.drawText(cell, Qt::AlignCenter, QStringLiteral("%1\n%2").arg(nuclide.a).arg(qtext(std::string(decay::elementSymbol(z)))));
                painter.setPen(QPen(QColor(255, 255, 255), 1));
            }
        }
    if (m_selected >= 0) {
        const decay::Nuclide& chosen = m_table.nuclides[static_cast<std::size_t>(m_selected)];
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 0, 0), std::max(2.0, m_view.cell / 8)));
        painter.drawRect(chart::cellRect(chosen.a - chosen.z, chosen.z, m_view).adjusted(-1, -1, 1, 1));
    }
}

// The shell closures: a pair of lines along each magic row of Z and column of N.
void NuclideMap::paintMagicNumbers(QPainter& painter, QSizeF size) const
{
    painter.setPen(QPen(kMagicColour, 1, Qt::DashLine));
    for (int magic : decay::kMagicNumbers) {
        const QRectF row = chart::cellRect(0, magic, m_view);
        const QRectF column = chart::cellRect(magic, 0, m_view);
        if (magic <= m_grid.maxZ()) {
            painter.drawLine(QPointF(0, row.top()), QPointF(size.width(), row.top()));
            painter.drawLine(QPointF(0, row.bottom()), QPointF(size.width(), row.bottom()));
        }
        painter.drawLine(QPointF(column.left(), 0), QPointF(column.left(), size.height()));
        painter.drawLine(QPointF(column.right(), 0), QPointF(column.right(), size.height()));
    }
}

// The chain's links as arrows from cell centre to cell centre; the members ringed, brighter the
// more of the atoms they hold.
void NuclideMap::paintChain(QPainter& painter) const
{
    if (!m_chain)
        return;
    // A custom chain's members are not on the chart: they have no centre.
    const auto centre = [this](int member) -> std::optional<QPointF> {
        const int at = m_chainCells[static_cast<std::size_t>(member)];
        if (at < 0)
            return std::nullopt;
        const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(at)];
        return chart::cellRect(nuclide.a - nuclide.z, nuclide.z, m_view).center();
    };
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double width = std::clamp(m_view.cell / 6, 1.5, 4.0);
    for (const decay::ChainLink& link : m_chain->links) {
        const auto start = centre(link.parent);
        const auto end = centre(link.daughter);
        if (!start || !end || *start == *end)
            continue; // an isomeric transition stays in its cell
        const QPointF from = *start;
        const QPointF to = *end;
        const QLineF line(from, to);
        const QPointF along = (to - from) / line.length();
        const QPointF across(-along.y(), along.x());
        const double head = std::max(4.0, m_view.cell / 3);
        const QPointF tip = to - along * std::max(3.0, m_view.cell * 0.45);
        QPainterPath arrow;
        arrow.moveTo(tip);
        arrow.lineTo(tip - along * head + across * head * 0.45);
        arrow.lineTo(tip - along * head - across * head * 0.45);
        arrow.closeSubpath();
        painter.setPen(QPen(QColor(20, 20, 20), width * (0.5 + 0.5 * std::sqrt(link.fraction))));
        painter.drawLine(QLineF(from, tip));
        painter.fillPath(arrow, QColor(20, 20, 20));
    }
    // Each member in its colour and dash of the lab's curves, edged in black to stand out on any cell.
    const double ring = std::clamp(m_view.cell / 8, 2.0, 5.0);
    for (int member = 0; member < m_chain->size(); ++member) {
        const auto at = centre(member);
        if (!at)
            continue;
        const double lit = std::clamp(member < static_cast<int>(m_lit.size()) ? m_lit[static_cast<std::size_t>(member)] : 0.0, 0.0, 1.0);
        const double radius = std::max(4.0, m_view.cell * 0.4) * (0.6 + 0.4 * std::sqrt(lit));
        const decay::MemberStyle style = decay::memberStyle(member);
        painter.setPen(QPen(QColor(20, 20, 20), ring + 2));
        painter.setBrush(QColor(255, 255, 255, static_cast<int>(60 + 195 * lit)));
        painter.drawEllipse(*at, radius, radius);
        QPen pen(QColor(style.color.red, style.color.green, style.color.blue), ring);
        if (!style.dash.empty())
            pen.setDashPattern(QList<qreal>(style.dash.begin(), style.dash.end()));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(*at, radius, radius);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// N under the area and Z beside it at the model's ticks, the magic numbers in bold and red; the
// axes' names in the corners.
void NuclideMap::paintAxes(QPainter& painter, QSizeF size) const
{
    const QRectF shown = area(size);
    const QFontMetricsF metrics(axisFont(true));
    const double nSpace = metrics.horizontalAdvance(QStringLiteral("888")) + 8;
    const double zSpace = metrics.height() + 2;
    const double band = shown.top();
    const auto label = [&](const decay::MapTick& tick, const QRectF& box, int alignment) {
        painter.setFont(axisFont(tick.magic));
        painter.setPen(tick.magic ? kMagicColour : kAxisColour);
        painter.drawText(box, alignment, QString::number(tick.value));
    };
    for (const decay::MapTick& tick : decay::nTicks(m_view, shown.width(), m_grid.maxN(), nSpace)) {
        const double x = shown.left() + tick.at;
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(x, shown.bottom()), QPointF(x, shown.bottom() + 3));
        label(tick, QRectF(x - nSpace / 2, shown.bottom() + 3, nSpace, band - 3), Qt::AlignHCenter | Qt::AlignTop);
    }
    for (const decay::MapTick& tick : decay::zTicks(m_view, shown.height(), m_grid.maxZ(), zSpace)) {
        const double y = shown.top() + tick.at;
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(shown.left() - 3, y), QPointF(shown.left(), y));
        label(tick, QRectF(0, y - zSpace / 2, shown.left() - 5, zSpace), Qt::AlignRight | Qt::AlignVCenter);
    }
    painter.setFont(axisFont(true));
    painter.setPen(kAxisColour);
    painter.drawText(QRectF(0, 0, shown.left() - 5, band), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Z"));
    painter.drawText(QRectF(0, shown.bottom() + 3, shown.left() - 5, band - 3), Qt::AlignRight | Qt::AlignTop, QStringLiteral("N"));
}

void NuclideMap::paintLegend(QPainter& painter, QSizeF size) const
{
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    QStringList names;
    std::vector<QColor> colours;
    if (m_colouring == chart::Colouring::MainMode) {
        names.append(NuclideMap::tr("stable"));
        colours.emplace_back(20, 20, 20);
        for (const std::string& code : chart::legendModes()) {
            names.append(qtext(decay::modeSymbol(code)));
            decay::Nuclide sample{.halfLife = 1};
            sample.modes.push_back({.code = code, .percent = 100});
            colours.push_back(chart::modeColor(sample));
        }
    } else {
        for (int decade : {-9, -6, -3, 0, 3, 6, 9, 12, 15}) {
            names.append(QStringLiteral("10^%1 s").arg(decade));
            colours.push_back(chart::halfLifeColor(std::pow(10.0, decade)));
        }
    }
    const double line = metrics.height() + 2;
    const double rows = static_cast<double>(names.size());
    const QRectF shown = area(size);
    const QRectF box(shown.right() - 110, shown.bottom() - line * rows - 12, 100, line * rows + 4);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawRect(box);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QRectF swatch(box.left() + 6, box.top() + 4 + static_cast<double>(i) * line, 14, line - 4);
        painter.setBrush(colours[static_cast<std::size_t>(i)]);
        painter.drawRect(swatch);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(swatch.right() + 6, swatch.bottom() - 2), names[i]);
        painter.setPen(QColor(120, 120, 120));
    }
}

QString NuclideMap::toolTipAt(QPointF point) const
{
    if (!area().contains(point))
        return {};
    const auto [n, z] = cellAt(point);
    const int at = m_grid.at(n, z);
    if (at < 0)
        return {};
    std::vector<int> states{at};
    for (int isomer : m_grid.isomersOf(at))
        states.push_back(isomer);
    QStringList lines;
    for (int position : states) {
        const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(position)];
        QString text = nuclideName(nuclide) + QStringLiteral(": ") + halfLifeShown(nuclide);
        if (!nuclide.modes.empty())
            text += QStringLiteral("; ") + chart::modesText(nuclide);
        lines.append(text);
    }
    return lines.join(QLatin1Char('\n'));
}

void NuclideMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, size());
}

// The same cells, the same N and Z in the middle: the nuclide the chart opened on stays there
// however the window is laid out and sized.
void NuclideMap::resizeEvent(QResizeEvent*)
{
    const QSizeF now = area().size();
    const decay::MapView view = decay::resized(m_view, m_areaSize.width(), m_areaSize.height(), now.width(), now.height());
    m_areaSize = now;
    setView(view);
}

void NuclideMap::mousePressEvent(QMouseEvent* event)
{
    m_pressedAt = m_lastAt = event->position();
    m_dragged = false;
}

void NuclideMap::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF moved = event->position() - m_lastAt;
    m_lastAt = event->position();
    m_dragged = m_dragged || QLineF(m_pressedAt, m_lastAt).length() > 4;
    if (!m_dragged)
        return;
    decay::MapView view = m_view;
    view.left -= moved.x() / view.cell;
    view.top += moved.y() / view.cell;
    setView(view);
}

void NuclideMap::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragged || event->button() != Qt::LeftButton)
        return;
    if (!area().contains(event->position()))
        return;
    const auto [n, z] = cellAt(event->position());
    const int at = m_grid.at(n, z);
    if (at >= 0) {
        // The cell clicked is in sight: it is chosen where it is.
        m_selected = at;
        update();
        emit selectionChanged();
        emit chosen(at);
    }
}

void NuclideMap::wheelEvent(QWheelEvent* event)
{
    setView(chart::zoomed(m_view, std::pow(1.2, event->angleDelta().y() / 120.0), event->position() - area().topLeft()));
}

void NuclideMap::moveSelection(int dn, int dz)
{
    int n = 0, z = 0;
    if (m_selected >= 0) {
        const decay::Nuclide& chosen = m_table.nuclides[static_cast<std::size_t>(m_selected)];
        n = chosen.a - chosen.z, z = chosen.z;
    }
    // Skip the holes of the chart, as far as its edge.
    for (int step = 0; step <= std::max(m_grid.maxN(), m_grid.maxZ()); ++step) {
        n += dn, z += dz;
        if (const int at = m_grid.at(n, z); at >= 0) {
            select(at);
            return;
        }
    }
}

void NuclideMap::keyPressEvent(QKeyEvent* event)
{
    const bool pan = event->modifiers() & Qt::ControlModifier;
    const QPointF middle(m_areaSize.width() / 2, m_areaSize.height() / 2);
    decay::MapView view = m_view;
    switch (event->key()) {
    case Qt::Key_Plus: case Qt::Key_Equal: setView(chart::zoomed(m_view, 1.25, middle)); return;
    case Qt::Key_Minus: setView(chart::zoomed(m_view, 0.8, middle)); return;
    case Qt::Key_Home: showWhole(); return;
    case Qt::Key_Left: pan ? (view.left -= 4, setView(view)) : moveSelection(-1, 0); return;
    case Qt::Key_Right: pan ? (view.left += 4, setView(view)) : moveSelection(1, 0); return;
    case Qt::Key_Up: pan ? (view.top += 4, setView(view)) : moveSelection(0, 1); return;
    case Qt::Key_Down: pan ? (view.top -= 4, setView(view)) : moveSelection(0, -1); return;
    case Qt::Key_Return: case Qt::Key_Enter:
        if (m_selected >= 0)
            emit chosen(m_selected);
        return;
    default: QWidget::keyPressEvent(event);
    }
}

bool NuclideMap::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

