#include "engine/mplayer/MPOutProcessor.h"

namespace {
bool IsStop(char c)
{
    return c == '\n' || c == '\r' || c == '\0';
}
} // namespace

void TMPOutProcessor::Feed(QByteArrayView chunk, QByteArrayList &lines)
{
    const char *p = chunk.data();
    const char *const end = p + chunk.size();
    while (p < end) {
        // Text runs are appended whole; only the stops are looked at alone.
        const char *stop = p;
        while (stop < end && !IsStop(*stop))
            ++stop;
        if (!m_dropping) {
            const qsizetype room = MaxLineBytes - m_pending.size();
            if (stop - p > room) {
                m_pending.append(p, room);
                lines.append(std::exchange(m_pending, QByteArray()));
                m_dropping = true;
                ++m_cut;
            } else {
                m_pending.append(p, stop - p);
            }
        }
        if (stop == end)
            break;
        if (*stop != '\0') {
            if (!m_pending.isEmpty())
                lines.append(std::exchange(m_pending, QByteArray()));
            m_dropping = false;
        }
        p = stop + 1;
    }
}

QByteArray TMPOutProcessor::TakeTail()
{
    m_dropping = false;
    return std::exchange(m_pending, QByteArray());
}

void TMPOutProcessor::Reset()
{
    m_pending.clear();
    m_dropping = false;
    m_cut = 0;
}
