#include "ui/Numbers.h"
#include "ui/TimeText.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

// How the windows write numbers and times, in the user's locale, without a window. The expected
// texts are worked out by hand: digit grouping and decimal marks as the locales write them
// (en_US "10,000.5", de_DE "10.000,5", fr_FR "0,5"), powers of ten as a
// class writes them.
class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void writesNumbersAsAClassDoes_data()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN(), infinity = std::numeric_limits<double>::infinity();
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("writer");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("other"); // significant digits, the uncertainty or the decimals
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* locale, const char* writer, double value, double other, const QString& shown) {
            QTest::newRow(name) << QString::fromLatin1(locale) << QString::fromLatin1(writer) << value << other << shown;
        };
        row("a half-life in years", "en_US", "significant", 4.463e9, 4, QStringLiteral("4.463 \u00D7 10\u2079"));
        row("grouped thousands", "en_US", "significant", 10000, 4, "10,000");
        row("no trailing zeros", "en_US", "significant", 0.5, 4, "0.5");
        row("small", "en_US", "significant", 2.5e-5, 4, QStringLiteral("2.5 \u00D7 10\u207B\u2075"));
        row("negative and small", "en_US", "significant", -2.5e-5, 4, QStringLiteral("-2.5 \u00D7 10\u207B\u2075"));
        row("10^-3 written out", "en_US", "significant", 0.001, 4, "0.001");
        row("below 10^-3 a power", "en_US", "significant", 0.000999, 4, QStringLiteral("9.99 \u00D7 10\u207B\u2074"));
        row("a whole number below 10^9 in full", "en_US", "significant", 123456789, 4, "123,456,789");
        row("a whole number rounded up to 10^9", "en_US", "significant", 999999999, 4, QStringLiteral("1 \u00D7 10\u2079"));
        row("a whole 10^9 as a power", "en_US", "significant", 1e9, 4, QStringLiteral("1 \u00D7 10\u2079"));
        row("a fraction below 10^6 rounded", "en_US", "significant", 123456.7, 4, "123,457");
        row("a fraction from 10^6 a power", "en_US", "significant", 1234567.8, 4, QStringLiteral("1.235 \u00D7 10\u2076"));
        row("rounding carries into the next digit", "en_US", "significant", 9.9996, 4, "10");
        row("zero", "en_US", "significant", 0, 4, "0");
        row("negative zero", "en_US", "significant", -0.0, 4, "0");
        row("no number is a dash", "en_US", "significant", nan, 4, QStringLiteral("\u2014"));
        row("infinity is a dash", "en_US", "significant", -infinity, 4, QStringLiteral("\u2014"));
        row("the largest double", "en_US", "significant", std::numeric_limits<double>::max(), 4,
            QStringLiteral("1.798 \u00D7 10\u00B3\u2070\u2078"));
        row("the least subnormal", "en_US", "significant", 5e-324, 2, QStringLiteral("4.9 \u00D7 10\u207B\u00B3\u00B2\u2074"));
        row("German grouping", "de_DE", "significant", 10000, 4, "10.000");
        row("German decimal comma", "de_DE", "significant", 0.5, 4, "0,5");
        row("German power of ten", "de_DE", "significant", 1.5e12, 4, QStringLiteral("1,5 \u00D7 10\u00B9\u00B2"));
        row("34 counts in 0.014 s", "en_US", "withUncertainty", 34 / 0.014, std::sqrt(34.0) / 0.014, QStringLiteral("2,400 \u00B1 400"));
        row("a fitted half-life", "en_US", "withUncertainty", 110.9123, 0.9812, QStringLiteral("110.9 \u00B1 1.0"));
        row("French", "fr_FR", "withUncertainty", 110.9123, 0.2812, QStringLiteral("110,91 \u00B1 0,28"));
        row("far from 1", "en_US", "withUncertainty", 4.463e9, 3e6, QStringLiteral("(4.4630 \u00B1 0.0030) \u00D7 10\u2079"));
        row("small with its uncertainty", "en_US", "withUncertainty", 2.5e-5, 3e-7,
            QStringLiteral("(2.500 \u00B1 0.030) \u00D7 10\u207B\u2075"));
        row("no uncertainty: six digits", "en_US", "withUncertainty", 1.23456789, 0, "1.23457");
        row("an uncertainty that is no number", "en_US", "withUncertainty", 1.23456789, nan, "1.23457");
        row("decimals kept", "en_US", "decimals", 2, 2, "2.00");
        row("decimals rounded", "en_US", "decimals", 6.5775, 2, "6.58");
        row("decimals grouped", "en_US", "decimals", 1234.5, 1, "1,234.5");
        row("German decimals", "de_DE", "decimals", 1234.5, 1, "1.234,5");
        row("decimals of no number", "en_US", "decimals", nan, 2, QStringLiteral("\u2014"));
        row("an entry ungrouped", "en_US", "entry", 1234.5678, 6, "1234.57");
        row("an entry far from 1", "en_US", "entry", 4.5e8, 2, "4.5E+08");
        row("a small entry", "en_US", "entry", 1e-5, 3, "1E-05");
        row("a German entry", "de_DE", "entry", 0.5, 4, "0,5");
        row("a count grouped", "en_US", "count", 1234567, 0, "1,234,567");
        row("a German count", "de_DE", "count", 10000, 0, "10.000");
        row("a negative count", "en_US", "count", -5, 0, "-5");
    }
    void writesNumbersAsAClassDoes()
    {
        QFETCH(QString, locale);
        QFETCH(QString, writer);
        QFETCH(double, value);
        QFETCH(double, other);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        const int whole = static_cast<int>(other);
        const QString text = writer == "significant"       ? numbers::significant(value, whole)
                             : writer == "withUncertainty" ? numbers::withUncertainty(value, other)
                             : writer == "decimals"        ? numbers::decimals(value, whole)
                             : writer == "entry"           ? numbers::entry(value, whole)
                                                           : numbers::count(static_cast<long long>(value));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(text, shown);
    }

    void writesPowersAndUnits()
    {
        QCOMPARE(numbers::timesTenTo(0), QStringLiteral(" \u00D7 10\u2070"));
        QCOMPARE(numbers::timesTenTo(10), QStringLiteral(" \u00D7 10\u00B9\u2070"));
        QCOMPARE(numbers::timesTenTo(-12), QStringLiteral(" \u00D7 10\u207B\u00B9\u00B2"));
        QCOMPARE(numbers::messageValue(decay::MessageValue(1e30)), QStringLiteral("1 \u00D7 10\u00B3\u2070"));
        QCOMPARE(numbers::messageValue(decay::MessageValue("%1")), QStringLiteral("%1"));
        QCOMPARE(timeUnitNames(), QStringList({"s", "min", "h", "d", "y"}));
        QCOMPARE(unitText("My"), QStringLiteral("My"));
        QCOMPARE(unitText("fortnight"), QStringLiteral("fortnight")); // a symbol it does not know stays
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "NumbersTest.moc"
