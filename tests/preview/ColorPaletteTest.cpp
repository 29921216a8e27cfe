// The colour chooser offers the sixteen colours a page prints and nothing
// else, starting at the named colour nearest the current one.
#include "prevform/ColorWords.h"
#include "preview/ColorPalette.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace {

TEST(ColorPaletteTest, OffersTheNamedColoursOnlyStartingAtTheNearest)
{
    const std::pair<uint32_t, uint32_t> cases[] = {
        {0x0000FF, 0x0000FF}, {0x0000AA, 0x000080}, {0x123456, 0x000080}, {0xF0F0F0, 0xFFFFFF}};
    for (const auto& [initial, shown] : cases) {
        ColorPalette palette(initial);
        ASSERT_EQ(palette.Swatches.size(), 16);
        EXPECT_EQ(palette.Chosen(), shown) << std::hex << initial;
        QStringList words;
        for (QAbstractButton* swatch : palette.Swatches) {
            swatch->click();
            EXPECT_TRUE(IsNamedColor(palette.Chosen()));
            EXPECT_EQ(WordFromColor(palette.Chosen()), swatch->toolTip());
            words << swatch->toolTip();
        }
        words.removeDuplicates();
        EXPECT_EQ(words.size(), 16);
    }
}

} // namespace
