#include "model/nuclides/MapView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

using decay::MapView;

// U-238 has N = 146, Z = 92; the chart of NUBASE2020 runs to Z = 118 (Og) and N = 177 (Nh-290).
constexpr int kMaxN = 177, kMaxZ = 118;

void expectView(const MapView& actual, const MapView& expected)
{
    EXPECT_DOUBLE_EQ(actual.cell, expected.cell);
    EXPECT_DOUBLE_EQ(actual.left, expected.left);
    EXPECT_DOUBLE_EQ(actual.top, expected.top);
}

// A view of 10 pixels a cell with N = -1 at the left edge and Z = 120 at the top puts U-238's cell
// at x = (146 + 1) 10 = 1470, y = (120 - 92) 10 = 280; a point keeps its cell under a zoom.
TEST(MapView, CellsAndPointsMeetAndAZoomKeepsThePointUnderTheCursor)
{
    const MapView view{10, -1, 120};
    const decay::MapRect u238 = decay::cellRect(146, 92, view);
    EXPECT_EQ(std::make_tuple(u238.x, u238.y, u238.size), std::make_tuple(1470.0, 280.0, 10.0));
    for (const auto& [x, y, n, z] : {std::tuple{1475.0, 285.0, 146, 92}, std::tuple{1470.01, 280.01, 146, 92},
                                      std::tuple{1469.99, 289.99, 145, 92}, std::tuple{1479.99, 290.01, 146, 91}}) {
        const decay::MapCell cell = decay::cellAt(x, y, view);
        EXPECT_EQ(std::make_pair(cell.n, cell.z), std::make_pair(n, z)) << x << ", " << y;
    }
    // Twice as large about U-238's middle, N 146.5 and Z 91.5: left = 146.5 - 1475 / 20, top = 91.5 + 285 / 20.
    const MapView closer = decay::zoomed(view, 2, 1475, 285);
    expectView(closer, {20, 72.75, 105.75});
    const decay::MapRect after = decay::cellRect(146, 92, closer);
    EXPECT_EQ(std::make_pair(after.x + 10, after.y + 10), std::make_pair(1475.0, 285.0));
    // Bounded to 1..80 pixels; a factor that is no number changes nothing, and no point is beyond an int.
    EXPECT_EQ(decay::zoomed(view, 1e3, 0, 0).cell, 80.0);
    EXPECT_EQ(decay::zoomed(view, 1e-3, 0, 0).cell, 1.0);
    for (double factor : {0.0, -2.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        expectView(decay::zoomed(view, factor, 5, 5), view);
    const decay::MapCell far = decay::cellAt(1e300, -1e300, {0, 0, 0});
    EXPECT_EQ(std::make_pair(far.n, far.z), std::make_pair(1000000, 1000000));
    // An axis of 10^300 pixels to the largest int: numbers up to 1000, no nucleus has more.
    constexpr int kHuge = std::numeric_limits<int>::max();
    EXPECT_EQ(decay::nTicks({1, 0, 0}, 1e300, kHuge, 0).size(), 1001u);
    EXPECT_EQ(decay::wholeMap(kHuge, kHuge, 1e300, 1e300).cell, 80.0);
}

// The default at an area of 1868 x 812 pixels (the chart window maximised on a 1920 x 1080 screen
// leaves about that): 32-pixel cells, where the whole chart would get min(1868 / 180, 812 / 121)
// = 6.7; U-238's middle, N 146.5 and Z 91.5, at (934, 406): left = 146.5 - 934 / 32, top = 91.5 + 406 / 32.
TEST(MapView, OpensOnTheUsersNuclideInLegibleCellsAndKeepsItInTheMiddle)
{
    const MapView opened = decay::defaultMapView(146, 92, 1868, 812);
    expectView(opened, {32, 117.3125, 104.1875});
    EXPECT_GE(opened.cell, 8);
    EXPECT_LT(decay::wholeMap(kMaxN, kMaxZ, 1868, 812).cell, 8);
    // Any zoom, any area: the cell's middle at the area's, within half a cell.
    for (const auto& [cell, width, height] : {std::tuple{1.0, 1868.0, 812.0}, std::tuple{7.3, 370.0, 420.0}, std::tuple{80.0, 301.0, 199.0}}) {
        const MapView centred = decay::centredOn({cell, 3, 4}, 146, 92, width, height);
        const decay::MapRect u238 = decay::cellRect(146, 92, centred);
        EXPECT_EQ(centred.cell, cell);
        EXPECT_NEAR(u238.x + cell / 2, width / 2, cell / 2 * 1e-9);
        EXPECT_NEAR(u238.y + cell / 2, height / 2, cell / 2 * 1e-9);
    }
    // Half the area: the same N and Z in the middle, left + 934 / 64 and top - 406 / 64.
    expectView(decay::resized(opened, 1868, 812, 934, 406), {32, 131.90625, 97.84375});
}

// 180 x 121 cells (the chart and one to spare on every side) in 1800 x 605 pixels: 5 pixels a
// cell, the 178 columns 445 pixels from either edge: left = 89 - 1800 / 10, top = 58.5 + 605 / 10.
TEST(MapView, TheWholeChartFillsAsMuchOfItsAreaAsItCanAndSitsInTheMiddle)
{
    const MapView whole = decay::wholeMap(kMaxN, kMaxZ, 1800, 605);
    expectView(whole, {5, -91, 119});
    EXPECT_EQ(decay::cellRect(0, 0, whole).y + 5, 600.0);
    EXPECT_EQ(decay::cellRect(kMaxN, 0, whole).x + 5, 1800 - 455.0);
    EXPECT_EQ(decay::wholeMap(kMaxN, kMaxZ, 0, 0).cell, 1.0);
}

// Column n spans x from (n - left) cell, row z y from (top - z) cell.
TEST(MapView, ShowsTheCellsPartlyInside)
{
    const auto range = [](const MapView& view, double width, double height) {
        const decay::MapRange r = decay::shownRange(view, width, height, kMaxN, kMaxZ);
        return std::make_tuple(r.firstN, r.lastN, r.firstZ, r.lastZ);
    };
    // Column 28 spans x 290..300 and row 101 y 190..200; column 29 and row 100 begin at the edges.
    EXPECT_EQ(range({10, -1, 120}, 300, 200), std::make_tuple(0, 28, 101, 118));
    // Half cells at every edge: column 0 at x -5..5, 30 at 295..305; row 101 at y -5..5, 81 at 195..205.
    EXPECT_EQ(range({10, 0.5, 100.5}, 300, 200), std::make_tuple(0, 30, 81, 101));
    EXPECT_EQ(range({10, 500, -50}, 300, 200), std::make_tuple(500, kMaxN, 0, -50)); // nothing shown
}

// 10-pixel cells and labels 26 pixels apart: a step of 5 (2 cells would be 20 pixels). Along 300
// pixels from N = -1, N has its label's middle at (N + 1.5) 10: the magic 2, 8 and 20 at 35, 95 and
// 215 first (28's label would end at 308); then 5 at 65, 15 at 165 and 25 at 265, while 0 and 10
// come within 20 pixels of 2 and 8.
TEST(MapView, AxisNumbersAtAReadableStepWithTheMagicNumbers)
{
    std::vector<std::tuple<int, double, bool>> ticks;
    for (const decay::MapTick& tick : decay::nTicks({10, -1, 120}, 300, kMaxN, 26))
        ticks.emplace_back(tick.value, tick.at, tick.magic);
    EXPECT_EQ(ticks, (std::vector<std::tuple<int, double, bool>>{
                         {2, 35, true}, {5, 65, false}, {8, 95, true}, {15, 165, false}, {20, 215, true}, {25, 265, false}}));
    for (const auto& [cell, space, step] : {std::tuple{32.0, 26.0, 1}, std::tuple{10.0, 26.0, 5}, std::tuple{2.2, 26.0, 20},
                                             std::tuple{1.0, 26.0, 50}, std::tuple{6.71, 16.0, 5}, std::tuple{0.0, 16.0, 1000000}})
        EXPECT_EQ(decay::tickStep(cell, space), step) << cell;
}

// At every zoom from 1 to 80 pixels, around U-238 and over the whole chart: labels 26 pixels wide
// on N and 16 high on Z never meet, lie inside the axis, come in order, and are magic numbers or
// multiples of the step; every magic number shown is labelled unless another magic label is near.
TEST(MapView, AxisLabelsNeverOverlapAtAnyZoom)
{
    constexpr double kWidth = 1868, kHeight = 812;
    for (double cell = 1; cell <= 80; cell += 0.25) {
        for (const MapView& view : {decay::centredOn({cell}, 146, 92, kWidth, kHeight), decay::centredOn({cell}, 20, 20, kWidth, kHeight)}) {
            for (const auto& [ticks, length, space] :
                 {std::tuple{decay::nTicks(view, kWidth, kMaxN, 26), kWidth, 26.0}, std::tuple{decay::zTicks(view, kHeight, kMaxZ, 16), kHeight, 16.0}}) {
                const int step = decay::tickStep(cell, space);
                for (std::size_t i = 0; i < ticks.size(); ++i) {
                    const decay::MapTick& tick = ticks[i];
                    EXPECT_GE(tick.at - space / 2, 0) << cell;
                    EXPECT_LE(tick.at + space / 2, length) << cell;
                    EXPECT_TRUE(tick.magic || tick.value % step == 0) << cell << " " << tick.value;
                    if (i > 0) {
                        EXPECT_GT(tick.value, ticks[i - 1].value);
                        EXPECT_GE(std::fabs(tick.at - ticks[i - 1].at), space) << cell << " " << tick.value;
                    }
                }
                for (int magic : decay::kMagicNumbers) {
                    const double at = length == kWidth ? (magic + 0.5 - view.left) * view.cell : (view.top - magic + 0.5) * view.cell;
                    const bool inside = magic <= (length == kWidth ? kMaxN : kMaxZ) && at >= space / 2 && at <= length - space / 2;
                    bool labelled = false, crowded = false;
                    for (const decay::MapTick& tick : ticks) {
                        labelled = labelled || (tick.value == magic && tick.magic);
                        crowded = crowded || (tick.magic && tick.value != magic && std::fabs(tick.at - at) < space);
                    }
                    EXPECT_TRUE(!inside || labelled || crowded) << cell << " " << magic;
                }
            }
        }
    }
}

} // namespace
