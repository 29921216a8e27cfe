#include "worksheet/WindowGenHost.h"

#include "common/Prompts.h"
#include "worksheet/TForm1.h"
#include "worksheet/TFrmRunProgress.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

WindowGenHost::WindowGenHost(TForm1& form) : Form(form) {}

WindowGenHost::~WindowGenHost()
{
    if (Depth > 0)
        qApp->removeEventFilter(&Gate);
}

WindowGenHost::Scope::Scope(WindowGenHost& host) : Host(host)
{
    if (Host.Depth++ == 0) {
        Host.fCancel = false;
        qApp->installEventFilter(&Host.Gate);
    }
    Host.Clock.start();
    Host.LastEvents.invalidate();
}

WindowGenHost::Scope::~Scope()
{
    Host.HideProgress();
    if (--Host.Depth == 0) {
        qApp->removeEventFilter(&Host.Gate);
        Host.Clock.invalidate();
    }
}

void WindowGenHost::SetStatusText(int panel, const std::string& text)
{
    Form.SetPanelText(panel, QString::fromStdString(text));
}

bool WindowGenHost::Confirm(const std::string& text)
{
    // The question stands alone; the time the user takes to answer does not
    // count as work.
    HideProgress();
    const bool yes = Form.Prompt().Confirm(QString::fromStdString(text));
    if (Clock.isValid())
        Clock.start();
    return yes;
}

void WindowGenHost::ShowMessage(const std::string& text)
{
    HideProgress();
    Form.Prompt().Message(QString::fromStdString(text));
    if (Clock.isValid())
        Clock.start();
}

void WindowGenHost::ProcessEvents()
{
    QCoreApplication::processEvents();
}

void WindowGenHost::Working(const RunProgress& progress)
{
    // A run may report far more often than events need to be let through.
    if (LastEvents.isValid() && LastEvents.elapsed() < kEventsEveryMs)
        return;
    // Not once a cancel was asked for (the window may be closing), nor
    // outside a scope: a run without one has no clock to go by.
    const bool show = !fCancel && Clock.isValid() && Clock.elapsed() >= ShowProgressAfterMs;
    if (show && !Dialog) {
        Dialog = new TFrmRunProgress(&Form);
        Dialog->OnCancel = [this] { RequestCancel(); };
    }
    if (show && !Dialog->isVisible()) {
        Dialog->Reset();
        Dialog->show();
    }
    if (Dialog && Dialog->isVisible())
        Dialog->SetProgress(progress);
    QCoreApplication::processEvents();
    LastEvents.start();
}

void WindowGenHost::RequestCancel()
{
    if (Depth > 0)
        fCancel = true;
}

void WindowGenHost::HideProgress()
{
    if (Dialog && Dialog->isVisible())
        Dialog->hide();
}

bool WindowGenHost::IsTestMode() const
{
    return Form.IsTestMode();
}

int WindowGenHost::TestLoop() const
{
    return Form.TestLoop;
}

void WindowGenHost::SetTestCounter(const std::string& text)
{
    Form.LblInf->setText(QString::fromStdString(text));
}

void WindowGenHost::StopTimer()
{
    Form.Timer1->stop();
}
