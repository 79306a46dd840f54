#include "engine/EngineCore.h"

#include "common/Clock.h"
#include "common/Report.h"
#include "common/ZError.h"
#include "engine/EngineProcess.h"
#include "platform/EngineOptions.h"
#include "settings/SettingsData.h"

#include <QCoreApplication>
#include <QProcess>

namespace {
bool Never()
{
    return false;
}
} // namespace

EngineCore::EngineCore(SettingsData &settings, TZorviPlaylist &playlist, IEngineHost &host,
                       const QString &programDir)
    : VolumeProp(*this, "volume %g 1", 0, 75, 100), PositionProp(*this, "seek %g 2", 0, 0, 0, Never),
      AudioTrackProp(*this, "switch_audio %g", -1, -1, -1),
      SubtitleTrackProp(*this, "sub_select %g", -1, 0, -1),
      SubtitleScaleProp(*this, "sub_scale %g 1", 0, 3.5f, 17),
      SubtitleDelayProp(*this, "sub_delay %g 1", -3.4e38f, 0, 3.4e38f), m_settings(settings),
      m_playlist(playlist), m_host(host), m_programDir(programDir)
{
    if (!m_programDir.endsWith(u'/'))
        m_programDir += u'/';
    IgnoreBrokenPipe();
    FindPreviousEngines = [](qint64 exceptPid) { return FindEngineProcesses(exceptPid); };
    VolumeProp.CanSend = [this] { return VolumeRule(); };
    AudioTrackProp.CanSend = [this] { return AudioRule(); };
    VolumeProp.OnChange = [this](float v) { m_host.UpdateVolume(v); };
    PositionProp.OnChange = [this](float v) { m_host.UpdatePosition(v); };
    AudioTrackProp.OnChange = [this](float v) { m_host.TickMenuValue(TrackMenu::Audio, int(v)); };
    SubtitleTrackProp.OnChange = [this](float v) { m_host.TickMenuValue(TrackMenu::Subtitle, int(v)); };
    SubtitleTrackProp.EngineValue = [this](float v) { return EngineSubtitleNumber(v); };
}

EngineCore::~EngineCore()
{
    if (auto *probe = qobject_cast<QProcess *>(m_versionQuery)) {
        probe->disconnect(this);
        probe->kill();
        probe->waitForFinished(1000);
    }
    delete m_process;
    m_process = nullptr;
}

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
        m_host.AddLine(text);
}

qint64 EngineCore::EngineProcessId() const
{
    return m_process ? m_process->ProcessId() : 0;
}

void EngineCore::LoadPropertySettings()
{
    VolumeProp.ApplyValue(true, m_settings.LastSession.Volume);
    SubtitleScaleProp.ApplyValue(true, m_settings.LastSession.SubScale);
}

void EngineCore::StorePropertySettings()
{
    m_settings.LastSession.Volume = VolumeProp.Value;
    m_settings.LastSession.SubScale = SubtitleScaleProp.Value;
}

// ---------------------------------------------------------------- send rules

bool EngineCore::SeekRule()
{
    if (!IsRunning())
        return false;
    if (Status != PlaybackStatus::Seeking) {
        SetStatus(PlaybackStatus::Seeking);
        if (m_settings.Options.MuteOnPauseSeek && !Mute() && !Paused)
            PostCommand("mute 1");
    }
    // Seeking lasts until the queue has drained.
    SeekEndTime = NeverMs;
    return true;
}

bool EngineCore::VolumeRule()
{
    if (!Mute() && !Paused)
        return true;
    VolumePending = true;
    return false;
}

bool EngineCore::AudioRule()
{
    // Track switches go out at once, never through the queue.
    AudioTrackProp.SendNow();
    return false;
}

// ------------------------------------------------------------- command queue

void EngineCore::SendCommand(const QByteArray &text)
{
    if (!IsRunning())
        return;
    QByteArray line = Paused ? "pausing_keep " + text : text;
    LogVerbose(QStringLiteral("$|Sending: ") + QString::fromUtf8(line));
    line += '\n';
    if (m_process)
        m_process->Write(line);
    else
        m_simulatedWriter(line);
}

namespace {
QByteArray CommandKey(const QByteArray &text)
{
    const qsizetype space = text.indexOf(' ');
    return space < 0 ? text : text.left(space + 1);
}

QString Quoted(const QByteArray &text)
{
    return u'"' + QString::fromUtf8(text) + u'"';
}
} // namespace

void EngineCore::PostCommand(const QByteArray &text)
{
    if (!IsRunning())
        return;
    if (QueueIdle) {
        QueueIdle = false;
        SendCommand(text);
        SendCommand("seek");
        return;
    }
    const QByteArray key = CommandKey(text);
    for (QByteArray &queued : CommandQueue) {
        if (queued.startsWith(key)) {
            LogVerbose(QStringLiteral("$|Replacing: ") + Quoted(queued) + QStringLiteral(" by ") +
                       Quoted(text));
            queued = text;
            return;
        }
    }
    LogVerbose(QStringLiteral("$|Queueing: ") + Quoted(text));
    CommandQueue.append(text);
}

void EngineCore::AcknowledgeCommand()
{
    QueueIdle = true;
    LogVerbose(QStringLiteral("$|CommandQueue feedback"));
    if (!CommandQueue.isEmpty()) {
        const QByteArray next = CommandQueue.takeFirst();
        PostCommand(next);
    } else {
        SeekEndTime = Clock::NowMs() + 500;
    }
}

// ------------------------------------------------------------ line delivery

bool EngineCore::event(QEvent *e)
{
    if (e->type() != EngineLineMessage::Type)
        return QObject::event(e);
    auto *msg = static_cast<EngineLineMessage *>(e);
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
            if (msg.IsEnd) {
                ExitCode = msg.ExitCode;
                EngineEnded();
            } else {
                ProcessLine(msg.Line);
            }
        });
    }
    m_draining = false;
}

void EngineCore::HandlePendingOutput()
{
    QCoreApplication::sendPostedEvents(this, EngineLineMessage::Type);
    DrainMessages();
}

void EngineCore::SimulateRun(std::function<void(const QByteArray &bytes)> writer)
{
    m_simulatedWriter = std::move(writer);
    m_simulatedRun = true;
}

void EngineCore::SimulateEnd(int exitCode)
{
    ExitCode = exitCode;
    EngineEnded();
}
