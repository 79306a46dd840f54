#pragma once
// Which commands a skin's buttons may run. A skin comes from the internet, so
// its Command keys are data: our own named commands and the engine commands
// that play media (pause, seek, volume, tracks, subtitles, OSD ...) pass; the
// rest (run, loadfile, quit, filters, screenshots ...) are refused. The
// user's shortcuts and console input do not go through here.
#include <QString>

// True when a skin button may run `command` as ExecuteCommand reads it: a
// leading "&" or "@" sends the rest to the engine, anything else is a named
// command when its first word names one, else it goes to the engine as is.
bool SkinMayRunCommand(const QString &command);
