// The main window's test mode: asked for through the answer heading, it
// draws new ranges on a timer and stops cleanly.
#include "TForm1Fixture.h"

#include <QTimer>

namespace {

// The main window of the handler tests.
class TForm1TestModeTest : public TForm1Test {};

TEST_F(TForm1TestModeTest, AnswerHeadingSwitchesTestModeOnlyAfterYes)
{
    Form.Label7Click();
    EXPECT_FALSE(Form.IsTestMode());
    EXPECT_EQ(Prompts.Asked.last(), QStringLiteral("confirm: この機能は保証外です。続けますか"));
    Prompts.ConfirmAnswers = {true};
    Form.Label7Click();
    EXPECT_TRUE(Form.IsTestMode());
    Form.Label7Click();  // a second click hides the counter without asking
    EXPECT_FALSE(Form.IsTestMode());
    EXPECT_EQ(Prompts.Asked.size(), 2);
}

TEST_F(TForm1TestModeTest, TestStepsDrawNewRangesEveryTenthTickAndCount)
{
    Prompts.ConfirmAnswers = {true};
    Form.Label7Click();
    Form.LblInfClick();
    EXPECT_TRUE(Form.Timer1->isActive());
    Form.Timer1Timer();
    EXPECT_EQ(Form.TestLoop, 1);
    EXPECT_EQ(Form.LblInf->text(), QStringLiteral("    0"));
    RangeTexts drawn;
    for (int i = 0; i < RangeEditCount; ++i)
        drawn[i] = Form.RangeEdit(i)->text().toStdString();
    Form.TestLoop = 5;  // not a multiple of ten: the ranges stay
    Form.Timer1Timer();
    for (int i = 0; i < RangeEditCount; ++i)
        EXPECT_EQ(Form.RangeEdit(i)->text().toStdString(), drawn[i]);

    if (Form.Timer1->isActive())  // a loop over may already have stopped it
        Form.LblInfClick();
    EXPECT_FALSE(Form.Timer1->isActive());
    EXPECT_EQ(Form.TestLoop, 0);
}

TEST_F(TForm1TestModeTest, StoppingTheTestByClickPutsTheDefaultRangesBack)
{
    Prompts.ConfirmAnswers = {true};
    Form.Label7Click();
    Form.LblInfClick();
    Form.EdtMin1->setText(QStringLiteral("3"));
    Form.EdtMax2e->setText(QStringLiteral("5"));
    Form.LblInfClick();
    EXPECT_FALSE(Form.Timer1->isActive());
    EXPECT_EQ(Form.EdtMin1->text(), QStringLiteral("1"));
    EXPECT_EQ(Form.EdtMax2e->text(), QStringLiteral("00"));
}

TEST_F(TForm1TestModeTest, TestMarkersShowOnlyWithTheDivisionOptions)
{
    Prompts.ConfirmAnswers = {true};
    Form.Label7Click();
    Form.TabControl1->setCurrentIndex(OpDiv);
    QLabel* marked = nullptr;
    for (int tick = 0; tick < 30 && !marked; ++tick) {
        Form.TestLoop = 0;  // every tick draws new settings
        Form.Timer1Timer();
        if (!Form.LblJust->isHidden())
            marked = Form.LblJust;
        else if (!Form.LblRest->isHidden())
            marked = Form.LblRest;
    }
    ASSERT_NE(marked, nullptr) << "no draw switched a division option on";
    // The multiplication tab hides the options and their markers with them;
    // the addition tab hides the whole group.
    for (int tab : {OpMul, OpAdd}) {
        Form.TabControl1->setCurrentIndex(tab);
        EXPECT_TRUE(Form.CBoxJust->isHidden());
        EXPECT_TRUE(Form.LblJust->isHidden() && Form.LblRest->isHidden()) << tab;
    }
    // Back on the division tab the option the test switched on is marked again.
    Form.TabControl1->setCurrentIndex(OpDiv);
    EXPECT_FALSE(marked->isHidden());
    EXPECT_TRUE((marked == Form.LblJust ? Form.LblRest : Form.LblJust)->isHidden());
}

TEST_F(TForm1TestModeTest, LoopOverInTestModeStopsTheTimerWithoutAsking)
{
    Prompts.ConfirmAnswers = {true};
    Form.Label7Click();
    Form.LblInfClick();
    Form.TestLoop = 1;  // keep the ranges set below
    Form.TabControl1->setCurrentIndex(OpSub);
    SetRanges({"5", "", "5", "", "5", "", "5", ""});
    Form.Timer1Timer();
    EXPECT_FALSE(Form.Timer1->isActive());
    EXPECT_EQ(Form.PanelText(1), QStringLiteral("Loop over(数が０以下)"));
    EXPECT_EQ(Prompts.Asked.size(), 1);  // only the test-mode question
    EXPECT_EQ(Form.EdtMin1->text(), QStringLiteral("5"));
}

} // namespace
