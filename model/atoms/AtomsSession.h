#pragma once

#include "AtomField.h"
#include "AtomHistory.h"

#include "model/common/Plot.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace decay {

// Where the atoms go on the screen: a square of `columns`, row after row, each atom a cell of
// `cell` x `cell` pixels; one pixel each at a million atoms, larger cells for fewer.
struct AtomLayout {
    int columns = 0;
    int rows = 0;
    int cell = 0; // 0: no room to show them
    int width() const { return columns * cell; }
    int height() const { return rows * cell; }
};
// The smallest square, in pixels, that the atoms are drawn in.
inline constexpr int kSmallestAtomSquare = 32;
AtomLayout atomLayout(int atoms, int availableWidth, int availableHeight);

// The cells whose centres lie in a rectangle between two corners, in the square's pixels: the
// columns and rows they span, both ends included. A view outlines these cells, not the rectangle
// dragged, so that the outline goes round exactly the atoms counted.
struct CellRectangle {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = -1;
    int lastRow = -1;
    bool empty() const { return lastColumn < firstColumn || lastRow < firstRow; }
    // The outline's edges, in the pixels of a square of cells `cell` pixels wide.
    int left(int cell) const { return firstColumn * cell; }
    int top(int cell) const { return firstRow * cell; }
    int right(int cell) const { return (lastColumn + 1) * cell; }
    int bottom(int cell) const { return (lastRow + 1) * cell; }
};
CellRectangle cellsInRectangle(const AtomLayout& layout, double x0, double y0, double x1, double y1);

// The order of a pixel's bytes in a 32-bit word: 0xAARRGGBB (a desktop image), or R, G, B, A in
// memory on a little-endian machine (a browser's image data).
enum class PixelOrder { Argb, Rgba };

// The atoms' own N(t) of a patch, beside the whole sample's, each normalised to its start.
struct PatchCurve {
    int size = 0;  // atoms in the patch
    int start = 0; // of those, in the followed state at the start
    std::vector<std::int64_t> counts;    // in the followed state at every step
    std::vector<double> fraction, whole; // counts / start; the whole sample's N(t) / N(0)
    // The spread the patch's fraction has about the whole sample's, one standard deviation each
    // way: `start` atoms taken at random from the N(0) of the sample, of which N(t) are left, are
    // left in a hypergeometric number of mean start p and variance start p (1 - p) (N(0) - start)
    // / (N(0) - 1), p = N(t) / N(0); for a patch much smaller than the sample this is the binomial
    // start p (1 - p), and for the whole sample 0. Cut at 0 and 1, which no fraction passes.
    std::vector<double> low, high;
};

// What the counter over part of the square sees: the decays of the atoms it covers.
struct DetectorCounts {
    int covered = 0;
    double efficiency = 0; // the fraction of the atoms it covers
    std::vector<std::int64_t> counts, all; // its decays and the whole sample's in every step
};

// The atoms of one random run and what a view of them shows: the square at any step, patches of
// atoms with their curves, a detector frame, the chart and a text for those who cannot see it.
class AtomsSession {
public:
    AtomsSession() = default;
    AtomsSession(AtomHistory history, std::uint64_t seed);

    const AtomHistory& history() const { return m_history; }
    const AtomField& field() const { return m_field; }
    // Why there is nothing to show; empty when there is.
    const Message& refusal() const { return m_field.refusal(); }
    int atoms() const { return m_field.atoms(); }
    int steps() const { return m_history.steps; }

    int step() const { return m_step; }
    // Any step, forward or back; kept within 0..steps().
    void setStep(int step);
    // The step whose time is nearest `time` (a click on the chart).
    int stepAt(double time) const;
    // Play shows kPlayFrames a second and goes through any run in 10 s at most: a step a frame
    // for up to 200 steps, a few at a time for longer runs. The step after the current one.
    static constexpr int kPlayFrames = 20;
    int playedStep() const;

    // The square at the current step into `pixels` (layout.width() x layout.height()); what lies
    // beyond the last atom white.
    void paint(const AtomLayout& layout, std::span<std::uint32_t> pixels, PixelOrder order) const;
    // The states that ever hold atoms, with their colours.
    struct LegendEntry {
        int state = 0;
        Message name;
        PlotColor color;
    };
    std::vector<LegendEntry> legend() const;

    // The atoms whose cells' centres lie in a rectangle between two corners, or inside a closed
    // outline (even-odd rule), in the square's pixels.
    std::vector<std::uint32_t> atomsInRectangle(const AtomLayout& layout, double x0, double y0, double x1, double y1) const;
    std::vector<std::uint32_t> atomsInOutline(const AtomLayout& layout, std::span<const double> x, std::span<const double> y) const;

    // Two patches to compare; an empty list of atoms takes one away.
    static constexpr int kPatches = 2;
    // The colour of a patch's outline on the square and of its curve on the chart.
    static PlotColor patchColor(int which);
    void setPatch(int which, std::vector<std::uint32_t> atoms);
    const std::optional<PatchCurve>& patch(int which) const { return m_patches[static_cast<std::size_t>(which)]; }
    const std::vector<std::uint32_t>& patchAtoms(int which) const { return m_patchAtoms[static_cast<std::size_t>(which)]; }

    void setDetector(std::vector<std::uint32_t> atoms);
    const std::optional<DetectorCounts>& detector() const { return m_detector; }

    // The whole sample's fraction left, the patches' with their spreads, and the time line.
    Plot plot() const;
    // "t = 12: 3,412 of 10,000 atoms left, 1.7 half-lives; patch: 41 of 100", or the refusal.
    Message text() const;

private:
    AtomHistory m_history;
    AtomField m_field;
    int m_step = 0;
    std::array<std::optional<PatchCurve>, kPatches> m_patches;
    std::array<std::vector<std::uint32_t>, kPatches> m_patchAtoms;
    std::optional<DetectorCounts> m_detector;
    mutable std::vector<std::uint8_t> m_frame;
};

} // namespace decay
