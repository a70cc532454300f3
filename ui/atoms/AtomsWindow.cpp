#include "AtomsWindow.h"

#include "ui/Look.h"
#include "ui/ModelText.h"
#include "ui/charts/PlotChart.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace {

// The room of the square on screen: a million atoms get a pixel each where the screen has room.
int squareRoom()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int height = screen ? screen->availableGeometry().height() - 260 : 600;
    return std::clamp(height, 200, 1000);
}

// The patches in the colours of their curves, the detector black.
QColor shapeColor(std::size_t which)
{
    if (which >= decay::AtomsSession::kPatches)
        return Qt::black;
    const decay::PlotColor c = decay::AtomsSession::patchColor(static_cast<int>(which));
    return {c.red, c.green, c.blue};
}

} // namespace

AtomsWindow::AtomsWindow(decay::AtomHistory history, std::uint64_t seed, QWidget* parent)
    : QWidget(parent), m_session(std::move(history), seed)
{
    buildWidgets();
    connectHandlers();
    showLegend();
    showStep();
}

void AtomsWindow::buildWidgets()
{
    look::ownWindow(this, QStringLiteral("AtomsWindow"), tr("The atoms"));
    const int room = squareRoom();
    m_layout = decay::atomLayout(m_session.atoms(), room, room);

    picAtoms = new QLabel(this);
    look::name(picAtoms, QStringLiteral("picAtoms"), tr("The atoms, one square each"));
    picAtoms->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picAtoms->setFixedSize(room, room);
    picAtoms->installEventFilter(this);
    lblLegend = new QLabel(this);
    lblLegend->setObjectName(QStringLiteral("lblLegend"));
    lblLegend->setTextFormat(Qt::RichText);

    sldTime = new QSlider(Qt::Horizontal, this);
    look::name(sldTime, QStringLiteral("sldTime"), tr("Time step"));
    sldTime->setRange(0, std::max(m_session.steps(), 0));
    sldTime->setPageStep(std::max(m_session.steps() / 10, 1));
    cmdBack = look::plainButton(QStringLiteral("cmdBack"), tr("Step back"));
    cmdPlay = look::plainButton(QStringLiteral("cmdPlay"), tr("Play"));
    cmdStep = look::plainButton(QStringLiteral("cmdStep"), tr("Step"));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(cmdBack);
    timeRow->addWidget(cmdPlay);
    timeRow->addWidget(cmdStep);
    timeRow->addWidget(sldTime, 1);

    optPatch1 = new QRadioButton(tr("Patch 1"), this);
    optPatch1->setObjectName(QStringLiteral("optPatch1"));
    optPatch2 = new QRadioButton(tr("Patch 2"), this);
    optPatch2->setObjectName(QStringLiteral("optPatch2"));
    optDetector = new QRadioButton(tr("Detector"), this);
    optDetector->setObjectName(QStringLiteral("optDetector"));
    optPatch1->setChecked(true);
    auto* choices = new QButtonGroup(this);
    for (QRadioButton* option : {optPatch1, optPatch2, optDetector})
        choices->addButton(option);
    cmdClear = look::plainButton(QStringLiteral("cmdClear"), tr("Clear"));
    auto* dragRow = new QHBoxLayout;
    auto* dragLabel = new QLabel(tr("Drag over the atoms to choose (Shift: draw round them):"), this);
    dragLabel->setObjectName(QStringLiteral("lblDrag"));
    dragRow->addWidget(dragLabel);
    for (QWidget* widget : std::initializer_list<QWidget*>{optPatch1, optPatch2, optDetector, cmdClear})
        dragRow->addWidget(widget);
    dragRow->addStretch(1);

    lblText = new QLabel(this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setWordWrap(true);
    chartAtoms = new PlotChart(this);
    look::name(chartAtoms, QStringLiteral("chartAtoms"), tr("Chart of the atoms left"));
    chartAtoms->setMinimumSize(480, 360);
    chartAtoms->installEventFilter(this);
    cmdClose = look::plainButton(QStringLiteral("cmdClose"), tr("Close"));
    tmrPlay = new QTimer(this);
    tmrPlay->setObjectName(QStringLiteral("tmrPlay"));
    tmrPlay->setInterval(1000 / decay::AtomsSession::kPlayFrames);

    auto* left = new QVBoxLayout;
    left->addWidget(picAtoms);
    left->addWidget(lblLegend);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(chartAtoms, 1);
    right->addWidget(lblText);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(cmdClose);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(timeRow);
    all->addLayout(dragRow);
    all->addLayout(foot);

    const bool shown = m_session.atoms() > 0;
    for (QWidget* widget : std::initializer_list<QWidget*>{sldTime, cmdBack, cmdPlay, cmdStep, optPatch1, optPatch2, optDetector, cmdClear})
        widget->setEnabled(shown);
}

void AtomsWindow::connectHandlers()
{
    connect(sldTime, &QSlider::valueChanged, this, &AtomsWindow::sldTime_Change);
    connect(cmdBack, &QPushButton::clicked, this, &AtomsWindow::cmdBack_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &AtomsWindow::cmdPlay_Click);
    connect(cmdStep, &QPushButton::clicked, this, &AtomsWindow::cmdStep_Click);
    connect(cmdClear, &QPushButton::clicked, this, &AtomsWindow::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &AtomsWindow::cmdClose_Click);
    connect(tmrPlay, &QTimer::timeout, this, &AtomsWindow::tmrPlay_Timer);
}

void AtomsWindow::sldTime_Change(int value)
{
    m_session.setStep(value);
    showStep();
}

void AtomsWindow::cmdBack_Click()
{
    sldTime->setValue(sldTime->value() - 1);
}

void AtomsWindow::cmdStep_Click()
{
    sldTime->setValue(sldTime->value() + 1);
}

void AtomsWindow::cmdPlay_Click()
{
    if (tmrPlay->isActive()) {
        tmrPlay->stop();
        cmdPlay->setText(tr("Play"));
        return;
    }
    if (sldTime->value() >= sldTime->maximum())
        sldTime->setValue(0);
    tmrPlay->start();
    cmdPlay->setText(tr("Pause"));
}

void AtomsWindow::tmrPlay_Timer()
{
    if (sldTime->value() >= sldTime->maximum()) {
        tmrPlay->stop();
        cmdPlay->setText(tr("Play"));
        return;
    }
    sldTime->setValue(m_session.playedStep());
}

void AtomsWindow::cmdClear_Click()
{
    for (int which = 0; which < decay::AtomsSession::kPatches; ++which)
        m_session.setPatch(which, {});
    m_session.setDetector({});
    for (QPolygonF& shape : m_shapes)
        shape.clear();
    showLegend();
    showStep();
}

void AtomsWindow::cmdClose_Click()
{
    close();
}

bool AtomsWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (watched == picAtoms && mouse && picAtoms->isEnabled() && m_layout.cell > 0) {
        const bool outline = mouse->modifiers().testFlag(Qt::ShiftModifier);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
            picAtoms_MouseDown(mouse->position());
        else if (event->type() == QEvent::MouseMove && m_dragging)
            picAtoms_MouseMove(mouse->position(), outline);
        else if (event->type() == QEvent::MouseButtonRelease && m_dragging)
            picAtoms_MouseUp(outline);
        else
            return QWidget::eventFilter(watched, event);
        return true;
    }
    if (watched == chartAtoms && mouse && event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        chartAtoms_Click(mouse->position());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AtomsWindow::keyPressEvent(QKeyEvent* event)
{
    // The arrow keys step through time wherever the focus is in the window.
    if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Up)
        cmdStep_Click();
    else if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Down)
        cmdBack_Click();
    else
        QWidget::keyPressEvent(event);
}

