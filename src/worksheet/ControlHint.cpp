#include "worksheet/ControlHint.h"

#include <QWidget>

QString ShortHint(const QString& hint)
{
    return hint.section(QLatin1Char('|'), 0, 0);
}

QString LongHint(const QString& hint)
{
    qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetControlHint(QWidget* control, const QString& hint)
{
    control->setToolTip(ShortHint(hint));
    control->setStatusTip(LongHint(hint));
}
