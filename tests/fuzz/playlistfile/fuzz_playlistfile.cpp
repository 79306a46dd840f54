// The playlist file reader on any bytes, in the format the first byte picks:
// within its bounds, every entry absolute or a playable URL and never a
// playlist, and what it gave written and read again gives the same names.
#include "../FuzzTarget.h"
#include "playlist/PlaylistFile.h"

ZORVI_FUZZ_TARGET(bytes)
{
    if (bytes.isEmpty())
        return 0;
    const PlaylistFormat formats[] = {PlaylistFormat::M3U, PlaylistFormat::M3U8, PlaylistFormat::PLS,
                                      PlaylistFormat::XSPF};
    const PlaylistRead read =
        PlaylistFile::Parse(bytes.mid(1), formats[uint8_t(bytes[0]) % 4], QStringLiteral("/lists"));
    if (read.Entries.size() > PlaylistFile::MaxEntries || read.Current >= read.Entries.size())
        std::abort();
    for (const PlaylistEntry &e : read.Entries)
        if (!e.IsUrl && (!e.Name.startsWith(u'/') || PlaylistFile::FormatOf(e.Name) != PlaylistFormat::None))
            std::abort();
    for (const PlaylistFormat again : formats) {
        const PlaylistRead back =
            PlaylistFile::Parse(PlaylistFile::Write(read.Entries, again), again, QStringLiteral("/x"));
        if (back.Entries.size() != read.Entries.size())
            std::abort();
        for (qsizetype i = 0; i < back.Entries.size(); ++i)
            if (back.Entries[i].Name != read.Entries[i].Name)
                std::abort();
    }
    return 0;
}
