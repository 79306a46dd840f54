// Engine output as any engine (or anything in its place) may write it: cut
// into lines in pieces of the sizes the first bytes choose, then read by the
// output parser in a run of any kind of entry, first run or later. The parser
// must stay inside its lines, keep the track lists it reported, and make disc
// titles only in a disc's run and only from the disc entry and a number.
#include "engine/PlaybackState.h"
#include "engine/mplayer/MPOutProcessor.h"
#include "engine/mplayer/MPlayerOutputParser.h"

#include <cstdint>
#include <cstdlib>

namespace {
const QByteArray kDisc = "-dvd-device /dev/sr0 dvd://";

struct Sink : CommandSink, OutputSink {
    void SendCommand(const QByteArray &) override {}
    void PostCommand(const QByteArray &) override {}
    void PostAbsolute(const QByteArray &) override {}
    QList<int> Audio, Subtitles;
    int Titles = 0;
    void LogLine(const QString &) override {}
    void ShowStatusLine(const QString &) override {}
    void CommandAnswered() override {}
    void PlaybackStarted() override {}
    void AudioOpened() override {}
    void VideoSized() override {}
    void NoVideo() override {}
    void TrackAdded(TrackMenu menu, int id) override
    {
        (menu == TrackMenu::Audio ? Audio : Subtitles).append(id);
    }
    void TrackNamed(TrackMenu, int, const QString &name) override
    {
        if (name.size() > 64 || name.contains(u'\n'))
            std::abort();
    }
    void DiscTitleFound(const TPlItem &title) override
    {
        const auto number = title.Path.mid(kDisc.size()).toInt();
        if (!title.Path.startsWith(kDisc) || number < 1 || number > 99 ||
            title.Path != kDisc + QByteArray::number(number))
            std::abort();
        ++Titles;
    }
    void DiscIdentified() override {}
    void ProblemFound(EngineProblem) override {}
    void TagsRead() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    Sink sink;
    PlaybackState state(sink);
    MPlayerOutputParser parser(state, sink);
    state.OpenMode = EntryKind(1 + data[0] % 5);
    state.FirstOpen = !(data[0] & 0x80); // later runs read no identification
    state.Status = PlaybackStatus::Opening;
    parser.BeginRun(state.OpenMode == EntryKind::DVD ? kDisc : QByteArray(), (data[0] >> 4) & 3);
    const int piece = 1 + data[1] % 64;

    TMPOutProcessor cutter;
    QByteArrayList lines;
    for (size_t at = 2; at < size; at += piece) {
        const size_t n = std::min<size_t>(piece, size - at);
        cutter.Feed(QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(n)), lines);
    }
    lines.append(cutter.TakeTail());
    for (const QByteArray &line : lines) {
        if (line.contains('\n') || line.contains('\r') || line.contains('\0'))
            std::abort();
        parser.ProcessLine(line);
    }
    if (state.AudioTrackIds != sink.Audio || state.SubtitleTrackIds != sink.Subtitles ||
        (sink.Titles > 0 && state.OpenMode != EntryKind::DVD) || state.Tags.Title.size() > 128)
        std::abort();
    return 0;
}
