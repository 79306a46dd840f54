#include "mainwindow/WindowChrome.h"

#include <algorithm>
#include <cmath>

namespace {

bool UsableRatio(float ratio)
{
    return std::isfinite(ratio) && ratio > 0;
}

// A ratio from a stored file or an odd clip (1e-30, 1e30) would make a window
// a few pixels wide or far off screen; no real picture is outside 1:16 .. 16:1.
double SizingRatio(float ratio)
{
    return UsableRatio(ratio) ? std::clamp(double(ratio), 1.0 / 16, 16.0) : 1.0;
}

// Ties go to the even neighbour whatever the floating-point rounding mode;
// the result is kept in a range where the callers' sums cannot overflow.
int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    value = std::clamp(value, -1e9, 1e9);
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0))
        return int(down) + 1;
    return int(down);
}

} // namespace

WindowChrome ChromeFor(const PanelSizes &panels, bool Compact, int Borders)
{
    if (Compact)
        return {2 * Borders, 2 * Borders};
    return {panels.left + panels.right, panels.top + panels.bottom};
}

int WindowHeightFor(int width, const WindowChrome &chrome, float WinRatio)
{
    const double ratio = SizingRatio(WinRatio);
    return chrome.vertical + RoundHalfEven((width - chrome.horizontal) / ratio);
}

int WindowWidthFor(int height, const WindowChrome &chrome, float WinRatio)
{
    const double ratio = SizingRatio(WinRatio);
    return chrome.horizontal + RoundHalfEven((height - chrome.vertical) * ratio);
}

QPoint CentredTopLeft(const QSize &size, const QRect &workArea)
{
    return {workArea.x() + (workArea.width() - size.width()) / 2,
            workArea.y() + (workArea.height() - size.height()) / 2};
}

QRect VideoRect(const QSize &area, float WinRatio)
{
    if (!UsableRatio(WinRatio))
        return QRect(QPoint(0, 0), area);
    const double ratio = SizingRatio(WinRatio);
    const int cw = area.width();
    const int ch = area.height();
    int w = RoundHalfEven(ch * ratio);
    int h = ch;
    if (w > cw) {
        w = cw;
        h = RoundHalfEven(cw / ratio);
    }
    return QRect((cw - w) / 2, (ch - h) / 2, w, h);
}
