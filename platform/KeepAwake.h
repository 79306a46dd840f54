#pragma once
// Keeps the display awake while a video plays: the session's screen saver is
// told of activity now and then (never an inhibit cookie, which could outlive
// playback when the program dies).
class QDBusConnection;

namespace Platform {
enum class AwakeMethod { None, ScreenSaverService, X11 };
// org.freedesktop.ScreenSaver.SimulateActivity on the bus, else
// XResetScreenSaver. Failures are ignored; the way that worked is returned.
AwakeMethod SimulateUserActivity(const QDBusConnection &bus);
} // namespace Platform
