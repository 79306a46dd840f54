#include "i18n/ZorviLocal.h"

namespace {
const char *const EnglishCmds[39] = {
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
    "Open: Files",
    "Open: URL",
    "Open: Folder",
    "Help: Keys",
    "Playlist: Repeat off/one/all",
    "Playlist: Shuffle",
};
} // namespace

const std::array<MiscText, 28> MiscTexts = {{
    {"Ok", &TZorviLocal::Ok, "Ok"},
    {"Cancel", &TZorviLocal::Cancel, "Cancel"},
    {"Add", &TZorviLocal::Add, "Add"},
    {"Change", &TZorviLocal::Change, "Change"},
    {"Remove", &TZorviLocal::Remove, "Remove"},
    {"Custom", &TZorviLocal::Custom, "Custom"},
    {"ShortCapHelp", &TZorviLocal::ShortCapHelp,
     "Enter any key or click below\r\nYou can use Shift,Ctrl and/or Alt as modifiers as well as mouse "
     "buttons by holding them while clicking another one."},
    {"StatusOpening", &TZorviLocal::StatusOpening, "Opening..."},
    {"StatusClosing", &TZorviLocal::StatusClosing, "Closing..."},
    {"StatusPlaying", &TZorviLocal::StatusPlaying, "Playing"},
    {"StatusSeeking", &TZorviLocal::StatusSeeking, "Seeking"},
    {"StatusPaused", &TZorviLocal::StatusPaused, "Paused"},
    {"StatusStopped", &TZorviLocal::StatusStopped, "Stopped"},
    {"StatusError", &TZorviLocal::StatusError, "Error"},
    {"Playlist", &TZorviLocal::Playlist, "Playlist"},
    {"DVDTitles", &TZorviLocal::DVDTitles, "DVD Titles"},
    // The playlist's title marks: short, since the title has little room.
    {"RepeatOne", &TZorviLocal::RepeatOne, "\u21bb1"},
    {"RepeatAll", &TZorviLocal::RepeatAll, "\u21bb"},
    {"ShuffleOn", &TZorviLocal::ShuffleOn, "\u21c4"},
    {"SavePlaylist", &TZorviLocal::SavePlaylist, "Save playlist"},
    {"PlaylistUnreadable", &TZorviLocal::PlaylistUnreadable, "Unable to read the playlist %1"},
    {"PlaylistTooLarge", &TZorviLocal::PlaylistTooLarge, "The playlist %1 is larger than %2 MiB: not read"},
    {"PlaylistTooMany", &TZorviLocal::PlaylistTooMany,
     "The playlist %1 has more than %2 entries: the rest are left out"},
    {"PlaylistLongLine", &TZorviLocal::PlaylistLongLine, "Lines longer than %2 bytes in %1 are left out"},
    {"PlaylistNested", &TZorviLocal::PlaylistNested, "A playlist inside the playlist %1 is not read: %2"},
    {"PlaylistScheme", &TZorviLocal::PlaylistScheme,
     "Entries of %1 with an address the player cannot play are left out: %2"},
    {"PlaylistBadXml", &TZorviLocal::PlaylistBadXml, "The playlist %1 is not valid XSPF: %2"},
    {"PlaylistNotSaved", &TZorviLocal::PlaylistNotSaved, "Unable to write the playlist %1"},
}};

TZorviLocal TZorviLocal::English()
{
    TZorviLocal t;
    for (const MiscText &misc : MiscTexts)
        t.*misc.Field = QString::fromUtf8(misc.English);
    for (const char *text : EnglishCmds)
        t.Cmds << QString::fromLatin1(text);
    return t;
}

QString TZorviLocal::StatusText(int status) const
{
    const QString *texts[] = {nullptr,        &StatusOpening, &StatusClosing, &StatusPlaying,
                              &StatusSeeking, &StatusPaused,  &StatusStopped, &StatusError};
    return status > 0 && status < 8 ? *texts[status] : QString();
}
