#pragma once
// The generation host of a class set: every call goes to the host of the
// window or the command line, except that once the loop-over question has
// been answered Yes it is not asked again for the rest of the set. A No
// abandons that sheet's run, and with it the set.
#include "generation/GenHost.h"

class SetGenHost : public GenHost {
public:
    explicit SetGenHost(GenHost& inner) : Inner(inner) {}

    void SetStatusText(int panel, const std::string& text) override { Inner.SetStatusText(panel, text); }
    bool Confirm(const std::string& text) override
    {
        if (!fAgreed)
            fAgreed = Inner.Confirm(text);
        return fAgreed;
    }
    void ShowMessage(const std::string& text) override { Inner.ShowMessage(text); }
    void ProcessEvents() override { Inner.ProcessEvents(); }
    void Working(const RunProgress& progress) override { Inner.Working(progress); }
    bool CancelRequested() const override { return Inner.CancelRequested(); }
    bool IsTestMode() const override { return false; }  // a set is never a test-mode run

private:
    GenHost& Inner;
    bool fAgreed = false;
};
