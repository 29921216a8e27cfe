// The main window's start-up and shut-down: the dialogs it creates, the first
// show that reads the settings file and fills the controls, closing, which
// writes the file back, and the date-and-time record written at exit. Each owner writes only its own keys and every
// save replaces the file atomically, so a failed or interrupted save leaves
// the old file whole.
#include "worksheet/TForm1.h"

#include "common/IniFile.h"
#include "common/Prompts.h"
#include "common/SaveFailure.h"
#include "common/SettingsLocation.h"
#include "prevform/PrevEngine.h"
#include "preview/TFrmPrev.h"
#include "preview/TFrmPageStr.h"
#include "sheet/MainSettings.h"
#include "sheet/SheetSetupFile.h"
#include "worksheet/TFrmAbout.h"
#include "worksheet/TFrmStyle.h"
#include "worksheet/WindowGenHost.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

void TForm1::CreateDialogs()
{
    // The date-and-time record belongs to the window's creation; the preview
    // window, created just before, has read its own records.
    LoadDateTimeRecord(IniFile(SettingsLocation::FilePath()), Sheet.DateTime);
    FrmPageStr = new TFrmPageStr(UserPrompts, this);
    FrmStyle = new TFrmStyle(UserPrompts, this);
    FrmAbout = new TFrmAbout(this);
}

void TForm1::ConnectSheetHandlers()
{
    connect(Style1, &QAction::triggered, this, &TForm1::Style1Click);
    connect(D1, &QAction::triggered, this, &TForm1::D1Click);
    connect(N5, &QAction::triggered, this, &TForm1::N5Click);
    const std::pair<QPushButton*, PageStrFlow> buttons[] = {
        {BtnPageTitle, PageStrFlow::PageTitle}, {BtnSubTitle, PageStrFlow::SubTitle},
        {BtnHeader, PageStrFlow::Header}, {BtnFooter, PageStrFlow::Footer},
        {BtnInstruction, PageStrFlow::Instruction}};
    for (const auto& [button, flow] : buttons) {
        // A copy of its own: a lambda cannot capture a structured binding in C++20.
        connect(button, &QPushButton::clicked, this,
                [this, flow = flow] { PageStrButtonClick(flow); });
        PageTextEdit(flow)->installEventFilter(this);
    }
}

PrevEngine& TForm1::Engine()
{
    return FrmPrev->Engine();
}

void TForm1::FormShow()
{
    Sheet.FntExam = PageFont{};  // the window's own font
    Exam.ExamRowN = 10;
    Exam.ExamColN = 1;
    LoadSettings();
    FrmPrev->update();
    EdtPageTitle->setText(Sheet.sPageTitle);
    EdtSubTitle->setText(Sheet.sSubTitle);
    EdtHeader->setText(Sheet.sHeader);
    EdtFooter->setText(Sheet.sFooter);
    EdtInstruction->setText(Sheet.Instruction.psStr);
    // The tab and the range texts as last saved (a tab change empties the lists).
    TabControl1->setCurrentIndex(Exam.Operation);
    SetRangeTexts(Exam.Ranges);
    GiveStartingLayouts(Engine(), Sheet);
    // Counts, sign mode, answer adjustments (their handlers run) and "&Z".
    ApplySettingsToControls();
    FillUserPresets();
    GroupBox3->setVisible(TabControl1->currentIndex() >= OpMul);
    FrmAbout->SetProductName(QStringLiteral("Dodod　小数の加減乗除篇"));
}

void TForm1::LoadSettings()
{
    const QString path = SettingsLocation::FilePath();
    const QStringList refused = LoadMainSettings(IniFile(path), Exam, Sheet);
    if (!refused.isEmpty())
        UserPrompts.Message(QStringLiteral("設定ファイル %1 の次の値は使えないため、既定の値にしました:\n%2")
                                .arg(QDir::toNativeSeparators(path), refused.join(QStringLiteral(", "))));
}

bool TForm1::SaveSettings()
{
    IniFile ini(SettingsLocation::FilePath());
    // The tab, the range edits and the instruction box as they stand.
    Exam.Operation = TabControl1->currentIndex();
    for (int i = 0; i < RangeEditCount; ++i)
        Exam.Ranges[i] = RangeEdit(i)->text().toStdString();
    Sheet.Instruction.psStr = EdtInstruction->text();
    SaveMainSettings(ini, Exam, Sheet,
                     {EdtHeader->text(), EdtFooter->text(), EdtPageTitle->text(),
                      EdtSubTitle->text()});
    if (const std::optional<QString> error = ini.Save()) {
        ReportSaveFailure(UserPrompts, *error);
        return false;
    }
    return true;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A run in progress ends at its next report and leaves the lists as
    // they were; the window closes now.
    Host->RequestCancel();
    // Once, however often the window is asked to close (a second request can
    // come while a question of a generation run waits), and only when the
    // settings were read: a window closed before its first show would write
    // its creation values over what the user stored.
    if (fShown && !fSettingsSaved) {
        fSettingsSaved = true;
        SaveSettings();
    }
    QMainWindow::closeEvent(event);
}

void TForm1::WriteDateTime()
{
    IniFile ini(SettingsLocation::FilePath());
    SaveDateTimeRecord(ini, Sheet.DateTime);
    if (const std::optional<QString> error = ini.Save())
        ReportSaveFailure(UserPrompts, *error);
}
