#include "i18n/ZorviLocal.h"

namespace {
const char *const EnglishCmds[44] = {
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
    "Help: Show keys",
    "Playlist: Repeat",
    "Playlist: Shuffle",
    "Playback: Speed up",
    "Playback: Slow down",
    "Playback: Normal speed",
    "Video: Save screenshot",
    "Playback: From the beginning",
};
} // namespace

const std::array<MiscText, 56> MiscTexts = {{
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
    {"HintDrop", &TZorviLocal::HintDrop, "Drop files here"},
    {"HintMenu", &TZorviLocal::HintMenu, "Right-click for the menu"},
    {"HintOpen", &TZorviLocal::HintOpen, "Open files:"},
    {"SeeConsole", &TZorviLocal::SeeConsole, "See the console:"},
    {"SeeConsoleClick", &TZorviLocal::SeeConsoleClick, "Click here to see the console"},
    {"ProblemFileNotFound", &TZorviLocal::ProblemFileNotFound, "File not found"},
    {"ProblemUnreadable", &TZorviLocal::ProblemUnreadable, "Not a media file the engine can read"},
    {"ProblemHostNotFound", &TZorviLocal::ProblemHostNotFound, "Server not found"},
    {"ProblemNoConnection", &TZorviLocal::ProblemNoConnection, "Cannot connect to the server"},
    {"ProblemServerRefused", &TZorviLocal::ProblemServerRefused, "The server refused the media"},
    {"ProblemFailed", &TZorviLocal::ProblemFailed, "The engine could not play this"},
    {"ProblemNoVideoCodec", &TZorviLocal::ProblemNoVideoCodec, "No codec for the picture: sound only"},
    {"ProblemNoAudioCodec", &TZorviLocal::ProblemNoAudioCodec, "No codec for the sound: picture only"},
    {"ProblemNoSoundDevice", &TZorviLocal::ProblemNoSoundDevice, "No sound device: playing without sound"},
    {"KeysTitle", &TZorviLocal::KeysTitle, "Keys and mouse"},
    {"NoteResumed", &TZorviLocal::NoteResumed, "Resumed at %1"},
    {"NoteFromStart", &TZorviLocal::NoteFromStart, "%1: from the beginning"},
    {"NoteScreenshot", &TZorviLocal::NoteScreenshot, "Saved %1"},
    {"NoteNoScreenshot", &TZorviLocal::NoteNoScreenshot, "No screenshot: no picture shown"},
    {"FilterMedia", &TZorviLocal::FilterMedia, "All media"},
    {"FilterAll", &TZorviLocal::FilterAll, "All files"},
    {"FilterVideo", &TZorviLocal::FilterVideo, "Video files"},
    {"FilterAudio", &TZorviLocal::FilterAudio, "Audio files"},
    {"FilterSubtitles", &TZorviLocal::FilterSubtitles, "Subtitles"},
    {"OpenUrlTitle", &TZorviLocal::OpenUrlTitle, "Open URL ..."},
    {"OpenUrlPrompt", &TZorviLocal::OpenUrlPrompt, "Enter the url :"},
    {"OpenFolderTitle", &TZorviLocal::OpenFolderTitle, "Open a folder"},
    {"NoMediaInFolder", &TZorviLocal::NoMediaInFolder, "No video or sound files in this folder:"},
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

QString TZorviLocal::ProblemText(int problem) const
{
    const QString *texts[] = {nullptr,
                              &ProblemFileNotFound,
                              &ProblemUnreadable,
                              &ProblemHostNotFound,
                              &ProblemNoConnection,
                              &ProblemServerRefused,
                              &ProblemFailed,
                              &ProblemNoVideoCodec,
                              &ProblemNoAudioCodec,
                              &ProblemNoSoundDevice};
    return problem > 0 && problem < int(std::size(texts)) ? *texts[problem] : QString();
}
