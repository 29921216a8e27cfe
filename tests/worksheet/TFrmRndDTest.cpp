// The random-parameter dialog: integer texts only, OK and Cancel, and the
// help button's failure message.
#include "TypeInto.h"
#include "support/ScriptedPrompts.h"
#include "worksheet/TFrmRndD.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(TFrmRndDTest, LeavingTheEditKeepsOnlyIntegers)
{
    struct Case {
        const char* Typed;
        const char* Kept;
        int D;
    };
    const Case cases[] = {
        {"5", "5", 5}, {"-3", "-3", -3}, {" 7 ", " 7 ", 7}, {"abc", "2", 2}, {"1.5", "2", 2},
        {"", "2", 2},
    };
    ScriptedPrompts prompts;
    TFrmRndD dialog(prompts);
    for (const Case& c : cases) {
        dialog.EdtD->setText(QStringLiteral("2"));
        TypeInto(dialog.EdtD, QString::fromUtf8(c.Typed));
        EXPECT_EQ(dialog.EdtD->text(), QString::fromUtf8(c.Kept)) << c.Typed;
        EXPECT_EQ(dialog.D(), c.D) << c.Typed;
    }
    EXPECT_TRUE(prompts.Asked.isEmpty());  // no message for a refused text
}

TEST(TFrmRndDTest, OkGivesTheEditedValueAndCancelNothing)
{
    ScriptedPrompts prompts;
    TFrmRndD dialog(prompts);
    QTimer::singleShot(0, &dialog, [&] {
        dialog.EdtD->setText(QStringLiteral("-4"));
        dialog.BtnOk->click();
    });
    EXPECT_EQ(dialog.Execute(3), std::optional<int>(-4));

    QTimer::singleShot(0, &dialog, [&] {
        dialog.EdtD->setText(QStringLiteral("9"));
        dialog.BtnCancel->click();
    });
    EXPECT_EQ(dialog.Execute(3), std::nullopt);

    // A text still not an integer when OK is pressed counts as 0.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.EdtD->setText(QStringLiteral("x"));
        dialog.accept();
    });
    EXPECT_EQ(dialog.Execute(3), std::optional<int>(0));
}

TEST(TFrmRndDTest, HelpReportsABrowserThatDidNotStart)
{
    ScriptedPrompts prompts;
    TFrmRndD dialog(prompts);
    dialog.HelpUrl = QStringLiteral("file:///usr/share/shosu-drill/help/random.html");
    dialog.Button1->click();
    EXPECT_EQ(prompts.Asked, QStringList{"url: " + dialog.HelpUrl});
    EXPECT_TRUE(prompts.Messages.isEmpty());
    prompts.OpenUrlResult = false;
    dialog.Button1->click();
    EXPECT_EQ(prompts.Messages,
              QStringList{QStringLiteral("エラー：繰り返し発生する場合作者へご連絡下さい")});
}

} // namespace
