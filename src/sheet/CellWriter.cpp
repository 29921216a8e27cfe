#include "sheet/CellWriter.h"
#include <algorithm>

void CellExtent::Text(double x, double y, const QString& text, const QString& sw)
{
    bool pitched = false;
    const double pitch = sw.toDouble(&pitched);
    const double width = pitched && pitch > 0 ? pitch * text.size() : Engine.GetWidth(text);
    Reach(x + width, y + Engine.GetHeight(text));
}

void CellExtent::Rule(double x1, double y1, double x2, double y2)
{
    Reach(std::max(x1, x2), std::max(y1, y2));
}

void CellExtent::Reach(double x, double y)
{
    MaxX = fEmpty ? x : std::max(MaxX, x);
    MaxY = fEmpty ? y : std::max(MaxY, y);
    fEmpty = false;
}
