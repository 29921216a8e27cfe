#pragma once
// What a cell of the sheet is made of: texts (proportional, or on a fixed
// digit pitch) and rules. The composer writes a cell through a CellWriter,
// so the same steps either append command lines or, through CellExtent,
// measure how far the cell reaches without writing anything.
#include "prevform/ComposeEngine.h"
#include <QString>

class CellWriter {
public:
    virtual ~CellWriter() = default;
    // A "TextOut" at (x, y); sw is "Nil" or the digit pitch in the drawing unit.
    virtual void Text(double x, double y, const QString& text, const QString& sw) = 0;
    virtual void Rule(double x1, double y1, double x2, double y2) = 0;
};

// Appends each step to the engine's program list.
class ProgramCellWriter : public CellWriter {
public:
    explicit ProgramCellWriter(ComposeEngine& engine) : Engine(engine) {}

    void Text(double x, double y, const QString& text, const QString& sw) override
    {
        Engine.PrevTextOut(x, y, text, sw);
    }
    void Rule(double x1, double y1, double x2, double y2) override
    {
        Engine.PrevLine(x1, y1, x2, y2);
    }

private:
    ComposeEngine& Engine;
};

// The right and bottom edge of everything written to it, measured in the
// engine's measuring font. A text on a pitch is as wide as its characters
// times the pitch, the room the renderer gives it.
class CellExtent : public CellWriter {
public:
    explicit CellExtent(ComposeEngine& engine) : Engine(engine) {}

    void Text(double x, double y, const QString& text, const QString& sw) override;
    void Rule(double x1, double y1, double x2, double y2) override;

    bool Empty() const { return fEmpty; }
    double Right() const { return MaxX; }
    double Bottom() const { return MaxY; }

private:
    void Reach(double x, double y);

    ComposeEngine& Engine;
    bool fEmpty = true;
    double MaxX = 0;
    double MaxY = 0;
};
