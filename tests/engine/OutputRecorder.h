#pragma once
// What an output reader reports, recorded as text; the state's commands go nowhere.
#include "engine/OutputSink.h"
#include "engine/PlaybackState.h"

#include <QStringList>

struct OutputRecorder : CommandSink, OutputSink {
    QStringList Calls, Log;
    void SendCommand(const QByteArray &) override {}
    void PostCommand(const QByteArray &) override {}
    void PostAbsolute(const QByteArray &) override {}
    void LogLine(const QString &text) override { Log << text; }
    void ShowStatusLine(const QString &text) override { Calls << "Status " + text; }
    void CommandAnswered() override { Calls << "Answered"; }
    void PlaybackStarted() override { Calls << "Started"; }
    void AudioOpened() override { Calls << "AudioOpened"; }
    void VideoSized() override { Calls << "VideoSized"; }
    void NoVideo() override { Calls << "NoVideo"; }
    void TrackAdded(TrackMenu menu, int id) override
    {
        Calls << QString("Track %1 %2").arg(int(menu)).arg(id);
    }
    void TrackNamed(TrackMenu, int, const QString &name) override { Calls << "Named " + name; }
    void DiscTitleFound(const TPlItem &title) override
    {
        Calls << "DiscTitle " + QString::fromUtf8(title.Path);
    }
    void DiscIdentified() override { Calls << "DiscIdentified"; }
    void ProblemFound(EngineProblem problem) override { Calls << QString("Problem %1").arg(int(problem)); }
    void TagsRead() override { Calls << "Tags"; }
    void PositionWanted(int ms) override { Calls << QString("Wanted %1").arg(ms); }
};
