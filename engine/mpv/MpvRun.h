#pragma once
// One run of mpv: the process, and the control socket it opens in our
// private folder (named by its --input-ipc-server argument). Requests
// written before the socket is there wait for it; the socket's lines are
// posted to the receiver as EngineLineMessages, in order, and the end of
// the run behind the last of them.
//
// A run whose socket does not appear within SocketWaitMs, or whose socket
// closes while mpv goes on, is ended: mpv cannot be driven without it.
// One wake-up reads at most SliceBytes, so a flood of events cannot starve
// the window; a line is kept up to MaxLineBytes (a track list of many
// tracks is long) and the rest of a longer one dropped.
#include "engine/EngineRun.h"

#include <QObject>

class QLocalSocket;
class QProcess;
class QTimer;

class MpvRun : public QObject, public EngineRun {
    Q_OBJECT
public:
    static constexpr int SliceBytes = 65536;
    static constexpr qsizetype MaxLineBytes = 1 << 20;
    static constexpr int SocketWaitMs = 10000;
    // What the socket may still hold when mpv has gone.
    static constexpr int FinalBytes = 4 << 20;

    MpvRun(quint64 run, QObject *receiver);
    ~MpvRun() override;
    static EngineRunFactory Factory();
    // How long Start's socket is waited for (SocketWaitMs unless set before Start).
    void SetSocketWait(int ms) { m_socketWaitMs = ms; }

    bool Start(const QString &program, const QStringList &arguments, const QString &workingDir,
               int &errorCode) override;
    void Write(const QByteArray &bytes) override;
    bool WaitForEnd(int ms) override;
    void Kill() override;
    qint64 ProcessId() const override;
    bool HasEnded() const override { return m_ended; }
    void ReadAtOnce() override {}

private:
    void TryConnect();
    void OnConnected();
    void OnDisconnected();
    // Reads up to `limit` bytes and posts their lines; false when nothing was there.
    bool ReadSocket(qint64 limit);
    void OnReadable();
    void Note(const QString &text);
    void Finished(int exitCode, int exitStatus);

    quint64 m_run;
    QObject *m_receiver;
    QProcess *m_process;
    QLocalSocket *m_socket;
    QTimer *m_connectTimer;
    QString m_socketPath;
    QByteArray m_waiting; // requests written before the socket was there
    QByteArray m_partial; // the start of a line still being read
    bool m_dropping = false;
    int m_cut = 0;
    int m_socketWaitMs = SocketWaitMs;
    qint64 m_connectDeadline = 0;
    bool m_readQueued = false;
    bool m_ended = false;
};
