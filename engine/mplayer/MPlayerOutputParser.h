#pragma once
// MPlayer's output lines turned into playback state. Each line goes through
// one table of {prefix, handler} rows, in order; the first row whose prefix
// the line starts with and whose handler accepts it ends its processing. A
// row applies at a stage: always (before the line is logged, or after), or
// only on the first run of an entry, by kind of entry.
#include "engine/OutputReader.h"
#include "engine/OutputSink.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

struct PlaybackState;

class MPlayerOutputParser : public OutputReader {
public:
    MPlayerOutputParser(PlaybackState &state, OutputSink &sink);

    void BeginRun(const QByteArray &discPath, int subtitleFiles) override;
    void SubtitleFileGiven() override { ++m_run.SubtitleFilesGiven; }
    void ProcessLine(QByteArrayView line) override;

private:
    struct Rule;
    static const Rule Rules[];

    bool InTagBlock(QByteArrayView line);
    void ReadTag(QByteArrayView line);
    bool OnStatusLine(QByteArrayView line);
    bool OnPauseMarker(QByteArrayView line);
    bool OnSeekAnswer(QByteArrayView line);
    bool OnCacheFill(QByteArrayView line);
    bool OnEndOfFile(QByteArrayView line);
    bool OnVideoOutput(QByteArrayView line);
    bool OnNoVideo(QByteArrayView line);
    bool OnStartPlayback(QByteArrayView line);
    bool OnVideoDecoder(QByteArrayView line);
    bool OnAudioDecoder(QByteArrayView line);
    bool OnSubtitleAdded(QByteArrayView line);
    bool OnTitleAudioStream(QByteArrayView line);
    bool OnTitleSubtitle(QByteArrayView line);
    bool OnDiscTitleLength(QByteArrayView line);
    bool OnDiscId(QByteArrayView line);
    bool OnAudioId(QByteArrayView line);
    bool OnAudioName(QByteArrayView line);
    bool OnSubtitleId(QByteArrayView line);
    bool OnSubtitleName(QByteArrayView line);
    bool OnTrackName(TrackMenu menu, QByteArrayView line);
    bool OnLength(QByteArrayView line);
    bool OnStreamLine(QByteArrayView line);
    template <EngineProblem P> bool OnProblem(QByteArrayView line);
    bool AddTrack(TrackMenu menu, int id);
    // What the identification says of a track; names it anew in its menu.
    enum class TrackPart { Language, Title, Codec };
    void DescribeTrack(TrackMenu menu, int id, TrackPart part, QByteArrayView text);

    PlaybackState &m_state;
    OutputSink &m_sink;
    // What the output of the current run has shown so far.
    struct Run {
        bool InTags = false;  // inside the clip's tags
        bool Started = false; // playback has started
        QByteArray DiscPath;
        QList<int> DiscTitles;
        int SubtitleFilesGiven = 0;
        int SubtitleFilesAdded = 0;
        QString StatusLine;
        // The tag names of the clip's tags by their number, while read.
        QList<QByteArray> TagNames;
        // What is known of each track listed on a first run.
        struct Track {
            TrackMenu Menu;
            int Id;
            QString Language, Title, Codec;
        };
        QList<Track> Tracks;
    } m_run;
};