QPointF AtomsWindow::squarePoint(QPointF at) const
{
    return at / m_scale;
}

void AtomsWindow::picAtoms_MouseDown(QPointF at)
{
    m_dragging = true;
    m_drag = QPolygonF{squarePoint(at)};
}

void AtomsWindow::picAtoms_MouseMove(QPointF at, bool outline)
{
    const QPointF point = squarePoint(at);
    if (outline)
        m_drag << point;
    else
        m_drag = QPolygonF(QRectF(m_drag.front(), point).normalized());
    showSquare();
}

void AtomsWindow::picAtoms_MouseUp(bool outline)
{
    m_dragging = false;
    const int which = optPatch1->isChecked() ? 0 : optPatch2->isChecked() ? 1 : 2;
    std::vector<std::uint32_t> atoms;
    QPolygonF shape = m_drag;
    if (outline && m_drag.size() >= 3) {
        std::vector<double> x, y;
        for (const QPointF& point : m_drag) {
            x.push_back(point.x());
            y.push_back(point.y());
        }
        atoms = m_session.atomsInOutline(m_layout, x, y);
    } else if (!m_drag.isEmpty()) {
        const QRectF box = m_drag.boundingRect();
        atoms = m_session.atomsInRectangle(m_layout, box.left(), box.top(), box.right(), box.bottom());
        // Round the cells taken, not the rectangle dragged.
        const decay::CellRectangle cells = decay::cellsInRectangle(m_layout, box.left(), box.top(), box.right(), box.bottom());
        const int cell = m_layout.cell;
        shape = QPolygonF(QRectF(QPointF(cells.left(cell), cells.top(cell)), QPointF(cells.right(cell), cells.bottom(cell))));
    }
    m_shapes[static_cast<std::size_t>(which)] = atoms.empty() ? QPolygonF() : shape;
    if (which == 2)
        m_session.setDetector(std::move(atoms));
    else
        m_session.setPatch(which, std::move(atoms));
    m_drag.clear();
    showLegend();
    showStep();
}

