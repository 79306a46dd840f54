#include "mainwindow/WindowSize.h"

#include <algorithm>

QRect ApplyWindowSizeRect(const WindowSizeInputs &in)
{
    const QRect &area = in.workArea;
    // Changing the size in full screen changes only the bounds used on leaving.
    const QRect &windowed = in.Fullscreen ? in.SavedBounds : in.current;
    const int mode = std::clamp(in.SizeMode, -1, 100);

    int width;
    if (mode == -1)
        width = windowed.width();
    else if (mode == 0)
        width = in.VideoWidth > 0 ? std::min(in.VideoWidth, area.width()) : windowed.width();
    else
        width = area.width() * mode / 100;
    width = std::max(width, in.MinWidth);

    int height;
    if (mode == -1 && !in.KeepAspect) {
        height = windowed.height();
    } else {
        height = WindowHeightFor(width, in.chrome, in.WinRatio);
        if (height > area.height()) {
            height = area.height();
            width = WindowWidthFor(height, in.chrome, in.WinRatio);
        }
    }

    const QSize size(width, height);
    if (in.Center)
        return QRect(CentredTopLeft(size, area), size);
    // Only pulled back, never pushed in from the left or top.
    const int left = std::min(windowed.x(), area.x() + area.width() - width);
    const int top = std::min(windowed.y(), area.y() + area.height() - height);
    return QRect(QPoint(left, top), size);
}

int RelativeSizeMode(int SizeMode, int delta, int windowWidth, int workAreaWidth)
{
    if (SizeMode < 1)
        SizeMode = workAreaWidth > 0 ? int(qint64(windowWidth) * 100 / workAreaWidth) : 100;
    return int(std::clamp<qint64>(qint64(SizeMode) + delta, 1, 100));
}

QRect CompactBounds(bool on, const QRect &bounds, const CompactInputs &in)
{
    // What the panels add around the video beyond the compact frame.
    const int top = in.panels.top - in.Borders;
    const int left = in.panels.left - in.Borders;
    const int extraWidth = left + in.panels.right - in.Borders;
    const int extraHeight = top + in.panels.bottom - in.Borders;
    const int sign = on ? -1 : 1;
    QRect r(bounds.x() - sign * left, bounds.y() - sign * top, bounds.width() + sign * extraWidth,
            bounds.height() + sign * extraHeight);
    if (in.Center)
        r.moveTopLeft(CentredTopLeft(r.size(), in.workArea));
    return r;
}
