#include "support/ScriptedPrompts.h"


namespace {

bool TakeFront(std::deque<bool>& answers)
{
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

template <typename T>
std::optional<T> TakeFront(std::deque<std::optional<T>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    // Swapped out rather than copied: keeps GCC's uninitialised-use analysis quiet.
    std::optional<T> answer;
    answer.swap(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

void ScriptedPrompts::Record(const QString& question)
{
    Asked << question;
    if (OnAsk)
        OnAsk();
}

void ScriptedPrompts::Message(const QString& text, const QString&)
{
    Messages << text;
    Record(QStringLiteral("message: ") + text);
}

bool ScriptedPrompts::Confirm(const QString& text, const QString&)
{
    Record(QStringLiteral("confirm: ") + text);
    return TakeFront(ConfirmAnswers);
}

std::optional<QString> ScriptedPrompts::InputText(const QString&, const QString& prompt,
                                                  const QString& initial)
{
    Record(QStringLiteral("input: ") + prompt);
    LastInputInitial = initial;
    return TakeFront(InputAnswers);
}

std::optional<QString> ScriptedPrompts::SaveFileName(const QString& title, const QString&,
                                                     const QString& filter,
                                                     const QString& defaultSuffix)
{
    Filters << filter;
    Record(QStringLiteral("save: ") + title);
    LastDefaultSuffix = defaultSuffix;
    return TakeFront(FileAnswers);
}

std::optional<QString> ScriptedPrompts::OpenFileName(const QString& title, const QString&,
                                                     const QString& filter)
{
    Filters << filter;
    Record(QStringLiteral("open: ") + title);
    return TakeFront(FileAnswers);
}

bool ScriptedPrompts::PrintSetup(QPrinter& printer)
{
    Record(QStringLiteral("print: setup"));
    return PrintSetupAction ? PrintSetupAction(printer) : false;
}

bool ScriptedPrompts::OpenUrl(const QString& url)
{
    Record(QStringLiteral("url: ") + url);
    return OpenUrlResult;
}

std::optional<PageFont> ScriptedPrompts::ChooseFont(const PageFont& initial)
{
    Record(QStringLiteral("font: ") + initial.Name);
    return TakeFront(FontAnswers);
}

std::optional<uint32_t> ScriptedPrompts::ChooseColor(uint32_t initial)
{
    Record(QStringLiteral("color: %1").arg(initial, 6, 16, QLatin1Char('0')));
    return TakeFront(ColorAnswers);
}
