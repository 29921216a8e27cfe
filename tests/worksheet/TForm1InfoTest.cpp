// The main window's links to the web and its hint display: the status bar
// opens the home page, the help menu the general help page, the random
// dialog its own page; a browser that does not start gives the message.
#include "support/ScriptedPrompts.h"
#include "worksheet/ControlHint.h"
#include "worksheet/TForm1.h"
#include "worksheet/TFrmRndD.h"
#include "worksheet/TFrmStyle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <functional>
#include <gtest/gtest.h>

namespace {

const HelpLinks kLinks{QStringLiteral("https://site.example/index.html"),
                       QStringLiteral("file:///usr/share/shosu-drill/help/index.html"),
                       QStringLiteral("file:///usr/share/shosu-drill/help/random.html")};

const QString kFailed = QStringLiteral("エラー：繰り返し発生する場合作者へご連絡下さい");

class TForm1InfoTest : public ::testing::Test {
protected:
    ScriptedPrompts Prompts;
    TForm1 Form{Prompts, 12345};

    void SetUp() override { Form.SetHelpLinks(kLinks); }

    static void Click(QWidget* widget)
    {
        const QPointF at(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }

    static void Hover(QWidget* widget)
    {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(widget, &enter);
    }

    static void Leave(QWidget* widget)
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
};

TEST_F(TForm1InfoTest, StatusBarHasItsHintCursorAndPanels)
{
    EXPECT_EQ(Form.StBarInf->toolTip(), QStringLiteral("ヒント表示部"));
    EXPECT_EQ(Form.StBarInf->statusTip(), QStringLiteral("Dododのホームページ"));
    EXPECT_EQ(Form.StBarInf->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(Form.StBarInf->isSizeGripEnabled());
    EXPECT_EQ(Form.PanelText(0), QStringLiteral("Information"));
}

TEST_F(TForm1InfoTest, AClickOnEitherPanelOrTheBarOpensTheHomePageOnce)
{
    Form.show();
    for (QWidget* target : {static_cast<QWidget*>(Form.StBarPanel0),
                            static_cast<QWidget*>(Form.StBarPanel1),
                            static_cast<QWidget*>(Form.StBarInf)}) {
        Prompts.Asked.clear();
        Click(target);
        EXPECT_EQ(Prompts.Asked, QStringList{"url: " + kLinks.HomePage});
    }
}

TEST_F(TForm1InfoTest, EveryHelpEntryOpensItsPageOrReportsTheFailure)
{
    ASSERT_NE(Form.Help2, nullptr);
    EXPECT_EQ(Form.Help2->text(), QStringLiteral("Dododヘルプ(&D)"));
    EXPECT_EQ(Form.MenuHelp->actions().first(), Form.Help2);
    struct Entry {
        const char* Name;
        std::function<void()> Trigger;
        QString Location;
    };
    const Entry entries[] = {
        {"help menu", [&] { Form.Help2->trigger(); }, kLinks.GeneralHelp},
        {"status bar", [&] { Form.StBarInfClick(); }, kLinks.HomePage},
        {"random dialog", [&] { Form.FrmRndD->Button1->click(); }, kLinks.RandomHelp},
        {"style dialog", [&] { Form.FrmStyle->Button1->click(); }, kLinks.GeneralHelp},
    };
    for (bool opens : {true, false}) {
        for (const Entry& entry : entries) {
            Prompts.Asked.clear();
            Prompts.Messages.clear();
            Prompts.OpenUrlResult = opens;
            entry.Trigger();
            EXPECT_EQ(Prompts.Asked.value(0), "url: " + entry.Location) << entry.Name;
            EXPECT_EQ(Prompts.Messages, opens ? QStringList() : QStringList{kFailed}) << entry.Name;
        }
    }
}

TEST_F(TForm1InfoTest, AnUnsetLocationReportsTheFailureWithoutABrowser)
{
    Form.SetHelpLinks({});
    Form.Help2->trigger();
    EXPECT_EQ(Prompts.Asked, QStringList{"message: " + kFailed});
}

TEST_F(TForm1InfoTest, HoveringShowsTheLongHintAndLeavingEmptiesIt)
{
    Form.show();
    Hover(Form.CBoxJust);
    EXPECT_EQ(Form.PanelText(1),
              QStringLiteral("単純な商の場合、 数値が最小と最大の間に入らない場合があります。"));
    Leave(Form.CBoxJust);
    EXPECT_EQ(Form.PanelText(1), QString());
    Hover(Form.EdtMin1);
    EXPECT_EQ(Form.PanelText(1), QStringLiteral("1000以下"));
    Leave(Form.EdtMin1);
    Hover(Form.Memo1);  // no hint: the panel stays empty
    EXPECT_EQ(Form.PanelText(1), QString());
    Hover(Form.StBarInf);
    EXPECT_EQ(Form.PanelText(1), QStringLiteral("Dododのホームページ"));
}

TEST(ControlHintTest, TheShortPartIsBeforeTheFirstBarTheLongPartAfterIt)
{
    const struct {
        const char* Hint;
        const char* Short;
        const char* Long;
    } cases[] = {
        {"1000以下", "1000以下", "1000以下"},
        {"ヒント表示部|Dododのホームページ", "ヒント表示部", "Dododのホームページ"},
        {"a|b|c", "a", "b|c"},
        {"|only long", "", "only long"},
        {"only short|", "only short", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const QString hint = QString::fromUtf8(c.Hint);
        EXPECT_EQ(ShortHint(hint), QString::fromUtf8(c.Short)) << c.Hint;
        EXPECT_EQ(LongHint(hint), QString::fromUtf8(c.Long)) << c.Hint;
    }
}

} // namespace
