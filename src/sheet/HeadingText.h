#pragma once
// The two heading macros of header and footer texts: exactly "%t" becomes
// the local time in the locale's long time form (hours, minutes, seconds),
// exactly "%d" the local date in its short date form. Any other text, "%T" or
// " %t" included, stays as it is.
#include <QDateTime>
#include <QLocale>
#include <QString>

QString HeadingText(const QString& text, const QDateTime& now, const QLocale& locale);

// The locale's long time format without its time-zone field.
QString LongTimeFormat(const QLocale& locale);
