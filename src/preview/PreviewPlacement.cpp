#include "preview/PreviewPlacement.h"

#include <algorithm>

namespace {

constexpr int kGap = 8;           // between the main window and the preview
constexpr int kLargest = 32767;   // beyond any screen
// Narrower, a whole page is too small to read: the preview then opens over
// the main window rather than as a strip at the screen's edge.
constexpr int kMinWidth = 400;

// A window at place shows enough of its title bar, the band above its
// client area, on a screen to be dragged.
bool Reachable(const QRect& place, const QList<QRect>& screens)
{
    const QRect titleBar(place.left(), place.top() - kTitleBar, place.width(), kTitleBar);
    for (const QRect& screen : screens) {
        const QRect seen = titleBar.intersected(screen);
        if (seen.width() >= std::min(kVisibleGrip, place.width()) && seen.height() >= kTitleBar / 2)
            return true;
    }
    return false;
}

// place moved (and shrunk if need be) inside screen, its title bar too.
QRect Within(QRect place, QRect screen)
{
    screen.setTop(screen.top() + kTitleBar);
    place.setWidth(std::min(place.width(), screen.width()));
    place.setHeight(std::min(place.height(), screen.height()));
    place.moveLeft(std::clamp(place.left(), screen.left(), screen.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), screen.top(), screen.bottom() - place.height() + 1));
    return place;
}

// The screen that holds most of rect, or the primary one.
QRect ScreenOf(const QRect& rect, const QList<QRect>& screens)
{
    QRect best = screens.constFirst();
    long long bestArea = -1;
    for (const QRect& screen : screens) {
        const QRect common = rect.intersected(screen);
        const long long area = common.isEmpty() ? 0 : 1LL * common.width() * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

// Beside the main window on the side with more room, narrower than the
// default when that side is narrower; none when neither side has kMinWidth.
std::optional<QRect> BesideMain(const QRect& main, const QRect& screen, QSize size)
{
    size = size.boundedTo(screen.size());
    const int top = std::clamp(main.top(), std::min(screen.top() + kTitleBar, screen.bottom()),
                               std::max(screen.top() + kTitleBar, screen.bottom() - size.height() + 1));
    const int rightRoom = screen.right() - (main.right() + kGap);
    const int leftRoom = main.left() - kGap - screen.left();
    const int room = std::max(rightRoom, leftRoom);
    if (room < kMinWidth)
        return std::nullopt;
    size.setWidth(std::min(size.width(), room));
    const int left = rightRoom >= leftRoom ? main.right() + 1 + kGap : main.left() - kGap - size.width();
    return QRect(QPoint(left, top), size);
}

} // namespace

std::optional<QRect> ValidStoredPlace(int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest)
        return std::nullopt;
    if (left < -kLargest || left > kLargest || top < -kLargest || top > kLargest)
        return std::nullopt;
    return QRect(left, top, width, height);
}

QRect PlacePreview(const PreviewPlacementInput& input)
{
    if (input.Screens.isEmpty())
        return input.Stored.value_or(kDefaultPreviewPlace);
    if (input.Stored) {
        if (Reachable(*input.Stored, input.Screens))
            return *input.Stored;
        return Within(*input.Stored, ScreenOf(*input.Stored, input.Screens));
    }
    if (!input.Main.isEmpty()) {
        const QRect screen = ScreenOf(input.Main, input.Screens);
        if (const std::optional<QRect> beside =
                BesideMain(input.Main, screen, kDefaultPreviewPlace.size()))
            return *beside;
        // Over the main window's right part, where its lists are: its tabs
        // and range boxes stay in view.
        QRect over(QPoint(0, input.Main.top()), kDefaultPreviewPlace.size());
        over.moveRight(input.Main.right());
        return Within(over, screen);
    }
    return kDefaultPreviewPlace;
}
