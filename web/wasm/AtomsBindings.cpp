// The atoms of a random run one by one: opened on the designed run, a run of the class or the
// nuclide lab's run, the square painted into the module's memory for the page's canvas, jumps in
// time, patches, a detector frame, the chart and the text. The page holds one view of atoms.

#include "Bindings.h"
#include "ExperimentBindings.h"
#include "LabBindings.h"
#include "PlotBindings.h"
#include "RunBindings.h"

#include "model/atoms/AtomsSession.h"

#include <emscripten/bind.h>

#include <cstdint>
#include <vector>

namespace web {
namespace {

struct Atoms {
    decay::AtomsSession session;
    std::vector<std::uint32_t> pixels;
};

Atoms& atoms()
{
    static Atoms view;
    return view;
}

// {atoms, steps, refusal}: the refusal null when there are atoms to show.
val open(decay::AtomHistory history, const std::string& seedText)
{
    atoms().session = decay::AtomsSession(std::move(history), seed(seedText));
    val result = val::object();
    result.set("atoms", atoms().session.atoms());
    result.set("steps", atoms().session.steps());
    const decay::Message& refusal = atoms().session.refusal();
    result.set("refusal", refusal.empty() ? val::null() : message(refusal));
    return result;
}

val openRunAtoms(const val& texts, const std::string& seedText) { return open(decay::atomsOfRun(runState(), runTexts(texts)), seedText); }
val openExperimentAtoms(double run, const std::string& seedText)
{
    return open(decay::atomsOfExperiment(classEnsemble(), whole(run, -1)), seedText);
}
val openLabAtoms(const std::string& seedText)
{
    const auto& run = labSession().result();
    return open(decay::atomsOfLab(run ? &*run : nullptr), seedText);
}

decay::AtomLayout layout(double width, double height)
{
    return decay::atomLayout(atoms().session.atoms(), clamped<int>(width, 0), clamped<int>(height, 0));
}

// {columns, rows, cell, width, height} for a square in a room of width x height pixels; cell 0
// when the room is too small.
val atomsLayout(double width, double height)
{
    const decay::AtomLayout place = layout(width, height);
    val result = val::object();
    result.set("columns", place.columns);
    result.set("rows", place.rows);
    result.set("cell", place.cell);
    result.set("width", place.width());
    result.set("height", place.height());
    return result;
}

// The step now, kept within the run's; returns it.
int setAtomsStep(double step)
{
    atoms().session.setStep(clamped<int>(step, 0));
    return atoms().session.step();
}
int atomsStepAt(double time) { return atoms().session.stepAt(time); }
int atomsPlayedStep() { return atoms().session.playedStep(); }
int atomsPlayFrames() { return decay::AtomsSession::kPlayFrames; }
std::string atomsPatchColor(int which) { return cssColor(decay::AtomsSession::patchColor(which)); }

// The square at the current step as RGBA bytes, a view of the module's memory that the page
// copies into its image at once (the next frame overwrites it); empty when nothing can be shown.
val atomsFrame(double width, double height)
{
    const decay::AtomLayout place = layout(width, height);
    std::vector<std::uint32_t>& pixels = atoms().pixels;
    pixels.assign(static_cast<std::size_t>(place.width()) * static_cast<std::size_t>(place.height()), 0);
    atoms().session.paint(place, pixels, decay::PixelOrder::Rgba);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pixels.data());
    return val(emscripten::typed_memory_view(pixels.size() * 4, bytes));
}

// [{state, name, color}] of the states that ever hold atoms.
val atomsLegend()
{
    val list = val::array();
    for (const auto& entry : atoms().session.legend()) {
        val item = val::object();
        item.set("state", entry.state);
        item.set("name", message(entry.name));
        item.set("color", cssColor(entry.color));
        list.call<void>("push", item);
    }
    return list;
}

// A patch (0 or 1) of the atoms between two corners, or inside an outline of x and y lists, in
// the pixels of the square laid out in width x height; returns its atoms.
int setAtomsPatch(double which, double x0, double y0, double x1, double y1, double width, double height)
{
    const decay::AtomLayout place = layout(width, height);
    atoms().session.setPatch(whole(which, -1), atoms().session.atomsInRectangle(place, x0, y0, x1, y1));
    const auto& patch = atoms().session.patch(whole(which, -1) == 1 ? 1 : 0);
    return patch ? patch->size : 0;
}
int setAtomsPatchOutline(double which, const val& x, const val& y, double width, double height)
{
    constexpr std::size_t kMostCorners = 100000;
    const std::vector<double> xs = numberList<double>(x, kMostCorners), ys = numberList<double>(y, kMostCorners);
    atoms().session.setPatch(whole(which, -1), atoms().session.atomsInOutline(layout(width, height), xs, ys));
    const auto& patch = atoms().session.patch(whole(which, -1) == 1 ? 1 : 0);
    return patch ? patch->size : 0;
}
void clearAtomsPatch(double which) { atoms().session.setPatch(whole(which, -1), {}); }

// {left, top, right, bottom}: the edges, in the square's pixels, of the cells a rectangle between
// two corners takes, which the page outlines; null when it takes none.
val atomsCells(double x0, double y0, double x1, double y1, double width, double height)
{
    const decay::AtomLayout place = layout(width, height);
    const decay::CellRectangle cells = decay::cellsInRectangle(place, x0, y0, x1, y1);
    if (cells.empty())
        return val::null();
    val edges = val::object();
    edges.set("left", cells.left(place.cell));
    edges.set("top", cells.top(place.cell));
    edges.set("right", cells.right(place.cell));
    edges.set("bottom", cells.bottom(place.cell));
    return edges;
}

// The detector frame between two corners; returns its efficiency, 0 when it covers no atom.
double setAtomsDetector(double x0, double y0, double x1, double y1, double width, double height)
{
    atoms().session.setDetector(atoms().session.atomsInRectangle(layout(width, height), x0, y0, x1, y1));
    const auto& detector = atoms().session.detector();
    return detector ? detector->efficiency : 0;
}
void clearAtomsDetector() { atoms().session.setDetector({}); }

val atomsPlot() { return plotValue(atoms().session.plot()); }
decay::Message atomsText() { return atoms().session.text(); }

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(decay_atoms)
{
    using namespace emscripten;
    function("openRunAtoms", &web::openRunAtoms);
    function("openExperimentAtoms", &web::openExperimentAtoms);
    function("openLabAtoms", &web::openLabAtoms);
    function("atomsLayout", &web::atomsLayout);
    function("setAtomsStep", &web::setAtomsStep);
    function("atomsStepAt", &web::atomsStepAt);
    function("atomsPlayedStep", &web::atomsPlayedStep);
    function("atomsPlayFrames", &web::atomsPlayFrames);
    function("atomsPatchColor", &web::atomsPatchColor);
    function("atomsFrame", &web::atomsFrame);
    function("atomsLegend", &web::atomsLegend);
    function("setAtomsPatch", &web::setAtomsPatch);
    function("setAtomsPatchOutline", &web::setAtomsPatchOutline);
    function("clearAtomsPatch", &web::clearAtomsPatch);
    function("atomsCells", &web::atomsCells);
    function("setAtomsDetector", &web::setAtomsDetector);
    function("clearAtomsDetector", &web::clearAtomsDetector);
    function("atomsPlot", &web::atomsPlot);
    function("atomsText", &web::atomsText);
}
