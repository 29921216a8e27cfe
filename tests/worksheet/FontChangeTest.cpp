#include "FakeComposeEngine.h"
#include "QStringPrinter.h"
#include "worksheet/SheetComposer.h"
#include <gtest/gtest.h>

namespace {

FontSpec Font(const char* name, int size, uint32_t color, bool bold, bool italic)
{
    FontSpec font;
    font.Name = QString::fromUtf8(name);
    font.Size = size;
    font.Color = color;
    font.Bold = bold;
    font.Italic = italic;
    return font;
}

struct FontChangeCase {
    const char* Name;
    FontSpec From;
    FontSpec To;
    QStringList Lines;
};

TEST(EmitFontChange, WritesOnlyWhatDiffersInFixedOrder)
{
    FontSpec underlined;
    underlined.Underline = true;
    underlined.StrikeOut = true;
    const FontChangeCase cases[] = {
        {"unchanged", FontSpec{}, FontSpec{}, {}},
        {"underline alone", FontSpec{}, underlined, {}},
        {"everything", FontSpec{}, Font("ＭＳ 明朝", 12, 0x0000FF, true, true),
         {"FontName,\"ＭＳ 明朝\"", "FontSize,12", "FontColor,255", "FontStyle,BOLD",
          "FontStyle,ITALIC"}},
        {"styles off", Font("A", 9, 0, true, true), Font("A", 9, 0, false, false),
         {"FontStyle,BOLD-", "FontStyle,ITALIC-"}},
        {"italic on, bold kept", Font("A", 9, 0, true, false), Font("A", 9, 0, true, true),
         {"FontStyle,ITALIC"}},
        {"quote in face", FontSpec{}, Font("My \"X\" Font", 9, 0, false, false),
         {"FontName,\"My \"\"X\"\" Font\""}},
    };
    for (const FontChangeCase& c : cases) {
        FakeComposeEngine engine;
        SheetSettings settings;
        SheetProblems problems;
        FontSpec curFont = c.From;
        SheetComposer composer(engine, settings, problems, curFont);
        composer.EmitFontChange(c.To);
        EXPECT_EQ(engine.Lines, c.Lines) << c.Name;
        EXPECT_EQ(curFont, c.To) << c.Name;
    }
}

TEST(SetPageStrFont, TakesRecordFontInBlackKeepingUnderline)
{
    FakeComposeEngine engine;
    SheetSettings settings;
    SheetProblems problems;
    FontSpec curFont;
    SheetComposer composer(engine, settings, problems, curFont);
    TPageStr record;
    record.psName = "ＭＳ 明朝";
    record.psSize = 14;
    record.psBold = true;
    FontSpec font = Font("X", 30, 0x00FF00, false, true);
    font.Underline = true;
    composer.SetPageStrFont(record, font);
    FontSpec expected = Font("ＭＳ 明朝", 14, 0, true, false);
    expected.Underline = true;
    EXPECT_EQ(font, expected);
    composer.ResetCurFont();
    EXPECT_EQ(curFont, FontSpec{});
}

} // namespace
