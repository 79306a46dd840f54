// Engine launch and process link: the command line, starting and ending runs,
// and the end-of-run handling that moves on through the playlist.
#include "engine/EngineCore.h"

#include "common/CommandLine.h"
#include "common/NumberFormat.h"
#include "common/TextHelpers.h"
#include "engine/EngineProcess.h"
#include "platform/EngineOptions.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTimer>

#include <cerrno>
#include <memory>

namespace {
bool Never()
{
    return false;
}
} // namespace

// ------------------------------------------------------------------ version

QString EngineCore::ParseEngineVersion(const QByteArray &output)
{
    for (const QByteArray &raw : output.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith("MPlayer "))
            continue;
        const qsizetype end = line.indexOf(" (C)");
        if (end > 8)
            return QString::fromUtf8(line.mid(8, end - 8).trimmed());
    }
    return QStringLiteral("?");
}

QString EngineCore::QueryEngineVersion(const QString &path, int timeoutMs)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(path, {});
    if (!probe.waitForStarted(timeoutMs))
        return QStringLiteral("?");
    QByteArray out;
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && probe.state() == QProcess::Running) {
        probe.waitForReadyRead(int(deadline.remainingTime()));
        out += probe.readAll();
        if (ParseEngineVersion(out) != u"?")
            break;
    }
    out += probe.readAll();
    probe.kill();
    probe.waitForFinished(1000);
    return ParseEngineVersion(out);
}

void EngineCore::QueryEngineVersionAsync()
{
    if (m_versionQuery)
        return;
    auto *probe = new QProcess(this);
    m_versionQuery = probe;
    probe->setProcessChannelMode(QProcess::MergedChannels);
    auto buffer = std::make_shared<QByteArray>();
    auto done = [this, probe, buffer] {
        if (m_versionQuery != probe)
            return;
        *buffer += probe->readAll();
        MPlayerVersion = ParseEngineVersion(*buffer);
        m_versionQuery = nullptr;
        probe->disconnect(this);
        if (probe->state() != QProcess::NotRunning) {
            // Reaped at once, so no process outlives its QProcess.
            probe->kill();
            probe->waitForFinished(1000);
        }
        probe->deleteLater();
    };
    connect(probe, &QProcess::readyRead, this, [probe, buffer, done] {
        *buffer += probe->readAll();
        if (ParseEngineVersion(*buffer) != u"?")
            done();
    });
    connect(probe, &QProcess::finished, this, done);
    connect(probe, &QProcess::errorOccurred, this, [done](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            done();
    });
    // An engine that never answers is given up after three seconds.
    QTimer::singleShot(3000, probe, done);
    probe->start(ResolveEnginePath(m_settings.Options.MPlayerPath, m_programDir), {});
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
    const QString font = DefaultFontPath();
    FontOption = font.isEmpty() ? QString() : QStringLiteral(" -font ") + QuoteIfSpaces(font);
    // Asked while no engine plays (a second engine process would compete with
    // the first launch and cost the program a fork during playback).
    m_versionWanted = true;
    QTimer::singleShot(VersionQueryDelayMs, this, [this] { QueryVersionWhenIdle(); });
}

// ------------------------------------------------------------- command line

QString EngineCore::EnginePath() const
{
    return ResolveEnginePath(m_settings.Options.MPlayerPath, m_programDir);
}

