// Slave commands as mpv's JSON requests, and mpv's JSON lines read into playback state.
#include "OutputRecorder.h"
#include "engine/mpv/MpvCommands.h"
#include "engine/mpv/MpvOutputReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

TEST(MpvCommands, SlaveCommandsBecomeOneJsonRequestOrARefusal)
{
    const struct {
        const char *slave;
        const char *command; // the request's command array
        int id = MpvCommands::CommandId;
    } rows[] = {
        {"pausing_keep seek 10 0", R"(["seek","10","relative"])"},
        {"seek 5.5 2", R"(["seek","5.5","absolute"])"},
        {"volume 80 1", R"(["set","volume","80"])"},
        {"mute 1", R"(["set","mute","yes"])"},
        {"pausing_toggle pause", R"(["cycle","pause"])"},
        {"osd 9", R"(["set","osd-level","3"])"},
        {"switch_audio 2", R"(["set","aid","2"])"},
        {"sub_select 0", R"(["set","sid","1"])"},
        {"sub_select -1", R"(["set","sid","no"])"},
        {R"(sub_load "/m/a b \"q\".srt")", R"(["sub-add","/m/a b \"q\".srt","select"])"},
        // A name that closes the JSON string and adds a request stays one word.
        {"sub_load \"x\\\"]}\n{\\\"command\\\":[\\\"quit\\\"]}\"",
         R"(["sub-add","x\"]}\n{\"command\":[\"quit\"]}","select"])"},
        {"switch_ratio 1.7778", R"(["set","video-aspect-override","1.7778"])"},
        {"speed_set 1.5", R"(["set","speed","1.5"])"},
        {"speed_mult 2", R"(["multiply","speed","2"])"},
        {"screenshot 0", R"(["screenshot","video"])"},
        {"GET_TIME_POS", R"(["get_property","time-pos"])", MpvCommands::AnswerBase},
        {"pausing_keep_force seek", R"(["get_property","pid"])", MpvCommands::ProbeId},
    };
    for (const auto &row : rows) {
        const MpvCommands::Request r = MpvCommands::Translate(row.slave);
        ASSERT_FALSE(r.Line.contains('\n')) << row.slave;
        const QJsonObject o = QJsonDocument::fromJson(r.Line).object();
        EXPECT_EQ(o.value("command").toArray(), QJsonDocument::fromJson(row.command).array()) << row.slave;
        EXPECT_EQ(o.value("request_id").toInt(), row.id) << row.slave;
    }
    for (const char *refused :
         {"", "pausing", "loadfile /etc/passwd", "get_nothing", "volume abc", "volume nan 1", "seek inf",
          "speed_set 1e999", "seek 5 3", "seek 5 1e300", "sub_select x", "sub_load"})
        EXPECT_FALSE(MpvCommands::Translate(refused).Refusal.isEmpty()) << refused;
    EXPECT_EQ(MpvCommands::Raw(" cycle pause ").Line, "cycle pause");
    for (const char *refused : {"", "{\"command\":[\"quit\"]}", "show-text a\nquit", "show-text a\rquit"})
        EXPECT_TRUE(MpvCommands::Raw(refused).Line.isEmpty()) << refused;
}

namespace {
struct MpvReaderTest : ::testing::Test {
    OutputRecorder sink;
    PlaybackState state{sink};
    MpvOutputReader reader{state, sink};
    QStringList Read(const QByteArrayList &lines)
    {
        sink.Calls.clear();
        for (const QByteArray &line : lines)
            reader.ProcessLine(line);
        return sink.Calls;
    }
    static QByteArray Property(const char *name, const QByteArray &data)
    {
        return R"({"event":"property-change","name":")" + QByteArray(name) + R"(","data":)" + data + '}';
    }
};
} // namespace

