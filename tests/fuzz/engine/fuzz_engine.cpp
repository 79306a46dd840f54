// Engine output as any engine (or anything in its place) may write it: cut
// into lines in pieces of the sizes the first bytes choose, then read by the
// output parser in a run of any kind of entry, first run or later. The parser
// must stay inside its lines, keep the track lists it reported, and make disc
// titles only in a disc's run and only from the disc entry and a number.
#include "../../engine/OutputRecorder.h"
#include "../FuzzTarget.h"
#include "engine/mplayer/MPOutProcessor.h"
#include "engine/mplayer/MPlayerOutputParser.h"

namespace {
const QByteArray kDisc = "-dvd-device /dev/sr0 dvd://";

bool IsDiscTitle(const QByteArray &path)
{
    const int number = path.mid(kDisc.size()).toInt();
    return path.startsWith(kDisc) && number >= 1 && number <= 99 &&
           path == kDisc + QByteArray::number(number);
}
} // namespace

ZORVI_FUZZ_TARGET(bytes)
{
    if (bytes.size() < 2)
        return 0;
    const auto first = uint8_t(bytes[0]);
    OutputRecorder sink;
    PlaybackState state(sink);
    MPlayerOutputParser parser(state, sink);
    state.OpenMode = EntryKind(1 + first % 5);
    state.FirstOpen = !(first & 0x80); // later runs read no identification
    state.Status = PlaybackStatus::Opening;
    parser.BeginRun(state.OpenMode == EntryKind::DVD ? kDisc : QByteArray(), (first >> 4) & 3);
    const int piece = 1 + uint8_t(bytes[1]) % 64;

    TMPOutProcessor cutter;
    QByteArrayList lines;
    for (qsizetype at = 2; at < bytes.size(); at += piece)
        cutter.Feed(bytes.mid(at, piece), lines);
    lines.append(cutter.TakeTail());
    for (const QByteArray &line : lines) {
        if (line.contains('\n') || line.contains('\r') || line.contains('\0'))
            std::abort();
        parser.ProcessLine(line);
    }
    QList<int> audio, subtitles;
    for (const QString &call : sink.Calls) {
        if (call.startsWith("Track "))
            (call.startsWith("Track 0 ") ? audio : subtitles).append(call.section(u' ', 2).toInt());
        if ((call.startsWith("Named ") && (call.size() > 70 || call.contains(u'\n'))) ||
            (call.startsWith("DiscTitle") &&
             (state.OpenMode != EntryKind::DVD || !IsDiscTitle(call.mid(10).toUtf8()))))
            std::abort();
    }
    if (state.AudioTrackIds != audio || state.SubtitleTrackIds != subtitles || state.Tags.Title.size() > 128)
        std::abort();
    return 0;
}
