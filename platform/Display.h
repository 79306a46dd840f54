#pragma once
// The engine draws into an X window (-wid), so the program runs on X11; under a
// Wayland session XWayland serves it.
#include <QString>

namespace Platform {
// Selects the xcb platform when QT_QPA_PLATFORM is unset or names Wayland.
// Call before the application object is created.
void SelectX11Platform();
// Selects Qt's own event dispatcher instead of glib's unless QT_NO_GLIB is
// set (empty asks for glib's) or a GTK platform theme, which needs glib's
// loop for its dialogs, is chosen. Each wake-up of the event loop costs
// less without glib's machinery. Call before the application object is created.
void SelectEventDispatcher();
// Connects to the X display to see that it answers, and holds that connection
// until it is destroyed: an X server resets when its last client leaves, and
// one resetting as Qt connects refuses Qt. Make it before the application
// object, destroy it after.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;
    // Empty when the chosen platform is not X11 or its display answers; else
    // why the program cannot show its window, for the terminal.
    QString Missing() const { return m_missing; }

private:
    void *m_display = nullptr; // Xlib's Display, kept out of this header
    QString m_missing;
};
} // namespace Platform
