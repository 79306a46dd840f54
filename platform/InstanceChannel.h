#pragma once
// The channel through which a second start hands its arguments to the running
// copy: a local socket named "Zorvi.Main." plus the user id in the user's
// runtime folder, usable by that user only (file mode, and the peer's user id
// checked on both ends).
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace Platform {

// $XDG_RUNTIME_DIR/Zorvi.Main.<uid> when that folder is this user's alone;
// otherwise Zorvi.Main.<uid> in <temp>/zorvi-<uid>, a folder made for this
// user with mode 0700 (a shared /tmp would let anyone take the name first).
QString InstanceSocketPath();

enum class ListenResult { Listening, AnotherCopy, NotOurs, PathTooLong, Failed };

struct ListenOutcome {
    ListenResult Result = ListenResult::Failed;
    QString Message; // the reason for the log, empty when listening
    explicit operator bool() const { return Result == ListenResult::Listening; }
};

struct SendOutcome {
    bool Found = false;  // a copy of this user was listening
    quint32 Verdict = 0; // its answer; 0 also when it did not answer in time
};

// Sends one message (HandOver::EncodeMessage) and waits for the verdict.
// Works before the application object exists.
SendOutcome SendToInstance(const QString &socketPath, const QByteArray &message, int timeoutMs = 10000);

class InstanceServer : public QObject {
    Q_OBJECT
public:
    // Called on the owning thread for each complete message; returns the verdict.
    using Handler = std::function<quint32(quint32 magic, const QByteArray &payload)>;

    InstanceServer(const QString &socketPath, Handler handler, QObject *parent = nullptr);
    ~InstanceServer() override;

    // Starts listening; a socket file nobody listens on is removed first.
    // Refused when another copy listens there, when the folder or the socket
    // belongs to someone else, or when the path does not fit a local socket.
    ListenOutcome Listen();
    const QString &SocketPath() const { return m_path; }

    // Milliseconds a connection may take to deliver its message.
    static constexpr int ReceiveTimeoutMs = 10000;
    // Connections read at once, and the payload bytes they may announce in
    // total; connections beyond either are answered 0 at once.
    static constexpr int MaxConnections = 32;
    static constexpr qint64 MaxBufferedBytes = qint64(32) * 1024 * 1024;

private:
    void acceptConnection();
    void serve(QLocalSocket *socket);
    void answer(QLocalSocket *socket, quint32 verdict);

    QString m_path;
    Handler m_handler;
    QLocalServer *m_server;
    int m_reading = 0;
    qint64 m_reserved = 0;
};

// Whether the process at the other end of a connected local socket runs as this user.
bool PeerIsSameUser(qintptr socketDescriptor);

} // namespace Platform
