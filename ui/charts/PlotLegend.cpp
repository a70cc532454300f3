#include "ui/charts/PlotLegend.h"

#include "ui/charts/PlotChart.h"
#include "model/nuclides/LabPlot.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

PlotLegend::PlotLegend(PlotChart& chart, int columns, QWidget* parent)
    : QWidget(parent)
    , m_chart(chart)
    , m_columns(columns)
    , m_layout(new QGridLayout(this))
{
    m_chart.setOwnLegend(false); // this list is the chart's legend
    m_layout->setContentsMargins(0, 0, 0, 0);
}

bool PlotLegend::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* box = qobject_cast<QCheckBox*>(watched)) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn)
            m_chart.setHighlighted(box->text());
        else if (event->type() == QEvent::Leave || event->type() == QEvent::FocusOut)
            m_chart.setHighlighted({});
    }
    return QWidget::eventFilter(watched, event);
}

QPixmap PlotLegend::memberSwatch(int member)
{
    const decay::MemberStyle style = decay::memberStyle(member);
    return swatch({.color = QColor(style.color.red, style.color.green, style.color.blue),
                   .dash = QList<qreal>(style.dash.begin(), style.dash.end())});
}

QPixmap PlotLegend::swatch(const PlotChart::Layer& layer)
{
    QPixmap picture(20, 12);
    picture.fill(Qt::transparent);
    QColor color = layer.color;
    color.setAlpha(std::max(color.alpha(), 140));
    QPainter painter(&picture);
    if (layer.kind == PlotChart::Layer::Kind::Lines) {
        painter.setPen(PlotChart::pen(layer, color, 2.5));
        painter.drawLine(QPointF(1, 6), QPointF(19, 6));
    } else {
        painter.fillRect(QRectF(4, 0, 12, 12), color);
    }
    return picture;
}

void PlotLegend::refresh()
{
    // The same layers as before (a chart played in time is refreshed every frame): only the ticks.
    QStringList layers;
    for (const PlotChart::Layer& layer : m_chart.plot().layers)
        if (!layers.contains(layer.name + QLatin1Char('\n') + layer.color.name(QColor::HexArgb)))
            layers.append(layer.name + QLatin1Char('\n') + layer.color.name(QColor::HexArgb));
    if (layers == m_layers) {
        for (QCheckBox* box : findChildren<QCheckBox*>())
            box->setChecked(!m_chart.hidden().contains(box->text()));
        return;
    }
    m_layers = layers;
    m_chart.setHighlighted({}); // a box pointed at goes with the others
    while (QLayoutItem* item = m_layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QStringList names;
    for (const PlotChart::Layer& layer : m_chart.plot().layers) {
        if (names.contains(layer.name))
            continue;
        names.append(layer.name);
        auto* box = new QCheckBox(layer.name);
        box->setObjectName(QStringLiteral("chkLayer%1").arg(names.size()));
        box->setIcon(QIcon(swatch(layer)));
        box->installEventFilter(this); // pointing at it, or moving to it, highlights its layer
        box->setIconSize(QSize(20, 12));
        box->setChecked(m_chart.isShown(layer));
        connect(box, &QCheckBox::toggled, this, [this, name = layer.name](bool shown) {
            QStringList hidden = m_chart.hidden();
            hidden.removeAll(name);
            if (!shown)
                hidden.append(name);
            m_chart.setHidden(hidden);
        });
        const auto index = static_cast<int>(names.size()) - 1;
        m_layout->addWidget(box, index / m_columns, index % m_columns);
    }
    m_layout->setColumnStretch(m_columns, 1);
}