QString EngineCore::BuildEngineOptions()
{
    const OptionsSettings &o = m_settings.Options;
    const LastSessionSettings &s = m_settings.LastSession;
    QString opts =
        QStringLiteral(" -slave ") + QStringLiteral(" -wid ") + QString::number(m_host.VideoWindowId());
    opts += QStringLiteral(" -colorkey 0x") +
            QStringLiteral("%1").arg(m_host.VideoColorKey() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    opts += QStringLiteral(" -nokeepaspect");
    opts += FontOption;
    opts += QStringLiteral(" -osdlevel ") + QString::number(o.Verbose ? 2 : o.OSDLevel);
    // The engine has no priority option here; the program's own priority follows
    // the setting, and the engine's is set after it has started.
    SetProcessPriority(0, o.PriorityBoost);
    if (o.Cache && o.CacheSize >= 1)
        opts += QStringLiteral(" -cache ") + QString::number(o.CacheSize);
    else
        opts += QStringLiteral(" -nocache");
    const QString vo = o.VideoOut == 0 ? o.CustomVideoOut : VideoOutOption(o.VideoOut);
    if (o.VideoOut == 0 || !vo.isEmpty())
        opts += u' ' + vo;
    const QString ao = o.AudioOut == 0 ? o.CustomAudioOut : AudioOutOption(o.AudioOut);
    if (o.AudioOut == 0 || !ao.isEmpty())
        opts += u' ' + ao;
    if (AudioTrackProp.Value >= 0 && o.AudioOut >= 1)
        opts += QStringLiteral(" -aid ") + FormatG(AudioTrackProp.Value);
    static const char *const aspects[] = {"", " -aspect 4:3", " -aspect 16:9", " -aspect 2.35"};
    if (AspectIndex >= 1 && AspectIndex <= 3)
        opts += QLatin1StringView(aspects[AspectIndex]);
    if (s.FrameDrop)
        opts += QStringLiteral(" -framedrop");
    if (s.PostProc)
        opts +=
            u' ' + (o.CustomPostProc.isEmpty() ? QStringLiteral("-vf-add pp -autoq 6") : o.CustomPostProc);
    opts += QStringLiteral(" -vf-add expand=osd=1 -noslices");
    opts += QStringLiteral(" -subcp ISO-8859-1");
    opts += QStringLiteral(" -subfont-text-scale ") + FormatG(SubtitleScaleProp.Value);
    if (SubtitleDelayProp.Value != 0)
        opts += QStringLiteral(" -subdelay ") + FormatG(SubtitleDelayProp.Value);
    return opts;
}

QString EngineCore::BuildCommandLine()
{
    QString cmd = QuoteIfSpaces(EnginePath());
    cmd += BuildEngineOptions();
    for (const TAddParams &p : m_settings.Options.AddParams)
        if (p.Enabled && !p.Text.isEmpty())
            cmd += u' ' + p.Text;
    if (!SubtitleFiles.isEmpty())
        cmd += QStringLiteral(" -sub ") + QString::fromUtf8(SubtitleFiles);
    if (FirstOpen && OpenMode != EntryKind::DVDTitle)
        cmd += QStringLiteral(" -identify");
    cmd += u' ' + QString::fromUtf8(MediaURL);
    return cmd;
}

// ------------------------------------------------------------------ playing

void EngineCore::PlayEntry(int index)
{
    if (m_playlist.Count() > 0) {
        if (index < 0 || index >= m_playlist.Count())
            index = 0;
        m_playlist.SetCurrent(index);
        if (!m_host.IsPlaylistDragging())
            m_host.CenterItem(index);
        const TPlItem *item = m_playlist.Items(index);
        OpenMode = item->Kind;
        MediaURL = item->Path;
        DisplayName = item->Title;
        PositionProp.Max = item->Length;
    } else {
        OpenMode = EntryKind::None;
        MediaURL.clear();
        DisplayName = QStringLiteral("Zorvi");
        PositionProp.Max = 0;
    }
    if (IsRunning()) {
        QuitAndWait();
        if (!AwaitRunEnd()) {
            // The old run's end is still being handled further up: launch right after it.
            m_pendingLaunch = PendingLaunch::Fresh;
            return;
        }
    }
    FirstOpen = true;
    Launch();
}

void EngineCore::PlayNext()
{
    const int current = m_playlist.CurrentIndex();
    if (m_playlist.Count() > 1 && current < m_playlist.Count() - 1)
        PlayEntry(current + 1);
}

void EngineCore::PlayPrevious()
{
    const int current = m_playlist.CurrentIndex();
    if (m_playlist.Count() > 1 && current > 0)
        PlayEntry(current - 1);
}

void EngineCore::Launch()
{
    if (IsRunning())
        return;
    m_host.ClearLog();
    HasVideo = true;
    VideoWidth = VideoHeight = 0;
    VideoAspect = 0;
    Stopping = false;
    QuitAllowed = true;
    CommandQueue.clear();
    QueueIdle = false;
    PositionProp.CanSend = Never;

    if (OpenMode == EntryKind::DVD)
        FirstOpen = true;
    if (FirstOpen) {
        Paused = false;
        AudioTrackProp.Value = AudioTrackProp.Min = AudioTrackProp.Max = -1;
        SubtitleTrackProp.Value = 0;
        SubtitleTrackProp.Max = -1;
        SubtitleFileBase = -1;
        SubtitleFiles = PendingSubtitles;
        PendingSubtitles.clear();
        SubtitleDelayProp.Value = 0;
        PositionProp.Value = 0;
        if (OpenMode != EntryKind::DVDTitle)
            PositionProp.Max = 0;
    }

    if (OpenMode == EntryKind::DVD) {
        // The drive entry alone: its titles are inserted before it as they are found.
        const int current = m_playlist.CurrentIndex();
        if (current >= 0) {
            const TPlItem drive = *m_playlist.Items(current);
            m_playlist.Clear();
            m_playlist.AddItem(drive);
            m_playlist.SetCurrent(0);
        }
    }
    m_host.PrepareMediaDisplay(FirstOpen, OpenMode, DisplayName);

    if (MediaURL.isEmpty())
        return;
    if (m_settings.Options.SingleInstance && Verbose() && CheckPreviousEngines())
        return;

    SetStatus(PlaybackStatus::Opening);
    m_host.SetPlayingButtons(true);

    const QString commandLine = BuildCommandLine();
    m_host.AddLine(QStringLiteral("Mplayer command line:"));
    m_host.AddLine(commandLine);
    m_host.AddLine(QString());

    QStringList args = SplitCommandLine(commandLine);
    const QString program = args.isEmpty() ? QString() : args.takeFirst();
    m_process = new EngineProcess(++m_run, this);
    int errorCode = 0;
    if (!m_process->Start(program, args, m_programDir, errorCode)) {
        delete m_process;
        m_process = nullptr;
        LaunchFailed(errorCode);
        return;
    }
    SetProcessPriority(m_process->ProcessId(), m_settings.Options.PriorityBoost);
}

void EngineCore::LaunchFailed(int errorCode)
{
    m_host.AddLine(QStringLiteral("Error %1 while starting MPlayer:").arg(errorCode));
    m_host.AddLine(SystemErrorText(errorCode).left(1023));
    if (errorCode == ENOENT)
        m_host.AddLine(QStringLiteral("Please check if mplayer is installed and MPlayerPath names it."));
    EngineEnded();
}

void EngineCore::EngineEnded()
{
    delete m_process;
    m_process = nullptr;
    m_simulatedRun = false;
    FirstOpen = false;
    LogVerbose(QStringLiteral("exitcode : %1").arg(ExitCode));
    const bool error = Status == PlaybackStatus::Opening || ExitCode != 0;
    const bool advance = !Stopping && !error;
    SetStatus(error ? PlaybackStatus::Error : PlaybackStatus::Stopped);
    PositionProp.CanSend = Never;
    if (PositionProp.Value >= PositionProp.Max)
        PositionProp.SetValue(true, 0);
    m_host.HideVideo();
    Stopping = false;

    const PendingLaunch pending = m_pendingLaunch;
    m_pendingLaunch = PendingLaunch::None;
    if (pending != PendingLaunch::None) {
        FirstOpen = pending == PendingLaunch::Fresh;
        Launch();
        return;
    }
    if (advance && OpenMode != EntryKind::DVDTitle)
        PlayNext();
    if (m_versionWanted)
        QTimer::singleShot(0, this, [this] { QueryVersionWhenIdle(); });
}

void EngineCore::KillEngine()
{
    if (!m_process)
        return;
    m_process->Kill();
    m_process->WaitForEnd(1000);
}

void EngineCore::QuitAndWait()
{
    if (!IsRunning())
        return;
    Stopping = true;
    if (QuitAllowed) {
        SendCommand("quit");
        QuitAllowed = false;
        if (!m_process || m_process->WaitForEnd(1000))
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
    SetStatus(PlaybackStatus::Closing);
    Stopping = true;
    Paused = false;
    if (QuitAllowed) {
        SendCommand("quit");
        QuitAllowed = false;
    } else if (m_process) {
        m_process->Kill();
    }
}

void EngineCore::Restart()
{
    if (!IsRunning())
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
    for (qint64 pid : FindPreviousEngines(EngineProcessId())) {
        switch (m_host.AskKillPreviousEngine(QStringLiteral("mplayer instance detected"),
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
