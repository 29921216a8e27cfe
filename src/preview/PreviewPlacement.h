#pragma once
// Where the preview window opens. A place stored from an earlier run is used
// as it was, brought back onto a screen when no screen shows its title bar
// any more (a monitor unplugged). Without one the window opens beside the
// main window, on whichever side the screen has room for a readable page,
// so it does not cover the main window's controls, and otherwise over the
// main window; the fixed default place is the last resort.
// Pure geometry: the window passes in its screens and the main window.
#include <QList>
#include <QRect>
#include <optional>

// Every rectangle is a window's client area (without the frame the window
// manager adds): the platform reports it exactly, where frame sizes vary.
struct PreviewPlacementInput {
    std::optional<QRect> Stored;  // the place stored at the end of an earlier run, if valid
    QRect Main;                   // the main window; empty when unknown
    QList<QRect> Screens;         // available areas of the screens, the primary first
};

// The preview window's client area.
QRect PlacePreview(const PreviewPlacementInput& input);

// A stored place worth using: a positive size no larger than any screen
// could be; otherwise nullopt (the default placement).
std::optional<QRect> ValidStoredPlace(int left, int top, int width, int height);

inline constexpr QRect kDefaultPreviewPlace{709, 181, 480, 600};
// The width of title bar that must be on a screen for a stored place to stay,
// and the height allowed for the title bar above a window's client area.
inline constexpr int kVisibleGrip = 40;
inline constexpr int kTitleBar = 24;
