#include "sheet/RemainderBreak.h"

std::optional<RemainderLines> BreakBeforeRemainder(const QString& text)
{
    static const QString kRest = QStringLiteral(" あまり ");
    const qsizetype at = text.lastIndexOf(kRest);
    if (at < 0)
        return std::nullopt;
    return RemainderLines{text.left(at), text.mid(at + 1)};
}
