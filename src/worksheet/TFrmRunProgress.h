#pragma once
// The small dialog a long generation run shows: which problem it is on, and
// キャンセル, which asks the run to end (so do Esc and the title bar's close
// button). It stays over the main window, which takes no input meanwhile,
// and never blocks: the run shows it, updates it and hides it as it works.
#include "generation/GenHost.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

// 「問題を作っています… 7 / 20 問」 for the seventh problem of twenty.
QString RunProgressText(const RunProgress& progress);

class TFrmRunProgress : public QDialog {
    Q_OBJECT

public:
    explicit TFrmRunProgress(QWidget* parent);

    void SetProgress(const RunProgress& progress);
    // Back to its first state for the next run: キャンセル enabled again.
    void Reset();

    // Called once per run when the user asks to end it.
    std::function<void()> OnCancel;

    QLabel* LblProgress = nullptr;
    QPushButton* BtnCancel = nullptr;

public slots:
    void reject() override;
};
