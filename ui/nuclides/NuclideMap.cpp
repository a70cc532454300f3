#include "NuclideMap.h"

#include "model/nuclides/DecayModes.h"
#include "model/nuclides/Elements.h"
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
        keepInView(position);
    update();
    emit selectionChanged();
}

void NuclideMap::setView(const chart::View& view)
{
    m_view = view;
    update();
    emit viewChanged();
}

void NuclideMap::showWhole()
{
    setView(chart::whole(m_grid, size()));
}

void NuclideMap::keepInView(int position)
{
    const decay::Nuclide& nuclide = m_table.nuclides[static_cast<std::size_t>(position)];
    const QRectF cell = chart::cellRect(nuclide.a - nuclide.z, nuclide.z, m_view);
    if (rect().contains(cell.toAlignedRect()))
        return;
    chart::View view = m_view;
    view.left = nuclide.a - nuclide.z - width() / view.cell / 2;
    view.top = nuclide.z + height() / view.cell / 2;
    setView(view);
}

void NuclideMap::paint(QPainter& painter, QSizeF size) const
{
    painter.fillRect(QRectF(QPointF(), size), QColor(250, 250, 246));
    paintCells(painter, size);
    paintMagicNumbers(painter, size);
    paintChain(painter);
    paintLegend(painter, size);
}

// One pass over the cells inside the widget: N and Z from the view, nothing drawn outside.
void NuclideMap::paintCells(QPainter& painter, QSizeF size) const
{
    const int firstN = std::max(0, static_cast<int>(std::floor(m_view.left)));
    const int lastN = std::min(m_grid.maxN(), static_cast<int>(std::ceil(m_view.left + size.width() / m_view.cell)));
    const int lastZ = std::min(m_grid.maxZ(), static_cast<int>(std::ceil(m_view.top)));
    const int firstZ = std::max(0, static_cast<int>(std::floor(m_view.top - size.height() / m_view.cell)));
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
    painter.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
    for (int magic : chart::kMagicNumbers) {
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
    for (int member = 0; member < m_chain->size(); ++member) {
        const double lit = std::clamp(member < static_cast<int>(m_lit.size()) ? m_lit[static_cast<std::size_t>(member)] : 0.0, 0.0, 1.0);
        const double radius = std::max(3.0, m_view.cell * 0.45) * (0.5 + 0.5 * std::sqrt(lit));
        painter.setPen(QPen(QColor(20, 20, 20), 1.5));
        painter.setBrush(QColor(255, 255, 255, static_cast<int>(60 + 195 * lit)));
        if (const auto at = centre(member))
            painter.drawEllipse(*at, radius, radius);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
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
    const QRectF box(size.width() - 110, size.height() - line * rows - 12, 100, line * rows + 4);
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
    const auto [n, z] = chart::cellAt(point, m_view);
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

void NuclideMap::resizeEvent(QResizeEvent*)
{
    if (!m_sized) {
        m_sized = true;
        showWhole();
    }
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
    chart::View view = m_view;
    view.left -= moved.x() / view.cell;
    view.top += moved.y() / view.cell;
    setView(view);
}

void NuclideMap::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragged || event->button() != Qt::LeftButton)
        return;
    const auto [n, z] = chart::cellAt(event->position(), m_view);
    const int at = m_grid.at(n, z);
    if (at >= 0) {
        select(at);
        emit chosen(at);
    }
}

void NuclideMap::wheelEvent(QWheelEvent* event)
{
    setView(chart::zoomed(m_view, std::pow(1.2, event->angleDelta().y() / 120.0), event->position()));
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
    const QPointF middle(width() / 2.0, height() / 2.0);
    chart::View view = m_view;
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

