// Engine output as any engine (or anything in its place) may write it: cut
// into lines in pieces of the sizes the first bytes choose, then parsed in
// every open mode, first run or not, with a playlist holding a DVD drive entry.
// The parser must stay inside its lines, the menus and the playlist.
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
    TZorviPlaylist playlist;
    RecorderHost host;
    EngineCore core(settings, playlist, host, QStringLiteral("/tmp/"));
    TPlItem drive;
    drive.Kind = EntryKind::DVD;
    drive.Path = "-dvd-device /dev/sr0 dvd://";
    playlist.AddItem(drive);
    playlist.SetCurrent(0);
    core.OpenMode = EntryKind(data[0] % 6);
    core.FirstOpen = data[0] & 0x80;
    core.SimulateRun([](const QByteArray &) {});
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
    if (host.AudioItems.isEmpty() || host.SubtitleItems.size() < 3)
        std::abort();
    return 0;
}
