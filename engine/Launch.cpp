// Engine launch and process link: starting and ending runs, and the
// end-of-run handling that moves on through the playlist.
#include "engine/EngineCore.h"

#include "engine/mplayer/EngineProcess.h"
#include "engine/mpv/MpvCommandLine.h"
#include "engine/mpv/MpvCommands.h"
#include "platform/EngineOptions.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <QScopedValueRollback>
#include <QTimer>

#include <cerrno>

namespace {
bool Never()
{
    return false;
}
} // namespace

// ------------------------------------------------------------------ version

void EngineCore::QueryEngineVersionAsync()
{
    m_version.Start(EngineNow().Program,
                    [this](const QString &version) { m_state.MPlayerVersion = version; });
}

void EngineCore::QueryVersionWhenIdle()
{
    if (!m_versionWanted || IsRunning())
        return;
    m_versionWanted = false;
    QueryEngineVersionAsync();
}

void EngineCore::PrepareFontOption()
{
    m_commandLine.PrepareFontOption();
    // Asked while no engine plays (a second engine process would compete with
    // the first launch and cost the program a fork during playback).
    m_versionWanted = true;
    QTimer::singleShot(EngineWaits::VersionQueryDelayMs, this, [this] { QueryVersionWhenIdle(); });
}

// ------------------------------------------------------------------ playing

bool EngineCore::RefusedWhileAsking(const QString &what)
{
    if (!m_asking)
        return false;
    // The question runs an event loop: a bus client's call arrives inside it
    // and must not start a second engine beside the one being decided on.
    m_host.Log.AddLine(what + QStringLiteral(" refused: the question about a previous engine is open"));
    return true;
}

void EngineCore::PlayEntry(int index)
{
    if (RefusedWhileAsking(QStringLiteral("Playing an entry")))
        return;
    PlaybackState &s = m_state;
    if (m_playlist.Count() > 0) {
        if (index < 0 || index >= m_playlist.Count())
            index = 0;
        m_playlist.SetCurrent(index);
        if (!m_host.Window.IsPlaylistDragging())
            m_host.Window.CenterItem(index);
        const TPlItem *item = m_playlist.Items(index);
        s.OpenMode = item->Kind;
        s.MediaURL = item->Path;
        s.DisplayName = item->Title;
        s.PositionProp.Max = item->Length;
    } else {
        s.OpenMode = EntryKind::None;
        s.MediaURL.clear();
        s.DisplayName = QStringLiteral("Zorvi");
        s.PositionProp.Max = 0;
    }
    s.DiscRun = false;
    if (IsRunning()) {
        QuitAndWait();
        if (!AwaitRunEnd()) {
            // The old run's end is still being handled further up: launch right after it.
            m_pendingLaunch = PendingLaunch::Fresh;
            return;
        }
    }
    s.FirstOpen = true;
    m_newEntry = true;
    Launch();
}

void EngineCore::PlayNext(bool ended)
{
    // The playlist's order decides (repeat, shuffle); -1: nothing follows.
    const int next = m_playlist.NextIndex(ended);
    if (next >= 0)
        PlayEntry(next);
}

void EngineCore::PlayPrevious()
{
    const int previous = m_playlist.PreviousIndex();
    if (previous >= 0)
        PlayEntry(previous);
}

