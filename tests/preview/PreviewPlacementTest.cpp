// Where the preview window opens: its stored place, brought back onto a
// screen when lost, or beside the main window where the screen has room
// for a readable page, else over it.
#include "preview/PreviewPlacement.h"

#include <gtest/gtest.h>

namespace {

const QRect kScreen(0, 0, 1280, 1024);
const QRect kSecond(1280, 0, 1920, 1080);

TEST(PreviewPlacementTest, OpensBesideTheMainWindowWhereTheScreenHasRoom)
{
    struct Case {
        const char* Name;
        QRect Main;
        QRect Expected;
    };
    const Case cases[] = {
        {"room on the right", {50, 100, 600, 500}, {658, 100, 480, 600}},
        {"room on the left only", {700, 100, 560, 500}, {212, 100, 480, 600}},
        {"the wider side, narrower", {150, 200, 682, 560}, {840, 200, 440, 600}},
        {"too narrow a side: over the main window", {300, 200, 680, 560}, {500, 200, 480, 600}},
        {"low on the screen: kept on it", {50, 700, 600, 300}, {658, 424, 480, 600}},
        {"no room either side: over it, on the screen", {100, 0, 1080, 700}, {700, 24, 480, 600}},
        {"main window unknown", {}, kDefaultPreviewPlace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(PlacePreview({std::nullopt, c.Main, {kScreen}}), c.Expected);
    }
}

TEST(PreviewPlacementTest, AStoredPlaceIsKeptWhileItsTitleBarIsOnAScreen)
{
    struct Case {
        const char* Name;
        QRect Stored;
        QRect Expected;
    };
    const Case cases[] = {
        {"inside", {100, 50, 500, 700}, {100, 50, 500, 700}},
        {"partly off the right edge", {1200, 50, 500, 700}, {1200, 50, 500, 700}},
        {"on the second screen", {2000, 100, 500, 700}, {2000, 100, 500, 700}},
        {"screen unplugged: onto the primary", {3400, 100, 500, 700}, {780, 100, 500, 700}},
        {"above every screen", {100, -900, 500, 700}, {100, 24, 500, 700}},
        {"title bar above the screen", {100, 5, 500, 700}, {100, 24, 500, 700}},
        {"far left", {-2000, 300, 500, 700}, {0, 300, 500, 700}},
        {"larger than the screen", {-5000, -5000, 3000, 2000}, {0, 24, 1280, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(PlacePreview({c.Stored, {50, 100, 600, 500}, {kScreen, kSecond}}), c.Expected);
    }
}

TEST(PreviewPlacementTest, ImpossibleStoredValuesMeanNoStoredPlace)
{
    EXPECT_EQ(ValidStoredPlace(10, 20, 480, 600), QRect(10, 20, 480, 600));
    EXPECT_EQ(ValidStoredPlace(-100, -50, 1, 1), QRect(-100, -50, 1, 1));
    for (const QRect r : {QRect(0, 0, 0, 600), QRect(0, 0, 480, -1), QRect(0, 0, 40000, 600),
                          QRect(99999, 0, 480, 600), QRect(0, -99999, 480, 600)})
        EXPECT_FALSE(ValidStoredPlace(r.left(), r.top(), r.width(), r.height()))
            << r.left() << "," << r.top() << " " << r.width() << "x" << r.height();
}

} // namespace
