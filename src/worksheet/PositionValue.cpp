#include "worksheet/PositionValue.h"
#include <QRegularExpression>

std::optional<double> PositionValue(const QString& text)
{
    static const QRegularExpression kNumber(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!kNumber.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);  // QString::toDouble is locale-independent
    if (!ok)
        return std::nullopt;
    return value;
}
