// The style dialog: opening loads the settings, the field checks, OK stores
// them all in order, Cancel none, the font and help buttons.
#include "support/QStringPrinter.h"
#include "TypeInto.h"
#include "support/ScriptedPrompts.h"
#include "worksheet/TFrmStyle.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

class TFrmStyleTest : public ::testing::Test {
protected:
    ScriptedPrompts Prompts;
    TFrmStyle Dialog{Prompts};
    SheetSettings Settings;
    ExamSettings Exam;

    // Opens the dialog on Settings; act runs while it is open, then button.
    bool Run(QPushButton* button, const std::function<void()>& act = [] {})
    {
        QTimer::singleShot(0, &Dialog, [&, button] {
            act();
            button->click();
            if (Dialog.isVisible())  // OK refused: leave by Cancel
                Dialog.BtnCancel->click();
        });
        return Dialog.Execute(Settings, Exam);
    }
};

TEST_F(TFrmStyleTest, OpeningShowsTheSettingsInTheirForms)
{
    Exam.ExamRowN = 5;
    Exam.ExamColN = 2;
    Settings.WindowTop = 12.5;
    Settings.WindowBottom = 10.0;
    Settings.WindowLeft = 39.439583333333336;  // as the composer can raise a margin
    Settings.ExamSeparate = 1e-6;
    Settings.ExNumLeft = "[";
    Settings.ExamType = true;
    Settings.WindowFrame = true;
    Settings.fExNum = false;
    Settings.fCode = true;
    Dialog.LoadSettings(Settings, Exam);
    EXPECT_EQ(Dialog.EdtRow->text(), "5");
    EXPECT_EQ(Dialog.EdtCol->text(), "2");
    EXPECT_EQ(Dialog.EdtTopP->text(), "12.5");
    EXPECT_EQ(Dialog.EdtBottomP->text(), "10");
    EXPECT_EQ(Dialog.EdtLeftP->text(), "39.4395833333333");
    EXPECT_EQ(Dialog.EdtLeftP->cursorPosition(), 0);  // the leading digits in view
    EXPECT_EQ(Dialog.EdtSeparate->text(), "1E-6");
    EXPECT_EQ(Dialog.EdtLeft->text(), "[");
    EXPECT_TRUE(Dialog.CBoxMC->isChecked());
    EXPECT_TRUE(Dialog.CBoxFrame->isChecked());
    EXPECT_FALSE(Dialog.CBoxExam->isChecked());
    EXPECT_TRUE(Dialog.CBoxCode->isChecked());
    EXPECT_TRUE(Dialog.RButton1->isChecked());
}

TEST_F(TFrmStyleTest, CountChecksRestoreTheFieldWithTheirMessages)
{
    Dialog.LoadSettings(Settings, Exam);
    struct Case { QLineEdit* TFrmStyle::*Edit; const char* Typed; const char* Shown; const char* Message; };
    const Case cases[] = {
        {&TFrmStyle::EdtCol, "2", "2", ""},
        {&TFrmStyle::EdtCol, "3", "2", "問題数は１以上２０以下でなければなりません"},
        {&TFrmStyle::EdtRow, "1", "1", ""},
        {&TFrmStyle::EdtCol, "5", "2", "列は１以上４以下でなければなりません"},
        {&TFrmStyle::EdtRow, "11", "1", "行は１以上１０以下でなければなりません"},
        {&TFrmStyle::EdtRow, "0", "1", "行は１以上１０以下でなければなりません"},
        {&TFrmStyle::EdtRow, "10", "10", ""},
    };
    for (const Case& c : cases) {
        Prompts.Messages.clear();
        TypeInto(Dialog.*(c.Edit), QString::fromUtf8(c.Typed));
        SCOPED_TRACE(c.Typed);
        EXPECT_EQ((Dialog.*(c.Edit))->text(), QString::fromUtf8(c.Shown));
        EXPECT_EQ(Prompts.Messages.join(""), QString::fromUtf8(c.Message));
    }
}

