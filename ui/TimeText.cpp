#include "TimeText.h"

#include "model/common/TimeUnits.h"

#include <QCoreApplication>

namespace {

// The symbols of the time units, the lab's own and those of NUBASE, whose "m" is the minute.
struct UnitName {
    const char* source;
    const char* comment;
};
const UnitName kUnitNames[] = {
    QT_TRANSLATE_NOOP3("NuclideLab", "ys", "time unit: yoctosecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "zs", "time unit: zeptosecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "as", "time unit: attosecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "fs", "time unit: femtosecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "ps", "time unit: picosecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "ns", "time unit: nanosecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "us", "time unit: microsecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "ms", "time unit: millisecond"),
    QT_TRANSLATE_NOOP3("NuclideLab", "s", "time unit: second"),
    QT_TRANSLATE_NOOP3("NuclideLab", "min", "time unit: minute"),
    QT_TRANSLATE_NOOP3("NuclideLab", "m", "time unit: minute, as NUBASE writes it"),
    QT_TRANSLATE_NOOP3("NuclideLab", "h", "time unit: hour"),
    QT_TRANSLATE_NOOP3("NuclideLab", "d", "time unit: day"),
    QT_TRANSLATE_NOOP3("NuclideLab", "y", "time unit: year"),
    QT_TRANSLATE_NOOP3("NuclideLab", "ky", "time unit: thousand years"),
    QT_TRANSLATE_NOOP3("NuclideLab", "My", "time unit: million years"),
    QT_TRANSLATE_NOOP3("NuclideLab", "Gy", "time unit: thousand million years"),
    QT_TRANSLATE_NOOP3("NuclideLab", "Ty", "time unit: 10^12 years"),
    QT_TRANSLATE_NOOP3("NuclideLab", "Py", "time unit: 10^15 years"),
    QT_TRANSLATE_NOOP3("NuclideLab", "Ey", "time unit: 10^18 years"),
    QT_TRANSLATE_NOOP3("NuclideLab", "Zy", "time unit: 10^21 years"),
    QT_TRANSLATE_NOOP3("NuclideLab", "Yy", "time unit: 10^24 years"),
};

} // namespace

QString unitText(std::string_view symbol)
{
    for (const auto& [source, comment] : kUnitNames)
        if (symbol == source)
            return QCoreApplication::translate("NuclideLab", source, comment);
    return QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

QString unitText(decay::TimeUnit unit)
{
    return unitText(decay::unitName(unit));
}

QStringList timeUnitNames()
{
    QStringList names;
    for (decay::TimeUnit unit : decay::kTimeUnits)
        names.append(unitText(unit));
    return names;
}
