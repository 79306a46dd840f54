#pragma once
// Everything the engine link asks of the windows, by concern, so the link
// never includes a window header. The main window may implement all of them;
// tests implement them with recorders.
#include "engine/EngineLog.h"
#include "engine/PlaybackDisplay.h"
#include "engine/TrackMenus.h"
#include "engine/VideoPanel.h"
#include "engine/WindowRequests.h"

struct EngineHost {
    PlaybackDisplay &Display;
    VideoPanel &Video;
    TrackMenus &Tracks;
    EngineLog &Log;
    WindowRequests &Window;

    // One object that implements every part.
    template <class T> static EngineHost Of(T &all) { return {all, all, all, all, all}; }
};
