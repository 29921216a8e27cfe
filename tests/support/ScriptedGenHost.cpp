#include "support/ScriptedGenHost.h"

void ScriptedGenHost::SetStatusText(int panel, const std::string& text)
{
    if (panel == 0 || panel == 1)
        Status[panel] = text;
    Events.push_back("status" + std::to_string(panel) + ": " + text);
}

bool ScriptedGenHost::Confirm(const std::string& text)
{
    Events.push_back("confirm: " + text);
    ++ConfirmCount;
    if (ConfirmAnswers.empty())
        return false;
    bool answer = ConfirmAnswers.front();
    ConfirmAnswers.pop_front();
    return answer;
}

void ScriptedGenHost::ShowMessage(const std::string& text)
{
    Events.push_back("message: " + text);
    Messages.push_back(text);
}

void ScriptedGenHost::SetTestCounter(const std::string& text)
{
    Events.push_back("counter: " + text);
}

void ScriptedGenHost::StopTimer()
{
    Events.push_back("stop timer");
    TimerStopped = true;
}
