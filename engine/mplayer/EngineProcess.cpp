#include "engine/mplayer/EngineProcess.h"

#include "common/Clock.h"
#include "engine/EngineWaits.h"
#include "platform/EngineOptions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cmath>

EngineProcess::EngineProcess(quint64 run, QObject *receiver)
    : m_run(run), m_receiver(receiver), m_process(new QProcess(this)), m_paceTimer(new QTimer(this))
{
    // Standard output and error go to a pipe of our own (set up in Start), so
    // that reading can follow the pace of the output.
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(m_process, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { Finished(code, int(status)); });
    // The second turns at a moment known to the millisecond; a coarse timer
    // would read up to 5 % of the wait late.
    m_paceTimer->setSingleShot(true);
    m_paceTimer->setTimerType(Qt::PreciseTimer);
    connect(m_paceTimer, &QTimer::timeout, this, &EngineProcess::OnPaceTimer);
}

EngineRunFactory EngineProcess::Factory()
{
    return [](quint64 run, QObject *receiver) { return std::make_unique<EngineProcess>(run, receiver); };
}

EngineProcess::~EngineProcess()
{
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(EngineWaits::ReapMs);
    }
    CloseOutput();
}

void EngineProcess::CloseOutput()
{
    m_paceTimer->stop();
    delete m_notifier;
    m_notifier = nullptr;
    m_pipe.Close();
}

int EngineProcess::StartProblem(const QString &program)
{
    QString path = program;
    if (!program.contains(u'/')) {
        path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return ENOENT;
    }
    QFileInfo info(path);
    if (!info.exists())
        return ENOENT;
    if (info.isDir() || !info.isExecutable())
        return EACCES;
    return 0;
}

bool EngineProcess::Start(const QString &program, const QStringList &arguments, const QString &workingDir,
                          int &errorCode)
{
    errorCode = StartProblem(program);
    if (errorCode != 0)
        return false;
    if (!m_pipe.Open(errorCode))
        return false;
    m_process->setChildProcessModifier(m_pipe.ChildSetup());
    m_process->setWorkingDirectory(workingDir);
    // Marked as ours, so a later start offers to end it only if we are gone.
    m_process->setProcessEnvironment(EngineEnvironment());
    m_process->start(program, arguments, QIODevice::ReadWrite);
    const bool started = m_process->waitForStarted(EngineWaits::StartMs);
    m_pipe.CloseWriteEnd();
    if (!started) {
        CloseOutput();
        errorCode = StartProblem(program);
        if (errorCode == 0)
            errorCode = EIO;
        return false;
    }
    m_notifier = new QSocketNotifier(m_pipe.ReadFd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EngineProcess::OnReadable);
    return true;
}

void EngineProcess::Write(const QByteArray &bytes)
{
    if (m_ended || m_process->state() != QProcess::Running)
        return;
    // QProcess writes from its own buffer and never raises SIGPIPE here.
    m_process->write(bytes);
    m_immediateUntil = Clock::NowMs() + AnswerWindowMs;
    ReadAtOnce();
}

void EngineProcess::ReadAtOnce()
{
    m_pace.Reset();
    m_paceTimer->stop();
    if (m_notifier && !m_outputEnded)
        m_notifier->setEnabled(true);
}

bool EngineProcess::WaitForEnd(int ms)
{
    if (m_ended)
        return true;
    m_process->waitForFinished(ms);
    return m_ended;
}

void EngineProcess::Kill()
{
    if (!m_ended && m_process->state() != QProcess::NotRunning)
        m_process->kill();
}

qint64 EngineProcess::ProcessId() const
{
    return m_process->processId();
}

EngineProcess::Slice EngineProcess::ReadOutput(qint64 limit)
{
    Slice slice;
    if (m_pipe.ReadFd() < 0)
        return slice;
    QByteArrayList lines;
    char buffer[4096];
    while (slice.Bytes < limit) {
        const qint64 n = m_pipe.Read(buffer, qMin<qint64>(sizeof buffer, limit - slice.Bytes));
        if (n > 0) {
            slice.Bytes += n;
            m_cutter.Feed(QByteArrayView(buffer, n), lines);
            if (n < qint64(sizeof buffer))
                break; // drained: no second read just to hear "nothing more"
            continue;
        }
        m_outputEnded = n == 0; // every writer is gone: nothing more to wait for
        break;
    }
    slice.Full = slice.Bytes >= limit;
    slice.Lines = lines.size();
    StatusPace::Read &pace = slice.Pace;
    slice.OnlyStatus = !lines.isEmpty();
    for (const QByteArray &line : lines) {
        const auto seconds = slice.OnlyStatus ? StatusPace::LineSeconds(line) : std::nullopt;
        if (!seconds) {
            slice.OnlyStatus = false;
            break;
        }
        if (pace.Lines++ == 0)
            pace.FirstSeconds = *seconds;
        pace.LinesInSecond = std::floor(*seconds) == std::floor(pace.Seconds) ? pace.LinesInSecond + 1 : 1;
        pace.Seconds = *seconds;
    }
    pace.Bytes = slice.Bytes;
    if (slice.Bytes > 0) {
        const std::uint64_t now = Clock::NowMs();
        pace.NowMs = now;
        pace.SinceMs = m_lastReadMs ? qint64(now - m_lastReadMs) : qint64(AnswerWindowMs);
        m_lastReadMs = now;
    }
    const int cut = m_cutter.TakeCutCount();
    if (!lines.isEmpty())
        QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, std::move(lines), cut));
    return slice;
}

void EngineProcess::PlanNextRead(const Slice &slice)
{
    if (!m_notifier)
        return;
    if (m_outputEnded) {
        m_notifier->setEnabled(false);
        m_paceTimer->stop();
        return;
    }
    int wait = -1;
    if (slice.OnlyStatus && !slice.Full && slice.Pace.NowMs >= m_immediateUntil) {
        wait = m_pace.NextReadIn(slice.Pace, SliceBytes);
    } else if (!slice.OnlyStatus && slice.Lines > 0) {
        m_pace.Reset();
    }
    if (wait < 0) {
        m_notifier->setEnabled(true);
        return;
    }
    m_notifier->setEnabled(false);
    m_paceTimer->start(wait);
}

void EngineProcess::OnReadable()
{
    PlanNextRead(ReadOutput(SliceBytes));
}

void EngineProcess::OnPaceTimer()
{
    const Slice slice = ReadOutput(SliceBytes);
    if (slice.Bytes == 0) {
        // Nothing written (paused, or gone quiet): wait for the next output.
        m_pace.Reset();
        if (m_notifier && !m_outputEnded)
            m_notifier->setEnabled(true);
        return;
    }
    PlanNextRead(slice);
}

void EngineProcess::Finished(int exitCode, int exitStatus)
{
    if (m_ended)
        return;
    // The engine is gone: what it wrote is in the pipe (bounded, in case
    // something it started still writes there).
    for (qint64 read = 0; read < FinalBytes;) {
        const Slice slice = ReadOutput(SliceBytes);
        read += slice.Bytes;
        if (!slice.Full)
            break;
    }
    CloseOutput();
    QByteArray tail = m_cutter.TakeTail();
    if (!tail.isEmpty())
        QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, QByteArrayList{tail}));
    m_ended = true;
    // A run ended by a signal (a crash or a kill) is an error exit, as a
    // terminated process is: exit code 0xFFFFFFFF.
    const int code = exitStatus == QProcess::NormalExit ? exitCode : -1;
    QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, code));
}
