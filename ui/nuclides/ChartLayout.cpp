#include "ChartLayout.h"

#include "model/common/Conversions.h"
#include "model/nuclides/DecayModes.h"
#include "model/nuclides/Elements.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace chart {
namespace {

// The names of the elements (and the neutron), for lupdate; the model keeps them in English.
[[maybe_unused]] const char* const kElementNames[] = {
    QT_TRANSLATE_NOOP("Element", "Neutron"), QT_TRANSLATE_NOOP("Element", "Hydrogen"),
    QT_TRANSLATE_NOOP("Element", "Helium"), QT_TRANSLATE_NOOP("Element", "Lithium"),
    QT_TRANSLATE_NOOP("Element", "Beryllium"), QT_TRANSLATE_NOOP("Element", "Boron"),
    QT_TRANSLATE_NOOP("Element", "Carbon"), QT_TRANSLATE_NOOP("Element", "Nitrogen"),
    QT_TRANSLATE_NOOP("Element", "Oxygen"), QT_TRANSLATE_NOOP("Element", "Fluorine"),
    QT_TRANSLATE_NOOP("Element", "Neon"), QT_TRANSLATE_NOOP("Element", "Sodium"),
    QT_TRANSLATE_NOOP("Element", "Magnesium"), QT_TRANSLATE_NOOP("Element", "Aluminium"),
    QT_TRANSLATE_NOOP("Element", "Silicon"), QT_TRANSLATE_NOOP("Element", "Phosphorus"),
    QT_TRANSLATE_NOOP("Element", "Sulfur"), QT_TRANSLATE_NOOP("Element", "Chlorine"),
    QT_TRANSLATE_NOOP("Element", "Argon"), QT_TRANSLATE_NOOP("Element", "Potassium"),
    QT_TRANSLATE_NOOP("Element", "Calcium"), QT_TRANSLATE_NOOP("Element", "Scandium"),
    QT_TRANSLATE_NOOP("Element", "Titanium"), QT_TRANSLATE_NOOP("Element", "Vanadium"),
    QT_TRANSLATE_NOOP("Element", "Chromium"), QT_TRANSLATE_NOOP("Element", "Manganese"),
    QT_TRANSLATE_NOOP("Element", "Iron"), QT_TRANSLATE_NOOP("Element", "Cobalt"),
    QT_TRANSLATE_NOOP("Element", "Nickel"), QT_TRANSLATE_NOOP("Element", "Copper"),
    QT_TRANSLATE_NOOP("Element", "Zinc"), QT_TRANSLATE_NOOP("Element", "Gallium"),
    QT_TRANSLATE_NOOP("Element", "Germanium"), QT_TRANSLATE_NOOP("Element", "Arsenic"),
    QT_TRANSLATE_NOOP("Element", "Selenium"), QT_TRANSLATE_NOOP("Element", "Bromine"),
    QT_TRANSLATE_NOOP("Element", "Krypton"), QT_TRANSLATE_NOOP("Element", "Rubidium"),
    QT_TRANSLATE_NOOP("Element", "Strontium"), QT_TRANSLATE_NOOP("Element", "Yttrium"),
    QT_TRANSLATE_NOOP("Element", "Zirconium"), QT_TRANSLATE_NOOP("Element", "Niobium"),
    QT_TRANSLATE_NOOP("Element", "Molybdenum"), QT_TRANSLATE_NOOP("Element", "Technetium"),
    QT_TRANSLATE_NOOP("Element", "Ruthenium"), QT_TRANSLATE_NOOP("Element", "Rhodium"),
    QT_TRANSLATE_NOOP("Element", "Palladium"), QT_TRANSLATE_NOOP("Element", "Silver"),
    QT_TRANSLATE_NOOP("Element", "Cadmium"), QT_TRANSLATE_NOOP("Element", "Indium"),
    QT_TRANSLATE_NOOP("Element", "Tin"), QT_TRANSLATE_NOOP("Element", "Antimony"),
    QT_TRANSLATE_NOOP("Element", "Tellurium"), QT_TRANSLATE_NOOP("Element", "Iodine"),
    QT_TRANSLATE_NOOP("Element", "Xenon"), QT_TRANSLATE_NOOP("Element", "Caesium"),
    QT_TRANSLATE_NOOP("Element", "Barium"), QT_TRANSLATE_NOOP("Element", "Lanthanum"),
    QT_TRANSLATE_NOOP("Element", "Cerium"), QT_TRANSLATE_NOOP("Element", "Praseodymium"),
    QT_TRANSLATE_NOOP("Element", "Neodymium"), QT_TRANSLATE_NOOP("Element", "Promethium"),
    QT_TRANSLATE_NOOP("Element", "Samarium"), QT_TRANSLATE_NOOP("Element", "Europium"),
    QT_TRANSLATE_NOOP("Element", "Gadolinium"), QT_TRANSLATE_NOOP("Element", "Terbium"),
    QT_TRANSLATE_NOOP("Element", "Dysprosium"), QT_TRANSLATE_NOOP("Element", "Holmium"),
    QT_TRANSLATE_NOOP("Element", "Erbium"), QT_TRANSLATE_NOOP("Element", "Thulium"),
    QT_TRANSLATE_NOOP("Element", "Ytterbium"), QT_TRANSLATE_NOOP("Element", "Lutetium"),
    QT_TRANSLATE_NOOP("Element", "Hafnium"), QT_TRANSLATE_NOOP("Element", "Tantalum"),
    QT_TRANSLATE_NOOP("Element", "Tungsten"), QT_TRANSLATE_NOOP("Element", "Rhenium"),
    QT_TRANSLATE_NOOP("Element", "Osmium"), QT_TRANSLATE_NOOP("Element", "Iridium"),
    QT_TRANSLATE_NOOP("Element", "Platinum"), QT_TRANSLATE_NOOP("Element", "Gold"),
    QT_TRANSLATE_NOOP("Element", "Mercury"), QT_TRANSLATE_NOOP("Element", "Thallium"),
    QT_TRANSLATE_NOOP("Element", "Lead"), QT_TRANSLATE_NOOP("Element", "Bismuth"),
    QT_TRANSLATE_NOOP("Element", "Polonium"), QT_TRANSLATE_NOOP("Element", "Astatine"),
    QT_TRANSLATE_NOOP("Element", "Radon"), QT_TRANSLATE_NOOP("Element", "Francium"),
    QT_TRANSLATE_NOOP("Element", "Radium"), QT_TRANSLATE_NOOP("Element", "Actinium"),
    QT_TRANSLATE_NOOP("Element", "Thorium"), QT_TRANSLATE_NOOP("Element", "Protactinium"),
    QT_TRANSLATE_NOOP("Element", "Uranium"), QT_TRANSLATE_NOOP("Element", "Neptunium"),
    QT_TRANSLATE_NOOP("Element", "Plutonium"), QT_TRANSLATE_NOOP("Element", "Americium"),
    QT_TRANSLATE_NOOP("Element", "Curium"), QT_TRANSLATE_NOOP("Element", "Berkelium"),
    QT_TRANSLATE_NOOP("Element", "Californium"), QT_TRANSLATE_NOOP("Element", "Einsteinium"),
    QT_TRANSLATE_NOOP("Element", "Fermium"), QT_TRANSLATE_NOOP("Element", "Mendelevium"),
    QT_TRANSLATE_NOOP("Element", "Nobelium"), QT_TRANSLATE_NOOP("Element", "Lawrencium"),
    QT_TRANSLATE_NOOP("Element", "Rutherfordium"), QT_TRANSLATE_NOOP("Element", "Dubnium"),
    QT_TRANSLATE_NOOP("Element", "Seaborgium"), QT_TRANSLATE_NOOP("Element", "Bohrium"),
    QT_TRANSLATE_NOOP("Element", "Hassium"), QT_TRANSLATE_NOOP("Element", "Meitnerium"),
    QT_TRANSLATE_NOOP("Element", "Darmstadtium"), QT_TRANSLATE_NOOP("Element", "Roentgenium"),
    QT_TRANSLATE_NOOP("Element", "Copernicium"), QT_TRANSLATE_NOOP("Element", "Nihonium"),
    QT_TRANSLATE_NOOP("Element", "Flerovium"), QT_TRANSLATE_NOOP("Element", "Moscovium"),
    QT_TRANSLATE_NOOP("Element", "Livermorium"), QT_TRANSLATE_NOOP("Element", "Tennessine"),
    QT_TRANSLATE_NOOP("Element", "Oganesson"),
};

} // namespace

