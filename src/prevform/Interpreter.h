#pragma once
// Interpreter: runs one command list onto the pass's target surface. Each
// line is split, its keyword looked up in a table of handlers; a line too
// short for its command ends the list, after a fixed message for some
// commands. Unknown keywords ("NIL", "INCLUDE" ...) are skipped. It never
// ends the pass: the renderer runs the next list whatever happens here.
#include "prevform/PageStrDraw.h"
#include "prevform/PassContext.h"
#include <QStringList>

class Interpreter {
public:
    explicit Interpreter(PassContext& ctx) : Ctx(ctx) {}
    // Runs list k (0 read list, 1 input list, 2 program list): the pen width
    // starts at 1 pixel and the picture slots counted are 5k .. 5k + 4.
    void ExecuteList(const QStringList& list, int k);
    // One line; false when it ends the list.
    bool ExecuteLine(const QStringList& fields);
    // The keywords it executes, upper-case, in table order (for the help
    // pages' check that every command is documented).
    static QStringList CommandKeywords();

private:
    PassContext& Ctx;
    int SlotEnd = 5;
};
