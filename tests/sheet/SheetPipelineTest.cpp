// The sheet pipeline on a real preview engine: what it hands back, that it
// leaves the engine as it was, and that a sheet does not depend on what the engine
// measured or drew before it.
#include "support/ScriptedPrompts.h"
#include "prevform/PrevEngine.h"
#include "prevform/PrinterInfo.h"
#include "sheet/SheetPipeline.h"
#include "sheet/StartingLayout.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SheetPipelineTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    ScriptedPrompts Prompt;
    PrevEngine Engine{Prompt, PrinterInfo::BuiltInPdf(Dir.filePath(QStringLiteral("out.pdf"))), 96};
    SheetProblems Problems{{"1.5", "0.25", "12.75"}, {"2.25", "-0.5", "3"}, {"3.75", "-0.25", "15.75"},
                           OpAdd};
    SheetSettings Settings;
    PageStrRecords Records{UnconfiguredPageStr(), UnconfiguredPageStr(), UnconfiguredPageStr(),
                           UnconfiguredPageStr()};

    void SetUp() override
    {
        GiveStartingLayout(Records.PageTitle, StartingLayout::PageTitle);
        GiveStartingLayout(Records.SubTitle, StartingLayout::SubTitle);
        Settings.ExamRowN = 3;
    }

    SheetDocument Compose(int mode = ProblemSheet)
    {
        return SheetPipeline(Engine).Compose(Problems, Settings, Records, mode);
    }
};

// The document comes back; the engine's list, records and drawing font
// stay the preview's own.
TEST_F(SheetPipelineTest, OneSheetIsOnePageAndTheEngineIsLeftAsItWas)
{
    Engine.ListbyProgram = {QStringLiteral("Line,0,0,10,10")};
    const PageFont drawing{QStringLiteral("ＭＳ 明朝"), 48};
    Engine.SetFontSets(drawing);
    Records.PageTitle.psX = QStringLiteral("30");
    const SheetDocument document = Compose();
    ASSERT_EQ(document.PageCount(), 1);
    EXPECT_EQ(document.Pages.first().first(), QStringLiteral("INITPARAM"));
    EXPECT_EQ(document.Pages.first().filter(QStringLiteral("( 3)")).size(), 1);
    EXPECT_EQ(document.Pages.first().filter(QStringLiteral("3.00000000000000E+0001")).size(), 1);
    EXPECT_EQ(Engine.ListbyProgram, QStringList{QStringLiteral("Line,0,0,10,10")});
    EXPECT_EQ(Engine.State.Font, drawing);
    EXPECT_NE(Engine.PageTitle().psX, QStringLiteral("30"));
}

TEST_F(SheetPipelineTest, LayoutComesBackAndTheSettingsStayAsTheyWere)
{
    Settings.WindowTop = 5;  // below the page strings: raised
    Settings.WindowBottom = 4;  // less than 10: kept at 10
    const SheetSettings before = Settings;
    const SheetDocument document = Compose();
    EXPECT_GT(document.Layout.WindowTop, 5);
    EXPECT_EQ(document.Layout.WindowBottom, 10);
    EXPECT_EQ(document.Layout.WindowUpper, document.Layout.WindowTop + 5);
    EXPECT_EQ(document.Layout.WindowInner, Engine.Get_UnitWidth() - Settings.WindowRight);
    EXPECT_EQ(document.Layout.WindowUnder, Engine.Get_UnitHeight() - 10);
    EXPECT_EQ(Settings.WindowTop, before.WindowTop);
    EXPECT_EQ(Settings.WindowBottom, before.WindowBottom);
    EXPECT_EQ(Settings.WindowUpper, before.WindowUpper);

    SheetSettings stored = Settings;
    document.Layout.StoreIn(stored);
    EXPECT_EQ(stored.WindowTop, document.Layout.WindowTop);
    EXPECT_EQ(stored.WindowUnder, document.Layout.WindowUnder);
}

TEST_F(SheetPipelineTest, NoProblemsNoPagesAndTheEngineUntouched)
{
    Engine.ListbyProgram = {QStringLiteral("Line,0,0,10,10")};
    Problems.Lines1.clear();
    const SheetDocument document = Compose();
    EXPECT_TRUE(document.IsEmpty());
    EXPECT_EQ(Engine.ListbyProgram, QStringList{QStringLiteral("Line,0,0,10,10")});
    EXPECT_EQ(document.Layout.WindowTop, Settings.WindowTop);
}

// Whatever font the engine measured in last (another sheet, a read list, a
// page string), the same sheet comes out the same.
TEST_F(SheetPipelineTest, TheSameSheetWhateverTheEngineMeasuredBefore)
{
    const SheetDocument first = Compose();
    for (const PageFont& left : {PageFont{QStringLiteral("ＭＳ 明朝"), 48, 0, true, true},
                                 PageFont{QStringLiteral("ＭＳ Ｐゴシック"), 6}}) {
        Engine.SetFontSets(left);
        Engine.ListbyProgram = {QStringLiteral("FontSize,40")};
        const SheetDocument again = Compose();
        EXPECT_EQ(again.Pages, first.Pages) << left.Size;
        EXPECT_EQ(again.Layout.WindowTop, first.Layout.WindowTop) << left.Size;
    }
}

TEST_F(SheetPipelineTest, PageStringsArePlacedByTheRecordsGiven)
{
    Records.PageTitle.SetSets(QString(), QStringLiteral("ＭＳ 明朝"), 20, 4, QStringLiteral("30"),
                              QStringLiteral("12"), true, false);
    const SheetDocument document = Compose();
    EXPECT_EQ(document.Pages.first().filter(QStringLiteral("FontSize,20")).size(), 1);
}

TEST_F(SheetPipelineTest, HeadingMacrosReadThePipelinesClock)
{
    Settings.sHeader = QStringLiteral("%d");
    Records.Header.psPos = 1;
    SheetPipeline pipeline(Engine);
    pipeline.SetClock([] { return QDateTime(QDate(2026, 4, 1), QTime(9, 0)); }, QLocale::c());
    const SheetDocument document = pipeline.Compose(Problems, Settings, Records, ProblemSheet);
    const QString date = QLocale::c().toString(QDate(2026, 4, 1), QLocale::ShortFormat);
    EXPECT_EQ(document.Pages.first().filter(QStringLiteral("Header,\"") + date).size(), 1);
}

} // namespace
