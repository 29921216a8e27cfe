#include "sheet/InstructionLine.h"
#include "common/RealText.h"

bool LineBox::Meets(const LineBox& other) const
{
    return L < other.R && other.L < R && U < other.D && other.U < D;
}

QString InstructionLineText(const TPageStr& record, const QString& made)
{
    return record.psStr.isEmpty() ? made : record.psStr;
}

std::optional<LineBox> InstructionLineBox(const TPageStr& record, double pageWidth,
                                          double below, double w, double h)
{
    double x = 0;
    double y = below;
    switch (record.psPos) {
    case 0: return std::nullopt;
    case 1: break;
    case 2: x = pageWidth - w; break;
    case 3: x = (pageWidth - w) / 2; break;
    default: {  // codes above 4 act as 4, as for the other page strings
        const std::optional<double> px = PositionValue(record.psX);
        const std::optional<double> py = PositionValue(record.psY);
        if (!px || !py)
            return std::nullopt;
        x = *px;
        y = *py;
    }
    }
    return LineBox{x, y, x + w, y + h};
}

LineBox ClearOfNameBox(const LineBox& line, const std::optional<LineBox>& nameBox, double gap)
{
    if (!nameBox || !line.Meets(*nameBox))
        return line;
    const double shift = nameBox->D + gap - line.U;
    return {line.L, line.U + shift, line.R, line.D + shift};
}

LineBox ClearOf(const LineBox& line, const std::vector<LineBox>& obstacles, double gap)
{
    LineBox box = line;
    // Every move goes down past one obstacle, so each is passed at most once.
    for (size_t pass = 0; pass <= obstacles.size(); ++pass) {
        bool moved = false;
        for (const LineBox& obstacle : obstacles)
            if (box.Meets(obstacle)) {
                box = ClearOfNameBox(box, obstacle, gap);
                moved = true;
            }
        if (!moved)
            break;
    }
    return box;
}
