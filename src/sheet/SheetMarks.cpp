#include "sheet/SheetMarks.h"

#include "common/RealText.h"
#include "sheet/SheetComposer.h"

namespace {

constexpr int kMarkSize = 9;        // points: small, still readable on paper
constexpr double kBelowArea = 2.0;  // gap below the problem area, drawing units

const QString kGap = QStringLiteral("　");

} // namespace

SheetSettings WithPupil(const SheetSettings& settings, const QString& pupil)
{
    SheetSettings result = settings;
    const QString name = pupil.trimmed();
    if (name.isEmpty())
        return result;
    result.sName = result.sName.isEmpty() ? name : result.sName + kGap + name;
    return result;
}

bool HasNameLine(const SheetSettings& settings)
{
    return !settings.sDateTime.isEmpty() && settings.DateTime.psPos != 0
        && PositionValue(settings.DateTime.psX) && PositionValue(settings.DateTime.psY);
}

QString MarkLineText(const SheetSettings& settings, const SheetMarks& marks)
{
    QStringList parts;
    if (marks.No > 0)
        parts << QStringLiteral("No.%1").arg(marks.No);
    if (!marks.sPupil.trimmed().isEmpty() && !HasNameLine(settings))
        parts << marks.sPupil.trimmed();
    if (!marks.sCode.isEmpty())
        parts << marks.sCode;
    return parts.join(kGap);
}

void WriteMarkLine(SheetComposer& composer, ComposeEngine& engine, const SheetLayout& layout,
                   const SheetSettings& settings, const SheetMarks& marks)
{
    const QString text = MarkLineText(settings, marks);
    if (text.isEmpty())
        return;
    PageFont font;
    font.Size = kMarkSize;
    composer.EmitFontChange(font);
    engine.SetFontSets(font);
    const double x = layout.WindowInner - engine.GetWidth(text);
    const double y = engine.Get_UnitHeight() - layout.WindowBottom + kBelowArea;
    engine.PrevTextOut(x, y, text, QStringLiteral("NIL"));
}
