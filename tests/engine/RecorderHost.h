#pragma once
// Every part of the engine link's host, recording each call as a line of text
// and keeping what the link reads back (the log, the status line) and what a
// window would show (the track lists with their names).
#include "common/Clock.h"
#include "engine/EngineHost.h"

#include <QStringList>

class RecorderHost : public PlaybackDisplay,
                     public VideoPanel,
                     public TrackMenus,
                     public EngineLog,
                     public WindowRequests {
public:
    QStringList Calls;
    QStringList Log;
    QString Status;
    QList<int> AudioTracks, SubtitleTracks;
    QStringList AudioNames, SubtitleNames;
    bool Dragging = false;
    KillAnswer Answer = KillAnswer::No;
    QList<std::uint64_t> StatusTimes; // when each status line arrived

    EngineHost Parts() { return EngineHost::Of(*this); }
    void Rec(const QString &s) { Calls.append(s); }
    bool Called(const QString &s) const { return Calls.contains(s); }
    static void Name(const QList<int> &ids, QStringList &names, int id, const QString &name)
    {
        const qsizetype at = ids.lastIndexOf(id);
        if (at >= 0)
            names[at] = name;
    }

    void SetPlayingButtons(bool p) override { Rec(QStringLiteral("SetPlayingButtons %1").arg(p)); }
    void PrepareMediaDisplay(bool f, EntryKind m, const QString &n) override
    {
        Rec(QStringLiteral("PrepareMediaDisplay %1 %2 %3").arg(f).arg(int(m)).arg(n));
    }
    void MediaOpened() override { Rec(QStringLiteral("MediaOpened")); }
    void UpdateStatusDisplay(PlaybackStatus s) override { Rec(QStringLiteral("Status %1").arg(int(s))); }
    void UpdateMuteDisplay(bool m) override { Rec(QStringLiteral("Mute %1").arg(m)); }
    void UpdatePosition(float s) override { Rec(QStringLiteral("Position %1").arg(double(s))); }
    void UpdateVolume(float v) override { Rec(QStringLiteral("Volume %1").arg(double(v))); }
    void UpdateDuration() override { Rec(QStringLiteral("UpdateDuration")); }
    void ShowMediaTitle(const QString &t) override { Rec(QStringLiteral("ShowMediaTitle ") + t); }
    void HideVideo() override { Rec(QStringLiteral("HideVideo")); }
    void LayoutVideo() override { Rec(QStringLiteral("LayoutVideo")); }
    void RevealVideo() override { Rec(QStringLiteral("RevealVideo")); }
    void ApplyWindowSize() override { Rec(QStringLiteral("ApplyWindowSize")); }
    void SetSizeMode(int m, bool a) override { Rec(QStringLiteral("SetSizeMode %1 %2").arg(m).arg(a)); }
    std::uint64_t VideoWindowId() override { return 4242; }
    std::uint32_t VideoColorKey() override { return 0x050702; }
    void ClearTracks() override
    {
        AudioTracks.clear();
        SubtitleTracks.clear();
        AudioNames.clear();
        SubtitleNames.clear();
    }
    void AddAudioTrack(int id) override
    {
        AudioTracks.append(id);
        AudioNames.append(QString());
    }
    void NameAudioTrack(int id, const QString &n) override { Name(AudioTracks, AudioNames, id, n); }
    void AddSubtitleTrack(int n) override
    {
        SubtitleTracks.append(n);
        SubtitleNames.append(QString());
    }
    void NameSubtitleTrack(int n, const QString &t) override { Name(SubtitleTracks, SubtitleNames, n, t); }
    void TickMenuValue(TrackMenu m, int v) override { Rec(QStringLiteral("Tick %1 %2").arg(int(m)).arg(v)); }
    void SetMenuToggle(MenuToggle t, bool c) override
    {
        Rec(QStringLiteral("Toggle %1 %2").arg(int(t)).arg(c));
    }
    void ClearLog() override
    {
        Log.clear();
        Status.clear();
    }
    void AddLine(const QString &t) override { Log.append(t); }
    void SetStatusLine(const QString &t) override
    {
        Status = t;
        StatusTimes.append(Clock::NowMs());
    }
    QString StatusLine() override { return Status; }
    void CenterItem(int i) override { Rec(QStringLiteral("CenterItem %1").arg(i)); }
    bool IsPlaylistDragging() override { return Dragging; }
    KillAnswer AskKillPreviousEngine(const QString &title, const QString &text) override
    {
        Rec(QStringLiteral("Ask %1|%2").arg(title, text));
        return Answer;
    }
};
