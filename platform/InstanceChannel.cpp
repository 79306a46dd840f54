#include "platform/InstanceChannel.h"

#include "platform/HandOver.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <QtEndian>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace Platform {

QString InstanceSocketPath()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !dir.startsWith(QLatin1Char('/')))
        dir = QStringLiteral("/tmp");
    return dir + QStringLiteral("/Zorvi.Main.") + QString::number(::getuid());
}

bool PeerIsSameUser(qintptr fd)
{
    ucred cred{};
    socklen_t len = sizeof cred;
    if (::getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0)
        return false;
    return cred.uid == ::getuid();
}

namespace {

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

using SteadyClock = std::chrono::steady_clock;

int msLeft(SteadyClock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
    return left > 0 ? int(left) : 0;
}

// Waits for the event; false at the deadline or on a hang-up without it.
bool waitFor(int fd, short events, SteadyClock::time_point deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        int r = ::poll(&p, 1, msLeft(deadline));
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0 && (p.revents & events);
    }
}

} // namespace

SendOutcome SendToInstance(const QString &socketPath, const QByteArray &message, int timeoutMs)
{
    SendOutcome outcome;
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof addr.sun_path))
        return outcome;
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));

    Fd sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (sock.get() < 0)
        return outcome;
    int r;
    do
        r = ::connect(sock.get(), reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    while (r != 0 && errno == EINTR);
    // No listener, or one run by someone else: there is no copy of ours to hand over to.
    if (r != 0 || !PeerIsSameUser(sock.get()))
        return outcome;
    outcome.Found = true;

    ::fcntl(sock.get(), F_SETFL, ::fcntl(sock.get(), F_GETFL) | O_NONBLOCK);
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    qsizetype sent = 0;
    while (sent < message.size()) {
        ssize_t n =
            ::send(sock.get(), message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(sock.get(), POLLOUT, deadline))
            continue;
        return outcome; // declined: the copy went away or stopped reading
    }

    unsigned char reply[4];
    size_t got = 0;
    while (got < sizeof reply) {
        ssize_t n = ::recv(sock.get(), reply + got, sizeof reply - got, 0);
        if (n > 0) {
            got += size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(sock.get(), POLLIN, deadline))
            continue;
        return outcome; // closed or silent for too long: counts as declining
    }
    outcome.Verdict = qFromLittleEndian<quint32>(reply);
    return outcome;
}

InstanceServer::InstanceServer(const QString &socketPath, Handler handler, QObject *parent)
    : QObject(parent), m_path(socketPath), m_handler(std::move(handler)), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnection);
}

InstanceServer::~InstanceServer()
{
    m_server->close(); // removes the socket file
}

bool InstanceServer::Listen()
{
    // A live copy answers a connection; a file left by a copy that crashed does
    // not and is removed (listening would otherwise replace even a live one).
    if (QFile::exists(m_path)) {
        QLocalSocket probe;
        probe.connectToServer(m_path);
        if (probe.waitForConnected(1000))
            return false;
        QLocalServer::removeServer(m_path);
    }
    return m_server->listen(m_path);
}

void InstanceServer::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsSameUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        serve(socket);
    }
}

void InstanceServer::serve(QLocalSocket *socket)
{
    auto reader = std::make_shared<HandOver::MessageReader>();
    auto *timer = new QTimer(socket);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    timer->start(ReceiveTimeoutMs);

    // The handler may show a message box; the socket can go away meanwhile.
    QPointer<QLocalSocket> guard(socket);
    auto onData = [this, guard, reader, timer] {
        if (!guard || reader->state() != HandOver::MessageReader::State::NeedMore)
            return;
        const auto state = reader->Feed(guard->readAll());
        if (state == HandOver::MessageReader::State::NeedMore)
            return;
        timer->stop();
        const quint32 verdict = state == HandOver::MessageReader::State::Complete
                                    ? m_handler(reader->magic(), reader->payload())
                                    : 0;
        if (!guard)
            return;
        char bytes[4];
        qToLittleEndian<quint32>(verdict, bytes);
        guard->write(bytes, 4);
        guard->flush();
        guard->disconnectFromServer();
    };
    connect(socket, &QLocalSocket::readyRead, this, onData);
    if (socket->bytesAvailable() > 0)
        onData();
}

} // namespace Platform
