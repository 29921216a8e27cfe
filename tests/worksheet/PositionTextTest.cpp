// A page string's position text reads the same in the three places that
// read it: the page-string dialog keeps it, the composer writes the string
// placed at it, and the renderer draws it there, or none of them does.
#include "support/FakeComposeEngine.h"
#include "TypeInto.h"
#include "prevform/CommandSplit.h"
#include "prevform/PageStrDraw.h"
#include "prevform/PassFixture.h"
#include "preview/TFrmPageStr.h"
#include "support/ScriptedPrompts.h"
#include "sheet/SheetComposer.h"
#include "sheet/StartingLayout.h"

#include <gtest/gtest.h>

namespace {

struct PositionCase {
    QString Text;
    bool Placed;
};

const PositionCase kCases[] = {
    {"36", true},      {" 36 ", true},      {"3.6e1", true},       {"+36.", true},
    {"\t36", true},    {"abc", false},      {"", false},           {"36mm", false},
    {"1e400", false},  {"1e-400", false},   {QStringLiteral("３６"), false},
    {QString(QChar(0x3000)) + "36", false}, {"36" + QString(QChar(0x3000)), false},
};

bool DialogKeeps(const QString& text)
{
    ScriptedPrompts prompts;
    TFrmPageStr dialog(prompts);
    dialog.EdtY->setText(QStringLiteral("10"));
    TypeInto(dialog.EdtY, text);
    return dialog.EdtY->text() == text;
}

// The position code the composer writes for a subtitle at (10, text).
QString ComposedCode(const QString& text)
{
    FakeComposeEngine engine;
    engine.HeaderRec = engine.FooterRec = engine.TitleRec = UnconfiguredPageStr();
    engine.SubTitleRec = UnconfiguredPageStr();
    GiveStartingLayout(engine.SubTitleRec, StartingLayout::SubTitle);
    engine.SubTitleRec.psPos = 4;
    engine.SubTitleRec.psY = text;
    SheetSettings settings;
    const SheetProblems problems{{"1"}, {"2"}, {"3"}, OpAdd};
    PageFont font;
    SheetComposer(engine, settings, problems, font).ComposeSheet(ProblemSheet);
    const QStringList lines = engine.Lines.filter(QStringLiteral("SubTitle,"));
    return lines.size() == 1 ? SplitCommandLine(lines.first()).value(2) : QString();
}

bool RendererDraws(const QString& text)
{
    PassFixture pass;
    TPageStr record;
    record.SetSets(QStringLiteral("副題"), QStringLiteral("ＭＳ 明朝"), 9, 4, QStringLiteral("10"),
                   text, false, false);
    return DrawPageStr(pass.Ctx, record, PageStrKind::Title);
}

TEST(PositionTextTest, DialogComposerAndRendererAgree)
{
    for (const PositionCase& c : kCases) {
        SCOPED_TRACE(c.Text.toStdString());
        EXPECT_EQ(DialogKeeps(c.Text), c.Placed);
        EXPECT_EQ(ComposedCode(c.Text), c.Placed ? "4" : "0");
        EXPECT_EQ(RendererDraws(c.Text), c.Placed);
    }
}

} // namespace
