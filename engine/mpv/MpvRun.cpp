#include "engine/mpv/MpvRun.h"

#include "common/Clock.h"
#include "engine/EngineWaits.h"
#include "engine/mplayer/EngineProcess.h"
#include "platform/EngineOptions.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>

#include <cerrno>

namespace {
// The socket is looked for this often until it is there.
constexpr int ConnectPollMs = 5;
const QLatin1String SocketOption("--input-ipc-server=");
} // namespace

MpvRun::MpvRun(quint64 run, QObject *receiver)
    : m_run(run), m_receiver(receiver), m_process(new QProcess(this)), m_socket(new QLocalSocket(this)),
      m_connectTimer(new QTimer(this))
{
    // mpv says nothing on its terminal (--no-terminal): its log comes over the socket.
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { Finished(code, int(status)); });
    m_connectTimer->setInterval(ConnectPollMs);
    connect(m_connectTimer, &QTimer::timeout, this, &MpvRun::TryConnect);
    connect(m_socket, &QLocalSocket::connected, this, &MpvRun::OnConnected);
    connect(m_socket, &QLocalSocket::readyRead, this, &MpvRun::OnReadable);
    connect(m_socket, &QLocalSocket::disconnected, this, &MpvRun::OnDisconnected);
}

EngineRunFactory MpvRun::Factory()
{
    return [](quint64 run, QObject *receiver) { return std::make_unique<MpvRun>(run, receiver); };
}

MpvRun::~MpvRun()
{
    m_socket->disconnect(this);
    m_process->disconnect(this);
    m_socket->abort();
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(EngineWaits::ReapMs);
    }
    if (!m_socketPath.isEmpty())
        QFile::remove(m_socketPath);
}

bool MpvRun::Start(const QString &program, const QStringList &arguments, const QString &workingDir,
                   int &errorCode)
{
    for (const QString &argument : arguments)
        if (argument.startsWith(SocketOption))
            m_socketPath = argument.mid(SocketOption.size());
    errorCode = m_socketPath.isEmpty() ? EINVAL : EngineProcess::StartProblem(program);
    if (errorCode != 0)
        return false;
    // A socket left by an earlier program would be taken for this run's.
    QFile::remove(m_socketPath);
    m_process->setWorkingDirectory(workingDir);
    m_process->setProcessEnvironment(EngineEnvironment());
    m_process->start(program, arguments, QIODevice::ReadOnly);
    if (!m_process->waitForStarted(EngineWaits::StartMs)) {
        errorCode = EngineProcess::StartProblem(program);
        if (errorCode == 0)
            errorCode = EIO;
        return false;
    }
    m_connectDeadline = qint64(Clock::NowMs()) + m_socketWaitMs;
    m_connectTimer->start();
    return true;
}

void MpvRun::TryConnect()
{
    if (m_ended)
        return;
    // The deadline holds also for a socket file that refuses every connection.
    if (qint64(Clock::NowMs()) >= m_connectDeadline) {
        m_connectTimer->stop();
        Note(QStringLiteral("mpv opened no control socket within %1 s: the run is ended")
                 .arg(m_socketWaitMs / 1000.0));
        Kill();
        return;
    }
    if (m_socket->state() == QLocalSocket::UnconnectedState && QFile::exists(m_socketPath))
        m_socket->connectToServer(m_socketPath);
}

void MpvRun::OnConnected()
{
    m_connectTimer->stop();
    if (!m_waiting.isEmpty()) {
        m_socket->write(std::exchange(m_waiting, {}));
        m_socket->flush();
    }
}

void MpvRun::OnDisconnected()
{
    if (m_ended || m_process->state() == QProcess::NotRunning)
        return;
    // mpv closes the socket as it exits; one that lives on without it cannot be
    // driven. Its end is awaited from the event loop: the window stays live.
    QTimer::singleShot(EngineWaits::QuitGraceMs, this, [this] {
        if (m_ended || m_process->state() == QProcess::NotRunning)
            return;
        Note(QStringLiteral("mpv closed its control socket: the run is ended"));
        Kill();
    });
}

void MpvRun::Write(const QByteArray &bytes)
{
    if (m_ended)
        return;
    if (m_socket->state() == QLocalSocket::ConnectedState) {
        // Out now: a wait for the end ("quit") would hold back the event loop that sends it.
        m_socket->write(bytes);
        m_socket->flush();
        return;
    }
    if (m_waiting.size() < MaxLineBytes)
        m_waiting += bytes;
}

bool MpvRun::WaitForEnd(int ms)
{
    if (m_ended)
        return true;
    m_process->waitForFinished(ms);
    return m_ended;
}

void MpvRun::Kill()
{
    if (!m_ended && m_process->state() != QProcess::NotRunning)
        m_process->kill();
}

qint64 MpvRun::ProcessId() const
{
    return m_process->processId();
}

void MpvRun::Note(const QString &text)
{
    QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, text));
}

bool MpvRun::ReadSocket(qint64 limit)
{
    const QByteArray chunk = m_socket->read(limit);
    if (chunk.isEmpty())
        return false;
    QByteArrayList lines;
    qsizetype from = 0;
    for (;;) {
        const qsizetype end = chunk.indexOf('\n', from);
        const QByteArrayView piece =
            QByteArrayView(chunk).sliced(from, (end < 0 ? chunk.size() : end) - from);
        if (!m_dropping) {
            m_partial += piece.first(qMin(piece.size(), MaxLineBytes - m_partial.size()));
            if (m_partial.size() >= MaxLineBytes) {
                ++m_cut;
                m_partial.clear();
                m_dropping = true;
            }
        }
        if (end < 0)
            break;
        if (!m_partial.isEmpty())
            lines << std::exchange(m_partial, {});
        m_dropping = false;
        from = end + 1;
    }
    if (!lines.isEmpty() || m_cut > 0)
        QCoreApplication::postEvent(m_receiver,
                                    new EngineLineMessage(m_run, std::move(lines), std::exchange(m_cut, 0)));
    return true;
}

void MpvRun::OnReadable()
{
    m_readQueued = false;
    ReadSocket(SliceBytes);
    // More waiting: read it on the next turn of the event loop, not now.
    if (m_socket->bytesAvailable() > 0 && !m_readQueued) {
        m_readQueued = true;
        QTimer::singleShot(0, this, &MpvRun::OnReadable);
    }
}

void MpvRun::Finished(int exitCode, int exitStatus)
{
    if (m_ended)
        return;
    m_connectTimer->stop();
    // What mpv wrote before it went is still in the socket (bounded).
    for (qint64 read = 0; read < FinalBytes && m_socket->state() == QLocalSocket::ConnectedState;) {
        if (m_socket->bytesAvailable() == 0 && !m_socket->waitForReadyRead(100))
            break;
        const qint64 before = m_socket->bytesAvailable();
        if (!ReadSocket(SliceBytes))
            break;
        read += qMin<qint64>(before, SliceBytes);
    }
    if (!m_partial.isEmpty())
        QCoreApplication::postEvent(
            m_receiver, new EngineLineMessage(m_run, QByteArrayList{std::exchange(m_partial, {})}));
    m_ended = true;
    m_socket->disconnect(this);
    m_socket->abort();
    const int code = exitStatus == QProcess::NormalExit ? exitCode : -1;
    QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, code));
}
