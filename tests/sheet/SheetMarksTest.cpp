// The marks of a sheet: what the bottom line says, where it stands, and the
// pupil's name in the name line.
#include "support/FakeComposeEngine.h"
#include "sheet/SheetComposer.h"
#include "sheet/SheetMarks.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetMarks, BottomLineText)
{
    SheetSettings withBox;
    SheetSettings noBox;
    noBox.DateTime.psPos = 0;
    const QString gap(QChar(0x3000));
    struct Case { const SheetSettings* Settings; SheetMarks Marks; QString Expected; };
    const Case cases[] = {
        {&withBox, {}, ""},
        {&withBox, {"7KT3MA", 0, ""}, "7KT3MA"},
        {&withBox, {"7KT3MA", 12, ""}, "No.12" + gap + "7KT3MA"},
        {&withBox, {"", 3, "Aoi"}, "No.3"},                          // the name line has it
        {&noBox, {"7KT3MA", 3, " Aoi "}, "No.3" + gap + "Aoi" + gap + "7KT3MA"},  // no name line
        {&noBox, {"", 0, "  "}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MarkLineText(*c.Settings, c.Marks), c.Expected) << c.Expected.toStdString();
}

TEST(SheetMarks, PupilFollowsTheNameHeading)
{
    SheetSettings settings;
    EXPECT_EQ(WithPupil(settings, " Aoi ").sName, QStringLiteral("なまえ") + QChar(0x3000) + "Aoi");
    settings.sName.clear();
    EXPECT_EQ(WithPupil(settings, "Aoi").sName, "Aoi");  // alone: the line is still drawn
    settings.sName = "name";
    EXPECT_EQ(WithPupil(settings, "").sName, "name");
}

TEST(SheetMarks, LineStandsRightAlignedBelowTheProblemArea)
{
    FakeComposeEngine engine;
    engine.Widths[QStringLiteral("No.2") + QChar(0x3000) + "7KT3MA"] = 30;
    SheetSettings settings;
    const SheetProblems problems{{"1.5"}, {"2"}, {"3.5"}, OpAdd};
    PageFont font;
    SheetComposer composer(engine, settings, problems, font);
    composer.ComposeSheet(ProblemSheet);
    const SheetLayout layout = composer.Layout();
    const qsizetype before = engine.Lines.size();
    WriteMarkLine(composer, engine, layout, settings, {"7KT3MA", 2, ""});
    ASSERT_GT(engine.Lines.size(), before);
    const QString line = engine.Lines.last();
    ASSERT_TRUE(line.startsWith("TextOut,")) << line.toStdString();
    EXPECT_DOUBLE_EQ(line.section(',', 1, 1).toDouble(), layout.WindowInner - 30);
    EXPECT_GT(line.section(',', 2, 2).toDouble(), layout.WindowUnder);
    EXPECT_LT(line.section(',', 2, 2).toDouble(), engine.PageHeight);
    EXPECT_EQ(engine.MeasureFont->Size, 9);

    // No marks: nothing written.
    const qsizetype after = engine.Lines.size();
    WriteMarkLine(composer, engine, layout, settings, {});
    EXPECT_EQ(engine.Lines.size(), after);
}

} // namespace
