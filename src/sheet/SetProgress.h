#pragma once
// How a long piece of work reports how far it is and learns that the user
// cancelled: the window shows a progress dialog behind it, the command-line
// tool and tests use a plain implementation, so nothing blocks on a dialog.
#include <QString>

class SetProgress {
public:
    virtual ~SetProgress() = default;
    // done of total steps finished, what the next one is; false when the
    // user cancelled: the work then stops at once and leaves nothing behind.
    virtual bool Step(int done, int total, const QString& what) = 0;
    // The work is done and nothing more can be cancelled: whatever shows the
    // progress goes away before the caller asks anything or prints.
    virtual void Close() {}
};

// Never cancels and shows nothing.
class SilentProgress : public SetProgress {
public:
    bool Step(int, int, const QString&) override { return true; }
};
