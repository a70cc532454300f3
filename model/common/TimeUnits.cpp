#include "TimeUnits.h"

namespace decay {

std::optional<double> symbolSeconds(std::string_view symbol)
{
    for (const TimeUnitSymbol& unit : kTimeUnitSymbols)
        if (unit.symbol == symbol)
            return unit.seconds;
    return std::nullopt;
}

std::string_view unitName(TimeUnit unit)
{
    switch (unit) {
    case TimeUnit::Second: return "s";
    case TimeUnit::Minute: return "min";
    case TimeUnit::Hour: return "h";
    case TimeUnit::Day: return "d";
    case TimeUnit::Year: return "y";
    }
    return "s";
}

double unitSeconds(TimeUnit unit)
{
    return *symbolSeconds(unitName(unit));
}

TimeUnit fittingUnit(double seconds)
{
    TimeUnit fitting = TimeUnit::Second;
    for (TimeUnit unit : kTimeUnits)
        if (seconds >= unitSeconds(unit))
            fitting = unit;
    return fitting;
}

} // namespace decay
