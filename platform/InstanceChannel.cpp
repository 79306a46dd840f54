#include "platform/InstanceChannel.h"

#include "platform/HandOver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace Platform {

namespace {

// A folder only this user can change: a real folder (not a link), ours, and
// writable by nobody else.
bool folderIsOurs(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 022) == 0;
}

QString privateFolder(const QString &uid)
{
    QString dir = QDir::tempPath() + QStringLiteral("/zorvi-") + uid;
    const QByteArray name = QFile::encodeName(dir);
    ::mkdir(name.constData(), 0700);
    // One left by an earlier run keeps serving once it is 0700 again; a link,
    // a file or someone else's folder is refused when listening.
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
        (st.st_mode & 0777) != 0700)
        ::chmod(name.constData(), 0700);
    return dir;
}

} // namespace

QString InstanceSocketPath()
{
    const QString uid = QString::number(::getuid());
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!dir.startsWith(QLatin1Char('/')) || !folderIsOurs(dir))
        dir = privateFolder(uid);
    return dir + QStringLiteral("/Zorvi.Main.") + uid;
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

ListenOutcome InstanceServer::Listen()
{
    const QString off = QStringLiteral("Single instance is off: ");
    const QByteArray name = QFile::encodeName(m_path);
    if (name.size() >= qsizetype(sizeof sockaddr_un{}.sun_path))
        return {ListenResult::PathTooLong,
                off + QStringLiteral("the path is too long for a local socket: ") + m_path};
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!folderIsOurs(folder))
        return {ListenResult::NotOurs,
                off + folder + QStringLiteral(" is not a private folder of this user")};
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0) {
        const QString foreign = off + m_path + QStringLiteral(" belongs to another user");
        if (st.st_uid != ::getuid())
            return {ListenResult::NotOurs, foreign};
        // A live copy answers a connection; a file left by a copy that crashed
        // does not and is removed (listening would otherwise replace even a live one).
        QLocalSocket probe;
        probe.connectToServer(m_path);
        if (probe.waitForConnected(1000)) {
            if (!PeerIsSameUser(probe.socketDescriptor()))
                return {ListenResult::NotOurs, foreign};
            return {ListenResult::AnotherCopy, QStringLiteral("Another copy listens on ") + m_path};
        }
        QLocalServer::removeServer(m_path);
    }
    if (!m_server->listen(m_path))
        return {ListenResult::Failed, off + QStringLiteral("cannot listen on ") + m_path +
                                          QStringLiteral(": ") + m_server->errorString()};
    return {ListenResult::Listening, {}};
}

void InstanceServer::acceptConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Whatever happens to the connection, it goes after the receive time.
        QTimer::singleShot(ReceiveTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        if (!PeerIsSameUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
        } else if (m_reading >= MaxConnections) {
            answer(socket, 0);
        } else {
            serve(socket);
        }
    }
}

void InstanceServer::answer(QLocalSocket *socket, quint32 verdict)
{
    char bytes[4];
    qToLittleEndian<quint32>(verdict, bytes);
    socket->write(bytes, 4);
    socket->flush();
    socket->disconnectFromServer();
}

namespace {
struct Connection {
    HandOver::MessageReader Reader;
    qint64 Reserved = -1; // payload bytes counted against the total; -1 before the header
    bool Done = false;    // answered or handed to the handler: later bytes are ignored
};
constexpr qint64 ReadChunk = qint64(64) * 1024;
} // namespace

void InstanceServer::serve(QLocalSocket *socket)
{
    using State = HandOver::MessageReader::State;
    auto conn = std::make_shared<Connection>();
    ++m_reading;
    connect(socket, &QObject::destroyed, this, [this, conn] {
        --m_reading;
        m_reserved -= std::max<qint64>(conn->Reserved, 0);
    });
    socket->setReadBufferSize(ReadChunk);

    QPointer<QLocalSocket> guard(socket);
    auto onData = [this, guard, conn] {
        if (!guard || conn->Done)
            return;
        State state = conn->Reader.Feed(guard->readAll());
        if (conn->Reserved < 0 && conn->Reader.size() && state != State::Refused) {
            const qint64 size = *conn->Reader.size();
            if (m_reserved + size > MaxBufferedBytes) {
                state = State::Refused;
            } else {
                conn->Reserved = size;
                m_reserved += size;
            }
        }
        if (state == State::NeedMore)
            return;
        conn->Done = true;
        if (state == State::Refused) {
            conn->Reader = {};
            answer(guard, 0);
            return;
        }
        // The handler runs from the event loop, outside this socket's signal,
        // and the verdict goes out as soon as it returns.
        QMetaObject::invokeMethod(
            this,
            [this, guard, conn] {
                const quint32 verdict = m_handler(conn->Reader.magic(), conn->Reader.payload());
                conn->Reader = {};
                if (guard)
                    answer(guard, verdict);
            },
            Qt::QueuedConnection);
    };
    connect(socket, &QLocalSocket::readyRead, this, onData);
    if (socket->bytesAvailable() > 0)
        onData();
}

} // namespace Platform
