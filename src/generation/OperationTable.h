#pragma once
// The four operations as the program shows and names them, in one table:
// the tab's caption, the headings of the two operands, the operator sign, a
// sheet's default subtitle, the command line's name and the operation of a
// written calculation. The window, the command line, class sets and the
// textbook layout all read it. Texts are UTF-8.
#include "generation/ExamSettings.h"
#include "generation/WrittenCalc.h"

#include <array>

struct OperationInfo {
    Operation Op;
    const char* Name;      // on the command line: "add", "sub", "mul", "div"
    const char* Tab;       // the tab's caption: 「たし算」 ...
    const char* Left;      // the first operand's heading: 「たされる数」 ...
    const char* Right;     // the second operand's heading: 「たす数」 ...
    const char* Sign;      // 「＋」「－」「×」「÷」 (full-width, as sheets print them)
    const char* SubTitle;  // a sheet's subtitle unless one is set: 「たしざんのもんだい」 ...
    CalcOp Calc;
};

const std::array<OperationInfo, 4>& Operations();

// The entry of op. Only the operation's two low bits count, so any number
// (a hand-edited file) reads as one of the four.
const OperationInfo& OperationOf(int op);
