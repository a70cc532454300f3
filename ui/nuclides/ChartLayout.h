#pragma once

#include "model/nuclides/MapView.h"
#include "model/nuclides/NuclideTable.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The chart of nuclides without a window: the model's view of it in Qt's types, which colour each
// cell gets, and what a typed search names. Z runs up, N to the right.
namespace chart {

enum class Colouring { MainMode, HalfLife };

// The ground states by (N, Z), for painting and picking; every cell is a position in the table.
class Grid {
public:
    explicit Grid(const decay::NuclideTable& table);

    int at(int n, int z) const; // -1 where the table has no ground state
    int maxN() const { return m_maxN; }
    int maxZ() const { return m_maxZ; }
    const std::vector<int>& cells() const { return m_cells; }
    // The isomers of a ground state, positions in the table.
    std::vector<int> isomersOf(int ground) const;

private:
    const decay::NuclideTable& m_table;
    int m_maxN = 0;
    int m_maxZ = 0;
    std::vector<int> m_byNZ;  // (maxZ + 1) rows of (maxN + 1)
    std::vector<int> m_cells; // every ground state, in the table's order
};

// The model's view (decay::MapView) with points and rectangles of the chart's area.
QRectF cellRect(int n, int z, const decay::MapView& view);
std::pair<int, int> cellAt(QPointF point, const decay::MapView& view);
decay::MapView zoomed(const decay::MapView& view, double factor, QPointF about);
// All of the grid in an area of this size.
decay::MapView whole(const Grid& grid, QSizeF size);

// The colour of a nuclide's main decay mode, black for stable; of its half-life on a logarithmic
// scale from 1 ns (violet) to 10^17 s (red), also black for stable.
QColor modeColor(const decay::Nuclide& nuclide);
QColor halfLifeColor(double seconds);
QColor cellColor(const decay::Nuclide& nuclide, Colouring colouring);
// The modes of the legend, as codes, in their order.
const std::vector<std::string>& legendModes();

// The name of element z in the user's language ("Uran" in German); the neutron's at 0.
QString elementText(int z);

// The symbol a typed text names, if the table has it: "U-238", "u238", "238U", "U 238",
// "uranium 238", "Tc-99m", "99mTc"; `elementName` gives the user's name of an element (Z)
// beside the English ones the model knows.
std::optional<std::string> findNuclide(const QString& text, const decay::NuclideTable& table,
                                       const std::function<QString(int z)>& elementName);

// A half-life in words a table can sort by: "4.463 Gy", "stable", "> 1.1 Zy", "10 ms (estimated)".
QString halfLifeText(const decay::Nuclide& nuclide, const std::function<QString(const std::string&)>& unitText);
// The modes with their shares: "α 100 %, SF 5.44E-05 %"; those without a share as "2β⁻ ?".
QString modesText(const decay::Nuclide& nuclide);

} // namespace chart
