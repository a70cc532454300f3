#include "Numbers.h"

#include "TimeText.h"

#include "model/common/Conversions.h"
#include "model/common/Rounding.h"

#include <QLocale>

#include <cmath>

namespace numbers {
namespace {

constexpr int kLargestPlainPower = 6;      // from 10^6 on as a power of ten ...
constexpr int kLargestPlainWholePower = 9; // ... a whole number from 10^9 on
constexpr int kSmallestPlainPower = -3;

// The locale's fixed-point text without the zeros a fraction ends in.
QString fixed(double value, int decimals)
{
    QString text = QLocale().toString(value, 'f', std::max(decimals, 0));
    const QString point = QLocale().decimalPoint();
    if (decimals > 0 && text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

// Whether a number of this leading power is written out rather than as a power of ten.
bool plain(bool whole, int power)
{
    return power >= kSmallestPlainPower && power < (whole ? kLargestPlainWholePower : kLargestPlainPower);
}

} // namespace

QString timesTenTo(int power)
{
    static const QString kSuperscripts = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079");
    QString exponent;
    for (const QChar c : QString::number(std::abs(power)))
        exponent += kSuperscripts[c.digitValue()];
    return QStringLiteral(" \u00D7 10") + (power < 0 ? QStringLiteral("\u207B") : QString()) + exponent;
}

QString significant(double value, int digits)
{
    if (!std::isfinite(value))
        return QStringLiteral("\u2014");
    if (value == 0)
        return QStringLiteral("0");
    const int power = decay::leadingPower(value, digits);
    if (plain(value == std::floor(value), power))
        return fixed(value, digits - 1 - power);
    // Below 10^-300 the power alone would lose its digits to underflow: scaled in two steps.
    const double mantissa = power < -300 ? value * 1e300 / std::pow(10.0, power + 300) : value / std::pow(10.0, power);
    return fixed(mantissa, digits - 1) + timesTenTo(power);
}

QString withUncertainty(double value, double uncertainty)
{
    if (!(uncertainty > 0) || !std::isfinite(uncertainty) || !std::isfinite(value))
        return significant(value, 6);
    const decay::RoundedValue rounded = decay::roundToUncertainty(value, uncertainty);
    const int power = decay::leadingPower(std::max(std::fabs(rounded.value), rounded.uncertainty), 15);
    if (plain(rounded.place >= 0, power)) { // rounded to units or coarser: whole numbers
        const int decimals = std::max(-rounded.place, 0);
        return QStringLiteral("%1 \u00B1 %2").arg(QLocale().toString(rounded.value, 'f', decimals),
                                                  QLocale().toString(rounded.uncertainty, 'f', decimals));
    }
    const double scale = std::pow(10.0, power);
    const int decimals = std::max(power - rounded.place, 0);
    return QStringLiteral("(%1 \u00B1 %2)").arg(QLocale().toString(rounded.value / scale, 'f', decimals),
                                                QLocale().toString(rounded.uncertainty / scale, 'f', decimals))
           + timesTenTo(power);
}

QString interval(double value, double minus, double plus)
{
    const decay::RoundedInterval rounded = decay::roundInterval(value, minus, plus);
    if (!rounded.sides)
        return significant(value, rounded.valueDigits);
    const auto shown = [](double x, int digits) { return digits == 0 ? QStringLiteral("\u221E") : significant(x, digits); };
    return QStringLiteral("%1 (\u2212%2/+%3)")
        .arg(shown(rounded.value, rounded.valueDigits), shown(rounded.minus, rounded.minusDigits), shown(rounded.plus, rounded.plusDigits));
}

QString decimals(double value, int places)
{
    return std::isfinite(value) ? QLocale().toString(value, 'f', places) : QStringLiteral("\u2014");
}

QString entry(double value, int digits)
{
    return entry(decay::significantDigits(value, digits));
}

QString entry(const std::string& written)
{
    return QString::fromStdString(written).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString count(long long value)
{
    return QLocale().toString(value);
}

QString messageValue(const decay::MessageValue& value)
{
    if (value.unit)
        return unitText(value.text);
    if (!value.number)
        return QString::fromStdString(value.text);
    switch (value.form) {
    case decay::NumberForm::Whole: return std::isfinite(*value.number) ? count(std::llround(*value.number)) : significant(*value.number, 6);
    case decay::NumberForm::WithUncertainty: return withUncertainty(*value.number, value.plus);
    case decay::NumberForm::Interval: return interval(*value.number, value.minus, value.plus);
    case decay::NumberForm::Significant: break;
    }
    return significant(*value.number, value.digits);
}

} // namespace numbers
