#pragma once
// When to read the engine's output while it writes nothing but status lines.
// It writes one for every frame, yet the window shows whole seconds only, and
// every wake-up of the event loop costs far more than the lines it reads. So
// the output is read when the second can next turn: at the time the last
// turn predicts (or, before one was seen, the last line), and once more as
// soon as output comes if the second has not turned yet.
#include <QByteArrayView>
#include <cstdint>
#include <optional>

class StatusPace {
public:
    // A prediction is made this much late, so the line is there when we look.
    static constexpr int MarginMs = 1;
    static constexpr int DefaultFrameMs = 40;

    // The seconds of a status line ("A:  12.34 V: ..." or "V:  12.34 ..."),
    // fraction included; none when the line has no number there.
    static std::optional<double> LineSeconds(QByteArrayView line);

    struct Read {
        std::uint64_t NowMs;
        double Seconds;      // of the last status line read
        double FirstSeconds; // of the first status line of the same read
        int Lines;           // status lines read
        int LinesInSecond;   // of them, those at the last one's whole second
        qint64 Bytes;        // read this time
        qint64 SinceMs;      // since the read before, whatever it held
    };
    // After a read that held only status lines: milliseconds until the next
    // read, or -1 to read as soon as output comes.
    int NextReadIn(const Read &read, int sliceBytes);
    // Any other line, or a command: predictions start afresh.
    void Reset();

    int FrameMs() const { return m_frameMs; }

private:
    long long m_target = -1;     // the second the pending read waits for
    long long m_lastSecond = -1; // shown by the last line of the last read
    bool m_retried = false;
    int m_frameMs = DefaultFrameMs;
};
