#include "engine/CommandQueue.h"

namespace {
QString Quoted(const QByteArray &text)
{
    return u'"' + QString::fromUtf8(text) + u'"';
}
} // namespace

CommandQueue::CommandQueue(Writer send, Logger log) : m_send(std::move(send)), m_log(std::move(log)) {}

QByteArray CommandQueue::Key(const QByteArray &text)
{
    const qsizetype space = text.indexOf(' ');
    return space < 0 ? text : text.left(space + 1);
}

void CommandQueue::Post(const QByteArray &text, bool absolute)
{
    if (m_idle) {
        m_idle = false;
        m_inFlight = text;
        m_send(text);
        m_send("seek");
        return;
    }
    const QByteArray key = Key(text);
    for (qsizetype i = 0; i < m_waiting.size(); ++i) {
        if (m_waiting[i].startsWith(key)) {
            m_log(QStringLiteral("$|Replacing: ") + Quoted(m_waiting[i]) + QStringLiteral(" by ") +
                  Quoted(text));
            m_waiting[i] = text;
            m_absolute[i] = absolute;
            return;
        }
    }
    m_log(QStringLiteral("$|Queueing: ") + Quoted(text));
    m_waiting.append(text);
    m_absolute.append(absolute);
}

void CommandQueue::Acknowledge(std::uint64_t nowMs)
{
    m_idle = true;
    m_log(QStringLiteral("$|CommandQueue feedback"));
    // A burst that went back and forth, or ran into the end, may leave
    // waiting the very value the engine has just been given.
    while (!m_waiting.isEmpty() && m_absolute.first() && m_waiting.first() == m_inFlight) {
        m_waiting.removeFirst();
        m_absolute.removeFirst();
    }
    if (m_waiting.isEmpty()) {
        m_seekEnd = nowMs + SeekSettleMs;
        return;
    }
    m_absolute.removeFirst();
    Post(m_waiting.takeFirst());
}

void CommandQueue::Reset()
{
    m_waiting.clear();
    m_absolute.clear();
    m_inFlight.clear();
    m_idle = false;
}
