#include "engine/EngineCore.h"

#include "common/Clock.h"
#include "common/Report.h"
#include "engine/mplayer/EngineProcess.h"
#include "engine/mpv/MpvCommands.h"
#include "engine/mpv/MpvRun.h"
#include "platform/EngineOptions.h"
#include "settings/SettingsData.h"

#include <QCoreApplication>
#include <QTimer>

EngineCore::EngineCore(SettingsData &settings, TZorviPlaylist &playlist, const EngineHost &host,
                       const QString &programDir, EngineRunFactory runs, EngineRunFactory mpvRuns)
    : m_settings(settings), m_playlist(playlist), m_host(host),
      m_programDir(programDir.endsWith(u'/') ? programDir : programDir + u'/'), m_state(*this),
      m_queue([this](const QByteArray &text) { SendCommand(text); },
              [this](const QString &text) { LogVerbose(text); }),
      m_commandLine(settings, m_programDir), m_parser(m_state, *this), m_mpvReader(m_state, *this),
      m_newRun(runs ? std::move(runs) : EngineProcess::Factory()),
      m_newMpvRun(mpvRuns ? std::move(mpvRuns) : MpvRun::Factory()), m_positionTimer(new QTimer(this))
{
    m_positionTimer->setSingleShot(true);
    // The second turns at a moment known to the millisecond.
    m_positionTimer->setTimerType(Qt::PreciseTimer);
    connect(m_positionTimer, &QTimer::timeout, this, [this] {
        if (IsRunning() && m_engine == EngineKind::Mpv)
            m_process->Write(MpvCommands::PositionQuestion() + '\n');
    });
    IgnoreBrokenPipe();
    m_findPreviousEngines = [](qint64 exceptPid) { return FindEngineProcesses(exceptPid); };
    PlaybackState &s = m_state;
    s.VolumeProp.CanSend = [this] { return VolumeRule(); };
    s.AudioTrackProp.CanSend = [this] { return AudioRule(); };
    s.VolumeProp.OnChange = [this](float v) {
        m_host.Display.UpdateVolume(v);
        emit StateChanged();
    };
    s.PositionProp.OnChange = [this](float v) { m_host.Display.UpdatePosition(v); };
    s.AudioTrackProp.OnChange = [this](float v) { m_host.Tracks.TickMenuValue(TrackMenu::Audio, int(v)); };
    s.SubtitleTrackProp.OnChange = [this](float v) {
        m_host.Tracks.TickMenuValue(TrackMenu::Subtitle, int(v));
    };
    s.SubtitleTrackProp.EngineValue = [this](float v) { return EngineSubtitleNumber(v); };
    RegisterEngineCommands();
}

EngineCore::~EngineCore() = default;

bool EngineCore::Mute() const
{
    return m_settings.LastSession.Mute;
}
bool EngineCore::Verbose() const
{
    return m_settings.Options.Verbose;
}

void EngineCore::LogVerbose(const QString &text)
{
    if (Verbose())
        m_host.Log.AddLine(text);
}

void EngineCore::KeepNote(const QString &text)
{
    m_host.Log.AddLine(text);
    if (m_keptNotes.size() < 20) // a flood of them says no more than the first ones
        m_keptNotes.append(text);
}

qint64 EngineCore::EngineProcessId() const
{
    return m_process ? m_process->ProcessId() : 0;
}

void EngineCore::SetPreviousEngineFinder(std::function<QList<qint64>(qint64 exceptPid)> finder)
{
    m_findPreviousEngines = std::move(finder);
}

void EngineCore::LoadPropertySettings()
{
    m_state.VolumeProp.ApplyValue(true, m_settings.LastSession.Volume);
    m_state.SubtitleScaleProp.ApplyValue(true, m_settings.LastSession.SubScale);
}

void EngineCore::StorePropertySettings()
{
    m_settings.LastSession.Volume = m_state.VolumeProp.Value;
    m_settings.LastSession.SubScale = m_state.SubtitleScaleProp.Value;
}

// ---------------------------------------------------------------- send rules

bool EngineCore::SeekRule()
{
    if (!IsRunning())
        return false;
    if (m_state.Status != PlaybackStatus::Seeking) {
        SetStatus(PlaybackStatus::Seeking);
        // Written right before the seek, behind the seek's own probe: the
        // picture jumps one round trip after the key, not two.
        if (m_settings.Options.MuteOnPauseSeek && !Mute() && !m_state.Paused)
            SendCommand("mute 1");
    }
    m_queue.HoldSeeking();
    return true;
}

