#include "AtomsSession.h"

#include "model/common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace decay {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

std::uint32_t pixel(const PlotColor& color, PixelOrder order)
{
    const auto r = static_cast<std::uint32_t>(color.red), g = static_cast<std::uint32_t>(color.green),
               b = static_cast<std::uint32_t>(color.blue);
    return order == PixelOrder::Argb ? 0xFF000000u | r << 16 | g << 8 | b : 0xFF000000u | b << 16 | g << 8 | r;
}

// Patches are drawn in vermillion and bluish green, apart from the whole sample's black.
constexpr PlotColor kPatchColors[AtomsSession::kPatches] = {{213, 94, 0}, {0, 158, 115}};
constexpr const char* kSpreadNames[AtomsSession::kPatches] = {"Expected spread of patch 1", "Expected spread of patch 2"};

} // namespace

AtomLayout atomLayout(int atoms, int availableWidth, int availableHeight)
{
    if (atoms <= 0)
        return {};
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(atoms))));
    const int rows = (atoms + columns - 1) / columns;
    const int room = std::min(availableWidth, availableHeight);
    if (room < kSmallestAtomSquare)
        return {.columns = columns, .rows = rows, .cell = 0};
    return {.columns = columns, .rows = rows, .cell = std::max(1, std::min(availableWidth / columns, availableHeight / rows))};
}

AtomsSession::AtomsSession(AtomHistory history, std::uint64_t seed) : m_history(std::move(history)), m_field(m_history, seed)
{
}

void AtomsSession::setStep(int step)
{
    m_step = std::clamp(step, 0, std::max(m_history.steps, 0));
    if (m_field.atoms() == 0)
        m_step = 0;
}

PlotColor AtomsSession::patchColor(int which)
{
    return kPatchColors[static_cast<std::size_t>(std::clamp(which, 0, kPatches - 1))];
}

int AtomsSession::playedStep() const
{
    const int stride = std::max(1, (steps() + 10 * kPlayFrames - 1) / (10 * kPlayFrames));
    return std::min(m_step + stride, std::max(steps(), 0));
}

int AtomsSession::stepAt(double time) const
{
    const std::vector<double>& times = m_history.times;
    if (times.empty() || !std::isfinite(time))
        return 0;
    const auto after = std::lower_bound(times.begin(), times.end(), time);
    if (after == times.begin())
        return 0;
    if (after == times.end())
        return static_cast<int>(times.size()) - 1;
    const auto index = after - times.begin();
    return static_cast<int>(time - *(after - 1) < *after - time ? index - 1 : index);
}

void AtomsSession::paint(const AtomLayout& layout, std::span<std::uint32_t> pixels, PixelOrder order) const
{
    const auto width = static_cast<std::size_t>(layout.width()), height = static_cast<std::size_t>(layout.height());
    if (layout.cell <= 0 || pixels.size() < width * height)
        return;
    std::fill(pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(width * height), kWhite);
    const int n = m_field.atoms();
    if (n == 0 || layout.columns * layout.rows < n)
        return;
    m_frame.resize(static_cast<std::size_t>(n));
    m_field.frame(m_step, m_frame);
    std::uint32_t colors[256];
    std::fill(std::begin(colors), std::end(colors), kWhite);
    for (std::size_t s = 0; s < m_history.colors.size() && s < 256; ++s)
        colors[s] = pixel(m_history.colors[s], order);
    const auto cell = static_cast<std::size_t>(layout.cell), columns = static_cast<std::size_t>(layout.columns);
    for (std::size_t row = 0; row * columns < static_cast<std::size_t>(n); ++row) {
        // One line of pixels of the row's cells, copied to the row's other lines.
        std::uint32_t* line = pixels.data() + row * cell * width;
        const std::size_t first = row * columns, last = std::min(first + columns, static_cast<std::size_t>(n));
        if (cell == 1)
            for (std::size_t a = first; a < last; ++a)
                line[a - first] = colors[m_frame[a]];
        else
            for (std::size_t a = first; a < last; ++a)
                std::fill_n(line + (a - first) * cell, cell, colors[m_frame[a]]);
        for (std::size_t y = 1; y < cell; ++y)
            std::copy_n(line, (last - first) * cell, line + y * width);
    }
}

std::vector<AtomsSession::LegendEntry> AtomsSession::legend() const
{
    std::vector<LegendEntry> entries;
    if (m_field.atoms() == 0)
        return entries;
    for (int s = 0; s < m_history.stateCount(); ++s) {
        std::int64_t most = 0;
        for (int t = 0; t <= m_history.steps; ++t)
            most = std::max(most, m_history.count(s, t));
        if (most > 0)
            entries.push_back({s, m_history.states[static_cast<std::size_t>(s)], m_history.colors[static_cast<std::size_t>(s)]});
    }
    return entries;
}

