#include "common/ScriptedPrompts.h"

namespace {

template <typename T>
T TakeFront(std::deque<T>& answers, T fallback)
{
    if (answers.empty())
        return fallback;
    T answer = answers.front();
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
    return TakeFront(ConfirmAnswers, false);
}

std::optional<QString> ScriptedPrompts::InputText(const QString&, const QString& prompt,
                                                  const QString&)
{
    Asked << QStringLiteral("input: ") + prompt;
    return TakeFront(InputAnswers, std::optional<QString>{});
}

std::optional<QString> ScriptedPrompts::SaveFileName(const QString& title, const QString&,
                                                     const QString&)
{
    Asked << QStringLiteral("save: ") + title;
    return TakeFront(FileAnswers, std::optional<QString>{});
}

std::optional<QString> ScriptedPrompts::OpenFileName(const QString& title, const QString&,
                                                     const QString&)
{
    Asked << QStringLiteral("open: ") + title;
    return TakeFront(FileAnswers, std::optional<QString>{});
}

bool ScriptedPrompts::OpenUrl(const QString& url)
{
    Asked << QStringLiteral("url: ") + url;
    return OpenUrlResult;
}
