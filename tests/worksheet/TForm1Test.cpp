// The main window's handlers, driven through its controls under the
// offscreen platform. Prompts are scripted, so no dialog ever blocks.
#include "TForm1Fixture.h"
#include "preview/MemoEdit.h"
#include "preview/TFrmPrev.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// --- range edits ---

TEST_F(TForm1Test, RangeEditRejectsLettersWithMessageAndRestoresItsText)
{
    Form.show();
    Form.EdtMin1->setFocus();
    TypeInto(Form.EdtMin1, QStringLiteral("abc"));
    EXPECT_EQ(Form.EdtMin1->text(), QStringLiteral("1"));
    EXPECT_EQ(Prompts.Messages, QStringList{QStringLiteral("数を入力して下さい")});
}

TEST_F(TForm1Test, RangeEditsAcceptOrRejectAsTheRangeCheckSays)
{
    struct Case {
        QLineEdit* TForm1::*Edit;
        const char* Typed;
        const char* Shown;    // the edit's text afterwards
        const char* Message;  // "" when accepted
    };
    const Case cases[] = {
        {&TForm1::EdtMax1, " 1000 ", "1000", ""},  // trimmed; needs EdtMax1e empty below
        {&TForm1::EdtMin1, "-999", "-999", ""},
        {&TForm1::EdtMin1, "-1000", "1", "整数部は1000以下を指定して下さい"},
        {&TForm1::EdtMax2, "", "10", "整数部は空白は指定できません"},
        {&TForm1::EdtMin2e, "12345", "00", "小数点以下は４桁以下を指定して下さい"},
        {&TForm1::EdtMin2e, "-5", "00", "小数点以下は正の整数又は零を指定して下さい"},
        {&TForm1::EdtMin2e, "", "", ""},
        {&TForm1::EdtMin2, "20", "1", "最小値は最大値以下でなければいけません"},
    };
    for (const Case& c : cases) {
        SetRanges({"1", "00", "10", "", "1", "00", "10", "00"});
        Prompts.Messages.clear();
        QLineEdit* edit = Form.*(c.Edit);
        const QString before = edit->text();
        TypeInto(edit, QString::fromUtf8(c.Typed));
        SCOPED_TRACE(c.Typed);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.Shown));
        if (*c.Message)
            EXPECT_EQ(Prompts.Messages, QStringList{QString::fromUtf8(c.Message)});
        else
            EXPECT_TRUE(Prompts.Messages.isEmpty()) << before.toStdString();
    }
}

TEST_F(TForm1Test, BoundAboveThousandIsRejectedWithItsDecimals)
{
    TypeInto(Form.EdtMax1, QStringLiteral("1000"));  // with "00": exactly 1000
    EXPECT_TRUE(Prompts.Messages.isEmpty());
    TypeInto(Form.EdtMax1e, QStringLiteral("5"));
    EXPECT_EQ(Prompts.Messages, QStringList{QStringLiteral("設定値は1000以下でなければいけません")});
    EXPECT_EQ(Form.EdtMax1e->text(), QStringLiteral("00"));
}

TEST_F(TForm1Test, ReturningToTheSameEditKeepsItsRememberedText)
{
    // Enter, type, lose the focus to another window and come back: the
    // remembered text is still the one from before typing.
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(Form.EdtMin1, &in);
    Form.EdtMin1->setText(QStringLiteral("x"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Form.EdtMin1, &away);
    EXPECT_TRUE(Prompts.Messages.isEmpty());
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Form.EdtMin1, &back);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Form.EdtMin1, &out);
    EXPECT_EQ(Form.EdtMin1->text(), QStringLiteral("1"));
}

// --- rows, columns, rounding place ---

