#pragma once
// mpv's command line: the options that make it a slave of this program (no
// configuration, scripts, keys or terminal of its own; a control socket; our
// panel to draw into), then the settings and playback state as mpv options.
// The media itself is not on it: the run loads it over the socket once it
// observes what it needs.
#include "engine/mplayer/CommandLineBuilder.h"

struct MpvCommandLine {
    EngineCommandLine Command;
    QStringList Media; // the names to load, in order
    QStringList Notes; // what of the settings mpv cannot take, for the log
};

MpvCommandLine MakeMpvCommandLine(const SettingsData &settings, const PlaybackState &state,
                                  const VideoTarget &video, const CommandLineBuilder::MediaNames &media,
                                  const QString &program, const QString &socketPath,
                                  const QString &workFolder);
