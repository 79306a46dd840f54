// Named commands ("seek +10", "volume 50 1", "mute") and the playback controls
// behind them. The window registers its own commands beside these.
#include "engine/EngineCore.h"

#include "common/FileNames.h"
#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <algorithm>
#include <cmath>

void EngineCore::RegisterEngineCommands()
{
    PlaybackState &s = m_state;
    auto prop = [](TMPProperty &p) {
        return [&p](const CommandArgs &a) { p.SetValue(a.Absolute, a.Value); };
    };
    // With a value, that track; without, the next one.
    auto track = [](TMPProperty &p) {
        return [&p](const CommandArgs &a) {
            if (a.HasValue)
                p.SetValue(true, a.Value);
            else
                p.CycleValue();
        };
    };
    const struct {
        const char *name;
        CommandTable::Action action;
    } rows[] = {
        {"volume", prop(s.VolumeProp)},
        {"seek", prop(s.PositionProp)},
        {"play", [this](const CommandArgs &) { SetPause(false); }},
        {"pause", [this](const CommandArgs &) { SetPause(!m_state.Paused); }},
        {"mute", [this](const CommandArgs &) { ToggleMute(); }},
        {"stop", [this](const CommandArgs &) { StopPlayback(); }},
        {"next", [this](const CommandArgs &) { PlayNext(); }},
        {"prev", [this](const CommandArgs &) { PlayPrevious(); }},
        {"switch_audio", track(s.AudioTrackProp)},
        {"sub_select", track(s.SubtitleTrackProp)},
        {"sub_scale", prop(s.SubtitleScaleProp)},
        {"sub_delay", prop(s.SubtitleDelayProp)},
        {"switch_ratio", [this](const CommandArgs &) { SetAspect(m_state.AspectIndex + 1); }},
        {"frame_step", [this](const CommandArgs &) { FrameStep(); }},
        {"frame_drop", [this](const CommandArgs &a) { SetFrameDrop(a.Value > 0); }},
        // The engine's own speed commands are taken here, so the speed shown
        // follows them; the rest step through the speeds of the menu.
        {"speed_set", [this](const CommandArgs &a) { SetSpeed(a.Value); }},
        {"speed_incr", [this](const CommandArgs &a) { SetSpeed(m_state.Speed + a.Value); }},
        {"speed_mult", [this](const CommandArgs &a) { SetSpeed(m_state.Speed * a.Value); }},
        {"speed_up", [this](const CommandArgs &) { StepSpeed(1); }},
        {"speed_down", [this](const CommandArgs &) { StepSpeed(-1); }},
        {"speed_normal", [this](const CommandArgs &) { SetSpeed(1); }},
        {"screenshot_save", [this](const CommandArgs &) { SaveScreenshot(); }},
        {"restart", [this](const CommandArgs &) { PlayFromStart(); }},
        {"verbose",
         [this](const CommandArgs &) {
             bool &verbose = m_settings.Options.Verbose;
             verbose = !verbose;
             SendCommand(verbose ? QByteArray("osd 2")
                                 : "osd " + QByteArray::number(m_settings.Options.OSDLevel));
         }},
    };
    for (const auto &row : rows)
        m_commands.Register(QString::fromLatin1(row.name), row.action);
}

void EngineCore::RegisterCommand(const QString &name, CommandTable::Action action)
{
    m_commands.Register(name, std::move(action));
}

void EngineCore::ExecuteCommand(const QString &text)
{
    if (text.isEmpty() || RefusedWhileAsking(QStringLiteral("The command \"%1\"").arg(text.left(80))))
        return;
    if (text.startsWith(u'&')) {
        SendCommand(text.mid(1).toUtf8());
        return;
    }
    if (text.startsWith(u'@')) {
        PostCommand(text.mid(1).toUtf8());
        return;
    }
    if (text.startsWith(QLatin1String("mpv:"))) {
        SendRawToMpv(text.mid(4));
        return;
    }
    if (m_commands.Run(text))
        return;
    LogVerbose(QStringLiteral("$|Passing command directly to MPlayer"));
    PostCommand(text.toUtf8());
}
// ------------------------------------------------------- playback controls