TEST_F(TFrmStyleTest, MarginsAcceptUpToSixtyAndRevertOtherTextsSilently)
{
    Dialog.LoadSettings(Settings, Exam);
    struct Case { const char* Typed; const char* Shown; bool Message; };
    const Case cases[] = {{"60", "60", false}, {"60.5", "10", true}, {"-1", "10", false},
                          {"abc", "10", false}, {"0", "0", false}, {"12.50", "12.50", false}};
    for (QLineEdit* edit : {Dialog.EdtTopP, Dialog.EdtLeftP, Dialog.EdtRightP, Dialog.EdtBottomP})
        for (const Case& c : cases) {
            edit->setText("10");
            Prompts.Messages.clear();
            TypeInto(edit, QString::fromUtf8(c.Typed));
            SCOPED_TRACE(c.Typed);
            EXPECT_EQ(edit->text(), QString::fromUtf8(c.Shown));
            EXPECT_EQ(Prompts.Messages,
                      c.Message ? QStringList{"余白は60以下でなければいけません"} : QStringList());
        }
}

TEST_F(TFrmStyleTest, ARefusedMarginGetsTheFocusBack)
{
    Dialog.LoadSettings(Settings, Exam);
    Dialog.show();
    Dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog));
    Dialog.EdtTopP->setFocus();
    Dialog.EdtTopP->setText("60.5");
    Dialog.EdtLeftP->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(Dialog.EdtTopP->text(), "10");
    EXPECT_EQ(Dialog.focusWidget(), Dialog.EdtTopP);
    Dialog.hide();
}

TEST_F(TFrmStyleTest, SeparationRevertsSilentlyWhenNegativeOrNoNumber)
{
    Dialog.LoadSettings(Settings, Exam);
    for (const auto& [typed, shown] : {std::pair{"-0.5", "10"}, {"x", "10"}, {"250", "250"}}) {
        Dialog.EdtSeparate->setText("10");
        TypeInto(Dialog.EdtSeparate, typed);
        EXPECT_EQ(Dialog.EdtSeparate->text(), shown) << typed;
    }
    EXPECT_TRUE(Prompts.Messages.isEmpty());
}

