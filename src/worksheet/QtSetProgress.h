#pragma once
// SetProgress over a window-modal progress dialog: it appears only when the
// work lasts longer than half a second, shows what is being made, and its
// cancel button stops the work at the next step.
#include "sheet/SetProgress.h"

#include <QProgressDialog>

class QtSetProgress : public SetProgress {
public:
    QtSetProgress(QWidget* parent, const QString& title);

    bool Step(int done, int total, const QString& what) override;
    void Close() override;

    QProgressDialog Dialog;
};