TEST_F(MpvReaderTest, ARun)
{
    // As mpv 0.35 sends them for a clip with two audio tracks, a subtitle and a subtitle file.
    const QByteArray tracks = R"([{"id":1,"type":"video","albumart":false,"codec":"mpeg4"},
        {"id":1,"type":"audio","title":"Director","lang":"eng","codec":"mp3","selected":true},
        {"id":2,"type":"audio","lang":"fre","codec":"mp3"}, {"id":1,"type":"sub","lang":"ger","codec":"subrip"},
        {"id":2,"type":"sub","external":true,"external-filename":"/m/ext \u0007.srt","codec":"subrip"}])";
    EXPECT_EQ(Read({Property("track-list", tracks)}),
              QStringList({"Track 0 1", "Named English (eng) \u2013 Director [mp3]", "Track 0 2",
                           "Named French (fre) [mp3]", "Track 1 0", "Named German (ger) [subrip]",
                           "Track 1 1", "Named ext  .srt [subrip]"}));
    EXPECT_EQ(Read({Property("video-params", R"({"w":320,"h":240,"dw":427,"dh":240})"),
                    Property("duration", "4000.5"), Property("current-ao", R"("pulse")"),
                    R"({"event":"playback-restart"})", R"({"data":3661.5,"request_id":3,"error":"success"})",
                    Property("track-list", tracks), R"({"data":23651,"request_id":1,"error":"success"})",
                    R"({"request_id":100,"error":"property unavailable"})",
                    R"({"data":12.5,"request_id":100,"error":"success"})"}),
              QStringList({"VideoSized", "Started", "AudioOpened", "Wanted 0",
                           "Status mpv: 1:01:01 / 1:06:40", "Wanted 504", "Answered"}));
    EXPECT_EQ(state.AudioTrackProp.Value, 1); // mpv's choice, once playing
    EXPECT_EQ(state.VideoWidth, 427);
    EXPECT_EQ(state.PositionProp.Value, 3661);
    EXPECT_EQ(sink.Log, QStringList({"ANS_ERROR=property unavailable", "ANS_TIME_POSITION=12.5"}));
}

TEST_F(MpvReaderTest, SoundOnlyAndTags)
{
    const QByteArray title = "T\\u0001i\\ttle" + QByteArray(300, 'x') + "\\nsecond line";
    EXPECT_EQ(
        Read({Property("track-list", R"([{"id":1,"type":"video","albumart":true},{"id":1,"type":"audio"}])"),
              Property("metadata", R"({"TITLE":")" + title + R"(","artist":7,"album":"A"})"),
              Property("metadata", R"({"title":"later"})")}),
        QStringList({"Track 0 1", "Named ", "NoVideo", "Tags"}));
    EXPECT_FALSE(state.HasVideo);
    EXPECT_TRUE(state.Tags.Title.startsWith("Titlexxx") && state.Tags.Title.size() <= 128);
    EXPECT_EQ(state.Tags.Artist + '|' + state.Tags.Album, "|A");
}

TEST_F(MpvReaderTest, EndOfFileReasons)
{
    // The media, mpv's reason and error, and the problem found.
    for (const QStringList &row : {QStringList{"/no/such.avi", "error", "loading failed", "Problem 1"},
                                   {"/", "error", "unrecognized file format", "Problem 2"},
                                   {"http://h/a", "error", "loading failed", "Problem 4"},
                                   {"/", "error", "no audio or video data played", "Problem 6"},
                                   {"/no/such.avi", "eof", "", ""}}) {
        state.MediaURL = row[0].toUtf8();
        const QString line = R"({"event":"end-file","reason":"%1","file_error":"%2"})";
        EXPECT_EQ(Read({line.arg(row[1], row[2]).toUtf8()}).join(""), row[3]) << row[2].toStdString();
    }
}

TEST_F(MpvReaderTest, HostileLines)
{
    // Numbers out of range, of the wrong kind, or no JSON object at all.
    const QStringList calls = Read(
        {"", "not json", "[1,2]", "\"text\"", "{\"event\":", QByteArray(10000, '['),
         "{" + QByteArray(MpvOutputReader::MaxLineBytes, ' ') + "}", R"({"request_id":1e300,"error":"x"})",
         R"({"request_id":1.5,"error":"x"})", Property("video-params", R"({"dw":-5,"dh":1e9})"),
         Property("track-list",
                  R"([{"id":-3,"type":"sub"},{"id":1e30,"type":"sub"},{"id":"1","type":"audio"},1])")});
    EXPECT_EQ(calls, QStringList());
    EXPECT_EQ(sink.Log.filter("unreadable").size(), 5); // a few, not one a line
}
