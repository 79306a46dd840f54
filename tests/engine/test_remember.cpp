// Speed steps, and what the link remembers between runs: where long media
// stopped (and going on from there), and the media opened.
#include "EngineFixture.h"
#include "settings/StateList.h"

namespace {
class RememberTest : public EngineFixture {
protected:
    QTemporaryDir dir;
    QString media;
    void SetUp() override
    {
        EngineFixture::SetUp();
        settings.Options.MuteOnPauseSeek = false;
        settings.Options.ResumeMinLength = 60;
        core.RememberIn({dir.filePath("positions"), dir.filePath("recent"), false});
        media = dir.filePath("long clip.avi");
        WriteFile(media, "0123456789");
    }
    // Opens the clip (length seconds) and plays it to `at`; the link's writes from the start on.
    QByteArray PlayTo(int length, int at)
    {
        Open(EntryKind::File, media);
        written.clear();
        Lines({"ID_LENGTH=" + QByteArray::number(length), "Starting playback...", kProbeAnswer});
        const QByteArray start = Written();
        Lines({"A: " + QByteArray::number(at) + ".0 V: 0.0 A-V: 0.0"});
        return start;
    }
    void Stop() { core.ExecuteCommand("stop"), core.HandlePendingOutput(); }
    QList<StateList::Entry> Positions() const { return StateList(dir.filePath("positions"), 300).Entries(); }
};
} // namespace

TEST_F(RememberTest, SpeedStepsThroughTheMenuSpeedsWithinBounds)
{
    StartPlaying();
    const struct {
        const char *command;
        float speed;
    } rows[] = {{"speed_up", 1.25f},     {"speed_up", 1.5f},   {"speed_up", 2},
                {"speed_up", 2},         {"speed_down", 1.5f}, {"speed_normal", 1},
                {"speed_down", 0.75f},   {"speed_down", 0.5f}, {"speed_down", 0.5f},
                {"speed_set 1.1", 1.1f}, {"speed_up", 1.25f},  {"speed_set 9", 4},
                {"speed_mult 0.5", 2},   {"speed_set -1", 2},  {"speed_incr -0.5", 1.5f}};
    for (const auto &row : rows) {
        written.clear();
        core.ExecuteCommand(QString::fromLatin1(row.command));
        EXPECT_FLOAT_EQ(state.Speed, row.speed) << row.command;
        const bool refused = QByteArray(row.command) == "speed_set -1";
        EXPECT_EQ(Written(), refused ? "" : "speed_set " + QByteArray::number(row.speed) + '\n')
            << row.command;
    }
}

TEST_F(RememberTest, LongMediaResumeWhereTheyStoppedAndOnlyThere)
{
    PlayTo(100, 40);
    Stop();
    ASSERT_EQ(Positions().value(0).Value, "40");
    EXPECT_TRUE(Positions()[0].Key.endsWith(media.toUtf8() + '"')) << Positions()[0].Key.toStdString();
    EXPECT_EQ(StateList(dir.filePath("recent"), 10).Entries(),
              (QList<StateList::Entry>{{media.toUtf8(), "2"}}));

    // The next open goes on there, says so, and "restart" goes back to 0 for good.
    host.Calls.clear();
    EXPECT_TRUE(PlayTo(100, 41).contains("seek 40 2\n"));
    EXPECT_TRUE(host.Calls.contains("ShowNote 1 00:40")) << host.Calls.join('|').toStdString();
    core.ExecuteCommand("restart");
    EXPECT_TRUE(Positions().isEmpty());

    const struct {
        int length, at;
        bool stop, remembered;
    } rows[] = {
        {100, 50, true, true},   // stopped midway
        {100, 97, true, false},  // stopped at the very end
        {100, 3, true, false},   // stopped at the very start
        {59, 30, true, false},   // too short to resume
        {100, 50, false, false}, // played to its end
    };
    for (const auto &row : rows) {
        PlayTo(100, 50);
        Stop(); // a position to forget, or to keep when the row stops too short
        PlayTo(row.length, row.at);
        row.stop ? Stop() : End(0);
        const bool kept = !Positions().isEmpty() && Positions()[0].Value == QByteArray::number(row.at);
        EXPECT_EQ(kept, row.remembered) << row.length << " " << row.at;
    }
    settings.Options.Resume = false;
    PlayTo(100, 50);
    Stop();
    EXPECT_NE(Positions().value(0).Value, "50");
}
