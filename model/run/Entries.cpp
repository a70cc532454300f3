#include "Entries.h"

#include "model/common/Conversions.h"

#include <cmath>
#include <numbers>

namespace decay {
namespace {

bool isWhole(double value) { return value == std::floor(value); }

RateEntry confirmQuotient(std::string_view text, std::string_view decimalPoint, bool unusable,
                          const std::string& fallback)
{
    RateEntry entry;
    if (unusable)
        entry.replacement = fallback;
    auto other = lnTwoOverText(entry.replacement ? std::string_view(*entry.replacement) : text, decimalPoint);
    if (!other) {
        entry.replacement = fallback;
        other = lnTwoOverText(fallback, decimalPoint);
    }
    entry.other = *other;
    return entry;
}

} // namespace

std::optional<std::string> confirmInitialAtoms(std::string_view text)
{
    const auto v = lenientValue(text);
    if (!v || !isWhole(*v) || *v <= 0)
        return "100";
    return std::nullopt;
}

std::optional<std::string> confirmSimulationTime(std::string_view text)
{
    const auto v = lenientValue(text);
    if (!v || *v <= 0)
        return "50";
    if (*v > 3000)
        return "3000";
    if (!isWhole(*v))
        return "50";
    return std::nullopt;
}

RateEntry confirmHalfLife(std::string_view text, std::string_view decimalPoint)
{
    const auto T = strictValue(text, decimalPoint);
    return confirmQuotient(text, decimalPoint, !T || *T <= 0, "5");
}

RateEntry confirmRate(std::string_view text, std::string_view decimalPoint)
{
    const auto r = strictValue(text, decimalPoint);
    return confirmQuotient(text, decimalPoint, r && *r < 0, "0.1");
}

std::optional<std::string> lnTwoOverText(std::string_view text, std::string_view decimalPoint)
{
    const auto divisor = strictValue(text, decimalPoint);
    if (!divisor || *divisor == 0)
        return std::nullopt;
    const double quotient = std::numbers::ln2 / *divisor;
    if (!std::isfinite(quotient))
        return std::nullopt;
    return numberText(quotient);
}

} // namespace decay