void EngineCore::Launch()
{
    if (IsRunning() || RefusedWhileAsking(QStringLiteral("A launch")))
        return;
    PlaybackState &s = m_state;
    m_host.Log.ClearLog();
    for (const QString &note : std::exchange(m_keptNotes, {}))
        m_host.Log.AddLine(note);
    // Subtitle files named while no engine ran belong to the entry then current.
    const bool ownSubtitles = !m_pendingSubtitles.Files.isEmpty() &&
                              (m_pendingSubtitles.Entry.isEmpty() || m_pendingSubtitles.Entry == s.MediaURL);
    if (ownSubtitles)
        s.FirstOpen = true; // the engine lists them, with the media's own, as on a first open
    s.HasVideo = true;
    s.VideoWidth = s.VideoHeight = 0;
    s.VideoAspect = 0;
    m_stopping = false;
    m_quitAllowed = true;
    m_queue.Reset();
    s.PositionProp.CanSend = Never;

    if (s.OpenMode == EntryKind::DVD)
        s.FirstOpen = true;
    // Another engine numbers the tracks its own way: the entry is identified
    // anew, and goes on where it was with the subtitle files it had.
    const ChosenEngine engine = EngineNow();
    struct {
        float Position;
        QByteArray Subtitles;
    } kept{s.PositionProp.Value, s.SubtitleFiles};
    const bool otherEngine = !s.FirstOpen && m_run > 0 && engine.Kind != m_engine;
    if (otherEngine)
        s.FirstOpen = true;
    if (s.FirstOpen) {
        s.Paused = false;
        s.AudioTrackProp.Value = s.AudioTrackProp.Min = s.AudioTrackProp.Max = -1;
        s.SubtitleTrackProp.Value = 0;
        s.SubtitleTrackProp.Max = -1;
        s.AudioTrackIds.clear();
        s.SubtitleTrackIds.clear();
        m_host.Tracks.ClearTracks();
        s.SubtitleFileBase = -1;
        s.SubtitleFiles.clear();
        s.SubtitleDelayProp.Value = 0;
        s.PositionProp.Value = 0;
        s.Tags = MediaTags();
        if (s.OpenMode != EntryKind::DVDTitle)
            s.PositionProp.Max = 0;
    }

    if (otherEngine) {
        s.PositionProp.Value = kept.Position;
        s.SubtitleFiles = kept.Subtitles;
    }
    if (ownSubtitles) {
        const QByteArray &files = std::exchange(m_pendingSubtitles, {}).Files;
        s.SubtitleFiles = s.SubtitleFiles.isEmpty() ? files : s.SubtitleFiles + ',' + files;
    }
    if (s.OpenMode == EntryKind::DVD) {
        // The drive entry alone: its titles are inserted before it as they are found.
        const int current = m_playlist.CurrentIndex();
        if (current >= 0) {
            const TPlItem drive = *m_playlist.Items(current);
            m_playlist.Clear();
            m_playlist.AddItem(drive);
            m_playlist.SetCurrent(0);
        }
    }
    m_host.Display.PrepareMediaDisplay(s.FirstOpen, s.OpenMode, s.DisplayName);
    emit StateChanged();

    m_runPlayed = false;
    const bool newEntry = std::exchange(m_newEntry, false) && !s.MediaURL.isEmpty();
    if (newEntry)
        LookUpResume();
    if (s.MediaURL.isEmpty())
        return;
    if (m_settings.Options.SingleInstance && Verbose() && m_engine == EngineKind::MPlayer &&
        CheckPreviousEngines())
        return;

    SetStatus(PlaybackStatus::Opening);
    m_host.Display.SetPlayingButtons(true);
    StartRun(engine);
    // Written while the engine opens the media (the writes wait for the disk).
    if (newEntry && IsRunning())
        NoteOpened();
}

EngineCommandLine EngineCore::RunCommandLine(const ChosenEngine &engine, QByteArray &prologue)
{
    const PlaybackState &s = m_state;
    const VideoTarget video{m_host.Video.VideoWindowId(), m_host.Video.VideoColorKey()};
    if (engine.Kind == EngineKind::MPlayer)
        return m_commandLine.CommandLine(s, video);
    const CommandLineBuilder::MediaNames media = m_commandLine.Media(s);
    if (!media.Refusal.isEmpty())
        return {{}, {}, media.Refusal, {}};
    // The control socket sits in the private working folder: nobody else may drive the engine.
    const QString folder = m_workFolder.Path();
    if (folder.isEmpty())
        return {{}, {}, QStringLiteral("Not played: no private folder for mpv's control socket"), {}};
    MpvCommandLine mpv = MakeMpvCommandLine(m_settings, s, video, media, engine.Program,
                                            folder + QStringLiteral("/mpv.sock"), folder);
    for (const QString &note : mpv.Notes)
        m_host.Log.AddLine(note);
    prologue = MpvCommands::Prologue(mpv.Media, Verbose() ? QStringLiteral("v") : QStringLiteral("info"));
    return mpv.Command;
}

ChosenEngine EngineCore::EngineNow() const
{
    const OptionsSettings &o = m_settings.Options;
    return ChooseEngine(o.Engine, o.MPlayerPath, o.MpvPath, m_programDir);
}

void EngineCore::StartRun(const ChosenEngine &engine)
{
    const PlaybackState &s = m_state;
    if (!engine.Problem.isEmpty()) {
        m_host.Log.AddLine(engine.Problem);
        EngineEnded(0);
        return;
    }
    m_engine = engine.Kind;
    m_reader = m_engine == EngineKind::Mpv ? static_cast<OutputReader *>(&m_mpvReader) : &m_parser;
    m_mpvPaused = false;
    m_host.Video.PrepareVideo();
    QByteArray prologue;
    const EngineCommandLine command = RunCommandLine(engine, prologue);
    if (!command.Refusal.isEmpty()) {
        // Ends like an engine that cannot start: status Error, no advance.
        m_host.Log.AddLine(command.Refusal);
        EngineEnded(0);
        return;
    }
    m_host.Log.AddLine(m_engine == EngineKind::Mpv ? QStringLiteral("mpv command line:")
                                                   : QStringLiteral("Mplayer command line:"));
    m_host.Log.AddLine(command.Text());
    m_host.Log.AddLine(QString());
    for (const QString &alias : command.Aliases)
        m_host.Log.AddLine(alias);
    m_reader->BeginRun(s.OpenMode == EntryKind::DVD ? s.MediaURL : QByteArray(), command.SubtitleFiles);
    m_runProblem = EngineProblem::None;

    // The engine has no priority option here: the program and the engine get
    // the priority the setting asks for.
    const bool boost = m_settings.Options.PriorityBoost;
    if (!SetProcessPriority(0, boost) && boost)
        m_host.Log.AddLine(PriorityBoostRefused);
    std::unique_ptr<EngineRun> run = (m_engine == EngineKind::Mpv ? m_newMpvRun : m_newRun)(++m_run, this);
    int errorCode = 0;
    // The engine writes its pictures into its working folder: a private one.
    const QString workFolder = m_workFolder.Path();
    if (!run->Start(command.Program, command.Arguments, workFolder.isEmpty() ? m_programDir : workFolder,
                    errorCode)) {
        LaunchFailed(errorCode);
        return;
    }
    m_process = std::move(run);
    if (!prologue.isEmpty())
        m_process->Write(prologue);
    SetProcessPriority(m_process->ProcessId(), boost);
}

