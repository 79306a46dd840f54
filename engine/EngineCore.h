#pragma once
// The engine link: runs MPlayer in slave mode for the current playlist entry,
// feeds it commands through the command queue, has its output read into the
// playback state and carries out the named commands of skins, shortcuts and
// the console. Everything it asks of the windows goes through EngineHost; all
// of it runs on the main thread.
#include "engine/CommandQueue.h"
#include "engine/CommandTable.h"
#include "engine/EngineHost.h"
#include "engine/EngineRun.h"
#include "engine/EngineWaits.h"
#include "engine/MPProperty.h"
#include "engine/OutputSink.h"
#include "engine/PlaybackState.h"
#include "engine/mplayer/CommandLineBuilder.h"
#include "engine/mplayer/EngineVersion.h"
#include "engine/mplayer/MPlayerOutputParser.h"
#include "engine/mpv/MpvOutputReader.h"
#include "platform/EngineOptions.h"
#include "platform/EngineWorkFolder.h"

#include <QByteArray>
#include <QObject>

class QTimer;
#include <QString>
#include <array>
#include <deque>
#include <functional>
#include <memory>

struct SettingsData;
class TZorviPlaylist;

class EngineCore : public QObject, public CommandSink, private OutputSink {
    Q_OBJECT
public:
    // The speeds the menu offers and "speed_up"/"speed_down" step through.
    static constexpr std::array<float, 6> SpeedSteps{0.5f, 0.75f, 1.f, 1.25f, 1.5f, 2.f};

    // `runs` makes MPlayer's runs, `mpvRuns` mpv's; by default real processes.
    EngineCore(SettingsData &settings, TZorviPlaylist &playlist, const EngineHost &host,
               const QString &programDir, EngineRunFactory runs = {}, EngineRunFactory mpvRuns = {});
    ~EngineCore() override;

    const PlaybackState &State() const { return m_state; }
    const CommandQueue &Queue() const { return m_queue; }

    // --- launch and process link
    // The font option now, the engine's version later, while no engine plays.
    void PrepareFontOption();
    // Asks the engine's version without blocking; "?" until it answers.
    void QueryEngineVersionAsync();
    void PlayEntry(int index);
    void Launch();
    void Restart();
    void QuitAndWait();
    bool IsRunning() const { return m_process != nullptr; }
    // The engine of the running (or the last) run.
    EngineKind Engine() const { return m_engine; }
    // Where a launch looks for engines left running (by default every
    // "mplayer" process of this user but the running engine).
    void SetPreviousEngineFinder(std::function<QList<qint64>(qint64 exceptPid)> finder);
    qint64 EngineProcessId() const;
    // Handles every line and the end of the current run that are still queued.
    void HandlePendingOutput();

    // --- command queue
    void SendCommand(const QByteArray &text) override;
    void PostCommand(const QByteArray &text) override;
    void PostAbsolute(const QByteArray &text) override;
    // The window's 100 ms timer: ends Seeking once the queue has settled.
    void Tick();

    // Where positions and recent media are kept; until this is called
    // nothing is (tests).
    struct StateFilePaths {
        QString Positions;
        QString Recent;
        bool DesktopRecent = false; // files also go to the desktop's list
    };
    void RememberIn(StateFilePaths paths) { m_stateFiles = std::move(paths); }

    // --- named commands and playback controls
    void ExecuteCommand(const QString &text);
    // Adds a named command (or replaces one of the same name).
    void RegisterCommand(const QString &name, CommandTable::Action action);
    void ToggleMute();
    void SetAspect(int index);
    void SetPostProc(bool on);
    void SetFrameDrop(bool on);
    // A track item of the window's menus: the audio track or subtitle
    // (-1: none) goes to the engine at once.
    void SelectTrack(TrackMenu menu, int value);
    // False (with the reason logged) when the path is refused.
    bool LoadSubtitle(const QString &path);

    // Copies the saved volume and subtitle scale into the properties, and back.
    void LoadPropertySettings();
    void StorePropertySettings();

signals:
    // The status, pause, volume, media, duration or running state changed;
    // the position is not among them (it changes every second).
    void StateChanged();

protected:
    bool event(QEvent *e) override;

private:
    bool Mute() const;
    bool Verbose() const;
    void LogVerbose(const QString &text);
    // Logs now and again after the next launch has cleared the log.
    void KeepNote(const QString &text);
    // True (logged) while the question about a previous engine is open.
    bool RefusedWhileAsking(const QString &what);
    void DrainMessages();
    void RegisterEngineCommands();
    void SetStatus(PlaybackStatus status);
    void FinishSeek();
    float EngineSubtitleNumber(float number) const;

