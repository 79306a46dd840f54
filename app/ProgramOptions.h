#pragma once
// The GNU-style options every desktop program answers: --help and --version
// print and end the program before any window or engine exists; any other
// option with two dashes is refused. "--" ends the options, so a file whose
// name starts with dashes can still be named. A file: URL (what desktops pass
// for "Open with") becomes the local path it names. Everything else ("-v",
// "-translator", media names and other URLs) is left to ProcessArgument;
// after "--" a name spelled like a switch becomes the absolute path it names,
// so it reaches the playlist as a media name. "--engine=NAME" chooses the
// engine for this run only.
#include <QString>
#include <QStringList>

class SettingsStore;

struct ProgramOptions {
    enum class Action { Run, Help, Version, Refuse };
    Action Outcome = Action::Run;
    // The arguments to take at start-up ("--" removed).
    QStringList Arguments;
    // What to print (standard output for help and version, standard error for a refusal).
    QString Text;
    int ExitCode = 0;
    // "auto", "mplayer" or "mpv" from --engine; empty when not given.
    QString Engine;
};

ProgramOptions ParseProgramOptions(const QStringList &arguments);
// Holds what the options choose for this run over the settings file's values
// without ever saving them (see SettingsStore::SetRunValue).
void ApplyRunSettings(const ProgramOptions &options, SettingsStore &store);
// What a second start says when its copy hands over to a running one: the
// running copy keeps its engine. Empty when there is nothing to say.
QString HandOverNote(const ProgramOptions &options);
// "-v" or "-translator", exactly (letter case included).
bool IsSwitch(const QString &argument);
