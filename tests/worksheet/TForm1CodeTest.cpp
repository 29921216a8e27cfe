// Sheet codes in the main window: the code shown after every run, and
// "番号から作る" making the same problems again from it.
#include "TypeInto.h"
#include "support/ScriptedPrompts.h"
#include "worksheet/TForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {

class TForm1CodeTest : public ::testing::Test {
protected:
    ScriptedPrompts Prompts;
    TForm1 Form{Prompts, 2024};

    QStringList Lists() const
    {
        return {Form.Memo1->toPlainText(), Form.Memo2->toPlainText(), Form.Memo3->toPlainText()};
    }

    // "番号から作る" answered with text.
    void MakeFromCode(const QString& text)
    {
        Prompts.InputAnswers.push_back(text);
        Form.E1->trigger();
    }
};

TEST_F(TForm1CodeTest, EveryRunShowsItsCodeInTheFirstPanel)
{
    EXPECT_FALSE(Form.CurCode);
    Form.BtnMake->click();
    ASSERT_TRUE(Form.CurCode);
    const QString first = QString::fromStdString(Form.CurCode->Text());
    EXPECT_EQ(Form.PanelText(0), QStringLiteral("No. ") + first);
    Form.BtnMake->click();
    // A fresh code for every run (two equal draws of 64 million are not expected).
    EXPECT_NE(QString::fromStdString(Form.CurCode->Text()), first);
    EXPECT_EQ(Form.PanelText(0), QStringLiteral("No. ") + QString::fromStdString(Form.CurCode->Text()));
}

TEST_F(TForm1CodeTest, TheShownCodeMakesTheSameProblemsAgain)
{
    struct Case {
        int Tab;
        const char* Option;  // a division option to switch on, or none
    };
    const Case cases[] = {{OpAdd, nullptr}, {OpSub, nullptr}, {OpMul, nullptr},
                          {OpDiv, "rest"}, {OpDiv, "just"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Tab);
        Form.TabControl1->setCurrentIndex(c.Tab);
        if (c.Option)
            (QLatin1String(c.Option) == QLatin1String("rest") ? Form.CBoxRest : Form.CBoxJust)->setChecked(true);
        Form.BtnMake->click();
        const QStringList made = Lists();
        const QString code = QString::fromStdString(Form.CurCode->Text());
        Form.BtnMake->click();  // other problems in between
        ASSERT_NE(Lists(), made);
        MakeFromCode(code);
        EXPECT_EQ(Lists(), made);
        EXPECT_EQ(Form.PanelText(0), QStringLiteral("No. ") + code);
        EXPECT_TRUE(Prompts.Messages.isEmpty());
    }
}

TEST_F(TForm1CodeTest, ACodeTypedInTheUsualWaysIsAccepted)
{
    Form.BtnMake->click();
    const QStringList made = Lists();
    const QString code = QString::fromStdString(Form.CurCode->Text());
    for (const QString& typed : {code.toLower(), QStringLiteral("No. ") + code,
                                 code.left(3) + QStringLiteral(" ") + code.mid(3)}) {
        Form.BtnClear->click();
        MakeFromCode(typed);
        EXPECT_EQ(Lists(), made) << typed.toStdString();
    }
}

TEST_F(TForm1CodeTest, ATextThatIsNoCodeIsExplainedAndChangesNothing)
{
    Form.BtnMake->click();
    const QStringList made = Lists();
    const std::optional<SheetCode> code = Form.CurCode;
    const QString panel = Form.PanelText(0);
    for (const char* text : {"7W797", "7W7970", "", "OOOOOO"}) {
        Prompts.Messages.clear();
        MakeFromCode(QString::fromUtf8(text));
        EXPECT_EQ(Prompts.Messages.size(), 1) << text;
        EXPECT_EQ(Lists(), made);
        EXPECT_EQ(Form.CurCode, code);
        EXPECT_EQ(Form.PanelText(0), panel);
    }
    EXPECT_TRUE(Prompts.Messages.front().contains(QStringLiteral("番号ではありません")));
}

TEST_F(TForm1CodeTest, CancellingTheInputBoxChangesNothing)
{
    Form.BtnMake->click();
    const QStringList made = Lists();
    Prompts.InputAnswers.push_back(std::nullopt);
    Form.E1->trigger();
    EXPECT_EQ(Lists(), made);
    EXPECT_TRUE(Prompts.Messages.isEmpty());
    EXPECT_TRUE(Prompts.Asked.last().startsWith(QStringLiteral("input: ")));
}

TEST_F(TForm1CodeTest, AnAbandonedRunKeepsTheCodeOfTheListsShown)
{
    Form.BtnMake->click();
    const std::optional<SheetCode> code = Form.CurCode;
    Form.TabControl1->setCurrentIndex(OpSub);
    for (QLineEdit* edit : {Form.EdtMin1, Form.EdtMax1, Form.EdtMin2, Form.EdtMax2})
        edit->setText(QStringLiteral("5"));
    Form.Memo1->setPlainText(QStringLiteral("kept"));
    Form.BtnMake->click();  // loop over, answered No
    EXPECT_EQ(Form.Memo1->toPlainText(), QStringLiteral("kept"));
    EXPECT_EQ(Form.CurCode, code);
}

TEST_F(TForm1CodeTest, TheMenuItemSitsInTheOptionMenu)
{
    EXPECT_TRUE(Form.MenuOption->actions().contains(Form.E1));
    EXPECT_EQ(Form.E1->text(), QStringLiteral("番号から作る(&E)..."));
}

TEST(TForm1CodeSeedTest, TheSameCodeGivesTheSameProblemsInAnotherWindow)
{
    // As after a restart: another window, its random source seeded otherwise.
    ScriptedPrompts prompts;
    TForm1 first(prompts, 1);
    first.TabControl1->setCurrentIndex(OpDiv);
    first.BtnMake->click();
    const QString code = QString::fromStdString(first.CurCode->Text());

    TForm1 second(prompts, 999);
    second.TabControl1->setCurrentIndex(OpDiv);
    second.BtnMake->click();
    prompts.InputAnswers.push_back(code);
    second.E1->trigger();
    EXPECT_EQ(second.Memo1->toPlainText(), first.Memo1->toPlainText());
    EXPECT_EQ(second.Memo3->toPlainText(), first.Memo3->toPlainText());
}

} // namespace