CellRectangle cellsInRectangle(const AtomLayout& layout, double x0, double y0, double x1, double y1)
{
    if (layout.cell <= 0 || !std::isfinite(x0 + y0 + x1 + y1))
        return {};
    const double cell = layout.cell;
    // The cells whose centres (c + 1/2) cell lie between the corners.
    const auto first = [&](double a, double b, int count) { return static_cast<int>(std::clamp(std::ceil(std::min(a, b) / cell - 0.5), 0.0, 1.0 * count)); };
    const auto last = [&](double a, double b, int count) { return static_cast<int>(std::clamp(std::floor(std::max(a, b) / cell - 0.5), -1.0, count - 1.0)); };
    return {first(x0, x1, layout.columns), first(y0, y1, layout.rows), last(x0, x1, layout.columns), last(y0, y1, layout.rows)};
}

std::vector<std::uint32_t> AtomsSession::atomsInRectangle(const AtomLayout& layout, double x0, double y0, double x1, double y1) const
{
    std::vector<std::uint32_t> inside;
    const CellRectangle cells = cellsInRectangle(layout, x0, y0, x1, y1);
    if (cells.empty())
        return inside;
    for (std::int64_t r = cells.firstRow; r <= cells.lastRow; ++r)
        for (std::int64_t c = cells.firstColumn; c <= cells.lastColumn; ++c) {
            const std::int64_t atom = r * layout.columns + c;
            if (atom < m_field.atoms())
                inside.push_back(static_cast<std::uint32_t>(atom));
        }
    return inside;
}

std::vector<std::uint32_t> AtomsSession::atomsInOutline(const AtomLayout& layout, std::span<const double> x, std::span<const double> y) const
{
    std::vector<std::uint32_t> inside;
    const std::size_t corners = std::min(x.size(), y.size());
    if (layout.cell <= 0 || corners < 3)
        return inside;
    for (std::size_t i = 0; i < corners; ++i)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            return inside;
    // Row by row: where the outline's edges cross the line through the cells' centres, and the
    // cells between each pair of crossings.
    std::vector<double> crossings;
    for (int r = 0; r < layout.rows; ++r) {
        const double yc = (r + 0.5) * layout.cell;
        crossings.clear();
        for (std::size_t i = 0, j = corners - 1; i < corners; j = i++)
            if ((y[i] > yc) != (y[j] > yc))
                crossings.push_back(x[j] + (yc - y[j]) * (x[i] - x[j]) / (y[i] - y[j]));
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const double c0 = std::max(0.0, std::ceil(crossings[k] / layout.cell - 0.5));
            const double c1 = std::min(layout.columns - 1.0, std::floor(crossings[k + 1] / layout.cell - 0.5));
            for (double c = c0; c <= c1; ++c) {
                const double atom = static_cast<double>(r) * layout.columns + c;
                if (atom < m_field.atoms())
                    inside.push_back(static_cast<std::uint32_t>(atom));
            }
        }
    }
    return inside;
}

void AtomsSession::setPatch(int which, std::vector<std::uint32_t> atoms)
{
    if (which < 0 || which >= kPatches)
        return;
    auto& curve = m_patches[static_cast<std::size_t>(which)];
    curve.reset();
    std::erase_if(atoms, [&](std::uint32_t atom) { return atom >= static_cast<std::uint32_t>(m_field.atoms()); });
    std::sort(atoms.begin(), atoms.end());
    atoms.erase(std::unique(atoms.begin(), atoms.end()), atoms.end());
    m_patchAtoms[static_cast<std::size_t>(which)] = std::move(atoms);
    const std::vector<std::uint32_t>& chosen = m_patchAtoms[static_cast<std::size_t>(which)];
    if (chosen.empty())
        return;
    PatchCurve patch;
    patch.size = static_cast<int>(chosen.size());
    patch.counts = m_field.countsIn(chosen, m_history.tracked);
    patch.start = static_cast<int>(patch.counts.front());
    const double all = static_cast<double>(m_history.count(m_history.tracked, 0));
    const double k = patch.start;
    for (int t = 0; t <= m_history.steps; ++t) {
        const double p = static_cast<double>(m_history.count(m_history.tracked, t)) / all;
        patch.whole.push_back(p);
        if (patch.start == 0)
            continue;
        patch.fraction.push_back(static_cast<double>(patch.counts[static_cast<std::size_t>(t)]) / k);
        const double finite = all > 1 ? (all - k) / (all - 1) : 0;
        const double spread = std::sqrt(std::max(p * (1 - p) / k * finite, 0.0));
        // A fraction of atoms stays within 0 and 1, and so does its band.
        patch.low.push_back(std::max(p - spread, 0.0));
        patch.high.push_back(std::min(p + spread, 1.0));
    }
    curve = std::move(patch);
}

void AtomsSession::setDetector(std::vector<std::uint32_t> atoms)
{
    m_detector.reset();
    std::erase_if(atoms, [&](std::uint32_t atom) { return atom >= static_cast<std::uint32_t>(m_field.atoms()); });
    std::sort(atoms.begin(), atoms.end());
    atoms.erase(std::unique(atoms.begin(), atoms.end()), atoms.end());
    if (atoms.empty())
        return;
    DetectorCounts counts;
    counts.covered = static_cast<int>(atoms.size());
    counts.efficiency = static_cast<double>(atoms.size()) / m_field.atoms();
    counts.counts = m_field.decaysOf(atoms);
    counts.all.assign(static_cast<std::size_t>(m_history.steps) + 1, 0);
    // Every move of the run is its atoms' decays on the way.
    for (const AtomFlow& flow : m_history.flows)
        counts.all[static_cast<std::size_t>(flow.step)] += flow.atoms * flow.decays;
    m_detector = std::move(counts);
}