void AtomsWindow::chartAtoms_Click(QPointF at)
{
    // The chart's lines have a point at every step: the step of the nearest across.
    const PlotChart::Layout layout = chartAtoms->layout();
    for (const PlotChart::Layout::Series& series : layout.series) {
        if (series.kind != PlotChart::Layer::Kind::Lines || static_cast<int>(series.points.size()) != m_session.steps() + 1)
            continue;
        const auto nearest = std::min_element(series.points.begin(), series.points.end(), [&](const QPointF& a, const QPointF& b) {
            return std::abs(a.x() - at.x()) < std::abs(b.x() - at.x());
        });
        sldTime->setValue(static_cast<int>(nearest - series.points.begin()));
        return;
    }
}

void AtomsWindow::showStep()
{
    showSquare();
    showPlot();
    const QString text = modelText(m_session.text());
    lblText->setText(text);
    // A live region: the text of the step is read out as it changes.
    lblText->setAccessibleName(text);
    QAccessibleEvent changed(lblText, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void AtomsWindow::showSquare()
{
    if (m_layout.cell <= 0 || m_session.atoms() == 0) {
        picAtoms->setText(modelText(m_session.refusal().empty() ? decay::Message{"The run has no atoms to show."} : m_session.refusal()));
        picAtoms->setWordWrap(true);
        return;
    }
    if (m_image.isNull())
        m_image = QImage(m_layout.width(), m_layout.height(), QImage::Format_RGB32);
    const auto pixels = std::span(reinterpret_cast<std::uint32_t*>(m_image.bits()),
                                  static_cast<std::size_t>(m_image.sizeInBytes()) / sizeof(std::uint32_t));
    m_session.paint(m_layout, pixels, decay::PixelOrder::Argb);
    // A square larger than its room is shown smaller, each pixel still one atom's or a mix of neighbours'.
    const int room = picAtoms->width();
    m_scale = m_layout.width() > room ? static_cast<double>(room) / m_layout.width() : 1.0;
    QPixmap shown = QPixmap::fromImage(m_scale < 1 ? m_image.scaled(room, room, Qt::KeepAspectRatio, Qt::FastTransformation) : m_image);
    QPainter painter(&shown);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(m_scale, m_scale);
    for (std::size_t i = 0; i < m_shapes.size(); ++i) {
        QPen pen(shapeColor(i), 2 / m_scale, i == 2 ? Qt::DashLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.drawPolygon(m_shapes[i]);
    }
    if (m_dragging) {
        painter.setPen(QPen(Qt::black, 1 / m_scale, Qt::DotLine));
        painter.drawPolygon(m_drag);
    }
    painter.end();
    picAtoms->setPixmap(shown);
}

void AtomsWindow::showPlot()
{
    chartAtoms->setPlot(PlotChart::fromModel(m_session.plot()));
}

void AtomsWindow::showLegend()
{
    QString text;
    for (const auto& entry : m_session.legend()) {
        const QColor color(entry.color.red, entry.color.green, entry.color.blue);
        // White cells (atoms taken away) get a grey edge to be seen on the window.
        text += QStringLiteral("<span style=\"color:%1; background:%2\">&#9632;</span> %3&nbsp;&nbsp; ")
                    .arg(color.name(), color.lightness() > 240 ? QStringLiteral("#bbbbbb") : QStringLiteral("transparent"),
                         modelText(entry.name).toHtmlEscaped());
    }
    QStringList names;
    for (const auto& entry : m_session.legend())
        names << modelText(entry.name);
    if (const auto& detector = m_session.detector()) {
        const QString efficiency = tr("Detector efficiency: %1 %").arg(locale().toString(100 * detector->efficiency, 'g', 3));
        text += efficiency.toHtmlEscaped();
        names << efficiency;
    }
    lblLegend->setText(text);
    lblLegend->setAccessibleName(names.join(QStringLiteral(", ")));
}
