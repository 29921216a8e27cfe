// The main window's grade menu and instruction line: presets set every
// control and empty the lists, user presets are saved, listed, renamed and
// deleted, damaged preset files are reported once, and the tab, the
// ranges and the instruction line survive a restart.
#include "support/QStringPrinter.h"
#include "support/ScratchFile.h"
#include "TypeInto.h"
#include "WindowFileFixture.h"
#include "support/ScriptedPrompts.h"
#include "common/SettingsLocation.h"
#include "prevform/PrevEngine.h"
#include "preview/TFrmPageStr.h"
#include "worksheet/TForm1.h"
#include "worksheet/TFrmPresets.h"
#include "sheet/UserPresets.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

class TForm1PresetsTest : public WindowFileFixture {
protected:
    void Restart()
    {
        Form->close();
        Form.reset();
        Start();
    }
    QString Folder() const { return UserPresetFolder(Path); }
    // The action of the grade menu (or of one of its submenus) with this text.
    QAction* Item(const QString& text, QMenu* menu = nullptr) const
    {
        for (QAction* action : (menu ? menu : Form->MenuGrade)->actions()) {
            if (action->text() == text)
                return action;
            if (action->menu())
                if (QAction* inner = Item(text, action->menu()))
                    return inner;
        }
        return nullptr;
    }
    QStringList Ranges() const
    {
        QStringList texts;
        for (int i = 0; i < RangeEditCount; ++i)
            texts << Form->RangeEdit(i)->text();
        return texts;
    }
};

TEST_F(TForm1PresetsTest, GradeMenuStandsBetweenOptionsAndHelp)
{
    Start();
    const QList<QAction*> bar = Form->menuBar()->actions();
    const qsizetype grade = bar.indexOf(Form->MenuGrade->menuAction());
    EXPECT_EQ(Form->MenuGrade->title(), "学年別(&G)");
    EXPECT_EQ(bar.at(grade - 1), Form->MenuOption->menuAction());
    EXPECT_EQ(bar.at(grade + 1), Form->MenuHelp->menuAction());
    QStringList subs;
    for (QAction* action : Form->MenuGrade->actions())
        if (action->menu())
            subs << action->text() + ":" + QString::number(action->menu()->actions().size());
    EXPECT_EQ(subs, (QStringList{"&3年:2", "&4年:9", "&5年:6"}));
    EXPECT_EQ(Form->PresetSave->text(), "今の設定を保存(&S)...");
    EXPECT_EQ(Form->PresetManage->text(), "プリセットの整理(&M)...");
    EXPECT_EQ(Form->L1->text(), "最後の位まで使う(&L)");
    // After a separator, the items that make a sheet exercise its unit.
    const QList<QAction*> options = Form->MenuOption->actions();
    EXPECT_EQ(options.mid(options.indexOf(Form->L1) + 2), (QList<QAction*>{Form->Q1, Form->U1, Form->W1, Form->J1}));
    EXPECT_EQ(Form->Q1->text(), "同じ問題を出さない(&Q)");
    EXPECT_EQ(Form->U1->text(), "単元に合う問題だけ（あまり・がい数・わり進み）(&U)");
    EXPECT_EQ(Form->W1->text(), "同じ答えは2回まで(&W)");
    EXPECT_EQ(Form->J1->text(), "わりきれる問題をむだなく作る(&K)");
}

