#include "engine/MPOutProcessor.h"

void TMPOutProcessor::Feed(const QByteArray &chunk, QByteArrayList &lines)
{
    for (char c : chunk) {
        if (c == '\n' || c == '\r') {
            if (!m_pending.isEmpty()) {
                lines.append(m_pending);
                m_pending.clear();
            }
        } else if (c != '\0') {
            m_pending.append(c);
        }
    }
}

QByteArray TMPOutProcessor::TakeTail()
{
    QByteArray tail = m_pending;
    m_pending.clear();
    return tail;
}