QString elementText(int z)
{
    return QCoreApplication::translate("Element", decay::elementName(z).data());
}

Grid::Grid(const decay::NuclideTable& table)
    : m_table(table)
{
    for (const decay::Nuclide& nuclide : table.nuclides) {
        m_maxN = std::max(m_maxN, nuclide.a - nuclide.z);
        m_maxZ = std::max(m_maxZ, nuclide.z);
    }
    m_byNZ.assign(static_cast<std::size_t>((m_maxN + 1) * (m_maxZ + 1)), -1);
    for (std::size_t i = 0; i < table.nuclides.size(); ++i) {
        const decay::Nuclide& nuclide = table.nuclides[i];
        if (nuclide.state != 0)
            continue;
        m_byNZ[static_cast<std::size_t>(nuclide.z * (m_maxN + 1) + nuclide.a - nuclide.z)] = static_cast<int>(i);
        m_cells.push_back(static_cast<int>(i));
    }
}

int Grid::at(int n, int z) const
{
    if (n < 0 || z < 0 || n > m_maxN || z > m_maxZ)
        return -1;
    return m_byNZ[static_cast<std::size_t>(z * (m_maxN + 1) + n)];
}

std::vector<int> Grid::isomersOf(int ground) const
{
    std::vector<int> result;
    const decay::Nuclide& g = m_table.nuclides[static_cast<std::size_t>(ground)];
    // The evaluation lists a nuclide's isomers right after its ground state.
    for (std::size_t i = static_cast<std::size_t>(ground) + 1; i < m_table.nuclides.size(); ++i) {
        const decay::Nuclide& next = m_table.nuclides[i];
        if (next.z != g.z || next.a != g.a)
            break;
        result.push_back(static_cast<int>(i));
    }
    return result;
}

