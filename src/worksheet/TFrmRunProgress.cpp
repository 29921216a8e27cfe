#include "worksheet/TFrmRunProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString RunProgressText(const RunProgress& progress)
{
    return QStringLiteral("問題を作っています… %1 / %2 問").arg(progress.Problem).arg(progress.Problems);
}

TFrmRunProgress::TFrmRunProgress(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("問題の作成"));
    // Modal in effect: while a run works the input gate holds off every
    // click and key meant for the main window. Not modal to Qt, which would
    // drop the main window's close request, and closing the window is one
    // way of ending the run.
    setWindowModality(Qt::NonModal);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(24, 18, 24, 14);
    LblProgress = new QLabel(RunProgressText({}), this);
    LblProgress->setMinimumWidth(LblProgress->fontMetrics().horizontalAdvance(
        RunProgressText({20, 20, 0})) + 40);
    box->addWidget(LblProgress);
    auto* buttons = new QHBoxLayout;
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    buttons->addStretch();
    buttons->addWidget(BtnCancel);
    box->addSpacing(6);
    box->addLayout(buttons);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmRunProgress::reject);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFrmRunProgress::SetProgress(const RunProgress& progress)
{
    LblProgress->setText(RunProgressText(progress));
}

void TFrmRunProgress::Reset()
{
    BtnCancel->setEnabled(true);
}

void TFrmRunProgress::reject()
{
    // The dialog stays up until the run has ended and hides it; a second
    // request changes nothing.
    if (!BtnCancel->isEnabled())
        return;
    BtnCancel->setEnabled(false);
    if (OnCancel)
        OnCancel();
}