// The squares' pitch: 4 to 20 mm, or empty for the font size to decide;
// anything else goes back with its message.
TEST_F(TFrmStyleTest, ThePitchTakesFourToTwentyMillimetresOrNothing)
{
    Settings.fTextbook = true;
    Dialog.LoadSettings(Settings, Exam);
    EXPECT_EQ(Dialog.EdtPitch->text(), "");
    struct Case { const char* Typed; const char* Shown; bool Message; double Stored; };
    const Case cases[] = {{"8", "8", false, 8},      {"", "", false, 0},
                          {"3.5", "10", true, 10},   {"21", "10", true, 10},
                          {"abc", "10", true, 10},   {"12.5", "12.5", false, 12.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        Dialog.EdtPitch->setText("10");
        Prompts.Messages.clear();
        TypeInto(Dialog.EdtPitch, QString::fromUtf8(c.Typed));
        EXPECT_EQ(Dialog.EdtPitch->text(), QString::fromUtf8(c.Shown));
        EXPECT_EQ(Prompts.Messages,
                  c.Message ? QStringList{"マス目の大きさは4から20mmまでです"} : QStringList());
        SheetSettings stored = Settings;
        ASSERT_TRUE(Dialog.StoreSettings(stored, Exam));
        EXPECT_DOUBLE_EQ(stored.HissanPitch, c.Stored);
    }
}

TEST_F(TFrmStyleTest, OkStoresEveryFieldAndAnswerTypeZeroBecomesTwo)
{
    Settings.AnswerType = 0;
    const PageFont font{"IPAMincho", 30, 0, true, false};
    Prompts.FontAnswers = {font};
    ASSERT_TRUE(Run(Dialog.BtnOK, [&] {
        EXPECT_TRUE(Dialog.RButton2->isChecked());
        Dialog.EdtRow->setText("4");
        Dialog.EdtCol->setText("3");
        Dialog.EdtTopP->setText("20");
        Dialog.EdtLeftP->setText("15.5");
        Dialog.EdtRightP->setText("0");
        Dialog.EdtBottomP->setText("60");
        Dialog.EdtSeparate->setText("3");
        Dialog.EdtLeft->setText("");
        Dialog.EdtRight->setText(".");
        Dialog.CBoxMC->setChecked(true);
        Dialog.CBoxExam->setChecked(false);
        Dialog.CBoxFrame->setChecked(true);
        Dialog.CBoxCode->setChecked(true);
        EXPECT_FALSE(Dialog.CBoxClassBox->isChecked());
        Dialog.CBoxClassBox->setChecked(true);
        Dialog.Button3->click();
    }));
    EXPECT_EQ(Exam.ExamRowN, 4);
    EXPECT_EQ(Exam.ExamColN, 3);
    EXPECT_EQ(Settings.WindowTop, 20);
    EXPECT_EQ(Settings.WindowLeft, 15.5);
    EXPECT_EQ(Settings.WindowRight, 0);
    EXPECT_EQ(Settings.WindowBottom, 60);
    EXPECT_EQ(Settings.ExamSeparate, 3);
    EXPECT_EQ(Settings.ExNumLeft, "");
    EXPECT_EQ(Settings.ExNumRight, ".");
    EXPECT_TRUE(Settings.ExamType);
    EXPECT_FALSE(Settings.fExNum);
    EXPECT_TRUE(Settings.WindowFrame);
    EXPECT_TRUE(Settings.fCode);
    EXPECT_TRUE(Settings.fClassBox);
    EXPECT_EQ(Dialog.CBoxClassBox->text(), QStringLiteral("年・組・番と点数(&K)"));
    EXPECT_EQ(Settings.AnswerType, 2);
    EXPECT_EQ(Settings.FntExam, font);
}

TEST_F(TFrmStyleTest, TheHissanGroupLoadsStoresAndEnablesItsBoxes)
{
    // Textbook, worked, squares as stored; then as ticked before OK.
    const struct {
        bool Load[3];
        bool Tick[3];
    } cases[] = {
        {{false, false, false}, {true, true, false}},
        {{true, true, true}, {false, true, true}},  // ticks kept while the form is off
        {{false, true, false}, {true, false, true}},
    };
    for (const auto& c : cases) {
        Settings.fTextbook = c.Load[0];
        Settings.fWorked = c.Load[1];
        Settings.fSquares = c.Load[2];
        ASSERT_TRUE(Run(Dialog.BtnOK, [&] {
            EXPECT_EQ(Dialog.CBoxTextbook->isChecked(), c.Load[0]);
            EXPECT_EQ(Dialog.CBoxWorked->isChecked(), c.Load[1]);
            EXPECT_EQ(Dialog.CBoxSquares->isChecked(), c.Load[2]);
            EXPECT_EQ(Dialog.CBoxWorked->isEnabled(), c.Load[0]);
            EXPECT_EQ(Dialog.CBoxSquares->isEnabled(), c.Load[0]);
            Dialog.CBoxWorked->setChecked(c.Tick[1]);
            Dialog.CBoxSquares->setChecked(c.Tick[2]);
            if (Dialog.CBoxTextbook->isChecked() != c.Tick[0])
                Dialog.CBoxTextbook->click();
            EXPECT_EQ(Dialog.CBoxTextbook->isChecked(), c.Tick[0]);
            EXPECT_EQ(Dialog.CBoxWorked->isEnabled(), c.Tick[0]);
            EXPECT_EQ(Dialog.CBoxSquares->isEnabled(), c.Tick[0]);
        }));
        EXPECT_EQ(Settings.fTextbook, c.Tick[0]);
        EXPECT_EQ(Settings.fWorked, c.Tick[1]);
        EXPECT_EQ(Settings.fSquares, c.Tick[2]);
    }
    EXPECT_EQ(Dialog.CBoxTextbook->text(), "教科書の書き方(&T)");
    EXPECT_EQ(Dialog.CBoxWorked->text(), "答えに筆算の途中を書く(&W)");
    EXPECT_EQ(Dialog.CBoxSquares->text(), "マス目(&G)");

    Settings.fTextbook = false;
    EXPECT_FALSE(Run(Dialog.BtnCancel, [&] { Dialog.CBoxTextbook->setChecked(true); }));
    EXPECT_FALSE(Settings.fTextbook);
}

// The notes under the answers and the まちがいさがし sheet: loaded, stored;
// a まちがいさがし sheet enables the working and squares like the textbook
// form, and turning it on places the instruction line that has no place.
TEST_F(TFrmStyleTest, TheMistakeOptionsLoadAndStore)
{
    const struct {
        bool Load[3];  // mistakes, check, find-mistake
        bool Tick[3];
    } cases[] = {
        {{false, false, false}, {true, true, true}},
        {{true, true, true}, {false, false, false}},
    };
    for (const auto& c : cases) {
        Settings.fMistakes = c.Load[0];
        Settings.fCheck = c.Load[1];
        Settings.fFindMistake = c.Load[2];
        Settings.fTextbook = false;
        Settings.Instruction.psPos = 0;
        ASSERT_TRUE(Run(Dialog.BtnOK, [&] {
            EXPECT_EQ(Dialog.CBoxMistakes->isChecked(), c.Load[0]);
            EXPECT_EQ(Dialog.CBoxCheck->isChecked(), c.Load[1]);
            EXPECT_EQ(Dialog.CBoxFindMistake->isChecked(), c.Load[2]);
            EXPECT_EQ(Dialog.CBoxWorked->isEnabled(), c.Load[2]);
            Dialog.CBoxMistakes->setChecked(c.Tick[0]);
            Dialog.CBoxCheck->setChecked(c.Tick[1]);
            Dialog.CBoxFindMistake->setChecked(c.Tick[2]);
            EXPECT_EQ(Dialog.CBoxSquares->isEnabled(), c.Tick[2]);
        }));
        EXPECT_EQ(Settings.fMistakes, c.Tick[0]);
        EXPECT_EQ(Settings.fCheck, c.Tick[1]);
        EXPECT_EQ(Settings.fFindMistake, c.Tick[2]);
        EXPECT_EQ(Settings.Instruction.psPos != 0, c.Tick[2] && !c.Load[2]);
    }
    EXPECT_EQ(Dialog.CBoxMistakes->text(), "よくある間違いを答えに書く(&M)");
    EXPECT_EQ(Dialog.CBoxFindMistake->text(), "まちがいさがし(&F)");
}

TEST_F(TFrmStyleTest, CancelDiscardsEveryEditAndReopeningShowsTheStoredValues)
{
    const SheetSettings before = Settings;
    Prompts.FontAnswers = {PageFont{"IPAMincho", 30}};
    EXPECT_FALSE(Run(Dialog.BtnCancel, [&] {
        Dialog.EdtRow->setText("2");
        Dialog.EdtTopP->setText("33");
        Dialog.RButton2->setChecked(true);
        Dialog.CBoxCode->setChecked(true);
        Dialog.Button3->click();
    }));
    EXPECT_EQ(Exam.ExamRowN, ExamSettings().ExamRowN);
    EXPECT_FALSE(Settings.fCode);
    EXPECT_EQ(Settings.WindowTop, before.WindowTop);
    EXPECT_EQ(Settings.AnswerType, 1);
    EXPECT_EQ(Settings.FntExam, before.FntExam);
    QString rows, top;
    Run(Dialog.BtnCancel, [&] {
        rows = Dialog.EdtRow->text();
        top = Dialog.EdtTopP->text();
    });
    EXPECT_EQ(rows, "10");
    EXPECT_EQ(top, "10");
}

TEST_F(TFrmStyleTest, OkWithARowsTextThatIsNoNumberKeepsTheSettings)
{
    Exam.ExamRowN = 4;
    EXPECT_FALSE(Run(Dialog.BtnOK, [&] {
        Dialog.EdtRow->setText("abc");
        Dialog.EdtTopP->setText("20");
    }));
    EXPECT_EQ(Exam.ExamRowN, 4);
    EXPECT_EQ(Settings.WindowTop, 10);
    EXPECT_EQ(Prompts.Messages, QStringList{"行は整数で指定して下さい"});
}

TEST_F(TFrmStyleTest, ATextThatIsNoIntegerPassesTheFieldCheckAsTenRowsOrOneColumn)
{
    Dialog.LoadSettings(Settings, Exam);
    Dialog.EdtCol->setText("2");
    TypeInto(Dialog.EdtRow, "abc");  // 10 × 2 = 20: passes
    EXPECT_EQ(Dialog.EdtRow->text(), "abc");
    TypeInto(Dialog.EdtCol, "x");  // 10 × 1: passes
    EXPECT_EQ(Dialog.EdtCol->text(), "x");
    EXPECT_TRUE(Prompts.Messages.isEmpty());
}

TEST_F(TFrmStyleTest, ACountStoredOutOfRangeIsKeptWhenTheUserLeavesItAlone)
{
    struct Case {
        int Rows, Cols;
        const char* TypedCols;  // "" leaves the columns as opened too
        bool Stored;
        int StoredRows, StoredCols;
    };
    const Case cases[] = {
        {50, 1, "", true, 50, 1},   // only another field is edited
        {3, 9, "", true, 3, 9},
        {3, 9, "2", true, 3, 2},    // the edited field is checked against the other
        {50, 1, "2", false, 50, 1}, // 50 × 2 is too many
    };
    Exam.ExamRowN = 50;
    Dialog.LoadSettings(Settings, Exam);
    TypeInto(Dialog.EdtRow, "50");  // passing through the field changes nothing
    EXPECT_TRUE(Prompts.Messages.isEmpty());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Rows) + " x " + std::to_string(c.Cols) + " cols " + c.TypedCols);
        Settings = SheetSettings();
        Exam.ExamRowN = c.Rows;
        Exam.ExamColN = c.Cols;
        Prompts.Messages.clear();
        EXPECT_EQ(Run(Dialog.BtnOK, [&] {
            Dialog.EdtTopP->setText("20");
            if (*c.TypedCols)
                Dialog.EdtCol->setText(c.TypedCols);
        }), c.Stored);
        EXPECT_EQ(Settings.WindowTop, c.Stored ? 20 : 10);
        EXPECT_EQ(Exam.ExamRowN, c.StoredRows);
        EXPECT_EQ(Exam.ExamColN, c.StoredCols);
        EXPECT_EQ(Prompts.Messages.isEmpty(), c.Stored) << Prompts.Messages.join("/").toStdString();
    }
}

