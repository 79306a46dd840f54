#pragma once
// The window manager's side of a top-level window, spoken through EWMH on the
// X display: keep-above and the check for the states a manager supports.
// Qt's own flag changes re-create native windows (and the engine's -wid
// target with them); these do not touch the window at all.
#include <QtGlobal>

namespace Platform {
// Whether a window manager runs that announces the _NET_WM_STATE atom `state`
// (for example "_NET_WM_STATE_FULLSCREEN") in _NET_SUPPORTED.
bool WindowManagerSupports(const char *state);
// Sets or clears _NET_WM_STATE_ABOVE of a top-level window: a request to the
// manager while the window is mapped and a manager runs, else the property
// itself (which a manager reads when it maps the window).
void SetKeepAbove(quintptr window, bool on);
// Whether the window's _NET_WM_STATE holds _NET_WM_STATE_ABOVE.
bool KeepAbove(quintptr window);
// Resets the X screen saver's idle time; false without a display.
bool ResetX11ScreenSaver();
} // namespace Platform
