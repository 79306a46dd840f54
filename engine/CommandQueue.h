#pragma once
// The engine runs slave commands at its own pace, so a burst of seeks from the
// mouse would play out long after the user stopped. At most one posted command
// is in flight: each goes out followed by a bare "seek", a probe the engine
// answers with an error line, and that answer releases the next command. A
// waiting command of the same kind is replaced by the newer one; commands
// carry absolute targets, so nothing but the superseded step is lost.
#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <cstdint>
#include <functional>

class CommandQueue {
public:
    static constexpr std::uint64_t NeverMs = UINT64_MAX;
    // Seeking ends this long after the last acknowledgement.
    static constexpr int SeekSettleMs = 500;

    using Writer = std::function<void(const QByteArray &text)>;
    using Logger = std::function<void(const QString &text)>;
    // `send` writes one command now; `log` receives the verbose diagnostics.
    CommandQueue(Writer send, Logger log);

    // Sends at once, with the probe, when idle; otherwise waits, replacing a
    // waiting command of the same key. An `absolute` command sets a value
    // outright, so when it is the very command in flight it is not sent again
    // (a seek would jump back to where the engine has just gone).
    void Post(const QByteArray &text, bool absolute = false);
    // The engine answered the probe.
    void Acknowledge(std::uint64_t nowMs);
    // A new run: empty, and busy until playback has started.
    void Reset();
    // A seek is in flight: the Seeking status lasts until the queue has drained.
    void HoldSeeking() { m_seekEnd = NeverMs; }

    bool IsIdle() const { return m_idle; }
    const QByteArrayList &Waiting() const { return m_waiting; }
    std::uint64_t SeekEndTime() const { return m_seekEnd; }

    // The text up to and including its first space, or all of it.
    static QByteArray Key(const QByteArray &text);

private:
    Writer m_send;
    Logger m_log;
    QByteArrayList m_waiting;
    QList<bool> m_absolute; // beside m_waiting
    QByteArray m_inFlight;
    bool m_idle = true;
    std::uint64_t m_seekEnd = 0;
};
