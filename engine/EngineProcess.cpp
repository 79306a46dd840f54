#include "engine/EngineProcess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>

TEngineProcess::TEngineProcess(quint64 run, QObject *receiver)
    : m_run(run), m_receiver(receiver), m_process(new QProcess(this))
{
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &TEngineProcess::ReadOutput);
    connect(m_process, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { Finished(code, int(status)); });
}

TEngineProcess::~TEngineProcess()
{
    m_process->disconnect(this);
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
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

bool TEngineProcess::Start(const QString &program, const QStringList &arguments,
                           const QString &workingDir, int &errorCode)
{
    errorCode = StartProblem(program);
    if (errorCode != 0)
        return false;
    m_process->setWorkingDirectory(workingDir);
    m_process->start(program, arguments, QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (!m_process->waitForStarted(5000)) {
        errorCode = StartProblem(program);
        if (errorCode == 0)
            errorCode = EIO;
        return false;
    }
    return true;
}

void TEngineProcess::Write(const QByteArray &bytes)
{
    if (m_ended || m_process->state() != QProcess::Running)
        return;
    // QProcess writes from its own buffer and never raises SIGPIPE here.
    m_process->write(bytes);
}

bool TEngineProcess::WaitForEnd(int ms)
{
    if (m_ended)
        return true;
    m_process->waitForFinished(ms);
    return m_ended;
}

void TEngineProcess::Kill()
{
    if (!m_ended && m_process->state() != QProcess::NotRunning)
        m_process->kill();
}

qint64 TEngineProcess::ProcessId() const { return m_process->processId(); }

void TEngineProcess::ReadOutput()
{
    QByteArrayList lines;
    m_cutter.Feed(m_process->readAllStandardOutput(), lines);
    for (QByteArray &line : lines)
        QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, std::move(line)));
}

void TEngineProcess::Finished(int exitCode, int exitStatus)
{
    if (m_ended)
        return;
    ReadOutput();
    QByteArray tail = m_cutter.TakeTail();
    if (!tail.isEmpty())
        QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, std::move(tail)));
    m_ended = true;
    // A run ended by a signal (a crash or a kill) is an error exit, as a
    // terminated process is: exit code 0xFFFFFFFF.
    const int code = exitStatus == QProcess::NormalExit ? exitCode : -1;
    QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, code));
}
