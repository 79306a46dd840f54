// The real program while it asks whether to kill an engine left behind: a
// flood of clients that send garbage and vanish, a second start, a hang-up.
#include "platform/HandOver.h"
#include "platform/InstanceChannel.h"

TEST(HandOverFaults, BoxesWaitForTheEventLoopAndSignalsEndInOrder)
{
    QTemporaryDir dir; // the program's folder and its runtime folder
    QFile::copy(qEnvironmentVariable("ZORVI_BUILD_DIR") + "/bin/zorvi", dir.filePath("zorvi"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    // An engine left by a copy that is gone: a start in verbose mode asks whether to kill it.
    // (No process id reaches 2^31 - 1.)
    QProcess left, zorvi, second;
    QFile::copy("/bin/sleep", dir.filePath("mplayer"));
    left.setEnvironment(QProcess::systemEnvironment() << "ZORVI_ENGINE_OWNER=2147483647");
    left.start(dir.filePath("mplayer"), {"600"});
    zorvi.start(dir.filePath("zorvi"), {"-v", "x.avi"});
    ASSERT_EQ(VisibleWindows(zorvi.processId(), 1, "mplayer instance detected"), 1);

    // A thousand clients send a wrong magic number and are gone before the answer: one error box.
    const QByteArray bad = HandOver::EncodeMessage(0xDA1F1DAA, HandOver::EncodePayload({"x.avi"}));
    for (int i = 0; i < 1000; ++i)
        Platform::SendToInstance(Platform::InstanceSocketPath(), bad, 0);
    EXPECT_EQ(VisibleWindows(zorvi.processId(), 2), 2);
    second.start(dir.filePath("zorvi"), {"y.avi"}); // answered while both boxes are open
    EXPECT_TRUE(second.waitForFinished(20000) && second.exitCode() == 0);

    ::kill(pid_t(zorvi.processId()), SIGHUP);
    ASSERT_TRUE(zorvi.waitForFinished(15000));
    EXPECT_EQ(zorvi.exitStatus(), QProcess::NormalExit);
    // The first exit without zorvi.ini writes the last session only; "-v" showed where.
    const QByteArray ini = ReadFile(dir.filePath("zorvi.ini"));
    EXPECT_TRUE(ini.startsWith("[LastSession]\nCompact=0\n") && ini.count('[') == 1) << ini.constData();
    EXPECT_TRUE(
        zorvi.readAllStandardError().contains("$|Settings: " + QFile::encodeName(dir.filePath("zorvi.ini"))));
    EXPECT_FALSE(left.waitForFinished(100)); // never killed unasked
    left.kill(), left.waitForFinished();
}
