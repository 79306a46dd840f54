// Named commands ("seek +10", "volume 50 1", "fullscreen" ...) and the
// playback controls behind them.
#include "engine/EngineCore.h"

#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <cmath>

namespace {
// name [value [flag]]: a missing or non-numeric value counts as 0 and as no
// value; the change is absolute when the flag is an integer above 0.
struct CommandArgs {
    float Value = 0;
    bool HasValue = false;
    bool Absolute = false;
};
} // namespace

struct CommandTable {
    using Action = void (*)(EngineCore &core, const CommandArgs &args);
    struct Row {
        const char *Name;
        Action Run;
    };

    static void Prop(TMPProperty &p, const CommandArgs &a) { p.SetValue(a.Absolute, a.Value); }
    static void Track(TMPProperty &p, const CommandArgs &a)
    {
        if (a.HasValue)
            p.SetValue(true, a.Value);
        else
            p.CycleValue();
    }

    static constexpr Row Rows[] = {
        {"volume", [](EngineCore &c, const CommandArgs &a) { Prop(c.VolumeProp, a); }},
        {"seek", [](EngineCore &c, const CommandArgs &a) { Prop(c.PositionProp, a); }},
        {"popup", [](EngineCore &c, const CommandArgs &) { c.m_host.ShowPopupMenu(); }},
        {"play", [](EngineCore &c, const CommandArgs &) { c.SetPause(false); }},
        {"pause", [](EngineCore &c, const CommandArgs &) { c.SetPause(!c.Paused); }},
        {"fullscreen",
         [](EngineCore &c, const CommandArgs &) { c.m_host.SetFullscreen(!c.m_host.IsFullscreen()); }},
        {"mute", [](EngineCore &c, const CommandArgs &) { c.ToggleMute(); }},
        {"stop", [](EngineCore &c, const CommandArgs &) { c.StopPlayback(); }},
        {"next", [](EngineCore &c, const CommandArgs &) { c.PlayNext(); }},
        {"prev", [](EngineCore &c, const CommandArgs &) { c.PlayPrevious(); }},
        {"toggle_controls", [](EngineCore &c, const CommandArgs &) { c.m_host.ToggleControls(); }},
        {"ontop", [](EngineCore &c, const CommandArgs &) { c.m_host.SetOnTop(!c.m_host.IsOnTop()); }},
        {"minimize", [](EngineCore &c, const CommandArgs &) { c.m_host.Minimize(); }},
        {"mainquit", [](EngineCore &c, const CommandArgs &) { c.m_host.Quit(); }},
        {"switch_audio", [](EngineCore &c, const CommandArgs &a) { Track(c.AudioTrackProp, a); }},
        {"sub_select", [](EngineCore &c, const CommandArgs &a) { Track(c.SubtitleTrackProp, a); }},
        {"sub_scale", [](EngineCore &c, const CommandArgs &a) { Prop(c.SubtitleScaleProp, a); }},
        {"sub_delay", [](EngineCore &c, const CommandArgs &a) { Prop(c.SubtitleDelayProp, a); }},
        {"switch_ratio", [](EngineCore &c, const CommandArgs &) { c.SetAspect(c.AspectIndex + 1); }},
        {"frame_step", [](EngineCore &c, const CommandArgs &) { c.FrameStep(); }},
        {"frame_drop", [](EngineCore &c, const CommandArgs &a) { c.SetFrameDrop(a.Value > 0); }},
        {"winsize",
         [](EngineCore &c, const CommandArgs &a) {
             // nearbyint rounds ties to even in the default rounding mode.
             c.m_host.SetSizeMode(int(std::nearbyint(a.Value)), a.Absolute);
         }},
        {"wincenter", [](EngineCore &c, const CommandArgs &) { c.m_host.SetCenter(true, true); }},
        {"playlist",
         [](EngineCore &c, const CommandArgs &) { c.m_host.ShowPlaylist(!c.m_host.IsPlaylistVisible()); }},
        {"options", [](EngineCore &c, const CommandArgs &) { c.m_host.ShowOptions(); }},
        {"showlog", [](EngineCore &c, const CommandArgs &) { c.m_host.ShowLog(); }},
        {"savelocal",
         [](EngineCore &c, const CommandArgs &) { c.m_host.SaveLanguage(QStringLiteral("current.lng")); }},
        {"verbose",
         [](EngineCore &c, const CommandArgs &) {
             bool &verbose = c.m_settings.Options.Verbose;
             verbose = !verbose;
             c.SendCommand(verbose ? QByteArray("osd 2")
                                   : "osd " + QByteArray::number(c.m_settings.Options.OSDLevel));
         }},
        {"devtest", [](EngineCore &c, const CommandArgs &) { c.m_host.SetTranslatorMode(true); }},
    };
};

