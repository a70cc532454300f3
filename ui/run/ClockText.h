#pragma once

#include <QString>

class QDateTime;
class QLocale;

// The clock label's text in the user's regional format: short date, a space, long time; at
// exactly midnight the date alone.
QString clockText(const QDateTime& now, const QLocale& locale);
