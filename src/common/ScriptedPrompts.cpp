#include "common/ScriptedPrompts.h"


namespace {

bool TakeFront(std::deque<bool>& answers)
{
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> TakeFront(std::deque<std::optional<QString>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    // Swapped out rather than copied: keeps GCC's uninitialised-use analysis quiet.
    std::optional<QString> answer;
    answer.swap(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void ScriptedPrompts::Message(const QString& text, const QString&)
{
    Asked << QStringLiteral("message: ") + text;
    Messages << text;
}

bool ScriptedPrompts::Confirm(const QString& text, const QString&)
{
    Asked << QStringLiteral("confirm: ") + text;
    return TakeFront(ConfirmAnswers);
}

std::optional<QString> ScriptedPrompts::InputText(const QString&, const QString& prompt,
                                                  const QString& initial)
{
    Asked << QStringLiteral("input: ") + prompt;
    LastInputInitial = initial;
    return TakeFront(InputAnswers);
}

std::optional<QString> ScriptedPrompts::SaveFileName(const QString& title, const QString&,
                                                     const QString&, const QString& defaultSuffix)
{
    Asked << QStringLiteral("save: ") + title;
    LastDefaultSuffix = defaultSuffix;
    return TakeFront(FileAnswers);
}

std::optional<QString> ScriptedPrompts::OpenFileName(const QString& title, const QString&,
                                                     const QString&)
{
    Asked << QStringLiteral("open: ") + title;
    return TakeFront(FileAnswers);
}

bool ScriptedPrompts::PrintSetup(QPrinter& printer)
{
    Asked << QStringLiteral("print: setup");
    return PrintSetupAction ? PrintSetupAction(printer) : false;
}

bool ScriptedPrompts::OpenUrl(const QString& url)
{
    Asked << QStringLiteral("url: ") + url;
    return OpenUrlResult;
}
