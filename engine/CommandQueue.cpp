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

void CommandQueue::Post(const QByteArray &text)
{
    if (m_idle) {
        m_idle = false;
        m_send(text);
        m_send("seek");
        return;
    }
    const QByteArray key = Key(text);
    for (QByteArray &waiting : m_waiting) {
        if (waiting.startsWith(key)) {
            m_log(QStringLiteral("$|Replacing: ") + Quoted(waiting) + QStringLiteral(" by ") + Quoted(text));
            waiting = text;
            return;
        }
    }
    m_log(QStringLiteral("$|Queueing: ") + Quoted(text));
    m_waiting.append(text);
}

void CommandQueue::Acknowledge(std::uint64_t nowMs)
{
    m_idle = true;
    m_log(QStringLiteral("$|CommandQueue feedback"));
    if (m_waiting.isEmpty())
        m_seekEnd = nowMs + SeekSettleMs;
    else
        Post(m_waiting.takeFirst());
}

void CommandQueue::Reset()
{
    m_waiting.clear();
    m_idle = false;
}