QRectF cellRect(int n, int z, const decay::MapView& view)
{
    const decay::MapRect cell = decay::cellRect(n, z, view);
    return {cell.x, cell.y, cell.size, cell.size};
}

std::pair<int, int> cellAt(QPointF point, const decay::MapView& view)
{
    const decay::MapCell cell = decay::cellAt(point.x(), point.y(), view);
    return {cell.n, cell.z};
}

decay::MapView zoomed(const decay::MapView& view, double factor, QPointF about)
{
    return decay::zoomed(view, factor, about.x(), about.y());
}

decay::MapView whole(const Grid& grid, QSizeF size)
{
    return decay::wholeMap(grid.maxN(), grid.maxZ(), size.width(), size.height());
}

namespace {

// Colours a reader of a printed chart knows them by: alpha yellow, beta minus blue, beta plus and
// electron capture red, fission green, proton emission orange, neutron emission violet.
QColor colorOfMode(std::string_view code)
{
    if (code == "A")
        return {250, 220, 40};
    if (code == "B-" || code == "2B-" || code.starts_with("B-"))
        return {70, 130, 230};
    if (code == "B+" || code == "EC" || code == "2B+" || code == "e+" || code.starts_with("B+"))
        return {230, 80, 80};
    if (code == "SF")
        return {60, 180, 90};
    if (code == "p" || code == "2p")
        return {245, 150, 50};
    if (code == "n" || code == "2n")
        return {160, 90, 200};
    if (code == "IT")
        return {250, 250, 250};
    return {170, 170, 170};
}

} // namespace

QColor modeColor(const decay::Nuclide& nuclide)
{
    return nuclide.stable() ? QColor(20, 20, 20) : colorOfMode(nuclide.mainMode());
}

QColor halfLifeColor(double seconds)
{
    if (seconds <= 0)
        return {20, 20, 20};
    // log10 of 1 ns is -9, of 10^17 s (3 Gy) 17: violet through blue, green and yellow to red.
    const double t = std::clamp((std::log10(seconds) + 9) / 26, 0.0, 1.0);
    return QColor::fromHsvF(static_cast<float>(0.78 * (1 - t)), 0.75f, 0.95f);
}

QColor cellColor(const decay::Nuclide& nuclide, Colouring colouring)
{
    return colouring == Colouring::MainMode ? modeColor(nuclide) : halfLifeColor(nuclide.halfLife);
}

const std::vector<std::string>& legendModes()
{
    static const std::vector<std::string> modes{"A", "B-", "B+", "SF", "p", "n", "IT"};
    return modes;
}

std::optional<std::string> findNuclide(const QString& text, const decay::NuclideTable& table,
                                       const std::function<QString(int z)>& elementName)
{
    // Letters and a mass number in either order, with "m" (or n, p...) after the number for an
    // isomer: "U-238", "238U", "uranium 238", "Tc 99m", "99mTc".
    static const QRegularExpression after(QStringLiteral(R"(^\s*([^\d\s\-]+)[\s\-]*(\d{1,3})([a-z]?)\s*$)"));
    static const QRegularExpression before(QStringLiteral(R"(^\s*(\d{1,3})([a-z]?)[\s\-]*([^\d\s\-]+)\s*$)"));
    QString element, mass, isomer;
    if (const auto first = after.match(text); first.hasMatch()) {
        element = first.captured(1), mass = first.captured(2), isomer = first.captured(3);
    } else if (const auto second = before.match(text); second.hasMatch()) {
        element = second.captured(3), mass = second.captured(1), isomer = second.captured(2);
    } else {
        return std::nullopt;
    }
    for (int z = 0; z < decay::elementCount(); ++z) {
        const QString symbol = QString::fromUtf8(decay::elementSymbol(z));
        const QString english = QString::fromUtf8(decay::elementName(z));
        if (element.compare(symbol, Qt::CaseInsensitive) == 0 || element.compare(english, Qt::CaseInsensitive) == 0 ||
            (elementName && element.compare(elementName(z), Qt::CaseInsensitive) == 0)) {
            const std::string found = decay::nuclideSymbol(z, mass.toInt(), isomer.toStdString());
            if (table.find(found))
                return found;
        }
    }
    return std::nullopt;
}

QString halfLifeText(const decay::Nuclide& nuclide, const std::function<QString(const std::string&)>& unitText)
{
    if (nuclide.stable())
        return {};
    return QString::fromStdString(nuclide.printedHalfLife()) + QLatin1Char(' ') + unitText(nuclide.unit) +
           (nuclide.halfLifeEstimated ? QStringLiteral(" #") : QString());
}

QString modesText(const decay::Nuclide& nuclide)
{
    return QString::fromStdString(nuclide.modesText());
}

} // namespace chart
