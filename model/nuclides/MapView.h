#pragma once

#include <array>
#include <vector>

namespace decay {

// Proton and neutron numbers that close a shell.
inline constexpr std::array<int, 7> kMagicNumbers{2, 8, 20, 28, 50, 82, 126};

// Pixels a cell of the chart of nuclides may have: at 1 the whole chart fits a small window, at 80
// a cell holds its names in large print.
inline constexpr double kSmallestMapCell = 1;
inline constexpr double kLargestMapCell = 80;
// The chart opens with cells large enough for the mass number and the element's symbol in every
// one of them (the front ends name a cell from 26 pixels), whatever the screen.
inline constexpr double kDefaultMapCell = 32;

// What part of the (N, Z) plane a chart of nuclides shows, Z up and N to the right: `cell` pixels
// per nucleon number, the N and Z at the top left corner of the chart's area. A cell (n, z)
// covers N from n to n + 1 and Z from z - 1 to z, so that its top edge lies at Z = z.
struct MapView {
    double cell = kDefaultMapCell;
    double left = -1; // N at x = 0
    double top = 120; // Z at y = 0
};

// A cell's square in pixels of the chart's area, y down.
struct MapRect {
    double x = 0;
    double y = 0;
    double size = 0;
};

struct MapCell {
    int n = 0;
    int z = 0;
};

// The N and Z of the cells at least partly inside an area, within the chart's 0..maxN, 0..maxZ.
struct MapRange {
    int firstN = 0;
    int lastN = 0;
    int firstZ = 0;
    int lastZ = 0;
};

// A number on an axis: `at` is where its label's middle goes, along the axis in pixels of the
// chart's area (x for N, y for Z), the middle of the value's column or row.
struct MapTick {
    int value = 0;
    double at = 0;
    bool magic = false;
};

MapRect cellRect(int n, int z, const MapView& view);
// The cell under a point of the chart's area.
MapCell cellAt(double x, double y, const MapView& view);
// The view after zooming by `factor` about a point, which stays where it is; the cell stays from
// kSmallestMapCell to kLargestMapCell pixels. A factor that is no positive number changes nothing.
MapView zoomed(const MapView& view, double factor, double x, double y);
// The same cell size with the middle of cell (n, z) in the middle of a width x height area.
MapView centredOn(const MapView& view, int n, int z, double width, double height);
// What the chart opens on: cells of kDefaultMapCell pixels around the cell (n, z).
MapView defaultMapView(int n, int z, double width, double height);
// All of the chart, 0..maxN and 0..maxZ with a cell to spare on every side, as large as the
// area allows and in its middle.
MapView wholeMap(int maxN, int maxZ, double width, double height);
// The view of an area that changed its size: the same cells, the same N and Z in its middle.
MapView resized(const MapView& view, double oldWidth, double oldHeight, double width, double height);
// The cells a width x height area shows; an empty range (last before first) when it shows none.
MapRange shownRange(const MapView& view, double width, double height, int maxN, int maxZ);

// The numbers along the N axis (under an area `length` pixels wide) and the Z axis (beside one
// `length` pixels high), 0 to maxN or maxZ: every magic number, then a multiple of 1, 2 or 5
// times a power of ten (as few as leave `labelSpace` pixels from middle to middle), each where
// it keeps `labelSpace` from every label taken before it and its whole label inside the length.
// `labelSpace` is the widest label's extent along the axis and a gap: labels never overlap. In
// the order of their values.
std::vector<MapTick> nTicks(const MapView& view, double length, int maxN, double labelSpace);
std::vector<MapTick> zTicks(const MapView& view, double length, int maxZ, double labelSpace);
// The step between the numbers of an axis whose cells are `cell` pixels apart.
int tickStep(double cell, double labelSpace);

} // namespace decay
