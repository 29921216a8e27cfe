// The main window's grade menu: the built-in presets by grade, the user's
// own presets from their folder, saving the current settings as a preset
// and the dialog that renames and deletes them. Choosing a preset writes
// it over the settings and sets every control from them, as a tab change
// empties the lists; all stays editable and is saved at exit as usual.
#include "worksheet/TForm1.h"

#include "common/Prompts.h"
#include "common/SettingsLocation.h"
#include "sheet/PresetApply.h"
#include "worksheet/TFrmPresets.h"
#include "sheet/UserPresets.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

namespace {

QString PresetFolder()
{
    return UserPresetFolder(SettingsLocation::FilePath());
}

// A preset's name as a menu shows it: every "&" drawn, none an accelerator.
QString MenuText(const QString& name)
{
    QString text = name;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void TForm1::CreatePresetMenu()
{
    MenuGrade = menuBar()->addMenu(QStringLiteral("学年別(&G)"));
    for (int grade = 3; grade <= 5; ++grade) {
        QMenu* sub = MenuGrade->addMenu(QStringLiteral("&%1年").arg(grade));
        for (const GradePreset& preset : BuiltInPresets())
            if (preset.Grade == grade)
                connect(sub->addAction(MenuText(preset.Name)), &QAction::triggered, this,
                        [this, &preset] { ApplyGradePreset(preset); });
    }
    MenuGrade->addSeparator();
    UserPresetsEnd = MenuGrade->addSeparator();
    PresetSave = MenuGrade->addAction(QStringLiteral("今の設定を保存(&S)..."));
    PresetManage = MenuGrade->addAction(QStringLiteral("プリセットの整理(&M)..."));
    connect(PresetSave, &QAction::triggered, this, &TForm1::PresetSaveClick);
    connect(PresetManage, &QAction::triggered, this, &TForm1::PresetManageClick);
}

void TForm1::FillUserPresets()
{
    for (QAction* action : UserPresetActions) {
        MenuGrade->removeAction(action);
        action->deleteLater();
    }
    UserPresetActions.clear();
    const UserPresetList list = ReadUserPresets(PresetFolder());
    for (const QString& error : list.Errors)
        if (!ReportedPresetFiles.contains(error)) {
            ReportedPresetFiles << error;
            UserPrompts.Message(error);
        }
    for (const GradePreset& preset : list.Presets) {
        auto* action = new QAction(MenuText(preset.Name), MenuGrade);
        const QString path = preset.Id;
        // Read again when chosen: the file may have changed since.
        connect(action, &QAction::triggered, this, [this, path] {
            PresetFileRead read = ReadPresetFile(path);
            if (read.Preset)
                ApplyGradePreset(*read.Preset);
            else
                UserPrompts.Message(read.Error);
        });
        MenuGrade->insertAction(UserPresetsEnd, action);
        UserPresetActions << action;
    }
}

void TForm1::ApplyGradePreset(const GradePreset& preset)
{
    // What the controls show goes into the records first, so every key
    // the preset lacks keeps it.
    Exam.Operation = TabControl1->currentIndex();
    for (int i = 0; i < RangeEditCount; ++i)
        Exam.Ranges[i] = RangeEdit(i)->text().toStdString();
    for (QLineEdit* edit : {EdtPageTitle, EdtSubTitle, EdtHeader, EdtFooter, EdtInstruction})
        EdtPageTextExit(edit);
    const QStringList refused = ApplyPreset(preset, Exam, Sheet);

    TabControl1->setCurrentIndex(Exam.Operation);
    BtnClearClick();  // also when the tab stays
    SetRangeTexts(Exam.Ranges);
    ApplySettingsToControls();
    EdtPageTitle->setText(Sheet.sPageTitle);
    EdtSubTitle->setText(Sheet.sSubTitle);
    EdtHeader->setText(Sheet.sHeader);
    EdtFooter->setText(Sheet.sFooter);
    EdtInstruction->setText(Sheet.Instruction.psStr);
    SetPanelText(1, QStringLiteral("プリセット「%1」").arg(preset.Name));
    if (!refused.isEmpty())
        UserPrompts.Message(QStringLiteral("プリセット %1 の次の値は使えないため、今の値のままにしました:\n%2")
                                .arg(QDir::toNativeSeparators(preset.Id), refused.join(QStringLiteral(", "))));
}

void TForm1::PresetSaveClick()
{
    const std::optional<QString> typed = UserPrompts.InputText(
        QStringLiteral("今の設定を保存"), QStringLiteral("プリセットの名前を入力して下さい"), QString());
    if (!typed)
        return;
    if (const std::optional<QString> problem = PresetNameProblem(*typed)) {
        UserPrompts.Message(*problem);
        return;
    }
    const QString name = typed->trimmed();
    Exam.Operation = TabControl1->currentIndex();
    for (int i = 0; i < RangeEditCount; ++i)
        Exam.Ranges[i] = RangeEdit(i)->text().toStdString();
    for (QLineEdit* edit : {EdtPageTitle, EdtSubTitle, EdtHeader, EdtFooter, EdtInstruction})
        EdtPageTextExit(edit);
    GradePreset preset = PresetOfSettings(name, Exam, Sheet);
    const UserPresetList list = ReadUserPresets(PresetFolder());
    if (const GradePreset* same = FindUserPreset(list, name)) {
        if (!UserPrompts.Confirm(QStringLiteral("プリセット「%1」を上書きしますか?").arg(name)))
            return;
        preset.Id = same->Id;
    }
    const PresetSaveResult saved = SaveUserPreset(PresetFolder(), preset);
    if (saved.Error) {
        UserPrompts.Message(*saved.Error);
        return;
    }
    FillUserPresets();
    SetPanelText(1, QStringLiteral("プリセット「%1」を保存しました").arg(name));
}

void TForm1::PresetManageClick()
{
    if (!FrmPresets)
        FrmPresets = new TFrmPresets(UserPrompts, this);
    FrmPresets->Execute(PresetFolder());
    FillUserPresets();
}
