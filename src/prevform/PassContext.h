#pragma once
// PassContext: everything one rendering pass lends the interpreter and the
// page-string drawing: the target surface, the geometry, the drawing state,
// the page-string records, the pass values, the picture slots and the
// prompts for messages. The engine owns all of it.
#include "prevform/DrawState.h"
#include "prevform/PageGeometry.h"
#include "prevform/PageStr.h"
#include "prevform/Surface.h"
#include <QImage>
#include <array>

class Prompts;

struct PassContext {
    Surface& Target;
    PageGeometry& Geometry;
    DrawState& State;
    TPageStr& Header;
    TPageStr& Footer;
    TPageStr& PageTitle;
    TPageStr& SubTitle;
    TPageStr& PageStrTmp;
    TPageStr& Copyright;
    double& HeaderBottom;  // drawing unit; 0 at the start of a pass
    double& CreditHeight;  // drawing unit; 0 when the credit line has no text
    std::array<QImage, 15>& Bmp;
    Prompts& Prompt;
};
