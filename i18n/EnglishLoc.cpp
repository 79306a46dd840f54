#include "i18n/EnglishLoc.h"

#include "i18n/LngFile.h"

namespace {
// The output lists keep their keys; their texts name what the engine uses on
// Linux for each choice (video 2 and 3: -vo xv, -vo gl; audio 2 and 3:
// -ao alsa, -ao pulse,alsa).
const char *const Lines[] = {
    "[Main]",
    "MOpen=Open",
    "MOpenFile=Files...",
    "MOpenAdvanced=url ...",
    "MView=View",
    "MFullscreen=Fullscreen",
    "MCompact=Auto-hide controls",
    "MWKeepAspect=Keep aspect ratio",
    "MCenter=Center",
    "MSize=Size",
    "MSizeCustom=Custom",
    "MSizeVideo=Video",
    "MSizeMini=Mini",
    "MSize50=50% screen",
    "MSize75=75% screen",
    "MOnTop=On top",
    "MSkins=Skins",
    "MPlaylist=Playlist",
    "MConsole=Console",
    "MVideo=Video",
    "MAR=Aspect ratio",
    "MARNative=Native",
    "MAR43=4:3",
    "MAR169=16:9",
    "MAR235=2.35:1",
    "MPostProc=Post Processing",
    "MFrameDrop=Frame drop",
    "MAudio=Audio",
    "MMute=Mute",
    "MSubtitle=Subtitles",
    "MSNone=Disable",
    "MSLoad=Load...",
    "MOptions=Options...",
    "MQuit=Quit",
    "PLMAdd=Add...",
    "PLMRemove=Remove",
    "PLMClear=Clear",
    "",
    "[Options]",
    "Caption=Options",
    "",
    "[GeneralTab]",
    "Caption=General",
    "LPath=MPlayer path :",
    "LOSD=OSD:",
    "LLang=Language:",
    "SingleInstChkBox=Allow only one instance",
    "StartFSChkBox=Start in fullscreen",
    "ResizeRadioGroup= On video opening,  resize ... ",
    "ResizeRadioGroup0=according to video size",
    "ResizeRadioGroup1=according to menu choice",
    "",
    "[VideoTab]",
    "Caption=Video",
    "VideoOutGroupBox= Video Out ",
    "VOnull=No Video (null)",
    "VOdx=X Video (xv)",
    "VOgl2=OpenGL (gl, default)",
    "",
    "[AudioTab]",
    "Caption=Audio",
    "MuteOnSeekChkBox=Mute while seeking or paused",
    "AudioOutGroupBox= Audio out ",
    "AOnull=No Audio (null)",
    "AOwin32=ALSA (alsa)",
    "AOdsound=PulseAudio (pulse, default)",
    "",
    "[SubtitlesTab]",
    "Caption=Subtitles",
    "",
    "[ShortcutsTab]",
    "Caption=Shortcuts",
    "Shortcut=Shortcut",
    "Action=Action",
    "",
    "[AdvancedTab]",
    "Caption=Advanced",
    "BoostChkBox=Priority Boost",
    "CacheChkBox=Cache (Kb) :",
    "AddParamGroupBox= Additional parameters ",
    "",
    "[TabAbout]",
    "Caption=About",
};
} // namespace

QString EnglishLoc()
{
    QString text;
    for (const char *line : Lines) {
        text += QString::fromUtf8(line);
        text += QLatin1String("\r\n");
    }
    return text;
}

QString EnglishText(const QString &section, const QString &key)
{
    static const TLngFile english = [] {
        TLngFile file;
        file.LoadFromLines(EnglishLoc().split(QLatin1String("\r\n")));
        return file;
    }();
    return english.ReadValue(section, key);
}