TEST_F(TForm1PresetsTest, APresetSetsEveryControlAndEmptiesTheLists)
{
    Start();
    Form->BtnMake->click();
    ASSERT_FALSE(Form->Memo1->toPlainText().isEmpty());
    Item("小数÷小数（あまり）")->trigger();
    EXPECT_EQ(Form->TabControl1->currentIndex(), OpDiv);
    EXPECT_EQ(Ranges(), (QStringList{"1", "0", "99", "9", "0", "1", "9", "9"}));
    EXPECT_TRUE(Form->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(Form->EdtRow->text(), "4");
    EXPECT_EQ(Form->EdtCol->text(), "2");
    EXPECT_TRUE(Form->CBoxRest->isChecked() && Form->CBoxRound->isChecked());
    EXPECT_FALSE(Form->CBoxJust->isChecked() || Form->CBoxRoundSig->isChecked());
    EXPECT_TRUE(Form->I1->isChecked());
    EXPECT_TRUE(Form->Sheet.ExamType && Form->Sheet.fTextbook);
    EXPECT_EQ(Form->EdtSubTitle->text(), "5年　小数÷小数（あまり）");
    EXPECT_EQ(Form->EdtInstruction->text(), "");
    EXPECT_EQ(Form->Sheet.Instruction.psPos, 4);
    EXPECT_TRUE(Form->PanelText(1).contains("小数÷小数（あまり）"));

    // Made on the same tab, the answers have remainders and the sheet says so.
    Form->BtnMake->click();
    EXPECT_TRUE(Form->Memo3->toPlainText().contains(" あまり "));
    Form->Button1->click();
    EXPECT_FALSE(Form->Engine().ListbyProgram.filter("あまりも出しましょう。").isEmpty());

    Item("商を上から2けたのがい数で")->trigger();
    Form->BtnMake->click();
    EXPECT_TRUE(Form->Memo3->toPlainText().startsWith("約"));
    EXPECT_TRUE(Form->CBoxRoundSig->isChecked() && Form->Y1->isChecked());
    EXPECT_FALSE(Form->CBoxRest->isChecked());
    // Its sheet exercises the unit; the items switch the options.
    EXPECT_TRUE(Form->Q1->isChecked() && Form->U1->isChecked() && !Form->W1->isChecked());
    for (QAction* item : {Form->Q1, Form->U1, Form->W1})
        item->trigger();
    EXPECT_FALSE(Form->Exam.fNoRepeat || Form->Exam.fUnitOnly || !Form->Exam.fFewSame);
}

TEST_F(TForm1PresetsTest, TabRangesAndInstructionSurviveARestart)
{
    Start();
    Item("小数のたし算（1/100・1/1000の位）")->trigger();
    EXPECT_TRUE(Form->L1->isChecked());
    TypeInto(Form->RangeEdit(EdtMax1), "8");
    TypeInto(Form->EdtInstruction, "ていねいに");
    Form->TabControl1->setCurrentIndex(OpSub);
    const QStringList ranges = Ranges();
    Restart();
    EXPECT_EQ(Form->TabControl1->currentIndex(), OpSub);
    EXPECT_EQ(Ranges(), ranges);
    EXPECT_EQ(Form->EdtInstruction->text(), "ていねいに");
    EXPECT_TRUE(Form->L1->isChecked());
    EXPECT_EQ(Form->Sheet.Instruction.psPos, 4);
}

// Typing an instruction shows the line; its 設定 runs the dialog on a copy
// that starts at the line's starting place, so Cancel changes nothing.
TEST_F(TForm1PresetsTest, InstructionBoxAndItsDialog)
{
    Start();
    EXPECT_EQ(Form->Sheet.Instruction.psPos, 0);
    QString caption;
    int shownPos = -1;
    QTimer::singleShot(0, Form.get(), [&] {
        caption = Form->FrmPageStr->windowTitle();
        shownPos = Form->FrmPageStr->ComboBox1->currentIndex();
        Form->FrmPageStr->Button3->click();
    });
    Form->BtnInstruction->click();
    EXPECT_EQ(caption, "問題文の設定");
    EXPECT_EQ(shownPos, 4);
    EXPECT_EQ(Form->Sheet.Instruction.psPos, 0);

    QTimer::singleShot(0, Form.get(), [&] {
        Form->FrmPageStr->Edit1->setText("よく見て");
        Form->FrmPageStr->Button2->click();
    });
    Form->BtnInstruction->click();
    EXPECT_EQ(Form->EdtInstruction->text(), "よく見て");
    EXPECT_EQ(Form->Sheet.Instruction.psStr, "よく見て");
    EXPECT_EQ(Form->Sheet.Instruction.psPos, 4);
    EXPECT_EQ(Form->Sheet.Instruction.psY, "46");

    Form->Sheet.Instruction.psPos = 0;  // "なし", chosen after placing it
    TypeInto(Form->EdtInstruction, "ほかの文");
    EXPECT_EQ(Form->Sheet.Instruction.psPos, 0);
    Form->BtnMake->click();
    Form->Button1->click();
    EXPECT_TRUE(Form->Engine().ListbyProgram.filter("ほかの文").isEmpty());
}

TEST_F(TForm1PresetsTest, SavedPresetsAreListedRenamedUsedAfterARestartAndDeleted)
{
    Start();
    Item("あまりのある小数÷整数")->trigger();
    TypeInto(Form->EdtPageTitle, "わたしの題");
    Prompts.InputAnswers = {QStringLiteral("  あまりの練習 ")};
    Form->PresetSave->trigger();
    ASSERT_NE(Item("あまりの練習"), nullptr);
    EXPECT_EQ(ReadUserPresets(Folder()).Presets.size(), 1u);

    // The same name again: asked, and kept in its one file.
    Prompts.InputAnswers = {QStringLiteral("あまりの練習")};
    Prompts.ConfirmAnswers = {true};
    Form->PresetSave->trigger();
    EXPECT_EQ(ReadUserPresets(Folder()).Presets.size(), 1u);
    EXPECT_TRUE(Prompts.Asked.filter("上書き").size() == 1);

    Restart();
    Item("小数×小数")->trigger();
    ASSERT_NE(Item("あまりの練習"), nullptr);
    Item("あまりの練習")->trigger();
    EXPECT_EQ(Form->TabControl1->currentIndex(), OpDiv);
    EXPECT_TRUE(Form->CBoxRest->isChecked());
    EXPECT_EQ(Form->EdtPageTitle->text(), "わたしの題");

    TFrmPresets dialog(Prompts);
    dialog.Fill(Folder());
    EXPECT_EQ(dialog.ListPresets->count(), 18);
    EXPECT_EQ(dialog.ListPresets->currentRow(), 0);
    Prompts.InputAnswers = {QStringLiteral("あまり２")};
    dialog.RenameClick();
    EXPECT_EQ(dialog.ListPresets->item(0)->text(), "あまり２");
    Form->FillUserPresets();
    EXPECT_EQ(Item("あまりの練習"), nullptr);
    ASSERT_NE(Item("あまり２"), nullptr);

    // Built-ins stay: nothing to rename or delete.
    dialog.ListPresets->setCurrentRow(3);
    EXPECT_FALSE(dialog.BtnDelete->isEnabled() || dialog.BtnRename->isEnabled());
    dialog.DeleteClick();
    EXPECT_EQ(dialog.ListPresets->count(), 18);

    dialog.ListPresets->setCurrentRow(0);
    Prompts.ConfirmAnswers = {false};
    dialog.DeleteClick();
    EXPECT_EQ(dialog.ListPresets->count(), 18);
    Prompts.ConfirmAnswers = {true};
    dialog.DeleteClick();
    EXPECT_EQ(dialog.ListPresets->count(), 17);
    Form->FillUserPresets();
    EXPECT_EQ(Item("あまり２"), nullptr);
    EXPECT_TRUE(Prompts.Messages.isEmpty());
}

TEST_F(TForm1PresetsTest, ADamagedPresetFileIsReportedOnceAndSkipped)
{
    QDir().mkpath(Folder());
    const QString damaged = QDir(Folder()).filePath("broken.ini");
    ASSERT_TRUE(WriteScratchFile(damaged, QByteArray("\x00\x01\x02 not a preset", 16)));
    Start();
    ASSERT_EQ(Prompts.Messages.size(), 1);
    EXPECT_TRUE(Prompts.Messages[0].contains(damaged));
    Form->FillUserPresets();
    EXPECT_EQ(Prompts.Messages.size(), 1);
    EXPECT_EQ(Item("broken"), nullptr);

    // A file spoilt after it was listed: choosing it reports it and keeps
    // the settings.
    Prompts.InputAnswers = {QStringLiteral("mine")};
    Form->PresetSave->trigger();
    const QString mine = ReadUserPresets(Folder()).Presets.at(0).Id;
    ASSERT_TRUE(WriteScratchFile(mine, QByteArray("[Other]\nx=1\n")));
    const int tab = Form->TabControl1->currentIndex();
    Item("mine")->trigger();
    EXPECT_EQ(Form->TabControl1->currentIndex(), tab);
    EXPECT_TRUE(Prompts.Messages.last().contains(mine));
}

TEST_F(TForm1PresetsTest, ValuesAPresetFileCannotGiveKeepTheCurrentOnesAndAreReportedOnce)
{
    QDir().mkpath(Folder());
    const QString file = QDir(Folder()).filePath("wild.ini");
    ASSERT_TRUE(WriteScratchFile(file, "[Preset]\nName=wild\n[Exam]\nRow=999\nCol=-3\nMinus=7\n"
                                       "RoundPos=99\nTab=9\nRound=1\n"));
    Start();
    Item("小数÷小数（あまり）")->trigger();  // 4 × 2
    Item("wild")->trigger();
    ASSERT_EQ(Prompts.Messages.size(), 1);
    for (const char* key : {"Exam/Row", "Exam/Col", "Exam/Minus", "Exam/RoundPos", "Exam/Tab"})
        EXPECT_TRUE(Prompts.Messages[0].contains(QString::fromLatin1(key))) << key;
    EXPECT_TRUE(Prompts.Messages[0].contains(QDir::toNativeSeparators(file)));
    EXPECT_EQ(Form->EdtRow->text(), "4");
    EXPECT_EQ(Form->EdtCol->text(), "2");
    EXPECT_EQ(Form->TabControl1->currentIndex(), OpDiv);
    EXPECT_TRUE(Form->CBoxRound->isChecked());  // what the file can give, it gives
    Form->BtnMake->click();
    EXPECT_EQ(Form->Memo1->toPlainText().split('\n', Qt::SkipEmptyParts).size(), 8);

    // Nothing refused reaches the settings file.
    Restart();
    EXPECT_EQ(Form->EdtRow->text(), "4");
    EXPECT_EQ(Prompts.Messages.size(), 1);
}

TEST_F(TForm1PresetsTest, PresetNamesShowLiterallyAndTakeNoAccelerator)
{
    Start();
    for (const char* name : {"たし&ひき", "&Save"}) {
        Prompts.InputAnswers = {QString::fromUtf8(name)};
        Form->PresetSave->trigger();
    }
    QList<QAction*> mine;
    QStringList texts;
    for (QAction* action : Form->MenuGrade->actions())
        if (!action->menu() && !action->isSeparator() && action != Form->PresetSave
            && action != Form->PresetManage) {
            mine << action;
            texts << action->text();
            EXPECT_TRUE(QKeySequence::mnemonic(action->text()).isEmpty());
        }
    EXPECT_EQ(texts, (QStringList{"&&Save", "たし&&ひき"}));
    EXPECT_EQ(QKeySequence::mnemonic(Form->PresetSave->text()), QKeySequence(Qt::ALT | Qt::Key_S));
    mine.last()->trigger();
    EXPECT_TRUE(Form->PanelText(1).contains("たし&ひき"));
}

TEST_F(TForm1PresetsTest, RenamingAsksBeforeTakingANameAndRefusesNamesNoFileCanHold)
{
    Start();
    for (const char* name : {"あ", "い"}) {
        Prompts.InputAnswers = {QString::fromUtf8(name)};
        Form->PresetSave->trigger();
    }
    // A file whose name is empty is listed under its file name.
    ASSERT_TRUE(WriteScratchFile(QDir(Folder()).filePath("nameless.ini"),
                                 "[Preset]\nName= \n[Exam]\nRow=2\n"));
    const QString tooLong(kMaxPresetName + 1, QChar(0x3042));
    struct Case {
        QString Typed;
        std::optional<bool> Confirm;  // the overwrite question's answer, when asked
        QStringList Listed;           // the user's presets afterwards
        bool Refused;                 // a message says why
    };
    const Case cases[] = {
        {"  ", std::nullopt, {"nameless", "あ", "い"}, true},
        {tooLong, std::nullopt, {"nameless", "あ", "い"}, true},
        {"い", false, {"nameless", "あ", "い"}, false},
        {"い", true, {"nameless", "い"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed.toStdString());
        TFrmPresets dialog(Prompts);
        dialog.Fill(Folder());
        dialog.ListPresets->setCurrentRow(1);  // あ, or after the last case い
        Prompts.Messages.clear();
        Prompts.Asked.clear();
        Prompts.InputAnswers = {c.Typed};
        if (c.Confirm)
            Prompts.ConfirmAnswers = {*c.Confirm};
        dialog.RenameClick();
        QStringList listed;
        for (const GradePreset& preset : ReadUserPresets(Folder()).Presets)
            listed << preset.Name;
        EXPECT_EQ(listed, c.Listed);
        EXPECT_EQ(Prompts.Messages.size(), c.Refused ? 1 : 0);
        EXPECT_EQ(Prompts.Asked.filter("上書き").size(), c.Confirm ? 1 : 0);
    }
    // Saving refuses the same names.
    Prompts.Messages.clear();
    Prompts.InputAnswers = {QStringLiteral(" "), tooLong};
    Form->PresetSave->trigger();
    Form->PresetSave->trigger();
    EXPECT_EQ(Prompts.Messages.size(), 2);
    EXPECT_EQ(ReadUserPresets(Folder()).Presets.size(), 2u);
}

}  // namespace