void EngineCore::ExecuteCommand(const QString &text)
{
    if (text.isEmpty())
        return;
    if (text.startsWith(u'&')) {
        SendCommand(text.mid(1).toUtf8());
        return;
    }
    if (text.startsWith(u'@')) {
        PostCommand(text.mid(1).toUtf8());
        return;
    }
    const qsizetype first = text.indexOf(u' ');
    const QString name = first < 0 ? text : text.left(first);
    CommandArgs args;
    if (first >= 0) {
        const qsizetype second = text.indexOf(u' ', first + 1);
        const QString value = second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1);
        if (const auto v = ParseFloat(value); v && std::isfinite(*v)) {
            args.Value = float(*v);
            args.HasValue = true;
        }
        if (second >= 0) {
            const auto flag = ParseInt(text.mid(second + 1));
            args.Absolute = flag && *flag > 0;
        }
    }
    for (const CommandTable::Row &row : CommandTable::Rows) {
        if (name == QLatin1StringView(row.Name)) {
            row.Run(*this, args);
            return;
        }
    }
    LogVerbose(QStringLiteral("$|Passing command directly to MPlayer"));
    PostCommand(text.toUtf8());
}

// ------------------------------------------------------- playback controls

void EngineCore::SetPause(bool paused)
{
    if (!IsRunning()) {
        if (MediaURL.isEmpty())
            PlayEntry(m_playlist.CurrentIndex());
        else
            Launch();
        return;
    }
    if (paused == Paused || Status == PlaybackStatus::Opening)
        return;
    Paused = paused;
    m_host.SetPlayingButtons(!paused);
    const bool muteOnPause = m_settings.Options.MuteOnPauseSeek;
    if (paused) {
        SetStatus(PlaybackStatus::Paused);
        if (muteOnPause)
            SendCommand("mute 1");
        SendCommand("pause");
        return;
    }
    SetStatus(PlaybackStatus::Playing);
    if (!Mute() && VolumePending) {
        VolumeProp.SendNow();
        VolumePending = false;
    } else if (muteOnPause) {
        SendCommand(Mute() ? "mute 1" : "mute 0");
    } else {
        SendCommand("pause");
    }
}

void EngineCore::ToggleMute()
{
    bool &mute = m_settings.LastSession.Mute;
    mute = !mute;
    m_host.UpdateMuteDisplay(mute);
    if (Paused)
        return; // resuming applies the mute state
    if (mute) {
        PostCommand("mute 1");
    } else if (VolumePending) {
        VolumeProp.SendIfAllowed();
        VolumePending = false;
    } else {
        PostCommand("mute 0");
    }
}

void EngineCore::FrameStep()
{
    if (!IsRunning())
        return;
    if (Paused)
        PostCommand("frame_step");
    else
        SetPause(true);
}

void EngineCore::SetAspect(int index)
{
    AspectIndex = index >= 0 && index < 4 ? index : 0;
    m_host.TickMenuValue(TrackMenu::Aspect, AspectIndex);
    static const float ratios[] = {0.f, 4.f / 3.f, 16.f / 9.f, 2.35f};
    const float ratio = ratios[AspectIndex];
    PostCommand("switch_ratio " + FormatG(ratio).toLatin1());
}

void EngineCore::SetPostProc(bool on)
{
    m_settings.LastSession.PostProc = on;
    m_host.SetMenuToggle(MenuToggle::PostProc, on);
    Restart();
}

void EngineCore::SetFrameDrop(bool on)
{
    m_settings.LastSession.FrameDrop = on;
    m_host.SetMenuToggle(MenuToggle::FrameDrop, on);
    PostCommand(on ? "frame_drop 1" : "frame_drop 0");
}

namespace {
// The engine's command parser reads a quoted argument with backslash escapes.
QByteArray QuoteForSlave(const QByteArray &path)
{
    QByteArray out = "\"";
    for (char c : path) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}
} // namespace

bool EngineCore::LoadSubtitle(const QString &path)
{
    if (path.contains(u'\n') || path.contains(u'\r')) {
        m_host.AddLine(QStringLiteral("Subtitle file refused (line break in its name): ") +
                       QString(path).replace(u'\n', u' ').replace(u'\r', u' '));
        return false;
    }
    if (path.contains(u',')) {
        // "-sub" takes a comma-separated list: such a name would be split.
        m_host.AddLine(QStringLiteral("Subtitle file refused (comma in its name): ") + path);
        return false;
    }
    const QByteArray option = QuoteIfSpaces(path).toUtf8();
    QByteArray &files = IsRunning() ? SubtitleFiles : PendingSubtitles;
    files = files.isEmpty() ? option : files + ',' + option;
    if (!IsRunning())
        return true; // loaded by the next launch
    SubtitleTrackProp.Value = SubtitleTrackProp.Max + 1;
    SendCommand("sub_load " + QuoteForSlave(path.toUtf8()));
    return true;
}

void EngineCore::StopPlayback()
{
    if (!IsRunning())
        PositionProp.SetValue(true, 0);
    else
        StopEngine();
}