void EngineCore::LaunchFailed(int errorCode)
{
    const bool mpv = m_engine == EngineKind::Mpv;
    m_host.Log.AddLine(QStringLiteral("Error %1 while starting %2:")
                           .arg(errorCode)
                           .arg(mpv ? QStringLiteral("mpv") : QStringLiteral("MPlayer")));
    m_host.Log.AddLine(SystemErrorText(errorCode).left(1023));
    if (errorCode == ENOENT)
        m_host.Log.AddLine(
            mpv ? QStringLiteral("Please check if mpv is installed and MpvPath names it.")
                : QStringLiteral("Please check if mplayer is installed and MPlayerPath names it."));
    EngineEnded(0);
}

void EngineCore::EngineEnded(int exitCode)
{
    PlaybackState &s = m_state;
    m_process.reset();
    s.ExitCode = exitCode;
    s.FirstOpen = false;
    LogVerbose(QStringLiteral("exitcode : %1").arg(s.ExitCode));
    const bool error = s.Status == PlaybackStatus::Opening || s.ExitCode != 0;
    const bool advance = !m_stopping && !error;
    SetStatus(error ? PlaybackStatus::Error : PlaybackStatus::Stopped);
    s.PositionProp.CanSend = Never;
    if (m_runPlayed && !error)
        RememberPosition(advance);
    if (s.PositionProp.Value >= s.PositionProp.Max)
        s.PositionProp.SetValue(true, 0);
    m_host.Video.HideVideo();
    if (error && !m_stopping)
        ShowProblem(m_runProblem == EngineProblem::None ? EngineProblem::Failed : m_runProblem);
    const bool replay = error && !m_stopping && std::exchange(m_replaySoundless, false) &&
                        m_pendingLaunch == PendingLaunch::None;
    m_replaySoundless = false;
    m_stopping = false;
    if (replay) {
        // Sound alone and no device for it: the same entry again, without sound.
        s.FirstOpen = true;
        Launch();
        m_runProblem = EngineProblem::NoSoundDevice;
        return;
    }

    const PendingLaunch pending = m_pendingLaunch;
    m_pendingLaunch = PendingLaunch::None;
    if (pending != PendingLaunch::None) {
        s.FirstOpen = pending == PendingLaunch::Fresh;
        m_newEntry = s.FirstOpen;
        Launch();
        return;
    }
    // A title's run ends where the title does; the disc's run goes on to the next title.
    if (advance && (s.OpenMode != EntryKind::DVDTitle || s.DiscRun))
        PlayNext(true);
    if (m_versionWanted)
        QTimer::singleShot(0, this, [this] { QueryVersionWhenIdle(); });
}

void EngineCore::KillEngine()
{
    if (!m_process)
        return;
    m_process->Kill();
    m_process->WaitForEnd(EngineWaits::ReapMs);
}

void EngineCore::QuitAndWait()
{
    if (!IsRunning())
        return;
    m_stopping = true;
    if (m_quitAllowed) {
        SendCommand("quit");
        m_quitAllowed = false;
        if (m_process->WaitForEnd(EngineWaits::QuitGraceMs))
            return;
    }
    KillEngine();
}

bool EngineCore::AwaitRunEnd()
{
    if (m_process && !m_process->HasEnded())
        KillEngine();
    HandlePendingOutput();
    return !IsRunning();
}

void EngineCore::StopEngine()
{
    if (RefusedWhileAsking(QStringLiteral("Stopping")))
        return;
    SetStatus(PlaybackStatus::Closing);
    m_stopping = true;
    m_state.Paused = false;
    if (m_quitAllowed) {
        SendCommand("quit");
        m_quitAllowed = false;
    } else if (m_process) {
        m_process->Kill();
    }
}

void EngineCore::Restart()
{
    if (!IsRunning() || RefusedWhileAsking(QStringLiteral("A restart")))
        return;
    QuitAndWait();
    if (!AwaitRunEnd()) {
        m_pendingLaunch = PendingLaunch::Relaunch;
        return;
    }
    Launch();
}

bool EngineCore::CheckPreviousEngines()
{
    const QScopedValueRollback asking(m_asking, true);
    for (qint64 pid : m_findPreviousEngines(EngineProcessId())) {
        switch (m_host.Window.AskKillPreviousEngine(QStringLiteral("mplayer instance detected"),
                                                    QStringLiteral("kill previous mplayer instance?"))) {
        case KillAnswer::Yes:
            KillProcess(pid);
            break;
        case KillAnswer::No:
            return false;
        case KillAnswer::Cancel:
            return true;
        }
    }
    return false;
}
