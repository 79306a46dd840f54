#include "mainwindow/MoveRules.h"

#include <cstdlib>

namespace {

// One axis: the start edge snaps first, then the end edge, then the centre.
int SnapStart(int start, int length, int areaStart, int areaLength, int centredStart)
{
    if (std::abs(start - areaStart) < SnapDistance)
        return areaStart;
    const int areaEnd = areaStart + areaLength;
    if (std::abs(start + length - areaEnd) < SnapDistance)
        return areaEnd - length;
    if (std::abs(start - centredStart) < SnapDistance)
        return centredStart;
    return start;
}

} // namespace

MoveResult MovingRect(const QRect &proposed, const QPoint &pointer, const QPoint &GrabOffset,
                      const QRect &workArea, bool Snap)
{
    QRect rect = proposed;
    const QPoint centred = CentredTopLeft(rect.size(), workArea);
    if (Snap) {
        const QPoint wanted = pointer - GrabOffset;
        rect.moveTopLeft(
            {SnapStart(wanted.x(), rect.width(), workArea.x(), workArea.width(), centred.x()),
             SnapStart(wanted.y(), rect.height(), workArea.y(), workArea.height(), centred.y())});
    }
    return {rect, rect.topLeft() == centred};
}
