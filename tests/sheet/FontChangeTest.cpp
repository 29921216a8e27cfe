#include "support/FakeComposeEngine.h"
#include "support/QStringPrinter.h"
#include "sheet/SheetComposer.h"
#include <gtest/gtest.h>

namespace {

PageFont Font(const char* name, int size, uint32_t color, bool bold, bool italic)
{
    return {QString::fromUtf8(name), size, color, bold, italic};
}

struct FontChangeCase {
    const char* Name;
    PageFont From;
    PageFont To;
    QStringList Lines;
};

TEST(EmitFontChange, WritesOnlyWhatDiffersInFixedOrder)
{
    const PageFont plain = Font("A", 9, 0, false, false);
    PageFont underlined = plain;
    underlined.Underline = underlined.StrikeOut = true;
    const FontChangeCase cases[] = {
        {"unchanged", plain, plain, {}},
        {"underline alone", plain, underlined, {}},
        {"everything", plain, Font("ＭＳ 明朝", 12, 0x0000FF, true, true),
         {"FontName,\"ＭＳ 明朝\"", "FontSize,12", "FontColor,255", "FontStyle,BOLD",
          "FontStyle,ITALIC"}},
        {"styles off", Font("A", 9, 0, true, true), plain, {"FontStyle,BOLD-", "FontStyle,ITALIC-"}},
        {"quote in face", plain, Font("My \"X\" Font", 9, 0, false, false),
         {"FontName,\"My \"\"X\"\" Font\""}},
    };
    for (const FontChangeCase& c : cases) {
        FakeComposeEngine engine;
        SheetSettings settings;
        SheetProblems problems;
        PageFont curFont = c.From;
        SheetComposer(engine, settings, problems, curFont).EmitFontChange(c.To);
        EXPECT_EQ(engine.Lines, c.Lines) << c.Name;
        EXPECT_EQ(curFont, c.To) << c.Name;
    }
}

} // namespace
