#pragma once
// Where the program finds its files.
#include <QString>

namespace Platform {
// Directory of the executable with a trailing "/" (needs the application object).
QString ProgramDirectory();
// zorvi.ini beside the executable when a writable zorvi.ini is there or the
// folder is writable (portable use); otherwise $XDG_CONFIG_HOME/zorvi/zorvi.ini.
QString SettingsFilePath(const QString &programDir);
// $XDG_CONFIG_HOME/zorvi/ with a trailing "/".
QString UserConfigDirectory();
} // namespace Platform
