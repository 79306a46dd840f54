#pragma once
// Cuts the engine's output into lines. Chunks arrive as the pipe delivers them;
// a line ends at CR or LF (status lines end in CR only), empty lines are
// dropped and an incomplete tail waits for the next chunk.
#include <QByteArray>
#include <QByteArrayList>

class TMPOutProcessor {
public:
    // Appends the complete lines of `chunk` (joined with the kept tail) to `lines`.
    // Zero bytes are dropped one by one; the text after them is kept.
    void Feed(const QByteArray &chunk, QByteArrayList &lines);
    // The incomplete last line, if any, handed out when the output has ended.
    QByteArray TakeTail();
    void Reset() { m_pending.clear(); }

private:
    QByteArray m_pending;
};
