#include "engine/EngineProcess.h"

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

EngineProcess::EngineProcess(quint64 run, QObject *receiver)
    : m_run(run), m_receiver(receiver), m_process(new QProcess(this)), m_readTimer(new QTimer(this))
{
    // Standard output and error go to a pipe of our own (set up in Start), so
    // that reading can follow the pace of the output.
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(m_process, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { Finished(code, int(status)); });
    m_readTimer->setSingleShot(true);
    m_readTimer->setInterval(StatusReadMs);
    connect(m_readTimer, &QTimer::timeout, this, &EngineProcess::OnReadTimer);
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
    m_readTimer->stop();
    delete m_notifier;
    m_notifier = nullptr;
    m_pipe.Close();
}

namespace {
// The errno a start would fail with, found before starting: QProcess only
// reports a failed start, not why.
int StartProblem(const QString &program)
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
} // namespace

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
    if (m_readTimer->isActive()) {
        m_readTimer->stop();
        if (m_notifier)
            m_notifier->setEnabled(true);
    }
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

bool EngineProcess::ReadOutput(bool &gotData)
{
    gotData = false;
    if (m_pipe.ReadFd() < 0)
        return false;
    QByteArrayList lines;
    char buffer[4096];
    for (;;) {
        const qint64 n = m_pipe.Read(buffer, sizeof buffer);
        if (n > 0) {
            gotData = true;
            m_cutter.Feed(QByteArray(buffer, n), lines);
            if (n < qint64(sizeof buffer))
                break; // drained: no second read just to hear "nothing more"
            continue;
        }
        if (n == 0 && m_notifier) // every writer is gone
            m_notifier->setEnabled(false);
        break;
    }
    bool onlyStatus = !lines.isEmpty();
    for (const QByteArray &line : lines)
        onlyStatus = onlyStatus && line.size() > 1 && (line[0] == 'A' || line[0] == 'V') && line[1] == ':';
    if (!lines.isEmpty())
        QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, std::move(lines)));
    return onlyStatus;
}

void EngineProcess::OnReadable()
{
    bool gotData = false;
    if (ReadOutput(gotData) && m_notifier && Clock::NowMs() >= m_immediateUntil) {
        m_notifier->setEnabled(false);
        m_readTimer->start();
    }
}

void EngineProcess::OnReadTimer()
{
    bool gotData = false;
    const bool onlyStatus = ReadOutput(gotData);
    if (gotData && onlyStatus)
        m_readTimer->start();
    else if (m_notifier)
        m_notifier->setEnabled(true);
}

void EngineProcess::Finished(int exitCode, int exitStatus)
{
    if (m_ended)
        return;
    // The engine is gone: everything it wrote is in the pipe.
    bool gotData = false;
    ReadOutput(gotData);
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
