#pragma once
// What a generation run needs from its surroundings: the two status panels,
// message and Yes/No boxes, letting pending window events through, and the
// test-mode counter and timer. The main window implements it over its
// controls; the command-line tool and tests implement it headless.
// All texts are UTF-8.
#include <string>

class GenHost {
public:
    virtual ~GenHost() = default;

    // Panel 0: the restart counter; panel 1: hints and the loop-over report.
    virtual void SetStatusText(int panel, const std::string& text) = 0;
    // A Yes/No confirmation box; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // A plain message box.
    virtual void ShowMessage(const std::string& text) = 0;
    // Lets the window process pending events (may re-enter the run's owner).
    virtual void ProcessEvents() {}

    // Test mode: on while the counter label is visible.
    virtual bool IsTestMode() const { return false; }
    // The test-mode run counter `TestLoop`, shown after every problem.
    virtual int TestLoop() const { return 0; }
    virtual void SetTestCounter(const std::string& /*text*/) {}
    virtual void StopTimer() {}
};