TEST_F(TForm1Test, RowsAndColumnsFollowTheCountRules)
{
    TypeInto(Form.EdtCol, QStringLiteral("2"));
    EXPECT_EQ(Form.EdtTotal->text(), QStringLiteral("20"));
    EXPECT_EQ(Form.Exam.ExamColN, 2);

    TypeInto(Form.EdtCol, QStringLiteral("3"));
    EXPECT_EQ(Form.EdtCol->text(), QStringLiteral("2"));
    EXPECT_EQ(Form.Exam.ExamColN, 2);
    EXPECT_EQ(Prompts.Messages.last(), QStringLiteral("問題数は１以上２０以下でなければなりません"));

    TypeInto(Form.EdtCol, QStringLiteral("5"));
    EXPECT_EQ(Prompts.Messages.last(), QStringLiteral("列は１以上４以下でなければなりません"));

    TypeInto(Form.EdtRow, QStringLiteral("4"));
    EXPECT_EQ(Form.EdtTotal->text(), QStringLiteral("8"));
    EXPECT_EQ(Form.Exam.ExamRowN, 4);

    for (const char* rows : {"0", "11"}) {
        TypeInto(Form.EdtRow, QString::fromUtf8(rows));
        EXPECT_EQ(Form.EdtRow->text(), QStringLiteral("4")) << rows;
        EXPECT_EQ(Prompts.Messages.last(), QStringLiteral("行は１以上１０以下でなければなりません"));
    }
    EXPECT_EQ(Form.Exam.ExamRowN, 4);
    EXPECT_EQ(Form.EdtTotal->text(), QStringLiteral("8"));
}

TEST_F(TForm1Test, CountTextsThatAreNoIntegerPassAsTenRowsOrOneColumnAndAreNotStored)
{
    TypeInto(Form.EdtRow, QStringLiteral("4"));
    Prompts.Messages.clear();
    TypeInto(Form.EdtRow, QStringLiteral("abc"));
    EXPECT_EQ(Form.EdtRow->text(), QStringLiteral("abc"));
    EXPECT_EQ(Form.EdtTotal->text(), QStringLiteral("10"));
    EXPECT_EQ(Form.Exam.ExamRowN, 4);
    TypeInto(Form.EdtCol, QStringLiteral("2"));  // against 10 rows
    EXPECT_EQ(Form.EdtTotal->text(), QStringLiteral("20"));
    EXPECT_EQ(Form.Exam.ExamColN, 2);
    TypeInto(Form.EdtRow, QStringLiteral("3"));
    TypeInto(Form.EdtCol, QStringLiteral("x"));
    EXPECT_EQ(Form.EdtTotal->text(), QStringLiteral("3"));
    EXPECT_EQ(Form.Exam.ExamColN, 2);
    EXPECT_TRUE(Prompts.Messages.isEmpty());
}

TEST_F(TForm1Test, RoundingPlaceAcceptsOneToSix)
{
    TypeInto(Form.EdtRound, QStringLiteral("6"));
    EXPECT_EQ(Form.Exam.nRound, 6);
    for (const char* place : {"0", "7", "x"}) {
        TypeInto(Form.EdtRound, QString::fromUtf8(place));
        EXPECT_EQ(Form.EdtRound->text(), QStringLiteral("6")) << place;
        EXPECT_EQ(Prompts.Messages.last(), QStringLiteral("6以下の正の整数でなければいけません"));
    }
    EXPECT_EQ(Form.Exam.nRound, 6);
}

// --- tabs and answer adjustments ---

TEST_F(TForm1Test, TabChangeRelabelsClearsListsAndKeepsRanges)
{
    struct Case {
        int Tab;
        const char* Left;
        const char* Right;
        const char* Sign;
        bool Group;
        bool DivisionBoxes;
    };
    const Case cases[] = {
        {2, "かけられる数", "かける数", "×", true, false},
        {3, "割られる数", "割る数", "÷", true, true},
        {1, "引かれる数", "引く数", "－", false, false},
        {0, "たされる数", "たす数", "＋", false, false},
    };
    Form.EdtMax2->setText(QStringLiteral("7"));
    for (const Case& c : cases) {
        Form.Memo1->setPlainText(QStringLiteral("1"));
        Form.Memo3->setPlainText(QStringLiteral("2"));
        Form.TabControl1->setCurrentIndex(c.Tab);
        SCOPED_TRACE(c.Tab);
        EXPECT_EQ(Form.Label1->text(), QString::fromUtf8(c.Left));
        EXPECT_EQ(Form.Label3->text(), QString::fromUtf8(c.Left));
        EXPECT_EQ(Form.Label2->text(), QString::fromUtf8(c.Right));
        EXPECT_EQ(Form.Label4->text(), QString::fromUtf8(c.Right));
        EXPECT_EQ(Form.LblKigou->text(), QString::fromUtf8(c.Sign));
        EXPECT_EQ(!Form.GroupBox3->isHidden(), c.Group);
        EXPECT_EQ(!Form.CBoxRest->isHidden(), c.DivisionBoxes);
        EXPECT_EQ(!Form.CBoxJust->isHidden(), c.DivisionBoxes);
        EXPECT_TRUE(Form.Memo1->toPlainText().isEmpty());
        EXPECT_TRUE(Form.Memo3->toPlainText().isEmpty());
        EXPECT_EQ(Form.EdtMax2->text(), QStringLiteral("7"));
    }
}

