// The sheet's lines that keep clear of the name box: the instruction line
// and, while it is shown, the subtitle above it; and the score cell of the
// name box for upper grades.
#include "sheet/SheetComposer.h"
#include "sheet/InstructionLine.h"
#include "common/RealText.h"

namespace {

LineBox BoxOf(const std::optional<SheetComposer::Area>& area)
{
    return {area->L, area->U, area->R, area->D};
}

} // namespace

bool SheetComposer::InstructionShown() const
{
    return Settings.Instruction.psPos != 0
        && !InstructionLineText(Settings.Instruction, Problems.Instruction).isEmpty();
}

// Where the name box will stand, measured as DateHeading measures it (in
// the subtitle's font); none when it is not drawn.
std::optional<SheetComposer::Area> SheetComposer::NameBoxPlace()
{
    const TPageStr& record = Settings.DateTime;
    const std::optional<double> x = PositionValue(record.psX);
    const std::optional<double> y = PositionValue(record.psY);
    if (Settings.sDateTime.isEmpty() || record.psPos == 0 || !x || !y)
        return std::nullopt;
    const QString t = QLatin1Char(' ') + Settings.sDateTime + QLatin1Char(' ');
    return Area{*x, *y, *x + Engine.GetWidth(t), *y + 6 * Engine.GetHeight(t)};
}

// A subtitle placed where the name box stands (a long one, or one marked
// 「(答)」) moves just below the box; the record given back carries the
// position to write. A subtitle clear of the box stays where it always was.
TPageStr SheetComposer::SubTitleClearOfNameBox(const QString& text)
{
    TPageStr record;
    record.Assign(Engine.SubTitle());
    const std::optional<double> x = PositionValue(record.psX);
    const std::optional<double> y = PositionValue(record.psY);
    if (record.psPos < 4 || !x || !y || text.isEmpty())
        return record;
    PageFont font;
    SetPageStrFont(record, font);
    Engine.SetFontSets(font);
    const std::optional<Area> nameBox = NameBoxPlace();
    const double h = Engine.GetHeight(text);
    const LineBox line{*x, *y, *x + Engine.GetWidth(text), *y + h};
    const LineBox clear = nameBox ? ClearOf(line, {BoxOf(nameBox)}, h / 2) : line;
    if (clear.U != line.U)
        record.psY = QString::number(clear.U, 'g', 12);
    SubTitleBox = Area{clear.L, clear.U, clear.R, clear.D};
    return record;
}

// A square score cell in the right end of the name part of the box, 「点」
// in its lower right corner: inside the box, so it never runs off a page
// whose box stands near the right edge.
void SheetComposer::ScoreCell(double right, double y, double h)
{
    const double side = 4 * h;
    Engine.PrevLine(right - side, y + 2 * h, right - side, y + 6 * h);
    const QString mark = QStringLiteral("点 ");
    Engine.PrevTextOut(right - Engine.GetWidth(mark), y + 4.5 * h, mark, QStringLiteral("NIL"));
}

// The instruction line in its record's font, clear of the name box; the
// problem area starts below it.
void SheetComposer::InstructionLine(PageFont& f)
{
    const TPageStr& record = Settings.Instruction;
    const QString text = InstructionLineText(record, Problems.Instruction);
    if (!InstructionShown())
        return;
    SetPageStrFont(record, f);
    Engine.SetFontSets(f);
    const double h = Engine.GetHeight(text);
    std::optional<LineBox> line = InstructionLineBox(record, Engine.Get_UnitWidth(),
                                                     Result.WindowTop, Engine.GetWidth(text), h);
    if (!line)
        return;
    std::vector<LineBox> obstacles;
    for (const std::optional<Area>& area : {NameBox, SubTitleBox})
        if (area)
            obstacles.push_back(BoxOf(area));
    *line = ClearOf(*line, obstacles, h / 2);
    EmitFontChange(f);
    Engine.PrevTextOut(line->L, line->U, text, QStringLiteral("NIL"));
    RaiseTop(line->U, h);
}

