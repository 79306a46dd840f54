#pragma once
// The rules a move of the main window obeys: the window follows the pointer
// and snaps to the work-area edges and to the centred position. The window's
// own move loop passes each step through them before setGeometry.
#include "mainwindow/WindowChrome.h"

struct MoveResult {
    QRect rect;
    bool centred = false; // what SetCenter follows after the move
};

// The window's bounds for one step of a move. With Snap the top-left comes
// from the pointer less GrabOffset (the pointer's offset from the window's
// top-left when the move started), then snaps; without it `proposed` stands.
MoveResult MovingRect(const QRect &proposed, const QPoint &pointer, const QPoint &GrabOffset,
                      const QRect &workArea, bool Snap);
