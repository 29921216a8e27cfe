#include "generation/OperationTable.h"

const std::array<OperationInfo, 4>& Operations()
{
    static const std::array<OperationInfo, 4> table{{
        {OpAdd, "add", "たし算", "たされる数", "たす数", "＋", "たしざんのもんだい", CalcOp::Add},
        {OpSub, "sub", "ひき算", "引かれる数", "引く数", "－", "ひきざんのもんだい", CalcOp::Sub},
        {OpMul, "mul", "かけ算", "かけられる数", "かける数", "×", "かけざんのもんだい", CalcOp::Mul},
        {OpDiv, "div", "わり算", "割られる数", "割る数", "÷", "わりざんのもんだい", CalcOp::Div},
    }};
    return table;
}

const OperationInfo& OperationOf(int op)
{
    return Operations()[static_cast<size_t>(op & 3)];
}
