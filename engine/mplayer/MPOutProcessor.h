#pragma once
// Cuts the engine's output into lines. Chunks arrive as the pipe delivers them;
// a line ends at CR or LF (status lines end in CR only), empty lines are
// dropped and an incomplete tail waits for the next chunk. A line is kept up
// to MaxLineBytes: an engine that writes without line breaks must not grow
// the pending text without bound, so the rest of such a line is dropped.
#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <utility>

class TMPOutProcessor {
public:
    // Longer than any line the engine writes (a path may take 4096 bytes).
    static constexpr qsizetype MaxLineBytes = 8192;

    // Appends the complete lines of `chunk` (joined with the kept tail) to `lines`.
    // Zero bytes are dropped one by one; the text after them is kept. A line
    // that reaches MaxLineBytes is handed out cut there.
    void Feed(QByteArrayView chunk, QByteArrayList &lines);
    // The incomplete last line, if any, handed out when the output has ended.
    QByteArray TakeTail();
    // The number of lines cut since the last call.
    int TakeCutCount() { return std::exchange(m_cut, 0); }
    void Reset();

private:
    QByteArray m_pending;
    bool m_dropping = false; // the current line was cut: skip to its end
    int m_cut = 0;
};
