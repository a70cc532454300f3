#pragma once

#include "model/common/Message.h"

#include <QString>

// Numbers as the windows write them, in the user's locale: its decimal point and digit grouping,
// and powers of ten as a class writes them ("4.463 × 10⁹"), never "4.463E+09".
namespace numbers {

// `digits` significant digits, no trailing zeros; from 10^6 on (whole numbers from 10^9 on) and
// below 10^-3 as a mantissa times a power of ten.
QString significant(double value, int digits = 4);
// A value with its uncertainty, both rounded to the uncertainty's place (decay::roundToUncertainty):
// "2,400 ± 400", "(4.4630 ± 0.0030) × 10⁹". Without an uncertainty above 0, the value alone.
QString withUncertainty(double value, double uncertainty);
// A value with its interval below and above, rounded as decay::roundInterval does: "31,000 (−3,400/+6,100)".
QString interval(double value, double minus, double plus);
// A fixed number of decimals, zeros kept, as a table column shows them: "6.58"; a dash for what is
// not finite.
QString decimals(double value, int places);
// A number for an entry field, as the program's number readers take it back: `digits`
// significant digits, the locale's decimal point, no grouping, "4.5E+08" far from 1.
QString entry(double value, int digits);
// The same of a number the model wrote for an entry field, "." its decimal point.
QString entry(const std::string& written);
// A whole count with the locale's digit grouping: "10,000".
QString count(long long value);
// "× 10⁹": the power of ten as it follows a mantissa.
QString timesTenTo(int power);
// A model message's value: numbers in their form, texts as they are, units in the user's language.
QString messageValue(const decay::MessageValue& value);

} // namespace numbers
