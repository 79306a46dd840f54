// Reading the engine's output: lines cut from chunks, over-long lines, floods, paced reads.
#include "ProcessFixture.h"
#include "engine/mplayer/MPOutProcessor.h"
#include "engine/mplayer/StatusPace.h"

#include <QRegularExpression>

namespace {

// The peak resident size of this process, in MiB.
long PeakMiB()
{
    const QByteArray text = ReadFile(QStringLiteral("/proc/self/status"));
    return text.mid(text.indexOf("VmHWM:") + 6).trimmed().split(' ').first().toLong() / 1024;
}
} // namespace

TEST(OutProcessor, CutsChunksIntoLinesAndOverLongOnesShort)
{
    const QByteArray x(TMPOutProcessor::MaxLineBytes, 'x');
    const struct {
        QByteArrayList chunks;
        QByteArrayList lines;
        QByteArray tail;
        int cut;
    } rows[] = {
        {{"one\ntwo\r\nthree"}, {"one", "two"}, "three", 0},
        {{"A:   1.0\rA:   2.0\r", "A:   3.0\r"}, {"A:   1.0", "A:   2.0", "A:   3.0"}, "", 0},
        {{"Star", "ting play", "back...\n"}, {"Starting playback..."}, "", 0},
        {{"\r\n\n\r"}, {}, "", 0},
        {{QByteArray("ab\0cd\n", 6)}, {"abcd"}, "", 0},
        {{QByteArray("\0\0x\0y\r", 6)}, {"xy"}, "", 0},
        {{x + "yyy\nStarting playback...\n"}, {x, "Starting playback..."}, "", 1},
        {{x.left(5000), x.mid(5000) + "y", "yy\rA:   1.0\r"}, {x, "A:   1.0"}, "", 1},
        {{x + "\n" + x + "\n"}, {x, x}, "", 0}, // exactly as long as allowed
        {{x + "y\n", x + "y\n"}, {x, x}, "", 2},
    };
    for (const auto &row : rows) {
        TMPOutProcessor cutter;
        QByteArrayList lines;
        for (const QByteArray &chunk : row.chunks)
            cutter.Feed(chunk, lines);
        EXPECT_EQ(lines, row.lines) << row.chunks.join('|').left(60).toStdString();
        EXPECT_EQ(cutter.TakeTail(), row.tail);
        EXPECT_EQ(cutter.TakeCutCount(), row.cut);
    }
}

TEST(StatusPace, SecondsOfLinesAndWhenTheSecondCanTurn)
{
    EXPECT_DOUBLE_EQ(StatusPace::LineSeconds("A:  12.3 V:  12.3 A-V:  0.000").value_or(0), 12.3);
    EXPECT_DOUBLE_EQ(StatusPace::LineSeconds("V:1234.56 ...").value_or(0), 1234.56);
    EXPECT_DOUBLE_EQ(StatusPace::LineSeconds("A:  -0.1 V: 0.0").value_or(0), -0.1);
    EXPECT_FALSE(StatusPace::LineSeconds("A: ??? V:"));
    StatusPace pace;
    const struct {
        StatusPace::Read read; // now, last, first, lines, lines in its second, bytes, since
        int wait;
    } steps[] = {
        {{1000, 12.3, 12.3, 1, 1, 80, 40}, 651},     // a line alone: 13 shows from 12.95
        {{1651, 13.0, 12.4, 16, 3, 1300, 651}, 906}, // turned 2.5 frames ago: one second on
        {{2557, 13.9, 13.1, 21, 21, 1700, 906}, -1}, // not turned: its line is the next one
        {{2567, 13.9, 13.9, 1, 1, 80, 10}, 51},      // still not: from the line again
        {{2618, 14.0, 14.0, 1, 1, 80, 51}, 986},     //
        {{3604, 14.9, 14.9, 1, 1, 80, 986}, -1},     //
        {{3614, 15.0, 15.0, 1, 1, 80, 10}, 1006},    // turned just now
        {{4620, 16.0, 15.9, 2, 1, 16000, 100}, 102}, // fast output: read before the pipe fills
        {{4621, 16.1, 16.1, 1, 1, 8000, 0}, -1},     // flooding: read at once
    };
    for (const auto &step : steps)
        EXPECT_EQ(pace.NextReadIn(step.read, 16384), step.wait) << step.read.NowMs;
}

using OutputReading = ProcessFixture;

TEST_F(OutputReading, FloodsKeepTheirBoundsAndEventsFlow)
{
    // 50 MB on one line, a line that must still be read, endless status lines.
    const long peakBefore = PeakMiB();
    Play("flood 52428800 x\nsay\n" + kStart + "flood 0 A:   1.0 V:   1.0\\r\n");
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing, 30000));
    bool timerRan = false;
    QTimer::singleShot(10, [&] { timerRan = true; });
    EXPECT_TRUE(WaitFor([&] { return timerRan; }, 10000)); // the loop is not starved
    EXPECT_EQ(host.Status, "A:   1.0 V:   1.0");
    core->QuitAndWait(); // the engine never reads "quit": killed
    EXPECT_TRUE(WaitEnded());

    EXPECT_EQ(host.Log.filter(QRegularExpression("^x+$")),
              QStringList{QString(TMPOutProcessor::MaxLineBytes, u'x')});
    EXPECT_TRUE(host.Log.contains("Engine output line longer than 8192 bytes: the rest of it was dropped"));
    EXPECT_LT(PeakMiB() - peakBefore, 100);
}
