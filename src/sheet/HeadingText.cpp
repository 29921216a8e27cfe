#include "sheet/HeadingText.h"

QString LongTimeFormat(const QLocale& locale)
{
    // The long form names the time zone ("t"); a worksheet heading shows only
    // hours, minutes and seconds. Quoted literals are copied unchanged.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    return result.trimmed();
}

QString HeadingText(const QString& text, const QDateTime& now, const QLocale& locale)
{
    if (text == QLatin1String("%t"))
        return locale.toString(now.time(), LongTimeFormat(locale));
    if (text == QLatin1String("%d"))
        return locale.toString(now.date(), QLocale::ShortFormat);
    return text;
}
