#pragma once
// The main window as seen by a generation run: status panels, message and
// Yes/No boxes through the window's prompts, pending events let through, and
// the test-mode counter label and timer.
#include "generation/GenHost.h"

class TForm1;

class WindowGenHost : public GenHost {
public:
    explicit WindowGenHost(TForm1& form) : Form(form) {}

    void SetStatusText(int panel, const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ProcessEvents() override;
    bool IsTestMode() const override;
    int TestLoop() const override;
    void SetTestCounter(const std::string& text) override;
    void StopTimer() override;

private:
    TForm1& Form;
};
