#pragma once

#include "model/atoms/AtomsSession.h"

#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include <array>
#include <cstdint>

class PlotChart;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;

// The atoms of one random run, each a cell of a square coloured by its state, at any step of the
// run: a time slider with play, pause and steps, the run's chart beside it with a line at the
// step shown (a click on the chart jumps there), two patches to compare and a detector frame
// dragged over the square, and the step told in words for those who cannot see the square.
class AtomsWindow : public QWidget {
    Q_OBJECT

public:
    AtomsWindow(decay::AtomHistory history, std::uint64_t seed, QWidget* parent = nullptr);

    const decay::AtomsSession& session() const { return m_session; }

    QLabel* picAtoms;
    QLabel* lblLegend;
    QSlider* sldTime;
    QPushButton* cmdBack;
    QPushButton* cmdPlay;
    QPushButton* cmdStep;
    QRadioButton* optPatch1;
    QRadioButton* optPatch2;
    QRadioButton* optDetector;
    QPushButton* cmdClear;
    QLabel* lblText;
    PlotChart* chartAtoms;
    QPushButton* cmdClose;
    QTimer* tmrPlay;

    void sldTime_Change(int value);
    void cmdBack_Click();
    void cmdPlay_Click();
    void cmdStep_Click();
    void cmdClear_Click();
    void cmdClose_Click();
    void tmrPlay_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildWidgets();
    void connectHandlers();
    void picAtoms_MouseDown(QPointF at);
    void picAtoms_MouseMove(QPointF at, bool outline);
    void picAtoms_MouseUp(bool outline);
    void chartAtoms_Click(QPointF at);
    void showStep();
    void showSquare();
    void showPlot();
    void showLegend();
    // A point of the label in the square's own pixels.
    QPointF squarePoint(QPointF at) const;

    decay::AtomsSession m_session;
    decay::AtomLayout m_layout;
    QImage m_image;
    double m_scale = 1; // screen pixels per square pixel
    // The shapes chosen, in the square's pixels: the two patches and the detector.
    std::array<QPolygonF, 3> m_shapes;
    QPolygonF m_drag; // the shape being dragged
    bool m_dragging = false;
};