    // Playback controls behind the named commands (Commands.cpp).
    // ended: the current entry played to its end (repeat one plays it again).
    void PlayNext(bool ended = false);
    void PlayPrevious();
    void SetPause(bool paused);
    void FrameStep();
    void StopPlayback();
    void SetSpeed(float speed);
    void StepSpeed(int direction);

    // Positions to resume and recent media (Remember.cpp).
    QByteArray ResumeKey() const;
    void NoteOpened();
    void LookUpResume();
    void ApplyResume();
    void RememberPosition(bool reachedEnd);
    void PlayFromStart();

    // Screenshot.cpp
    void SaveScreenshot();
    void CollectScreenshot();

    // Launch.cpp
    // The engine the settings name now.
    ChosenEngine EngineNow() const;
    void StartRun(const ChosenEngine &engine);
    // The engine's command line for this run; for mpv also the requests that set it up.
    EngineCommandLine RunCommandLine(const ChosenEngine &engine, QByteArray &prologue);
    void SendToMpv(const QByteArray &text);
    void SendRawToMpv(const QString &text);
    bool CheckPreviousEngines();
    void StopEngine();
    void EngineEnded(int exitCode);
    void LaunchFailed(int errorCode);
    bool AwaitRunEnd();
    void KillEngine();
    void QueryVersionWhenIdle();

    // Send rules of the properties.
    bool SeekRule();
    bool VolumeRule();
    bool AudioRule();

    // What the output reports (OutputEvents.cpp).
    void LogLine(const QString &text) override;
    void ShowStatusLine(const QString &text) override;
    void CommandAnswered() override;
    void PlaybackStarted() override;
    void AudioOpened() override;
    void VideoSized() override;
    void NoVideo() override;
    void TrackAdded(TrackMenu menu, int id) override;
    void TrackNamed(TrackMenu menu, int id, const QString &name) override;
    void DiscTitleFound(const TPlItem &title) override;
    void DiscIdentified() override;
    void ProblemFound(EngineProblem problem) override;
    void TagsRead() override;
    void PositionWanted(int ms) override;
    void ShowProblem(EngineProblem problem);

    SettingsData &m_settings;
    TZorviPlaylist &m_playlist;
    EngineHost m_host;
    QString m_programDir;
    PlaybackState m_state;
    CommandQueue m_queue;
    CommandTable m_commands;
    CommandLineBuilder m_commandLine;
    MPlayerOutputParser m_parser;
    MpvOutputReader m_mpvReader;
    OutputReader *m_reader = &m_parser; // the running engine's
    EngineKind m_engine = EngineKind::MPlayer;
    bool m_mpvPaused = false; // mpv was told to pause (it resumes only when told)
    EngineVersion m_version;
    EngineRunFactory m_newRun;
    EngineRunFactory m_newMpvRun;
    QTimer *m_positionTimer; // asks mpv for its position
    std::function<QList<qint64>(qint64 exceptPid)> m_findPreviousEngines;

    // Run control.
    std::unique_ptr<EngineRun> m_process;
    quint64 m_run = 0;
    bool m_stopping = false;    // ended by the program: its end does not advance
    bool m_quitAllowed = false; // "quit" is sent at most once a run
    bool m_newEntry = false;    // the next launch is an entry's first
    bool m_runPlayed = false;   // the run got as far as playing
    float m_resumeAt = 0;       // where the entry launching goes on, 0: the beginning
    StateFilePaths m_stateFiles;
    Platform::EngineWorkFolder m_workFolder;
    // The picture asked of the engine: its name, and until when it is awaited.
    struct PendingShot {
        QString Base;
        qint64 UntilMs = 0;
    } m_shot;
    // Subtitle files named while no engine ran, for the launch of their entry
    // (its path; empty: whichever entry launches next).
    struct PendingSubtitles {
        QByteArray Entry;
        QByteArray Files;
    } m_pendingSubtitles;
    // Log lines the next launch's clearing of the log must not take away.
    QStringList m_keptNotes;
    bool m_asking = false; // the question about a previous engine is open
    bool m_versionWanted = false;
    quint64 m_cutNotedRun = 0; // the run whose over-long output line was noted
    // The first reason the current run's output gave for trouble.
    EngineProblem m_runProblem = EngineProblem::None;
    // The run failed for want of a sound device: it is played again without sound.
    bool m_replaySoundless = false;

    // One output line, or the end of a run, waiting to be handled.
    struct QueuedLine {
        quint64 Run;
        QByteArray Line;
        bool IsEnd;
        int ExitCode;
    };
    std::deque<QueuedLine> m_messages;
    bool m_draining = false;
    enum class PendingLaunch { None, Fresh, Relaunch };
    PendingLaunch m_pendingLaunch = PendingLaunch::None;
};