TEST_F(TFrmStyleTest, AFieldEnteredAfterARefusedOneRemembersItsOwnText)
{
    // Rows 11, Tab: the rows message; the focus reaches the columns field as
    // the dialog is reactivated after the message box. Columns 5, Tab: the
    // columns message puts back the columns' own text.
    Dialog.LoadSettings(Settings, Exam);
    Prompts.OnAsk = [this] {
        if (Prompts.Messages.size() == 1) {
            QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(Dialog.EdtCol, &in);
        }
    };
    TypeInto(Dialog.EdtRow, "11");
    Dialog.EdtCol->setText("5");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Dialog.EdtCol, &out);
    EXPECT_EQ(Dialog.EdtRow->text(), "10");
    EXPECT_EQ(Dialog.EdtCol->text(), "1");
    EXPECT_EQ(Prompts.Messages, (QStringList{"行は１以上１０以下でなければなりません",
                                             "列は１以上４以下でなければなりません"}));
}

TEST_F(TFrmStyleTest, TheColourButtonChoosesTheProblemFontsColour)
{
    Settings.FntExam.Color = 0x00FF00;
    Prompts.ColorAnswers = {std::nullopt, 0x0000FF};
    ASSERT_TRUE(Run(Dialog.BtnOK, [&] {
        Dialog.BtnColor->click();  // cancelled: the colour stays
        EXPECT_EQ(Dialog.FontExam.Color, 0x00FF00u);
        Dialog.BtnColor->click();
    }));
    EXPECT_EQ(Prompts.Asked, (QStringList{"color: 00ff00", "color: 00ff00"}));
    EXPECT_EQ(Settings.FntExam.Color, 0x0000FFu);

    // Cancel discards a chosen colour.
    Prompts.ColorAnswers = {0xFF0000};
    EXPECT_FALSE(Run(Dialog.BtnCancel, [&] { Dialog.BtnColor->click(); }));
    EXPECT_EQ(Settings.FntExam.Color, 0x0000FFu);
}

