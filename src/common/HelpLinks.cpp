#include "common/HelpLinks.h"

#include "common/Prompts.h"

QString OpenPageFailedText()
{
    return QStringLiteral("エラー：繰り返し発生する場合作者へご連絡下さい");
}

bool OpenWebPage(Prompts& prompts, const QString& location)
{
    if (!location.isEmpty() && prompts.OpenUrl(location))
        return true;
    prompts.Message(OpenPageFailedText());
    return false;
}
