#include "MapView.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace decay {
namespace {

// More protons or neutrons than any nucleus has: an axis needs no numbers beyond.
constexpr int kMostNucleons = 1000;

// A cell size to divide by: a view from a page may carry anything.
double usableCell(double cell)
{
    return std::isfinite(cell) && cell > 0 ? std::clamp(cell, kSmallestMapCell, kLargestMapCell) : kDefaultMapCell;
}

// A nucleon number from a coordinate, far beyond the chart's but inside an int.
int nucleons(double value)
{
    return std::isfinite(value) ? static_cast<int>(std::clamp(value, -1e6, 1e6)) : 0;
}

double finiteOr(double value, double otherwise)
{
    return std::isfinite(value) ? value : otherwise;
}

// The ticks of an axis whose value v has its label's middle at position(v).
std::vector<MapTick> axisTicks(double cell, double length, int most, double labelSpace, const std::function<double(int)>& position)
{
    std::vector<MapTick> taken;
    if (!std::isfinite(length) || most < 0)
        return taken;
    most = std::min(most, kMostNucleons);
    const double space = std::isfinite(labelSpace) && labelSpace > 1 ? labelSpace : 1;
    const auto take = [&](int value, bool magic) {
        const double at = position(value);
        if (!(at - space / 2 >= 0 && at + space / 2 <= length))
            return;
        for (const MapTick& tick : taken)
            if (tick.value == value || std::fabs(tick.at - at) < space)
                return;
        taken.push_back({value, at, magic});
    };
    for (int magic : kMagicNumbers)
        if (magic <= most)
            take(magic, true);
    const int step = tickStep(cell, space);
    for (int value = 0; value <= most; value += step)
        take(value, false);
    std::sort(taken.begin(), taken.end(), [](const MapTick& a, const MapTick& b) { return a.value < b.value; });
    return taken;
}

} // namespace

MapRect cellRect(int n, int z, const MapView& view)
{
    return {(n - view.left) * view.cell, (view.top - z) * view.cell, view.cell};
}

MapCell cellAt(double x, double y, const MapView& view)
{
    const double cell = usableCell(view.cell);
    return {nucleons(std::floor(x / cell + view.left)), nucleons(std::ceil(view.top - y / cell))};
}

MapView zoomed(const MapView& view, double factor, double x, double y)
{
    if (!(std::isfinite(factor) && factor > 0 && std::isfinite(x) && std::isfinite(y)))
        return view;
    const double before = usableCell(view.cell);
    MapView result = view;
    result.cell = std::clamp(before * factor, kSmallestMapCell, kLargestMapCell);
    // The N and Z under (x, y) stay under it.
    const double n = x / before + view.left;
    const double z = view.top - y / before;
    result.left = n - x / result.cell;
    result.top = z + y / result.cell;
    return result;
}

MapView centredOn(const MapView& view, int n, int z, double width, double height)
{
    const double cell = usableCell(view.cell);
    // The cell's middle, (n + 1/2 - left) cell across and (top - z + 1/2) cell down, at half the area.
    return {cell, n + 0.5 - finiteOr(width, 0) / (2 * cell), z - 0.5 + finiteOr(height, 0) / (2 * cell)};
}

MapView defaultMapView(int n, int z, double width, double height)
{
    return centredOn({}, n, z, width, height);
}

MapView wholeMap(int maxN, int maxZ, double width, double height)
{
    const double w = std::max(finiteOr(width, 0), 0.0);
    const double h = std::max(finiteOr(height, 0), 0.0);
    const double n = std::clamp(maxN, 0, kMostNucleons), z = std::clamp(maxZ, 0, kMostNucleons);
    const double cell = std::clamp(std::min(w / (n + 3), h / (z + 3)), kSmallestMapCell, kLargestMapCell);
    // Columns 0..maxN and rows 0..maxZ, their middle at the area's.
    return {cell, (n + 1) / 2 - w / (2 * cell), z / 2 - 0.5 + h / (2 * cell)};
}

MapView resized(const MapView& view, double oldWidth, double oldHeight, double width, double height)
{
    const double cell = usableCell(view.cell);
    const double dx = finiteOr(oldWidth - width, 0);
    const double dy = finiteOr(oldHeight - height, 0);
    return {view.cell, view.left + dx / (2 * cell), view.top - dy / (2 * cell)};
}

MapRange shownRange(const MapView& view, double width, double height, int maxN, int maxZ)
{
    const double cell = usableCell(view.cell);
    // Column n spans x from (n - left) cell to (n + 1 - left) cell, row z y from (top - z) cell to
    // (top - z + 1) cell: inside when they overlap 0..width and 0..height.
    return {std::max(0, nucleons(std::floor(view.left))), std::min(maxN, nucleons(std::ceil(view.left + width / cell)) - 1),
            std::max(0, nucleons(std::floor(view.top - height / cell)) + 1), std::min(maxZ, nucleons(std::ceil(view.top)))};
}

int tickStep(double cell, double labelSpace)
{
    constexpr int kLargest = 1000000;
    if (!(cell > 0))
        return kLargest;
    for (int power = 1; power < kLargest; power *= 10)
        for (int times : {1, 2, 5})
            if (times * power * cell >= labelSpace)
                return times * power;
    return kLargest;
}

std::vector<MapTick> nTicks(const MapView& view, double length, int maxN, double labelSpace)
{
    const double cell = usableCell(view.cell);
    return axisTicks(cell, length, maxN, labelSpace, [&](int n) { return (n + 0.5 - view.left) * cell; });
}

std::vector<MapTick> zTicks(const MapView& view, double length, int maxZ, double labelSpace)
{
    const double cell = usableCell(view.cell);
    return axisTicks(cell, length, maxZ, labelSpace, [&](int z) { return (view.top - z + 0.5) * cell; });
}

} // namespace decay
