#pragma once
// What a generation run needs from its surroundings: the two status panels,
// message and Yes/No boxes, letting pending window events through, and the
// test-mode counter and timer. The main window implements it over its
// controls; the command-line tool and tests implement it headless.
// All texts are UTF-8.
#include <string>

// Where a run stands, reported while it works: the problem being drawn
// (1-based) of the sheet's count, and the restarts so far.
struct RunProgress {
    int Problem = 0;
    int Problems = 0;
    int Restart = 0;
};

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
    // Called while a run works, often enough (every 50 ms of work at most)
    // that the window can repaint, take keys and show a progress dialog.
    virtual void Working(const RunProgress& /*progress*/) {}
    // True once the user has asked to end the run: the run stops at once
    // and its owner leaves the lists as they were.
    virtual bool CancelRequested() const { return false; }

    // Test mode: on while the counter label is visible.
    virtual bool IsTestMode() const { return false; }
    // The test-mode run counter `TestLoop`, shown after every problem.
    virtual int TestLoop() const { return 0; }
    virtual void SetTestCounter(const std::string& /*text*/) {}
    virtual void StopTimer() {}
};
