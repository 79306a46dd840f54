#pragma once
// The engine draws into an X window (-wid), so the program runs on X11; under a
// Wayland session XWayland serves it.
namespace Platform {
// Selects the xcb platform when QT_QPA_PLATFORM is unset or names Wayland.
// Call before the application object is created.
void SelectX11Platform();
} // namespace Platform