Plot AtomsSession::plot() const
{
    Plot plot{.context = "ModelText"};
    plot.title = {"Atoms left, each as a fraction of its start"};
    plot.yTitle = {"N(t) / N(0)"};
    plot.xTitle = m_history.timeInSteps ? Message{"Time (steps)"} : said("Time (%1)", unitValue(m_history.unitSymbol));
    if (m_field.atoms() == 0)
        return plot;
    const std::vector<double>& times = m_history.times;
    std::vector<double> whole;
    const double all = static_cast<double>(m_history.count(m_history.tracked, 0));
    for (int t = 0; t <= m_history.steps; ++t)
        whole.push_back(static_cast<double>(m_history.count(m_history.tracked, t)) / all);
    for (int i = 0; i < kPatches; ++i) {
        const auto& patch = m_patches[static_cast<std::size_t>(i)];
        if (!patch || patch->start == 0)
            continue;
        PlotColor pale = kPatchColors[i];
        pale.alpha = 60;
        plot.layers.push_back({.name = {kSpreadNames[i]}, .color = pale, .kind = PlotLayer::Kind::Band,
                               .lines = {{.x = times, .y = patch->low}, {.x = times, .y = patch->high}}});
        plot.layers.push_back({.name = said("Patch %1: %2 atoms", i + 1, wholeValue(patch->start)), .color = kPatchColors[i],
                               .width = 1.5, .lines = {{.x = times, .y = patch->fraction}}});
    }
    plot.layers.push_back({.name = said("Whole sample: %1 atoms", wholeValue(all)), .color = {0, 0, 0}, .width = 2,
                           .lines = {{.x = times, .y = std::move(whole)}}});
    const double now = times[static_cast<std::size_t>(m_step)];
    plot.layers.push_back({.name = {"Now"}, .color = {90, 90, 90}, .kind = PlotLayer::Kind::Mark, .width = 1,
                           .lines = {{.x = {now, now}, .y = {0, 1}}}, .inLegend = false});
    return plot;
}

Message AtomsSession::text() const
{
    if (m_field.atoms() == 0)
        return m_field.refusal().empty() ? Message{"The run has no atoms to show."} : m_field.refusal();
    const int tracked = m_history.tracked;
    const double time = m_history.times[static_cast<std::size_t>(m_step)];
    const auto left = wholeValue(static_cast<double>(m_history.count(tracked, m_step)));
    const auto start = wholeValue(static_cast<double>(m_history.count(tracked, 0)));
    const bool halves = m_history.halfLife > 0 && std::isfinite(m_history.halfLife);
    // Two digits, rounded here, so that the English text says what the windows show.
    const double elapsed = halves ? time / m_history.halfLife : 0;
    const double place = std::pow(10.0, leadingPower(elapsed, 2) - 1);
    const auto halfLives = numberValue(std::round(elapsed / place) * place, 2);
    Message text;
    if (m_history.timeInSteps)
        text = halves ? said("t = %1: %2 of %3 atoms left, %4 half-lives", numberValue(time, 6), left, start, halfLives)
                      : said("t = %1: %2 of %3 atoms left", numberValue(time, 6), left, start);
    else {
        const MessageValue name = sentenceValue(m_history.states[static_cast<std::size_t>(tracked)], "ModelText");
        text = halves ? said("t = %1 %2: %3 of %4 atoms of %5 left, %6 half-lives", numberValue(time, 4),
                             unitValue(m_history.unitSymbol), left, start, name, halfLives)
                      : said("t = %1 %2: %3 of %4 atoms of %5 left", numberValue(time, 4), unitValue(m_history.unitSymbol), left, start, name);
    }
    const int patches = static_cast<int>(m_patches[0].has_value()) + static_cast<int>(m_patches[1].has_value());
    for (int i = 0; i < kPatches; ++i) {
        const auto& patch = m_patches[static_cast<std::size_t>(i)];
        if (!patch)
            continue;
        const auto now = wholeValue(static_cast<double>(patch->counts[static_cast<std::size_t>(m_step)]));
        text = patches == 1 ? said("%1; patch: %2 of %3", sentenceValue(text, "ModelText"), now, wholeValue(patch->start))
                            : said("%1; patch %2: %3 of %4", sentenceValue(text, "ModelText"), i + 1, now, wholeValue(patch->start));
    }
    if (m_detector)
        text = said("%1; detector: %2 decays in this step, efficiency %3 %", sentenceValue(text, "ModelText"),
                    wholeValue(static_cast<double>(m_detector->counts[static_cast<std::size_t>(m_step)])),
                    numberValue(100 * m_detector->efficiency, 3));
    return text;
}

} // namespace decay
