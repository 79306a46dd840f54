#include "engine/mpv/MpvCommandLine.h"

#include "common/CommandLine.h"
#include "common/NumberFormat.h"
#include "engine/PlaybackState.h"
#include "platform/EngineOptions.h"
#include "settings/SettingsData.h"

namespace {
QString Flag(bool on)
{
    return on ? QStringLiteral("yes") : QStringLiteral("no");
}
} // namespace

MpvCommandLine MakeMpvCommandLine(const SettingsData &settings, const PlaybackState &state,
                                  const VideoTarget &video, const CommandLineBuilder::MediaNames &media,
                                  const QString &program, const QString &socketPath,
                                  const QString &workFolder)
{
    const OptionsSettings &o = settings.Options;
    const LastSessionSettings &s = settings.LastSession;
    MpvCommandLine out;
    EngineCommandLine &c = out.Command;
    c.Program = program;
    c.Aliases = media.Aliases;
    QStringList &a = c.Arguments;
    // Exits after the one entry, like MPlayer; idle until then so nothing
    // plays before the socket is watched.
    a << QStringLiteral("--no-config") << QStringLiteral("--idle=once") << QStringLiteral("--no-terminal")
      << QStringLiteral("--input-ipc-server=") + socketPath
      << QStringLiteral("--wid=") + QString::number(video.WindowId)
      << QStringLiteral("--input-default-bindings=no") << QStringLiteral("--input-vo-keyboard=no")
      << QStringLiteral("--input-cursor=no") << QStringLiteral("--cursor-autohide=no")
      << QStringLiteral("--load-scripts=no") << QStringLiteral("--osc=no") << QStringLiteral("--ytdl=no")
      << QStringLiteral("--keep-open=no") << QStringLiteral("--force-window=no")
      << QStringLiteral("--audio-display=no") << QStringLiteral("--keepaspect=no");
    a << QStringLiteral("--osd-level=") + QString::number(o.Verbose ? 2 : qBound(0, o.OSDLevel, 3));
    a << QStringLiteral("--volume=") + FormatG(state.VolumeProp.Value)
      << QStringLiteral("--mute=") + Flag(s.Mute);
    const QString videoOut =
        o.VideoOut == 0 ? o.MpvCustomVideoOut : VideoOutOption(o.VideoOut, EngineKind::Mpv);
    a << SplitCommandLine(videoOut);
    if (videoOut.contains(QLatin1String("xv")))
        a << QStringLiteral("--xv-colorkey=") + QString::number(video.ColorKey & 0xFFFFFF);
    if (state.SoundDeviceMissing)
        a << QStringLiteral("--ao=null");
    else
        a << SplitCommandLine(o.AudioOut == 0 ? o.MpvCustomAudioOut
                                              : AudioOutOption(o.AudioOut, EngineKind::Mpv));
    if (state.AudioTrackProp.Value >= 0 && o.AudioOut >= 1)
        a << QStringLiteral("--aid=") + FormatG(state.AudioTrackProp.Value);
    static const char *const aspects[] = {"", "4:3", "16:9", "2.35"};
    if (state.AspectIndex >= 1 && state.AspectIndex <= 3)
        a << QStringLiteral("--video-aspect-override=") + QLatin1String(aspects[state.AspectIndex]);
    a << QStringLiteral("--framedrop=") + (s.FrameDrop ? QStringLiteral("vo") : QStringLiteral("no"));
    if (s.PostProc)
        a << QStringLiteral("--vf-add=lavfi=[pp]");
    if (o.Cache && o.CacheSize >= 1)
        a << QStringLiteral("--cache=yes") << QStringLiteral("--demuxer-max-bytes=%1KiB").arg(o.CacheSize);
    a << QStringLiteral("--hwdec=") +
             (o.HardwareDecoding ? QStringLiteral("auto-safe") : QStringLiteral("no"));
    if (state.Speed != 1)
        a << QStringLiteral("--speed=") + QString::number(state.Speed, 'g', 4);
    a << QStringLiteral("--sub-scale=") + FormatG(state.SubtitleScaleProp.Value / 3.5f);
    if (state.SubtitleDelayProp.Value != 0)
        a << QStringLiteral("--sub-delay=") + FormatG(state.SubtitleDelayProp.Value);
    // Pictures go where MPlayer's go, named as MPlayer names them.
    if (!workFolder.isEmpty())
        a << QStringLiteral("--screenshot-directory=") + workFolder
          << QStringLiteral("--screenshot-format=png") << QStringLiteral("--screenshot-template=shot%04n");
    for (const QString &file : media.Subtitles)
        a << QStringLiteral("--sub-file=") + file;
    c.SubtitleFiles = int(media.Subtitles.size());
    if (media.EntryOptions.size() == 2 && media.EntryOptions.first() == QLatin1String("-dvd-device"))
        a << QStringLiteral("--dvd-device=") + media.EntryOptions.last();
    for (const TAddParams &p : o.AddParams)
        if (p.Enabled && !p.Text.trimmed().isEmpty())
            out.Notes << QStringLiteral("Additional parameters are MPlayer's, left out for mpv: ") + p.Text;
    // Disc titles count from 1 here and in MPlayer, from 0 in mpv.
    for (const QString &name : media.Names) {
        static const QLatin1String disc("dvd://");
        bool number = false;
        const int title = name.startsWith(disc) ? name.mid(disc.size()).toInt(&number) : 0;
        out.Media << (number && title >= 1 ? disc + QString::number(title - 1) : name);
    }
    return out;
}
