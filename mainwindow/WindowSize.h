#pragma once
// The window's size from its size mode (ApplyWindowSize, SetSizeMode), the
// compact resize (SetCompact), as plain arithmetic. A maximised window takes the
// size its window manager gives it.
#include "mainwindow/WindowChrome.h"

struct WindowSizeInputs {
    int SizeMode = -1; // -1 custom, 0 video, 1..100 percent of the work-area width
    bool KeepAspect = false;
    bool Center = false;
    float WinRatio = 16.f / 9.f;
    WindowChrome chrome;
    int MinWidth = 0;
    int VideoWidth = 0; // 0 while unknown
    QRect workArea;     // of the screen holding the window
    QRect current;      // the window's bounds
    bool Fullscreen = false;
    QRect SavedBounds; // the windowed bounds kept while in full screen
};

// ApplyWindowSize: the bounds the window takes for its size mode. In full
// screen the rules work on SavedBounds and the result replaces SavedBounds
// (the window itself stays over the monitor); otherwise it is the window's
// new geometry, or its restore geometry while maximised or minimised.
// A size mode below -1 acts as custom, one above 100 as 100.
QRect ApplyWindowSizeRect(const WindowSizeInputs &in);

// SetSizeMode's relative step: a custom or video mode first becomes the
// window's share of the work-area width in percent; the step then stays
// within 1..100.
int RelativeSizeMode(int SizeMode, int delta, int windowWidth, int workAreaWidth);

struct CompactInputs {
    PanelSizes panels;
    int Borders = 0;
    bool Center = false;
    QRect workArea;
};

// SetCompact: the window bounds after turning auto-hide on or off in windowed
// mode, chosen so the video area keeps its place and size on screen (or the
// centred position with Center).
QRect CompactBounds(bool on, const QRect &bounds, const CompactInputs &in);
