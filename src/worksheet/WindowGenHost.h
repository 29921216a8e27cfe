#pragma once
// The main window as seen by a generation run: status panels, message and
// Yes/No boxes through the window's prompts, pending events let through, and
// the test-mode counter label and timer.
//
// A run never freezes the window: it reports while it works (Working), and
// the host lets events through then; input that would start another run is
// held off by the input gate; after half a second the progress dialog shows
// which problem the run is on, and its キャンセル (or closing the window)
// asks the run to end. Runs happen inside a Scope, which opens the gate.
#include "generation/GenHost.h"
#include "worksheet/InputGate.h"

#include <QElapsedTimer>

class TForm1;
class TFrmRunProgress;

class WindowGenHost : public GenHost {
public:
    explicit WindowGenHost(TForm1& form);
    ~WindowGenHost() override;

    // How long a run works before the progress dialog shows.
    static constexpr int kShowProgressAfterMs = 500;
    int ShowProgressAfterMs = kShowProgressAfterMs;
    // Events are let through at most this often, however often a run reports.
    static constexpr int kEventsEveryMs = 10;

    // One run, or a set of runs (a class set) holding nested runs: each
    // scope restarts the clock of the progress dialog and hides the dialog
    // when it ends; the outermost clears the cancel request and keeps the
    // input gate open for its whole length.
    class Scope {
    public:
        explicit Scope(WindowGenHost& host);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        WindowGenHost& Host;
    };

    void SetStatusText(int panel, const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ProcessEvents() override;
    void Working(const RunProgress& progress) override;
    bool CancelRequested() const override { return fCancel; }
    bool IsTestMode() const override;
    int TestLoop() const override;
    void SetTestCounter(const std::string& text) override;
    void StopTimer() override;

    // True inside a Scope.
    bool IsWorking() const { return Depth > 0; }
    // Asks the run in progress to end (キャンセル, closing the window); the
    // rest of the outermost scope's runs end at once too.
    void RequestCancel();
    // The dialog, once a run has shown it; null before.
    TFrmRunProgress* ProgressDialog() const { return Dialog; }

private:
    void HideProgress();

    TForm1& Form;
    InputGate Gate;
    TFrmRunProgress* Dialog = nullptr;  // owned by the window, made when first shown
    QElapsedTimer Clock;                // since the current run started
    QElapsedTimer LastEvents;           // since events were last let through
    int Depth = 0;
    bool fCancel = false;
};
