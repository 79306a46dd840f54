#pragma once
// The engine link: runs MPlayer in slave mode for the current playlist entry,
// feeds it commands through a queue that keeps one command in flight, turns its
// output into playback state and interprets the named commands of skins,
// shortcuts and the console. Everything it asks of the windows goes through
// IEngineHost; all of it runs on the main thread.
#include "engine/EngineHost.h"
#include "engine/MPProperty.h"
#include "engine/PlaybackStatus.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>

struct SettingsData;
class TZorviPlaylist;
class EngineProcess;

class EngineCore : public QObject, public CommandSink {
    Q_OBJECT
public:
    static constexpr std::uint64_t NeverMs = UINT64_MAX;
    static constexpr int VersionQueryDelayMs = 2500;

    EngineCore(SettingsData &settings, TZorviPlaylist &playlist, IEngineHost &host,
               const QString &programDir);
    ~EngineCore() override;

    // --- launch and process link
    void PrepareFontOption();
    // Version from the engine's banner ("MPlayer <version> (C) ..."), "?" when unknown.
    static QString QueryEngineVersion(const QString &path, int timeoutMs = 3000);
    static QString ParseEngineVersion(const QByteArray &output);
    // Runs the version query without blocking; MPlayerVersion is "?" until it answers.
    void QueryEngineVersionAsync();
    void PlayEntry(int index);
    void PlayNext();
    void PlayPrevious();
    void Launch();
    QString BuildEngineOptions();
    // The full command line text as logged: executable, options, media.
    QString BuildCommandLine();
    QString EnginePath() const;
    void Restart();
    void QuitAndWait();
    void StopEngine();
    bool IsRunning() const { return m_process != nullptr || m_simulatedRun; }
    bool CheckPreviousEngines();
    // Where CheckPreviousEngines looks for engines left running: every
    // "mplayer" process of this user (the running engine excepted). Tests
    // narrow it to processes of their own.
    std::function<QList<qint64>(qint64 exceptPid)> FindPreviousEngines;

    // --- command queue
    void SendCommand(const QByteArray &text) override;
    void PostCommand(const QByteArray &text) override;
    void AcknowledgeCommand();

    // --- output parsing
    void ProcessLine(const QByteArray &line);
    void SetStatus(PlaybackStatus status);
    void FinishSeek();
    // The window's 100 ms timer: ends Seeking once SeekEndTime has passed.
    void Tick();

    // --- named commands and playback controls
    void ExecuteCommand(const QString &text);
    void SetPause(bool paused);
    void ToggleMute();
    void FrameStep();
    void SetAspect(int index);
    void SetPostProc(bool on);
    void SetFrameDrop(bool on);
    // False (with the reason logged) when the path is refused.
    bool LoadSubtitle(const QString &path);
    void StopPlayback();

    // Copies the saved volume and subtitle scale into the properties, and back.
    void LoadPropertySettings();
    void StorePropertySettings();

    // --- state (read by the window and the tests)
    PlaybackStatus Status = PlaybackStatus::None;
    int ExitCode = 0;
    EntryKind OpenMode = EntryKind::None;
    QByteArray MediaURL;
    QString DisplayName = QStringLiteral("Zorvi");
    bool FirstOpen = true;
    QByteArray SubtitleFiles;
    // Subtitle files named while no engine ran; the next launch loads them.
    QByteArray PendingSubtitles;
    bool Stopping = false;
    bool QuitAllowed = false;
    QString FontOption;
    QString MPlayerVersion = QStringLiteral("?");
    int AspectIndex = 0;
    bool Paused = false;
    bool VolumePending = false;
    // Our number of the first subtitle file in the menu, -1 when none.
    int SubtitleFileBase = -1;
    bool HasVideo = true;
    int VideoWidth = 0;
    int VideoHeight = 0;
    float VideoAspect = 0;

    QByteArrayList CommandQueue;
    bool QueueIdle = true;
    std::uint64_t SeekEndTime = 0;

    TMPProperty VolumeProp;
    TMPProperty PositionProp;
    TMPProperty AudioTrackProp;
    TMPProperty SubtitleTrackProp;
    TMPProperty SubtitleScaleProp;
    TMPProperty SubtitleDelayProp;

    bool Mute() const;
    bool Verbose() const;
    SettingsData &Settings() { return m_settings; }
    qint64 EngineProcessId() const;
    // Handles every line and the end of the current run that are still queued.
    void HandlePendingOutput();

    // Test seam: act as if an engine ran whose input is `writer`, without a
    // process; SimulateEnd then ends that run as a process end would.
    void SimulateRun(std::function<void(const QByteArray &bytes)> writer);
    void SimulateEnd(int exitCode);

protected:
    bool event(QEvent *e) override;

private:
    friend struct LineRules;
    friend struct CommandTable;

    void EngineEnded();
    void LaunchFailed(int errorCode);
    void DrainMessages();
    bool AwaitRunEnd();
    void LogVerbose(const QString &text);
    void KillEngine();
    void QueryVersionWhenIdle();

    // Send rules of the properties.
    bool SeekRule();
    bool VolumeRule();
    bool AudioRule();

    // Output line handlers (OutputParser.cpp).
    bool HandleStatusLine(QByteArrayView line);
    bool OnPauseMarker(QByteArrayView line);
    bool OnSeekAnswer(QByteArrayView line);
    bool OnCacheFill(QByteArrayView line);
    bool OnEndOfFile(QByteArrayView line);
    bool OnVideoOutput(QByteArrayView line);
    bool OnNoVideo(QByteArrayView line);
    bool OnStartPlayback(QByteArrayView line);
    bool OnAudioDecoder(QByteArrayView line);
    bool OnSubtitleAdded(QByteArrayView line);
    bool OnDvdAudioStream(QByteArrayView line);
    bool OnDvdSubtitle(QByteArrayView line);
    bool OnDvdTitleLength(QByteArrayView line);
    bool OnDvdDiscId(QByteArrayView line);
    bool OnAudioId(QByteArrayView line);
    bool OnAudioLanguage(QByteArrayView line);
    bool OnSubtitleId(QByteArrayView line);
    bool OnSubtitleLanguage(QByteArrayView line);
    bool OnLength(QByteArrayView line);
    float EngineSubtitleNumber(float number) const;

    SettingsData &m_settings;
    TZorviPlaylist &m_playlist;
    IEngineHost &m_host;
    QString m_programDir;

    EngineProcess *m_process = nullptr;
    quint64 m_run = 0;
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
    QObject *m_versionQuery = nullptr;
    bool m_simulatedRun = false;
    bool m_versionWanted = false;
    std::function<void(const QByteArray &bytes)> m_simulatedWriter;
};