void EngineCore::SetPause(bool paused)
{
    if (!IsRunning()) {
        if (m_state.MediaURL.isEmpty())
            PlayEntry(m_playlist.CurrentIndex());
        else
            Launch();
        return;
    }
    if (paused == m_state.Paused)
        return;
    m_state.Paused = paused;
    m_host.Display.SetPlayingButtons(!paused);
    if (m_state.Status == PlaybackStatus::Opening) {
        // The engine takes no pause before it plays: the start applies it.
        emit StateChanged();
        return;
    }
    const bool muteOnPause = m_settings.Options.MuteOnPauseSeek;
    if (paused) {
        SetStatus(PlaybackStatus::Paused);
        if (muteOnPause)
            SendCommand("mute 1");
        SendCommand("pause");
        return;
    }
    SetStatus(PlaybackStatus::Playing);
    if (!Mute() && m_state.VolumePending) {
        m_state.VolumeProp.SendNow();
        m_state.VolumePending = false;
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
    m_host.Display.UpdateMuteDisplay(mute);
    if (m_state.Paused)
        return; // resuming applies the mute state
    if (mute) {
        PostCommand("mute 1");
    } else if (m_state.VolumePending) {
        m_state.VolumeProp.SendIfAllowed();
        m_state.VolumePending = false;
    } else {
        PostCommand("mute 0");
    }
}

void EngineCore::FrameStep()
{
    if (!IsRunning())
        return;
    if (m_state.Paused)
        PostCommand("frame_step");
    else
        SetPause(true);
}

void EngineCore::SetAspect(int index)
{
    m_state.AspectIndex = index >= 0 && index < 4 ? index : 0;
    m_host.Tracks.TickMenuValue(TrackMenu::Aspect, m_state.AspectIndex);
    static const float ratios[] = {0.f, 4.f / 3.f, 16.f / 9.f, 2.35f};
    const float ratio = ratios[m_state.AspectIndex];
    PostCommand("switch_ratio " + FormatG(ratio).toLatin1());
}

void EngineCore::SetPostProc(bool on)
{
    m_settings.LastSession.PostProc = on;
    m_host.Tracks.SetMenuToggle(MenuToggle::PostProc, on);
    Restart();
}

void EngineCore::SelectTrack(TrackMenu menu, int value)
{
    TMPProperty &p = menu == TrackMenu::Audio ? m_state.AudioTrackProp : m_state.SubtitleTrackProp;
    p.ApplyValue(true, float(value));
    p.SendNow();
    p.NotifyChange();
}

void EngineCore::SetFrameDrop(bool on)
{
    m_settings.LastSession.FrameDrop = on;
    m_host.Tracks.SetMenuToggle(MenuToggle::FrameDrop, on);
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
        KeepNote(QStringLiteral("Subtitle file refused (line break in its name): ") +
                 QString(path).replace(u'\n', u' ').replace(u'\r', u' '));
        return false;
    }
    if (path.contains(u',')) {
        // "-sub" takes a comma-separated list: such a name would be split.
        KeepNote(QStringLiteral("Subtitle file refused (comma in its name): ") + path);
        return false;
    }
    // The name's exact bytes, which need not be UTF-8.
    const QByteArray option = EncodeFileName(path);
    if (!IsRunning()) {
        // Loaded by the next launch of the entry now current (of the next one
        // launched when none is).
        const int current = m_playlist.CurrentIndex();
        const QByteArray entry = current >= 0 ? m_playlist.Items(current)->Path : QByteArray();
        if (m_pendingSubtitles.Entry != entry)
            m_pendingSubtitles = {entry, {}};
        QByteArray &files = m_pendingSubtitles.Files;
        files = files.isEmpty() ? option : files + ',' + option;
        return true;
    }
    QByteArray &files = m_state.SubtitleFiles;
    files = files.isEmpty() ? option : files + ',' + option;
    m_reader->SubtitleFileGiven();
    m_state.SubtitleTrackProp.Value = m_state.SubtitleTrackProp.Max + 1;
    SendCommand("sub_load " + QuoteForSlave(EncodeFileName(path)));
    return true;
}

void EngineCore::SetSpeed(float speed)
{
    // The engine takes 0.01 to 100; beyond 0.25 to 4 nothing is worth hearing.
    if (!std::isfinite(speed) || speed <= 0)
        return;
    m_state.Speed = std::clamp(std::round(speed * 100) / 100, 0.25f, 4.f);
    if (IsRunning())
        SendCommand("speed_set " + QByteArray::number(m_state.Speed, 'g', 4));
    m_host.Display.UpdateStatusDisplay(m_state.Status);
    emit StateChanged();
}

void EngineCore::StepSpeed(int direction)
{
    const float now = m_state.Speed;
    const auto &steps = SpeedSteps;
    if (direction > 0) {
        const auto next = std::upper_bound(steps.begin(), steps.end(), now + 0.001f);
        SetSpeed(next == steps.end() ? steps.back() : *next);
    } else {
        const auto next = std::lower_bound(steps.begin(), steps.end(), now - 0.001f);
        SetSpeed(next == steps.begin() ? steps.front() : *(next - 1));
    }
}

void EngineCore::StopPlayback()
{
    if (!IsRunning())
        m_state.PositionProp.SetValue(true, 0);
    else
        StopEngine();
}
