#pragma once
// Reads one engine's output into the playback state and the OutputSink: MPlayer's
// text lines, or mpv's JSON lines.
#include <QByteArray>
#include <QByteArrayView>

class OutputReader {
public:
    virtual ~OutputReader() = default;
    // A new run: `discPath` is the launched disc entry's path (empty unless
    // the entry is a disc), `subtitleFiles` the number of files given with it.
    virtual void BeginRun(const QByteArray &discPath, int subtitleFiles) = 0;
    // One more subtitle file was given to the running engine.
    virtual void SubtitleFileGiven() = 0;
    virtual void ProcessLine(QByteArrayView line) = 0;
};
