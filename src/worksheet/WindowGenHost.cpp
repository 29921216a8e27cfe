#include "worksheet/WindowGenHost.h"

#include "common/Prompts.h"
#include "worksheet/TForm1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

void WindowGenHost::SetStatusText(int panel, const std::string& text)
{
    Form.SetPanelText(panel, QString::fromStdString(text));
}

bool WindowGenHost::Confirm(const std::string& text)
{
    return Form.Prompt().Confirm(QString::fromStdString(text));
}

void WindowGenHost::ShowMessage(const std::string& text)
{
    Form.Prompt().Message(QString::fromStdString(text));
}

void WindowGenHost::ProcessEvents()
{
    QCoreApplication::processEvents();
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
