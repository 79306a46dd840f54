// Engine output as any engine (or anything in its place) may write it: cut
// into lines in pieces of the sizes the first bytes choose, then parsed in a
// run of any kind of entry, first run or relaunch, with the playlist holding a
// DVD drive entry. The parser must stay inside its lines and the playlist, and
// the track lists it keeps must be the ones the window was given.
#include "../../engine/RecorderHost.h"
#include "common/ZError.h"
#include "engine/EngineCore.h"
#include "engine/MPOutProcessor.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    SettingsData settings;
    settings.Options.MPlayerPath = QStringLiteral("/nonexistent/mplayer");
    TZorviPlaylist playlist;
    RecorderHost host;
    EngineCore core(settings, playlist, host.Parts(), QStringLiteral("/tmp/"));
    core.SimulateProcesses([](const QByteArray &) {});
    TPlItem entry;
    entry.Kind = EntryKind(1 + data[0] % 5);
    entry.Path = "-dvd-device /dev/sr0 dvd://";
    playlist.AddItem(entry);
    core.PlayEntry(0);
    if (data[0] & 0x80) { // a relaunch: identification lines are ignored
        core.Restart();
        core.SimulateEnd(0);
    }
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
        try {
            core.ProcessLine(line);
        } catch (const ZError &) {
            // A DVD title length that is no number is reported, not parsed.
        }
    }
    if (core.State().AudioTrackIds != host.Audio.Ids || core.State().SubtitleTrackIds != host.Subtitles.Ids)
        std::abort();
    return 0;
}
