#pragma once
// Chrome and ratio: how the window's size follows the video's width/height
// ratio, and where the video sits inside its area. Plain values in and out,
// so every window rule can be checked without a window.
#include <QPoint>
#include <QRect>
#include <QSize>

// Distance in pixels within which moved and dragged edges snap.
constexpr int SnapDistance = 10;

// The skin's border panels: heights of the top and bottom panels, widths of
// the left and right ones; 0 for a panel the skin lacks.
struct PanelSizes {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
};

// What surrounds the video: left plus right, top plus bottom.
struct WindowChrome {
    int horizontal = 0;
    int vertical = 0;
};

// Compact keeps Borders on each side of the video; otherwise the panels frame it.
WindowChrome ChromeFor(const PanelSizes &panels, bool Compact, int Borders);

// The window height that gives a window `width` the video's ratio, and the
// width for a height. The video part is rounded to the nearest integer, ties
// to even. A ratio that is not a positive finite number counts as 1.
int WindowHeightFor(int width, const WindowChrome &chrome, float WinRatio);
int WindowWidthFor(int height, const WindowChrome &chrome, float WinRatio);

// Top-left corner of a window of `size` centred in the work area.
QPoint CentredTopLeft(const QSize &size, const QRect &workArea);

// LayoutVideo's placement of the inner panel in an outer panel of `area`:
// the largest rectangle of the ratio, centred. Without a usable ratio (0 until
// a video says otherwise) the inner panel fills the area.
QRect VideoRect(const QSize &area, float WinRatio);
