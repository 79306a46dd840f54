// mpv's control socket as anything in its place may write it, a line at a
// time, for a local or a network entry. The reader must report the tracks
// the state lists, keep names and tags to bounded single lines and numbers
// in range (the next question of the position within a second), and never
// find a disc title.
#include "../../engine/OutputRecorder.h"
#include "../FuzzTarget.h"
#include "common/TextHelpers.h"
#include "engine/mpv/MpvOutputReader.h"

#include <cmath>

ZORVI_FUZZ_TARGET(bytes)
{
    OutputRecorder sink;
    PlaybackState state(sink);
    MpvOutputReader reader(state, sink);
    state.MediaURL = bytes.startsWith('h') ? "http://host/a" : "/no/such/file";
    reader.BeginRun({}, 0);
    for (const QByteArray &line : bytes.split('\n'))
        reader.ProcessLine(line);
    for (const QString &call : sink.Calls)
        if ((call.startsWith("Named ") && call.size() > 70) || HasControlChars(call) ||
            call.startsWith("DiscTitle") || (call.startsWith("Wanted ") && uint(call.mid(7).toInt()) > 1000))
            std::abort();
    const MediaTags &t = state.Tags;
    const float position = state.PositionProp.Value;
    if (sink.Calls.filter("Track ").size() != state.AudioTrackIds.size() + state.SubtitleTrackIds.size() ||
        state.AudioTrackIds.size() > 128 || state.SubtitleTrackIds.size() > 128 || t.Title.size() > 128 ||
        HasControlChars(t.Title + t.Artist + t.Album) || state.VideoWidth > 8192 ||
        state.VideoHeight > 8192 || !std::isfinite(position) || position < 0 || position > 1e9f ||
        !std::isfinite(state.VolumeProp.Value))
        std::abort();
    return 0;
}
