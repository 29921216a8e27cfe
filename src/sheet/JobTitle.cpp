#include "sheet/JobTitle.h"

#include "sheet/SheetComposer.h"

namespace {

const QString kProgramTitle = QStringLiteral("小数の計算");

} // namespace

QString PlainJobTitle()
{
    return kProgramTitle;
}

QString SheetJobTitle(int mode, const QString& code)
{
    QString title = kProgramTitle + (mode == AnswerSheet ? QStringLiteral(" 答え") : QStringLiteral(" 問題"));
    if (!code.isEmpty())
        title += QStringLiteral(" No. ") + code;
    return title;
}

QString ClassSetJobTitle(int sheets)
{
    if (sheets <= 1)
        return kProgramTitle + QStringLiteral(" 問題と答え No.1");
    return kProgramTitle + QStringLiteral(" 問題と答え No.1～No.%1").arg(sheets);
}
