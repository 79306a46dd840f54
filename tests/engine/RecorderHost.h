#pragma once
// Every part of the engine link's host, recording each call as a line of text
// and keeping what the link reads back (the log, the status line) and what a
// window would show (the track lists with their names). It brings the engine
// link, the playlist and the settings the fixtures built on it make.
#include "engine/EngineCore.h"
#include "engine/EngineHost.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

class RecorderHost : public PlaybackDisplay,
                     public VideoPanel,
                     public TrackMenus,
                     public EngineLog,
                     public WindowRequests {
public:
    struct TrackList {
        QList<int> Ids;
        QStringList Names; // of the tracks up to the last one named
        void Name(int id, const QString &name)
        {
            Names.resize(Ids.size());
            Names[Ids.lastIndexOf(id)] = name;
        }
    };
    QStringList Calls;
    QStringList Log;
    QString Status;
    TrackList Audio, Subtitles;
    KillAnswer Answer = KillAnswer::No;
    std::function<void()> WhileAsking; // what arrives while the question is open

    EngineHost Parts() { return EngineHost::Of(*this); }
    void Rec(const QString &s) { Calls.append(s); }
    bool Called(const QString &s) const { return Calls.contains(s); }

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
    void UpdateMediaNotes() override { Rec(QStringLiteral("UpdateMediaNotes")); }
    void ShowNote(EngineNote n, const QString &d) override
    {
        Rec(QStringLiteral("ShowNote %1 ").arg(int(n)) + d);
    }
    void HideVideo() override { Rec(QStringLiteral("HideVideo")); }
    void PrepareVideo() override { Rec(QStringLiteral("PrepareVideo")); }
    void WithdrawVideo() override { Rec(QStringLiteral("WithdrawVideo")); }
    void LayoutVideo() override { Rec(QStringLiteral("LayoutVideo")); }
    void RevealVideo() override { Rec(QStringLiteral("RevealVideo")); }
    void ApplyWindowSize() override { Rec(QStringLiteral("ApplyWindowSize")); }
    void SetSizeMode(int m, bool a) override { Rec(QStringLiteral("SetSizeMode %1 %2").arg(m).arg(a)); }
    std::uint64_t VideoWindowId() override { return 4242; }
    std::uint32_t VideoColorKey() override { return 0x050702; }
    void ClearTracks() override { Audio = Subtitles = TrackList(); }
    void AddAudioTrack(int id) override { Audio.Ids.append(id); }
    void NameAudioTrack(int id, const QString &n) override { Audio.Name(id, n); }
    void AddSubtitleTrack(int n) override { Subtitles.Ids.append(n); }
    void NameSubtitleTrack(int n, const QString &t) override { Subtitles.Name(n, t); }
    void TickMenuValue(TrackMenu m, int v) override { Rec(QStringLiteral("Tick %1 %2").arg(int(m)).arg(v)); }
    void SetMenuToggle(MenuToggle, bool) override {}
    void ClearLog() override
    {
        Log.clear();
        Status.clear();
    }
    void AddLine(const QString &t) override { Log.append(t); }
    void SetStatusLine(const QString &t) override { Status = t; }
    QString StatusLine() override { return Status; }
    void CenterItem(int) override {}
    bool IsPlaylistDragging() override { return false; }
    KillAnswer AskKillPreviousEngine(const QString &title, const QString &text) override
    {
        Rec(QStringLiteral("Ask %1|%2").arg(title, text));
        if (WhileAsking)
            std::exchange(WhileAsking, {})();
        return Answer;
    }
};