TEST_F(TForm1Test, DivisionTabTurnsRoundingOnAndKeepsItOn)
{
    EXPECT_FALSE(Form.Exam.fRound);
    Form.TabControl1->setCurrentIndex(OpDiv);
    EXPECT_TRUE(Form.CBoxRound->isChecked());
    EXPECT_TRUE(Form.Exam.fRound);
    Form.CBoxRound->click();  // a user's attempt to clear it
    EXPECT_TRUE(Form.CBoxRound->isChecked());
    EXPECT_TRUE(Form.Exam.fRound);

    Form.TabControl1->setCurrentIndex(OpMul);
    Form.CBoxRound->click();
    EXPECT_FALSE(Form.CBoxRound->isChecked());
    EXPECT_FALSE(Form.Exam.fRound);
}

TEST_F(TForm1Test, RestAndSimpleQuotientAreNeverBothOn)
{
    Form.TabControl1->setCurrentIndex(OpDiv);
    Form.CBoxRest->click();
    EXPECT_TRUE(Form.Exam.fRest);
    Form.CBoxJust->click();
    EXPECT_TRUE(Form.Exam.fJust);
    EXPECT_FALSE(Form.Exam.fRest);
    EXPECT_FALSE(Form.CBoxRest->isChecked());
    Form.CBoxRest->click();
    EXPECT_TRUE(Form.CBoxRest->isChecked());
    EXPECT_FALSE(Form.CBoxJust->isChecked());
    EXPECT_FALSE(Form.Exam.fJust);

    Form.CBoxZero->click();
    Form.CBoxOne->click();
    EXPECT_FALSE(Form.Exam.fZero);
    EXPECT_FALSE(Form.Exam.fOne);
}

TEST_F(TForm1Test, StoredSettingsReachTheControlsWithTheInvariantsKept)
{
    // As a hand-edited settings file could give them.
    Form.Exam.fRest = true;
    Form.Exam.fJust = true;
    Form.Exam.fRound = true;
    Form.Exam.nRound = 4;
    Form.Exam.nMinus = 2;
    Form.Exam.fDelZero = false;
    Form.Exam.ExamRowN = 5;
    Form.Exam.ExamColN = 3;
    Form.ApplySettingsToControls();
    EXPECT_TRUE(Form.CBoxRest->isChecked());
    EXPECT_FALSE(Form.CBoxJust->isChecked());
    EXPECT_FALSE(Form.Exam.fRest && Form.Exam.fJust);
    EXPECT_TRUE(Form.CBoxRound->isChecked());
    EXPECT_EQ(Form.EdtRound->text(), QStringLiteral("4"));
    EXPECT_TRUE(Form.RC1->isChecked());
    EXPECT_FALSE(Form.Z1->isChecked());
    EXPECT_EQ(Form.EdtTotal->text(), QStringLiteral("15"));
}

TEST_F(TForm1Test, MenuItemsSetSignModeAndZeroDeletion)
{
    EXPECT_TRUE(Form.RA1->isChecked());
    Form.RB1->trigger();
    EXPECT_EQ(Form.Exam.nMinus, 1);
    EXPECT_TRUE(Form.RB1->isChecked());
    EXPECT_FALSE(Form.RA1->isChecked());
    Form.RC1->trigger();
    EXPECT_EQ(Form.Exam.nMinus, 2);
    Form.RA1->trigger();
    EXPECT_EQ(Form.Exam.nMinus, 0);

    EXPECT_TRUE(Form.Z1->isChecked());
    Form.Z1->trigger();
    EXPECT_FALSE(Form.Exam.fDelZero);
    Form.Z1->trigger();
    EXPECT_TRUE(Form.Exam.fDelZero);
}

