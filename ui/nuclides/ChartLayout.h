#pragma once

#include "model/nuclides/NuclideTable.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The chart of nuclides without a window: where each nuclide's cell lies for a zoom and a pan,
// which colour it gets, and what a typed search names. Z runs up, N to the right.
namespace chart {

// Proton and neutron numbers that close a shell.
inline constexpr std::array<int, 7> kMagicNumbers{2, 8, 20, 28, 50, 82, 126};

enum class Colouring { MainMode, HalfLife };

// What part of the (N, Z) plane is shown: `cell` pixels per nucleon number, the N and Z at the
// widget's top left corner.
struct View {
    double cell = 6;
    double left = -1; // N at x = 0
    double top = 120; // Z at y = 0
};

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

QRectF cellRect(int n, int z, const View& view);
// The (N, Z) under a point of the widget.
std::pair<int, int> cellAt(QPointF point, const View& view);
// The view after zooming by `factor` about a point of the widget, which stays where it is; the
// cell stays from 1 to 80 pixels.
View zoomed(const View& view, double factor, QPointF about);
// The view that shows all of the grid in a widget of this size.
View whole(const Grid& grid, QSizeF size);

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
