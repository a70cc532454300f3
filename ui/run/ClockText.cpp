#include "ClockText.h"

#include <QDateTime>
#include <QLocale>

QString clockText(const QDateTime& now, const QLocale& locale)
{
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    if (now.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + locale.toString(now.time(), QLocale::LongFormat);
}
