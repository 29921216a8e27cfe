#include "sheet/StartingLayout.h"

TPageStr UnconfiguredPageStr()
{
    TPageStr record;
    record.psPos = 0;
    record.psX = QStringLiteral("0");
    record.psY = QStringLiteral("0");
    record.psSize = 9;
    record.psName = QStringLiteral("ＭＳ 明朝");
    return record;
}

bool IsUnconfigured(const TPageStr& record)
{
    return record.psPos == 0 && record.psX == QLatin1String("0")
        && record.psY == QLatin1String("0");
}

bool GiveStartingLayout(TPageStr& record, StartingLayout which)
{
    if (!IsUnconfigured(record))
        return false;
    struct Layout { int Size; const char* X; const char* Y; };
    static const Layout kLayouts[] = {{24, "10", "10"}, {12, "10", "36"}, {11, "80", "10"},
                                       {12, "10", "46"}};
    const Layout& layout = kLayouts[static_cast<int>(which)];
    record.psSize = layout.Size;
    record.psPos = 4;
    record.psX = QString::fromLatin1(layout.X);
    record.psY = QString::fromLatin1(layout.Y);
    return true;
}

void ShowInstructionLine(TPageStr& record)
{
    if (!GiveStartingLayout(record, StartingLayout::Instruction) && record.psPos == 0)
        record.psPos = 4;
}