TEST_F(TFrmStyleTest, AColourThePageCannotPrintBecomesTheNearestItCan)
{
    const std::pair<uint32_t, uint32_t> cases[] = {
        {0x0000AA, 0x000080},  // dark red: MAROON, not the black it would print
        {0xFEFEFE, 0xFFFFFF},
        {0x008000, 0x008000},  // a named one stays
    };
    for (const auto& [chosen, kept] : cases) {
        Prompts.ColorAnswers = {chosen};
        ASSERT_TRUE(Run(Dialog.BtnOK, [&] { Dialog.BtnColor->click(); }));
        EXPECT_EQ(Settings.FntExam.Color, kept) << std::hex << chosen;
    }
}

TEST_F(TFrmStyleTest, HelpOpensTheInjectedLocationAndReportsAFailure)
{
    Dialog.SetHelpUrl("https://help.example/style");
    Dialog.Button1->click();
    EXPECT_EQ(Prompts.Asked, QStringList{"url: https://help.example/style"});
    EXPECT_TRUE(Prompts.Messages.isEmpty());
    Prompts.OpenUrlResult = false;
    Dialog.Button1->click();
    EXPECT_EQ(Prompts.Messages, QStringList{"エラー：繰り返し発生する場合作者へご連絡下さい"});
}

} // namespace