bool EngineCore::VolumeRule()
{
    if (!Mute() && !m_state.Paused)
        return true;
    m_state.VolumePending = true;
    return false;
}

bool EngineCore::AudioRule()
{
    // Track switches go out at once, never through the queue.
    m_state.AudioTrackProp.SendNow();
    return false;
}

// ------------------------------------------------------------- command queue

void EngineCore::SendCommand(const QByteArray &text)
{
    if (!IsRunning())
        return;
    if (m_engine == EngineKind::Mpv) {
        SendToMpv(text);
        return;
    }
    // The prefix depends on the pause at the moment of writing.
    QByteArray line = m_state.Paused ? "pausing_keep " + text : text;
    LogVerbose(QStringLiteral("$|Sending: ") + QString::fromUtf8(line));
    m_process->Write(line + '\n');
}

void EngineCore::SendToMpv(const QByteArray &text)
{
    auto write = [this](const QByteArray &line) {
        LogVerbose(QStringLiteral("$|Sending: ") + QString::fromUtf8(line));
        m_process->Write(line + '\n');
    };
    // MPlayer pauses and resumes on "pause", and resumes on any command not
    // marked to keep the pause; mpv does what it is told. So "pause" sets the
    // pause the link wants, and a command sent while the link wants playback
    // ends a pause mpv was told of.
    const QByteArray word = text.simplified().split(' ').value(0);
    if (word == "pause") {
        m_mpvPaused = m_state.Paused;
        write(MpvCommands::SetPause(m_mpvPaused));
        return;
    }
    const MpvCommands::Request request = MpvCommands::Translate(text);
    if (!request.Refusal.isEmpty())
        m_host.Log.AddLine(request.Refusal);
    else
        write(request.Line);
    if (!m_state.Paused && m_mpvPaused && word != "quit") {
        m_mpvPaused = false;
        write(MpvCommands::SetPause(false));
    }
}

void EngineCore::SendRawToMpv(const QString &text)
{
    if (!IsRunning() || m_engine != EngineKind::Mpv) {
        m_host.Log.AddLine(QStringLiteral("mpv: commands go to a running mpv only"));
        return;
    }
    const MpvCommands::Request request = MpvCommands::Raw(text);
    if (!request.Refusal.isEmpty()) {
        m_host.Log.AddLine(request.Refusal);
        return;
    }
    LogVerbose(QStringLiteral("$|Sending: ") + QString::fromUtf8(request.Line));
    m_process->Write(request.Line + '\n');
}

void EngineCore::PostCommand(const QByteArray &text)
{
    if (IsRunning())
        m_queue.Post(text);
}

void EngineCore::PostAbsolute(const QByteArray &text)
{
    if (IsRunning())
        m_queue.Post(text, true);
}

// ------------------------------------------------------------ line delivery

bool EngineCore::event(QEvent *e)
{
    if (e->type() != EngineLineMessage::Type)
        return QObject::event(e);
    auto *msg = static_cast<EngineLineMessage *>(e);
    if (!msg->Note.isEmpty() && msg->Run == m_run)
        m_host.Log.AddLine(msg->Note);
    if (msg->CutLines > 0 && msg->Run == m_run && m_cutNotedRun != m_run) {
        m_cutNotedRun = m_run; // once a run: a flood of such lines would bury the log
        m_host.Log.AddLine(
            QStringLiteral("Engine output line longer than %1 bytes: the rest of it was dropped")
                .arg(m_engine == EngineKind::Mpv ? MpvRun::MaxLineBytes : TMPOutProcessor::MaxLineBytes));
    }
    if (msg->IsEnd)
        m_messages.push_back({msg->Run, QByteArray(), true, msg->ExitCode});
    for (QByteArray &line : msg->Lines)
        m_messages.push_back({msg->Run, std::move(line), false, 0});
    DrainMessages();
    return true;
}

void EngineCore::DrainMessages()
{
    // Lines are handled one after the other; a line delivered while another
    // is being handled waits its turn instead of running inside it.
    if (m_draining)
        return;
    m_draining = true;
    while (!m_messages.empty()) {
        QueuedLine msg = std::move(m_messages.front());
        m_messages.pop_front();
        if (msg.Run != m_run || !IsRunning())
            continue;
        RunGuarded([&] {
            if (msg.IsEnd)
                EngineEnded(msg.ExitCode);
            else
                m_reader->ProcessLine(msg.Line);
        });
    }
    m_draining = false;
}

void EngineCore::HandlePendingOutput()
{
    QCoreApplication::sendPostedEvents(this, EngineLineMessage::Type);
    DrainMessages();
}
