#pragma once
// A GenHost without a window: records every status text, message and
// question in order and answers confirmations from a script (No when the
// script runs out). For tests only.
#include "generation/GenHost.h"
#include <deque>
#include <string>
#include <vector>

class ScriptedGenHost : public GenHost {
public:
    // Everything shown, in order, as "status0: …", "status1: …",
    // "confirm: …", "message: …", "counter: …", "stop timer".
    std::vector<std::string> Events;
    std::vector<std::string> Messages;
    std::string Status[2];
    std::deque<bool> ConfirmAnswers;
    bool TestMode = false;
    int TestLoopValue = 0;
    bool TimerStopped = false;
    int ConfirmCount = 0;

    void SetStatusText(int panel, const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool IsTestMode() const override { return TestMode; }
    int TestLoop() const override { return TestLoopValue; }
    void SetTestCounter(const std::string& text) override;
    void StopTimer() override;
};
