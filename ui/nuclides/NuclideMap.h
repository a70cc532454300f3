#pragma once

#include "ChartLayout.h"
#include "model/nuclides/Chain.h"
#include "model/nuclides/NuclideTable.h"

#include <QWidget>

#include <optional>
#include <vector>

// "Uranium-238 (U-238)" and "4.463 ± 0.003 Gy" or "stable", in the user's language.
QString nuclideName(const decay::Nuclide& nuclide);
QString halfLifeShown(const decay::Nuclide& nuclide);

// Every nuclide of the table on Z against N, painted in one pass over the visible cells, with N
// numbered under the chart and Z beside it: zoomed by the wheel or + and -, panned by dragging or
// Ctrl and the arrows; the arrows move the chosen cell, a click or Enter takes it into the lab.
// The lab's chain is drawn as arrows, its members ringed in their colours in the lab's curves,
// lit with their share of the atoms as a run plays.
class NuclideMap : public QWidget {
    Q_OBJECT

public:
    explicit NuclideMap(const decay::NuclideTable& table, QWidget* parent = nullptr);

    void setColouring(chart::Colouring colouring);
    chart::Colouring colouring() const { return m_colouring; }
    void setChain(const std::optional<decay::Chain>& chain);
    // How much of the chain's atoms each member holds now, 0 to 1, in the chain's order.
    void setLit(const std::vector<double>& shares);
    // The cell of a table position chosen and put in the middle of the chart at the zoom the user
    // chose; -1 for none.
    void select(int position);
    int selected() const { return m_selected; }
    // The view of the chart's area: the widget less the axes' numbers on its left, top and bottom.
    const decay::MapView& view() const { return m_view; }
    const chart::Grid& grid() const { return m_grid; }
    void setView(const decay::MapView& view);
    void showWhole();
    QRectF area() const { return area(size()); }
    QRectF area(QSizeF size) const;
    // A cell in the widget's pixels.
    QRectF cellRect(int n, int z) const;
    // The chart as the widget shows it, into any painter (the benchmark paints into an image).
    void paint(QPainter& painter, QSizeF size) const;
    QString toolTipAt(QPointF point) const;

signals:
    void chosen(int position);
    void selectionChanged();
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintCells(QPainter& painter, QSizeF size) const;
    void paintMagicNumbers(QPainter& painter, QSizeF size) const;
    void paintChain(QPainter& painter) const;
    void paintAxes(QPainter& painter, QSizeF size) const;
    void paintLegend(QPainter& painter, QSizeF size) const;
    void moveSelection(int dn, int dz);
    void keepInView(int position);
    void centreOn(int position);
    QFont axisFont(bool magic) const;
    // The cell under a point of the widget.
    std::pair<int, int> cellAt(QPointF point) const;

    const decay::NuclideTable& m_table;
    chart::Grid m_grid;
    decay::MapView m_view;
    chart::Colouring m_colouring = chart::Colouring::MainMode;
    int m_selected = -1;
    std::optional<decay::Chain> m_chain;
    std::vector<int> m_chainCells; // table positions of the chain's members
    std::vector<double> m_lit;
    QPointF m_pressedAt;
    QPointF m_lastAt;
    bool m_dragged = false;
    QSizeF m_areaSize; // of the area m_view was made for
};
