#pragma once
// Placing and drawing page strings during a pass: a record by its position
// code (left, right, centre, at X/Y), the footer above the credit line, title
// and subtitle under the header, and the credit line at the bottom-left.
#include "prevform/PassContext.h"

enum class PageStrKind { Header, Footer, Title };  // Title serves title and subtitle

// Draws rec unless it is already drawn, its code says none or its text is
// empty; sets psDrawn, and HeaderBottom for a header. Selects the record's
// face, size, bold and italic into ctx.State.Font (colour and the other bits
// stay). Returns true when drawn.
bool DrawPageStr(PassContext& ctx, TPageStr& rec, PageStrKind kind);
// Measures and draws ctx.Copyright at (0, -height) in black; sets CreditHeight
// (0 when there is no text).
void DrawCopyright(PassContext& ctx);
// The "INITPARAM" reset for the pass's target.
void ResetDrawState(PassContext& ctx);
