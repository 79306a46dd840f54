#pragma once
// Where the program finds its files. A copy run from its build or unpacked
// folder keeps everything beside itself; an installed copy reads the shared
// data folder and writes only to the user's folders.
#include <QString>
#include <QStringList>

namespace Platform {
// Directory of the executable with a trailing "/" (needs the application object).
QString ProgramDirectory();
// The folder the program is installed to (/usr/bin/ for a /usr install), and
// the install prefix's share/zorvi/, both with a trailing "/". Nothing is ever
// written to either, even by root.
QString InstalledProgramDirectory();
QString SharedDataDirectory();
bool IsInstalledProgramDirectory(const QString &programDir);
// zorvi.ini beside the executable when a writable zorvi.ini is there or the
// folder is writable (portable use), and it is not the installed folder;
// otherwise $XDG_CONFIG_HOME/zorvi/zorvi.ini.
QString SettingsFilePath(const QString &programDir);
// $XDG_CONFIG_HOME/zorvi/ with a trailing "/".
QString UserConfigDirectory();
// $XDG_DATA_HOME/zorvi/ with a trailing "/".
QString UserDataDirectory();
// $XDG_STATE_HOME/zorvi/ (~/.local/state/zorvi/ when unset or not absolute)
// with a trailing "/": what the program remembers between runs that is not a
// setting (positions, the last playlist, recent media).
QString UserStateDirectory();
// The folders skins and languages are read from, in this order: the program
// directory (unless it is the installed folder), $XDG_DATA_HOME/zorvi/ and
// the install prefix's share/zorvi/.
QStringList DataFolders(const QString &programDir);
QStringList SkinFolders(const QString &programDir);
QStringList LanguageFolders(const QString &programDir);
// Where a language file written by the program goes: the program directory's
// Lang/ when it may be written, otherwise $XDG_DATA_HOME/zorvi/Lang/.
QString LanguageSaveFolder(const QString &programDir);
} // namespace Platform
