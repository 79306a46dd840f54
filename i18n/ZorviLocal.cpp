#include "i18n/ZorviLocal.h"

namespace {
const char *const EnglishCmds[33] = {
    " Custom: ",
    "Audio: Volume increase",
    "Audio: Volume decrease",
    "Audio: Volume mute",
    "Playback: Play/Pause",
    "Playback: Stop",
    "Playlist: Next",
    "Playlist: Previous",
    "Playback: Forward 10min",
    "Playback: Forward 30sec",
    "Playback: Forward 10sec",
    "Playback: Backward 10sec",
    "Playback: Backward 30sec",
    "Playback: Backward 10min",
    "Playback: Frame step",
    "View: Fullscreen",
    "View: Hide/Show controls",
    "View: Stay on top",
    "Video: Cycle aspect ratio",
    "Audio: Cycle audio track",
    "Subtitle: Cycle subtitles",
    "Subtitle: Size increase",
    "Subtitle: Size decrease",
    "Subtitle: Delay increase 100ms",
    "Subtitle: Delay decrease 100ms",
    "View: Size increase",
    "View: Size decrease",
    "View: Center",
    "General: Popup menu",
    "Tools: Show console",
    "Playlist: Show/Hide",
    "Tools: Open options",
    "General: Quit",
};
} // namespace

const std::array<MiscText, 16> MiscTexts = {{
    {"Ok", &TZorviLocal::Ok},
    {"Cancel", &TZorviLocal::Cancel},
    {"Add", &TZorviLocal::Add},
    {"Change", &TZorviLocal::Change},
    {"Remove", &TZorviLocal::Remove},
    {"Custom", &TZorviLocal::Custom},
    {"ShortCapHelp", &TZorviLocal::ShortCapHelp},
    {"StatusOpening", &TZorviLocal::StatusOpening},
    {"StatusClosing", &TZorviLocal::StatusClosing},
    {"StatusPlaying", &TZorviLocal::StatusPlaying},
    {"StatusSeeking", &TZorviLocal::StatusSeeking},
    {"StatusPaused", &TZorviLocal::StatusPaused},
    {"StatusStopped", &TZorviLocal::StatusStopped},
    {"StatusError", &TZorviLocal::StatusError},
    {"Playlist", &TZorviLocal::Playlist},
    {"DVDTitles", &TZorviLocal::DVDTitles},
}};

TZorviLocal TZorviLocal::English()
{
    TZorviLocal t;
    t.StatusOpening = QStringLiteral("Opening...");
    t.StatusClosing = QStringLiteral("Closing...");
    t.StatusPlaying = QStringLiteral("Playing");
    t.StatusSeeking = QStringLiteral("Seeking");
    t.StatusPaused = QStringLiteral("Paused");
    t.StatusStopped = QStringLiteral("Stopped");
    t.StatusError = QStringLiteral("Error");
    for (const char *text : EnglishCmds)
        t.Cmds << QString::fromLatin1(text);
    t.Ok = QStringLiteral("Ok");
    t.Add = QStringLiteral("Add");
    t.Remove = QStringLiteral("Remove");
    t.Change = QStringLiteral("Change");
    t.Cancel = QStringLiteral("Cancel");
    t.Custom = QStringLiteral("Custom");
    t.ShortCapHelp =
        QStringLiteral("Enter any key or click below\r\nYou can use Shift,Ctrl and/or Alt as "
                       "modifiers as well as mouse buttons by holding them while clicking another one.");
    t.Playlist = QStringLiteral("Playlist");
    t.DVDTitles = QStringLiteral("DVD Titles");
    return t;
}

QString TZorviLocal::StatusText(int status) const
{
    const QString *texts[] = {nullptr,        &StatusOpening, &StatusClosing, &StatusPlaying,
                              &StatusSeeking, &StatusPaused,  &StatusStopped, &StatusError};
    return status > 0 && status < 8 ? *texts[status] : QString();
}
