// The chart of nuclides painted whole into a 1200 x 800 image (every one of the 3,471 ground
// states; at most 16 ms), and zoomed in to 40 pixels a cell with names and the U-238 series drawn.
#include "model/nuclides/TableChain.h"
#include "ui/nuclides/NuclideMap.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

namespace {

const decay::NuclideTable& table()
{
    static const decay::NuclideTable shipped = [] {
        std::ifstream file(ATOMDRIFT_NUCLIDE_TABLE, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return *decay::parseNuclideTable(text.str()).table;
    }();
    return shipped;
}

void PaintChart(benchmark::State& bench)
{
    NuclideMap map(table());
    const QSize size(1200, 800);
    map.resize(size);
    const QSizeF area = map.area(size).size();
    map.setView(chart::whole(map.grid(), area));
    if (bench.range(0) > 0) {
        map.setView(decay::centredOn({40}, 146, 92, area.width(), area.height()));
        map.setChain(decay::chainFromTable(table(), "U-238", {.mostMembers = 40}).chain);
    }
    map.setColouring(bench.range(1) ? chart::Colouring::HalfLife : chart::Colouring::MainMode);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        QPainter painter(&image);
        map.paint(painter, size);
    }
}
BENCHMARK(PaintChart)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"zoomed", "halflife"})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