TEST_F(TForm1Test, FiguresDecimalOnlyAndYakuFollowTheirControls)
{
    EXPECT_EQ(Form.CBoxRoundSig->text(), QStringLiteral("上から数える(&U)"));
    EXPECT_EQ(Form.I1->text(), QStringLiteral("整数だけの数を出さない(&I)"));
    EXPECT_EQ(Form.Y1->text(), QStringLiteral("がい数の答えに「約」をつける(&Y)"));
    EXPECT_TRUE(Form.MenuOption->actions().contains(Form.I1));
    EXPECT_TRUE(Form.MenuOption->actions().contains(Form.Y1));
    EXPECT_EQ(Form.CBoxRoundSig->parentWidget(), Form.EdtRound->parentWidget());

    Form.Exam.fRoundSig = Form.Exam.fDecOnly = Form.Exam.fYaku = true;
    Form.ApplySettingsToControls();
    EXPECT_TRUE(Form.CBoxRoundSig->isChecked() && Form.I1->isChecked() && Form.Y1->isChecked());
    Form.CBoxRoundSig->click();
    Form.I1->trigger();
    Form.Y1->trigger();
    EXPECT_FALSE(Form.Exam.fRoundSig || Form.Exam.fDecOnly || Form.Exam.fYaku);

    // 28.98 ÷ 1 to two figures, with 約.
    Form.TabControl1->setCurrentIndex(OpDiv);
    SetRanges({"28", "98", "28", "98", "1", "", "1", ""});
    TypeInto(Form.EdtRow, QStringLiteral("1"));
    Form.CBoxRoundSig->click();
    Form.Y1->trigger();
    Form.BtnMake->click();
    EXPECT_EQ(Form.Memo3->toPlainText(), QStringLiteral("約29"));
}

// --- making problems ---

