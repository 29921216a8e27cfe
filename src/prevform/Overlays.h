#pragma once
// The grid and ruler overlays of the 1:1 screen view: a dotted green grid
// every whole step of the drawing unit, and ruler ticks along the top and left
// edges with a long tick every fifth step. They are drawn under the command
// lists and never on paper; the renderer decides when.
#include <QSize>

class PageGeometry;
class Surface;

// Steps in whole units of the drawing unit.
struct OverlaySteps {
    int Grid;      // distance between grid lines
    int Tick;      // distance between ruler ticks
    int LongTick;  // a tick at a whole multiple of this is long
    int FirstTick; // position of the first tick
};

// pixel 100/100/500/100, inch 1/1/5/0, millimetre 10/10/50/0.
OverlaySteps OverlayStepsFor(int unitType);

// Dotted pen in (0, 255, 0): vertical lines at step, 2 × step, ... below the
// unit page width, top to bottom of the page image; horizontal lines likewise
// across the image width. No line at 0.
void DrawGrid(Surface& target, const PageGeometry& geometry);

// Solid pen in (0, 128, 0): ticks 10 screen pixels long at multiples of the
// long-tick interval and 4 pixels otherwise, down from the top edge and in
// from the left edge.
void DrawRuler(Surface& target, const PageGeometry& geometry);
