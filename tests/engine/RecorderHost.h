#pragma once
// An IEngineHost that records every call as a line of text and keeps the few
// pieces of window state the engine link reads back (menu item counts, the
// log, the status line).
#include "common/Clock.h"
#include "engine/EngineHost.h"

#include <QStringList>

class RecorderHost : public IEngineHost {
public:
    QStringList Calls;
    QStringList Log;
    QString Status;
    // Items of the audio menu (the mute item) and the subtitle menu
    // ("Disable", separator, "Load...") that are not tracks.
    QList<int> AudioItems{-100};
    QList<int> SubtitleItems{-101, -102, -103};
    QStringList AudioNames{QString()};
    QStringList SubtitleNames{QString(), QString(), QString()};
    bool Fullscreen = false, OnTop = false, PlaylistVisible = false, Dragging = false;
    KillAnswer Answer = KillAnswer::No;
    QList<std::uint64_t> StatusTimes; // when each status line arrived
    int KillQuestions = 0;

    void Rec(const QString &s) { Calls.append(s); }
    static QString Name(TrackMenu m)
    {
        return m == TrackMenu::Audio      ? QStringLiteral("Audio")
               : m == TrackMenu::Subtitle ? QStringLiteral("Subtitle")
                                          : QStringLiteral("Aspect");
    }
    QList<int> &Items(TrackMenu m) { return m == TrackMenu::Audio ? AudioItems : SubtitleItems; }
    QStringList &Names(TrackMenu m) { return m == TrackMenu::Audio ? AudioNames : SubtitleNames; }
    bool Called(const QString &s) const { return Calls.contains(s); }
    int Count(const QString &s) const { return int(Calls.count(s)); }

    void SetPlayingButtons(bool p) override { Rec(QStringLiteral("SetPlayingButtons %1").arg(p)); }
    void PrepareMediaDisplay(bool f, EntryKind m, const QString &n) override
    {
        Rec(QStringLiteral("PrepareMediaDisplay %1 %2 %3").arg(f).arg(int(m)).arg(n));
        if (f) {
            AudioItems = {-100};
            SubtitleItems = {-101, -102, -103};
            AudioNames = {QString()};
            SubtitleNames = {QString(), QString(), QString()};
        }
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
    std::uint64_t VideoWindowId() override { return 4242; }
    std::uint32_t VideoColorKey() override { return 0x050702; }
    int TrackItemCount(TrackMenu m) override { return int(Items(m).size()); }
    void AddTrackItem(TrackMenu m, int pos, int id) override
    {
        Rec(QStringLiteral("AddTrackItem %1 %2 %3").arg(Name(m)).arg(pos).arg(id));
        Items(m).insert(pos, id);
        Names(m).insert(pos, QString());
    }
    void NameTrackItem(TrackMenu m, int pos, const QString &t) override
    {
        Rec(QStringLiteral("NameTrackItem %1 %2 %3").arg(Name(m)).arg(pos).arg(t));
        Names(m)[pos] = t;
    }
    void TickMenuValue(TrackMenu m, int v) override { Rec(QStringLiteral("Tick %1 %2").arg(Name(m)).arg(v)); }
    void SetMenuToggle(MenuToggle t, bool c) override
    {
        Rec(QStringLiteral("Toggle %1 %2").arg(t == MenuToggle::PostProc ? "PostProc" : "FrameDrop").arg(c));
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
    void ShowPopupMenu() override { Rec(QStringLiteral("ShowPopupMenu")); }
    bool IsFullscreen() override { return Fullscreen; }
    void SetFullscreen(bool on) override { Rec(QStringLiteral("SetFullscreen %1").arg(on)); }
    void ToggleControls() override { Rec(QStringLiteral("ToggleControls")); }
    bool IsOnTop() override { return OnTop; }
    void SetOnTop(bool on) override { Rec(QStringLiteral("SetOnTop %1").arg(on)); }
    void Minimize() override { Rec(QStringLiteral("Minimize")); }
    void Quit() override { Rec(QStringLiteral("Quit")); }
    void SetSizeMode(int m, bool a) override { Rec(QStringLiteral("SetSizeMode %1 %2").arg(m).arg(a)); }
    void SetCenter(bool c, bool a) override { Rec(QStringLiteral("SetCenter %1 %2").arg(c).arg(a)); }
    bool IsPlaylistVisible() override { return PlaylistVisible; }
    void ShowPlaylist(bool s) override { Rec(QStringLiteral("ShowPlaylist %1").arg(s)); }
    void ShowOptions() override { Rec(QStringLiteral("ShowOptions")); }
    void ShowLog() override { Rec(QStringLiteral("ShowLog")); }
    void SaveLanguage(const QString &f) override { Rec(QStringLiteral("SaveLanguage ") + f); }
    void SetTranslatorMode(bool on) override { Rec(QStringLiteral("SetTranslatorMode %1").arg(on)); }
    KillAnswer AskKillPreviousEngine(const QString &title, const QString &text) override
    {
        ++KillQuestions;
        Rec(QStringLiteral("Ask %1|%2").arg(title, text));
        return Answer;
    }
};