TEST_F(TForm1Test, MakeFillsTheThreeListsWithOneLinePerProblem)
{
    TypeInto(Form.EdtRow, QStringLiteral("5"));
    TypeInto(Form.EdtCol, QStringLiteral("2"));
    Form.BtnMake->click();
    EXPECT_EQ(Lines(Form.Memo1).size(), 10);
    EXPECT_EQ(Lines(Form.Memo2).size(), 10);
    EXPECT_EQ(Lines(Form.Memo3).size(), 10);
    EXPECT_FALSE(Form.Memo1->toPlainText().endsWith(QLatin1Char('\n')));
    Form.BtnClear->click();
    EXPECT_TRUE(Form.Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(Form.Memo3->toPlainText().isEmpty());
}

TEST_F(TForm1Test, LoopOverAsksAndNoLeavesTheListsAsTheyWere)
{
    Form.TabControl1->setCurrentIndex(OpSub);
    SetRanges({"5", "", "5", "", "5", "", "5", ""});
    Form.Memo1->setPlainText(QStringLiteral("kept"));
    Form.BtnMake->click();
    EXPECT_EQ(Form.PanelText(1), QStringLiteral("Loop over(数が０以下)"));
    EXPECT_TRUE(Prompts.Asked.contains(QStringLiteral("confirm: 最大値や最小値の条件は合っていますか?")));
    EXPECT_EQ(Form.Memo1->toPlainText(), QStringLiteral("kept"));
}

TEST_F(TForm1Test, LoopOverAnsweredYesKeepsTheFailingPair)
{
    Form.TabControl1->setCurrentIndex(OpSub);
    SetRanges({"5", "", "5", "", "5", "", "5", ""});
    TypeInto(Form.EdtRow, QStringLiteral("2"));
    Prompts.ConfirmAnswers = {true, true};
    Form.BtnMake->click();
    EXPECT_EQ(Lines(Form.Memo1), (QStringList{"5", "5"}));
    EXPECT_EQ(Lines(Form.Memo3), (QStringList{"0", "0"}));
}

// Answers Yes to every question, after switching the window to another tab,
// as a user could while the question waits.
class TabSwitchingPrompts : public ScriptedPrompts {
public:
    TForm1* Form = nullptr;
    bool Confirm(const QString& text, const QString& title) override
    {
        Form->TabControl1->setCurrentIndex(OpAdd);
        ScriptedPrompts::Confirm(text, title);
        return true;
    }
};

TEST(TForm1RunTest, ProblemsOfATabLeftDuringTheRunAreNotListed)
{
    TabSwitchingPrompts prompts;
    TForm1 form(prompts, 1);
    prompts.Form = &form;
    form.TabControl1->setCurrentIndex(OpSub);
    const char* const ranges[] = {"5", "", "5", "", "5", "", "5", ""};
    for (int i = 0; i < RangeEditCount; ++i)
        form.RangeEdit(i)->setText(QString::fromUtf8(ranges[i]));
    form.BtnMake->click();
    EXPECT_FALSE(prompts.Asked.isEmpty());
    EXPECT_EQ(form.TabControl1->currentIndex(), OpAdd);
    EXPECT_TRUE(form.Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(form.Memo3->toPlainText().isEmpty());
}

// --- status bar and hints ---

TEST_F(TForm1Test, HintsShowTheirLongPartInTheSecondPanel)
{
    EXPECT_EQ(Form.EdtMin1->toolTip(), QStringLiteral("1000以下"));
    EXPECT_EQ(Form.EdtMin1e->statusTip(), QStringLiteral("4桁以下"));
    EXPECT_EQ(Form.CBoxJust->toolTip(), QStringLiteral("単純な商"));
    EXPECT_EQ(Form.CBoxJust->statusTip(),
              QStringLiteral("単純な商の場合、 数値が最小と最大の間に入らない場合があります。"));
    QStatusTipEvent tip(Form.CBoxRound->statusTip());
    QApplication::sendEvent(&Form, &tip);
    EXPECT_EQ(Form.PanelText(1), QStringLiteral("かけ算、わり算に適用する"));
    EXPECT_EQ(Form.PanelText(0), QStringLiteral("Information"));
}

// --- problem lists ---

TEST_F(TForm1Test, EveryMultiLineBoxIgnoresAPasteOfAnEmptyClipboard)
{
    const QList<QPlainTextEdit*> boxes = Form.findChildren<QPlainTextEdit*>();
    ASSERT_GE(boxes.size(), 3);
    QGuiApplication::clipboard()->clear();
    for (QPlainTextEdit* box : boxes) {
        ASSERT_NE(qobject_cast<MemoEdit*>(box), nullptr) << box->objectName().toStdString();
        box->setPlainText(QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->toPlainText(), QStringLiteral("7"));
    }
}

// --- keyboard and windows ---

TEST_F(TForm1Test, KeysPressedInThePreviewOpenOnlyThePreviewsMenus)
{
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
    TFrmPrev* preview = Form.FrmPrev;
    preview->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    preview->activateWindow();
    // A window reports itself active while its parent is: wait for the preview itself.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == preview; }));
    const QList<QMenu*> mainMenus{Form.MenuFile, Form.MenuOption, Form.MenuHelp};
    auto closePopups = [] {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    };
    bool previewMenuOpened = false;
    for (int press = 0; press < 4; ++press)
        for (Qt::Key key : {Qt::Key_F, Qt::Key_O, Qt::Key_H}) {
            QTest::keyClick(preview, key, Qt::AltModifier);
            for (QMenu* menu : mainMenus)
                EXPECT_FALSE(menu->isVisible()) << press << " " << menu->title().toStdString();
            previewMenuOpened |= preview->MenuFile->isVisible();
            closePopups();
        }
    EXPECT_TRUE(previewMenuOpened);

    Form.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &Form; }));
    QTest::keyClick(&Form, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(Form.MenuOption->isVisible());
    closePopups();
    preview->hide();
}

TEST_F(TForm1Test, SheetTextFieldsLeaveRoomAroundTheDefaultSubtitle)
{
    Form.show();
    const QString subtitle = QStringLiteral("たしざんのもんだい");
    for (QLineEdit* edit : {Form.EdtPageTitle, Form.EdtSubTitle, Form.EdtHeader, Form.EdtFooter})
        EXPECT_GT(edit->width(), edit->fontMetrics().horizontalAdvance(subtitle + QStringLiteral("ああ")))
            << edit->width();
}

} // namespace
