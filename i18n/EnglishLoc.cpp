#include "i18n/EnglishLoc.h"

#include "i18n/OptionsTexts.h"

namespace {
// The menus; the options dialog's sections follow from its table.
const char *const MenuLines[] = {
    "[Main]",
    "MOpen=Open",
    "MOpenFile=Files...",
    "MOpenFolder=Folder...",
    "MOpenAdvanced=url ...",
    "MRecent=Recent",
    "MRecentClear=Clear",
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
    "MScreenshot=Save screenshot",
    "MAudio=Audio",
    "MMute=Mute",
    "MSubtitle=Subtitles",
    "MSNone=Disable",
    "MSLoad=Load...",
    "MSpeed=Speed",
    "MSpeed50=0.5×",
    "MSpeed75=0.75×",
    "MSpeed100=1×",
    "MSpeed125=1.25×",
    "MSpeed150=1.5×",
    "MSpeed200=2×",
    "MOptions=Options...",
    "MQuit=Quit",
    "PLMAdd=Add...",
    "PLMRemove=Remove",
    "PLMClear=Clear",
    "PLMSave=Save playlist...",
    "PLMRepeat=Repeat",
    "PLMRepeatOff=Off",
    "PLMRepeatOne=One",
    "PLMRepeatAll=All",
    "PLMShuffle=Shuffle",
};
} // namespace

QString EnglishLoc()
{
    QStringList lines;
    for (const char *line : MenuLines)
        lines << QString::fromUtf8(line);
    lines << QString();
    lines << OptionsTextLines([](const OptionsText &row) { return QString::fromUtf8(row.English); });
    lines.removeLast(); // the text ends with the last section's last line
    return lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
}
