#pragma once
// Everything the engine link asks of the main window and the log window goes
// through this interface, so the link never includes a window header and tests
// can record the calls instead of showing anything.
#include "engine/PlaybackStatus.h"
#include "playlist/PlItem.h"

#include <QString>
#include <cstdint>

// Menus the engine link fills or ticks; the window owns the items.
enum class TrackMenu { Audio, Subtitle, Aspect };
// Checkable menu items the playback controls tick.
enum class MenuToggle { PostProc, FrameDrop };
// Answer to the question about an engine left running by an earlier session.
enum class KillAnswer { Yes, No, Cancel };

class IEngineHost {
public:
    virtual ~IEngineHost() = default;

    // Playback display.
    virtual void SetPlayingButtons(bool playing) = 0;
    // Before a launch: refresh the duration and empty the track menus when
    // firstOpen; show the playlist box for a DVD drive; show the display name.
    virtual void PrepareMediaDisplay(bool firstOpen, EntryKind openMode, const QString &displayName) = 0;
    virtual void MediaOpened() = 0;
    virtual void UpdateStatusDisplay(PlaybackStatus status) = 0;
    virtual void UpdateMuteDisplay(bool mute) = 0;
    virtual void UpdatePosition(float seconds) = 0;
    virtual void UpdateVolume(float volume) = 0;
    virtual void UpdateDuration() = 0;
    virtual void ShowMediaTitle(const QString &title) = 0;

    // Video panel.
    virtual void HideVideo() = 0;
    virtual void LayoutVideo() = 0;
    virtual void RevealVideo() = 0;
    virtual void ApplyWindowSize() = 0;
    virtual std::uint64_t VideoWindowId() = 0;
    // The panel's pixel value as the X server reads it: 0xRRGGBB.
    virtual std::uint32_t VideoColorKey() = 0;

    // Track and option menus.
    virtual int TrackItemCount(TrackMenu menu) = 0;
    virtual void AddTrackItem(TrackMenu menu, int position, int id) = 0;
    virtual void NameTrackItem(TrackMenu menu, int position, const QString &text) = 0;
    virtual void TickMenuValue(TrackMenu menu, int value) = 0;
    virtual void SetMenuToggle(MenuToggle item, bool checked) = 0;

    // Log window.
    virtual void ClearLog() = 0;
    virtual void AddLine(const QString &text) = 0;
    virtual void SetStatusLine(const QString &text) = 0;
    virtual QString StatusLine() = 0;

    // Playlist box.
    virtual void CenterItem(int index) = 0;
    virtual bool IsPlaylistDragging() = 0;

    // Window commands of the named-command table.
    virtual void ShowPopupMenu() = 0;
    virtual bool IsFullscreen() = 0;
    virtual void SetFullscreen(bool on) = 0;
    virtual void ToggleControls() = 0;
    virtual bool IsOnTop() = 0;
    virtual void SetOnTop(bool on) = 0;
    virtual void Minimize() = 0;
    virtual void Quit() = 0;
    virtual void SetSizeMode(int mode, bool absolute) = 0;
    virtual void SetCenter(bool center, bool apply) = 0;
    virtual bool IsPlaylistVisible() = 0;
    virtual void ShowPlaylist(bool show) = 0;
    virtual void ShowOptions() = 0;
    virtual void ShowLog() = 0;
    virtual void SaveLanguage(const QString &fileName) = 0;
    virtual void SetTranslatorMode(bool on) = 0;

    // Yes / No / Cancel question (title, text).
    virtual KillAnswer AskKillPreviousEngine(const QString &title, const QString &text) = 0;
};
