#pragma once
// The rules an interactive resize of the main window obeys: minimum size,
// snapping to the work area, the video's ratio and centring. The window's own
// resize loop passes each proposed rectangle through them before setGeometry.
#include "controls/SizingEdge.h"
#include "mainwindow/WindowChrome.h"

struct SizingInputs {
    WindowChrome chrome;
    float WinRatio = 16.f / 9.f;
    int MinWidth = 0;
    bool Snap = false;
    bool Center = false;
    bool KeepAspect = false;
    QRect workArea;
};

// The rectangle the window takes when the user drags `edge` to `proposed`.
// The caller also turns SizeMode to custom (-1), as any hand resize does.
QRect SizingRect(const QRect &proposed, SizingEdge edge, const SizingInputs &in);
