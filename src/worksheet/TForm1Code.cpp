// The main window's sheet codes: making the problems of a code typed in.
#include "worksheet/TForm1.h"

#include "common/Prompts.h"

void TForm1::E1Click()
{
    const std::optional<QString> text = UserPrompts.InputText(
        QStringLiteral("番号から作る"),
        QStringLiteral("作り直す問題の番号を入力して下さい（今の設定で作ります）"), QString());
    if (!text)
        return;
    const CodeParse parse = SheetCode::Parse(text->toStdString());
    if (!parse.Code) {
        UserPrompts.Message(QString::fromStdString(parse.Message));
        return;
    }
    MakeProblemsFromCode(*parse.Code);
}
