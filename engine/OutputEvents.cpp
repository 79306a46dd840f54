// What the engine's output reports, carried out on the windows, the command
// queue and the playlist.
#include "engine/EngineCore.h"

#include "common/Clock.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <QTimer>

void EngineCore::LogLine(const QString &text)
{
    m_host.Log.AddLine(text);
}

void EngineCore::ShowStatusLine(const QString &text)
{
    m_host.Log.SetStatusLine(text);
}

void EngineCore::CommandAnswered()
{
    m_queue.Acknowledge(Clock::NowMs());
}

void EngineCore::VideoSized()
{
    m_settings.LastSession.WinRatio = m_state.VideoAspect;
    if (m_state.FirstOpen && m_settings.Options.ResizeOnOpen)
        m_host.Video.SetSizeMode(0, true);
    else
        m_host.Video.ApplyWindowSize();
    m_host.Video.LayoutVideo();
    m_host.Video.RevealVideo();
}

void EngineCore::NoVideo()
{
    m_host.Video.WithdrawVideo();
}

void EngineCore::PlaybackStarted()
{
    PlaybackState &s = m_state;
    s.PositionProp.CanSend = [this] { return SeekRule(); };
    SetStatus(PlaybackStatus::Playing);
    if (s.Paused) {
        // Paused before a relaunch: pause the new run too.
        s.Paused = false;
        SetPause(true);
    }
    s.SubtitleTrackProp.ApplyValue(true, s.SubtitleTrackProp.Value);
    s.SubtitleTrackProp.SendNow();
    s.SubtitleTrackProp.NotifyChange();
    s.AudioTrackProp.ApplyValue(true, s.AudioTrackProp.Value);
    s.AudioTrackProp.NotifyChange();
    m_runPlayed = true;
    ApplyResume();
    if (s.PositionProp.Value > 0)
        s.PositionProp.SendIfAllowed();
    SendCommand("seek");
    // The entry's length as the engine measured it, for the playlist to show.
    const int current = m_playlist.CurrentIndex();
    if (current >= 0 && s.PositionProp.Max > 0 && s.OpenMode != EntryKind::DVDTitle) {
        TPlItem *item = m_playlist.Items(current);
        if (item->Path == s.MediaURL && item->Length != s.PositionProp.Max) {
            item->Length = s.PositionProp.Max;
            m_playlist.Changed();
        }
    }
    m_host.Display.MediaOpened();
    // A reason that ended an earlier run is gone; what this one leaves out shows.
    ShowProblem(EndsPlayback(m_runProblem) ? EngineProblem::None : m_runProblem);
}

void EngineCore::ProblemFound(EngineProblem problem)
{
    PlaybackState &s = m_state;
    if (problem == EngineProblem::NoSoundDevice && !s.SoundDeviceMissing) {
        // Every later run goes without sound; this one, if it cannot play
        // without its sound, is played again so.
        s.SoundDeviceMissing = true;
        m_replaySoundless = true;
        KeepNote(QStringLiteral("No sound device could be opened: playing without sound from now on."));
    }
    if (m_runProblem != EngineProblem::None)
        return;
    m_runProblem = problem;
    if (s.Status != PlaybackStatus::Opening && !EndsPlayback(problem))
        ShowProblem(problem);
}

void EngineCore::ShowProblem(EngineProblem problem)
{
    if (m_state.Problem == problem)
        return;
    m_state.Problem = problem;
    m_host.Display.UpdateMediaNotes();
}

void EngineCore::TagsRead()
{
    m_host.Display.UpdateMediaNotes();
    emit StateChanged();
}

void EngineCore::PositionWanted(int ms)
{
    m_positionTimer->start(ms);
}

void EngineCore::AudioOpened()
{
    m_state.VolumeProp.SendNow();
    if (Mute() || m_state.Paused) {
        SendCommand("mute 0");
        SendCommand("mute 1");
    }
}

void EngineCore::TrackAdded(TrackMenu menu, int id)
{
    if (menu == TrackMenu::Audio)
        m_host.Tracks.AddAudioTrack(id);
    else
        m_host.Tracks.AddSubtitleTrack(id);
}

void EngineCore::TrackNamed(TrackMenu menu, int id, const QString &name)
{
    if (menu == TrackMenu::Audio)
        m_host.Tracks.NameAudioTrack(id, name);
    else
        m_host.Tracks.NameSubtitleTrack(id, name);
}

float EngineCore::EngineSubtitleNumber(float number) const
{
    // The menu lists the media's own subtitle streams first and the files
    // after them; the engine numbers the files first (whether given with
    // "-sub" or loaded later) and the streams after them.
    const int base = m_state.SubtitleFileBase;
    if (number < 0 || base < 0)
        return number;
    const float files = m_state.SubtitleTrackProp.Max + 1 - float(base);
    return number >= float(base) ? number - float(base) : number + files;
}

namespace {
int DriveEntryIndex(TZorviPlaylist &playlist)
{
    for (int i = 0; i < playlist.Count(); ++i)
        if (playlist.Items(i)->Kind == EntryKind::DVD)
            return i;
    return -1;
}
} // namespace

void EngineCore::DiscTitleFound(const TPlItem &title)
{
    // Titles go before the drive entry, in the order found.
    const int drive = DriveEntryIndex(m_playlist);
    m_playlist.InsertItem(drive >= 0 ? drive : m_playlist.Count(), title);
}

void EngineCore::DiscIdentified()
{
    PlaybackState &s = m_state;
    const int drive = DriveEntryIndex(m_playlist);
    if (drive >= 0)
        m_playlist.Delete(drive);
    if (m_playlist.Count() > 0)
        m_playlist.SetCurrent(0);
    if (drive >= 0 && m_playlist.Count() > 0 && m_playlist.Items(0)->Kind == EntryKind::DVDTitle) {
        // The engine goes on with the disc's first title: from here the run
        // plays that title (its streams come from the title lines that follow,
        // and a relaunch replays the title instead of identifying the disc
        // again), but it is still the disc's run, whose end moves on.
        const TPlItem *title = m_playlist.Items(0);
        s.OpenMode = EntryKind::DVDTitle;
        s.DiscRun = true;
        s.MediaURL = title->Path;
        s.DisplayName = title->Title;
        s.PositionProp.Max = title->Length;
    }
    m_host.Display.ShowMediaTitle(s.DisplayName);
    m_host.Display.UpdateDuration();
    emit StateChanged();
}

// ------------------------------------------------------------------ status

void EngineCore::SetStatus(PlaybackStatus status)
{
    m_state.Status = status;
    m_host.Display.UpdateStatusDisplay(status);
    emit StateChanged();
}

void EngineCore::FinishSeek()
{
    SetStatus(m_state.Paused ? PlaybackStatus::Paused : PlaybackStatus::Playing);
    if (m_settings.Options.MuteOnPauseSeek && !Mute() && !m_state.Paused)
        SendCommand("mute 0");
    // The position shown is the seek's target until the engine's next line.
    if (m_process)
        m_process->ReadAtOnce();
    if (m_engine == EngineKind::Mpv)
        PositionWanted(0);
}

void EngineCore::Tick()
{
    if (m_state.Status == PlaybackStatus::Seeking && Clock::NowMs() > m_queue.SeekEndTime())
        FinishSeek();
}
