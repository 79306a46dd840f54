#pragma once
// mpv's JSON lines (answers, events, observed properties and log messages)
// turned into playback state, as MPlayerOutputParser does for MPlayer's text.
// Every value comes from the engine and the media: numbers are range-checked,
// texts cut to bounded single lines, lists bounded in length.
#include "engine/OutputReader.h"
#include "engine/OutputSink.h"

#include <QJsonValue>
#include <QString>

struct PlaybackState;

class MpvOutputReader : public OutputReader {
public:
    // Lines longer than this are not read as JSON.
    static constexpr qsizetype MaxLineBytes = 1 << 20;

    MpvOutputReader(PlaybackState &state, OutputSink &sink);

    void BeginRun(const QByteArray &discPath, int subtitleFiles) override;
    void SubtitleFileGiven() override {}
    void ProcessLine(QByteArrayView line) override;

private:
    void OnAnswer(int id, const QString &error, const QJsonValue &data);
    void OnEvent(const QString &event, const QJsonObject &object);
    void OnProperty(const QString &name, const QJsonValue &data);
    void OnPosition(double seconds);
    void OnTrackList(const QJsonArray &tracks);
    void OnVideoParams(const QJsonObject &params);
    void OnMetadata(const QJsonObject &tags);
    void OnEndOfFile(const QJsonObject &event);
    void Started();

    PlaybackState &m_state;
    OutputSink &m_sink;
    // What the current run has shown so far.
    struct Run {
        bool Started = false;
        bool AudioOpened = false;
        bool NoVideoSaid = false;
        int BadLines = 0; // unreadable lines logged (a few, not a flood)
        int Seconds = -1; // of the status line shown
        QString StatusLine;
        QString Decoder; // hardware decoding in use, as last logged
        bool Paused = false;
        bool SoundOutput = false; // a sound output is open
        double Speed = 1;
    } m_run;
};
